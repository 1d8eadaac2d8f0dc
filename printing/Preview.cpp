#include "printing/Preview.h"

namespace cvn {

TfrmPreview::TfrmPreview(QWidget* parent) : TForm(QStringLiteral("Preview"), 711, 566, parent) {
    setObjectName(QStringLiteral("frmPreview"));
}

} // namespace cvn
