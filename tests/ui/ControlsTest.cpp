#include "catalogue/Errors.h"
#include "controls/BoldFace.h"
#include "controls/ImpGrid.h"
#include "controls/MultiColumnCombo.h"
#include "controls/ProgramFonts.h"
#include "tests/support/ui/UiTest.h"

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

// The texts of a grid's first row (row) or first column.
QStringList Header(const TImpGrid& grid, bool row) {
    QStringList texts;
    for (int i = 0; i < (row ? grid.ColCount() : grid.RowCount()); ++i) {
        texts << (row ? grid.Cell(i, 0) : grid.Cell(0, i));
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
    // At the title's, the part-number box's and the grid's sizes: ink per pixel of width
    // (wider letters alone do not make a bold), and the bold face's own letter widths.
    void boldTahomaIsHeavierAndKeepsTheBoldWidths() {
        RegisterProgramFonts();
        const QString text = QStringLiteral("Corvane 38 R187PA0125BSG");
        for (const int pixels : {24, Points10, Points8}) {
            const QFont regular = TahomaFont(pixels);
            const QFont bold = TahomaFont(pixels, true);
            QCOMPARE(QFontInfo(bold).family(), QStringLiteral("Tahoma"));
            const int regularWidth = QFontMetrics(regular).horizontalAdvance(text);
            const int boldWidth = QFontMetrics(bold).horizontalAdvance(text);
            QVERIFY(static_cast<double>(Ink(bold, text)) / boldWidth >
                    1.25 * static_cast<double>(Ink(regular, text)) / regularWidth);
            QVERIFY(boldWidth > regularWidth);
        }
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

    // New rows get no header text until the list is assigned again; a shorter list
    // empties the cells it no longer reaches; Loaded applies all three lists, widths last.
    void impGridAppliesHeaderListsAndWholeColumnWidths() {
        TImpGrid grid(6, 3);
        grid.SetHeaderCol({"Qty", "Price", "Delivery", "Part"});
        grid.SetHeaderRow({"1", "2", "3"});
        grid.SetRowCount(5);
        QCOMPARE(Header(grid, true), (QStringList{"Qty", "Price", "Delivery", "Part", "", ""}));
        QCOMPARE(Header(grid, false), (QStringList{"Qty", "1", "2", "", ""}));
        grid.SetHeaderRow(grid.HeaderRow());
        grid.SetHeaderCol({"Item"});
        QCOMPARE(Header(grid, false), (QStringList{"Item", "1", "2", "3", ""}));
        QCOMPARE(Header(grid, true), (QStringList{"Item", "", "", "", "", ""}));
        grid.setColumnWidth(3, 77);
        grid.SetColWidth({"40", " 120 ", "65"});
        QCOMPARE((QList<int>{grid.columnWidth(0), grid.columnWidth(1), grid.columnWidth(2),
                             grid.columnWidth(3)}),
                 (QList<int>{40, 120, 65, 77}));
        try {
            grid.SetColWidth({"50", "12.5", "90"});
            QFAIL("no error for a width that is not a whole number");
        } catch (const EConvertError& e) {
            QCOMPARE(std::string(e.what()), std::string("'12.5' is not a valid integer value"));
        }
        grid.setColumnWidth(0, 10);
        grid.SetCell(1, 0, QStringLiteral("stale"));
        QVERIFY_THROWS_EXCEPTION(EConvertError, grid.Loaded());
        QCOMPARE(grid.Cell(1, 0), QString());
        QCOMPARE(grid.columnWidth(0), 50);
        QCOMPARE(grid.columnWidth(2), 65);
    }

    // The line the list's rules read is kept beside each item, which shows its texts.
    void itemLinesFollowTheItemsAndTheListOpens() {
        auto list = NewList({{"G", "Gray"}, {"N"}, {}});
        QCOMPARE(list->ItemLine(0), QStringLiteral("-1|G|Gray"));
        QCOMPARE(list->ItemLine(2), QStringLiteral("-1||"));
        QCOMPARE(list->itemText(0), QStringLiteral("G Gray"));
        QCOMPARE(list->ItemIndex(), -1);
        QVERIFY_THROWS_EXCEPTION(EListError, list->ItemLine(3));
        list->ComboItems()[1].SetImageIndex(3);
        list->ComboItems()[1].Strings().Add(QStringLiteral(" Unpainted "));
        QCOMPARE(list->ItemLine(1), QStringLiteral("3|N| Unpainted "));
        QCOMPARE(list->itemText(1), QStringLiteral("N Unpainted"));
        QCOMPARE(list->ColumnText(1, 1), QStringLiteral(" Unpainted "));
        // A third column gives every line one more field.
        list->Columns().Add();
        QCOMPARE(list->ItemLine(0), QStringLiteral("-1|G|Gray|"));
        list->show();
        list->showPopup();
        QVERIFY(list->view()->isVisible());
        list->hidePopup();
    }

    // Typing in a closed list selects by the first letter, from the selected item on;
    // with LookupIncr the letters add up to a prefix. Only A to Z are folded unless an
    // item is selected.
    void typingSelectsByTheTypedLetters() {
        struct TStep {
            QString Keys;       // typed, or empty for Key
            Qt::Key Key;        // pressed when nothing is typed
            int Index;          // the selection after the step
            const char* Search; // the search text after it, where it counts
        };
        struct TCase {
            std::initializer_list<QStringList> Items;
            bool Incremental;
            std::vector<TStep> Steps;
            int Changes; // told by OnChange; -1: not counted
        };
        const QString eacute = QStringLiteral("\u00E9");
        // clang-format off
        const TCase cases[] = {
            {{{"C", "Coax"}, {"W", "Wave"}, {"R", "Rigid"}, {"W", "Window"}, {"", "None"}}, false,
             {{"w", {}, 1, nullptr}, {"r", {}, 2, nullptr}, {"r", {}, 2, nullptr},
              {"W", {}, 3, nullptr}, {"x", {}, 3, nullptr}}, 3},
            {{{"RA", ""}, {"RB", ""}, {"SA", ""}}, true,
             {{"rb", {}, 1, "rb"}, {"", Qt::Key_Backspace, 1, "r"}, {"a", {}, 0, nullptr},
              {"s", {}, 2, "s"}, {"", Qt::Key_Escape, 2, ""}, {"r", {}, 0, "r"},
              {"", Qt::Key_Home, 0, ""}}, -1},
            {{{QStringLiteral("\u00C9cole"), ""}, {eacute + "t" + eacute, ""}}, false,
             {{eacute, {}, 1, nullptr}, {"", Qt::Key_Home, 0, nullptr}, {eacute, {}, 0, nullptr}}, -1},
        };
        // clang-format on
        for (const TCase& c : cases) {
            auto list = NewList(c.Items);
            list->LookupIncr = c.Incremental;
            QSignalSpy changes(list.get(), &TMultiColumnCombo::OnChange);
            for (const TStep& step : c.Steps) {
                if (step.Keys.isEmpty()) {
                    QTest::keyClick(list.get(), step.Key);
                } else {
                    Type(*list, step.Keys);
                }
                QVERIFY2(list->ItemIndex() == step.Index, qPrintable(step.Keys));
                QVERIFY(!step.Search || list->SearchText() == QString::fromUtf8(step.Search));
            }
            QVERIFY(c.Changes < 0 || changes.count() == c.Changes);
        }
    }
};

CORVANE_UI_TEST(ControlsTest)

#include "ControlsTest.moc"
