#pragma once

#include "controls/Form.h"

namespace cvn {

// The order window and the Add to Order dialog, created at start-up with the other
// windows. Their controls are built with the order list, in orders/.
class TfrmOrder : public TForm {
    Q_OBJECT

public:
    explicit TfrmOrder(QWidget* parent = nullptr);
};

class TfrmAddOrder : public TForm {
    Q_OBJECT

public:
    explicit TfrmAddOrder(QWidget* parent = nullptr);
};

} // namespace cvn
