#include "base/AtomicFileWriter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "tests/support/TempDir.h"
#include "tests/support/Unprivileged.h"

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

struct stat StatOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info;
}

// A folder the unprivileged user owns, inside a temporary folder it may enter.
class UnprivilegedFolder {
  public:
    explicit UnprivilegedFolder(const test::UnprivilegedUser& user) : path_(dir_.File("dossier")) {
        ::chmod(dir_.Path().c_str(), 0755);
        ::mkdir(path_.c_str(), 0755);
        (void)::chown(path_.c_str(), user.uid, user.gid);
    }
    ~UnprivilegedFolder() { ::chmod(path_.c_str(), 0755); }
    UnprivilegedFolder(const UnprivilegedFolder&) = delete;
    UnprivilegedFolder& operator=(const UnprivilegedFolder&) = delete;
    const std::string& Path() const { return path_; }

  private:
    test::TempDir dir_;
    std::string path_;
};

std::string WriteAsUnprivileged(const std::string& path, const std::string& contents) {
    return test::RunUnprivileged([&] {
               const SaveOutcome outcome = AtomicFileWriter().Write(path, contents);
               return outcome.Ok() ? std::string("ok") : outcome.path;
           })
        .value_or("no child");
}

TEST(AtomicFileWriterTest, FolderThatTakesNoNewFileGetsTheFileRewrittenInPlace) {
    const auto user = test::FindUnprivilegedUser();
    if (!user) {
        GTEST_SKIP() << "no unprivileged user to run as";
    }
    UnprivilegedFolder folder(*user);
    const std::string path = folder.Path() + "/Quivlane.xml";
    test::WriteFile(path, std::string(5000, 'a'));
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    (void)::chown(path.c_str(), user->uid, user->gid);
    const ino_t inode = StatOf(path).st_ino;
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0555), 0);

    EXPECT_EQ(WriteAsUnprivileged(path, "court"), "ok");
    EXPECT_EQ(test::ReadFile(path), "court");  // shorter: the old tail is cut off
    EXPECT_EQ(StatOf(path).st_ino, inode);
    EXPECT_EQ(WriteAsUnprivileged(path, std::string(9000, 'b')), "ok");
    EXPECT_EQ(test::ReadFile(path), std::string(9000, 'b'));
    // A new file cannot be made there, and the failure names the folder.
    EXPECT_EQ(WriteAsUnprivileged(folder.Path() + "/autre.xml", "x"), folder.Path());
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
}

TEST(AtomicFileWriterTest, OwnerGroupAndModeSurviveEverySave) {
    const auto user = test::FindUnprivilegedUser();
    if (::geteuid() != 0 || !user) {
        GTEST_SKIP() << "giving files to other users needs root";
    }
    const gid_t otherGroup = user->gid == 100 ? 0 : 100;
    UnprivilegedFolder folder(*user);
    const std::string path = folder.Path() + "/Quivlane.xml";
    const auto make = [&](uid_t uid, gid_t gid, mode_t mode) {
        ::unlink(path.c_str());
        test::WriteFile(path, "ancien");
        ASSERT_EQ(::chown(path.c_str(), uid, gid), 0);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    };
    const auto expectKept = [&](uid_t uid, gid_t gid, mode_t mode, const char* contents) {
        const struct stat info = StatOf(path);
        EXPECT_EQ(info.st_uid, uid);
        EXPECT_EQ(info.st_gid, gid);
        EXPECT_EQ(info.st_mode & 07777, mode);
        EXPECT_EQ(test::ReadFile(path), contents);
    };

    // Root can give the new file both: the save stays atomic (a new inode).
    make(user->uid, otherGroup, 0640);
    const ino_t before = StatOf(path).st_ino;
    ASSERT_TRUE(AtomicFileWriter().Replace(path, "root"));
    expectKept(user->uid, otherGroup, 0640, "root");
    EXPECT_NE(StatOf(path).st_ino, before);

    // A group member who does not own the file: its owner cannot be given back.
    make(0, user->gid, 0664);
    EXPECT_EQ(WriteAsUnprivileged(path, "membre"), "ok");
    expectKept(0, user->gid, 0664, "membre");

    // The owner, not in the file's group: the group cannot be given back.
    make(user->uid, otherGroup, 0666);
    EXPECT_EQ(WriteAsUnprivileged(path, "proprietaire"), "ok");
    expectKept(user->uid, otherGroup, 0666, "proprietaire");
}

TEST(AtomicFileWriterTest, LinksAreFollowedAndKeptEvenWhenDangling) {
    test::TempDir dir;
    ASSERT_EQ(::mkdir(dir.File("vrai").c_str(), 0755), 0);
    // A relative chain of two links whose last target does not exist yet.
    ASSERT_EQ(::symlink("vrai/second", dir.File("lien").c_str()), 0);
    ASSERT_EQ(::symlink("Quivlane.xml", dir.File("vrai/second").c_str()), 0);
    ASSERT_TRUE(AtomicFileWriter().Replace(dir.File("lien"), "un"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("lien")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("vrai/second")));
    EXPECT_EQ(dir.Read("vrai/Quivlane.xml"), "un");
    ASSERT_TRUE(AtomicFileWriter().Replace(dir.File("lien"), "deux"));
    EXPECT_EQ(dir.Read("vrai/Quivlane.xml"), "deux");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("lien")));
    // A link into a folder that does not exist: refused, the link left alone.
    ASSERT_EQ(::symlink("absent/x.xml", dir.File("perdu").c_str()), 0);
    EXPECT_EQ(AtomicFileWriter().Write(dir.File("perdu"), "x").failure, SaveFailure::CannotCreate);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("perdu")));
}

TEST(AtomicFileWriterTest, TemporariesOfAKilledWriterAreRemovedByTheNextSave) {
    test::TempDir dir;
    dir.Write("Quivlane.xml", "ancien");
    dir.Write(".Quivlane.xml.123456.tmp", "reste");
    dir.Write(".Quivlane.xml.abc.tmp", "pas a nous");
    ASSERT_TRUE(AtomicFileWriter().Replace(dir.File("Quivlane.xml"), "neuf"));
    EXPECT_FALSE(std::filesystem::exists(dir.File(".Quivlane.xml.123456.tmp")));
    EXPECT_TRUE(std::filesystem::exists(dir.File(".Quivlane.xml.abc.tmp")));
    EXPECT_EQ(dir.Read("Quivlane.xml"), "neuf");
}

}  // namespace
}  // namespace quivlane
