#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace cvn::test {

// Test classes register themselves by name; ctest runs each as its own test.
using TUiTestFactory = std::function<std::unique_ptr<QObject>()>;

std::map<std::string, TUiTestFactory>& UiTests();

struct TRegisterUiTest {
    TRegisterUiTest(const char* name, TUiTestFactory factory) {
        UiTests()[name] = std::move(factory);
    }
};

} // namespace cvn::test

#define CORVANE_UI_TEST(Class)                                                                     \
    static const cvn::test::TRegisterUiTest Register##Class(                                       \
        #Class, [] { return std::unique_ptr<QObject>(new Class); });

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QStackedWidget>
#include <QTest>

namespace cvn::test {

// Every control lies inside its parent, so nothing is cut off or overlaps the frame.
// The pages of a stacked widget fill it, whatever size the hidden ones have now.
inline void VerifyInsideParents(QWidget* parent) {
    const bool pages = qobject_cast<QStackedWidget*>(parent) != nullptr;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) {
            continue;
        }
        if (pages) {
            child->resize(parent->size());
        } else if (!parent->rect().contains(child->geometry())) {
            QFAIL(qPrintable(child->objectName() + QStringLiteral(" lies outside ") +
                             parent->objectName()));
        }
        // Controls are made of parts of their own; only containers are searched.
        if (!qobject_cast<QAbstractScrollArea*>(child) && !qobject_cast<QComboBox*>(child)) {
            VerifyInsideParents(child);
        }
    }
}

// Chooses an item from a list's open list, with the keyboard.
template <class TList> void PickItem(TList* list, int row) {
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
}

} // namespace cvn::test
