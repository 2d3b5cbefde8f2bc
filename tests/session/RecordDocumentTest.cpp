// The record as a JSON document: every record the editors can make comes back byte for byte,
// and each kind of wrong document is refused with the path of the field at fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "buttons/ButtonAssignment.h"
#include "buttons/ChoiceTables.h"
#include "buttons/KeyCodes.h"
#include "macros/MacroSlot.h"
#include "performance/DpiStageEditor.h"
#include "performance/LightingEditor.h"
#include "performance/PointerLevels.h"
#include "session/FactoryRecord.h"
#include "session/Json.h"
#include "session/RecordDocument.h"

namespace tarvik {
namespace {

using Random = std::mt19937;

int pick(Random& random, int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

// Parameter dialogs that confirm with random choices, or are cancelled now and then.
class RandomDialogs : public ParameterDialogs {
public:
    explicit RandomDialogs(Random& random) : random_(random) {}
    std::optional<WindowsResult> windows() override {
        if (cancelled()) return std::nullopt;
        return WindowsResult{pick(random_, 0, 10), "w"};
    }
    std::optional<MediaResult> multimedia() override {
        if (cancelled()) return std::nullopt;
        return MediaResult{pick(random_, 0, 6), "m"};
    }
    std::optional<FireKeyResult> fireKey() override {
        if (cancelled()) return std::nullopt;
        return FireKeyResult{pick(random_, 0, 60), "f", static_cast<std::uint8_t>(pick(random_, 5, 255)),
                             static_cast<std::uint8_t>(pick(random_, 0, 255))};
    }
    std::optional<SingleKeyResult> singleKey() override {
        if (cancelled()) return std::nullopt;
        return SingleKeyResult{keyName()};
    }
    std::optional<ComboKeyResult> comboKey() override {
        if (cancelled()) return std::nullopt;
        const int bit = pick(random_, -1, 7);
        return ComboKeyResult{bit < 0 ? "" : std::string(modifierNameFromBit(static_cast<std::uint8_t>(1 << bit))),
                              keyName(), keyName()};
    }
    std::optional<MacroResult> macroKey() override {
        if (cancelled()) return std::nullopt;
        return MacroResult{pick(random_, 0, 11), static_cast<std::uint8_t>(pick(random_, 1, 3)), "macro"};
    }

private:
    bool cancelled() { return pick(random_, 0, 9) == 0; }
    // A name of the key table, empty, or one the table does not know (code 0).
    std::string keyName() {
        const int n = pick(random_, -2, static_cast<int>(keyNameCount()) - 1);
        return n == -2 ? "" : n == -1 ? "Media Play" : std::string(keyNameAt(static_cast<std::size_t>(n)));
    }
    Random& random_;
};

// Event lines as the recorder and the editor write them, with some malformed ones mixed in.
std::vector<std::string> randomEventLines(Random& random) {
    std::vector<std::string> lines;
    const int count = pick(random, 0, 90);
    for (int i = 0; i < count; ++i) {
        switch (pick(random, 0, 4)) {
        case 0: lines.push_back(std::to_string(pick(random, 0, 20000)) + " ms"); break;
        case 1: lines.push_back("Unknown   Up"); break;
        case 2: lines.push_back("nonsense"); break;
        default:
            lines.push_back(std::string(keyNameAt(static_cast<std::size_t>(pick(random, 0, int(keyNameCount()) - 1)))) +
                            (pick(random, 0, 1) ? "   Dn" : "   Up"));
        }
    }
    return lines;
}

void randomButtonStep(Random& random, ButtonAssignment& buttons) {
    const int button = pick(random, 0, kButtonBoxes - 1);
    switch (pick(random, 0, 9)) {
    case 0: buttons.restoreDefaultButtons(); break;
    case 1: buttons.selectKeyMode(pick(random, 0, 1)); break;
    case 2:
        if (buttons.openButtonList(button) == ButtonAssignment::OpenResult::Opened)
            buttons.applyDpiAction(pick(random, 0, 3));
        break;
    default:
        if (buttons.openButtonList(button) == ButtonAssignment::OpenResult::Opened)
            buttons.applyButtonChoice(button, pick(random, 0, 15));
    }
}

void randomPointerStep(Random& random, ConfigRecord& r) {
    // What reading the desktop stores; 0 where a read failed.
    r.enhancePointerPrecision = static_cast<Byte>(pick(random, 0, 1));
    r.pointerSpeedLevel = static_cast<Byte>(pick(random, 0, 3) ? levelFromSpeed(pick(random, 1, 20)) : 0);
    const auto wheel =
        wheelFromLines(pick(random, 0, 3) ? static_cast<std::uint32_t>(pick(random, 0, 300)) : kScrollOneScreenLines);
    r.scrollOneScreen = static_cast<Byte>(wheel.scrollOneScreen);
    r.wheelScrollLines = static_cast<Byte>(wheel.lines);
    r.doubleClickLevel = static_cast<Byte>(pick(random, 0, 3) ? doubleClickLevelFromTime(pick(random, 1, 2000)) : 0);
}

void randomMacroStep(Random& random, ConfigRecord& r) {
    const int slot = pick(random, 1, static_cast<int>(kMacroSlotCount));
    const auto lines = randomEventLines(random);
    compileIntoSlot(macroSlot(r, slot), pick(random, 0, 9) ? static_cast<int>(lines.size()) : 0, lines);
    SetLoopCount(r, slot, loopFieldValue(std::to_string(pick(random, 0, 70000))).count);
}

// A record as the pages make it from the factory one, with arbitrary reserved bytes.
ConfigRecord randomRecord(Random& random) {
    ConfigRecord r = factoryRecord();
    Captions captions;
    const TextCatalogue catalogue(LanguageId::EN);
    RandomDialogs dialogs(random);
    ButtonAssignment buttons(r, captions, catalogue, dialogs);
    LightingEditor lighting(r, catalogue);
    DpiStageEditor dpi(r, static_cast<std::uint8_t>(pick(random, 0, 3)));
    const int steps = pick(random, 0, 80);
    for (int i = 0; i < steps; ++i) {
        const int stage = pick(random, 0, 3);
        switch (pick(random, 0, 8)) {
        case 0: dpi.clickReportRate(pick(random, 1, 4)); break;
        case 1: dpi.clickTick(stage, pick(random, 1, 12)); break;
        case 2: dpi.toggleStage(stage); break;
        case 3:
            dpi.setColor(stage, {static_cast<std::uint8_t>(pick(random, 0, 255)),
                                 static_cast<std::uint8_t>(pick(random, 0, 255)),
                                 static_cast<std::uint8_t>(pick(random, 0, 255))});
            break;
        case 4: {
            const auto field = static_cast<LightingEditor::Field>(pick(random, 0, 2));
            lighting.choose(field, pick(random, 0, field == LightingEditor::Field::Mode ? 2 : 30));
            break;
        }
        case 5: randomPointerStep(random, r); break;
        case 6: randomMacroStep(random, r); break;
        default: randomButtonStep(random, buttons);
        }
    }
    for (auto* reserved : {&r.reserved1926, &r.reserved1954}) *reserved = static_cast<Byte>(pick(random, 0, 255));
    for (Byte& b : r.reserved1920) b = static_cast<Byte>(pick(random, 0, 255));
    return r;
}

void expectRoundTrip(const ConfigRecord& record) {
    const std::string document = toDocument(record);
    DocumentError error;
    const auto back = fromDocument(document, &error);
    ASSERT_TRUE(back) << error.path << ": " << error.reason << '\n' << document;
    EXPECT_EQ(toBytes(*back), toBytes(record)) << document;
    EXPECT_EQ(toDocument(*back), document);
}

TEST(RecordDocument, FactoryRecordComesBackByteForByte) {
    expectRoundTrip(factoryRecord());
    const std::string document = toDocument(factoryRecord());
    for (const char* part : {"\"version\": 1", "\"function\": \"DPI Switch\"", "\"dpiAction\": 3",
                             "{\"level\": 1, \"enabled\": 1, \"color\": \"#ff0000\"}", "\"1920\": \"0000000000\""})
        EXPECT_NE(document.find(part), std::string::npos) << part << '\n' << document;
}

TEST(RecordDocument, RandomRecordsOfTheEditorsComeBackByteForByte) {
    Random random(20261210);
    for (int i = 0; i < 500; ++i) {
        SCOPED_TRACE(i);
        expectRoundTrip(randomRecord(random));
        if (HasFatalFailure()) return;
    }
}

// The captions are optional and come back as they went; a wrong one is refused by its path.
TEST(RecordDocument, CaptionsComeBackAndWrongOnesAreRefused) {
    Captions captions;
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        captions.modeA[b] = "A " + std::to_string(b);
        captions.modeB[b] = "\"B\" \xe5\xae\x8f" + std::to_string(b);
    }
    std::optional<Captions> read;
    ASSERT_TRUE(fromDocument(toDocument(factoryRecord(), &captions), nullptr, &read));
    EXPECT_EQ(read, captions);
    ASSERT_TRUE(fromDocument(toDocument(factoryRecord()), nullptr, &read));
    EXPECT_EQ(read, std::nullopt) << "a document without captions leaves str.ini alone";

    struct Case {
        std::string captionsJson, path, reason;
    };
    const std::string twelve = R"(["1","2","3","4","5","6","7","8","9","10","11","12"])";
    const Case cases[] = {
        {R"({"A": )" + twelve + "}", "captions.B", "missing"},
        {R"({"A": ["1"], "B": )" + twelve + "}", "captions.A", "holds 1 elements where 12 belong"},
        {R"({"A": )" + twelve + R"(, "B": [1,2,3,4,5,6,7,8,9,10,11,12]})", "captions.B[0]", "must be a string"},
        {R"({"A": ["a\nb","2","3","4","5","6","7","8","9","10","11","12"], "B": )" + twelve + "}", "captions.A[0]",
         "one line"},
        {R"({"A": )" + twelve + R"(, "B": )" + twelve + R"(, "C": []})", "captions.C", "unknown field"},
        {R"({"A": [")" + std::string(300, 'x') + R"(","2","3","4","5","6","7","8","9","10","11","12"], "B": )" +
             twelve + "}",
         "captions.A[0]", "at most 255"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.captionsJson);
        std::string document = toDocument(factoryRecord());
        document.insert(document.rfind('}'), R"(, "captions": )" + c.captionsJson + "\n");
        DocumentError error;
        EXPECT_FALSE(fromDocument(document, &error, &read));
        EXPECT_EQ(error.path, c.path) << error.reason;
        EXPECT_NE(error.reason.find(c.reason), std::string::npos) << error.reason;
    }
}

// No byte of the record is left out of the document: changing any one changes the text.
TEST(RecordDocument, EveryByteOfTheRecordShowsInTheDocument) {
    const RecordBytes factory = toBytes(factoryRecord());
    const std::string document = toDocument(factoryRecord());
    for (std::size_t offset = 0; offset < factory.size(); ++offset) {
        RecordBytes changed = factory;
        changed[offset] ^= 0x5A;
        ASSERT_NE(toDocument(fromBytes(changed)), document) << "offset " << offset;
    }
}

// Wrong documents: the factory document with edits at paths.

constexpr const char* kRemove = "<remove>";

struct Edit {
    std::string path;   // "buttons.A[3].function"; a member that is not there is added
    std::string value;  // JSON text, or kRemove
};

// The value at `path` in `root`, made when absent (a member) — enough for the edits below.
json::Value* walk(json::Value& root, const std::string& path, bool& removed, const std::string& value) {
    json::Value* at = &root;
    std::size_t pos = 0;
    while (pos < path.size()) {
        if (path[pos] == '.') ++pos;
        if (path[pos] == '[') {
            const std::size_t end = path.find(']', pos);
            const std::size_t index = std::stoul(path.substr(pos + 1, end - pos - 1));
            pos = end + 1;
            if (pos == path.size() && value == kRemove) {
                at->items.erase(at->items.begin() + static_cast<std::ptrdiff_t>(index));
                removed = true;
                return nullptr;
            }
            at = &at->items.at(index);
            continue;
        }
        const std::size_t end = std::min(path.find_first_of(".[", pos), path.size());
        const std::string key = path.substr(pos, end - pos);
        pos = end;
        auto it = std::ranges::find(at->members, key, &json::Member::key);
        if (pos == path.size() && value == kRemove) {
            at->members.erase(it);
            removed = true;
            return nullptr;
        }
        if (it == at->members.end()) it = at->members.insert(at->members.end(), {key, {}});
        at = &it->value;
    }
    return at;
}

std::string edited(const std::vector<Edit>& edits) {
    json::Error error;
    auto root = json::parse(toDocument(factoryRecord()), &error);
    for (const Edit& e : edits) {
        bool removed = false;
        json::Value* at = walk(*root, e.path, removed, e.value);
        if (!removed) *at = *json::parse(e.value, &error);
    }
    return json::write(*root);
}

struct BadCase {
    std::vector<Edit> edits;
    const char* path;    // where the refusal points
    const char* reason;  // a part of the reason
};

const std::vector<BadCase> kBadCases{
    // The document itself
    {{{"", "[]"}}, "", "must be an object, not an array"},
    {{{"format", kRemove}}, "format", "missing"},
    {{{"format", "\"tarvik-other\""}}, "format", "is no tarvik record document"},
    {{{"version", kRemove}}, "version", "missing"},
    {{{"version", "2"}}, "version", "2 is not a version this program reads"},
    {{{"version", "\"1\""}}, "version", "must be a number, not a string"},
    {{{"comment", "\"mine\""}}, "comment", "unknown field"},
    {{{"reserved", kRemove}}, "reserved", "missing"},
    // Single fields: types and ranges
    {{{"currentKeyMode", "2"}}, "currentKeyMode", "2 is out of range"},
    {{{"reportRateCode", "3"}}, "reportRateCode", "3 is no report-rate code"},
    {{{"reportRateCode", "1.0"}}, "reportRateCode", "1.0 is not a whole number"},
    {{{"reportRateCode", "1e0"}}, "reportRateCode", "not a whole number"},
    {{{"reportRateCode", "99999999999999999999"}}, "reportRateCode", "out of range"},
    {{{"reportRateCode", "true"}}, "reportRateCode", "must be a number, not true or false"},
    {{{"dpiStages", "[]"}}, "dpiStages", "holds 0 elements where 4 belong"},
    {{{"dpiStages[2].level", "12"}}, "dpiStages[2].level", "beyond every sensor's DPI table: levels run 0-11"},
    {{{"dpiStages[2].level", "-1"}}, "dpiStages[2].level", "beyond every sensor's DPI table"},
    {{{"dpiStages[0].enabled", "2"}}, "dpiStages[0].enabled", "0 (off) or 1 (on)"},
    {{{"dpiStages[1].color", "\"#12345\""}}, "dpiStages[1].color", "is no color"},
    {{{"dpiStages[3].color", "\"#gg0000\""}}, "dpiStages[3].color", "is no color"},
    {{{"dpiStages[3].shade", "1"}}, "dpiStages[3].shade", "unknown field"},
    {{{"lighting.lightMode", "4"}}, "lighting.lightMode", "4 is out of range"},
    {{{"lighting.lightParamStandard", "10"}}, "lighting.lightParamStandard", "0 (5%) to 9 (100%)"},
    {{{"lighting.lightParamRespiration", "5"}}, "lighting.lightParamRespiration", "0 (8S) to 4 (4S)"},
    {{{"lighting.lightParamNeon", "30"}}, "lighting.lightParamNeon", "0 (0.5S) to 29 (15S)"},
    {{{"lighting.lightEffectStandard", "0"}}, "lighting.lightEffectStandard", "no effect of Standard"},
    {{{"lighting.lightEffectRespiration", "3"}}, "lighting.lightEffectRespiration", "1 (RGB Effect) or 2 (RGB Flash)"},
    {{{"lighting.lightEffectNeon", "1"}}, "lighting.lightEffectNeon", "2 (RGB Flash) or 3 (RGB Fixed On)"},
    {{{"pointer.scrollOneScreen", "-1"}}, "pointer.scrollOneScreen", "-1 is out of range"},
    {{{"pointer.pointerSpeedLevel", "12"}}, "pointer.pointerSpeedLevel", "a slider position 1-11"},
    {{{"pointer.doubleClickLevel", kRemove}}, "pointer.doubleClickLevel", "missing"},
    {{{"buttons.A[3].function", "\"Left Clik\""}}, "buttons.A[3].function", "is no button function"},
    {{{"buttons.B[0].function", "0"}}, "buttons.B[0].function", "must be a string, not a number"},
    {{{"buttons.A[7]", kRemove}}, "buttons.A", "holds 11 elements where 12 belong"},
    {{{"buttons.C", "[]"}}, "buttons.C", "unknown field"},
    {{{"buttons.A[0].comboKey3", "0"}}, "buttons.A[0].comboKey3", "unknown field"},
    {{{"buttons.B[11].fireTimes", kRemove}}, "buttons.B[11].fireTimes", "missing"},
    {{{"buttons.A[0].fireTimes", "256"}}, "buttons.A[0].fireTimes", "256 is out of range"},
    {{{"buttons.A[2].dpiAction", "5"}}, "buttons.A[2].dpiAction", "5 is out of range"},
    {{{"buttons.A[0].singleKeyCode", "3"}}, "buttons.A[0].singleKeyCode", "no key code"},
    {{{"buttons.A[0].comboKey2", "255"}}, "buttons.A[0].comboKey2", "no key code"},
    {{{"buttons.A[0].comboModifiers", "3"}}, "buttons.A[0].comboModifiers", "no modifier"},
    {{{"buttons.B[6].macroIndex", "12"}}, "buttons.B[6].macroIndex", "0-11"},
    {{{"buttons.B[6].macroRepeatMode", "3"}}, "buttons.B[6].macroRepeatMode", "0-2"},
    {{{"macroSlots[11]", kRemove}}, "macroSlots", "holds 11 elements"},
    {{{"macroSlots[0].loopCount", "65536"}}, "macroSlots[0].loopCount", "65536 is out of range"},
    {{{"macroSlots[1].records", "\"0504 80\""}}, "macroSlots[1].records", "record 2 (\"80\") is not four hex digits"},
    {{{"macroSlots[1].records", "\"0504  8004\""}}, "macroSlots[1].records", "record 2 (\"\") is not four hex digits"},
    {{{"macroSlots[1].records", "\"0599\""}}, "macroSlots[1].records", "code 99 is no key"},
    {{{"macroSlots[1].records", "[]"}}, "macroSlots[1].records", "must be a string, not an array"},
    {{{"reserved.1920", "\"00\""}}, "reserved.1920", "is not 5 bytes in hex"},
    {{{"reserved.1926", "\"zz\""}}, "reserved.1926", "is not 1 bytes in hex"},
    // Rules between fields
    {{{"dpiStages[0].enabled", "0"},
      {"dpiStages[1].enabled", "0"},
      {"dpiStages[2].enabled", "0"},
      {"dpiStages[3].enabled", "0"}},
     "dpiStages",
     "no stage is on"},
    {{{"buttons.A[5].dpiAction", "0"}}, "buttons.A[5].dpiAction", "DPI Switch needs its action"},
    {{{"buttons.A[4].function", "\"Windows\""}}, "buttons.A[4].windowsUsageLow", "does not go with windowsChoice 0"},
    {{{"buttons.A[4].windowsChoice", "11"}},
     "buttons.A[4].windowsChoice",
     "11 is beyond the Windows-function list (0-10)"},
    {{{"buttons.A[4].function", "\"windows\""},
      {"buttons.A[4].windowsChoice", "6"},
      {"buttons.A[4].windowsUsageLow", "36"},
      {"buttons.A[4].windowsUsageHigh", "1"}},
     "buttons.A[4].windowsUsageHigh",
     "that choice stores 2"},
    {{{"buttons.B[1].mediaChoice", "1"}}, "buttons.B[1].mediaUsage", "0 does not go with mediaChoice 1"},
    {{{"buttons.A[2].function", "\"Fire Key\""}, {"buttons.A[2].fireKeyCode", "4"}, {"buttons.A[2].fireSpeed", "4"}},
     "buttons.A[2].fireSpeed",
     "4 is out of range: the fire-key speed takes 5-255"},
    {{{"buttons.A[2].function", "\"Shift\""}}, "buttons.B[2].function", "must be Shift too"},
    {{{"buttons.A[2].function", "\"Shift\""},
      {"buttons.B[2].function", "\"Shift\""},
      {"buttons.A[3].function", "\"Shift\""},
      {"buttons.B[3].function", "\"Shift\""}},
     "buttons.A[3].function",
     "a second Shift: buttons.A[2].function holds it already"},
};

TEST(RecordDocument, WrongDocumentsAreRefusedWithTheFieldAtFault) {
    for (const BadCase& c : kBadCases) {
        const std::string document = edited(c.edits);
        SCOPED_TRACE(c.path);
        DocumentError error;
        EXPECT_FALSE(fromDocument(document, &error));
        EXPECT_EQ(error.path, c.path) << error.reason;
        EXPECT_NE(error.reason.find(c.reason), std::string::npos) << error.reason;
    }
}

// Text that is no JSON, or stops early, is refused with the place it broke.
TEST(RecordDocument, BrokenTextIsRefusedWithThePlaceItBroke) {
    const std::string factory = toDocument(factoryRecord());
    const auto cutBefore = [&](const std::string& marker) { return factory.substr(0, factory.find(marker)); };
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = factory;
        return text.replace(text.find(from), from.size(), to);
    };
    std::string deepest;  // the path of the first value too deep: 32 times "[0]"
    for (int i = 0; i < json::kMaxDepth; ++i) deepest += "[0]";
    struct Case {
        std::string text;
        std::string path;
        const char* reason;
    };
    const Case cases[] = {
        {"", "", "the document ends where a value should start"},
        {cutBefore("\"B\""), "buttons", "the document ends before this object is closed"},
        {cutBefore("\"fireSpeed\"") + "\"fireSpeed\": ", "buttons.A[0].fireSpeed", "ends where a value should start"},
        {cutBefore("\"fireSpeed\"") + "\"fireSp", "buttons.A[0]", "the document ends inside a string"},
        {cutBefore("{\"loopCount\""), "macroSlots[0]", "the document ends where a value should start"},
        {factory.substr(0, factory.size() - 3), "", "the document ends before this object is closed"},
        {factory + "{}", "", "text follows the end of the document"},
        {replaced("\"version\": 1,", "\"version\": 1, \"version\": 1,"), "version", "this field is given twice"},
        {replaced("\"1954\": \"00\"", "\"1954\": \"00\","), "reserved", "where a field name in quotes should stand"},
        {replaced("\"currentKeyMode\": 0", "\"currentKeyMode\": 00"), "currentKeyMode", "may not start with 0"},
        {replaced("\"currentKeyMode\": 0", "\"currentKeyMode\": NaN"), "currentKeyMode", "unexpected \"N\""},
        {"// settings\n" + factory, "", "unexpected \"/\" where a value should start (line 1)"},
        {replaced("\"records\": \"\"", "\"records\": \"\t\""), "macroSlots[0].records", "control character"},
        {replaced("\"1926\": \"00\"", "\"1926\": \"\\x00\""), "reserved.1926", "unknown escape \\x"},
        {replaced("\"1926\": \"00\"", "\"1926\": \"\\ud800\""), "reserved.1926", "lone high surrogate"},
        {std::string(200, '[') + std::string(200, ']'), deepest, "values nest deeper than 32 levels"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        DocumentError error;
        EXPECT_FALSE(fromDocument(c.text, &error));
        EXPECT_EQ(error.path, c.path) << error.reason;
        EXPECT_NE(error.reason.find(c.reason), std::string::npos) << error.reason;
    }
}

// What JSON allows in a string reads as the same text: escapes, and labels in any case.
TEST(RecordDocument, JsonEscapesAndLetterCaseOfLabelsAreAccepted) {
    std::string text = toDocument(factoryRecord());
    text.replace(text.find("\"Left Click\""), 12, "\"\\u006cEFT cLICK\"");
    text.insert(0, "\xEF\xBB\xBF");
    DocumentError error;
    const auto record = fromDocument(text, &error);
    ASSERT_TRUE(record) << error.path << ": " << error.reason;
    EXPECT_EQ(*record, factoryRecord());
}

}  // namespace
}  // namespace tarvik
