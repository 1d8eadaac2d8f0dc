#include "controls/SpinEdit.h"
#include "tests/support/ui/UiTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <functional>

using namespace cvn;

namespace {

void TypeOver(TSpinEdit& box, const QString& text) {
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, text);
}

void WheelDown(TSpinEdit& box) {
    const QPointF centre = QRectF(box.rect()).center();
    QWheelEvent wheel(centre, box.mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&box, &wheel);
}

// As a middle-click paste does: the edit field changed, not through the spin box.
void EditField(TSpinEdit& box, const QString& text) {
    auto* field = box.findChild<QLineEdit*>();
    field->selectAll();
    field->insert(text);
}

} // namespace

class SpinEditTest : public QObject {
    Q_OBJECT

private slots:
    // One tell for each change of what the box shows, however it came, and none for
    // what changed nothing or was set with its signals blocked. (Clicks on its arrows:
    // the end-to-end update_options_by_arrows.)
    void tellsOnceOfEveryChangeOfItsText() {
        const struct {
            const char* Name;
            std::function<void(TSpinEdit&)> Act;
            int Tells;
            const char* Shown;
        } cases[] = {
            // clang-format off
            {"two digits typed over the text", [](TSpinEdit& b) { TypeOver(b, "45"); }, 2, "45"},
            {"emptied", [](TSpinEdit& b) { TypeOver(b, ""); QTest::keyClick(&b, Qt::Key_Delete); }, 1, ""},
            {"Up", [](TSpinEdit& b) { QTest::keyClick(&b, Qt::Key_Up); }, 1, "31"},
            {"Up at the top", [](TSpinEdit& b) { b.setValue(100); QTest::keyClick(&b, Qt::Key_Up); }, 1, "100"},
            {"the wheel", [](TSpinEdit& b) { WheelDown(b); }, 1, "29"},
            {"out of range, put back on leaving", [](TSpinEdit& b) { TypeOver(b, "5"); b.clearFocus(); }, 2, "30"},
            {"left as it was", [](TSpinEdit& b) { b.clearFocus(); }, 0, "30"},
            {"set by the program, twice", [](TSpinEdit& b) { b.setValue(50); b.setValue(50); }, 1, "50"},
            {"set with its signals blocked", [](TSpinEdit& b) { const QSignalBlocker block(b); b.setValue(50); }, 0, "50"},
            {"an edit that reaches the field directly", [](TSpinEdit& b) { EditField(b, "0"); EditField(b, "60"); }, 2, "60"},
            // clang-format on
        };
        for (const auto& c : cases) {
            QWidget window;
            auto* box = new TSpinEdit(&window);
            box->setRange(10, 100);
            box->setValue(30);
            window.show();
            QApplication::setActiveWindow(&window);
            QVERIFY(QTest::qWaitForWindowActive(&window));
            box->setFocus();
            QSignalSpy tells(box, &TSpinEdit::Changed);
            c.Act(*box);
            QVERIFY2(tells.count() == c.Tells,
                     qPrintable(QStringLiteral("%1: %2 tells").arg(c.Name).arg(tells.count())));
            QVERIFY2(box->text() == QLatin1String(c.Shown), c.Name);
        }
    }
};

CORVANE_UI_TEST(SpinEditTest)

#include "SpinEditTest.moc"
