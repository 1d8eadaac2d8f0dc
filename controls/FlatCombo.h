#pragma once

#include <QComboBox>

namespace cvn {

// The owner-drawn combo box the multi-column list builds on. It carries the flat-look
// switches; every window of the program leaves them off, so the box keeps the
// style's ordinary frame and drop button.
class TFlatCustomCombo : public QComboBox {
    Q_OBJECT

public:
    explicit TFlatCustomCombo(QWidget* parent = nullptr);

    bool Flat = false;
    bool Etched = false;
    bool FocusBorder = false;
};

} // namespace cvn
