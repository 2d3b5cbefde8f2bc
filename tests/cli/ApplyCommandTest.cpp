// tarvikctl end to end on the simulated mouse: apply on a fresh data folder writes the whole
// sequence, scrambled, saves the files, and the wire log shows it in order.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "base/SafeFile.h"
#include "cli/Commands.h"
#include "device/ScrambleKey.h"
#include "device/Scrambler.h"
#include "settings/ConfigFile.h"
#include "simulator/SimulatorBackend.h"

namespace {

using namespace tarvik;
namespace fs = std::filesystem;

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("tarvikctl-" + std::to_string(::getpid()) + "-" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempDir() { fs::remove_all(path); }
    ~TempDir() { fs::remove_all(path); }
};

std::vector<std::uint8_t> unhex(const std::string& text) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) bytes.push_back(std::stoi(text.substr(i, 2), nullptr, 16));
    return bytes;
}

int run(std::vector<std::string> args, std::string* out = nullptr, std::string* err = nullptr,
        const cli::CommandSeams& seams = {}) {
    auto parsed = cli::parseCommandLine(args);
    EXPECT_TRUE(parsed.options) << parsed.error;
    std::ostringstream o, e;
    const int code = cli::runCommand(*parsed.options, o, e, seams);
    if (out) *out = o.str();
    if (err) *err = e.str();
    return code;
}

TEST(ApplyCommand, FreshDataFolderGetsTheWholeScrambledSequenceAndSavedFiles) {
    TempDir dir;
    const fs::path wire = dir.path / "wire.txt";
    ASSERT_EQ(run({"--simulate", "--data-dir", dir.path.string(), "--wire-log", wire.string(), "apply"}), 0);

    // The factory file was copied in, then saved by the apply with its first-run flag set.
    std::ifstream config(dir.path / "config.bin", std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(config), {}};
    ASSERT_EQ(bytes.size(), kConfigFileSize);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_TRUE(fs::exists(dir.path / "str.ini"));

    // After the key line every packet is scrambled; unscrambled, the opcodes run in order.
    std::ifstream log(wire);
    std::string kind, hex;
    std::vector<int> opcodes;
    unsigned pauses = 0;
    bool keySeen = false;
    while (log >> kind >> hex) {
        if (kind == "KEY") {
            keySeen = true;
            EXPECT_EQ(hex, "54347276216b");
        } else if (kind == "PAUSE") {
            pauses += static_cast<unsigned>(std::stoul(hex));
        } else if (kind == "SET_FEATURE" && keySeen) {
            auto report = unhex(hex);
            ASSERT_EQ(report.size(), 9u);
            EXPECT_EQ(report[0], 0) << "the report id is never scrambled";
            Unscramble(std::span<std::uint8_t, 8>(report.data() + 1, 8), scrambleKey());
            opcodes.push_back(report[1]);
        }
    }
    std::vector<int> expected{0x83, 0x03, 0x01, 0x8D, 0x87, 0x87, 0x90, 0x90, 0x10, 0x10, 0x07, 0x07, 0x0D, 0x11};
    expected.insert(expected.end(), 12, 0x13);
    expected.insert(expected.end(), 12, 0x93);
    expected.insert(expected.end(), 4, 0x12);
    EXPECT_EQ(opcodes, expected);
    EXPECT_EQ(pauses, 2 * 5 + 249u) << "two handshake attempts of 5 ms, then the apply's 249 ms";
}

TEST(ApplyCommand, ShowAndCaptionsReadTheSavedFiles) {
    TempDir dir;
    ASSERT_EQ(run({"--simulate", "--data-dir", dir.path.string(), "apply"}), 0);
    std::string shown, captions;
    ASSERT_EQ(run({"--simulate=1", "--data-dir", dir.path.string(), "show"}, &shown), 0);
    EXPECT_NE(shown.find("DPI Setting (1)"), std::string::npos) << shown;
    EXPECT_NE(shown.find("07 00 03 00  DPI Switch: DPI Loop"), std::string::npos) << shown;
    ASSERT_EQ(run({"--data-dir", dir.path.string(), "captions"}, &captions), 0);
    EXPECT_NE(captions.find("Item13=Left Click"), std::string::npos) << captions;

    // With "Lan=CHS" every heading and label comes from the Chinese catalogue.
    std::ofstream(dir.path / "str.ini", std::ios::app) << "[Skins]\nLan=CHS\n";
    ASSERT_EQ(run({"--simulate", "--data-dir", dir.path.string(), "show"}, &shown), 0);
    for (const char* chinese :
         {"按键设置", "左键", "DPI设置", "报告率设置", "DPI显示特效", "标准模式", "宏设置", "循环次数"})
        EXPECT_NE(shown.find(chinese), std::string::npos) << chinese << '\n' << shown;
    for (const char* english : {"Left Click", "Key Setting", "Standard", "Loop Times"})
        EXPECT_EQ(shown.find(english), std::string::npos) << english << '\n' << shown;
}

using Bytes = std::vector<char>;

// Transfers on the command collection before the apply's first command: discovery, the
// handshake and the sensor synchronisation.
constexpr int kTransfersBeforeApply = 7;

Bytes readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeAll(const fs::path& file, const Bytes& bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A whole "config.bin" with this first-run flag and an all-zero record.
Bytes goodConfig(char flag) {
    Bytes bytes(kConfigFileSize, 0);
    bytes[0] = flag;
    return bytes;
}

// Runs `command` with the simulated mouse and a wire log in `dir`.
int runIn(const TempDir& dir, const std::string& command, std::string* out, std::string* err,
          const cli::CommandSeams& seams = {}, const fs::path& dataDir = {}) {
    return run({"--simulate", "--data-dir", (dataDir.empty() ? dir.path : dataDir).string(), "--wire-log",
                (dir.path / "wire.txt").string(), command},
               out, err, seams);
}

// The files of the data folder as they are: a folder, a link or a file's bytes.
std::string snapshot(const fs::path& path) {
    if (fs::is_symlink(path)) return "link to " + fs::read_symlink(path).string();
    if (fs::is_directory(path)) return "folder";
    if (!fs::exists(path)) return "nothing";
    const Bytes bytes = readAll(path);
    return std::string(bytes.begin(), bytes.end());
}

// A config.bin that cannot be loaded stops apply and compile: exit 1, one message naming the
// file and the reason, nothing sent to the mouse, the file as it was.
TEST(ApplyCommand, AConfigThatCannotBeLoadedIsRefusedAndLeftAlone) {
    struct Case {
        const char* what;
        std::function<fs::path(const fs::path& dir)> make;  // sets up and returns the data folder
        std::string reason;
    };
    const Case cases[] = {
        {"a folder in its place",
         [](const fs::path& d) {
             fs::create_directories(d / "config.bin");
             return d;
         },
         "Is a directory"},
        {"one byte too many",
         [](const fs::path& d) {
             writeAll(d / "config.bin", Bytes(kConfigFileSize + 1, 7));
             return d;
         },
         "wrong size 1987"},
        {"1 MB",
         [](const fs::path& d) {
             writeAll(d / "config.bin", Bytes(1 << 20, 7));
             return d;
         },
         "wrong size 1048576"},
        {"a link to nothing",
         [](const fs::path& d) {
             fs::create_symlink(d / "gone.bin", d / "config.bin");
             return d;
         },
         "dangling symbolic link"},
        {"the read fails",
         [](const fs::path& d) {
             writeAll(d / "config.bin", goodConfig(1));
             fileIoHooks().read = [](int, void*, std::size_t) -> ssize_t { return errno = EIO, -1; };
             return d;
         },
         "Input/output error"},
        {"--data-dir names a file",
         [](const fs::path& d) {
             writeAll(d / "plain", Bytes(3, 'x'));
             return d / "plain";
         },
         "Not a directory"},
    };
    for (const char* command : {"apply", "compile"}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(command) + ", " + c.what);
            TempDir dir;
            fs::create_directories(dir.path);
            const fs::path data = c.make(dir.path);
            const fs::path config = data / "config.bin";
            const std::string before = snapshot(config);
            std::string out, err;
            const int code = runIn(dir, command, &out, &err, {}, data);
            fileIoHooks() = {};
            EXPECT_EQ(code, 1);
            EXPECT_EQ(err, "tarvikctl: cannot load " + config.string() + ": " + c.reason + "; nothing was changed\n");
            EXPECT_EQ(out, "");
            EXPECT_FALSE(fs::exists(dir.path / "wire.txt")) << "the mouse was spoken to";
            EXPECT_EQ(snapshot(config), before);
        }
    }
}

// Sets the immutable attribute (root on a file system that has it); false when it cannot.
bool setImmutable(const fs::path& file, bool on) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return done;
}

// A file that could not be written makes apply and compile fail without a "saved" line.
TEST(ApplyCommand, AFileThatCannotBeWrittenFailsTheCommand) {
    const bool root = ::geteuid() == 0;
    struct Case {
        const char* what;
        std::function<bool(const fs::path& dir)> make;  // false: this state cannot be made here
        std::function<void(const fs::path& dir)> undo;
        std::vector<std::string> failing;  // the commands that must fail
    };
    const auto nothing = [](const fs::path&) {};
    const Case cases[] = {
        {"config.bin immutable",
         [](const fs::path& d) { return setImmutable(d / "config.bin", true); },
         [](const fs::path& d) { setImmutable(d / "config.bin", false); },
         {"apply", "compile"}},
        {"config.bin read only",
         [root](const fs::path& d) { return !root && ::chmod((d / "config.bin").c_str(), 0444) == 0; },
         nothing,
         {"apply", "compile"}},
        {"the folder read only",
         [root](const fs::path& d) { return !root && ::chmod(d.c_str(), 0555) == 0; },
         [](const fs::path& d) { ::chmod(d.c_str(), 0755); },
         {"apply", "compile"}},
        {"str.ini a folder", [](const fs::path& d) { return fs::create_directory(d / "str.ini"); }, nothing, {"apply"}},
        {"str.ini read only",
         [root](const fs::path& d) {
             writeAll(d / "str.ini", Bytes{'\n'});
             return !root && ::chmod((d / "str.ini").c_str(), 0444) == 0;
         },
         nothing,
         {"apply"}},
        {"record.ini a folder",
         [](const fs::path& d) { return fs::create_directory(d / "record.ini"); },
         nothing,
         {"compile"}},
        {"the disk is full",
         [](const fs::path&) {
             fileIoHooks().write = [](int, const void*, std::size_t) -> ssize_t { return errno = ENOSPC, -1; };
             return true;
         },
         [](const fs::path&) { fileIoHooks() = {}; },
         {"apply", "compile"}},
    };
    for (const auto& c : cases) {
        for (const auto& command : c.failing) {
            SCOPED_TRACE(command + ", " + c.what);
            TempDir dir;
            fs::create_directories(dir.path);
            writeAll(dir.path / "config.bin", goodConfig(1));
            if (!c.make(dir.path)) {
                c.undo(dir.path);
                continue;  // e.g. no immutable files without root
            }
            const Bytes before = readAll(dir.path / "config.bin");
            std::string out, err;
            const int code = runIn(dir, command, &out, &err);
            c.undo(dir.path);
            EXPECT_NE(code, 0) << out << err;
            EXPECT_EQ(out.find("saved"), std::string::npos) << out;
            EXPECT_NE(err, "");
            if (command == "compile") {
                EXPECT_EQ(readAll(dir.path / "config.bin"), before);
            }
        }
    }
}

// The mouse is pulled out in the middle of an apply: the sequence still runs to its end and
// the files are saved, but the command fails and tells after how many commands.
TEST(ApplyCommand, AMouseThatStopsAnsweringFailsTheApply) {
    struct Case {
        int transfers;     // of the whole run: discovery, handshake and sensor sync come first
        std::string told;  // empty: the apply succeeds
    };
    const Case cases[] = {
        {kTransfersBeforeApply, "the mouse stopped answering after 0 of 40 commands"},
        {kTransfersBeforeApply + 1, "the mouse stopped answering after 1 of 40 commands"},
        {kTransfersBeforeApply + 2, "the mouse stopped answering after 1 of 40 commands"},  // the answer is lost
        {kTransfersBeforeApply + 160, "the mouse stopped answering after 38 of 40 commands"},
        {kTransfersBeforeApply + 165, "the mouse stopped answering after 39 of 40 commands"},  // the last chunk
        {kTransfersBeforeApply + 166, ""},  // gone right after the last transfer: all arrived
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.transfers);
        TempDir dir;
        fs::create_directories(dir.path);
        writeAll(dir.path / "config.bin", goodConfig(0));
        cli::CommandSeams seams;
        seams.simulator = [&](simulator::SimulatorBackend& sim) { sim.unplugAfterTransfers(c.transfers); };
        std::string out, err;
        const int code = runIn(dir, "apply", &out, &err, seams);
        if (c.told.empty()) {
            EXPECT_EQ(code, 0) << err;
            EXPECT_EQ(err.find("stopped"), std::string::npos) << err;
        } else {
            EXPECT_EQ(code, 1);
            EXPECT_NE(err.find("tarvikctl: " + c.told + "\n"), std::string::npos) << err;
        }
        EXPECT_EQ(readAll(dir.path / "config.bin")[0], 1) << "config.bin was not saved";
    }
}

}  // namespace
