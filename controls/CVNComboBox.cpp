#include "controls/CVNComboBox.h"

namespace cvn {

TCVNComboBox::TCVNComboBox(QWidget* parent) : QComboBox(parent) {}

void TCVNComboBox::ClearAllItems() {
    clear();
    FImperialItems.clear();
    FMetricItems.clear();
}

} // namespace cvn
