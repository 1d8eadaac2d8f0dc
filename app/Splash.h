#pragma once

#include <QWidget>

namespace cvn {

// The splash plate shown while the catalogue loads: borderless, 432 x 288, in the
// button colour.
class TfrmSplash : public QWidget {
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget* parent = nullptr);
};

} // namespace cvn
