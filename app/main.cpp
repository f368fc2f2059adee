// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Terrava: the name dialog first, then the main window, prepared while still hidden.

#include "Entering.h"
#include "ErrorBox.h"
#include "MainForm.h"
#include "Translations.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Terrava"));
    Translations::install(); // the desktop's language, before the first window is made
    // The desktop entry and the installed icon carry the app id; on X11 the window class stays
    // "Terrava" (the application's name), which the desktop entry names as its window class.
    QGuiApplication::setDesktopFileName(QStringLiteral(TERRAVA_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(TERRAVA_APP_ID),
                                                 QIcon(QStringLiteral(":/terrava/icon.png"))));
    // The layouts name a font that Linux desktops do not have: take the nearest sans-serif.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans")});

    std::unique_ptr<TOKBottomDlg> nameDialog;
    std::unique_ptr<TMainForm> mainForm;
    const bool created = ErrorBox::run([&] {
        nameDialog = std::make_unique<TOKBottomDlg>(); // first: its closing ends the program
        mainForm = std::make_unique<TMainForm>();
        nameDialog->setMainForm(mainForm.get());
    });
    if (!created)
        return 1;
    nameDialog->show();
    return app.exec();
}
