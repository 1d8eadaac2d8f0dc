#pragma once

#include <QWidget>

#include <string>

class QLabel;

namespace cvn {

// The splash shown while the catalogue loads: borderless, 432 x 288, in the button
// colour, with "images/splashimage.gif" from the program folder drawn at its natural
// size from the top-left corner. Without the picture it is a plain plate.
class TfrmSplash : public QWidget {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 432;
    static constexpr int ClientHeight = 288;

    // programFolder: the folder of the program file, ending in "/"; the splash comes
    // before the main window has set AppPath.
    explicit TfrmSplash(const std::string& programFolder, QWidget* parent = nullptr);

    // Shows the splash and returns once the window system has it on screen with its
    // picture drawn (a second at most): what follows blocks the thread, and a window
    // first painted after that would stay black meanwhile.
    void ShowPainted();
    // Keeps the splash up for the time given, redrawing it whenever the window system
    // asks; the user's input waits until the splash has gone.
    void Linger(int milliseconds);

    // The picture, when there is one.
    QLabel* Image = nullptr;

private:
    void FormCreate(const std::string& programFolder);
};

} // namespace cvn
