// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class OKBottomDlg;
}
class QLineEdit;
class QPushButton;
class TMainForm;

// The name dialog: the first window of the program and the one whose closing ends it. OK
// confirms the name and hands over to the main window; Cancel, Escape and the close box end
// the program.
class TOKBottomDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOKBottomDlg(QWidget* parent = nullptr);
    ~TOKBottomDlg() override;

    // The main window that OK hands over to.
    void setMainForm(TMainForm* form) { mainForm = form; }

    void OKBtnClick();
    void CancelBtnClick();

    QLineEdit* Edit;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    void reject() override; // Escape: presses Cancel, which closes the dialog
    void accept() override; // Enter: presses OK

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::OKBottomDlg> ui;
    TMainForm* mainForm = nullptr;
};

// The confirmed player name, set once by OK; empty until then.
extern QString PlayerName;
