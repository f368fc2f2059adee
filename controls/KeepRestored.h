// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// A dialog asks for a close button only, but some window managers offer minimising it all the
// same; minimised, a dialog has no way back, since the task bar lists none. A window given to
// this comes back at once, active, whenever it is minimised while shown.
void KeepRestored(QWidget* window);
