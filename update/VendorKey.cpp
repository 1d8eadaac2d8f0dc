#include "update/VendorKey.h"

#include <stdexcept>

namespace cvn {

const char* const VendorPublicKeyHex =
    "7fd579850b25e1dec2840f8514f102a7e13c143c6dbb5449fc2758cd597ec6a5";

TPublicKey VendorPublicKey() {
    TPublicKey key{};
    if (!ParsePublicKey(VendorPublicKeyHex, key)) {
        throw std::logic_error("the vendor's public key is not 64 hexadecimal digits");
    }
    return key;
}

} // namespace cvn
