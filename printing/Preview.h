#pragma once

#include "controls/Form.h"

namespace cvn {

// The print preview of the spec page; its caption names the part each
// time it is opened.
class TfrmPreview : public TForm {
    Q_OBJECT

public:
    explicit TfrmPreview(QWidget* parent = nullptr);
};

} // namespace cvn
