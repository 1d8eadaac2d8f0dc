#pragma once

#include <QDialog>
#include <QString>

namespace cvn {

// A fixed-size window with the program's font, centred on the screen each time it is
// shown. Every window except the main window is one of these and is shown modally.
class TForm : public QDialog {
    Q_OBJECT

public:
    TForm(const QString& caption, int clientWidth, int clientHeight, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

// Moves a top-level window to the middle of the screen it is on.
void CentreOnScreen(QWidget* window);

} // namespace cvn
