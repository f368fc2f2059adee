// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;

// Runs a modal dialog of the game and returns its result. While it runs it cannot be left
// minimised; once it has closed, and unless the code after it has opened another, the window
// it stood over is active again. A window manager gives the activation back by itself, but
// without one the X server drops the focus onto the root window, and neither keys nor
// assistive technology would reach the game until a click.
int RunModal(QDialog& dialog);
