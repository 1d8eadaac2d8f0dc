#include "controls/Place.h"

#include <QLabel>
#include <QPushButton>

namespace cvn {

QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

QPushButton* PlaceButton(QWidget* parent, const char* name, const QString& caption, int x, int y,
                         int w, int h) {
    auto* button = Place<QPushButton>(parent, name, x, y, w, h);
    button->setText(caption);
    return button;
}

} // namespace cvn
