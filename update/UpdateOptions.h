#pragma once

#include "update/Update.h"

#include <string>

namespace cvn {

// The update options dialog's state and rules: the days between reminders, held
// within 10 to 100, and "Do not use Auto Update", which greys the days out.
class TUpdateOptions {
public:
    static constexpr int MinDays = MinReminderDays;
    static constexpr int MaxDays = MaxReminderDays;

    explicit TUpdateOptions(std::string programFolder);

    int Days = 30;
    bool AutoUpdate = false;
    bool DaysEnabled = true;

    // "days" and "autoupdate" from "update.ini".
    void FormCreate();
    void cbxAutoUpdateClick(bool checked);
    // The days field's text: a number is taken, held within 10 to 100; anything else
    // (an empty field while typing) leaves the days as they were.
    void txtDaysChange(const std::string& text);
    // However the dialog closed: "days" and "autoupdate" back to "update.ini". Raises
    // EFCreateError when the file cannot be written.
    void FormDestroy() const;

private:
    std::string Folder;
};

} // namespace cvn
