#include "controls/SpinEdit.h"

#include <QLineEdit>

namespace cvn {

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
    // What changes the text without an event of the spin box: the program setting a
    // value, or an edit that reaches the field directly (a middle-click paste). Such an
    // edit is told once its text has been read, after the spin box's own handling,
    // which may tell of a new value on the way.
    connect(this, &QSpinBox::valueChanged, this, [this] {
        if (EventDepth == 0 && !FieldEdited) {
            emit Changed();
        }
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { FieldEdited = EventDepth == 0; });
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        if (FieldEdited) {
            FieldEdited = false;
            emit Changed();
        }
    });
}

bool TSpinEdit::event(QEvent* event) {
    // Keys, clicks on the arrows, their repeat timer, the wheel and the focus leaving
    // all come through here; one event tells once, after it is done.
    const QString before = text();
    ++EventDepth;
    const bool handled = QSpinBox::event(event);
    --EventDepth;
    if (EventDepth == 0 && text() != before) {
        emit Changed();
    }
    return handled;
}

} // namespace cvn
