#pragma once

#include "controls/Form.h"

class QFrame;
class QLabel;
class QPushButton;

namespace cvn {

class TLauncher;

// "About Corvane": the program's icon, name, the maker's notice and logo, and a link to
// the maker's web site. A new one is made each time it is opened.
class TfrmAbout : public TForm {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 278;
    static constexpr int ClientHeight = 169;
    static const char* const WebAddress;

    explicit TfrmAbout(TLauncher& launcher, QWidget* parent = nullptr);

    QFrame* Shape2;
    QLabel* Image1;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* Image2;
    QLabel* Label3;
    QFrame* Bevel1;
    QPushButton* BitBtn1;

public slots:
    void Label3Click();
    void BitBtn1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();

    TLauncher& Launcher;
};

} // namespace cvn
