#include "update/UpdateWindow.h"

#include "catalogue/RunHandler.h"
#include "controls/CoreText.h"
#include "controls/Pictures.h"
#include "controls/Place.h"
#include "controls/ProgramFonts.h"
#include "update/OptionsWindow.h"
#include "update/VendorKey.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

namespace cvn {

namespace {

// A word-wrapped label of fixed width that grows downwards to hold its text.
QLabel* PlaceWrapped(QWidget* parent, const char* name, const QString& text, int x, int y, int w,
                     int h) {
    auto* label = Place<QLabel>(parent, name, x, y, w, h);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setText(text);
    return label;
}

void FitHeight(QLabel* label, int minimum) {
    label->resize(label->width(), std::max(minimum, label->heightForWidth(label->width())));
}

} // namespace

TfrmUpdate::TfrmUpdate(TServices services, std::string programFolder, QWidget* parent)
    : TForm(QStringLiteral("Quick Update"), ClientWidth, ClientHeight, parent),
      InstallerKey(VendorPublicKey()), Services(services), Folder(std::move(programFolder)),
      Downloader(TDownloadTimes{}, this) {
    setObjectName(QStringLiteral("frmUpdate"));
    Image1 = Place<QLabel>(this, "Image1", 8, 13, 64, 64);
    Image1->setPixmap(ProgramIconPixmap(64));
    lblMessage = PlaceWrapped(this, "lblMessage",
                              QStringLiteral("Before clicking the Update button, please make sure "
                                             "you have an active Internet connection."),
                              104, 16, 167, 39);
    Label2 = PlaceWrapped(this, "Label2",
                          QStringLiteral("It is recommended that you restart your application "
                                         "after updated files have been installed."),
                          104, 80, 171, 39);
    Bevel1 = Place<QFrame>(this, "Bevel1", 8, 130, 273, 2);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    btnOptions = PlaceButton(this, "btnOptions", QStringLiteral("&Options"), 8, 144);
    btnUpdate = PlaceButton(this, "btnUpdate", QStringLiteral("&Update"), 118, 144);
    btnCancel = PlaceButton(this, "btnCancel", QStringLiteral("&Cancel"), 206, 144);

    connect(btnOptions, &QPushButton::clicked, this, &TfrmUpdate::btnOptionsClick);
    connect(btnUpdate, &QPushButton::clicked, this, &TfrmUpdate::btnUpdateClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmUpdate::btnCancelClick);
}

void TfrmUpdate::SetMessage(const std::string& message) {
    if (!message.empty()) {
        lblMessage->setText(ScreenText(message));
        FitHeight(lblMessage, 39);
    }
}

void TfrmUpdate::btnOptionsClick() {
    TfrmOptions options(Services.Prompts, Folder, this);
    options.exec();
}

void TfrmUpdate::btnUpdateClick() {
    RunHandler(Services.Prompts, [&] {
        const TUpdateSchedule schedule(Folder, Services.Clock, SystemShortDatePattern());
        UpdateNow(schedule, Downloader, InstallerKey, Services.Prompts, Services.Launcher, Folder);
    });
    accept();
}

void TfrmUpdate::btnCancelClick() {
    RunHandler(Services.Prompts, [&] {
        TUpdateSchedule(Folder, Services.Clock, SystemShortDatePattern()).ScheduleNextReminder();
    });
    reject();
}

void TfrmUpdate::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        btnCancel->click();
        return;
    }
    TForm::keyPressEvent(event);
}

int ShowUpdateWindow(TServices services, const std::string& programFolder,
                     const std::string& message, QWidget* parent) {
    TfrmUpdate window(services, programFolder, parent);
    window.SetMessage(message);
    return window.exec();
}

void RunUpdateCheck(TServices services, const std::string& programFolder, QWidget* parent) {
    bool due = false;
    RunHandler(services.Prompts, [&] {
        due =
            TUpdateSchedule(programFolder, services.Clock, SystemShortDatePattern()).ReminderDue();
    });
    if (due) {
        ShowUpdateWindow(services, programFolder, ReminderText, parent);
    }
}

std::string SystemShortDatePattern() {
    return CoreStr(QLocale::system().dateFormat(QLocale::ShortFormat));
}

} // namespace cvn
