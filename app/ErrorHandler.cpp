#include "app/ErrorHandler.h"

#include "catalogue/UserPrompts.h"

#include <exception>

namespace cvn {

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
