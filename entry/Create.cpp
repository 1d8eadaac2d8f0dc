#include "entry/Create.h"

namespace cvn {

TfrmCreate::TfrmCreate(QWidget* parent)
    : TForm(QStringLiteral("Corvane Quick Builder"), 389, 201, parent) {
    setObjectName(QStringLiteral("frmCreate"));
}

} // namespace cvn
