#pragma once

#include "update/Signature.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cvn {

// The installer download trusts nothing but the vendor's signature: it fetches only
// over https (plain http only from this machine, for tests), within a size limit, and
// puts the installer in place only when its detached signature, published at the
// installer's address + ".sig", verifies.

// No real installer comes near this; a hostile server cannot fill the disk.
constexpr std::int64_t MaxInstallerBytes = std::int64_t{512} * 1024 * 1024;
// The signature is 64 bytes; anything much longer is not one.
constexpr std::int64_t MaxSignatureBytes = 1024;

struct TDownloadItem {
    std::string Address;
    std::string Target;
    std::int64_t MaxBytes = 0;
};

// A blocking download to files; the program's one is Qt's, tests may bring their own.
class TDownloader {
public:
    virtual ~TDownloader() = default;
    // Fetches the items in order, each to its Target. True only when every one arrived
    // whole, within its MaxBytes. Stops at the first failure; an item that did not
    // arrive leaves whatever was at its Target untouched.
    virtual bool Download(const std::vector<TDownloadItem>& items) = 0;
};

// A web address as far as the download's rules care: its scheme and host, as the
// network library parsed them.
struct TAddress {
    std::string Scheme;
    std::string Host;
};

bool IsLoopbackHost(std::string_view host);
// https anywhere, http only to this machine; nothing else is fetched.
bool AllowedDownloadAddress(const TAddress& address);
// A redirect must lead to an allowed address, never from https down to http, and
// never from this machine to another.
bool AllowedRedirect(const TAddress& from, const TAddress& to);

// Downloads the signature and the installer into temporary files beside target and
// renames the installer into place only when the signature is key's signature of it.
// On any failure nothing is left behind and whatever was at target stays as it was.
bool DownloadSignedInstaller(TDownloader& downloader, const TPublicKey& key,
                             const std::string& address, const std::string& target);

} // namespace cvn
