#include "wizard/DlgConfirm.h"

#include "controls/CoreText.h"
#include "wizard/DialogLook.h"

#include <QLabel>
#include <QPushButton>

namespace cvn {

TfrmConfirmTapered::TfrmConfirmTapered(QWidget* parent)
    : TForm(QStringLiteral("Confirm Configuration"), ClientWidth, ClientHeight, parent) {
    setObjectName(QStringLiteral("frmConfirmTapered"));
    setFont(DialogFont());
    Image1 = PlaceQuestionIcon(this, 12, 11);
    lblCaption = new QLabel(this);
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    lblCaption->move(56, 11);
    btnContinue = PlaceResultButton(this, "btnContinue", QStringLiteral("&Continue"), 106, 107,
                                    TDialogResult::Continue);
    btnCancel = PlaceResultButton(this, "btnCancel", QStringLiteral("&Cancel"), 187, 107,
                                  TDialogResult::Cancel);
    btnContinue->setDefault(true);
    btnContinue->setFocus();
}

void TfrmConfirmTapered::reject() {
    done(static_cast<int>(TDialogResult::Cancel));
}

TDialogResult ConfirmTapered(const std::string& message) {
    TfrmConfirmTapered dialog;
    dialog.lblCaption->setText(ScreenText(message));
    dialog.lblCaption->adjustSize();
    return static_cast<TDialogResult>(dialog.exec());
}

} // namespace cvn
