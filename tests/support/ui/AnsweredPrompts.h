#pragma once

#include "app/QtServices.h"
#include "tests/support/ui/NextModal.h"
#include "tests/support/ui/SampleProgram.h"
#include "wizard/Main.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

namespace cvn::test {

// The program's own message boxes, each closed with Enter as soon as it is up. The
// window gets its activation back a moment later, as a desktop gives it back: the
// focus returns to the window with its activation, not by a move between controls.
class TAnsweredPrompts : public TQtPrompts {
public:
    std::vector<std::string> Errors;
    std::vector<std::string> Informations;
    void Error(const std::string& text) override {
        Errors.push_back(text);
        CloseWhenShown(QApplication::activeWindow());
        TQtPrompts::Error(text);
    }
    void Information(const std::string& text) override {
        Informations.push_back(text);
        CloseWhenShown(QApplication::activeWindow());
        TQtPrompts::Information(text);
    }

private:
    static void CloseWhenShown(QWidget* window) {
        AnswerNextModal<QMessageBox>([owner = QPointer<QWidget>(window)](QMessageBox& box) {
            QTest::keyClick(&box, Qt::Key_Return);
            QTimer::singleShot(30, [owner] {
                if (owner) {
                    QApplication::setActiveWindow(owner);
                }
            });
        });
    }
};

// The sample program's main window shown and active, its message boxes the program's own,
// each closed with Enter as it comes.
struct TAnsweredMain {
    TAnsweredMain() {
        Program.UsePrompts = &Prompts;
        Window = &Program.Main();
        Window->show();
        QApplication::setActiveWindow(Window);
    }

    TAnsweredPrompts Prompts;
    TSampleProgram Program;
    TfrmMain* Window = nullptr;
};

} // namespace cvn::test
