#include "controls/Form.h"

#include "controls/Accessible.h"
#include "controls/ProgramFonts.h"

#include <QGuiApplication>
#include <QScreen>

namespace cvn {

TForm::TForm(const QString& caption, int clientWidth, int clientHeight, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(caption);
    setFont(TahomaFont(Points8));
    setFixedSize(clientWidth, clientHeight);
}

void TForm::showEvent(QShowEvent* event) {
    CentreOnScreen(this);
    NameByCaptions(this);
    QDialog::showEvent(event);
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

} // namespace cvn
