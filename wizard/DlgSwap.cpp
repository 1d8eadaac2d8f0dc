#include "wizard/DlgSwap.h"

#include "controls/CoreText.h"
#include "wizard/DialogLook.h"

#include <QLabel>
#include <QPushButton>

namespace cvn {

namespace {

QLabel* PlaceText(QWidget* parent, const char* name, const QString& text, int x, int y, int w = 0,
                  int h = 0) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (w > 0) {
        label->setWordWrap(true);
        label->setGeometry(x, y, w, h);
    } else {
        label->move(x, y);
        label->adjustSize();
    }
    return label;
}

} // namespace

TfrmSwapConfirm::TfrmSwapConfirm(QWidget* parent)
    : TForm(QStringLiteral("Confirm Configuration"), ClientWidth, ClientHeight, parent) {
    setObjectName(QStringLiteral("frmSwapConfirm"));
    setFont(DialogFont());
    Image1 = PlaceQuestionIcon(this, 12, 10);
    Label1 = PlaceText(this, "Label1",
                       QStringLiteral("The flange and corresponding length of each leg are "
                                      "different. Please verify your configuration."),
                       56, 10, 295, 26);
    lblLabel1 = PlaceText(this, "lblLabel1", QString(), 56, 48);
    lblLabel2 = PlaceText(this, "lblLabel2", QString(), 56, 72);
    Label4 = PlaceText(this, "Label4",
                       QStringLiteral("If the configuration is correct as is, press the Continue "
                                      "button. To have the program swap the flanges "
                                      "automatically, press the Swap button. Press the Cancel "
                                      "button to return to the main selection screen."),
                       56, 99, 295, 52);
    btnContinue = PlaceResultButton(this, "btnContinue", QStringLiteral("&Continue"), 67, 168,
                                    TDialogResult::Continue);
    btnSwap =
        PlaceResultButton(this, "btnSwap", QStringLiteral("&Swap"), 148, 168, TDialogResult::Swap);
    btnCancel = PlaceResultButton(this, "btnCancel", QStringLiteral("&Cancel"), 229, 168,
                                  TDialogResult::Cancel);
    btnContinue->setDefault(true);
    btnContinue->setFocus();
}

void TfrmSwapConfirm::reject() {
    done(static_cast<int>(TDialogResult::Cancel));
}

TDialogResult ConfirmSwap(const std::string& line1, const std::string& line2) {
    TfrmSwapConfirm dialog;
    dialog.lblLabel1->setText(ScreenText(line1));
    dialog.lblLabel1->adjustSize();
    dialog.lblLabel2->setText(ScreenText(line2));
    dialog.lblLabel2->adjustSize();
    return static_cast<TDialogResult>(dialog.exec());
}

} // namespace cvn
