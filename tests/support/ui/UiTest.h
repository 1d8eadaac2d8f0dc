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
#include <QComboBox>
#include <QTest>

namespace cvn::test {

// Chooses an item from a list's open list, with the keyboard.
template <class TList> void PickItem(TList* list, int row) {
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
}

// A window's widget by its object name. A missing one ends the test run with its name,
// rather than a crash on a null pointer further on.
template <class T> T* Find(QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("No %s named %s", T::staticMetaObject.className(), name);
    }
    return found;
}

} // namespace cvn::test
