#include "app/ErrorHandler.h"

#include "catalogue/UserPrompts.h"

#include <exception>

namespace cvn {

bool RunHandler(TUserPrompts& prompts, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        prompts.Error(e.what());
        return false;
    }
}

TCorvaneApplication::TCorvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TCorvaneApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (Prompts) {
            Prompts->Error(e.what());
        }
        return false;
    }
}

} // namespace cvn
