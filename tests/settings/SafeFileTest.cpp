// Saving the data files ("config.bin", "str.ini", "record.ini", the desktop's KDE files): a
// write that fails part-way, two savers at once, leftovers of a killed saver and symbolic
// links. Whatever happens, the file on disk is the old one or the new one, whole.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <functional>
#include <mutex>
#include <set>
#include <thread>

#include "TempFolder.h"
#include "base/ProfileFile.h"
#include "base/SafeFile.h"
#include "macros/MacroStore.h"
#include "platform/fake/RecordingSink.h"
#include "platform/linux/KdePointerSettings.h"
#include "settings/ConfigFile.h"
#include "settings/InterfaceSettings.h"

namespace tarvik {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

Bytes bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

// Puts the real system calls back when a test that replaced them ends.
struct HookGuard {
    ~HookGuard() { fileIoHooks() = {}; }
};

std::set<std::string> entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

Bytes configBytes(std::uint8_t flag, std::uint8_t fill) {
    Bytes bytes(kConfigFileSize, fill);
    bytes[0] = flag;
    return bytes;
}

// One way each data file is saved; `save` runs it in `folder` and says whether it reported
// a failure. Every file starts with more than a hundred bytes, so a limit of 100 cuts it.
struct Saver {
    const char* what;
    const char* file;
    Bytes before;
    std::function<bool(const fs::path& folder)> save;
};

const std::string kPadding = "; " + std::string(200, 'x') + "\n";

std::vector<Saver> savers() {
    return {
        {"config.bin", "config.bin", configBytes(1, 0x11),
         [](const fs::path& folder) {
             ConfigFile file{folder / "config.bin"};
             platform::RecordingSink sink;
             ConfigRecord record{};
             record.lightMode = 3;
             return static_cast<bool>(SaveConfig(file, record, sink));
         }},
        {"captions of str.ini", "str.ini", bytesOf(kPadding + "[Setting-EN]\nItem1=Old\n"),
         [](const fs::path& folder) {
             Captions captions;
             captions.modeA.fill("New caption");
             return static_cast<bool>(SaveCaptions(folder / "str.ini", "Setting-EN", captions));
         }},
        {"macro of record.ini", "record.ini", bytesOf(kPadding + "[Jump]\nItemCount=1\nItem0=old\n"),
         [](const fs::path& folder) {
             const std::vector<std::string> lines(20, "a new macro line");
             return static_cast<bool>(SaveMacroLines(folder / "record.ini", "Jump", lines));
         }},
        {"KDE's kdeglobals", "kdeglobals", bytesOf(kPadding + "[KDE]\nWheelScrollLines=5\n"),
         [](const fs::path& folder) {
             platform::KdePointerSettings kde(folder, {});
             return kde.setWheelScrollLines(7).status != platform::PointerStatus::ok;
         }},
    };
}

// A child process saves under a file-size limit of 100 bytes, so the write stops short
// with EFBIG as on a full disk; it exits 0 when the save said it failed.
bool failsUnderSizeLimit(const Saver& saver, const fs::path& folder) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(saver.save(folder) ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The disk fills after half of the bytes: a short write, then ENOSPC.
bool failsOnFullDisk(const Saver& saver, const fs::path& folder) {
    const HookGuard guard;
    std::size_t room = 0;
    bool measured = false;
    fileIoHooks().write = [&](int fd, const void* data, std::size_t size) -> ssize_t {
        if (!measured) room = size / 2, measured = true;
        if (room == 0) return errno = ENOSPC, -1;
        const ssize_t written = ::write(fd, data, std::min(size, room));
        if (written > 0) room -= static_cast<std::size_t>(written);
        return written;
    };
    return saver.save(folder);
}

// The disk takes nothing at all: write returns 0 instead of an error.
bool failsWhenWriteTakesNothing(const Saver& saver, const fs::path& folder) {
    const HookGuard guard;
    fileIoHooks().write = [](int, const void*, std::size_t) -> ssize_t { return 0; };
    return saver.save(folder);
}

TEST(SafeSave, AWriteThatFailsPartWayLeavesEveryFileWholeAndIsReported) {
    const std::pair<const char*, bool (*)(const Saver&, const fs::path&)> failures[] = {
        {"file-size limit", failsUnderSizeLimit},
        {"disk full after half", failsOnFullDisk},
        {"write takes nothing", failsWhenWriteTakesNothing},
    };
    for (const auto& saver : savers()) {
        for (const auto& [how, fail] : failures) {
            SCOPED_TRACE(std::string(saver.what) + ", " + how);
            test::TempFolder folder;
            test::writeBytes(folder / saver.file, saver.before);
            EXPECT_TRUE(fail(saver, folder.path())) << "the failed save was not reported";
            EXPECT_EQ(test::readBytes(folder / saver.file), saver.before);
            EXPECT_EQ(entries(folder.path()), std::set<std::string>{saver.file}) << "a temporary file was left";
        }
    }
}

TEST(SafeSave, EverySaverStillWritesWholeFilesWhenNothingFails) {
    for (const auto& saver : savers()) {
        SCOPED_TRACE(saver.what);
        test::TempFolder folder;
        test::writeBytes(folder / saver.file, saver.before);
        EXPECT_FALSE(saver.save(folder.path()));
        EXPECT_NE(test::readBytes(folder / saver.file), saver.before);
        EXPECT_EQ(entries(folder.path()), std::set<std::string>{saver.file});
    }
}

// Thread one saves and stops between writing its temporary file and renaming it; thread two
// saves meanwhile. Two savers never interleave: the second waits for the first to finish,
// so the second's record is the one on disk, whole.
TEST(SafeSave, TwoSaversInterleavedLeaveTheLaterRecordWhole) {
    const HookGuard guard;
    test::TempFolder folder;
    test::writeBytes(folder / "config.bin", configBytes(0, 0x00));
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<int> replacing;  // which saver reached the rename, in order
    bool released = false;
    thread_local int saverId = 0;
    fileIoHooks().beforeReplace = [&](const fs::path&) {
        std::unique_lock lock(mutex);
        replacing.push_back(saverId);
        changed.notify_all();
        if (saverId == 1) changed.wait(lock, [&] { return released; });
    };
    const auto save = [&](int id, std::uint8_t lightMode) {
        saverId = id;
        ConfigFile file{folder / "config.bin"};
        platform::RecordingSink sink;
        ConfigRecord record{};
        record.lightMode = lightMode;
        EXPECT_FALSE(SaveConfig(file, record, sink)) << "saver " << id;
    };
    std::thread first(save, 1, 1);
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return !replacing.empty(); });
    }
    std::thread second(save, 2, 2);
    {
        // A second saver that does not wait would reach its rename now; give it the chance.
        std::unique_lock lock(mutex);
        changed.wait_for(lock, std::chrono::milliseconds(300), [&] { return replacing.size() > 1; });
        released = true;
        changed.notify_all();
    }
    first.join();
    second.join();
    EXPECT_EQ(replacing, (std::vector<int>{1, 2}));
    const Bytes saved = test::readBytes(folder / "config.bin");
    ASSERT_EQ(saved.size(), kConfigFileSize);
    EXPECT_EQ(saved[0], 1);
    EXPECT_EQ(saved[1 + 1947], 2) << "the later saver's record";
    EXPECT_EQ(entries(folder.path()), std::set<std::string>{"config.bin"});
}

TEST(SafeSave, LeftoversOfAKilledSaverAreRemovedNeverRead) {
    test::TempFolder folder;
    test::writeBytes(folder / "config.bin", configBytes(1, 0x22));
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ASSERT_GT(gone, 0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = ".config.bin." + std::to_string(gone) + ".0badf00d.tmp";
    const std::string live = ".config.bin.1.0badf00d.tmp";  // init never stops saving
    test::writeBytes(folder / dead, Bytes(7, 0xEE));
    test::writeBytes(folder / live, Bytes(7, 0xEE));

    ConfigFile file{folder / "config.bin"};
    platform::RecordingSink sink;
    ConfigRecord record{};
    EXPECT_EQ(ReadConfigFile(file, record).status, ConfigLoad::Status::Loaded);
    EXPECT_EQ(record.lightMode, 0x22);
    record.lightMode = 5;
    ASSERT_FALSE(SaveConfig(file, record, sink));
    EXPECT_EQ(entries(folder.path()), (std::set<std::string>{"config.bin", live}));
    EXPECT_EQ(test::readBytes(folder / "config.bin")[1 + 1947], 5);
}

// Dotfile managers keep the data files as links into their own folder: a save writes the
// link's target and the link stays; a link to nothing is reported and left alone.
TEST(SafeSave, ASymbolicLinkStaysAndItsTargetIsReplaced) {
    for (const auto& saver : savers()) {
        SCOPED_TRACE(saver.what);
        test::TempFolder root;
        const fs::path data = root / "data", dotfiles = root / "dotfiles";
        fs::create_directories(data);
        test::writeBytes(dotfiles / saver.file, saver.before);
        const fs::path link = fs::path("..") / "dotfiles" / saver.file;  // relative, as stow makes them
        fs::create_symlink(link, data / saver.file);

        EXPECT_FALSE(saver.save(data));
        ASSERT_TRUE(fs::is_symlink(data / saver.file));
        EXPECT_EQ(fs::read_symlink(data / saver.file), link);
        EXPECT_NE(test::readBytes(dotfiles / saver.file), saver.before) << "the target was not updated";
        EXPECT_EQ(entries(dotfiles), std::set<std::string>{saver.file});
        EXPECT_EQ(entries(data), std::set<std::string>{saver.file});
    }
}

TEST(SafeSave, ADanglingLinkIsReportedAndNotReplaced) {
    for (const auto& saver : savers()) {
        SCOPED_TRACE(saver.what);
        test::TempFolder root;
        const fs::path data = root / "data";
        fs::create_directories(data);
        fs::create_symlink(root / "dotfiles" / saver.file, data / saver.file);

        EXPECT_TRUE(saver.save(data)) << "a save through a link to nothing was not reported";
        EXPECT_TRUE(fs::is_symlink(data / saver.file));
        EXPECT_FALSE(fs::exists(root / "dotfiles"));
        EXPECT_EQ(entries(data), std::set<std::string>{saver.file});
    }
}

}  // namespace
}  // namespace tarvik
