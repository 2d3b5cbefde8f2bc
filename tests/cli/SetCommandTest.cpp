// tarvikctl set and default against the Basic page's editors: each setting must leave the same
// record bytes and captions as the page's clicks and dialogs, and each refusal must leave both files alone.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "buttons/ButtonAssignment.h"
#include "buttons/ButtonCatalogue.h"
#include "cli/Commands.h"
#include "device/ScrambleKey.h"
#include "device/Scrambler.h"
#include "macros/MacroStore.h"
#include "performance/DpiStageEditor.h"
#include "performance/DpiTables.h"
#include "performance/LightingEditor.h"
#include "session/FactoryRecord.h"
#include "settings/ConfigFile.h"
#include "simulator/SimulatorBackend.h"
#include "ui/DecimalField.h"

namespace {

using namespace tarvik;
namespace fs = std::filesystem;
using Bytes = std::vector<char>;

// The simulated mouse reports this sensor type, whose table has a 1600 DPI step.
constexpr std::uint8_t kSensor = 1;

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("tarvikctl-set-" + std::to_string(::getpid()) + "-" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempDir() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

Bytes readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

Bytes configBytes(const ConfigRecord& record) {
    Bytes bytes{1};
    for (Byte b : toBytes(record)) bytes.push_back(static_cast<char>(b));
    return bytes;
}

int run(const fs::path& dir, std::vector<std::string> words, std::string* out = nullptr, std::string* err = nullptr,
        std::vector<std::string> options = {"--simulate=1"}) {
    options.push_back("--data-dir");
    options.push_back(dir.string());
    options.insert(options.end(), words.begin(), words.end());
    auto parsed = cli::parseCommandLine(options);
    EXPECT_TRUE(parsed.options) << parsed.error;
    std::ostringstream o, e;
    const int code = cli::runCommand(*parsed.options, o, e);
    if (out) *out = o.str();
    if (err) *err = e.str();
    return code;
}

// The Basic page's editors on the same start as the data folder: what the window stores.
struct Window {
    ConfigRecord record = factoryRecord();
    TextCatalogue catalogue{LanguageId::EN};
    Captions captions = defaultCaptions(catalogue);
    PresetDialogs dialogs;  // as the user confirms them
    ButtonAssignment buttons{record, captions, catalogue, dialogs};
    DpiStageEditor dpi{record, kSensor};
    LightingEditor lighting{record, catalogue};

    // A click on box `box` (1-7), then on list item `item`.
    ButtonAssignment::ChoiceResult choose(int box, int item) {
        EXPECT_EQ(buttons.openButtonList(box - 1), ButtonAssignment::OpenResult::Opened);
        return buttons.applyButtonChoice(box - 1, item);
    }
    void chooseDpiAction(int box, int subItem) {
        choose(box, kFnDpiSwitch);
        buttons.applyDpiAction(subItem);
    }
};

const std::vector<std::string> kMacros{"Burst", "Copy", "Paste"};

// A data folder holding the factory record, the English default captions and three macros.
void prepare(const fs::path& dir, std::size_t macroCount = kMacros.size()) {
    std::ofstream(dir / "config.bin", std::ios::binary).write(configBytes(factoryRecord()).data(), kConfigFileSize);
    const TextCatalogue english(LanguageId::EN);
    ASSERT_FALSE(SaveCaptions(dir / "str.ini", english.captionSection(), defaultCaptions(english)));
    const std::vector<std::string> lines{"A   Dn", "A   Up"};
    for (std::size_t i = 0; i < macroCount; ++i)
        ASSERT_FALSE(
            SaveMacroLines(dir / "record.ini", i < kMacros.size() ? kMacros[i] : "M" + std::to_string(i), lines));
}

Captions savedCaptions(const fs::path& dir) {
    return LoadInterfaceSettings(dir / "str.ini", TextCatalogue(LanguageId::EN).captionSection()).captions;
}

using Words = std::vector<std::string>;

struct Accepted {
    const char* what;
    std::vector<Words> commands;  // run in turn, each must succeed
    std::function<void(Window&)> window;
};

TEST(SetCommand, EachSettingStoresWhatTheWindowStores) {
    const Accepted cases[] = {
        {"report rate", {{"set", "report-rate", "250"}}, [](Window& w) { w.dpi.clickReportRate(2); }},
        {"DPI value and color",
         {{"set", "dpi", "2", "1600", "#00ff00"}},
         [](Window& w) {
             w.dpi.clickTick(1, 5);
             w.dpi.setColor(1, {0, 255, 0});
         }},
        {"a color without '#', a stage off",
         {{"set", "dpi", "4", "off", "FF8000"}},
         [](Window& w) {
             w.dpi.setColor(3, {255, 128, 0});
             w.dpi.toggleStage(3);
         }},
        {"a stage on again with its DPI",
         {{"set", "dpi", "3", "off"}, {"set", "dpi", "3", "on", "3200"}},
         [](Window& w) {
             w.dpi.toggleStage(2);
             w.dpi.toggleStage(2);
             w.dpi.clickTick(2, 8);
         }},
        {"a plain function, any case, unquoted",
         {{"set", "button", "2", "mid", "CLICK"}},
         [](Window& w) { w.choose(2, kFnMidClick); }},
        {"Shift in both modes", {{"set", "button", "3", "Shift"}}, [](Window& w) { w.choose(3, kFnShift); }},
        {"Shift again on its own button",
         {{"set", "button", "3", "Shift"}, {"set", "button", "3", "shift"}},
         [](Window& w) { w.choose(3, kFnShift); }},
        {"a Shift replaced in both modes",
         {{"set", "button", "3", "Shift"}, {"set", "button", "3", "Right Click"}},
         [](Window& w) {
             w.choose(3, kFnShift);
             w.choose(3, kFnRightClick);
         }},
        {"DPI Switch and its action",
         {{"set", "button", "4", "DPI Switch", "Shift DPI"}},
         [](Window& w) { w.chooseDpiAction(4, 3); }},
        {"DPI action without blanks",
         {{"set", "button", "6", "dpi switch", "dpi-"}},
         [](Window& w) { w.chooseDpiAction(6, 1); }},
        {"Windows by item text",
         {{"set", "button", "5", "Windows", "my computer"}},
         [](Window& w) {
             w.dialogs.windowsChoice = WindowsResult{3, "My Computer"};
             w.choose(5, kFnWindows);
         }},
        {"Multimedia by its Chinese text",
         {{"set", "button", "5", "Multimedia", "音量+"}},
         [](Window& w) {
             w.dialogs.mediaChoice = MediaResult{5, "Vol+"};
             w.choose(5, kFnMultimedia);
         }},
        {"Fire Key with speed and count",
         {{"set", "button", "6", "Fire Key", "l-button", "40", "7"}},
         [](Window& w) {
             w.dialogs.fireChoice = FireKeyResult{54, "L-Button", 40, 7};
             w.choose(6, kFnFireKey);
         }},
        {"Fire Key with the dialog's speed and count",
         {{"set", "button", "7", "fire key", "F1"}},
         [](Window& w) {
             w.dialogs.fireChoice = FireKeyResult{42, "F1", 32, 1};
             w.choose(7, kFnFireKey);
         }},
        {"Single Key by a name with a blank",
         {{"set", "button", "7", "Single Key", "num 1"}},
         [](Window& w) {
             w.dialogs.singleChoice = SingleKeyResult{"Num 1"};
             w.choose(7, kFnSingleKey);
         }},
        {"Single Key named -",
         {{"set", "button", "7", "Single Key", "-"}},
         [](Window& w) {
             w.dialogs.singleChoice = SingleKeyResult{"-"};
             w.choose(7, kFnSingleKey);
         }},
        {"Combo Key with a modifier",
         {{"set", "button", "3", "Combo Key", "Left Ctrl", "a"}},
         [](Window& w) {
             w.dialogs.comboChoice = ComboKeyResult{"Left Ctrl", "A", ""};
             w.choose(3, kFnComboKey);
         }},
        {"Combo Key of two keys",
         {{"set", "button", "3", "combo key", "Shift", "F5"}},
         [](Window& w) {
             w.dialogs.comboChoice = ComboKeyResult{"", "Shift", "F5"};
             w.choose(3, kFnComboKey);
         }},
        {"Macro Key by name",
         {{"set", "button", "4", "Macro Key", "copy", "2"}},
         [](Window& w) {
             w.dialogs.macroChoice = MacroResult{1, 2, "Copy"};
             w.choose(4, kFnMacroKey);
         }},
        {"Macro Key by number",
         {{"set", "button", "4", "macro key", "3"}},
         [](Window& w) {
             w.dialogs.macroChoice = MacroResult{2, 1, "Paste"};
             w.choose(4, kFnMacroKey);
         }},
        {"Mode B without switching to it",
         {{"set", "button", "--mode", "B", "2", "Key Off"}},
         [](Window& w) {
             w.buttons.selectKeyMode(1);
             w.choose(2, kFnKeyOff);
             w.buttons.selectKeyMode(0);
         }},
        {"Mode B's left key rule",
         {{"set", "button", "2", "Left Click", "--mode", "b"}, {"set", "button", "1", "Forward", "--mode", "B"}},
         [](Window& w) {
             w.buttons.selectKeyMode(1);
             w.choose(2, kFnLeftClick);
             w.choose(1, kFnForward);
             w.buttons.selectKeyMode(0);
         }},
        {"key mode", {{"set", "key-mode", "B"}}, [](Window& w) { w.buttons.selectKeyMode(1); }},
        {"lighting mode, parameter and effect",
         {{"set", "lighting", "neon", "2s", "RGB Fixed On"}},
         [](Window& w) {
             w.lighting.choose(LightingEditor::Field::Mode, 2);
             w.lighting.choose(LightingEditor::Field::Parameter, 3);
             w.lighting.choose(LightingEditor::Field::Effect, 1);
         }},
        {"lighting mode alone",
         {{"set", "lighting", "Respiration"}},
         [](Window& w) { w.lighting.choose(LightingEditor::Field::Mode, 1); }},
        {"Standard and its one effect",
         {{"set", "lighting", "standard", "55%", "rgb effect"}},
         [](Window& w) {
             w.lighting.choose(LightingEditor::Field::Mode, 0);
             w.lighting.choose(LightingEditor::Field::Parameter, 5);
         }},
        {"default buttons",
         {{"set", "button", "3", "Shift"}, {"set", "button", "2", "Key Off"}, {"default", "buttons"}},
         [](Window& w) {
             w.choose(3, kFnShift);
             w.choose(2, kFnKeyOff);
             w.buttons.restoreDefaultButtons();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        prepare(dir.path);
        for (const Words& command : c.commands) {
            std::string out, err;
            ASSERT_EQ(run(dir.path, command, &out, &err), cli::kExitOk) << err;
            EXPECT_NE(out.find("saved"), std::string::npos) << out;
        }
        Window window;
        c.window(window);
        EXPECT_EQ(readAll(dir.path / "config.bin"), configBytes(window.record));
        EXPECT_EQ(savedCaptions(dir.path), window.captions);
    }
}

struct Refused {
    const char* what;
    std::vector<Words> before;  // settings made first
    Words command;
    std::string message;
    std::function<void(Window&)> windowRefuses;  // the same rule in the page's editors
    std::size_t macroCount = kMacros.size();
};

TEST(SetCommand, ARefusedSettingChangesNothingAndSaysWhy) {
    const auto unchanged = [](const Window& w) { EXPECT_EQ(w.record, factoryRecord()); };
    const Refused cases[] = {
        {"the only left key",
         {},
         {"set", "button", "1", "Right Click"},
         "Left key must be selected! (Mode A button 1 is the only Left Click of Mode A)",
         [](Window& w) { EXPECT_EQ(w.buttons.openButtonList(0), ButtonAssignment::OpenResult::LeftKeyRefused); }},
        {"the only left key of Mode B",
         {},
         {"set", "button", "--mode", "B", "1", "DPI Switch", "DPI +"},
         "Left key must be selected! (Mode B button 1 is the only Left Click of Mode B)",
         [](Window& w) {
             w.buttons.selectKeyMode(1);
             EXPECT_EQ(w.buttons.openButtonList(0), ButtonAssignment::OpenResult::LeftKeyRefused);
         }},
        {"a second Shift",
         {{"set", "button", "3", "Shift"}},
         {"set", "button", "5", "Shift"},
         "Mode A button 3 already holds Shift, and a key mode has one Shift among buttons 1-8",
         [](Window& w) {
             w.choose(3, kFnShift);
             const ConfigRecord before = w.record;
             EXPECT_EQ(w.choose(5, kFnShift), ButtonAssignment::ChoiceResult::ShiftTaken);
             EXPECT_EQ(w.record, before);
         }},
        {"the last stage on",
         {{"set", "dpi", "2", "off"}, {"set", "dpi", "3", "off"}, {"set", "dpi", "4", "off"}},
         {"set", "dpi", "1", "off"},
         "DPI stage 1 is the only stage on, and the last stage on cannot be switched off",
         [](Window& w) {
             for (int s : {1, 2, 3}) w.dpi.toggleStage(s);
             EXPECT_FALSE(w.dpi.toggleStage(0));
         }},
        {"a color for a stage that is off",
         {{"set", "dpi", "2", "off"}},
         {"set", "dpi", "2", "#123456"},
         "DPI stage 2 is off, and only a stage that is on takes a color",
         [](Window& w) {
             w.dpi.toggleStage(1);
             EXPECT_FALSE(w.dpi.swatchOpensChooser(1));
         }},
        {"a DPI the sensor lacks",
         {},
         {"set", "dpi", "1", "1750"},
         "sensor type 1 has no DPI 1750; it takes 600, 800, 1000, 1200, 1600, 2000, 2400, 3200",
         [](Window& w) {
             for (auto label : w.dpi.tickLabels()) EXPECT_NE(label, "1750");
         }},
        {"a fire speed below 5",
         {},
         {"set", "button", "6", "Fire Key", "A", "4"},
         "the fire speed takes 5-255, not '4'",
         [](Window&) { EXPECT_TRUE(fireSpeedFromText("4").replace); }},
        {"a fire count above 255",
         {},
         {"set", "button", "6", "Fire Key", "A", "10", "256"},
         "the fire count takes 0-255, not '256'",
         [](Window&) { EXPECT_TRUE(fireCountFromText("256").replace); }},
        {"button 8",
         {},
         {"set", "button", "8", "Key Off"},
         "buttons 8-12 have no box on the Basic page",
         [](Window& w) { EXPECT_EQ(w.buttons.openButtonList(7), ButtonAssignment::OpenResult::Closed); }},
        {"a macro past slot 12",
         {},
         {"set", "button", "4", "Macro Key", "13"},
         "past the mouse's 12 macro slots",
         unchanged,
         13},
        {"no such macro", {}, {"set", "button", "4", "Macro Key", "Nothing"}, "no macro 'Nothing'", unchanged},
        {"lighting Off, which its list lacks",
         {},
         {"set", "lighting", "off"},
         "lighting mode 'off' is none of Standard, Respiration, Neon",
         unchanged},
        {"an unknown key", {}, {"set", "button", "7", "Single Key", "Hyper"}, "'Hyper' is no key name", unchanged},
        {"an unknown function", {}, {"set", "button", "2", "Teleport"}, "'Teleport' is no function", unchanged},
        {"words after a plain function",
         {},
         {"set", "button", "2", "Forward", "now"},
         "Forward takes no further words; 'now' is one too many",
         unchanged},
        {"an unknown setting", {}, {"set", "volume", "3"}, "'volume' is no setting", unchanged},
        {"default of something else", {}, {"default", "dpi"}, "default takes one word: buttons", unchanged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        prepare(dir.path, c.macroCount);
        for (const Words& command : c.before) ASSERT_EQ(run(dir.path, command), cli::kExitOk);
        const Bytes config = readAll(dir.path / "config.bin"), captions = readAll(dir.path / "str.ini");
        std::string out, err;
        EXPECT_EQ(run(dir.path, c.command, &out, &err), cli::kExitUsage);
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
        EXPECT_NE(err.find("nothing was changed"), std::string::npos) << err;
        EXPECT_EQ(out, "");
        EXPECT_EQ(readAll(dir.path / "config.bin"), config);
        EXPECT_EQ(readAll(dir.path / "str.ini"), captions);
        Window window;
        c.windowRefuses(window);
    }
}

// The captions follow the interface language, as the dialogs return their texts in it.
TEST(SetCommand, CaptionsAreInTheInterfaceLanguage) {
    TempDir dir;
    prepare(dir.path);
    std::ofstream(dir.path / "str.ini", std::ios::app) << "[Skins]\nLan=CHS\n";
    ASSERT_EQ(run(dir.path, {"set", "button", "5", "multimedia", "Vol+"}), cli::kExitOk);
    const TextCatalogue chinese(LanguageId::CHS);
    const Captions saved = LoadInterfaceSettings(dir.path / "str.ini", chinese.captionSection()).captions;
    EXPECT_EQ(saved.modeA[4], functionText(kFnMultimedia, chinese) + "-音量+");
}

// Splits the wire log into each command the mouse received after the handshake (unscrambled)
// with the data chunks that followed it.
std::vector<std::pair<std::vector<std::uint8_t>, std::vector<std::uint8_t>>> commandsOnTheWire(const fs::path& log) {
    std::vector<std::pair<std::vector<std::uint8_t>, std::vector<std::uint8_t>>> commands;
    std::ifstream in(log);
    std::string kind, hex;
    bool keySeen = false;
    const auto unhex = [](const std::string& text) {
        std::vector<std::uint8_t> bytes;
        for (std::size_t i = 0; i + 1 < text.size(); i += 2)
            bytes.push_back(static_cast<std::uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
        return bytes;
    };
    while (in >> kind >> hex) {
        if (kind == "KEY") keySeen = true;
        if (!keySeen) continue;
        if (kind == "SET_FEATURE") {
            auto report = unhex(hex);
            Unscramble(std::span<std::uint8_t, 8>(report.data() + 1, 8), scrambleKey());
            commands.push_back({{report.begin() + 1, report.end()}, {}});
        } else if (kind == "OUTPUT" && !commands.empty()) {
            const auto chunk = unhex(hex);
            commands.back().second.insert(commands.back().second.end(), chunk.begin() + 1, chunk.end());
        }
    }
    return commands;
}

TEST(SetCommand, SetWithApplySendsTheNewDpiCodesAndColorsAndShowPrintsThem) {
    TempDir dir;
    prepare(dir.path);
    const fs::path wire = dir.path / "wire.txt";
    std::string out, err;
    ASSERT_EQ(run(dir.path, {"set", "dpi", "2", "1600", "#00ff00", "--apply"}, &out, &err,
                  {"--simulate=1", "--wire-log", wire.string()}),
              cli::kExitOk)
        << err;
    EXPECT_NE(out.find("DPI stage 2: on, 1600 DPI, color #00ff00\napplied "), std::string::npos) << out;

    Window window;
    window.dpi.clickTick(1, 5);
    window.dpi.setColor(1, {0, 255, 0});
    EXPECT_EQ(readAll(dir.path / "config.bin"), configBytes(window.record));
    const auto codes = DpiCodes(window.record, kSensor);
    EXPECT_EQ(codes[1], 0x05) << "1600 DPI of sensor type 1, stage on";
    const auto colors = DpiColourBlock(window.record);

    bool dpiSeen = false, colorsSeen = false;
    for (const auto& [packet, data] : commandsOnTheWire(wire)) {
        if (packet[0] == 0x11) {
            dpiSeen = true;
            ASSERT_GE(data.size(), codes.size());
            EXPECT_TRUE(std::equal(codes.begin(), codes.end(), data.begin()));
        }
        if (packet[0] == 0x10 && packet[1] == 1) {  // block 1 holds the stage colors
            colorsSeen = true;
            ASSERT_GE(data.size(), colors.size());
            EXPECT_TRUE(std::equal(colors.begin(), colors.end(), data.begin()));
            EXPECT_EQ(data[3], 0x00);
            EXPECT_EQ(data[4], 0xFF);
            EXPECT_EQ(data[5], 0x00);
        }
    }
    EXPECT_TRUE(dpiSeen);
    EXPECT_TRUE(colorsSeen);

    std::string shown;
    ASSERT_EQ(run(dir.path, {"show"}, &shown), cli::kExitOk);
    EXPECT_NE(shown.find("  2  Select [x]   1600 ( 4)  Color #00ff00"), std::string::npos) << shown;
}

// With --apply and no mouse, nothing is changed: the setting and the mouse go together. Words
// the rules refuse are told as such, before the mouse is looked for.
TEST(SetCommand, SetWithApplyAndNoMouseChangesNothing) {
    struct Case {
        Words words;
        int code;
        std::string told;
    };
    const Case cases[] = {
        {{"set", "report-rate", "125", "--apply"}, cli::kExitNoMouse, "no Tarvik mouse"},
        {{"set", "report-rate", "120", "--apply"}, cli::kExitUsage, "report-rate takes 125, 250, 500 or 1000"},
        {{"default", "buttons", "--apply"}, cli::kExitNoMouse, "no Tarvik mouse"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words[1]);
        TempDir dir;
        prepare(dir.path);
        const Bytes config = readAll(dir.path / "config.bin");
        Words args{"--simulate", "--data-dir", dir.path.string()};
        args.insert(args.end(), c.words.begin(), c.words.end());
        auto parsed = cli::parseCommandLine(args);
        ASSERT_TRUE(parsed.options);
        cli::CommandSeams seams;
        seams.simulator = [](simulator::SimulatorBackend& sim) { sim.unplug(); };
        std::ostringstream out, err;
        EXPECT_EQ(cli::runCommand(*parsed.options, out, err, seams), c.code);
        EXPECT_NE(err.str().find(c.told), std::string::npos) << err.str();
        EXPECT_EQ(out.str().find("saved"), std::string::npos) << out.str();
        EXPECT_EQ(readAll(dir.path / "config.bin"), config);
    }
}

}  // namespace
