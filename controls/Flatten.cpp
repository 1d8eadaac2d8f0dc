#include "controls/Flatten.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegion>
#include <QTableView>
#include <QTextEdit>

namespace cvn {

namespace {

bool IsFlattened(const QWidget* w) {
    return qobject_cast<const QTableView*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w);
}

// The line edit inside an editable combo box or a spin box belongs to that control.
bool IsPartOfControl(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QAbstractItemView*>(p) || p->isWindow()) {
            return true;
        }
    }
    return false;
}

} // namespace

void FlattenControl(QWidget* control) {
    control->setMask(QRegion(1, 1, control->width() - 2, control->height() - 2));
    control->update();
}

void FlattenControls(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (IsFlattened(w) && !IsPartOfControl(w, window)) {
            FlattenControl(w);
        }
    }
}

} // namespace cvn
