// Tests of the profile-file engine: lookups, edits that keep the rest of the file, the
// section-name scan, the encodings it must accept and the atomic replacement on disk.
#include "base/ProfileFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "settings/TempFolder.h"

namespace tarvik {
namespace {

std::string fileText(const std::filesystem::path& path) {
    const auto bytes = test::readBytes(path);
    return {bytes.begin(), bytes.end()};
}

void writeText(const std::filesystem::path& path, std::string_view text) {
    test::writeBytes(path, {text.begin(), text.end()});
}

TEST(ProfileDocumentTest, LookupsFollowTheProfileRules) {
    const auto document = ProfileDocument::parse(
        "top=before any section\n"
        "[Skins]\n"
        "Lan = CHS \n"
        "; Path=commented out\n"
        "Path=\"  Dark  \"\n"
        "Empty=\n"
        "[skins]\n"
        "Lan=second section of the same name\n"
        "[Other]\n"
        "Lan=EN\n");
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"Skins", "Lan", "CHS"},             // blanks around the value are trimmed
        {"SKINS", "lan", "CHS"},             // names ignore letter case
        {" Skins ", "Lan", "CHS"},           // and surrounding blanks
        {"Skins", "Path", "  Dark  "},       // enclosing quotes keep inner blanks
        {"Skins", "Empty", ""},              // present but empty
        {"Skins", "Missing", std::nullopt},  // missing key
        {"Nowhere", "Lan", std::nullopt},    // missing section
        {"Other", "Lan", "EN"},
        {"", "top", std::nullopt},  // lines before the first section belong to none
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(document.find(c.section, c.key), c.expected);
        EXPECT_EQ(document.value(c.section, c.key), c.expected.value_or(""));
    }
    EXPECT_EQ(document.sectionNames(), (std::vector<std::string>{"Skins", "Other"}));
}

TEST(ProfileDocumentTest, ValuesAreCutAt1023Characters) {
    const std::string ascii(2000, 'x');
    std::string chinese;
    for (int i = 0; i < 1100; ++i) chinese += "宏";
    auto document = ProfileDocument{};
    document.setValue("S", "Ascii", ascii);
    document.setValue("S", "Chinese", chinese);
    EXPECT_EQ(document.value("S", "Ascii"), ascii.substr(0, 1023));
    // Characters, not bytes: 1023 whole three-byte characters.
    EXPECT_EQ(document.value("S", "Chinese"), chinese.substr(0, 1023 * 3));
}

TEST(ProfileDocumentTest, WritesReplaceAddAndAppendWithoutTouchingOtherLines) {
    auto document = ProfileDocument::parse(
        "; hand-written header\n"
        "[A]\n"
        "one=1\n"
        "junk line without equals\n"
        "\n"
        "[B]\n"
        "two=2\n");
    document.setValue("a", "ONE", "uno");   // replaced in place, the key keeps its spelling
    document.setValue("A", "three", "3");   // added after the section's last non-blank line
    document.setValue("New", "four", "4");  // new section at the end
    EXPECT_EQ(document.serialize(),
              "; hand-written header\n"
              "[A]\n"
              "ONE=uno\n"
              "junk line without equals\n"
              "three=3\n"
              "\n"
              "[B]\n"
              "two=2\n"
              "[New]\n"
              "four=4\n");
}

TEST(ProfileDocumentTest, RemoveSectionTakesEveryCopyAndItsLines) {
    auto document = ProfileDocument::parse("[M]\na=1\n[Keep]\nb=2\n[m]\nc=3\n; tail\n");
    document.removeSection("M");
    EXPECT_EQ(document.serialize(), "[Keep]\nb=2\n");
    document.removeSection("Absent");
    EXPECT_EQ(document.serialize(), "[Keep]\nb=2\n");
}

// Sections are found through an index: it must answer as a walk through the lines would,
// for names that differ only in letter case or blanks, and again after each edit moves them.
TEST(ProfileDocumentTest, SectionLookupsStayRightAfterEditsMoveSections) {
    using Names = std::vector<std::string>;
    auto document = ProfileDocument::parse("[b]\nk=1\n[_]\nk=2\n[A]\nk=3\n[a]\nk=4\n[B ]\nk=5\n[]\nk=6\n");
    const auto expect = [&](const Names& names, const std::vector<std::pair<const char*, const char*>>& values) {
        EXPECT_EQ(document.sectionNames(), names);
        EXPECT_EQ(scanSectionNames(document), scanSectionNames(names));
        for (const auto& [section, value] : values) {
            EXPECT_EQ(document.value(section, "k"), value) << section;
        }
    };
    expect({"b", "_", "A", ""}, {{"B", "1"}, {"a", "3"}, {"_", "2"}, {"", "6"}});
    document.removeSection("B");
    expect({"_", "A", ""}, {{"b", ""}, {"a", "3"}, {"", "6"}});
    document.setValue("_", "k", "a longer value that moves every section after it");
    expect({"_", "A", ""}, {{"a", "3"}, {"", "6"}});
    document.setValue("A", "new", "x");
    document.appendSection("b", {{"k", "7"}});
    expect({"_", "A", "", "b"}, {{"a", "3"}, {"", "6"}, {"B", "7"}});
    EXPECT_EQ(document.value("a", "new"), "x");
}

TEST(ProfileDocumentTest, WrittenValuesReadBackExactly) {
    const std::string values[] = {
        "A   Dn",          "50 ms", " leading blank", "trailing blank ", "\"quoted\"", "",
        "左键 - 中文标题", "a=b=c", "semi;colon",     "[bracketed]",     "\"",
    };
    for (const auto& value : values) {
        SCOPED_TRACE(value);
        auto document = ProfileDocument{};
        document.setValue("S", "K", value);
        EXPECT_EQ(ProfileDocument::parse(document.serialize()).value("S", "K"), value);
    }
}

TEST(ProfileDocumentTest, LineBreaksInValuesAndNamesCannotInjectLines) {
    auto document = ProfileDocument{};
    document.setValue("Macro\n[Evil]", "Item0", "A   Dn\n[Evil]\nItemCount=9");
    const auto reread = ProfileDocument::parse(document.serialize());
    EXPECT_EQ(reread.sectionNames().size(), 1U);
    EXPECT_FALSE(reread.hasSection("Evil"));
    EXPECT_EQ(reread.value("Macro [Evil]", "Item0"), "A   Dn [Evil] ItemCount=9");
}

TEST(ProfileDocumentTest, SectionNamesMayHoldBrackets) {
    auto document = ProfileDocument{};
    document.setValue("my]macro", "ItemCount", "0");
    EXPECT_EQ(ProfileDocument::parse(document.serialize()).sectionNames(), std::vector<std::string>{"my]macro"});
}

TEST(ProfileDocumentTest, HandEditedFileKeepsEverythingAfterASave) {
    const std::string handEdited =
        "\xEF\xBB\xBF; my captions\r\n"
        "[Skins]\r\n"
        "Lan=CHS\r\n"
        "Path=Dark\r\n"
        "\r\n"
        "# not a comment for us, just a line\r\n"
        "[Setting-CHS]\r\n"
        "Item1=左键\r\n"
        "Item2=右键";  // no line end at the end of the file
    auto document = ProfileDocument::parse(handEdited);
    EXPECT_EQ(document.value("Skins", "Lan"), "CHS");
    document.setValue("Skins", "Path", "Light");
    EXPECT_EQ(document.serialize(),
              "; my captions\n"
              "[Skins]\n"
              "Lan=CHS\n"
              "Path=Light\n"
              "\n"
              "# not a comment for us, just a line\n"
              "[Setting-CHS]\n"
              "Item1=左键\n"
              "Item2=右键\n");
}

TEST(ProfileDocumentTest, LineEndsAndByteOrderMarksSettleOnTheFirstSave) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", ""},
        {"no line end", "no line end\n"},
        {"a\r\nb\n", "a\nb\n"},
        {"a\r\r\n", "a\n"},  // a stray carriage return would otherwise go one save later
        {"\xEF\xBB\xBF\xEF\xBB\xBF[A]\n", "[A]\n"},
        {"mid\rline\n", "mid\rline\n"},
    };
    for (const auto& [text, saved] : cases) {
        SCOPED_TRACE(std::string(text));
        EXPECT_EQ(ProfileDocument::parse(text).serialize(), saved);
        EXPECT_EQ(ProfileDocument::parse(saved).serialize(), saved);
    }
}

TEST(ProfileDocumentTest, JunkBytesSurviveAnEditElsewhere) {
    std::string junk = "[Junk]\nbad=\xFF\xFE\xC0\x80 and a \0 zero\n";
    junk.push_back('\0');
    junk += std::string(100000, 'L') + "\n\x01\x02\x03\n[Macro]\nItemCount=0\n";
    auto document = ProfileDocument::parse(junk);
    document.setValue("Macro", "ItemCount", "1");
    const auto text = document.serialize();
    EXPECT_EQ(text.substr(0, junk.find("ItemCount")), junk.substr(0, junk.find("ItemCount")));
    EXPECT_EQ(ProfileDocument::parse(text).value("Macro", "ItemCount"), "1");
}

std::vector<std::string> namesOfLengths(std::initializer_list<std::size_t> lengths) {
    std::vector<std::string> names;
    char letter = 'a';
    for (const auto length : lengths) names.emplace_back(length, letter++);
    return names;
}

TEST(SectionScanTest, OnlyNamesEndingWithinThe255CharacterWindowAreSeen) {
    struct Case {
        const char* what;
        std::vector<std::string> names;
        std::size_t seen;
    };
    const Case cases[] = {
        {"empty list", {}, 0},
        {"two names, last zero at 254", namesOfLengths({100, 153}), 2},
        {"last zero at 255 is past the window", namesOfLengths({100, 154}), 1},
        {"one name of 254 characters", namesOfLengths({254}), 1},
        {"one name of 255 characters", namesOfLengths({255}), 0},
        {"twelve names of 20", namesOfLengths({20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20}), 12},
        {"thirteen names of 20 (13th ends at 272)",
         namesOfLengths({20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20}), 12},
        {"empty names are skipped", {"", "a", "", "b"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(scanSectionNames(c.names).size(), c.seen);
    }
}

TEST(SectionScanTest, CountsCharactersNotBytes) {
    std::string chinese;
    for (int i = 0; i < 254; ++i) chinese += "宏";  // 762 bytes, 254 characters
    EXPECT_EQ(scanSectionNames({chinese}).size(), 1U);
    EXPECT_EQ(scanSectionNames({chinese + "宏"}).size(), 0U);
}

TEST(LeadingIntegerTest, ReadsLikeAtoi) {
    const std::pair<const char*, int> cases[] = {
        {"", 0},
        {"abc", 0},
        {"42", 42},
        {"  42xyz", 42},
        {"-7", -7},
        {"+8", 8},
        {"300", 300},
        {"99999999999", 2147483647},
        {"- 5", 0},
        {"1500 ms", 1500},
        {"-99999999999", -2147483648LL},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(leadingInteger(text), expected);
    }
}

class ProfileFileTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::filesystem::path file = folder / "str.ini";
};

TEST_F(ProfileFileTest, MissingFileReadsEmptyAndAWriteCreatesIt) {
    EXPECT_EQ(readProfileString(file, "Skins", "Lan"), "");
    EXPECT_FALSE(writeProfileString(file, "Skins", "Path", "Dark"));
    EXPECT_EQ(fileText(file), "[Skins]\nPath=Dark\n");
    EXPECT_EQ(readProfileString(file, "skins", "PATH"), "Dark");
}

TEST_F(ProfileFileTest, AWriteKeepsThePermissionsAndLeavesNoTemporaryFile) {
    writeText(file, "[Skins]\nLan=CHT\n");
    ::chmod(file.c_str(), 0640);
    EXPECT_FALSE(writeProfileString(file, "Skins", "Path", "Dark"));
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640U);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(ProfileFileTest, AFailedWriteReportsAndLeavesTheFile) {
    writeText(file, "[Skins]\nLan=CHT\n");
    const auto missingFolder = folder / "no-such-folder" / "str.ini";
    EXPECT_TRUE(writeProfileString(missingFolder, "Skins", "Lan", "EN"));
    // A file that cannot be read is never overwritten by a write that would lose it.
    if (::geteuid() != 0) {
        ::chmod(file.c_str(), 0200);
        EXPECT_TRUE(writeProfileString(file, "Skins", "Path", "Dark"));
        ::chmod(file.c_str(), 0600);
        EXPECT_EQ(fileText(file), "[Skins]\nLan=CHT\n");
    }
    // The same for root, whom no permission stops: the read itself fails.
    fileIoHooks().read = [](int, void*, std::size_t) -> ssize_t { return errno = EIO, -1; };
    EXPECT_EQ(writeProfileString(file, "Skins", "Path", "Dark"), std::make_error_code(std::errc::io_error));
    fileIoHooks() = {};
    EXPECT_EQ(fileText(file), "[Skins]\nLan=CHT\n");
    // A folder where the file should be reads as unreadable, never as a crash.
    std::filesystem::create_directory(folder / "record.ini");
    EXPECT_EQ(readProfileString(folder / "record.ini", "Jump", "ItemCount"), "");
    EXPECT_TRUE(writeProfileString(folder / "record.ini", "Jump", "ItemCount", "1"));
}

}  // namespace
}  // namespace tarvik
