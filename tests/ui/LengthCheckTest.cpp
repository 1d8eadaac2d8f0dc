// The typed-length check in the real window: real message boxes, real focus moves by
// keyboard and mouse, one after another as a user meets them.

#include "catalogue/cvnLib.h"
#include "tests/support/ui/AnsweredPrompts.h"
#include "tests/support/ui/MainWidgets.h"
#include "tests/support/ui/UiTest.h"
#include "wizard/Main.h"

using namespace cvn;

class LengthCheckTest : public QObject {
    Q_OBJECT

private slots:
    // Every key typed stays in the box with no message; leaving the box, forwards or
    // backwards, checks it: a refused text gives one message naming it in full, the focus
    // back in the list and the length before it (or the nearest offered) in the box.
    void typedLengthIsCheckedOnLeavingAndARefusalGivesTheFocusBack() {
        test::TAnsweredMain t;
        TfrmMain& w = *t.Window;
        const test::TMainWidgets ui(w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        test::PickItem(ui.cbxProductType, FamilyType::Straight);
        for (const auto& [list, code] :
             {std::pair{ui.cbxWaveguide, "187"}, {ui.cbxFlangeA, "A"}, {ui.cbxFlangeB, "A"}}) {
            const TTxtTable& rows = list == ui.cbxWaveguide ? w.Core().WaveguideList
                                    : list == ui.cbxFlangeA ? w.Core().FlangeAList
                                                            : w.Core().FlangeBList;
            test::PickItem(list, FindRow(rows, 1, code));
        }
        QCOMPARE(ui.cbxLength->currentText(), QStringLiteral("12.0"));
        const char* invalid = "\"%1\" is not a valid Length value.";
        const char* unavailable = "Length \"%1\" is not available.";
        struct {
            const char* Typed;
            Qt::Key Leave;
            const char* Message; // nullptr: accepted
            const char* Shown;
        } const cases[] = {
            {"abc", Qt::Key_Tab, invalid, "12.0"},
            {"abc", Qt::Key_Tab, invalid, "12.0"},
            {"1e400", Qt::Key_Tab, invalid, "12.0"},
            {"80", Qt::Key_Backtab, unavailable, "72.0"},
            {"1e4", Qt::Key_Tab, unavailable, "72.0"},
            {"99999999999.5", Qt::Key_Tab, unavailable, "72.0"},
            {"100000000000000000000000", Qt::Key_Tab, unavailable, "72.0"},
            {"20.2", Qt::Key_Tab, nullptr, "20.5"},
            {"13", Qt::Key_Backtab, nullptr, "13.0"},
        };
        std::size_t errors = 0;
        for (const auto& c : cases) {
            QTest::mouseClick(ui.cbxLength->lineEdit(), Qt::LeftButton);
            QTRY_VERIFY(ui.cbxLength->hasFocus());
            QTest::keyClick(ui.cbxLength, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(ui.cbxLength, QString::fromLatin1(c.Typed));
            QCOMPARE(ui.cbxLength->currentText(), QString::fromLatin1(c.Typed));
            QCOMPARE(t.Prompts.Errors.size(), errors);
            QTest::keyClick(ui.cbxLength, c.Leave,
                            c.Leave == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            if (c.Message) {
                ++errors;
                QTRY_COMPARE(t.Prompts.Errors.size(), errors);
                QCOMPARE(QString::fromStdString(t.Prompts.Errors.back()),
                         QString::fromLatin1(c.Message).arg(QString::fromLatin1(c.Typed)));
                QTRY_VERIFY(w.isActiveWindow() && ui.cbxLength->hasFocus());
            } else {
                QVERIFY(!ui.cbxLength->hasFocus());
            }
            QTRY_COMPARE(ui.cbxLength->currentText(), QString::fromLatin1(c.Shown));
            QCOMPARE(QString::fromStdString(w.Core().Length.Text), QString::fromLatin1(c.Shown));
        }
        QVERIFY(t.Prompts.Informations.empty());
    }
};

CORVANE_UI_TEST(LengthCheckTest)

#include "LengthCheckTest.moc"
