#include "tests/support/ui/NextModal.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <memory>

namespace cvn::test {

void AnswerNextModalWindow(std::function<bool(QWidget&)> accepts,
                           std::function<void(QWidget&)> action) {
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, accepts, action] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool up = modal && modal->isVisible() && accepts(*modal);
        if (!up && clock->elapsed() < 5000) {
            return;
        }
        timer->stop();
        if (!up) {
            timer->deleteLater();
            return;
        }
        const QPointer<QWidget> window(modal);
        action(*modal);
        timer->deleteLater();
        // A key that presses a button by its shortcut clicks it a moment later.
        static_cast<void>(QTest::qWaitFor([&] { return !window || !window->isVisible(); }, 300));
        if (window && window->isVisible() && QApplication::activeModalWidget() == window) {
            if (auto* dialog = qobject_cast<QDialog*>(window.data())) {
                dialog->reject();
            } else {
                window->close();
            }
        }
    });
    timer->start(5);
}

} // namespace cvn::test
