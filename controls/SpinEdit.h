#pragma once

#include <QSpinBox>

namespace cvn {

// A spin box that tells of every change of the text it shows, however it came: typed,
// pasted, the arrows, the Up/Down and Page keys, the wheel, or corrected when the user
// leaves it. QSpinBox tells only of values within its range, and its arrows and
// corrections change its edit field with the field's signals blocked, so a window that
// listens to either signal alone misses some of what the user sees.
class TSpinEdit : public QSpinBox {
    Q_OBJECT

public:
    explicit TSpinEdit(QWidget* parent = nullptr);

signals:
    // Once for each event that changed the text, and for each value the program sets.
    void Changed();

protected:
    bool event(QEvent* event) override;

private:
    int EventDepth = 0;
    bool FieldEdited = false;
};

} // namespace cvn
