// The closed waveguide list driven by the keyboard alone, with the special-quote sizes
// refused in real message boxes on the way.

#include "catalogue/cvnLib.h"
#include "tests/ui/AnsweredPrompts.h"
#include "tests/ui/MainWidgets.h"
#include "tests/ui/SampleProgram.h"
#include "tests/ui/UiTest.h"
#include "wizard/Main.h"

#include <QApplication>

#include <algorithm>
#include <functional>
#include <memory>

using namespace cvn;

namespace {

struct TWindow : test::TAnsweredMain {
    // A key in the closed list: the size it chose ("062"), the size refused with the
    // special-quote message ("028 refused"), or "" when nothing happened.
    QString Press(Qt::Key key) {
        return Landed([&](QWidget* list) { QTest::keyClick(list, key); });
    }
    QString Type(const char* text) {
        return Landed([&](QWidget* list) { QTest::keyClicks(list, QString::fromLatin1(text)); });
    }
    QString Landed(const std::function<void(QWidget*)>& keys) {
        const test::TMainWidgets ui(*Window);
        const std::size_t said = Prompts.Informations.size();
        keys(ui.cbxWaveguide);
        if (Prompts.Informations.size() > said) {
            // The box has gone; the focus comes back with the window.
            if (!QTest::qWaitFor([&] { return Window->isActiveWindow(); })) {
                return QStringLiteral("window not active again");
            }
            const QString message = QString::fromStdString(Prompts.Informations.back());
            const QString code = message.section(QLatin1Char(' '), 2, 2);
            const QString expected = QStringLiteral("Waveguide size ") + code +
                                     QStringLiteral(" is available by special quote.\r"
                                                    "Please contact your Brenmoor "
                                                    "represantative for details.");
            if (message != expected || ui.cbxWaveguide->ItemIndex() != -1) {
                return QStringLiteral("wrong refusal: ") + message;
            }
            return code + QStringLiteral(" refused");
        }
        const int index = ui.cbxWaveguide->ItemIndex();
        return index < 0 ? QString() : ui.cbxWaveguide->ColumnText(index, 0);
    }
};

} // namespace

class WaveguideKeysTest : public QObject {
    Q_OBJECT

private slots:
    // Straight section sizes 028 042 051 062 ... 229 284 340 430, of which 028, 051,
    // 284, 340 and 430 are special-quote sizes: every key moves on from where the last
    // one landed, refused or not.
    void keysReachEverySizePastTheSpecialQuoteOnes() {
        TWindow t;
        TfrmMain& w = *t.Window;
        const test::TMainWidgets ui(w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        test::PickItem(ui.cbxProductType, FamilyType::Straight);
        ui.cbxProductType->setFocus();
        QTest::keyClick(ui.cbxProductType, Qt::Key_Tab);
        QTRY_VERIFY(ui.cbxWaveguide->hasFocus());

        QStringList down;
        QStringList expected;
        const TTxtTable& sizes = w.Core().WaveguideList;
        for (int row = 0; row < sizes.RowCount(); ++row) {
            const QString code = QString::fromStdString(sizes.GetField(row, 1));
            const bool special = QStringList{"028", "051", "284", "340", "430"}.contains(code);
            expected << (special ? code + QStringLiteral(" refused") : code);
            down << t.Press(Qt::Key_Down);
        }
        QCOMPARE(sizes.RowCount(), 14);
        QCOMPARE(down, expected);
        // Past the last size nothing more happens.
        QCOMPARE(t.Press(Qt::Key_Down), QString());

        QStringList up;
        for (int row = sizes.RowCount() - 2; row >= 0; --row) {
            up << t.Press(Qt::Key_Up);
        }
        expected.removeLast();
        std::reverse(expected.begin(), expected.end());
        QCOMPARE(up, expected);

        const std::pair<Qt::Key, const char*> moves[] = {
            {Qt::Key_End, "430 refused"},      {Qt::Key_PageUp, "340 refused"},
            {Qt::Key_PageUp, "284 refused"},   {Qt::Key_PageUp, "229"},
            {Qt::Key_Home, "028 refused"},     {Qt::Key_PageDown, "042"},
            {Qt::Key_PageDown, "051 refused"}, {Qt::Key_PageDown, "062"},
        };
        for (const auto& [key, landed] : moves) {
            QCOMPARE(t.Press(key), QString::fromLatin1(landed));
        }

        // Typing: the first size starting with the character, but not the refused one
        // again while a later one matches.
        const std::pair<const char*, const char*> typed[] = {
            {"3", "340 refused"}, {"4", "430 refused"}, {"0", "028 refused"},
            {"0", "042"},         {"2", "229"},         {"1", "112"},
        };
        for (const auto& [text, landed] : typed) {
            QCOMPARE(t.Type(text), QString::fromLatin1(landed));
        }
        QCOMPARE(w.Core().WaveguideIndex, ui.cbxWaveguide->ItemIndex());
    }
};

CORVANE_UI_TEST(WaveguideKeysTest)

#include "WaveguideKeysTest.moc"
