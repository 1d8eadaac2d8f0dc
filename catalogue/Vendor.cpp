#include "catalogue/Vendor.h"

#include "catalogue/IniFile.h"
#include "catalogue/TextUtils.h"
#include "catalogue/cvnLib.h"

namespace cvn {

std::string VendorWebAddress() {
    const std::string address =
        Trim(ReadIniString(AppPath + "Corvane.ini", "VENDOR", "web", DefaultVendorWebAddress));
    return address.empty() ? DefaultVendorWebAddress : address;
}

std::string VendorWebLink() {
    const std::string address = VendorWebAddress();
    return address.find("://") == std::string::npos ? "https://" + address : address;
}

} // namespace cvn
