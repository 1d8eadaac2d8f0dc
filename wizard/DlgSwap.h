#pragma once

#include "catalogue/UserPrompts.h"
#include "controls/Form.h"

#include <string>

class QLabel;
class QPushButton;

namespace cvn {

// "Confirm Configuration" for a miter whose legs differ in length and flange: go on as
// configured, have the flanges swapped, or go back.
class TfrmSwapConfirm : public TForm {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 372;
    static constexpr int ClientHeight = 208;

    explicit TfrmSwapConfirm(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;
    QLabel* lblLabel1;
    QLabel* lblLabel2;
    QLabel* Label4;
    QPushButton* btnContinue;
    QPushButton* btnSwap;
    QPushButton* btnCancel;

    // Closing by the window button or Escape counts as Cancel.
    void reject() override;
};

// Shows the dialog with the shorter leg's line and the longer leg's line and returns
// the user's answer.
TDialogResult ConfirmSwap(const std::string& line1, const std::string& line2);

} // namespace cvn
