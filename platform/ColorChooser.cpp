#include "ColorChooser.h"

#include <QColorDialog>

bool TColorDialog::Execute(QWidget* parent) {
    QColorDialog dialog(color, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog); // the same chooser on every desktop
    if (dialog.exec() != QDialog::Accepted)
        return false;
    color = dialog.selectedColor();
    return true;
}
