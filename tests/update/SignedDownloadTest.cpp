#include "update/SignedDownload.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/SigningKey.h"
#include "tests/support/TempFolder.h"
#include "update/Update.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

namespace cvn {
namespace {

const char* const Address = "https://www.example.com/setup/corvane.exe";
const char* const SignatureAddress = "https://www.example.com/setup/corvane.exe.sig";

// Serves files from memory; an address it does not hold fails, as does one larger
// than the item's limit.
class TFakeDownloader : public TDownloader {
public:
    std::map<std::string, std::string> Files;
    std::vector<std::string> Requested;

    bool Download(const std::vector<TDownloadItem>& items) override {
        for (const TDownloadItem& item : items) {
            Requested.push_back(item.Address);
            const auto file = Files.find(item.Address);
            if (file == Files.end() ||
                static_cast<std::int64_t>(file->second.size()) > item.MaxBytes) {
                return false;
            }
            std::ofstream(item.Target, std::ios::binary) << file->second;
        }
        return true;
    }
};

class TRecordingLauncher : public TLauncher {
public:
    std::vector<std::string> Opened;
    bool Open(const std::string& target) override {
        Opened.push_back(target);
        return true;
    }
};

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The installer is put in place and launched only with the key's signature; any other
// answer gives the failure message, keeps the earlier installer and leaves no
// downloaded file behind.
TEST(SignedInstaller, IsLaunchedOnlyWhenItsSignatureVerifies) {
    const test::TSigningKey vendor;
    const test::TSigningKey other;
    const std::string installer = "new installer " + std::string(50, 'x');
    const std::string signature = vendor.Sign(installer);
    const struct {
        const char* Name;
        std::optional<std::string> Signature;
        std::optional<std::string> Installer;
        bool Ok;
        std::vector<std::string> Requested;
    } cases[] = {
        {"signed", signature, installer, true, {SignatureAddress, Address}},
        {"wrong signature", other.Sign(installer), installer, false, {SignatureAddress, Address}},
        {"signature of another file",
         vendor.Sign("old installer"),
         installer,
         false,
         {SignatureAddress, Address}},
        {"no signature", std::nullopt, installer, false, {SignatureAddress}},
        {"signature too long to be one",
         std::string(2000, 's'),
         installer,
         false,
         {SignatureAddress}},
        {"empty signature", std::string(), installer, false, {SignatureAddress, Address}},
        {"no installer", signature, std::nullopt, false, {SignatureAddress, Address}},
        {"empty installer", signature, std::string(), false, {SignatureAddress, Address}},
    };
    for (const auto& c : cases) {
        test::TTempFolder folder;
        folder.Write("corvane.exe", "old installer");
        const std::vector<std::string> before = FilesIn(folder.Path());
        TFakeDownloader downloader;
        if (c.Signature) {
            downloader.Files[SignatureAddress] = *c.Signature;
        }
        if (c.Installer) {
            downloader.Files[Address] = *c.Installer;
        }
        test::TScriptedPrompts prompts;
        TRecordingLauncher launcher;
        const std::string target = folder.Path() + "corvane.exe";
        DownloadAndLaunch(downloader, vendor.Public(), prompts, launcher, Address, target);

        EXPECT_EQ(downloader.Requested, c.Requested) << c.Name;
        EXPECT_EQ(FilesIn(folder.Path()), before) << c.Name;
        EXPECT_EQ(folder.Read("corvane.exe"), c.Ok ? installer : "old installer") << c.Name;
        EXPECT_EQ(prompts.Texts(c.Ok ? "information" : "error"),
                  std::vector<std::string>{c.Ok ? DownloadedText : DownloadFailedText})
            << c.Name;
        EXPECT_EQ(prompts.Messages.size(), 1U) << c.Name;
        EXPECT_EQ(launcher.Opened,
                  c.Ok ? std::vector<std::string>{target} : std::vector<std::string>{})
            << c.Name;
    }
}

TEST(SignedInstaller, ThePartsOfAFailedDownloadAreRemoved) {
    const test::TSigningKey vendor;
    test::TTempFolder folder;
    TFakeDownloader downloader;
    downloader.Files[SignatureAddress] = vendor.Sign("something else");
    downloader.Files[Address] = "installer";
    EXPECT_FALSE(DownloadSignedInstaller(downloader, vendor.Public(), Address,
                                         folder.Path() + "corvane.exe"));
    EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{});
}

TEST(SignedInstaller, TheLimitsAreAskedOfTheDownloader) {
    class TLimits : public TDownloader {
    public:
        std::vector<std::int64_t> Limits;
        bool Download(const std::vector<TDownloadItem>& items) override {
            for (const TDownloadItem& item : items) {
                Limits.push_back(item.MaxBytes);
            }
            return false;
        }
    } downloader;
    test::TTempFolder folder;
    DownloadSignedInstaller(downloader, TPublicKey{}, Address, folder.Path() + "corvane.exe");
    EXPECT_EQ(downloader.Limits,
              (std::vector<std::int64_t>{MaxSignatureBytes, std::int64_t{512} * 1024 * 1024}));
}

TEST(DownloadAddress, OnlyHttpsOrHttpToThisMachineIsFetched) {
    const struct {
        const char* Scheme;
        const char* Host;
        bool Allowed;
    } cases[] = {
        {"https", "www.brenmoor.com", true},
        {"HTTPS", "www.brenmoor.com", true},
        {"http", "127.0.0.1", true},
        {"http", "::1", true},
        {"http", "localhost", true},
        {"http", "LocalHost", true},
        {"http", "www.brenmoor.com", false},
        {"http", "127.0.0.2", false},
        {"http", "127.0.0.1.example.com", false},
        {"file", "", false},
        {"file", "localhost", false},
        {"ftp", "www.brenmoor.com", false},
        {"https", "", false},
        {"", "www.brenmoor.com", false},
        {"data", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AllowedDownloadAddress({c.Scheme, c.Host}), c.Allowed)
            << c.Scheme << "://" << c.Host;
    }
}

TEST(DownloadAddress, ARedirectNeverLeavesHttpsOrThisMachine) {
    const struct {
        TAddress From;
        TAddress To;
        bool Allowed;
    } cases[] = {
        {{"https", "www.brenmoor.com"}, {"https", "cdn.example.com"}, true},
        {{"https", "www.brenmoor.com"}, {"http", "cdn.example.com"}, false},
        {{"https", "www.brenmoor.com"}, {"http", "127.0.0.1"}, false},
        {{"https", "www.brenmoor.com"}, {"file", ""}, false},
        {{"http", "127.0.0.1"}, {"http", "localhost"}, true},
        {{"http", "127.0.0.1"}, {"https", "127.0.0.1"}, true},
        {{"http", "127.0.0.1"}, {"http", "www.example.com"}, false},
        {{"http", "127.0.0.1"}, {"https", "www.example.com"}, false},
        {{"http", "127.0.0.1"}, {"ftp", "127.0.0.1"}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AllowedRedirect(c.From, c.To), c.Allowed)
            << c.From.Scheme << "://" << c.From.Host << " -> " << c.To.Scheme << "://" << c.To.Host;
    }
}

} // namespace
} // namespace cvn
