#pragma once

#include "controls/Form.h"
#include "update/UpdateOptions.h"

#include <string>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

namespace cvn {

class TSpinEdit;
class TUserPrompts;

// "Update Options": the days between reminders and "Do not use Auto Update". The
// choices are written back when the dialog goes, however it was closed.
class TfrmOptions : public TForm {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 257;
    static constexpr int ClientHeight = 151;

    TfrmOptions(TUserPrompts& prompts, const std::string& programFolder, QWidget* parent = nullptr);
    ~TfrmOptions() override;

    TUpdateOptions& Core() { return FCore; }
    // Shows the state in the controls, without firing their handlers.
    void MirrorState();

    QFrame* Panel1;
    QLabel* Label1;
    TSpinEdit* txtDays;
    QCheckBox* cbxAutoUpdate;
    QPushButton* btnOK;

public slots:
    void cbxAutoUpdateClick();
    void txtDaysChange();
    void txtDaysExit();

private:
    TUserPrompts& Prompts;
    TUpdateOptions FCore;
};

} // namespace cvn
