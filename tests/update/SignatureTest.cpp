#include "update/Signature.h"
#include "tests/support/SigningKey.h"
#include "update/VendorKey.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

using test::TSigningKey;

std::string Flipped(std::string bytes, std::size_t at) {
    bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
    return bytes;
}

TEST(Signature, OnlyTheKeysSignatureOfExactlyTheseBytesVerifies) {
    const TSigningKey vendor;
    const TSigningKey other;
    const std::string installer(100000, 'x');
    const std::string signature = vendor.Sign(installer);
    const struct {
        const char* Name;
        TPublicKey Key;
        std::string Data;
        std::string Signature;
        bool Verifies;
    } cases[] = {
        // clang-format off
        {"good", vendor.Public(), installer, signature, true},
        {"an empty installer signed", vendor.Public(), "", vendor.Sign(""), true},
        {"a byte of the installer flipped", vendor.Public(), Flipped(installer, 5000), signature, false},
        {"its last byte flipped", vendor.Public(), Flipped(installer, installer.size() - 1), signature, false},
        {"a byte more", vendor.Public(), installer + "x", signature, false},
        {"a byte of the signature flipped", vendor.Public(), installer, Flipped(signature, 10), false},
        {"signed by another key", vendor.Public(), installer, other.Sign(installer), false},
        {"checked against another key", other.Public(), installer, signature, false},
        {"truncated signature", vendor.Public(), installer, signature.substr(0, 63), false},
        {"signature with a line end", vendor.Public(), installer, signature + "\n", false},
        {"empty signature file", vendor.Public(), installer, "", false},
        {"empty installer", vendor.Public(), "", signature, false},
        {"zero key and signature", TPublicKey{}, installer, std::string(64, '\0'), false},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VerifySignature(c.Key, c.Data, c.Signature), c.Verifies) << c.Name;
    }
}

TEST(Signature, PublicKeysAreReadFromSixtyFourHexDigits) {
    const struct {
        const char* Hex;
        bool Ok;
        unsigned char First;
    } cases[] = {
        {"7fd579850b25e1dec2840f8514f102a7e13c143c6dbb5449fc2758cd597ec6a5", true, 0x7f},
        {"7FD579850B25E1DEC2840F8514F102A7E13C143C6DBB5449FC2758CD597EC6A5", true, 0x7f},
        {"7fd579850b25e1dec2840f8514f102a7e13c143c6dbb5449fc2758cd597ec6a", false, 0},
        {"7fd579850b25e1dec2840f8514f102a7e13c143c6dbb5449fc2758cd597ec6a5a5", false, 0},
        {"7fd579850b25e1dec2840f8514f102a7e13c143c6dbb5449fc2758cd597ec6g5", false, 0},
        {" 7fd579850b25e1dec2840f8514f102a7e13c143c6dbb5449fc2758cd597ec6a", false, 0},
        {"", false, 0},
    };
    for (const auto& c : cases) {
        TPublicKey key{};
        EXPECT_EQ(ParsePublicKey(c.Hex, key), c.Ok) << c.Hex;
        EXPECT_EQ(key[0], c.First) << c.Hex;
    }
}

TEST(Signature, TheProgramCarriesAUsableVendorKey) {
    TPublicKey key{};
    ASSERT_TRUE(ParsePublicKey(VendorPublicKeyHex, key));
    EXPECT_EQ(VendorPublicKey(), key);
    EXPECT_NE(key, TPublicKey{});
}

} // namespace
} // namespace cvn
