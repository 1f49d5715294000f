#include "media/FileStream.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

class FileStreamTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string bytes;
        for (int i = 0; i < 300; ++i) {
            bytes.push_back(static_cast<char>(i & 0xFF));
        }
        dir_.Write("data.bin", bytes);
        ASSERT_EQ(1, stream_.OpenFile(dir_.File("data.bin").c_str(), FileStream::kGenericRead,
                                      FileStream::kFileShareRead, FileStream::kOpenExisting, 0));
    }

    test::TempDir dir_;
    FileStream stream_;
};

TEST(FileStreamOpenTest, RefusesMissingNameMissingFileAndSecondOpen) {
    test::TempDir dir;
    FileStream stream;
    EXPECT_EQ("", stream.GetErrorText());
    EXPECT_EQ(0, stream.OpenFile(nullptr, FileStream::kGenericRead, 1, 3, 0));
    EXPECT_EQ("FileStream::OpenFile\n\nNeed file name!", stream.GetErrorText());
    EXPECT_EQ(0, stream.OpenFile(dir.File("absent.mp3").c_str(), FileStream::kGenericRead, 1,
                                 FileStream::kOpenExisting, 0));
    EXPECT_EQ("FileStream::OpenFile\n\nCan't open file!", stream.GetErrorText());
    // A directory opens on Linux but has no file size to read from.
    EXPECT_EQ(0, stream.OpenFile(dir.Path().c_str(), FileStream::kGenericRead, 1,
                                 FileStream::kOpenExisting, 0));
    EXPECT_EQ("FileStream::OpenFile\n\nCan't open file!", stream.GetErrorText());

    dir.Write("a", "abc");
    ASSERT_EQ(1, stream.OpenFile(dir.File("a").c_str(), FileStream::kGenericRead, 1,
                                 FileStream::kOpenExisting, 0));
    EXPECT_EQ(3u, stream.GetSize());
    EXPECT_EQ(0u, stream.GetPosition());
    EXPECT_EQ(0, stream.OpenFile(dir.File("a").c_str(), FileStream::kGenericRead, 1,
                                 FileStream::kOpenExisting, 0));
    EXPECT_EQ("FileStream::OpenFile\n\nStream already open.Close stream before!",
              stream.GetErrorText());
    EXPECT_EQ(3u, stream.GetSize());
}

// The open must not wait for a writer: a pipe named like an MP3 would freeze the bar.
TEST(FileStreamOpenTest, RefusesAPipeOrALinkToOneWithoutWaiting) {
    test::TempDir dir;
    ASSERT_EQ(0, ::mkfifo(dir.File("pipe.mp3").c_str(), 0600));
    ASSERT_EQ(0, ::symlink(dir.File("pipe.mp3").c_str(), dir.File("link.mp3").c_str()));
    for (const char* name : {"pipe.mp3", "link.mp3"}) {
        FileStream stream;
        EXPECT_EQ(0, stream.OpenFile(dir.File(name).c_str(), FileStream::kGenericRead,
                                     FileStream::kFileShareRead, FileStream::kOpenExisting, 0))
            << name;
        EXPECT_EQ("FileStream::OpenFile\n\nCan't open file!", stream.GetErrorText());
    }
    // A stream that did open reads blocking as before: the whole file in one call.
    dir.Write("real.mp3", std::string(5000, 'x'));
    ASSERT_EQ(0, ::symlink(dir.File("real.mp3").c_str(), dir.File("to-real.mp3").c_str()));
    FileStream stream;
    ASSERT_EQ(1, stream.OpenFile(dir.File("to-real.mp3").c_str(), FileStream::kGenericRead,
                                 FileStream::kFileShareRead, FileStream::kOpenExisting, 0));
    std::vector<char> buffer(8000);
    std::uint32_t read = 0;
    EXPECT_EQ(1, stream.Read(buffer.data(), 8000, &read));
    EXPECT_EQ(5000u, read);
}

TEST(FileStreamOpenTest, ClosedStreamRefusesSeekAndRead) {
    FileStream stream;
    EXPECT_EQ(0, stream.Seek(0, FileStream::kFileBegin));
    EXPECT_EQ("FileStream::Seek\n\nStream isn't open!", stream.GetErrorText());
    char buffer[4];
    std::uint32_t read = 77;
    EXPECT_EQ(0, stream.Read(buffer, 4, &read));
    EXPECT_EQ(77u, read);
}

TEST_F(FileStreamTest, SeekChecksBoundsForEveryMethod) {
    const std::string outOfBounds =
        "FileStream::Seek\n\nCan't seek stream !\nlDistanceToMove out of bounds.";
    EXPECT_EQ(1, stream_.Seek(300, FileStream::kFileBegin));
    EXPECT_EQ(300u, stream_.GetPosition());
    EXPECT_EQ(0, stream_.Seek(301, FileStream::kFileBegin));
    EXPECT_EQ(outOfBounds, stream_.GetErrorText());
    EXPECT_EQ(0, stream_.Seek(-1, FileStream::kFileBegin));
    EXPECT_EQ(300u, stream_.GetPosition());

    ASSERT_EQ(1, stream_.Seek(2, FileStream::kFileBegin));
    EXPECT_EQ(0, stream_.Seek(-3, FileStream::kFileCurrent));
    EXPECT_EQ(outOfBounds, stream_.GetErrorText());
    EXPECT_EQ(2u, stream_.GetPosition());
    EXPECT_EQ(1, stream_.Seek(-2, FileStream::kFileCurrent));
    EXPECT_EQ(0u, stream_.GetPosition());
    EXPECT_EQ(1, stream_.Seek(298, FileStream::kFileCurrent));
    EXPECT_EQ(0, stream_.Seek(3, FileStream::kFileCurrent));
    EXPECT_EQ(1, stream_.Seek(2, FileStream::kFileCurrent));
    EXPECT_EQ(300u, stream_.GetPosition());

    ASSERT_EQ(1, stream_.Seek(10, FileStream::kFileBegin));
    EXPECT_EQ(1, stream_.Seek(0, FileStream::kFileEnd));
    EXPECT_EQ(300u, stream_.GetPosition());
    EXPECT_EQ(0, stream_.Seek(1, FileStream::kFileEnd));
    EXPECT_EQ(outOfBounds, stream_.GetErrorText());
    EXPECT_EQ(1, stream_.Seek(-300, FileStream::kFileEnd));
    EXPECT_EQ(0u, stream_.GetPosition());
    EXPECT_EQ(0, stream_.Seek(-301, FileStream::kFileEnd));

    // Unknown methods are not bounds-checked; the file layer refuses them.
    EXPECT_EQ(0, stream_.Seek(0, 7));
    EXPECT_EQ("FileStream::Seek\n\nCan't seek file pointer!", stream_.GetErrorText());
    EXPECT_EQ(0u, stream_.GetPosition());
}

TEST_F(FileStreamTest, ReadClampsToTheEndAndFailsThere) {
    std::vector<unsigned char> buffer(8192, 0xEE);
    std::uint32_t read = 0;
    ASSERT_EQ(1, stream_.Seek(200, FileStream::kFileBegin));
    EXPECT_EQ(1, stream_.Read(buffer.data(), 8192, &read));
    EXPECT_EQ(100u, read);
    EXPECT_EQ(200, buffer[0]);
    EXPECT_EQ(43, buffer[99]);  // byte 299
    EXPECT_EQ(0xEE, buffer[100]);
    EXPECT_EQ(300u, stream_.GetPosition());

    read = 5;
    EXPECT_EQ(0, stream_.Read(buffer.data(), 4, &read));
    EXPECT_EQ(0u, read);
    EXPECT_EQ("FileStream::Read\n\nCan't read from file", stream_.GetErrorText());
    EXPECT_EQ(300u, stream_.GetPosition());

    // The file pointer was put back: a read after seeking continues correctly.
    ASSERT_EQ(1, stream_.Seek(-4, FileStream::kFileCurrent));
    EXPECT_EQ(1, stream_.Read(buffer.data(), 4, &read));
    EXPECT_EQ(4u, read);
    EXPECT_EQ(296 & 0xFF, buffer[0]);
}

TEST_F(FileStreamTest, ReadRejectsNullArgumentsBeforeTouchingThePosition) {
    char buffer[4];
    EXPECT_EQ(0, stream_.Read(buffer, 4, nullptr));
    EXPECT_EQ("FileStream::Read\n\nlpNumberOfBytesRead can't be 0 !", stream_.GetErrorText());
    std::uint32_t read = 9;
    EXPECT_EQ(0, stream_.Read(nullptr, 4, &read));
    EXPECT_EQ(0u, read);
    EXPECT_EQ("FileStream::Read\n\nlpBuffer can't be 0 !", stream_.GetErrorText());
    EXPECT_EQ(0u, stream_.GetPosition());
    EXPECT_EQ(1, stream_.Read(buffer, 4, &read));
    EXPECT_EQ(3, buffer[3]);
}

TEST(FileStreamLargeTest, LongAndShortReadsAgreeWithTheFileAcrossSeeks) {
    test::TempDir dir;
    std::string bytes(200000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    }
    dir.Write("big.bin", bytes);
    FileStream stream;
    ASSERT_EQ(1, stream.OpenFile(dir.File("big.bin").c_str(), FileStream::kGenericRead, 1,
                                 FileStream::kOpenExisting, 0));
    std::string out(100000, '\0');
    std::uint32_t read = 0;
    ASSERT_EQ(1, stream.Seek(50000, FileStream::kFileBegin));
    ASSERT_EQ(1, stream.Read(out.data(), 100000, &read));
    EXPECT_EQ(100000u, read);
    EXPECT_TRUE(out == bytes.substr(50000, 100000));
    // Small reads straddling what was read ahead, backwards and forwards.
    for (std::int32_t step : {-3, -70000, 65533, 1, -1}) {
        ASSERT_EQ(1, stream.Seek(step, FileStream::kFileCurrent));
        const std::uint32_t at = stream.GetPosition();
        ASSERT_EQ(1, stream.Read(out.data(), 5, &read));
        EXPECT_EQ(bytes.substr(at, 5), out.substr(0, 5)) << step;
    }
    ASSERT_EQ(1, stream.Seek(-2, FileStream::kFileEnd));
    ASSERT_EQ(1, stream.Read(out.data(), 8192, &read));
    EXPECT_EQ(2u, read);
    EXPECT_EQ(0, stream.Read(out.data(), 1, &read));
}

}  // namespace
}  // namespace quivlane
