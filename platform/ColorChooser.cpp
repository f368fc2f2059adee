#include "ColorChooser.h"

#include <QColorDialog>

bool TColorDialog::Execute(QWidget* parent) {
    const QColor chosen = QColorDialog::getColor(color, parent);
    if (!chosen.isValid())
        return false;
    color = chosen;
    return true;
}
