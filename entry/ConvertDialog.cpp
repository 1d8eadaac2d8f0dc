#include "entry/ConvertDialog.h"

#include "catalogue/RunHandler.h"
#include "controls/CoreText.h"
#include "controls/Flatten.h"
#include "entry/DialogControls.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

namespace cvn {

TfrmConvert::TfrmConvert(TUserPrompts& prompts, QWidget* parent)
    : TForm(QStringLiteral("Convert Old Part Number"), ClientWidth, ClientHeight, parent),
      Prompts(prompts), FCore(prompts) {
    setObjectName(QStringLiteral("frmConvert"));

    pnlOldPartNumber = PlacePanel(this, "pnlOldPartNumber", 8, 8, 361, 58);
    lblOldPartNumber =
        PlaceLabel(pnlOldPartNumber, "lblOldPartNumber", QStringLiteral("Old Part Number"), 10, 7);
    cbxOldPartNumber = PlaceHistoryBox(pnlOldPartNumber, "cbxOldPartNumber", 10, 24, 257);
    PopupMenu1 = AttachPopupMenu(cbxOldPartNumber, "PopupMenu1");
    ClearAllItems1 = PopupMenu1->addAction(QStringLiteral("Clear All Items"), this,
                                           &TfrmConvert::ClearAllItems1Click);
    ClearAllItems1->setObjectName(QStringLiteral("ClearAllItems1"));
    btnCreate = PlaceButton(pnlOldPartNumber, "btnCreate", QStringLiteral("C&onvert"), 276, 22);
    btnCreate->setDefault(true);

    pnlNewPartNumber = PlacePanel(this, "pnlNewPartNumber", 8, 74, 361, 142);
    lblNewPartNumber =
        PlaceLabel(pnlNewPartNumber, "lblNewPartNumber", QStringLiteral("New Part Number"), 10, 7);
    txtNewPartNumber = new QLineEdit(pnlNewPartNumber);
    txtNewPartNumber->setObjectName(QStringLiteral("txtNewPartNumber"));
    txtNewPartNumber->setGeometry(10, 24, 341, 22);
    txtNewPartNumber->setReadOnly(true);
    lblComments =
        PlaceLabel(pnlNewPartNumber, "lblComments", QStringLiteral("Conversion Comments"), 10, 53);
    txtComments = new QPlainTextEdit(pnlNewPartNumber);
    txtComments->setObjectName(QStringLiteral("txtComments"));
    txtComments->setGeometry(10, 70, 341, 62);
    txtComments->setReadOnly(true);
    txtComments->setTabChangesFocus(true);
    lblOldPartNumber->setBuddy(cbxOldPartNumber);
    lblNewPartNumber->setBuddy(txtNewPartNumber);
    lblComments->setBuddy(txtComments);

    btnContinue = PlaceButton(this, "btnContinue", QStringLiteral("&Continue"), 213, 224);
    btnCancel = PlaceButton(this, "btnCancel", QStringLiteral("C&ancel"), 294, 224);

    connect(cbxOldPartNumber, &QComboBox::editTextChanged, this,
            &TfrmConvert::cbxOldPartNumberChange);
    connect(cbxOldPartNumber, &QComboBox::activated, this, &TfrmConvert::cbxOldPartNumberChange);
    connect(btnCreate, &QPushButton::clicked, this, &TfrmConvert::btnCreateClick);
    connect(btnContinue, &QPushButton::clicked, this, &TfrmConvert::btnContinueClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmConvert::btnCancelClick);

    RunHandler(Prompts, [&] { FCore.FormCreate(); });
    FlattenControls(this);
    MirrorState();
}

TfrmConvert::~TfrmConvert() {
    RunHandler(Prompts, [&] { FCore.FormDestroy(); });
}

void TfrmConvert::MirrorState() {
    MirrorHistoryBox(cbxOldPartNumber, FCore.History.Items, FCore.OldPartNumberIndex,
                     FCore.OldPartNumberText);
    txtNewPartNumber->setText(QStr(FCore.NewPartNumber));
    if (txtComments->toPlainText() != QStr(FCore.Comments)) {
        txtComments->setPlainText(QStr(FCore.Comments));
    }
    btnContinue->setEnabled(FCore.ContinueEnabled);
}

void TfrmConvert::Handle(const std::function<void()>& handler) {
    RunHandler(Prompts, handler);
    MirrorState();
    if (FCore.ModalResult != TModalResult::None) {
        done(FCore.ModalResult == TModalResult::Ok ? Accepted : Rejected);
    }
}

void TfrmConvert::ApplyFocus() {
    if (FCore.Focus == TConvertFocus::Continue && btnContinue->isEnabled()) {
        btnContinue->setFocus();
    } else {
        cbxOldPartNumber->setFocus();
    }
}

void TfrmConvert::showEvent(QShowEvent* event) {
    // Not when the window system shows it again, after a minimise: the box keeps its text.
    if (!event->spontaneous()) {
        Handle([&] { FCore.FormShow(); });
        ApplyFocus();
    }
    TForm::showEvent(event);
}

void TfrmConvert::cbxOldPartNumberChange() {
    Handle([&] {
        FCore.cbxOldPartNumberChange(CoreStr(cbxOldPartNumber->currentText()),
                                     cbxOldPartNumber->currentIndex());
    });
}

void TfrmConvert::btnCreateClick() {
    Handle([&] { FCore.btnCreateClick(); });
    if (FCore.ContinueEnabled) {
        ApplyFocus();
    }
}

void TfrmConvert::btnContinueClick() {
    Handle([&] { FCore.btnContinueClick(); });
}

void TfrmConvert::btnCancelClick() {
    Handle([&] { FCore.btnCancelClick(); });
}

void TfrmConvert::ClearAllItems1Click() {
    Handle([&] { FCore.ClearAllItems1Click(); });
}

void TfrmConvert::reject() {
    btnCancelClick();
}

} // namespace cvn
