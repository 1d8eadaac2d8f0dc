#include "controls/MultiColumnCombo.h"

#include "catalogue/Errors.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace cvn {

namespace {

[[noreturn]] void RaiseItemIndex() {
    throw EListError("Item index out of range");
}

// Field k of an item line: the text between the k-th and the next "|".
QString LineField(const QString& line, int k) {
    return line.section(QLatin1Char('|'), k, k);
}

QString UpperAsciiOnly(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            c = QChar(c.unicode() - 'a' + 'A');
        }
    }
    return out;
}

// Draws the open list's items through the control's own item drawing.
class TMultiColumnDelegate : public QStyledItemDelegate {
public:
    explicit TMultiColumnDelegate(TMultiColumnCombo& combo)
        : QStyledItemDelegate(&combo), Combo(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        Combo.DrawItem(*painter, index.row(), option.rect,
                       option.state.testFlag(QStyle::State_Selected), false);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {Combo.DropWidth(), TMultiColumnCombo::ItemHeight};
    }

private:
    TMultiColumnCombo& Combo;
};

} // namespace

// --- columns -------------------------------------------------------------------------

TColumnDef::TColumnDef(TMultiColumnCombo& owner)
    : Owner(owner), FColor(owner.palette().color(QPalette::Base)), FFont(owner.font()),
      FFontColor(owner.palette().color(QPalette::Text)) {}

void TColumnDef::SetWidth(int value) {
    FWidth = value;
    Owner.update();
}

void TColumnDef::SetAlignment(Qt::AlignmentFlag value) {
    FAlignment = value;
    Owner.update();
}

void TColumnDef::SetColor(const QColor& value) {
    FColor = value;
    Owner.update();
}

void TColumnDef::SetColumnType(TColumnType value) {
    FColumnType = value;
    Owner.update();
}

void TColumnDef::SetFont(const QFont& value) {
    FFont = value;
    Owner.update();
}

QString TColumnDef::DisplayName() const {
    const auto& items = Owner.FColumns.Items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].get() == this) {
            return QStringLiteral("Column%1").arg(i);
        }
    }
    return QStringLiteral("Column");
}

TColumnDef& TColumnDefCollection::Add() {
    Items.push_back(std::unique_ptr<TColumnDef>(new TColumnDef(Owner)));
    Owner.RebuildLines();
    return *Items.back();
}

void TColumnDefCollection::Clear() {
    Items.clear();
    Owner.RebuildLines();
}

TColumnDef& TColumnDefCollection::operator[](int index) {
    if (index < 0 || index >= Count()) {
        RaiseListIndex(index);
    }
    return *Items[static_cast<std::size_t>(index)];
}

const TColumnDef& TColumnDefCollection::operator[](int index) const {
    return const_cast<TColumnDefCollection&>(*this)[index];
}

// --- items ---------------------------------------------------------------------------

void TRowStrings::Add(const QString& text) {
    Texts.append(text);
    Owner.ItemsChanged();
}

void TRowStrings::Assign(const QStringList& texts) {
    Texts = texts;
    Owner.ItemsChanged();
}

void TRowStrings::Clear() {
    Texts.clear();
    Owner.ItemsChanged();
}

QString TRowStrings::operator[](int index) const {
    if (index < 0 || index >= Count()) {
        RaiseListIndex(index);
    }
    return Texts[index];
}

void TRowItem::SetImageIndex(int value) {
    FImageIndex = value;
    Owner.ItemsChanged();
}

QString TRowItem::DisplayName() const {
    const auto& items = Owner.FComboItems.Items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].get() == this) {
            return QStringLiteral("Item%1").arg(i);
        }
    }
    return QStringLiteral("Item");
}

void TRowItemCollection::BeginUpdate() {
    ++UpdateCount;
}

void TRowItemCollection::EndUpdate() {
    if (UpdateCount > 0 && --UpdateCount == 0) {
        Owner.RebuildLines();
    }
}

TRowItem& TRowItemCollection::Add() {
    Items.push_back(std::unique_ptr<TRowItem>(new TRowItem(Owner)));
    Owner.ItemsChanged();
    return *Items.back();
}

void TRowItemCollection::Delete(int index) {
    if (index < 0 || index >= Count()) {
        RaiseItemIndex();
    }
    Items.erase(Items.begin() + index);
    Owner.ItemsChanged();
}

void TRowItemCollection::Clear() {
    Items.clear();
    Owner.ItemsChanged();
}

TRowItem& TRowItemCollection::operator[](int index) {
    if (index < 0 || index >= Count()) {
        RaiseItemIndex();
    }
    return *Items[static_cast<std::size_t>(index)];
}

const TRowItem& TRowItemCollection::operator[](int index) const {
    return const_cast<TRowItemCollection&>(*this)[index];
}

// --- the control ---------------------------------------------------------------------

TMultiColumnCombo::TMultiColumnCombo(QWidget* parent)
    : TFlatCustomCombo(parent), FColumns(*this), FComboItems(*this) {
    setItemDelegate(new TMultiColumnDelegate(*this));
    view()->installEventFilter(this);
    SetEditHeight(ItemHeight);
    connect(this, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { SelectByUser(index); });
}

TMultiColumnCombo::~TMultiColumnCombo() = default;

void TMultiColumnCombo::SetEditColumn(int value) {
    FEditColumn = value;
    update();
}

void TMultiColumnCombo::SetEditHeight(int value) {
    FEditHeight = value;
    setFixedHeight(value + 6);
}

int TMultiColumnCombo::DropWidth() const {
    return FDropWidth > 0 ? FDropWidth : width();
}

void TMultiColumnCombo::SetDropWidth(int value) {
    FDropWidth = value;
}

void TMultiColumnCombo::SetDropHeight(int value) {
    FDropHeight = value;
}

void TMultiColumnCombo::SetGridLines(bool value) {
    FGridLines = value;
    update();
}

void TMultiColumnCombo::SetItemIndex(int value) {
    if (value >= 0) {
        FRefused = -1;
    }
    const QSignalBlocker block(this);
    setCurrentIndex(value >= 0 && value < count() ? value : -1);
    update();
}

QString TMultiColumnCombo::ItemLine(int item) const {
    if (item < 0 || item >= count()) {
        RaiseItemIndex();
    }
    return itemData(item, LineRole).toString();
}

QString TMultiColumnCombo::ColumnText(int item, int column) const {
    const QString line = ItemLine(item);
    if (column < 0 || column >= FColumns.Count() ||
        FColumns[column].ColumnType() == TColumnType::ctImage) {
        return {};
    }
    int field = column + 1;
    for (int c = 0; c < column; ++c) {
        if (FColumns[c].ColumnType() == TColumnType::ctImage) {
            --field;
        }
    }
    return LineField(line, field);
}

void TMultiColumnCombo::ItemsChanged() {
    if (FComboItems.UpdateCount == 0) {
        RebuildLines();
    }
}

void TMultiColumnCombo::RebuildLines() {
    FRefused = -1;
    const QSignalBlocker block(this);
    const int held = currentIndex();
    const int items = FComboItems.Count();
    while (count() > items) {
        removeItem(count() - 1);
    }
    for (int i = 0; i < items; ++i) {
        const TRowItem& item = *FComboItems.Items[static_cast<std::size_t>(i)];
        QString line = QString::number(item.ImageIndex());
        QStringList shown;
        for (int c = 0; c < FColumns.Count(); ++c) {
            line += QLatin1Char('|');
            if (c < item.Strings().Count()) {
                line += item.Strings().List()[c];
                const QString text = item.Strings().List()[c].trimmed();
                if (!text.isEmpty() && FColumns[c].ColumnType() == TColumnType::ctText) {
                    shown << text;
                }
            }
        }
        // Screen readers and Qt's own item views read the display text: the row as seen.
        const QString visible = shown.join(QLatin1Char(' '));
        if (i < count()) {
            setItemText(i, visible);
            setItemData(i, line, LineRole);
        } else {
            addItem(visible, line);
        }
    }
    // Adding the first line makes the combo box select it; the selection stays as it was.
    setCurrentIndex(held < count() ? held : -1);
    update();
}

void TMultiColumnCombo::DrawItem(QPainter& painter, int index, const QRect& rect, bool selected,
                                 bool closedBox) const {
    const QPalette& pal = palette();
    const QColor highlight = pal.color(QPalette::Highlight);
    const QColor controlColor = pal.color(QPalette::Base);
    if (index < 0 || index >= count()) {
        painter.fillRect(rect, selected ? highlight : controlColor);
        return;
    }
    const bool oneColumn = closedBox && FEditColumn >= 0;
    if (selected) {
        painter.fillRect(rect, highlight);
    } else if (oneColumn) {
        painter.fillRect(rect, controlColor);
    }
    const QString line = itemData(index, LineRole).toString();
    const int imageIndex = LineField(line, 0).toInt();
    int x = rect.left();
    int field = 1;
    const int last = FColumns.Count() - 1;
    for (int c = 0; c <= last; ++c) {
        const TColumnDef& column = FColumns[c];
        const bool isImage = column.ColumnType() == TColumnType::ctImage;
        QString text;
        if (!isImage) {
            text = LineField(line, field++);
        }
        const int right = c == last ? rect.right() + 1 : x + column.Width();
        const QRect cell(QPoint(x, rect.top()), QPoint(right - 1, rect.bottom()));
        if (oneColumn && c != FEditColumn) {
            continue;
        }
        if (!selected) {
            painter.fillRect(cell, column.Color());
        }
        painter.setFont(column.Font());
        painter.setPen(selected ? pal.color(QPalette::HighlightedText) : column.FontColor());
        const QRect textRect(QPoint(cell.left() + 2, cell.top() + 1),
                             QPoint(cell.right() - 2, cell.bottom()));
        if (isImage) {
            if (!Images.isEmpty() && imageIndex >= 0 && imageIndex < Images.size()) {
                painter.drawPixmap(textRect.topLeft(), Images[imageIndex]);
            }
        } else {
            const QString shown =
                painter.fontMetrics().elidedText(text, Qt::ElideRight, textRect.width());
            const int flags =
                static_cast<int>(column.Alignment() | Qt::AlignVCenter | Qt::TextSingleLine);
            painter.drawText(textRect, flags, shown);
        }
        if (FGridLines) {
            painter.setPen(QColor(0x80, 0x80, 0x80));
            if (!closedBox) {
                painter.drawLine(cell.left(), rect.bottom(), cell.right(), rect.bottom());
            }
            if (c != last && !oneColumn) {
                painter.drawLine(cell.right(), rect.top(), cell.right(), rect.bottom());
            }
        }
        if (!oneColumn) {
            x = right;
        }
    }
}

QRect TMultiColumnCombo::ClosedItemRect() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                   this);
}

void TMultiColumnCombo::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect box = ClosedItemRect();
    painter.setClipRect(box);
    DrawItem(painter, currentIndex(), box, hasFocus() && !FDroppedDown, true);
}

void TMultiColumnCombo::showPopup() {
    view()->setMinimumWidth(DropWidth());
    setMaxVisibleItems(qMax(1, FDropHeight / ItemHeight));
    FDroppedDown = true;
    TFlatCustomCombo::showPopup();
    emit OnDropDown();
}

void TMultiColumnCombo::hidePopup() {
    TFlatCustomCombo::hidePopup();
    FDroppedDown = false;
    update();
}

void TMultiColumnCombo::SelectByUser(int index) {
    FDroppedDown = false;
    SetItemIndex(index);
    emit OnChange();
    FRefused = currentIndex() < 0 && index < count() ? index : -1;
}

bool TMultiColumnCombo::MoveFromRefused(QKeyEvent* event) {
    if (currentIndex() >= 0 || FRefused < 0 || FRefused >= count() ||
        (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
        return false;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        break;
    default:
        return false;
    }
    // The box's own moves, counted from the refused item; where they lead nowhere (Down
    // on the last item) the box stays without a selection.
    const int from = FRefused;
    {
        const QSignalBlocker block(this);
        setCurrentIndex(from);
    }
    TFlatCustomCombo::keyPressEvent(event);
    if (currentIndex() == from) {
        const QSignalBlocker block(this);
        setCurrentIndex(-1);
        update();
    }
    return true;
}

int TMultiColumnCombo::FindItem(int from, const QString& search, bool localeUpperCase) const {
    const QLocale locale;
    const QString key = localeUpperCase ? locale.toUpper(search) : UpperAsciiOnly(search);
    for (int i = qMax(from, 0); i < count(); ++i) {
        const QString text = ColumnText(i, LookupColumn);
        if (text.isEmpty()) {
            continue;
        }
        const QString upper = localeUpperCase ? locale.toUpper(text) : UpperAsciiOnly(text);
        if (upper.startsWith(key)) {
            return i;
        }
    }
    return -1;
}

int TMultiColumnCombo::LookupTarget(QChar ch, int selected) {
    if (LookupIncr) {
        FSearchText += ch;
    } else {
        FSearchText = ch;
    }
    int found = -1;
    if (selected >= 0 || LookupIncr) {
        found = FindItem(selected, FSearchText, true);
    }
    if (found < 0) {
        found = FindItem(0, FSearchText, false);
    }
    if (found < 0 && LookupIncr) {
        FSearchText = ch;
        found = FindItem(0, FSearchText, true);
    }
    return found;
}

TMultiColumnCombo::TKeyUse TMultiColumnCombo::SearchKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        FSearchText.clear();
        return TKeyUse::Pass;
    case Qt::Key_Backspace:
        FSearchText.chop(1);
        return TKeyUse::Consumed;
    default:
        break;
    }
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    return command || text.isEmpty() || !text.at(0).isPrint() ? TKeyUse::Pass : TKeyUse::Typed;
}

void TMultiColumnCombo::keyPressEvent(QKeyEvent* event) {
    switch (SearchKey(event)) {
    case TKeyUse::Pass:
        if (!MoveFromRefused(event)) {
            TFlatCustomCombo::keyPressEvent(event);
        }
        return;
    case TKeyUse::Consumed:
        event->accept();
        return;
    case TKeyUse::Typed:
        break;
    }
    // Qt's own search would match the item lines ("-1|..."); the lookup replaces it.
    for (const QChar ch : event->text()) {
        // A refused item is not found again while later ones match.
        const int from = currentIndex() < 0 && FRefused >= 0 ? FRefused + 1 : currentIndex();
        const int found = LookupTarget(ch, from);
        if (found >= 0 && found != currentIndex()) {
            SelectByUser(found);
        }
    }
    event->accept();
}

bool TMultiColumnCombo::eventFilter(QObject* watched, QEvent* event) {
    // Typing into the open list moves its highlight; Enter or a click then chooses.
    if (watched == view() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (SearchKey(key)) {
        case TKeyUse::Pass:
            return false;
        case TKeyUse::Consumed:
            return true;
        case TKeyUse::Typed:
            break;
        }
        for (const QChar ch : key->text()) {
            const int found = LookupTarget(ch, view()->currentIndex().row());
            if (found >= 0) {
                view()->setCurrentIndex(model()->index(found, modelColumn()));
            }
        }
        return true;
    }
    return TFlatCustomCombo::eventFilter(watched, event);
}

} // namespace cvn
