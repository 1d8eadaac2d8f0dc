#include "app/OrderWindows.h"

namespace cvn {

TfrmOrder::TfrmOrder(QWidget* parent)
    : TForm(QStringLiteral("Corvane Order Form"), 633, 417, parent) {
    setObjectName(QStringLiteral("frmOrder"));
}

TfrmAddOrder::TfrmAddOrder(QWidget* parent)
    : TForm(QStringLiteral("Add to Order"), 398, 329, parent) {
    setObjectName(QStringLiteral("frmAddOrder"));
}

} // namespace cvn
