#include "controls/MPLabel.h"

#include <QPainter>

namespace cvn {

TMPLabel::TMPLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    // Opaque, so that a caption laid over another hides it.
    setAutoFillBackground(true);
}

void TMPLabel::SetTopColor(const QColor& value) {
    FTopColor = value;
    update();
}

void TMPLabel::SetBottomColor(const QColor& value) {
    FBottomColor = value;
    update();
}

void TMPLabel::SetBorderWidth(int value) {
    FBorderWidth = value;
    update();
}

void TMPLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    // Each ring: left column and top row in the top colour, then right column and bottom
    // row in the bottom colour, which so owns the top-right and bottom-left corners.
    int left = 0;
    int top = 0;
    int right = width() - 1;
    int bottom = height() - 1;
    for (int ring = 0; ring < FBorderWidth && left <= right && top <= bottom; ++ring) {
        painter.setPen(FTopColor);
        painter.drawLine(left, top, left, bottom);
        painter.drawLine(left, top, right - 1, top);
        painter.setPen(FBottomColor);
        painter.drawLine(right, top, right, bottom);
        painter.drawLine(left, bottom, right, bottom);
        ++left;
        ++top;
        --right;
        --bottom;
    }
}

} // namespace cvn
