#include "controls/CVNComboBox.h"

#include <QStyledItemDelegate>

#include <algorithm>

namespace cvn {

namespace {

// Rows of the open list as tall as those of the multi-column lists, and never tighter
// than the font: the glyphs of neighbouring rows must not touch.
class TLengthItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(
            std::max({size.height(), TCVNComboBox::ItemHeight, option.fontMetrics.height() + 4}));
        return size;
    }
};

} // namespace

TCVNComboBox::TCVNComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new TLengthItemDelegate(this));
}

void TCVNComboBox::ClearAllItems() {
    clear();
    FImperialItems.clear();
    FMetricItems.clear();
}

} // namespace cvn
