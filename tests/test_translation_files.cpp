// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The translation files are complete and current, and no text in the sources escapes them.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString TranslationsDir = QStringLiteral(TERRAVA_SOURCE_DIR "/content/translations");

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

QStringList tsFiles() {
    QStringList files;
    for (const QString& name : QDir(TranslationsDir).entryList({"*.ts"}))
        files << TranslationsDir + '/' + name;
    return files;
}

// The source texts of a translation file, and the kinds of its translations that are not
// done ("unfinished", "obsolete", "vanished"), each with its source.
struct Messages {
    QStringList sources;
    QStringList notDone;
};

Messages messagesOf(const QString& path) {
    Messages m;
    QXmlStreamReader xml(readAll(path));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            m.sources << xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value("type").toString();
            if (!type.isEmpty() || xml.readElementText().isEmpty())
                m.notDone << (type.isEmpty() ? "empty" : type) + ": " +
                                 m.sources.value(m.sources.size() - 1);
        }
    }
    return m;
}

// A string literal that reads as prose: two words with a blank between them.
bool readsAsProse(const QString& text) {
    static const QRegularExpression prose(QStringLiteral("[A-Za-z]{2,}[,.:;!?]? +[A-Za-z]"));
    return prose.match(text).hasMatch();
}

} // namespace

class TranslationFilesTest : public QObject {
    Q_OBJECT
private slots:
    // lupdate run on a copy leaves it as it is: every marked text is in the file and nothing
    // else; and every message is translated.
    void filesAreCurrentAndComplete() {
        QVERIFY(!tsFiles().isEmpty());
        QTemporaryDir dir;
        const QStringList options =
            QString::fromUtf8(readAll(TERRAVA_LUPDATE_OPTIONS_FILE)).simplified().split(' ');
        for (const QString& ts : tsFiles()) {
            const QString copy = dir.filePath(QFileInfo(ts).fileName());
            QVERIFY(QFile::copy(ts, copy));
            QProcess lupdate;
            lupdate.start(TERRAVA_LUPDATE, QStringList(options)
                                               << "@" TERRAVA_TEXT_SOURCES << "-ts" << copy);
            QVERIFY(lupdate.waitForFinished(120000));
            QCOMPARE(lupdate.exitCode(), 0);
            QVERIFY2(readAll(copy) == readAll(ts),
                     qPrintable(ts + " is not what lupdate makes of the sources: build the "
                                     "target update_translations and translate what it adds"));
            const QStringList notDone = messagesOf(ts).notDone;
            QVERIFY2(notDone.isEmpty(), qPrintable(notDone.join('\n')));
        }
    }

    // Every literal of the sources that reads as prose is part of a marked text, or one of the
    // few names that are no text for people.
    void noTextBypassesTranslation() {
        const QStringList notText = {"MS Sans Serif", "Liberation Sans", "DejaVu Sans",
                                     "QTabBar::tab { width: %1px; height: %2px; padding: 0; "
                                     "margin: 0; }"};
        QStringList marked;
        for (const QString& ts : tsFiles())
            marked << messagesOf(ts).sources;
        static const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\\\n]|\\\\.)*)\""));
        static const QRegularExpression comment(QStringLiteral("^\\s*//.*$"),
                                                QRegularExpression::MultilineOption);
        QStringList bypassing;
        for (const QString& path : QString::fromUtf8(readAll(TERRAVA_TEXT_SOURCES)).split('\n')) {
            if (!path.endsWith(".cpp") && !path.endsWith(".h"))
                continue;
            const QString code = QString::fromUtf8(readAll(path)).remove(comment);
            for (const auto& m : literal.globalMatch(code)) {
                const QString text = m.captured(1).replace("\\\"", "\"");
                const bool isMarked = std::any_of(marked.begin(), marked.end(),
                                                  [&](auto& s) { return s.contains(text); });
                if (readsAsProse(text) && !isMarked && !notText.contains(text))
                    bypassing << QFileInfo(path).fileName() + ": \"" + text + '"';
            }
        }
        QVERIFY2(bypassing.isEmpty(),
                 qPrintable("not marked for translation:\n" + bypassing.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TranslationFilesTest)
#include "test_translation_files.moc"
