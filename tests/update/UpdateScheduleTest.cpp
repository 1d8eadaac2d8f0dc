#include "catalogue/IniFile.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TempFolder.h"
#include "update/Update.h"
#include "update/UpdateOptions.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cvn {
namespace {

using namespace std::chrono;

struct TUpdateFolder {
    std::string Ini() const { return UpdateIniFile(Folder.Path()); }
    std::string Read(const char* key) const { return ReadIniString(Ini(), "UPDATE", key, "-"); }
    // A null value leaves the key out.
    void Write(const char* key, const char* value) const {
        if (value) {
            WriteIniString(Ini(), "UPDATE", key, value);
        }
    }
    TUpdateSchedule Schedule() { return TUpdateSchedule(Folder.Path(), Clock, "M/d/yy"); }

    test::TTempFolder Folder;
    test::TFixedClock Clock{2026y / December / 6};
};

// Today is 12/6/2026: due only after the stored day, again at every activation until
// answered, and nothing written. Read in the wrong century, "12/31/26" would be due (1926)
// and "1/1/99" silent for years (2099). A date that does not read waits 30 days; the first
// run writes only the first reminder's date, 30 days on.
TEST(UpdateCheck, IsDueOnlyAfterTheStoredDayAndTheFirstRunDatesTheFirstReminder) {
    const struct {
        const char* Date;
        bool Due;
    } cases[] = {{nullptr, false},     {"12/7/2026", false}, {"12/6/2026", false},
                 {"12/5/2026", true},  {"12/5/26", true},    {"12/6/26", false},
                 {"12/31/1926", true}, {"12/31/26", false},  {"1/1/99", true},
                 {"soon", false},      {"", false},          {"13/45/2026", false}};
    for (const auto& c : cases) {
        const char* name = c.Date ? c.Date : "none";
        TUpdateFolder f;
        f.Write("date", c.Date);
        const std::string before = c.Date ? f.Folder.Read("update.ini") : "";
        EXPECT_EQ(f.Schedule().ReminderDue(), c.Due) << name;
        EXPECT_EQ(f.Schedule().ReminderDue(), c.Due) << name;
        EXPECT_EQ(f.Folder.Read("update.ini"),
                  c.Date ? before : std::string("[UPDATE]\r\ndate=1/5/2027\r\n"))
            << name;
    }
}

TEST(UpdateCheck, AProgramFolderThatCannotBeWrittenGivesNoReminderAndNoError) {
    TUpdateFolder f;
    // A folder where update.ini should be: nothing can replace it.
    std::filesystem::create_directories(f.Ini() + "/inside");
    EXPECT_FALSE(f.Schedule().ReminderDue());
}

// Update and Cancel date the next reminder today + "days": 30 when missing or not a
// number, and outside 10 to 100 the nearest of them, for the schedule as for the
// options dialog (a negative one once dated the next reminder in the past).
TEST(ReminderDays, AreThirtyByDefaultHeldWithinTenToHundredAndDateTheNextReminder) {
    const struct {
        const char* Days;
        int Held;
        const char* Date;
    } cases[] = {
        // clang-format off
        {nullptr, 30, "1/5/2027"},
        {"45", 45, "1/20/2027"},
        {"soon", 30, "1/5/2027"},
        {"", 30, "1/5/2027"},
        {"-1", 10, "12/16/2026"},
        {"0", 10, "12/16/2026"},
        {"9", 10, "12/16/2026"},
        {"10", 10, "12/16/2026"},
        {"100", 100, "3/16/2027"},
        {"101", 100, "3/16/2027"},
        {"-2147483648", 10, "12/16/2026"},
        {"2147483647", 100, "3/16/2027"},
        // clang-format on
    };
    for (const auto& c : cases) {
        const char* name = c.Days ? c.Days : "none";
        TUpdateFolder f;
        f.Write("date", "1/1/2020");
        f.Write("days", c.Days);
        EXPECT_EQ(ReadReminderDays(f.Folder.Path()), c.Held) << name;
        TUpdateOptions options(f.Folder.Path());
        options.FormCreate();
        EXPECT_EQ(options.Days, c.Held) << name;

        f.Schedule().ScheduleNextReminder();
        EXPECT_EQ(f.Read("date"), c.Date) << name;
        EXPECT_FALSE(f.Schedule().ReminderDue()) << name;
    }
}

TEST(InstallerAddress, TheUrlSettingOverridesTheVendorsAddress) {
    const char* const vendor = "https://www.brenmoor.com/downloads/corvane38/corvane.exe";
    const struct {
        const char* Url;
        const char* Address;
    } cases[] = {{nullptr, vendor},
                 {"  ", vendor},
                 {"http://127.0.0.1:8080/setup.exe", "http://127.0.0.1:8080/setup.exe"}};
    for (const auto& c : cases) {
        TUpdateFolder f;
        f.Write("url", c.Url);
        EXPECT_EQ(InstallerAddress(f.Folder.Path()), c.Address);
    }
}

// Typed days are held within range; the check box greys them out; both are written back
// as "days" and "autoupdate" 1 or 0, never the date, and read again at the next opening.
TEST(UpdateOptions, TypedDaysAreHeldWithinRangeAndTheCheckBoxGreysThemOut) {
    TUpdateFolder f;
    TUpdateOptions options(f.Folder.Path());
    options.FormCreate();
    EXPECT_FALSE(options.AutoUpdate);
    EXPECT_TRUE(options.DaysEnabled);
    const struct {
        const char* Typed;
        int Days;
    } typed[] = {{"45", 45}, {"", 45}, {"5", 10}, {"abc", 10}, {"101", 100}, {" 60 ", 60}};
    for (const auto& t : typed) {
        options.txtDaysChange(t.Typed);
        EXPECT_EQ(options.Days, t.Days) << t.Typed;
    }
    options.cbxAutoUpdateClick(true);
    EXPECT_FALSE(options.DaysEnabled);
    options.cbxAutoUpdateClick(false);
    EXPECT_TRUE(options.DaysEnabled);
    options.cbxAutoUpdateClick(true);
    options.FormDestroy();
    EXPECT_EQ(f.Folder.Read("update.ini"), "[UPDATE]\r\ndays=60\r\nautoupdate=1\r\n");
    f.Write("autoupdate", "2");

    TUpdateOptions reopened(f.Folder.Path());
    reopened.FormCreate();
    EXPECT_EQ(reopened.Days, 60);
    EXPECT_TRUE(reopened.AutoUpdate);
    EXPECT_FALSE(reopened.DaysEnabled);
}

} // namespace
} // namespace cvn
