#include "app/ErrorHandler.h"
#include "catalogue/Errors.h"
#include "catalogue/TextUtils.h"
#include "controls/CVNComboBox.h"
#include "controls/CoreText.h"
#include "controls/Flatten.h"
#include "controls/ImpGrid.h"
#include "controls/MPLabel.h"
#include "controls/MultiColumnCombo.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/ui/UiTest.h"

#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace cvn;

namespace {

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

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

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void etchedLabelDrawsItsRings() {
        TMPLabel label(QStringLiteral(" Code"));
        label.resize(60, 20);
        label.SetBorderWidth(2);
        label.SetTopColor(Qt::white);
        label.SetBottomColor(QColor(0x80, 0x80, 0x80));
        const QImage image = label.grab().toImage();
        for (const int ring : {0, 1}) {
            QCOMPARE(Pixel(image, ring, 10), 0xFFFFFFu);      // left
            QCOMPARE(Pixel(image, 30, ring), 0xFFFFFFu);      // top
            QCOMPARE(Pixel(image, 59 - ring, 10), 0x808080u); // right
            QCOMPARE(Pixel(image, 30, 19 - ring), 0x808080u); // bottom
        }
        // The bottom colour owns the top-right and bottom-left corners.
        QCOMPARE(Pixel(image, 59, 0), 0x808080u);
        QCOMPARE(Pixel(image, 0, 19), 0x808080u);
        QCOMPARE(Pixel(image, 0, 0), 0xFFFFFFu);
        // Inside the two rings lies the label's own background.
        QCOMPARE(Pixel(image, 2, 10), label.palette().color(QPalette::Window).rgb() & 0xFFFFFF);
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

    void unitComboClearsAllThreeLists() {
        TCVNComboBox box;
        box.SetImperialItems({"12.0", "18.0"});
        box.MetricItems() << QStringLiteral("305") << QStringLiteral("457");
        box.addItems(box.ImperialItems());
        QStringList source{"1"};
        box.SetMetricItems(source);
        source << QStringLiteral("2");
        QCOMPARE(box.MetricItems(), QStringList{"1"});
        box.ClearAllItems();
        QCOMPARE(box.count(), 0);
        QVERIFY(box.ImperialItems().isEmpty());
        QVERIFY(box.MetricItems().isEmpty());
    }

    void flattenCutsTheOuterRingOfInputControlsOnly() {
        QWidget window;
        auto* edit = new QLineEdit(&window);
        edit->setGeometry(0, 0, 100, 21);
        auto* combo = new QComboBox(&window);
        combo->setEditable(true);
        combo->setGeometry(0, 30, 120, 22);
        auto* list = new TMultiColumnCombo(&window);
        list->setGeometry(0, 60, 150, 22);
        auto* spin = new QSpinBox(&window);
        spin->setGeometry(0, 90, 60, 21);
        auto* grid = new TImpGrid(3, 3, &window);
        grid->setGeometry(0, 120, 200, 80);
        auto* label = new QLabel(QStringLiteral("label"), &window);
        auto* button = new QPushButton(QStringLiteral("OK"), &window);
        auto* panel = new QFrame(&window);
        panel->setGeometry(0, 210, 50, 50);

        FlattenControls(&window);

        QCOMPARE(edit->mask(), QRegion(1, 1, 98, 19));
        QCOMPARE(combo->mask(), QRegion(1, 1, 118, 20));
        QCOMPARE(list->mask(), QRegion(1, 1, 148, 20));
        QCOMPARE(spin->mask(), QRegion(1, 1, 58, 19));
        QCOMPARE(grid->mask(), QRegion(1, 1, 198, 78));
        QVERIFY(label->mask().isEmpty());
        QVERIFY(button->mask().isEmpty());
        QVERIFY(panel->mask().isEmpty());
        // The edit boxes inside the combo box and the spin box are parts of them.
        QVERIFY(combo->lineEdit()->mask().isEmpty());
        QVERIFY(spin->findChild<QLineEdit*>()->mask().isEmpty());

        // The region was taken once; it does not follow the size.
        edit->resize(200, 30);
        QCOMPARE(edit->mask(), QRegion(1, 1, 98, 19));
    }

    void generalErrorHandlerShowsTheMessageAndGoesOn() {
        test::TScriptedPrompts prompts;
        bool after = false;
        QVERIFY(!RunHandler(prompts, [&] {
            StrToInt("abc");
            after = true;
        }));
        QVERIFY(!after);
        QVERIFY(RunHandler(prompts, [&] { after = true; }));
        QVERIFY(after);
        QCOMPARE(prompts.Messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(prompts.Messages[0].Kind), QStringLiteral("error"));
        QCOMPARE(QString::fromStdString(prompts.Messages[0].Text),
                 QStringLiteral("'abc' is not a valid integer value"));
    }

    void screenTextBreaksLinesAtCarriageReturns() {
        QCOMPARE(ScreenText("Waveguide size 284 is available by special quote.\rPlease call."),
                 QStringLiteral("Waveguide size 284 is available by special quote.\nPlease call."));
        QCOMPARE(ScreenText("a\r\nb"), QStringLiteral("a\nb"));
        QCOMPARE(ScreenText("90\xB0 Twist"), QStringLiteral("90\u00B0 Twist"));
        QCOMPARE(CoreStr(QStringLiteral("90\u00B0")), std::string("90\xB0"));
    }
};

CORVANE_UI_TEST(ControlsTest)

#include "ControlsTest.moc"
