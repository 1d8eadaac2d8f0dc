// How controls are named for a screen reader. That every control of the windows has a
// name, and that lists and grids read as they are shown, the end-to-end suite checks.

#include "controls/Accessible.h"
#include "tests/support/ui/UiTest.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

using namespace cvn;

namespace {

QString Spoken(QWidget* widget, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(text) : QStringLiteral("<no interface>");
}

// The captions a screen reader announces a control with: the labels it is labelled by.
QStringList Captions(QWidget* widget) {
    QStringList out;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    for (const auto& relation : face->relations(QAccessible::Label)) {
        out << relation.first->text(QAccessible::Name);
    }
    return out;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void captionsAreSpokenWithoutMarksOrSpacing_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("spoken");
        // clang-format off
        QTest::newRow("leading blank") << " Family" << "Family";
        QTest::newRow("group title") << " Select Product Type " << "Select Product Type";
        QTest::newRow("access key") << "&Add to Order / Check Pricing" << "Add to Order / Check Pricing";
        QTest::newRow("doubled ampersand") << "Fish && &Chips" << "Fish & Chips";
        QTest::newRow("line break") << "first\nsecond" << "first second";
        QTest::newRow("empty") << "" << "";
        // clang-format on
    }

    void captionsAreSpokenWithoutMarksOrSpacing() {
        QFETCH(QString, caption);
        QFETCH(QString, spoken);
        QCOMPARE(SpokenCaption(caption), spoken);
    }

    // A group's title names what it holds, a buddy label its control, an own name stays;
    // a title that changes with the family renames what it captions.
    void controlsAreNamedByTheirCaptions() {
        QWidget window;
        auto* group = new QGroupBox(QStringLiteral(" Flange A "), &window);
        auto* flange = new QComboBox(group);
        auto* picture = new QLabel(group);
        auto* quantityLabel = new QLabel(QStringLiteral("&Quantity"), &window);
        quantityLabel->setBuddy(new QSpinBox(&window));
        auto* named = new QSpinBox(&window);
        named->setAccessibleName(QStringLiteral("Own name"));
        auto* note = new QLabel(QStringLiteral("Orders - 0 of 0"), &window);
        for (const QString& title : {QStringLiteral("Flange A"), QStringLiteral("Coax Type")}) {
            group->setTitle(QLatin1Char(' ') + title + QLatin1Char(' '));
            NameByCaptions(&window);
            QCOMPARE(Spoken(group), title);
            QCOMPARE(Captions(flange), QStringList{title});
            QCOMPARE(Spoken(picture), title);
            QCOMPARE(Spoken(quantityLabel->buddy()), QStringLiteral("Quantity"));
            QCOMPARE(Spoken(named), QStringLiteral("Own name"));
            QCOMPARE(note->accessibleName(), QString());
        }
    }

    // On Linux a drop-down list speaks its value as its name; its caption is a label.
    void aListWithoutALabelGetsAnUnseenOne() {
        QWidget window;
        auto* list = new QComboBox(&window);
        list->addItems({QStringLiteral("12.0"), QStringLiteral("24.0")});
        NameAfter(list, QStringLiteral(" Length "));
        QCOMPARE(list->accessibleName(), QStringLiteral("Length"));
        QCOMPARE(Captions(list), QStringList{QStringLiteral("Length")});
        window.show();
        const auto* caption = window.findChild<QLabel*>();
        QVERIFY(caption && !caption->isVisible());
    }
};

CORVANE_UI_TEST(AccessibilityTest)

#include "AccessibilityTest.moc"
