#include "controls/FlatCombo.h"

namespace cvn {

TFlatCustomCombo::TFlatCustomCombo(QWidget* parent) : QComboBox(parent) {}

} // namespace cvn
