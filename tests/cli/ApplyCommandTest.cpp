// tarvikctl end to end on the simulated mouse: apply on a fresh data folder writes the whole
// sequence, scrambled, saves the files, and the wire log shows it in order.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Commands.h"
#include "device/ScrambleKey.h"
#include "device/Scrambler.h"
#include "settings/ConfigFile.h"

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

int run(std::vector<std::string> args, std::string* out = nullptr) {
    auto parsed = cli::parseCommandLine(args);
    EXPECT_TRUE(parsed.options) << parsed.error;
    std::ostringstream o, e;
    const int code = cli::runCommand(*parsed.options, o, e);
    if (out) *out = o.str();
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
    for (const char* chinese : {"按键设置", "左键", "DPI设置", "报告率设置", "DPI显示特效", "标准模式", "宏设置", "循环次数"})
        EXPECT_NE(shown.find(chinese), std::string::npos) << chinese << '\n' << shown;
    for (const char* english : {"Left Click", "Key Setting", "Standard", "Loop Times"})
        EXPECT_EQ(shown.find(english), std::string::npos) << english << '\n' << shown;
}

}  // namespace
