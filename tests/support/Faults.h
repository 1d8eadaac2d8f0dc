#pragma once

#include <functional>
#include <string>
#include <vector>

namespace cvn::test {

// Fault tests run their body in a child process (a gtest death test), because they
// change what the process may do: drop root, mount a file system, limit file sizes.
// The child reports each broken expectation on stderr and exits 1; 0 when all held.
class TChildChecks {
public:
    void Expect(bool ok, const std::string& what);
    void ExpectEqual(const std::string& actual, const std::string& expected,
                     const std::string& what);
    [[noreturn]] void Finish() const;

private:
    std::vector<std::string> Broken;
};

// Makes files under the folder impossible to grow, as on a full disk. Where a private
// mount is allowed (root, as in CI) a fresh 256 KiB tmpfs is mounted over the folder
// (it starts empty) and Fill() fills it to the last byte; elsewhere Fill() sets the
// file-size limit to 0, which fails every write the same way. Call only in the child.
class TFullDisk {
public:
    explicit TFullDisk(const std::string& folder);
    // After the earlier files are written: from here on no write succeeds.
    void Fill();

private:
    std::string Folder;
    bool Mounted = false;
};

// Makes the folder read-only for this process, also when it runs as root: root's
// writes ignore permissions, so the child gives up root for the unprivileged user
// first. Call only in the child. False when that is impossible.
bool MakeReadOnly(const std::vector<std::string>& folders, std::string& why);

// Hands the folder and all in it to the user a child becomes when it gives up root
// (nobody when running as root, else this user), with the usual permissions, so that
// only the folders made read-only are. Also undoes MakeReadOnly once the child is gone.
void HandToChild(const std::string& folder);

} // namespace cvn::test
