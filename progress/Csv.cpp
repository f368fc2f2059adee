// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Csv.h"

#include <QCoreApplication>

QByteArray csvRecord(const QStringList& fields) {
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        QByteArray field = fields[i].toUtf8();
        if (field.contains(',') || field.contains('"') || field.contains('\n') ||
            field.contains('\r'))
            field = '"' + field.replace('"', "\"\"") + '"';
        line += field;
    }
    return line + "\r\n";
}

QList<QStringList> parseCsv(const QByteArray& bytes, QString* error) {
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> records;
    QStringList record;
    QString field;
    int line = 1;
    bool quoted = false;     // inside quotes
    bool afterQuote = false; // a quoted field has closed
    int quoteLine = 0;       // where the open quote is
    const auto fail = [&](const char* what) {
        if (error)
            *error = QCoreApplication::translate("ProgressRecord", what).arg(line);
        return QList<QStringList>();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
                afterQuote = true;
            } else {
                line += c == u'\n';
                field += c;
            }
        } else if (c == u',') {
            record.append(field);
            field.clear();
            afterQuote = false;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            record.append(field);
            records.append(record);
            record.clear();
            field.clear();
            afterQuote = false;
            ++line;
        } else if (afterQuote) {
            return fail(QT_TRANSLATE_NOOP("ProgressRecord", "line %1: text after a closing quote"));
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
            quoteLine = line;
        } else {
            field += c;
        }
    }
    if (quoted) {
        line = quoteLine;
        return fail(QT_TRANSLATE_NOOP("ProgressRecord", "line %1: a quoted field is not closed"));
    }
    if (!field.isEmpty() || !record.isEmpty() || afterQuote) {
        record.append(field);
        records.append(record);
    }
    if (error)
        error->clear();
    return records;
}
