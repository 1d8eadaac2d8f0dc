#pragma once

#include <QWidget>

#include <functional>

namespace cvn::test {

// Runs action on the next modal window that accepts, as soon as it is up, from the
// event loop of its exec(). A window the action leaves open (a failed check inside
// returns early) is closed a moment after it, so that a test fails rather than hangs;
// a window that does not come within five seconds is given up.
void AnswerNextModalWindow(std::function<bool(QWidget&)> accepts,
                           std::function<void(QWidget&)> action);

// The same for the next modal window of class T (QMessageBox, QFileDialog, a form).
template <class T, class F> void AnswerNextModal(F action) {
    AnswerNextModalWindow([](QWidget& window) { return qobject_cast<T*>(&window) != nullptr; },
                          [action](QWidget& window) { action(*qobject_cast<T*>(&window)); });
}

} // namespace cvn::test
