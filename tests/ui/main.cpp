// Runs one registered test class (the first argument) or, without one, all of them.
// Further arguments go to QtTest.

#include "tests/support/ui/UiTest.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <vector>

namespace cvn::test {

std::map<std::string, TUiTestFactory>& UiTests() {
    static std::map<std::string, TUiTestFactory> tests;
    return tests;
}

} // namespace cvn::test

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::vector<char*> args{argv[0]};
    std::string only;
    if (argc > 1 && argv[1][0] != '-') {
        only = argv[1];
        if (!cvn::test::UiTests().count(only)) {
            std::fprintf(stderr, "no test class %s\n", argv[1]);
            return 2;
        }
    }
    for (int i = only.empty() ? 1 : 2; i < argc; ++i) {
        args.push_back(argv[i]);
    }
    int failures = 0;
    for (const auto& [name, factory] : cvn::test::UiTests()) {
        if (only.empty() || name == only) {
            std::unique_ptr<QObject> test = factory();
            failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
        }
    }
    return failures == 0 ? 0 : 1;
}
