#include "fetch/file_writing.h"

#include "temp_dir.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// A written file gets the permissions the process's umask gives any new file, without the process's
// umask being changed on the way (other threads create files meanwhile).
TEST(FileWriting, NewFilesFollowTheUmask) {
    const test::TempDir dir;
    const mode_t previous = umask(027);
    const std::string path = (dir.Path() / "out.txt").string();
    std::string reason;
    const bool written = WriteFileAtomically(path, "text", reason, false);
    struct stat status {};
    const bool found = stat(path.c_str(), &status) == 0;
    umask(previous);
    ASSERT_TRUE(written) << reason;
    ASSERT_TRUE(found);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

} // namespace
} // namespace quorvel
