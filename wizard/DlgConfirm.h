#pragma once

#include "catalogue/UserPrompts.h"
#include "controls/Form.h"

#include <string>

class QLabel;
class QPushButton;

namespace cvn {

// "Confirm Configuration" for a tapered transition whose two ends carry different
// flanges: the user confirms which flange sits on which end, or goes back.
class TfrmConfirmTapered : public TForm {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 369;
    static constexpr int ClientHeight = 147;

    explicit TfrmConfirmTapered(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* lblCaption;
    QPushButton* btnContinue;
    QPushButton* btnCancel;

    // Closing by the window button or Escape counts as Cancel.
    void reject() override;
};

// Shows the dialog with the message and returns the user's answer.
TDialogResult ConfirmTapered(const std::string& message);

} // namespace cvn
