// The closed waveguide list driven by the keyboard alone, with the special-quote sizes
// refused in real message boxes on the way.

#include "catalogue/cvnLib.h"
#include "tests/support/ui/AnsweredPrompts.h"
#include "tests/support/ui/MainWidgets.h"
#include "tests/support/ui/UiTest.h"
#include "wizard/Main.h"

using namespace cvn;

class WaveguideKeysTest : public QObject {
    Q_OBJECT

private slots:
    // Straight section sizes 028 042 051 062 ... 229 284 340 430, of which 028, 051,
    // 284, 340 and 430 are special-quote sizes: every key moves on from where the last
    // one landed, refused or not. Home and Down through the list: the end-to-end suite.
    void keysMoveOnFromWhereTheLastOneLandedPastTheSpecialQuoteSizes() {
        test::TAnsweredMain t;
        TfrmMain& w = *t.Window;
        const test::TMainWidgets ui(w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        test::PickItem(ui.cbxProductType, FamilyType::Straight);
        ui.cbxProductType->setFocus();
        QTest::keyClick(ui.cbxProductType, Qt::Key_Tab);
        QTRY_VERIFY(ui.cbxWaveguide->hasFocus());
        // A key, or typed text: the size chosen, "028 refused", or "" when nothing happened.
        struct {
            Qt::Key Key;
            const char* Typed;
            const char* Landed;
        } const cases[] = {
            {Qt::Key_End, "", "430 refused"},
            {Qt::Key_Down, "", ""},
            {Qt::Key_Up, "", "340 refused"},
            {Qt::Key_PageUp, "", "284 refused"},
            {Qt::Key_PageUp, "", "229"},
            {Qt::Key_Home, "", "028 refused"},
            {Qt::Key_Up, "", ""},
            {Qt::Key_PageDown, "", "042"},
            {Qt::Key_PageDown, "", "051 refused"},
            {Qt::Key_Down, "", "062"},
            // Typing: the first size starting with the character, but not the refused one
            // again while a later one matches.
            {Qt::Key_unknown, "3", "340 refused"},
            {Qt::Key_unknown, "4", "430 refused"},
            {Qt::Key_unknown, "0", "028 refused"},
            {Qt::Key_unknown, "0", "042"},
            {Qt::Key_unknown, "2", "229"},
            {Qt::Key_unknown, "1", "112"},
        };
        for (const auto& c : cases) {
            const std::size_t said = t.Prompts.Informations.size();
            const int before = ui.cbxWaveguide->ItemIndex();
            if (c.Key == Qt::Key_unknown) {
                QTest::keyClicks(ui.cbxWaveguide, QString::fromLatin1(c.Typed));
            } else {
                QTest::keyClick(ui.cbxWaveguide, c.Key);
            }
            QString landed;
            if (t.Prompts.Informations.size() > said) {
                // The box has gone; the focus comes back with the window. Its text is the
                // core's.
                QTRY_VERIFY(w.isActiveWindow());
                QCOMPARE(ui.cbxWaveguide->ItemIndex(), -1);
                landed = QString::fromStdString(t.Prompts.Informations.back())
                             .section(QLatin1Char(' '), 2, 2) +
                         QStringLiteral(" refused");
            } else if (ui.cbxWaveguide->ItemIndex() != before) {
                landed = ui.cbxWaveguide->ColumnText(ui.cbxWaveguide->ItemIndex(), 0);
            }
            QCOMPARE(landed, QString::fromLatin1(c.Landed));
        }
        QCOMPARE(w.Core().WaveguideIndex, ui.cbxWaveguide->ItemIndex());
    }
};

CORVANE_UI_TEST(WaveguideKeysTest)

#include "WaveguideKeysTest.moc"
