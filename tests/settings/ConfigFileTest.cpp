// "config.bin": size check, first-run flag, byte-exact round trip, the user-visible messages,
// and a save that fails part-way leaving the old file whole.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <string>

#include "TempFolder.h"
#include "base/SafeFile.h"
#include "platform/fake/RecordingSink.h"
#include "settings/ConfigFile.h"

namespace tarvik {
namespace {

using platform::RecordingSink;
using Bytes = std::vector<unsigned char>;
using Message = RecordingSink::Message;

const Message kMissing{"Config file is not exist.", ""};

class ConfigFileTest : public testing::Test {
protected:
    test::TempFolder folder;
    ConfigFile file{folder / "config.bin", 0};
    RecordingSink sink;

    static ConfigRecord marked() {
        ConfigRecord record{};
        record.lightMode = 3;
        record.reserved1920 = {9, 8, 7, 6, 5};
        return record;
    }
    // A 1986-byte file: the flag, then record byte i = (i * 7 + 3) mod 256.
    static Bytes patternFile(unsigned char flag) {
        Bytes bytes{flag};
        for (std::size_t i = 0; i < kConfigRecordSize; ++i) bytes.push_back(static_cast<unsigned char>(i * 7 + 3));
        return bytes;
    }
};

TEST_F(ConfigFileTest, OnlyAFileOfExactly1986BytesLoads) {
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{1985}, std::size_t{1986}, std::size_t{1987}}) {
        SCOPED_TRACE("size " + std::to_string(size));
        test::writeBytes(file.path, Bytes(size, 0x5A));
        file.firstRunFlag = 2;
        ConfigRecord record = marked();
        LoadConfig(file, record, sink);
        if (size == kConfigFileSize) {
            EXPECT_EQ(file.firstRunFlag, 0x5A);
            RecordBytes loaded{};
            loaded.fill(0x5A);
            EXPECT_EQ(toBytes(record), loaded);
        } else {
            EXPECT_EQ(file.firstRunFlag, 2);
            EXPECT_EQ(record, marked());
        }
    }
    EXPECT_TRUE(sink.messages.empty());  // a wrong size is ignored silently
}

TEST_F(ConfigFileTest, FirstRunFlagZeroLoadsTheRecordAndStaysAFirstRun) {
    test::writeBytes(file.path, patternFile(0));
    file.firstRunFlag = 1;
    ConfigRecord record{};
    LoadConfig(file, record, sink);
    EXPECT_EQ(file.firstRunFlag, 0);
    EXPECT_EQ(record.buttonsModeA[1], 10);
    EXPECT_EQ(record.buttonsModeBExtra[11], static_cast<Byte>(1984 * 7 + 3));
    EXPECT_EQ(sink.traces, std::vector<std::string>{"Prpgram First Run Flag:0\nRead Size is: 1985"});
}

TEST_F(ConfigFileTest, MissingFileIsReportedOnLoadAndSaveAndNeverCreated) {
    ConfigRecord record = marked();
    LoadConfig(file, record, sink);
    SaveConfig(file, record, sink);
    EXPECT_EQ(sink.messages, (std::vector<Message>{kMissing, kMissing}));
    EXPECT_EQ(record, marked());
    EXPECT_FALSE(std::filesystem::exists(file.path));
    EXPECT_EQ(file.firstRunFlag, 0);
}

TEST_F(ConfigFileTest, SaveWritesFlagOneAndEveryByteLoadedIncludingReserved) {
    const Bytes original = patternFile(0);
    test::writeBytes(file.path, original);
    ConfigRecord record{};
    LoadConfig(file, record, sink);
    SaveConfig(file, record, sink);

    Bytes expected = original;
    expected[0] = 1;
    EXPECT_EQ(test::readBytes(file.path), expected);
    EXPECT_EQ(file.firstRunFlag, 1);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(sink.traces.back(), "Data num:1 BYTE -1985 BYTE\n Struct size:1985 BYTE");
    EXPECT_FALSE(std::filesystem::exists(folder / "config.bin.tmp"));
}

TEST_F(ConfigFileTest, SaveKeepsTheFilePermissionsAndIgnoresALeftoverTemporaryFile) {
    test::writeBytes(file.path, patternFile(1));
    ::chmod(file.path.c_str(), 0600);
    test::writeBytes(folder / "config.bin.tmp", Bytes(5, 0xFF));  // an interrupted earlier save
    SaveConfig(file, marked(), sink);
    EXPECT_TRUE(sink.messages.empty());
    struct stat info {};
    ASSERT_EQ(::stat(file.path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(test::readBytes(file.path).size(), kConfigFileSize);
}

TEST_F(ConfigFileTest, FileThatCannotBeOpenedForWritingIsReportedWithItsErrorCode) {
    std::filesystem::create_directory(file.path);  // exists, but no file can be written there
    SaveConfig(file, marked(), sink);
    EXPECT_EQ(sink.messages,
              (std::vector<Message>{{"Error Code is: " + std::to_string(EISDIR) + " \n", "NULL ==fp "}}));
    EXPECT_EQ(file.firstRunFlag, 0);
}

// A child process saves under a file-size limit that cuts the write short, as a full disk
// would; the old file must come through whole and the failure must be reported.
TEST_F(ConfigFileTest, SaveThatFailsPartWayLeavesTheOldFileWhole) {
    const Bytes original = patternFile(1);
    test::writeBytes(file.path, original);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        RecordingSink childSink;
        SaveConfig(file, marked(), childSink);
        const bool reported = childSink.messages.size() == 1 && childSink.messages[0].caption == "NULL ==fp " &&
                              childSink.messages[0].text == "Error Code is: " + std::to_string(EFBIG) + " \n";
        ::_exit(reported ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed save was not reported";
    EXPECT_EQ(test::readBytes(file.path), original);
    EXPECT_FALSE(std::filesystem::exists(folder / "config.bin.tmp"));
}

// Each state of a file that cannot be used says why, and leaves the record and flag alone.
TEST_F(ConfigFileTest, ALoadThatFailsSaysWhy) {
    namespace fs = std::filesystem;
    using S = ConfigLoad::Status;
    struct Case {
        const char* what;
        std::function<fs::path()> make;  // returns the path to load
        S status;
        std::string reason;
    };
    const auto fileAt = [&](const char* name, std::size_t size) {
        test::writeBytes(folder / name, Bytes(size, 0x5A));
        return folder / name;
    };
    const Case cases[] = {
        {"no file", [&] { return folder / "none.bin"; }, S::Missing, "No such file or directory"},
        {"a folder in its place",
         [&] {
             fs::create_directory(folder / "dir.bin");
             return folder / "dir.bin";
         },
         S::Unreadable, "Is a directory"},
        {"one byte too many", [&] { return fileAt("long.bin", kConfigFileSize + 1); }, S::WrongSize, "wrong size 1987"},
        {"1 MB", [&] { return fileAt("huge.bin", 1 << 20); }, S::WrongSize, "wrong size 1048576"},
        {"empty", [&] { return fileAt("empty.bin", 0); }, S::WrongSize, "wrong size 0"},
        {"the data folder is a file", [&] { return fileAt("plain", 3) / "config.bin"; }, S::Unreadable,
         "Not a directory"},
        {"a link to nothing",
         [&] {
             fs::create_symlink(folder / "gone", folder / "link.bin");
             return folder / "link.bin";
         },
         S::DanglingLink, "dangling symbolic link"},
        {"the read fails",
         [&] {
             fileIoHooks().read = [](int, void*, std::size_t) -> ssize_t { return errno = EIO, -1; };
             return fileAt("eio.bin", kConfigFileSize);
         },
         S::Unreadable, "Input/output error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ConfigFile config{c.make(), 7};
        ConfigRecord record = marked();
        const ConfigLoad load = ReadConfigFile(config, record);
        fileIoHooks() = {};
        EXPECT_EQ(load.status, c.status);
        EXPECT_EQ(load.reason(), c.reason);
        EXPECT_EQ(config.firstRunFlag, 7);
        EXPECT_EQ(record, marked());
    }
}

// The window runs on from an all-zero record when the file cannot be used; its first save
// keeps the old bytes beside the file and says where, once.
TEST_F(ConfigFileTest, TheFirstSaveOverAFileThatCouldNotBeLoadedKeepsItsBytes) {
    struct Case {
        const char* what;
        Bytes old;
        bool readFails;
    };
    const Case cases[] = {
        {"one byte too many", Bytes(kConfigFileSize + 1, 0x33), false},
        {"1 MB", Bytes(1 << 20, 0x44), false},
        {"the read fails", patternFile(1), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder here;
        ConfigFile config{here / "config.bin"};
        test::writeBytes(config.path, c.old);
        if (c.readFails) fileIoHooks().read = [](int, void*, std::size_t) -> ssize_t { return errno = EIO, -1; };
        RecordingSink messages;
        ConfigRecord record{};
        LoadConfig(config, record, messages);
        fileIoHooks() = {};
        EXPECT_TRUE(messages.messages.empty()) << "the load stays silent";

        ASSERT_FALSE(SaveConfig(config, marked(), messages));
        ASSERT_FALSE(SaveConfig(config, marked(), messages));
        EXPECT_EQ(test::readBytes(here / "config.bin.bad"), c.old);
        EXPECT_EQ(test::readBytes(config.path).size(), kConfigFileSize);
        ASSERT_EQ(messages.messages.size(), 1u) << "said once";
        EXPECT_NE(messages.messages[0].text.find((here / "config.bin.bad").string()), std::string::npos)
            << messages.messages[0].text;
    }
}

TEST_F(ConfigFileTest, AnEarlierKeptFileIsNeverOverwritten) {
    test::writeBytes(folder / "config.bin.bad", Bytes(3, 0x01));
    test::writeBytes(file.path, Bytes(5, 0x02));
    ConfigRecord record{};
    LoadConfig(file, record, sink);
    ASSERT_FALSE(SaveConfig(file, record, sink));
    EXPECT_EQ(test::readBytes(folder / "config.bin.bad"), Bytes(3, 0x01));
    EXPECT_EQ(test::readBytes(folder / "config.bin.bad-2"), Bytes(5, 0x02));
}

}  // namespace
}  // namespace tarvik
