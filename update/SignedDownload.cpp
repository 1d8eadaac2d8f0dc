#include "update/SignedDownload.h"

#include "catalogue/TextUtils.h"

#include <filesystem>
#include <fstream>

namespace cvn {

namespace {

const char* const SignatureSuffix = ".sig";
const char* const PartSuffix = ".download";

// The downloaded files until they are renamed into place; removed however the
// download ends.
class TPartFiles {
public:
    explicit TPartFiles(const std::string& target)
        : Installer(target + PartSuffix), Signature(target + SignatureSuffix + PartSuffix) {}
    ~TPartFiles() {
        std::error_code ignored;
        std::filesystem::remove(Installer, ignored);
        std::filesystem::remove(Signature, ignored);
    }
    TPartFiles(const TPartFiles&) = delete;
    TPartFiles& operator=(const TPartFiles&) = delete;

    const std::string Installer;
    const std::string Signature;
};

// The whole file, when it is a regular file of at most limit bytes.
bool ReadDownloaded(const std::string& path, std::int64_t limit, std::string& bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > static_cast<std::uintmax_t>(limit)) {
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    bytes.assign(static_cast<std::size_t>(size), '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(size));
    return file.gcount() == static_cast<std::streamsize>(size);
}

} // namespace

bool IsLoopbackHost(std::string_view host) {
    return host == "127.0.0.1" || host == "::1" || host == "[::1]" || SameText(host, "localhost");
}

bool AllowedDownloadAddress(const TAddress& address) {
    if (address.Host.empty()) {
        return false;
    }
    return SameText(address.Scheme, "https") ||
           (SameText(address.Scheme, "http") && IsLoopbackHost(address.Host));
}

bool AllowedRedirect(const TAddress& from, const TAddress& to) {
    if (!AllowedDownloadAddress(to)) {
        return false;
    }
    if (SameText(from.Scheme, "https") && !SameText(to.Scheme, "https")) {
        return false;
    }
    return !IsLoopbackHost(from.Host) || IsLoopbackHost(to.Host);
}

bool DownloadSignedInstaller(TDownloader& downloader, const TPublicKey& key,
                             const std::string& address, const std::string& target) {
    const TPartFiles parts(target);
    // The small signature first: without one, the installer is not worth fetching.
    const std::vector<TDownloadItem> items{
        {address + SignatureSuffix, parts.Signature, MaxSignatureBytes},
        {address, parts.Installer, MaxInstallerBytes},
    };
    if (!downloader.Download(items)) {
        return false;
    }
    std::string signature;
    std::string installer;
    if (!ReadDownloaded(parts.Signature, MaxSignatureBytes, signature) ||
        !ReadDownloaded(parts.Installer, MaxInstallerBytes, installer) ||
        !VerifySignature(key, installer, signature)) {
        return false;
    }
    std::error_code error;
    std::filesystem::rename(parts.Installer, target, error);
    return !error;
}

} // namespace cvn
