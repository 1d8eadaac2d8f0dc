// The typed-length check in the real window: real message boxes, real focus moves by
// keyboard and mouse, each done twice in a row, as a user meets them.

#include "app/QtServices.h"
#include "catalogue/cvnLib.h"
#include "controls/CVNComboBox.h"
#include "controls/MultiColumnCombo.h"
#include "tests/ui/AnsweredPrompts.h"
#include "tests/ui/MainWidgets.h"
#include "tests/ui/NextModal.h"
#include "tests/ui/SampleProgram.h"
#include "tests/ui/UiTest.h"
#include "wizard/Main.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

using namespace cvn;

namespace {

using test::PickItem;
using test::TAnsweredPrompts;

struct TWindow : test::TAnsweredMain {
    void Pick(TMultiColumnCombo* list, const TTxtTable& rows, const std::string& code) {
        const int row = FindRow(rows, 1, code);
        QVERIFY2(row >= 0, code.c_str());
        PickItem(list, row);
    }
    // Straight Section, WR-187, flanges A: the editable length list with its default.
    void StraightSection() {
        TfrmMain& w = *Window;
        const test::TMainWidgets ui(w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        PickItem(ui.cbxProductType, FamilyType::Straight);
        Pick(ui.cbxWaveguide, w.Core().WaveguideList, "187");
        Pick(ui.cbxFlangeA, w.Core().FlangeAList, "A");
        Pick(ui.cbxFlangeB, w.Core().FlangeBList, "A");
        QVERIFY(ui.cbxLength->isEditable());
        QCOMPARE(ui.cbxLength->currentText(), QStringLiteral("12.0"));
    }
    // Clicks into the length box, selects all and types text.
    void Type(const QString& text) {
        const test::TMainWidgets ui(*Window);
        QTest::mouseClick(ui.cbxLength->lineEdit(), Qt::LeftButton);
        QTRY_VERIFY(ui.cbxLength->hasFocus());
        QTest::keyClick(ui.cbxLength, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(ui.cbxLength, text);
    }
};

} // namespace

class LengthCheckTest : public QObject {
    Q_OBJECT

private slots:
    void refusedTextIsReplacedEveryTimeTheListIsLeft() {
        TWindow t;
        t.StraightSection();
        TfrmMain& w = *t.Window;
        const test::TMainWidgets ui(w);
        for (std::size_t time = 1; time <= 2; ++time) {
            t.Type(QStringLiteral("abc"));
            QTest::keyClick(ui.cbxLength, Qt::Key_Tab);
            QTRY_COMPARE(t.Prompts.Errors.size(), time);
            QCOMPARE(t.Prompts.Errors.back(), std::string("\"abc\" is not a valid Length value."));
            // The focus is back in the list and the earlier length in the box.
            QTRY_VERIFY(w.isActiveWindow() && ui.cbxLength->hasFocus());
            QCOMPARE(ui.cbxLength->currentText(), QStringLiteral("12.0"));
            QCOMPARE(w.Core().Length.Text, std::string("12.0"));
        }
        // Leaving backwards is checked the same way.
        t.Type(QStringLiteral("80"));
        QTest::keyClick(ui.cbxLength, Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_COMPARE(t.Prompts.Errors.size(), std::size_t{3});
        QCOMPARE(t.Prompts.Errors.back(), std::string("Length \"80\" is not available."));
        QTRY_COMPARE(ui.cbxLength->currentText(), QStringLiteral("72.0"));
    }

    // Every key typed stays in the box, with no message while typing; the one message
    // comes on leaving, and says what was typed in full.
    void typedLengthIsCheckedOnlyOnLeaving() {
        struct TCase {
            const char* Typed;
            const char* Message;
            const char* Shown;
        };
        const TCase cases[] = {
            {"100000000000000000000000", "Length \"100000000000000000000000\" is not available.",
             "72.0"},
            {"1e400", "\"1e400\" is not a valid Length value.", "12.0"},
            {"1e4", "Length \"1e4\" is not available.", "72.0"},
            {"99999999999.5", "Length \"99999999999.5\" is not available.", "72.0"},
        };
        for (const TCase& c : cases) {
            TWindow t;
            t.StraightSection();
            const test::TMainWidgets ui(*t.Window);
            t.Type(QString::fromLatin1(c.Typed));
            QCOMPARE(ui.cbxLength->currentText(), QString::fromLatin1(c.Typed));
            QCOMPARE(t.Prompts.Informations, std::vector<std::string>{});
            QCOMPARE(t.Prompts.Errors, std::vector<std::string>{});
            QTest::keyClick(ui.cbxLength, Qt::Key_Tab);
            QTRY_COMPARE(t.Prompts.Errors, std::vector<std::string>{c.Message});
            QTRY_VERIFY(t.Window->isActiveWindow() && ui.cbxLength->hasFocus());
            QCOMPARE(ui.cbxLength->currentText(), QString::fromLatin1(c.Shown));
            QCOMPARE(t.Prompts.Informations, std::vector<std::string>{});
        }
    }

    void checkedLengthReachesThePartNumber() {
        TWindow t;
        t.StraightSection();
        TfrmMain& w = *t.Window;
        const test::TMainWidgets ui(w);
        for (const auto& [typed, shown] : {std::pair{"20.2", "20.5"}, std::pair{"13", "13.0"}}) {
            t.Type(QString::fromLatin1(typed));
            QTest::keyClick(ui.cbxLength, Qt::Key_Tab);
            QTRY_COMPARE(ui.cbxLength->currentText(), QString::fromLatin1(shown));
            QVERIFY(!ui.cbxLength->hasFocus());
        }
        QVERIFY(t.Prompts.Errors.empty());
        QTest::mouseClick(ui.btnNext, Qt::LeftButton);
        QTest::mouseClick(ui.btnCreate, Qt::LeftButton);
        QCOMPARE(ui.txtPartNumber->text(), QStringLiteral("R187PA0130ASG"));
        QVERIFY(ui.btnAddOrder->isEnabled());
    }
};

CORVANE_UI_TEST(LengthCheckTest)

#include "LengthCheckTest.moc"
