#pragma once

#include <QColor>
#include <QLabel>

namespace cvn {

// A label with a 3-D frame of BorderWidth rings: top and left edges in TopColor,
// bottom and right edges in BottomColor. White over grey makes the raised column
// captions above the selection lists.
class TMPLabel : public QLabel {
    Q_OBJECT

public:
    explicit TMPLabel(const QString& text = {}, QWidget* parent = nullptr);

    QColor TopColor() const { return FTopColor; }
    void SetTopColor(const QColor& value);
    QColor BottomColor() const { return FBottomColor; }
    void SetBottomColor(const QColor& value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    // The vertical text layout: Qt::AlignTop, Qt::AlignVCenter or Qt::AlignBottom.
    Qt::Alignment LayOut() const { return alignment() & Qt::AlignVertical_Mask; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor FTopColor{0xFF, 0xFF, 0xFF};
    QColor FBottomColor{0xFF, 0xFF, 0xFF};
    int FBorderWidth = 1;
};

} // namespace cvn
