#pragma once

#include "controls/FlatCombo.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QPainter;

namespace cvn {

class TMultiColumnCombo;

enum class TColumnType { ctText, ctImage };

// One column of the list: its cell width, colours, font and text alignment. Every
// change repaints the list.
class TColumnDef {
public:
    int Width() const { return FWidth; }
    void SetWidth(int value);
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::AlignmentFlag Alignment() const { return FAlignment; }
    void SetAlignment(Qt::AlignmentFlag value);
    QColor Color() const { return FColor; }
    void SetColor(const QColor& value);
    TColumnType ColumnType() const { return FColumnType; }
    void SetColumnType(TColumnType value);
    QFont Font() const { return FFont; }
    void SetFont(const QFont& value);
    QColor FontColor() const { return FFontColor; }
    QString DisplayName() const;

private:
    friend class TColumnDefCollection;
    explicit TColumnDef(TMultiColumnCombo& owner);

    TMultiColumnCombo& Owner;
    int FWidth = 100;
    Qt::AlignmentFlag FAlignment = Qt::AlignLeft;
    QColor FColor;
    TColumnType FColumnType = TColumnType::ctText;
    QFont FFont;
    QColor FFontColor;
};

class TColumnDefCollection {
public:
    TColumnDef& Add();
    void Clear();
    int Count() const { return static_cast<int>(Items.size()); }
    TColumnDef& operator[](int index);
    const TColumnDef& operator[](int index) const;

private:
    friend class TMultiColumnCombo;
    friend class TColumnDef;
    explicit TColumnDefCollection(TMultiColumnCombo& owner) : Owner(owner) {}

    TMultiColumnCombo& Owner;
    std::vector<std::unique_ptr<TColumnDef>> Items;
};

// The texts of one item, one per column in column order. Each change rebuilds the
// list's item lines.
class TRowStrings {
public:
    void Add(const QString& text);
    void Assign(const QStringList& texts);
    void Clear();
    int Count() const { return static_cast<int>(Texts.size()); }
    QString operator[](int index) const;
    const QStringList& List() const { return Texts; }

private:
    friend class TRowItem;
    explicit TRowStrings(TMultiColumnCombo& owner) : Owner(owner) {}

    TMultiColumnCombo& Owner;
    QStringList Texts;
};

class TRowItem {
public:
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    TRowStrings& Strings() { return FStrings; }
    const TRowStrings& Strings() const { return FStrings; }
    QString DisplayName() const;

private:
    friend class TRowItemCollection;
    explicit TRowItem(TMultiColumnCombo& owner) : Owner(owner), FStrings(owner) {}

    TMultiColumnCombo& Owner;
    int FImageIndex = -1;
    TRowStrings FStrings;
};

class TRowItemCollection {
public:
    // Changes between BeginUpdate and EndUpdate rebuild the item lines once, at the end.
    void BeginUpdate();
    void EndUpdate();
    TRowItem& Add();
    void Delete(int index);
    void Clear();
    int Count() const { return static_cast<int>(Items.size()); }
    // Raises EListError "Item index out of range" for an index outside the items.
    TRowItem& operator[](int index);
    const TRowItem& operator[](int index) const;

private:
    friend class TMultiColumnCombo;
    friend class TRowItem;
    explicit TRowItemCollection(TMultiColumnCombo& owner) : Owner(owner) {}

    TMultiColumnCombo& Owner;
    std::vector<std::unique_ptr<TRowItem>> Items;
    int UpdateCount = 0;
};

// A drop-down list whose items have several text columns, drawn side by side in the
// open list and in the closed box (or only column EditColumn there). The combo box
// holds one line per item in LineRole: the image index, then "|" and the text of each
// column ("-1|G|Gray"); its display text is what the row shows ("G Gray"). Typing selects the first
// item whose LookupColumn text starts with what was typed.
class TMultiColumnCombo : public TFlatCustomCombo {
    Q_OBJECT

public:
    static constexpr int ItemHeight = 16;
    static constexpr int LineRole = Qt::UserRole;

    explicit TMultiColumnCombo(QWidget* parent = nullptr);
    ~TMultiColumnCombo() override;

    TColumnDefCollection& Columns() { return FColumns; }
    const TColumnDefCollection& Columns() const { return FColumns; }
    TRowItemCollection& ComboItems() { return FComboItems; }
    const TRowItemCollection& ComboItems() const { return FComboItems; }

    int EditColumn() const { return FEditColumn; }
    void SetEditColumn(int value);
    // The closed box's item area; the box is six pixels taller for its frame.
    int EditHeight() const { return FEditHeight; }
    void SetEditHeight(int value);
    // Width of the open list; 0 or less: the width of the box.
    int DropWidth() const;
    void SetDropWidth(int value);
    int DropHeight() const { return FDropHeight; }
    void SetDropHeight(int value);
    bool GridLines() const { return FGridLines; }
    void SetGridLines(bool value);
    int ItemIndex() const { return currentIndex(); }
    // -1, or an index outside the items, clears the selection; no OnChange.
    void SetItemIndex(int value);

    QList<QPixmap> Images;
    int LookupColumn = 0;
    bool LookupIncr = false;
    const QString& SearchText() const { return FSearchText; }

    // The line the combo box holds for an item.
    QString ItemLine(int item) const;
    // Column (0-based) of an item; image columns have no text. Raises EListError
    // "Item index out of range" for an item outside the items.
    QString ColumnText(int item, int column) const;

    // Where the closed box draws its item: the box less its frame and drop button.
    QRect ClosedItemRect() const;
    // Draws one item; closedBox is the box itself rather than the open list.
    void DrawItem(QPainter& painter, int index, const QRect& rect, bool selected,
                  bool closedBox) const;

    void showPopup() override;
    void hidePopup() override;

signals:
    // The user chose an item, from the list, with the keys or by typing.
    void OnChange();
    void OnDropDown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TColumnDef;
    friend class TColumnDefCollection;
    friend class TRowStrings;
    friend class TRowItem;
    friend class TRowItemCollection;

    void ItemsChanged();
    void RebuildLines();
    enum class TKeyUse { Pass, Consumed, Typed };
    // Keeps the search text for a key: navigation keys clear it, Backspace shortens it.
    TKeyUse SearchKey(const QKeyEvent* event);
    // The item that a typed character selects, counting from the selected one; -1: none.
    int LookupTarget(QChar ch, int selected);
    int FindItem(int from, const QString& search, bool localeUpperCase) const;
    void SelectByUser(int index);
    // With no selection, the keys go on from the item the user chose last when its
    // handler refused it; true when the key was handled that way.
    bool MoveFromRefused(QKeyEvent* event);

    TColumnDefCollection FColumns;
    TRowItemCollection FComboItems;
    int FEditColumn = -1;
    int FEditHeight = ItemHeight;
    int FDropWidth = 0;
    int FDropHeight = 200;
    bool FGridLines = false;
    bool FDroppedDown = false;
    QString FSearchText;
    // The item the user chose and the OnChange handler took away again (-1: none): the
    // next key moves on from it rather than back to it.
    int FRefused = -1;
};

} // namespace cvn
