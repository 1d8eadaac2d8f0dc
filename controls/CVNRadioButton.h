#pragma once

#include <QRadioButton>
#include <QString>

namespace cvn {

// A frequency choice: the button and the four texts that describe the band it stands for.
class TCVNRadioButton : public QRadioButton {
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

    QString FreqWaveguide;
    QString FreqBand;
    QString FreqRange;
    QString FreqVSWR;
};

} // namespace cvn
