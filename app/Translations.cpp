// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

QStringList wantedLanguages(const QLocale& locale) {
    QStringList languages;
    QStringList generic; // "it" after every "it_IT": the nearest first
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            break;
        languages << language;
        generic << language.section(QLatin1Char('_'), 0, 0);
    }
    languages << generic;
    languages.removeDuplicates();
    return languages;
}

QString install(const QLocale& locale) {
    // The translators live as long as the application, whose event loop uses them to the end.
    static QTranslator game;
    static QTranslator qt;
    for (const QString& language : wantedLanguages(locale)) {
        if (!game.load(QStringLiteral("terrava_") + language, QStringLiteral(":/i18n"),
                       QStringLiteral("")))
            continue;
        QCoreApplication::installTranslator(&game);
        // Without Qt's own translation the dialogs keep Qt's English buttons.
        if (qt.load(QStringLiteral("qtbase_") + language,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral("")))
            QCoreApplication::installTranslator(&qt);
        return language;
    }
    return {};
}

QString localisedPage(const QString& folder, const QString& page, const QLocale& locale) {
    const QFileInfo info(page);
    for (const QString& language : wantedLanguages(locale)) {
        const QString localised = folder + QLatin1Char('/') + info.completeBaseName() +
                                  QLatin1Char('_') + language + QLatin1Char('.') + info.suffix();
        if (QFileInfo(localised).isFile())
            return localised;
    }
    return folder + QLatin1Char('/') + page;
}

} // namespace Translations
