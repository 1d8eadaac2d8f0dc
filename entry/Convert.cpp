#include "entry/Convert.h"

namespace cvn {

TfrmConvert::TfrmConvert(QWidget* parent)
    : TForm(QStringLiteral("Convert Old Part Number"), 389, 261, parent) {
    setObjectName(QStringLiteral("frmConvert"));
}

} // namespace cvn
