// Tests of the macro store "record.ini": listing, loading, saving, deleting and compiling
// every macro into its slot, and saves that survive the writer being killed.
#include "macros/MacroStore.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <random>
#include <thread>

#include "macros/MacroSlot.h"
#include "platform/fake/RecordingSink.h"
#include "settings/ConfigFile.h"
#include "settings/TempFolder.h"

namespace tarvik {
namespace {

using Lines = std::vector<std::string>;
using Names = std::vector<std::string>;

std::string fileText(const std::filesystem::path& path) {
    const auto bytes = test::readBytes(path);
    return {bytes.begin(), bytes.end()};
}

class MacroStoreTest : public ::testing::Test {
protected:
    void write(std::string_view text) { test::writeBytes(recordIni, {text.begin(), text.end()}); }

    test::TempFolder folder;
    std::filesystem::path recordIni = folder / "record.ini";
};

TEST_F(MacroStoreTest, NoFileMeansNoMacrosAndNothingCompiled) {
    ConfigRecord record;
    std::ranges::fill(record.macroSlots, Byte{0x5A});
    const auto before = record;
    EXPECT_TRUE(ListMacroNames(recordIni).empty());
    EXPECT_TRUE(LoadMacroLines(recordIni, "Any").empty());
    CompileMacroSlots(recordIni, record);
    EXPECT_EQ(record, before);
    EXPECT_FALSE(DeleteMacro(recordIni, "Any"));
    EXPECT_FALSE(std::filesystem::exists(recordIni));  // deleting nothing creates no file
}

TEST_F(MacroStoreTest, SavedLinesReadBackAndTheFileLooksAsWritten) {
    const Lines lines = {"A   Dn", "50 ms", "A   Up", "50 ms", "L-Button   Dn", "50 ms", "L-Button   Up"};
    ASSERT_FALSE(SaveMacroLines(recordIni, "Macro1", lines));
    EXPECT_EQ(LoadMacroLines(recordIni, "macro1"), lines);  // names ignore letter case
    EXPECT_EQ(fileText(recordIni),
              "[Macro1]\nItemCount=7\nItem0=A   Dn\nItem1=50 ms\nItem2=A   Up\nItem3=50 ms\n"
              "Item4=L-Button   Dn\nItem5=50 ms\nItem6=L-Button   Up\n");
}

TEST_F(MacroStoreTest, LoadFollowsItemCount) {
    write(
        "[Gaps]\nItemCount=4\nItem0=A   Dn\nItem2=A   Up\nItem3=5 ms\n"
        "[Short]\nItemCount=1\nItem0=A   Dn\nItem1=stale\n"
        "[NoCount]\nItem0=A   Dn\n"
        "[Letters]\nItemCount=two\nItem0=A   Dn\n"
        "[Negative]\nItemCount=-3\nItem0=A   Dn\n"
        "[Huge]\nItemCount=2000000000\nItem0=A   Dn\nItem1=50 ms\n");
    struct Case {
        const char* name;
        Lines lines;
    };
    const Case cases[] = {
        {"Gaps", {"A   Dn", "", "A   Up", "5 ms"}},  // a missing line reads as empty
        {"Short", {"A   Dn"}},
        {"NoCount", {}},
        {"Letters", {}},
        {"Negative", {}},
        {"Huge", {"A   Dn", "50 ms"}},  // a corrupt count makes no millions of lines
        {"Absent", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LoadMacroLines(recordIni, c.name), c.lines);
    }
}

TEST_F(MacroStoreTest, SavingMovesTheMacroLastAndLoopCountsStayWithTheirSlots) {
    ASSERT_FALSE(SaveMacroLines(recordIni, "First", Lines{"A   Dn", "10 ms"}));
    ASSERT_FALSE(SaveMacroLines(recordIni, "Second", Lines{"B   Dn", "20 ms"}));
    ASSERT_FALSE(SaveMacroLines(recordIni, "Third", Lines{"C   Dn", "30 ms"}));
    ConfigRecord record;
    for (int slot = 1; slot <= 3; ++slot) SetLoopCount(record, slot, static_cast<std::uint16_t>(100 * slot));

    ASSERT_FALSE(SaveMacroLines(recordIni, "SECOND", Lines{"B   Up", "40 ms"}));
    CompileMacroSlots(recordIni, record);

    EXPECT_EQ(ListMacroNames(recordIni), (Names{"First", "Third", "SECOND"}));
    const std::array<std::array<Byte, 4>, 3> expected = {{
        {0, 100, 0x01, 0x04},  // First, A after 10 ms
        {0, 200, 0x03, 0x06},  // Third, C after 30 ms
        {1, 44, 0x84, 0x05},   // the saved macro in slot 3 takes slot 3's loop count (300)
    }};
    for (int slot = 1; slot <= 3; ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        const auto bytes = macroSlot(record, slot);
        EXPECT_TRUE(std::equal(expected[static_cast<std::size_t>(slot - 1)].begin(),
                               expected[static_cast<std::size_t>(slot - 1)].end(), bytes.begin()));
    }
}

// The pause of the last line is read from the line after it, even when that line lies past
// "ItemCount"; it never becomes an event of its own.
TEST_F(MacroStoreTest, TheLastLinesPauseComesFromTheLineAfterIt) {
    struct Case {
        const char* what;
        const char* section;
        std::vector<Byte> head;  // slot bytes 2-7
    };
    const Case cases[] = {
        {"a delay line after the count", "ItemCount=1\nItem0=A   Dn\nItem1=50 ms\n", {0x05, 0x04, 0, 0, 0, 0}},
        {"a long pause after the count", "ItemCount=1\nItem0=A   Up\nItem1=1500 ms\n", {0x80, 0x04, 0x0F, 0x03, 0, 0}},
        {"the key in other letter case", "ItemCount=1\nItem0=A   Dn\nITEM1=20 ms\n", {0x02, 0x04, 0, 0, 0, 0}},
        {"nothing after the count", "ItemCount=1\nItem0=A   Dn\n", {0x00, 0x04, 0, 0, 0, 0}},
        {"an event line after the count", "ItemCount=1\nItem0=A   Dn\nItem1=B   Dn\n", {0x00, 0x04, 0, 0, 0, 0}},
        {"a gap after the count", "ItemCount=1\nItem0=A   Dn\nItem2=50 ms\n", {0x00, 0x04, 0, 0, 0, 0}},
        {"a delay line last", "ItemCount=2\nItem0=A   Dn\nItem1=30 ms\nItem2=90 ms\n", {0x03, 0x04, 0, 0, 0, 0}},
        {"lines missing before the count", "ItemCount=3\nItem0=A   Dn\nItem3=50 ms\n", {0x00, 0x04, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write(std::string("[M]\n") + c.section);
        ConfigRecord record;
        CompileMacroSlots(recordIni, record);
        const auto slot = macroSlot(record, 1);
        EXPECT_EQ(std::vector<Byte>(slot.begin() + 2, slot.begin() + 8), c.head);
    }
}

TEST_F(MacroStoreTest, DeleteRemovesTheSectionAndLaterSlotsKeepTheirBytes) {
    write("; my macros\n[One]\nItemCount=1\nItem0=A   Dn\n[Two]\nItemCount=1\nItem0=B   Dn\n");
    ConfigRecord record;
    CompileMacroSlots(recordIni, record);
    ASSERT_FALSE(DeleteMacro(recordIni, "ONE"));
    EXPECT_EQ(fileText(recordIni), "; my macros\n[Two]\nItemCount=1\nItem0=B   Dn\n");
    CompileMacroSlots(recordIni, record);
    EXPECT_EQ(macroSlot(record, 1)[3], 0x05);  // Two moved up to slot 1
    EXPECT_EQ(macroSlot(record, 2)[3], 0x05);  // the old last slot keeps its bytes
}

TEST_F(MacroStoreTest, OnlyTheFirstTwelveMacrosAreCompiled) {
    std::string text;
    for (int m = 1; m <= 14; ++m) text += "[M" + std::to_string(m) + "]\nItemCount=1\nItem0=A   Dn\n";
    write(text);
    ConfigRecord record;
    std::ranges::fill(record.macroSlots, Byte{0x77});
    CompileMacroSlots(recordIni, record);
    EXPECT_EQ(ListMacroNames(recordIni).size(), 14U);
    for (int slot = 1; slot <= 12; ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        EXPECT_EQ(macroSlot(record, slot)[3], 0x04);
        EXPECT_EQ(GetLoopCount(record, slot), 0x7777);
    }
}

TEST_F(MacroStoreTest, NamesPastTheScanLimitAreNeitherListedNorCompiled) {
    // Names of 30 characters: the zero after the 8th lies at 247, after the 9th at 278.
    std::string text;
    for (char c = 'a'; c < 'a' + 9; ++c) text += "[" + std::string(30, c) + "]\nItemCount=0\n";
    write(text);
    ConfigRecord record;
    std::ranges::fill(record.macroSlots, Byte{0x11});
    CompileMacroSlots(recordIni, record);
    EXPECT_EQ(ListMacroNames(recordIni).size(), 8U);
    EXPECT_EQ(macroSlot(record, 8)[0], 0x00);  // compiled as empty
    EXPECT_EQ(macroSlot(record, 9)[0], 0x11);  // not reached
}

TEST_F(MacroStoreTest, JunkInTheFileIsKeptWhenAMacroIsSaved) {
    std::string junk = "\xEF\xBB\xBF[Bin\xFF\xFE]\r\nItemCount=1\r\nItem0=\x80\x81   Dn\r\n";
    junk += std::string(5000, '\x01') + "\r\n[Other]\r\nItemCount=0\r\n";
    write(junk);
    ASSERT_FALSE(SaveMacroLines(recordIni, "New", Lines{"A   Dn"}));
    EXPECT_EQ(ListMacroNames(recordIni), (Names{"Bin\xFF\xFE", "Other", "New"}));
    EXPECT_EQ(LoadMacroLines(recordIni, "Bin\xFF\xFE"), Lines{"\x80\x81   Dn"});
    EXPECT_NE(fileText(recordIni).find(std::string(5000, '\x01')), std::string::npos);
}

TEST_F(MacroStoreTest, SummariesGiveNamesAndLineCountsInStoreOrder) {
    write("[B]\nItemCount=3\nItem0=A   Dn\nItem1=5 ms\nItem2=A   Up\n[A]\nItemCount=0\n");
    const auto summaries = listMacros(recordIni);
    ASSERT_EQ(summaries.size(), 2U);
    EXPECT_EQ(summaries[0].name, "B");
    EXPECT_EQ(summaries[0].lineCount, 3U);
    EXPECT_EQ(summaries[1].name, "A");
    EXPECT_EQ(summaries[1].lineCount, 0U);
}

// The example macros compile to the slot bytes of the golden file, one line per slot; the
// same files serve the command-line tool's compile.
TEST(MacroGoldenTest, ExamplesCompileToTheGoldenSlots) {
    const std::filesystem::path data = TARVIK_TEST_DATA "/macros";
    ConfigRecord record;
    CompileMacroSlots(data / "examples.ini", record);
    std::ifstream golden(data / "examples.hex");
    ASSERT_TRUE(golden) << "missing " << (data / "examples.hex");
    std::string expected;
    int slot = 0;
    while (std::getline(golden, expected)) {
        ++slot;
        SCOPED_TRACE("slot " + std::to_string(slot));
        EXPECT_EQ(slotHex(macroSlot(record, slot)), expected);
    }
    EXPECT_EQ(slot, 7);
}

// A child process saves over and over, alternating two contents, until it is killed at a
// random moment; each file must then hold one of its two contents whole.
TEST_F(MacroStoreTest, KillingTheWriterNeverLeavesAMixedFile) {
    const Lines shortMacro = {"A   Dn"};
    const Lines longMacro(4000, "Right Shift   Dn");
    ConfigRecord first;
    ConfigRecord second;
    std::ranges::fill(second.macroSlots, Byte{0xAB});
    ConfigFile config{folder / "config.bin"};
    test::writeBytes(config.path, std::vector<unsigned char>(kConfigFileSize));  // saves need the file
    platform::RecordingSink sink;

    ASSERT_FALSE(SaveMacroLines(recordIni, "M", shortMacro));
    const auto shortText = fileText(recordIni);
    ASSERT_FALSE(SaveMacroLines(recordIni, "M", longMacro));
    const auto longText = fileText(recordIni);
    SaveConfig(config, first, sink);
    const auto firstBytes = test::readBytes(config.path);
    SaveConfig(config, second, sink);
    const auto secondBytes = test::readBytes(config.path);
    ASSERT_TRUE(sink.messages.empty());

    std::mt19937 random(2024);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                (void)SaveMacroLines(recordIni, "M", i % 2 == 0 ? shortMacro : longMacro);
                SaveConfig(config, i % 2 == 0 ? first : second, sink);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        SCOPED_TRACE("round " + std::to_string(round));
        const auto text = fileText(recordIni);
        EXPECT_TRUE(text == shortText || text == longText) << text.size() << " bytes";
        const auto bytes = test::readBytes(config.path);
        EXPECT_TRUE(bytes == firstBytes || bytes == secondBytes) << bytes.size() << " bytes";
    }
}

}  // namespace
}  // namespace tarvik
