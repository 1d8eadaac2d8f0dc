#pragma once

#include <QApplication>

#include <functional>

namespace cvn {

class TUserPrompts;

// The general error handler: an operation that fails with an exception (a table
// holding text where a number belongs, a file that cannot be written) is abandoned,
// its message is shown as an error and the program goes on. Returns false when the
// handler failed.
bool RunHandler(TUserPrompts& prompts, const std::function<void()>& handler);

// The same for whatever escapes an event handler.
class TCorvaneApplication : public QApplication {
    Q_OBJECT

public:
    TCorvaneApplication(int& argc, char** argv);

    TUserPrompts* Prompts = nullptr;

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace cvn
