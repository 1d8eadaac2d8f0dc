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

using test::TFixedClock;

const TDate Today = 2026y / December / 6;
const char* const Pattern = "M/d/yy";

struct TUpdateFolder {
    std::string Ini() const { return UpdateIniFile(Folder.Path()); }
    std::string Read(const char* key) const { return ReadIniString(Ini(), "UPDATE", key, "-"); }
    void Write(const char* key, const std::string& value) const {
        WriteIniString(Ini(), "UPDATE", key, value);
    }
    TUpdateSchedule Schedule() { return TUpdateSchedule(Folder.Path(), Clock, Pattern); }

    test::TTempFolder Folder;
    TFixedClock Clock{Today};
};

TEST(UpdateCheck, FirstRunSchedulesTheFirstReminderThirtyDaysOnWithoutAWindow) {
    TUpdateFolder f;
    EXPECT_FALSE(f.Schedule().ReminderDue());
    EXPECT_EQ(f.Read("date"), "1/5/2027");
    EXPECT_EQ(f.Read("days"), "-");
    EXPECT_EQ(f.Read("autoupdate"), "-");
    // The next activation finds the date and waits.
    EXPECT_FALSE(f.Schedule().ReminderDue());
    EXPECT_EQ(f.Read("date"), "1/5/2027");
}

TEST(UpdateCheck, IsDueOnlyAfterTheStoredDayAndWritesNothing) {
    const struct {
        const char* Date;
        bool Due;
    } cases[] = {
        {"12/7/2026", false},
        {"12/6/2026", false},
        {"12/5/2026", true},
        {"12/5/26", true},
        {"12/6/26", false},
        {"12/31/1926", true},
        // Read in the wrong century, these would be due (1926) or silent for years (2099).
        {"12/31/26", false},
        {"1/1/99", true},
        {"soon", false},
        {"", false},
        {"13/45/2026", false},
    };
    for (const auto& c : cases) {
        TUpdateFolder f;
        f.Write("date", c.Date);
        const std::string before = f.Folder.Read("update.ini");
        EXPECT_EQ(f.Schedule().ReminderDue(), c.Due) << c.Date;
        EXPECT_EQ(f.Folder.Read("update.ini"), before) << c.Date;
    }
}

TEST(UpdateCheck, TheDayAfterTheStoredDayTheReminderIsDue) {
    TUpdateFolder f;
    f.Schedule().ReminderDue();
    f.Clock.Today = 2027y / January / 5;
    EXPECT_FALSE(f.Schedule().ReminderDue());
    f.Clock.Today = 2027y / January / 6;
    EXPECT_TRUE(f.Schedule().ReminderDue());
    // Due again at every activation until answered.
    EXPECT_TRUE(f.Schedule().ReminderDue());
}

TEST(UpdateCheck, AProgramFolderThatCannotBeWrittenGivesNoReminderAndNoError) {
    TUpdateFolder f;
    // A folder where update.ini should be: nothing can replace it.
    std::filesystem::create_directories(f.Ini() + "/inside");
    EXPECT_FALSE(f.Schedule().ReminderDue());
}

TEST(NextReminder, UpdateAndCancelScheduleTodayPlusTheStoredDays) {
    const struct {
        const char* Days;
        const char* Date;
    } cases[] = {{nullptr, "1/5/2027"}, {"45", "1/20/2027"}, {"x", "1/5/2027"}};
    for (const auto& c : cases) {
        TUpdateFolder f;
        f.Write("date", "1/1/2020");
        if (c.Days) {
            f.Write("days", c.Days);
        }
        f.Schedule().ScheduleNextReminder();
        EXPECT_EQ(f.Read("date"), c.Date) << (c.Days ? c.Days : "none");
    }
}

// "days" outside 10 to 100 counts as the nearest of them for the schedule as for the
// options dialog: a negative one once dated the next reminder in the past.
TEST(ReminderDays, OutsideTenToHundredCountAsTheNearestEverywhere) {
    const struct {
        const char* Days;
        int Held;
        const char* Date;
    } cases[] = {
        {"-1", 10, "12/16/2026"},          {"0", 10, "12/16/2026"},
        {"9", 10, "12/16/2026"},           {"10", 10, "12/16/2026"},
        {"100", 100, "3/16/2027"},         {"101", 100, "3/16/2027"},
        {"-2147483648", 10, "12/16/2026"}, {"2147483647", 100, "3/16/2027"},
        {"soon", 30, "1/5/2027"},          {"", 30, "1/5/2027"},
    };
    for (const auto& c : cases) {
        TUpdateFolder f;
        f.Write("date", "1/1/2020");
        f.Write("days", c.Days);
        EXPECT_EQ(ReadReminderDays(f.Folder.Path()), c.Held) << c.Days;
        TUpdateOptions options(f.Folder.Path());
        options.FormCreate();
        EXPECT_EQ(options.Days, c.Held) << c.Days;

        f.Schedule().ScheduleNextReminder();
        EXPECT_EQ(f.Read("date"), c.Date) << c.Days;
        EXPECT_FALSE(f.Schedule().ReminderDue()) << c.Days;
    }
}

TEST(InstallerAddress, TheUrlSettingOverridesTheVendorsAddress) {
    const struct {
        const char* Url;
        const char* Address;
    } cases[] = {
        {nullptr, "https://www.brenmoor.com/downloads/corvane38/corvane.exe"},
        {"  ", "https://www.brenmoor.com/downloads/corvane38/corvane.exe"},
        {"http://127.0.0.1:8080/setup.exe", "http://127.0.0.1:8080/setup.exe"},
    };
    for (const auto& c : cases) {
        TUpdateFolder f;
        if (c.Url) {
            f.Write("url", c.Url);
        }
        EXPECT_EQ(InstallerAddress(f.Folder.Path()), c.Address);
    }
}

TEST(UpdateOptions, DaysAreHeldWithinTenToHundredAndWrittenBackWithAutoUpdate) {
    const struct {
        const char* Days;
        const char* AutoUpdate;
        int ShownDays;
        bool Checked;
        const char* WrittenAutoUpdate;
    } cases[] = {
        {nullptr, nullptr, 30, false, "0"}, {"5", "1", 10, true, "1"},
        {"500", "0", 100, false, "0"},      {"45", "yes", 45, false, "0"},
        {"abc", "2", 30, true, "1"},
    };
    for (const auto& c : cases) {
        TUpdateFolder f;
        if (c.Days) {
            f.Write("days", c.Days);
        }
        if (c.AutoUpdate) {
            f.Write("autoupdate", c.AutoUpdate);
        }
        TUpdateOptions options(f.Folder.Path());
        options.FormCreate();
        EXPECT_EQ(options.Days, c.ShownDays);
        EXPECT_EQ(options.AutoUpdate, c.Checked);
        EXPECT_EQ(options.DaysEnabled, !c.Checked);
        options.FormDestroy();
        EXPECT_EQ(f.Read("days"), std::to_string(c.ShownDays));
        EXPECT_EQ(f.Read("autoupdate"), c.WrittenAutoUpdate);
        EXPECT_EQ(f.Read("date"), "-");
    }
}

TEST(UpdateOptions, TypedDaysAreHeldWithinRangeAndTheCheckBoxGreysThemOut) {
    test::TTempFolder folder;
    TUpdateOptions options(folder.Path());
    options.FormCreate();
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

    TUpdateOptions reopened(folder.Path());
    reopened.FormCreate();
    EXPECT_EQ(reopened.Days, 60);
    EXPECT_TRUE(reopened.AutoUpdate);
    EXPECT_FALSE(reopened.DaysEnabled);
}

} // namespace
} // namespace cvn
