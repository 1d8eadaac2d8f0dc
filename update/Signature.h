#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace cvn {

// An Ed25519 public key: its 32 raw bytes.
using TPublicKey = std::array<unsigned char, 32>;

// An Ed25519 signature is 64 raw bytes, as "openssl pkeyutl -sign -rawin" writes it.
constexpr std::size_t SignatureBytes = 64;

// 64 hexadecimal digits into a key; false for anything else.
bool ParsePublicKey(std::string_view hex, TPublicKey& key);

// True only when signature is key's Ed25519 signature of exactly these bytes.
bool VerifySignature(const TPublicKey& key, std::string_view data, std::string_view signature);

} // namespace cvn
