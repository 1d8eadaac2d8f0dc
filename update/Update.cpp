#include "update/Update.h"

#include "catalogue/Errors.h"
#include "catalogue/IniFile.h"
#include "catalogue/TextUtils.h"

#include <algorithm>

namespace cvn {

const char* const UpdateSection = "UPDATE";
const char* const DefaultInstallerAddress =
    "https://www.brenmoor.com/downloads/corvane38/corvane.exe";
const char* const ReminderText = "It appears you have not updated your application files lately. "
                                 "You can download the latest data files from here.";
const char* const DownloadedText =
    "Update files have been downloaded. Press OK to continue with installation";
const char* const DownloadFailedText =
    "Unable to dowload files. Please make sure you have an active Internet connection.";

namespace {

constexpr int FirstReminderDays = 30;

} // namespace

std::string UpdateIniFile(const std::string& programFolder) {
    return programFolder + "update.ini";
}

std::string InstallerFile(const std::string& programFolder) {
    return programFolder + "corvane.exe";
}

std::string InstallerAddress(const std::string& programFolder) {
    const std::string address =
        Trim(ReadIniString(UpdateIniFile(programFolder), UpdateSection, "url", ""));
    return address.empty() ? DefaultInstallerAddress : address;
}

int HeldReminderDays(int days) {
    return std::clamp(days, MinReminderDays, MaxReminderDays);
}

int ReadReminderDays(const std::string& programFolder) {
    return HeldReminderDays(
        ReadIniInteger(UpdateIniFile(programFolder), UpdateSection, "days", DefaultReminderDays));
}

void DownloadAndLaunch(TDownloader& downloader, const TPublicKey& key, TUserPrompts& prompts,
                       TLauncher& launcher, const std::string& address, const std::string& target) {
    if (DownloadSignedInstaller(downloader, key, address, target)) {
        prompts.Information(DownloadedText);
        // Whether the desktop could open it is not reported.
        launcher.Open(target);
    } else {
        prompts.Error(DownloadFailedText);
    }
}

TUpdateSchedule::TUpdateSchedule(std::string programFolder, TClock& clock, std::string datePattern)
    : Folder(std::move(programFolder)), Clock(clock), Pattern(NumericDatePattern(datePattern)) {}

TDate TUpdateSchedule::Today() const {
    return LocalDate(Clock.Now());
}

bool TUpdateSchedule::ReminderDue() const {
    const std::string ini = UpdateIniFile(Folder);
    const TDate today = Today();
    if (!IniKeyExists(ini, UpdateSection, "date")) {
        try {
            WriteIniString(ini, UpdateSection, "date",
                           FormatShortDate(AddDays(today, FirstReminderDays), Pattern));
        } catch (const EFCreateError&) {
            // A program folder that cannot be written: no reminder can be scheduled,
            // and an error here would come back at every activation of the window.
        }
        return false;
    }
    TDate date{};
    if (!TryParseShortDate(ReadIniString(ini, UpdateSection, "date", ""), Pattern, today, date)) {
        date = AddDays(today, FirstReminderDays);
    }
    return std::chrono::sys_days{today} > std::chrono::sys_days{date};
}

void TUpdateSchedule::WriteNextReminder(int days) const {
    WriteIniString(UpdateIniFile(Folder), UpdateSection, "date",
                   FormatShortDate(AddDays(Today(), days), Pattern));
}

void TUpdateSchedule::ScheduleNextReminder() const {
    WriteNextReminder(ReadReminderDays(Folder));
}

void UpdateNow(const TUpdateSchedule& schedule, TDownloader& downloader, const TPublicKey& key,
               TUserPrompts& prompts, TLauncher& launcher, const std::string& programFolder) {
    DownloadAndLaunch(downloader, key, prompts, launcher, InstallerAddress(programFolder),
                      InstallerFile(programFolder));
    schedule.ScheduleNextReminder();
}

} // namespace cvn
