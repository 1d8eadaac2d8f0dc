#include "controls/MultiColumnCombo.h"
#include "catalogue/Errors.h"
#include "tests/ui/UiTest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <initializer_list>
#include <memory>

using cvn::TColumnType;
using cvn::TMultiColumnCombo;

namespace {

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

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

} // namespace

class MultiColumnComboTest : public QObject {
    Q_OBJECT

private slots:
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

        list->ComboItems().Clear();
        QCOMPARE(list->count(), 0);
        for (int i = 0; i < 3; ++i) {
            list->ComboItems().Add().Strings().Assign({QString::number(i), QStringLiteral("x")});
        }
        QCOMPARE(Lines(*list), (QStringList{"-1|0|x|", "-1|1|x|", "-1|2|x|"}));
    }

    void changingTheStringsKeepsTheSelection() {
        auto list = NewList({{"A", "One"}, {"B", "Two"}, {"C", "Three"}});
        list->SetItemIndex(1);
        list->ComboItems()[1].Strings().Set(1, QStringLiteral("Deux"));
        QCOMPARE(list->ItemIndex(), 1);
        QCOMPARE(list->ColumnText(1, 1), QStringLiteral("Deux"));

        // Dropping the selected item leaves no selection, not a neighbour.
        list->SetItemIndex(2);
        list->ComboItems().Delete(2);
        QCOMPARE(list->ItemIndex(), -1);
        list->SetItemIndex(5);
        QCOMPARE(list->ItemIndex(), -1);
    }

    void columnTextsSkipImageColumnsAndCheckTheIndex() {
        TMultiColumnCombo list;
        list.Columns().Add().SetColumnType(TColumnType::ctImage);
        list.Columns().Add();
        list.Columns().Add();
        list.ComboItems().Add().Strings().Assign({"R", "Straight Section"});
        // Every column has its field; the image column takes none of the texts.
        QCOMPARE(list.ItemLine(0), QStringLiteral("-1|R|Straight Section|"));
        QCOMPARE(list.ColumnText(0, 0), QString());
        QCOMPARE(list.ColumnText(0, 1), QStringLiteral("R"));
        QCOMPARE(list.ColumnText(0, 2), QStringLiteral("Straight Section"));

        for (const int bad : {1, -1}) {
            try {
                list.ColumnText(bad, 1);
                QFAIL("no error for an item outside the list");
            } catch (const cvn::EListError& e) {
                QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("Item index out of range"));
            }
        }
        QVERIFY_THROWS_EXCEPTION(cvn::EListError, list.ComboItems()[1]);
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

    void itemsAreDrawnInTheirColumns() {
        auto list = NewList({{"G", "Gray"}});
        list->Columns()[0].SetColor(QColor(0xE8, 0xE8, 0xE8));
        list->Columns()[1].SetColor(QColor(0, 0, 0xFF));
        list->SetGridLines(true);
        QImage image(200, 16, QImage::Format_RGB32);
        image.fill(Qt::black);
        {
            QPainter painter(&image);
            list->DrawItem(painter, 0, image.rect(), false, false);
        }
        QCOMPARE(Pixel(image, 20, 3), 0xE8E8E8u);
        // The last column runs to the right edge, past its own width.
        QCOMPARE(Pixel(image, 195, 3), 0x0000FFu);
        QCOMPARE(Pixel(image, 29, 3), 0x808080u);
        QCOMPARE(Pixel(image, 100, 15), 0x808080u);

        // The closed box with EditColumn 1 draws the name alone, from its left edge.
        list->SetEditColumn(1);
        image.fill(Qt::black);
        {
            QPainter painter(&image);
            list->DrawItem(painter, 0, image.rect(), false, true);
        }
        QCOMPARE(Pixel(image, 20, 3), 0x0000FFu);
        QCOMPARE(Pixel(image, 100, 15), 0x0000FFu);
        QCOMPARE(Pixel(image, 195, 3), 0x0000FFu);

        // A selected item is highlighted across the whole row.
        image.fill(Qt::black);
        {
            QPainter painter(&image);
            list->DrawItem(painter, 0, image.rect(), true, false);
        }
        QCOMPARE(Pixel(image, 20, 3), list->palette().color(QPalette::Highlight).rgb() & 0xFFFFFF);
    }

    void theOpenListHasFixedItemsAndItsOwnWidth() {
        auto list = NewList({{"A", "One"}, {"B", "Two"}});
        list->SetDropWidth(320);
        QCOMPARE(list->height(), 22);
        list->show();
        list->showPopup();
        QVERIFY(list->DroppedDown());
        QCOMPARE(list->view()->sizeHintForRow(0), TMultiColumnCombo::ItemHeight);
        QVERIFY(list->view()->window()->width() >= 320);
        list->hidePopup();
        QVERIFY(!list->DroppedDown());
    }

    void typingIntoTheOpenListMovesItsHighlightOnly() {
        auto list = NewList({{"A", "One"}, {"B", "Two"}, {"C", "Three"}});
        QSignalSpy changes(list.get(), &TMultiColumnCombo::OnChange);
        list->show();
        list->showPopup();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, QStringLiteral("c"));
        QApplication::sendEvent(list->view(), &press);
        QCOMPARE(list->view()->currentIndex().row(), 2);
        QCOMPARE(list->ItemIndex(), -1);
        QCOMPARE(changes.count(), 0);
        QTest::keyClick(list->view(), Qt::Key_Return);
        QCOMPARE(list->ItemIndex(), 2);
        QCOMPARE(changes.count(), 1);
        QVERIFY(!list->DroppedDown());
    }
};

CORVANE_UI_TEST(MultiColumnComboTest)

#include "MultiColumnComboTest.moc"
