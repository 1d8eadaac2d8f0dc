#pragma once

#include "controls/Form.h"

namespace cvn {

// The Quick Builder: sets the wizard up from a typed part number.
class TfrmCreate : public TForm {
    Q_OBJECT

public:
    explicit TfrmCreate(QWidget* parent = nullptr);
};

} // namespace cvn
