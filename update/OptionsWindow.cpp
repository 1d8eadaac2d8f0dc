#include "update/OptionsWindow.h"

#include "catalogue/RunHandler.h"
#include "controls/CoreText.h"
#include "controls/Place.h"
#include "controls/SpinEdit.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace cvn {

TfrmOptions::TfrmOptions(TUserPrompts& prompts, const std::string& programFolder, QWidget* parent)
    : TForm(QStringLiteral("Update Options"), ClientWidth, ClientHeight, parent), Prompts(prompts),
      FCore(programFolder) {
    setObjectName(QStringLiteral("frmOptions"));
    // Raised outside, lowered inside.
    Panel1 = Place<QFrame>(this, "Panel1", 8, 8, 241, 105);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* inner = Place<QFrame>(Panel1, "Panel1Inner", 1, 1, 239, 103);
    inner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label1 = PlaceLabel(Panel1, "Label1", QStringLiteral("Set days between each update"), 8, 32);
    txtDays = Place<TSpinEdit>(Panel1, "txtDays", 168, 24, 65, 22);
    txtDays->setRange(TUpdateOptions::MinDays, TUpdateOptions::MaxDays);
    txtDays->setValue(30);
    txtDays->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    Label1->setBuddy(txtDays);
    cbxAutoUpdate = Place<QCheckBox>(Panel1, "cbxAutoUpdate", 8, 72, 160, 17);
    cbxAutoUpdate->setText(QStringLiteral("Do not use Auto Update"));
    btnOK = PlaceButton(this, "btnOK", QStringLiteral("&OK"), 174, 120);
    btnOK->setDefault(true);

    connect(cbxAutoUpdate, &QCheckBox::clicked, this, &TfrmOptions::cbxAutoUpdateClick);
    // Every change counts, typed or by the arrows, keys or wheel: a "5" typed just
    // before the dialog closes counts as 10.
    connect(txtDays, &TSpinEdit::Changed, this, &TfrmOptions::txtDaysChange);
    connect(txtDays, &QSpinBox::editingFinished, this, &TfrmOptions::txtDaysExit);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    RunHandler(Prompts, [&] { FCore.FormCreate(); });
    MirrorState();
}

TfrmOptions::~TfrmOptions() {
    RunHandler(Prompts, [&] { FCore.FormDestroy(); });
}

void TfrmOptions::MirrorState() {
    const QSignalBlocker blockDays(txtDays);
    const QSignalBlocker blockCheck(cbxAutoUpdate);
    txtDays->setValue(FCore.Days);
    txtDays->setEnabled(FCore.DaysEnabled);
    cbxAutoUpdate->setChecked(FCore.AutoUpdate);
}

void TfrmOptions::cbxAutoUpdateClick() {
    FCore.cbxAutoUpdateClick(cbxAutoUpdate->isChecked());
    MirrorState();
}

void TfrmOptions::txtDaysChange() {
    // Not mirrored while the user types: the field would jump under the cursor.
    FCore.txtDaysChange(CoreStr(txtDays->cleanText()));
}

void TfrmOptions::txtDaysExit() {
    MirrorState();
}

} // namespace cvn
