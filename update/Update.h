#pragma once

#include "catalogue/Services.h"
#include "update/DateText.h"
#include "update/SignedDownload.h"

#include <string>

namespace cvn {

// The live update: a reminder now and then to fetch a newer installer, and its
// download and launch. Its state lives in "update.ini" beside the program, section
// "UPDATE": "date" (after which the next reminder is due), "days" (between
// reminders), "autoupdate" (shown by the options dialog, read by nothing else) and
// "url" (where the installer is fetched from).

extern const char* const UpdateSection;
extern const char* const DefaultInstallerAddress;
extern const char* const ReminderText;
extern const char* const DownloadedText;
extern const char* const DownloadFailedText;

constexpr int DefaultReminderDays = 30;
// The days between reminders are held within these wherever they are read or set: a
// negative number would date the next reminder in the past, due again at once.
constexpr int MinReminderDays = 10;
constexpr int MaxReminderDays = 100;

std::string UpdateIniFile(const std::string& programFolder);
// Where the installer is saved: the program folder + "corvane.exe".
std::string InstallerFile(const std::string& programFolder);
// The "url" setting, or the vendor's address when there is none.
std::string InstallerAddress(const std::string& programFolder);

// The nearest of 10 to 100.
int HeldReminderDays(int days);
// "days", 30 when missing or not a number, held within 10 to 100.
int ReadReminderDays(const std::string& programFolder);

// Downloads the installer and, when it arrived with key's signature, tells the user
// and opens it with the desktop's handler, without waiting for it; otherwise reports
// the failure.
void DownloadAndLaunch(TDownloader& downloader, const TPublicKey& key, TUserPrompts& prompts,
                       TLauncher& launcher, const std::string& address, const std::string& target);

// The reminder's schedule, with today from the clock and dates in the desktop's short
// date pattern (see NumericDatePattern).
class TUpdateSchedule {
public:
    TUpdateSchedule(std::string programFolder, TClock& clock, std::string datePattern);

    TDate Today() const;
    // The update check, run at every activation of the main window: true when today is
    // past "date". On the first run it only schedules the first reminder, 30 days on.
    // A "date" that does not read as a date counts as today + 30 and is left as it is.
    bool ReminderDue() const;
    // "date" := today + days. Raises EFCreateError when the file cannot be written.
    void WriteNextReminder(int days) const;
    // "date" := today + "days": what Update and Cancel in the update window do.
    void ScheduleNextReminder() const;

private:
    std::string Folder;
    TClock& Clock;
    std::string Pattern;
};

// The update window's Update button: download and launch the installer, then schedule
// the next reminder whether or not the download worked.
void UpdateNow(const TUpdateSchedule& schedule, TDownloader& downloader, const TPublicKey& key,
               TUserPrompts& prompts, TLauncher& launcher, const std::string& programFolder);

} // namespace cvn
