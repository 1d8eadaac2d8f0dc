#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace cvn {

// Windows are laid out at fixed positions, as they were designed; these create a
// named child control at its place.

template <class T> T* Place(QWidget* parent, const char* name, int x, int y, int w, int h) {
    T* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, y, w, h);
    return widget;
}

// A label sized to its text.
QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, int x, int y);

QPushButton* PlaceButton(QWidget* parent, const char* name, const QString& caption, int x, int y,
                         int w = 75, int h = 25);

} // namespace cvn
