#include "controls/FlatCombo.h"

#include <QStyle>

namespace cvn {

TFlatCustomCombo::TFlatCustomCombo(QWidget* parent) : QComboBox(parent) {}

int TFlatCustomCombo::DropButtonWidth() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) + 2;
}

} // namespace cvn
