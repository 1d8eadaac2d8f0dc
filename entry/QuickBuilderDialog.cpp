#include "entry/QuickBuilderDialog.h"

#include "catalogue/RunHandler.h"
#include "controls/CoreText.h"
#include "controls/Flatten.h"
#include "controls/ProgramFonts.h"
#include "entry/DialogControls.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>

namespace cvn {

TfrmCreate::TfrmCreate(TUserPrompts& prompts, QWidget* parent)
    : TForm(QStringLiteral("Corvane Quick Builder"), ClientWidth, ClientHeight, parent),
      Prompts(prompts) {
    setObjectName(QStringLiteral("frmCreate"));

    auto* panel = PlacePanel(this, "pnlPartNumber", 8, 8, 281, 56);
    lblPartNumber = PlaceLabel(panel, "lblPartNumber", QStringLiteral("Enter Part Number"), 10, 7);
    cbxPartNumber = PlaceHistoryBox(panel, "cbxPartNumber", 10, 24, 261);
    lblPartNumber->setBuddy(cbxPartNumber);
    cbxPartNumber->setFont(TahomaFont(Points8, true));
    QPalette pal = cbxPartNumber->palette();
    pal.setColor(QPalette::Text, Navy());
    pal.setColor(QPalette::ButtonText, Navy());
    cbxPartNumber->setPalette(pal);
    PopupMenu1 = AttachPopupMenu(cbxPartNumber, "PopupMenu1");
    mnuClearAllItems = PopupMenu1->addAction(QStringLiteral("Clear All Items"), this,
                                             &TfrmCreate::mnuClearAllItemsClick);
    mnuClearAllItems->setObjectName(QStringLiteral("mnuClearAllItems"));

    btnCreate = PlaceButton(this, "btnCreate", QStringLiteral("C&reate"), 133, 72);
    btnCreate->setDefault(true);
    btnClose = PlaceButton(this, "btnClose", QStringLiteral("&Close"), 214, 72);

    connect(cbxPartNumber, &QComboBox::editTextChanged, this, &TfrmCreate::cbxPartNumberChange);
    connect(cbxPartNumber, &QComboBox::activated, this, &TfrmCreate::cbxPartNumberChange);
    connect(btnCreate, &QPushButton::clicked, this, &TfrmCreate::btnCreateClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmCreate::btnCloseClick);

    RunHandler(Prompts, [&] { FCore.FormCreate(); });
    FlattenControls(this);
    MirrorState();
}

TfrmCreate::~TfrmCreate() {
    RunHandler(Prompts, [&] { FCore.FormDestroy(); });
}

void TfrmCreate::MirrorState() {
    MirrorHistoryBox(cbxPartNumber, FCore.History.Items, FCore.PartNumberIndex,
                     FCore.PartNumberText);
}

void TfrmCreate::Handle(const std::function<void()>& handler) {
    RunHandler(Prompts, handler);
    MirrorState();
    if (FCore.ModalResult != TModalResult::None) {
        done(FCore.ModalResult == TModalResult::Ok ? Accepted : Rejected);
    }
}

void TfrmCreate::showEvent(QShowEvent* event) {
    // Not when the window system shows it again, after a minimise: the box keeps its text.
    if (!event->spontaneous()) {
        Handle([&] { FCore.FormShow(); });
        cbxPartNumber->setFocus();
    }
    TForm::showEvent(event);
}

void TfrmCreate::cbxPartNumberChange() {
    Handle([&] {
        FCore.cbxPartNumberChange(CoreStr(cbxPartNumber->currentText()),
                                  cbxPartNumber->currentIndex());
    });
}

void TfrmCreate::btnCreateClick() {
    Handle([&] { FCore.btnCreateClick(); });
}

void TfrmCreate::btnCloseClick() {
    Handle([&] { FCore.btnCloseClick(); });
}

void TfrmCreate::mnuClearAllItemsClick() {
    Handle([&] { FCore.mnuClearAllItemsClick(); });
}

void TfrmCreate::reject() {
    btnCloseClick();
}

} // namespace cvn
