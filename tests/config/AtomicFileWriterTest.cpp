#include "config/AtomicFileWriter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "support/TempDir.h"

namespace quivlane {
namespace {

TEST(AtomicFileWriterTest, ShortAndInterruptedWritesStillWriteEverything) {
    test::TempDir dir;
    const std::string path = dir.File("f");
    int call = 0;
    const AtomicFileWriter writer([&](int fd, const void* data, std::size_t size) {
        if (++call % 3 == 0) {
            errno = EINTR;
            return ssize_t{-1};
        }
        return ::write(fd, data, size < 7 ? size : 7);
    });
    const std::string contents(1000, 'x');
    ASSERT_TRUE(writer.Replace(path, contents));
    EXPECT_EQ(dir.Read("f"), contents);
}

TEST(AtomicFileWriterTest, NewFileFollowsUmaskReadOnlyFileRefused) {
    test::TempDir dir;
    const std::string path = dir.File("f");
    const mode_t old = ::umask(027);
    const bool written = AtomicFileWriter().Replace(path, "a");
    ::umask(old);
    ASSERT_TRUE(written);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    EXPECT_TRUE(AtomicFileWriter::IsWritableFile(path));
    ASSERT_EQ(::chmod(path.c_str(), 0400), 0);
    EXPECT_FALSE(AtomicFileWriter::IsWritableFile(path));
    EXPECT_FALSE(AtomicFileWriter().Replace(path, "b"));
    EXPECT_EQ(dir.Read("f"), "a");
    EXPECT_FALSE(AtomicFileWriter::IsWritableFile(dir.Path().string()));
    EXPECT_FALSE(AtomicFileWriter::IsWritableFile(dir.File("absent")));
}

}  // namespace
}  // namespace quivlane
