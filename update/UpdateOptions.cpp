#include "update/UpdateOptions.h"

#include "catalogue/IniFile.h"
#include "catalogue/TextUtils.h"

namespace cvn {

TUpdateOptions::TUpdateOptions(std::string programFolder) : Folder(std::move(programFolder)) {}

void TUpdateOptions::FormCreate() {
    Days = ReadReminderDays(Folder);
    cbxAutoUpdateClick(ReadIniInteger(UpdateIniFile(Folder), UpdateSection, "autoupdate", 0) != 0);
}

void TUpdateOptions::cbxAutoUpdateClick(bool checked) {
    AutoUpdate = checked;
    DaysEnabled = !checked;
}

void TUpdateOptions::txtDaysChange(const std::string& text) {
    int value = 0;
    if (TryStrToInt(Trim(text), value)) {
        Days = HeldReminderDays(value);
    }
}

void TUpdateOptions::FormDestroy() const {
    const std::string ini = UpdateIniFile(Folder);
    WriteIniString(ini, UpdateSection, "days", std::to_string(Days));
    WriteIniString(ini, UpdateSection, "autoupdate", AutoUpdate ? "1" : "0");
}

} // namespace cvn
