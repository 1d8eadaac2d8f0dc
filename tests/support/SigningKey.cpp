#include "tests/support/SigningKey.h"

#include <openssl/evp.h>

#include <memory>
#include <stdexcept>

namespace cvn::test {

namespace {

struct TFreeContext {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

} // namespace

TSigningKey::TSigningKey() : Key(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519")) {
    if (!Key) {
        throw std::runtime_error("cannot make an Ed25519 key");
    }
}

TSigningKey::~TSigningKey() {
    EVP_PKEY_free(Key);
}

TPublicKey TSigningKey::Public() const {
    TPublicKey key{};
    std::size_t length = key.size();
    if (EVP_PKEY_get_raw_public_key(Key, key.data(), &length) != 1 || length != key.size()) {
        throw std::runtime_error("cannot read the public key");
    }
    return key;
}

std::string TSigningKey::Sign(std::string_view data) const {
    const std::unique_ptr<EVP_MD_CTX, TFreeContext> context(EVP_MD_CTX_new());
    std::string signature(SignatureBytes, '\0');
    std::size_t length = signature.size();
    if (!context || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, Key) != 1 ||
        EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()), &length,
                       reinterpret_cast<const unsigned char*>(data.data()), data.size()) != 1) {
        throw std::runtime_error("cannot sign");
    }
    signature.resize(length);
    return signature;
}

} // namespace cvn::test
