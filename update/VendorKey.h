#pragma once

#include "update/Signature.h"

namespace cvn {

// Brenmoor's release-signing key: the public half, in hexadecimal. Installers are
// launched only when their signature verifies against it. The private half never
// enters the repository; scripts/sign-update prints this line for a new key.
extern const char* const VendorPublicKeyHex;

TPublicKey VendorPublicKey();

} // namespace cvn
