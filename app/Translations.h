// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The game's own texts are English; a translation is taken for the first of the locale's UI
// languages that has one, unless English comes first. Qt's own translation of its dialogs and
// buttons is taken for the same language.
namespace Translations {

// The locale's UI languages that come before the first English one, as file name suffixes
// ("it_IT", "it"), in the locale's order of preference.
QStringList wantedLanguages(const QLocale& locale);

// Installs the game's translation and Qt's for the locale into the running application; does
// nothing for an English locale, or one no translation is made for. Returns the language
// taken ("it"), or the empty text.
QString install(const QLocale& locale = QLocale::system());

// The page in the folder made for the locale's language, "help_it.html" beside "help.html",
// when there is one; the page itself otherwise.
QString localisedPage(const QString& folder, const QString& page,
                      const QLocale& locale = QLocale::system());

} // namespace Translations
