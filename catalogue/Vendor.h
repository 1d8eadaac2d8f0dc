#pragma once

#include <string>

namespace cvn {

// The maker's web address, as printed and shown: "Corvane.ini", section "VENDOR", key
// "web", so a reseller can put its own; the maker's address otherwise.
inline constexpr const char* DefaultVendorWebAddress = "www.brenmoor.com";
std::string VendorWebAddress();
// The address to open in a browser: the same with "https://" before a bare host name.
std::string VendorWebLink();

} // namespace cvn
