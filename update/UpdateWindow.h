#pragma once

#include "catalogue/Services.h"
#include "controls/Form.h"
#include "update/QtDownloader.h"
#include "update/Signature.h"

#include <string>

class QFrame;
class QLabel;
class QPushButton;

namespace cvn {

// "Quick Update": asks before downloading the newer installer, and reaches the update
// options. Update and Cancel schedule the next reminder; the close box does not.
class TfrmUpdate : public TForm {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 290;
    static constexpr int ClientHeight = 177;

    TfrmUpdate(TServices services, std::string programFolder, QWidget* parent = nullptr);

    // The reminder's text in place of the design text; an empty one keeps it.
    void SetMessage(const std::string& message);

    QLabel* Image1;
    QLabel* lblMessage;
    QLabel* Label2;
    QFrame* Bevel1;
    QPushButton* btnOptions;
    QPushButton* btnUpdate;
    QPushButton* btnCancel;

    // The installer is launched only when signed with this key; tests bring their own.
    TPublicKey InstallerKey;

public slots:
    void btnOptionsClick();
    void btnUpdateClick();
    void btnCancelClick();

protected:
    // Escape is the Cancel button, as in any dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    TServices Services;
    std::string Folder;
    TQtDownloader Downloader;
};

// Shows the update window modally with the message (empty: its design text) and
// returns how it closed: Accepted after Update, Rejected otherwise.
int ShowUpdateWindow(TServices services, const std::string& programFolder,
                     const std::string& message, QWidget* parent = nullptr);

// The update check of the main window's activation: the reminder window when due.
void RunUpdateCheck(TServices services, const std::string& programFolder, QWidget* parent);

// The desktop's short date pattern, as update.ini's dates are written in.
std::string SystemShortDatePattern();

} // namespace cvn
