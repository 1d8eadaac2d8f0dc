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
