#pragma once

#include <QApplication>

namespace cvn {

class TUserPrompts;

// The general error handler (RunHandler) for whatever escapes an event handler.
class TCorvaneApplication : public QApplication {
    Q_OBJECT

public:
    TCorvaneApplication(int& argc, char** argv);

    TUserPrompts* Prompts = nullptr;

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace cvn
