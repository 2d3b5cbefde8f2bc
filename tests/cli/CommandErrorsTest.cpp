// tarvikctl's refusals: wrong words and values are usage errors that say what is wrong, a
// wire log that cannot be written stops the command, show only looks and tells why it cannot
// read, and compile names a macro that does not fit its slot.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Commands.h"
#include "settings/ConfigFile.h"
#include "settings/TempFolder.h"

namespace {

using namespace tarvik;
namespace fs = std::filesystem;

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result run(const std::vector<std::string>& args) {
    auto parsed = cli::parseCommandLine(args);
    if (!parsed.options) return {cli::kExitUsage, {}, parsed.error};
    std::ostringstream out, err;
    const int code = cli::runCommand(*parsed.options, out, err);
    return {code, out.str(), err.str()};
}

TEST(CommandErrors, UsageErrorsSayWhatIsWrong) {
    struct Case {
        std::vector<std::string> args;
        const char* said;
    };
    const std::vector<Case> cases = {
        {{"press", "dpi", "0"}, "dpi takes 1-4"},
        {{"press", "dpi", "5"}, "dpi takes 1-4"},
        {{"press", "rate", "3"}, "rate takes 1|2|4|8"},
        {{"press", "rate", "16"}, "rate takes 1|2|4|8"},
        {{"press", "matrix", "3"}, "matrix takes 1|2"},
        {{"press", "macro", "13"}, "macro takes 1-12"},
        {{"press", "macro", "1x"}, "macro takes 1-12"},
        {{"press", "dpi", "1", "2"}, "'2' is one too many"},
        {{"show", "everything"}, "show takes no arguments"},
        {{"status", "now"}, "status takes no arguments"},
        {{"compile", "record.ini"}, "compile takes no arguments"},
        {{"--bogus", "status"}, "tarvikctl --help"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        const Result result = run(c.args);
        EXPECT_EQ(result.code, cli::kExitUsage);
        EXPECT_NE(result.err.find(c.said), std::string::npos) << result.err;
    }
}

void writeBytes(const fs::path& path, std::size_t size) {
    std::ofstream(path, std::ios::binary) << std::string(size, '\0');
}

// Each command that talks to the mouse stops at a wire log it cannot write, with one message.
TEST(CommandErrors, AWireLogThatCannotBeWrittenStopsTheCommand) {
    test::TempFolder dir;
    const std::string wire = (dir.path() / "no-such-folder" / "wire.txt").string();
    writeBytes(dir.path() / "config.bin", kConfigFileSize);  // a record to load before the mouse is sought
    for (const char* command : {"status", "apply", "show"}) {
        SCOPED_TRACE(command);
        const Result result = run({"--simulate", "--data-dir", dir.path().string(), "--wire-log", wire, command});
        EXPECT_EQ(result.code, cli::kExitUsage);
        EXPECT_EQ(result.err, "tarvikctl: cannot write the wire log " + wire + ": No such file or directory\n");
    }
}

// show reads what is there and creates nothing; what it cannot read, it says why.
TEST(CommandErrors, ShowOnlyLooksAndSaysWhyItCannotRead) {
    struct Case {
        const char* name;
        void (*prepare)(const fs::path& dir);
        int code;
        const char* said;  // in the output when the code is 0, else in the error
    };
    const std::vector<Case> cases = {
        {"no data folder", [](const fs::path&) {}, cli::kExitOk, "(not made yet: the factory settings of"},
        {"wrong size",
         [](const fs::path& d) {
             fs::create_directories(d);
             writeBytes(d / "config.bin", kConfigFileSize + 1);
         },
         cli::kExitFailed, "wrong size 1987"},
        {"a folder in its place", [](const fs::path& d) { fs::create_directories(d / "config.bin"); }, cli::kExitFailed,
         "Is a directory"},
        {"a dangling link",
         [](const fs::path& d) {
             fs::create_directories(d);
             fs::create_symlink(d / "gone.bin", d / "config.bin");
         },
         cli::kExitFailed, "dangling"},
        {"report rate outside the table",
         [](const fs::path& d) {
             fs::create_directories(d);
             writeBytes(d / "config.bin", kConfigFileSize);  // report rate code 0
         },
         cli::kExitOk, "unknown code 0 (the window shows 1000 Hz)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder dir;
        const fs::path data = dir.path() / "data";
        c.prepare(data);
        const bool existed = fs::exists(data);
        const auto before = existed ? std::distance(fs::recursive_directory_iterator(data), {}) : 0;
        const Result result = run({"--simulate", "--data-dir", data.string(), "show"});
        EXPECT_EQ(result.code, c.code) << result.err;
        EXPECT_NE((c.code == cli::kExitOk ? result.out : result.err).find(c.said), std::string::npos)
            << result.out << result.err;
        EXPECT_EQ(fs::exists(data), existed);
        if (existed) {
            EXPECT_EQ(std::distance(fs::recursive_directory_iterator(data), {}), before);
        }
    }
}

TEST(CommandErrors, CompileNamesAMacroCutAtItsSlotsEnd) {
    test::TempFolder dir;
    std::ofstream ini(dir.path() / "record.ini");
    ini << "[Short]\nItemCount=2\nItem0=A   Dn\nItem1=A   Up\n[Long]\nItemCount=70\n";
    for (int i = 0; i < 70; ++i) ini << "Item" << i << (i % 2 ? "=A   Up\n" : "=A   Dn\n");
    ini.close();
    const Result result = run({"--data-dir", dir.path().string(), "compile"});
    EXPECT_EQ(result.code, cli::kExitOk);
    EXPECT_EQ(result.err, "tarvikctl: macro \"Long\" does not fit its slot: only its first 63 records were compiled\n");
}

}  // namespace
