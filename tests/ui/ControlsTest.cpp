#include "catalogue/Errors.h"
#include "controls/BoldFace.h"
#include "controls/ImpGrid.h"
#include "controls/MultiColumnCombo.h"
#include "controls/ProgramFonts.h"
#include "tests/ui/UiTest.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QRawFont>
#include <QSignalSpy>
#include <QTest>

#include <initializer_list>
#include <memory>

using namespace cvn;

namespace {

QStringList Row0(const TImpGrid& grid) {
    QStringList texts;
    for (int col = 0; col < grid.ColCount(); ++col) {
        texts << grid.Cell(col, 0);
    }
    return texts;
}

QStringList Column0(const TImpGrid& grid) {
    QStringList texts;
    for (int row = 0; row < grid.RowCount(); ++row) {
        texts << grid.Cell(0, row);
    }
    return texts;
}

// A list of code and name columns filled with the given items.
std::unique_ptr<TMultiColumnCombo> NewList(std::initializer_list<QStringList> items) {
    auto list = std::make_unique<TMultiColumnCombo>();
    list->Columns().Add().SetWidth(30);
    list->Columns().Add().SetWidth(100);
    list->resize(200, 22);
    list->ComboItems().BeginUpdate();
    for (const QStringList& texts : items) {
        list->ComboItems().Add().Strings().Assign(texts);
    }
    list->ComboItems().EndUpdate();
    return list;
}

QStringList Lines(const TMultiColumnCombo& list) {
    QStringList lines;
    for (int i = 0; i < list.count(); ++i) {
        lines << list.ItemLine(i);
    }
    return lines;
}

void Type(TMultiColumnCombo& list, const QString& keys) {
    for (const QChar ch : keys) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&list, &press);
    }
}

// How much ink the text leaves: the darkness of every pixel, added up.
qint64 Ink(const QFont& font, const QString& text) {
    QImage image(QFontMetrics(font).horizontalAdvance(text) + 8, QFontMetrics(font).height() + 8,
                 QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(4, 4 + QFontMetrics(font).ascent(), text);
    painter.end();
    qint64 ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            ink += 255 - line[x];
        }
    }
    return ink;
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void boldTahomaIsHeavierAndKeepsTheBoldWidths_data() {
        QTest::addColumn<int>("pixels");
        QTest::newRow("title") << 24;
        QTest::newRow("part-number box") << Points10;
        QTest::newRow("grid and length lists") << Points8;
    }

    void boldTahomaIsHeavierAndKeepsTheBoldWidths() {
        QFETCH(int, pixels);
        RegisterProgramFonts();
        const QFont regular = TahomaFont(pixels);
        const QFont bold = TahomaFont(pixels, true);
        QCOMPARE(QFontInfo(bold).family(), QStringLiteral("Tahoma"));
        const QString text = QStringLiteral("Corvane 38 R187PA0125BSG");
        // Ink per pixel of width: wider letters alone do not make a bold.
        const double regularInk =
            static_cast<double>(Ink(regular, text)) / QFontMetrics(regular).horizontalAdvance(text);
        const double boldInk =
            static_cast<double>(Ink(bold, text)) / QFontMetrics(bold).horizontalAdvance(text);
        QVERIFY2(boldInk > 1.25 * regularInk,
                 qPrintable(QStringLiteral("bold %1, regular %2").arg(boldInk).arg(regularInk)));
        // The bold face's own letter widths, not the regular's thickened.
        QVERIFY(QFontMetrics(bold).horizontalAdvance(text) >
                QFontMetrics(regular).horizontalAdvance(text));
    }

    void demiBoldMarkingChangesOnlyTheWeight() {
        QFile file(QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"));
        if (!file.open(QIODevice::ReadOnly)) {
            QSKIP("fonts-wine is not installed");
        }
        const QByteArray bold = file.readAll();
        const QByteArray marked = AsDemiBold(bold);
        QCOMPARE(marked.size(), bold.size());
        const QRawFont before(bold, 11);
        const QRawFont after(marked, 11);
        QCOMPARE(before.weight(), static_cast<int>(QFont::Bold));
        QVERIFY(after.weight() < QFont::Bold);
        QCOMPARE(after.familyName(), before.familyName());
        QCOMPARE(after.averageCharWidth(), before.averageCharWidth());
        // What is not a TrueType face is left alone.
        for (const QByteArray& other : {QByteArray(), QByteArray("OTTO"), bold.left(40)}) {
            QCOMPARE(AsDemiBold(other), other);
        }
    }

    void impGridAppliesHeaderLists() {
        TImpGrid grid(6, 3);
        grid.SetHeaderCol({"Qty", "Price", "Delivery", "Part"});
        QCOMPARE(Row0(grid), (QStringList{"Qty", "Price", "Delivery", "Part", "", ""}));
        grid.SetHeaderRow({"1", "2", "3"});
        QCOMPARE(Column0(grid), (QStringList{"Qty", "1", "2"}));

        // New rows get no header text until the list is assigned again.
        grid.SetRowCount(5);
        QCOMPARE(Column0(grid), (QStringList{"Qty", "1", "2", "", ""}));
        grid.SetHeaderRow(grid.HeaderRow());
        QCOMPARE(Column0(grid), (QStringList{"Qty", "1", "2", "3", ""}));

        // A shorter list empties the cells it no longer reaches.
        grid.SetHeaderCol({"Item"});
        QCOMPARE(Row0(grid), (QStringList{"Item", "", "", "", "", ""}));
    }

    void impGridColumnWidthsMustBeWholeNumbers() {
        TImpGrid grid(4, 2);
        grid.setColumnWidth(3, 77);
        grid.SetColWidth({"40", " 120 ", "65"});
        QCOMPARE(grid.columnWidth(0), 40);
        QCOMPARE(grid.columnWidth(1), 120);
        QCOMPARE(grid.columnWidth(2), 65);
        QCOMPARE(grid.columnWidth(3), 77);
        try {
            grid.SetColWidth({"50", "12.5", "90"});
            QFAIL("no error for a width that is not a whole number");
        } catch (const EConvertError& e) {
            QCOMPARE(QString::fromLatin1(e.what()),
                     QStringLiteral("'12.5' is not a valid integer value"));
        }
        QCOMPARE(grid.columnWidth(0), 50);
        QCOMPARE(grid.columnWidth(2), 65);

        // Loaded applies all three lists, widths last.
        grid.setColumnWidth(0, 10);
        grid.SetCell(1, 0, QStringLiteral("stale"));
        QVERIFY_THROWS_EXCEPTION(EConvertError, grid.Loaded());
        QCOMPARE(grid.Cell(1, 0), QString());
        QCOMPARE(grid.columnWidth(0), 50);
    }

    void itemLinesFollowTheItems() {
        auto list = NewList({{"G", "Gray"}, {"N"}, {}});
        QCOMPARE(Lines(*list), (QStringList{"-1|G|Gray", "-1|N|", "-1||"}));
        QCOMPARE(list->ItemIndex(), -1);

        list->ComboItems()[1].SetImageIndex(3);
        list->ComboItems()[1].Strings().Add(QStringLiteral("Unpainted"));
        QCOMPARE(list->ItemLine(1), QStringLiteral("3|N|Unpainted"));

        // A third column gives every line one more field.
        list->Columns().Add();
        QCOMPARE(list->ItemLine(0), QStringLiteral("-1|G|Gray|"));
    }

    void typingSelectsByTheFirstLetter() {
        auto list =
            NewList({{"C", "Coax"}, {"W", "Wave"}, {"R", "Rigid"}, {"W", "Window"}, {"", "None"}});
        QSignalSpy changes(list.get(), &TMultiColumnCombo::OnChange);
        Type(*list, "w");
        QCOMPARE(list->ItemIndex(), 1);
        Type(*list, "r");
        QCOMPARE(list->ItemIndex(), 2);
        // The search starts at the selected item, so the same letter finds it again.
        Type(*list, "r");
        QCOMPARE(list->ItemIndex(), 2);
        Type(*list, "W");
        QCOMPARE(list->ItemIndex(), 3);
        QCOMPARE(changes.count(), 3);
        // No match: the selection stays.
        Type(*list, "x");
        QCOMPARE(list->ItemIndex(), 3);
        QCOMPARE(changes.count(), 3);
    }

    void typingAccumulatesWithLookupIncr() {
        auto list = NewList({{"RA", ""}, {"RB", ""}, {"SA", ""}});
        list->LookupIncr = true;
        Type(*list, "rb");
        QCOMPARE(list->ItemIndex(), 1);
        QCOMPARE(list->SearchText(), QStringLiteral("rb"));
        QTest::keyClick(list.get(), Qt::Key_Backspace);
        QCOMPARE(list->SearchText(), QStringLiteral("r"));
        // "ra" is not found from the selected item on; the search from the top finds it.
        Type(*list, "a");
        QCOMPARE(list->ItemIndex(), 0);
        // "ras" matches nothing: the search starts over with the last character.
        Type(*list, "s");
        QCOMPARE(list->ItemIndex(), 2);
        QCOMPARE(list->SearchText(), QStringLiteral("s"));
        QTest::keyClick(list.get(), Qt::Key_Escape);
        QCOMPARE(list->SearchText(), QString());
        Type(*list, "r");
        QCOMPARE(list->ItemIndex(), 0);
        QTest::keyClick(list.get(), Qt::Key_Home);
        QCOMPARE(list->SearchText(), QString());
    }

    void lookupFoldsAccentsOnlyFromASelectedItem() {
        auto list =
            NewList({{QStringLiteral("\u00C9cole"), ""}, {QStringLiteral("\u00E9t\u00E9"), ""}});
        // Nothing selected: only A to Z are folded, so "é" finds "été" but not "École".
        Type(*list, QStringLiteral("\u00E9"));
        QCOMPARE(list->ItemIndex(), 1);
        list->SetItemIndex(0);
        Type(*list, QStringLiteral("\u00E9"));
        QCOMPARE(list->ItemIndex(), 0);
        list->SetItemIndex(-1);
        Type(*list, QStringLiteral("\u00C9"));
        QCOMPARE(list->ItemIndex(), 0);
    }
};

CORVANE_UI_TEST(ControlsTest)

#include "ControlsTest.moc"
