#include "update/Signature.h"

#include <openssl/evp.h>

#include <memory>

namespace cvn {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

struct TFreeKey {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct TFreeContext {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

const unsigned char* Bytes(std::string_view text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

} // namespace

bool ParsePublicKey(std::string_view hex, TPublicKey& key) {
    if (hex.size() != key.size() * 2) {
        return false;
    }
    TPublicKey parsed{};
    for (std::size_t i = 0; i < parsed.size(); ++i) {
        const int high = HexDigit(hex[2 * i]);
        const int low = HexDigit(hex[2 * i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        parsed[i] = static_cast<unsigned char>(high * 16 + low);
    }
    key = parsed;
    return true;
}

bool VerifySignature(const TPublicKey& key, std::string_view data, std::string_view signature) {
    if (signature.size() != SignatureBytes) {
        return false;
    }
    const std::unique_ptr<EVP_PKEY, TFreeKey> publicKey(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, key.data(), key.size()));
    const std::unique_ptr<EVP_MD_CTX, TFreeContext> context(EVP_MD_CTX_new());
    if (!publicKey || !context) {
        return false;
    }
    // Ed25519 hashes internally: no digest is named, and the data goes in one piece.
    if (EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, publicKey.get()) != 1) {
        return false;
    }
    return EVP_DigestVerify(context.get(), Bytes(signature), signature.size(), Bytes(data),
                            data.size()) == 1;
}

} // namespace cvn
