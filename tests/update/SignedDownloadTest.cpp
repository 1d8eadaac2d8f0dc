#include "update/SignedDownload.h"
#include "tests/support/RecordingLauncher.h"
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
// downloaded file behind. The installer is larger than a signature may be, so each
// file must be fetched within its own limit.
TEST(SignedInstaller, IsLaunchedOnlyWhenItsSignatureVerifies) {
    const test::TSigningKey vendor;
    const test::TSigningKey other;
    const std::string installer = "new installer " + std::string(2000, 'x');
    const std::string signature = vendor.Sign(installer);
    const std::vector<std::string> both{SignatureAddress, Address};
    const std::vector<std::string> signatureOnly{SignatureAddress};
    const struct {
        const char* Name;
        std::optional<std::string> Signature;
        std::optional<std::string> Installer;
        bool Ok;
        std::vector<std::string> Requested;
    } cases[] = {
        // clang-format off
        {"signed", signature, installer, true, both},
        {"wrong signature", other.Sign(installer), installer, false, both},
        {"signature of another file", vendor.Sign("old installer"), installer, false, both},
        {"no signature", std::nullopt, installer, false, signatureOnly},
        {"signature too long to be one", std::string(2000, 's'), installer, false, signatureOnly},
        {"empty signature", std::string(), installer, false, both},
        {"no installer", signature, std::nullopt, false, both},
        {"empty installer", signature, std::string(), false, both},
        // clang-format on
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
        test::TRecordingLauncher launcher;
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

// The first address is fetched over https, or http to this machine alone; a redirect
// (From given) never leaves https or this machine.
TEST(DownloadAddress, OnlyHttpsOrHttpToThisMachineIsFetchedOrRedirectedTo) {
    const TAddress first{};
    const TAddress https{"https", "www.brenmoor.com"};
    const TAddress local{"http", "127.0.0.1"};
    const struct {
        TAddress From;
        TAddress To;
        bool Allowed;
    } cases[] = {
        // clang-format off
        {first, {"https", "www.brenmoor.com"}, true},
        {first, {"HTTPS", "www.brenmoor.com"}, true},
        {first, {"http", "127.0.0.1"}, true},
        {first, {"http", "::1"}, true},
        {first, {"http", "localhost"}, true},
        {first, {"http", "LocalHost"}, true},
        {first, {"http", "www.brenmoor.com"}, false},
        {first, {"http", "127.0.0.2"}, false},
        {first, {"http", "127.0.0.1.example.com"}, false},
        {first, {"file", ""}, false},
        {first, {"file", "localhost"}, false},
        {first, {"ftp", "www.brenmoor.com"}, false},
        {first, {"https", ""}, false},
        {first, {"", "www.brenmoor.com"}, false},
        {first, {"data", ""}, false},
        {https, {"https", "cdn.example.com"}, true},
        {https, {"http", "cdn.example.com"}, false},
        {https, {"http", "127.0.0.1"}, false},
        {https, {"file", ""}, false},
        {local, {"http", "localhost"}, true},
        {local, {"https", "127.0.0.1"}, true},
        {local, {"http", "www.example.com"}, false},
        {local, {"https", "www.example.com"}, false},
        {local, {"ftp", "127.0.0.1"}, false},
        // clang-format on
    };
    for (const auto& c : cases) {
        const bool redirect = !c.From.Scheme.empty();
        EXPECT_EQ(redirect ? AllowedRedirect(c.From, c.To) : AllowedDownloadAddress(c.To),
                  c.Allowed)
            << c.From.Scheme << "://" << c.From.Host << " -> " << c.To.Scheme << "://" << c.To.Host;
    }
}

} // namespace
} // namespace cvn
