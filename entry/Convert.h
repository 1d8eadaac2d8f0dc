#pragma once

#include "controls/Form.h"

namespace cvn {

// Converts an old part number through the conversion table.
class TfrmConvert : public TForm {
    Q_OBJECT

public:
    explicit TfrmConvert(QWidget* parent = nullptr);
};

} // namespace cvn
