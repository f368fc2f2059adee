// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Entering.h"

#include "ActiveForm.h"
#include "ErrorBox.h"
#include "FocusFrame.h"
#include "FormScaling.h"
#include "KeepRestored.h"
#include "MainForm.h"
#include "ui_OKBottomDlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QScreen>
#include <QTimer>

QString PlayerName;

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : QDialog(parent), ui(new Ui::OKBottomDlg) {
    FocusFrame::install();
    ui->setupUi(this);
    Edit = ui->Edit;
    OKBtn = ui->OKBtn;
    CancelBtn = ui->CancelBtn;
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    KeepRestored(this); // the first window of the program: minimised, nothing would show
    UsePixelFonts(this);
    // The dialog sits on the tooltip colour; the edit box keeps the window colour.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::ToolTipBase));
    setPalette(pal);
    setAutoFillBackground(true);
    // Pressing a button only calls its handler; neither closes the dialog by itself.
    connect(OKBtn, &QPushButton::clicked, this, Guarded([this](bool) { OKBtnClick(); }));
    connect(CancelBtn, &QPushButton::clicked, this, Guarded([this](bool) { CancelBtnClick(); }));
    Edit->installEventFilter(this);
}

TOKBottomDlg::~TOKBottomDlg() = default;

void TOKBottomDlg::OKBtnClick() {
    PlayerName = Edit->text();
    if (mainForm) {
        mainForm->LoadSettings();
        mainForm->showMaximized();
        mainForm->raise();
        mainForm->activateWindow();
        mainForm->NameDlg = this;
    }
    hide();
    if (mainForm)
        mainForm->OpenRecord(); // only now: the dialog must not wait for the record
}

void TOKBottomDlg::CancelBtnClick() {
    close();
}

void TOKBottomDlg::reject() {
    CancelBtn->click();
}

void TOKBottomDlg::accept() {
    OKBtn->click();
}

bool TOKBottomDlg::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        ActiveForm::activate(this);
    return QDialog::event(event);
}

void TOKBottomDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) // centred on the screen
        move(screen->geometry().center() - rect().center());
    activateWindow(); // a window manager would; without one the keys would reach nothing
    Edit->setFocus(Qt::ActiveWindowFocusReason);
    Edit->selectAll();
}

void TOKBottomDlg::closeEvent(QCloseEvent* event) {
    // The first window of the program: closing it ends the program.
    event->accept();
    QCoreApplication::quit();
}

bool TOKBottomDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit && event->type() == QEvent::FocusIn)
        Edit->selectAll(); // typing replaces the offered name
    return QDialog::eventFilter(watched, event);
}
