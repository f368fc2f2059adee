// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColorChooser.h"

#include "RunModal.h"

#include <QColorDialog>

bool TColorDialog::Execute(QWidget* parent) {
    QColorDialog dialog(color, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog); // the same chooser on every desktop
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    color = dialog.selectedColor();
    return true;
}
