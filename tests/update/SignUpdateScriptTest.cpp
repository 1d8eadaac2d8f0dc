#include "tests/support/TempFolder.h"
#include "update/Signature.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace cvn {
namespace {

const std::string Script = std::string(CORVANE_TEST_DATA_DIR) + "../scripts/sign-update";

// The command's standard output, and whether it succeeded.
bool RunScript(const std::string& command, std::string& output) {
    FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) {
        return false;
    }
    char buffer[256];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.append(buffer, n);
    }
    return ::pclose(pipe) == 0;
}

// What the release script signs is what the program accepts, with the key it prints.
TEST(SignUpdateScript, ItsSignatureVerifiesWithThePublicKeyItPrints) {
    if (std::system("command -v openssl >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "openssl is not installed";
    }
    test::TTempFolder folder;
    using namespace std::string_literals;
    const std::string installer = std::string(3000, 'i') + "\r\n\0\xff end"s;
    folder.Write("corvane.exe", installer);
    const std::string key = folder.Path() + "release.pem";

    std::string made;
    ASSERT_TRUE(RunScript(Script + " --new-key " + key, made));
    std::string printed;
    ASSERT_TRUE(RunScript(Script + " --public-key " + key, printed));
    ASSERT_EQ(printed.size(), 65U);
    EXPECT_NE(made.find(printed), std::string::npos);
    TPublicKey publicKey{};
    ASSERT_TRUE(ParsePublicKey(printed.substr(0, 64), publicKey));

    std::string signedText;
    ASSERT_TRUE(RunScript(Script + " " + key + " " + folder.Path() + "corvane.exe", signedText));
    const std::string signature = folder.Read("corvane.exe.sig");
    EXPECT_EQ(signature.size(), SignatureBytes);
    EXPECT_TRUE(VerifySignature(publicKey, installer, signature));
    EXPECT_FALSE(VerifySignature(publicKey, installer + " ", signature));

    // A key is never made inside the source folder, nor an existing one overwritten.
    const std::string privateKey = folder.Read("release.pem");
    std::string refused;
    EXPECT_FALSE(
        RunScript(Script + " --new-key " + CORVANE_TEST_DATA_DIR + "release.pem", refused));
    EXPECT_FALSE(RunScript(Script + " --new-key " + key, refused));
    EXPECT_EQ(folder.Read("release.pem"), privateKey);
}

} // namespace
} // namespace cvn
