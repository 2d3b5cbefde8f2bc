// The runtime folder of the lock and the simulator socket: $XDG_RUNTIME_DIR when it is safe,
// else a private folder of our own, and never a folder others could plant or write to.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "../settings/TempFolder.h"
#include "platform/linux/InstanceLock.h"
#include "platform/linux/RuntimeFolder.h"
#include "simulator/ControlSocket.h"

namespace tarvik::platform {
namespace {

namespace fs = std::filesystem;

void makeFolder(const fs::path& path, mode_t mode) {
    fs::create_directories(path);
    ::chmod(path.c_str(), mode);
}

TEST(RuntimeFolder, TakesASafeRuntimeDirElseItsOwnPrivateFolderAndRefusesAnUnsafeOne) {
    const uid_t me = ::getuid();
    const std::string own = "tarvik-" + std::to_string(me);
    struct Case {
        const char* name;
        std::string xdg;                                    // relative to the test folder unless empty
        std::function<void(const fs::path& base)> prepare;  // runs before the choice
        uid_t user;
        const char* chosen;  // folder expected, relative to the test folder; nullptr: refused
        const char* why;     // part of the reason when refused
    };
    const std::vector<Case> cases = {
        {"usable runtime dir", "run", [](const fs::path& b) { makeFolder(b / "run", 0700); }, me, "run", ""},
        {"unset", "", [](const fs::path&) {}, me, own.c_str(), ""},
        {"relative", "relative", [](const fs::path&) {}, me, own.c_str(), ""},
        {"missing", "none", [](const fs::path&) {}, me, own.c_str(), ""},
        {"world-writable runtime dir", "run", [](const fs::path& b) { makeFolder(b / "run", 0777); }, me, own.c_str(),
         ""},
        {"own folder already there", "", [&](const fs::path& b) { makeFolder(b / own, 0700); }, me, own.c_str(), ""},
        {"own folder open to others", "", [&](const fs::path& b) { makeFolder(b / own, 0777); }, me, nullptr,
         "writable by other users"},
        {"a link in its place", "",
         [&](const fs::path& b) {
             makeFolder(b / "elsewhere", 0700);
             fs::create_directory_symlink(b / "elsewhere", b / own);
         },
         me, nullptr, "is not a folder"},
        {"another user's folder", "", [](const fs::path&) {}, me + 1, nullptr, "belongs to another user"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder base;
        c.prepare(base.path());
        const std::string xdg = c.xdg.empty() || c.xdg == "relative" ? c.xdg : (base / c.xdg).string();
        std::string error;
        const auto folder = runtimeFolder(xdg, base.path(), c.user, &error);
        if (!c.chosen) {
            EXPECT_FALSE(folder);
            EXPECT_NE(error.find(c.why), std::string::npos) << error;
            continue;
        }
        ASSERT_TRUE(folder) << error;
        EXPECT_EQ(*folder, base / c.chosen);
        struct stat info {};
        ASSERT_EQ(::lstat(folder->c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 077, 0u) << "others may not enter the folder";
    }
}

// Without a usable $XDG_RUNTIME_DIR the lock and the socket still meet in one folder.
TEST(RuntimeFolder, TheLockHoldsAndTheSocketFollowsWithoutARuntimeDir) {
    test::TempFolder open;
    ::chmod(open.path().c_str(), 0777);
    const std::string lockName = "TarvikMutexTest-" + std::to_string(::getpid());
    for (const char* xdg : {static_cast<const char*>(nullptr), "", open.path().c_str()}) {
        SCOPED_TRACE(xdg ? xdg : "(unset)");
        if (xdg) ::setenv("XDG_RUNTIME_DIR", xdg, 1);
        else ::unsetenv("XDG_RUNTIME_DIR");
        const fs::path own = fs::path("/tmp") / ("tarvik-" + std::to_string(::getuid()));
        {
            InstanceLock first, second;
            EXPECT_TRUE(first.acquire(lockName));
            EXPECT_FALSE(second.acquire(lockName));
        }
        EXPECT_EQ(InstanceLock::lockPath(lockName), (own / lockName).string());
        EXPECT_EQ(simulator::controlSocketPath(), (own / "tarvik-sim.sock").string());
        fs::remove(own / lockName);
    }
    ::unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace tarvik::platform
