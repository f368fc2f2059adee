// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The program's record of its active form: the name dialog or the main window. Message boxes
// are not forms, so closing one hands back to the form that was active before without a
// change of active form.
namespace ActiveForm {
// Records form as the active one and returns the form that was active before (or null).
QWidget* activate(QWidget* form);
} // namespace ActiveForm
