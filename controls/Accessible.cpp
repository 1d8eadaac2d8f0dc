#include "controls/Accessible.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVariant>

namespace cvn {

namespace {

// Marks names this routine gave, which it may give again when the caption changes;
// names a window set itself are left alone.
constexpr char DerivedName[] = "cvnDerivedName";

void SetDerivedName(QWidget* widget, const QString& name) {
    if (!widget->accessibleName().isEmpty() && !widget->property(DerivedName).toBool()) {
        return;
    }
    if (name.isEmpty() && widget->accessibleName().isEmpty()) {
        return;
    }
    widget->setProperty(DerivedName, true);
    if (widget->accessibleName() != name) {
        widget->setAccessibleName(name);
    }
}

bool IsInput(const QWidget* widget) {
    // A combo box's own line edit and an item view's inner parts are spoken through it.
    if (qobject_cast<const QComboBox*>(widget->parentWidget()) ||
        qobject_cast<const QAbstractSpinBox*>(widget->parentWidget())) {
        return false;
    }
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget);
}

QString CaptionOf(const QWidget* control) {
    const QWidget* parent = control->parentWidget();
    if (!parent) {
        return {};
    }
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == control) {
            return label->text();
        }
    }
    for (const QWidget* up = parent; up; up = up->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(up)) {
            return group->title();
        }
        if (up->isWindow()) {
            break;
        }
    }
    return {};
}

} // namespace

QString SpokenCaption(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out.simplified();
}

void NameAfter(QWidget* control, const QString& caption) {
    control->setProperty(DerivedName, false);
    control->setAccessibleName(SpokenCaption(caption));
    // On Linux a drop-down list is named by what it shows and captioned by the labels
    // that have it as buddy; one that has no label on screen gets a hidden one.
    if (qobject_cast<QComboBox*>(control) && control->parentWidget()) {
        auto* label = new QLabel(SpokenCaption(caption), control->parentWidget());
        label->setObjectName(control->objectName() + QStringLiteral("Caption"));
        label->setBuddy(control);
        label->hide();
    }
}

void NameByCaptions(QWidget* window) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            SetDerivedName(group, SpokenCaption(group->title()));
            continue;
        }
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (label && !label->text().isEmpty()) {
            // Labels whose text changes as the window runs are read as they are.
            const QString text = label->text();
            if (text != SpokenCaption(text)) {
                SetDerivedName(widget, SpokenCaption(text));
            }
            continue;
        }
        // Qt names a group's pictures and panels after its title, blanks and all.
        if (IsInput(widget) || (qobject_cast<QGroupBox*>(widget->parentWidget()) &&
                                !qobject_cast<QAbstractButton*>(widget))) {
            SetDerivedName(widget, SpokenCaption(CaptionOf(widget)));
        }
    }
}

} // namespace cvn
