#pragma once

#include "update/Signature.h"

#include <string>
#include <string_view>

struct evp_pkey_st;

namespace cvn::test {

// A fresh Ed25519 key pair for one test: no private key lives in the repository.
class TSigningKey {
public:
    TSigningKey();
    ~TSigningKey();
    TSigningKey(const TSigningKey&) = delete;
    TSigningKey& operator=(const TSigningKey&) = delete;

    TPublicKey Public() const;
    // The 64-byte signature of data, as scripts/sign-update makes it.
    std::string Sign(std::string_view data) const;

private:
    evp_pkey_st* Key;
};

} // namespace cvn::test
