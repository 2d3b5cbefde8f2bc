// tarvikctl export and import on a temporary data folder: the round trip gives config.bin back
// byte for byte, and a document that is refused leaves config.bin and the folder as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli/Commands.h"
#include "session/FactoryRecord.h"
#include "session/RecordDocument.h"
#include "settings/ConfigFile.h"
#include "settings/InterfaceSettings.h"
#include "settings/TempFolder.h"
#include "ui/TextCatalogue.h"

namespace {

using namespace tarvik;
namespace fs = std::filesystem;
using test::readBytes;
using test::writeBytes;
using Bytes = std::vector<unsigned char>;

struct Result {
    int code;
    std::string out, err;
};

Result run(const test::TempFolder& data, std::vector<std::string> words) {
    words.insert(words.begin(), {"--data-dir", data.path().string()});
    const auto parsed = cli::parseCommandLine(words);
    EXPECT_TRUE(parsed.options) << parsed.error;
    std::ostringstream out, err;
    const int code = cli::runCommand(*parsed.options, out, err);
    return {code, out.str(), err.str()};
}

Bytes configFile(std::uint8_t flag, const ConfigRecord& record) {
    const RecordBytes bytes = toBytes(record);
    Bytes file(kConfigFileSize, flag);
    std::ranges::copy(bytes, file.begin() + 1);
    return file;
}

std::string textOf(const fs::path& file) {
    const Bytes bytes = readBytes(file);
    return {bytes.begin(), bytes.end()};
}

std::vector<fs::path> folderListing(const fs::path& folder) {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::ranges::sort(names);
    return names;
}

// A record the pages could make, with reserved bytes that nothing reads.
ConfigRecord unusualRecord() {
    ConfigRecord record = factoryRecord();
    record.reserved1920 = {1, 2, 3, 4, 5};
    record.reserved1926 = 0xA5;
    record.reserved1954 = 0xFF;
    record.dpiEnabled = {0, 0, 1, 0};
    record.dpiColor[7] = 0x42;
    record.lightMode = 3;
    record.macroSlots[0] = 0x12;
    record.macroSlots[2] = 0x05;
    record.macroSlots[3] = 0x04;
    return record;
}

TEST(ExportImportCommand, ExportThenImportGivesConfigBinBackByteForByte) {
    const test::TempFolder data, elsewhere;
    const Bytes saved = configFile(1, unusualRecord());
    writeBytes(data / "config.bin", saved);

    const fs::path document = elsewhere / "settings.json";
    ASSERT_EQ(run(data, {"export", document.string()}).code, 0);
    const Result toStdout = run(data, {"export"});
    ASSERT_EQ(toStdout.code, 0);
    EXPECT_EQ(toStdout.out, textOf(document));

    // Another record in between, so the import has something to replace.
    writeBytes(data / "config.bin", configFile(1, factoryRecord()));
    const Result imported = run(data, {"import", document.string()});
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(readBytes(data / "config.bin"), saved);
}

// The captions travel with the buttons: an import shows them as the exporting window saved them.
TEST(ExportImportCommand, TheButtonCaptionsComeBackIntoStrIni) {
    const test::TempFolder data, elsewhere;
    writeBytes(data / "config.bin", configFile(1, factoryRecord()));
    const TextCatalogue english(LanguageId::EN);
    Captions captions = defaultCaptions(english);
    captions.modeA[2] = "Combo Key-Left Ctrl+C";
    captions.modeB[11] = "\xe5\xae\x8f 1";  // a macro name in Chinese
    ASSERT_FALSE(SaveCaptions(data / "str.ini", english.captionSection(), captions));

    const fs::path document = elsewhere / "settings.json";
    ASSERT_EQ(run(data, {"export", document.string()}).code, 0);
    ASSERT_FALSE(SaveCaptions(data / "str.ini", english.captionSection(), defaultCaptions(english)));
    const Result imported = run(data, {"import", document.string()});
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(LoadInterfaceSettings(data / "str.ini", english.captionSection()).captions, captions);
}

TEST(ExportImportCommand, WithoutConfigBinExportShowsTheFactoryRecordAndImportMakesIt) {
    const test::TempFolder data, elsewhere;
    const Result exported = run(data, {"export"});
    ASSERT_EQ(exported.code, 0) << exported.err;
    const Captions defaults = defaultCaptions(TextCatalogue(LanguageId::EN));
    EXPECT_EQ(exported.out, toDocument(factoryRecord(), &defaults));
    EXPECT_FALSE(fs::exists(data / "config.bin")) << "export only looks";

    writeBytes(elsewhere / "doc.json", Bytes(exported.out.begin(), exported.out.end()));
    ASSERT_EQ(run(data, {"import", (elsewhere / "doc.json").string()}).code, 0);
    EXPECT_EQ(readBytes(data / "config.bin"), configFile(1, factoryRecord()));
}

TEST(ExportImportCommand, ARefusedDocumentLeavesConfigBinAndTheFolderAsTheyWere) {
    const std::string good = toDocument(unusualRecord());
    std::string badField = good;
    badField.replace(badField.find("\"Mid Click\""), 11, "\"Mid Klick\"");
    struct Case {
        const char* name;
        std::string document;  // written to the file unless `absent`
        const char* said;      // part of the message
        bool absent = false;
    };
    const Case cases[] = {
        {"a refused field", badField, "buttons.A[2].function: \"Mid Klick\" is no button function"},
        {"a truncated file", good.substr(0, good.size() / 2), "the document ends"},
        {"an empty file", "", "the document ends where a value should start"},
        {"not JSON", "[Skins]\nLan=EN\n", "unexpected \"S\" where a value should start"},
        {"far too large", std::string(2 << 20, ' '), "far more than a record's document"},
        {"no file", "", "cannot read it: No such file or directory", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const test::TempFolder data, elsewhere;
        writeBytes(data / "config.bin", configFile(0, factoryRecord()));
        const Bytes before = readBytes(data / "config.bin");
        const auto listing = folderListing(data.path());
        const fs::path file = elsewhere / "doc.json";
        if (!c.absent) writeBytes(file, Bytes(c.document.begin(), c.document.end()));

        const Result result = run(data, {"import", file.string()});
        EXPECT_EQ(result.code, cli::kExitUsage);
        EXPECT_NE(result.err.find(c.said), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("not changed"), std::string::npos) << result.err;
        EXPECT_EQ(readBytes(data / "config.bin"), before);
        EXPECT_EQ(folderListing(data.path()), listing);
    }
}

// The import replaces the whole record, so a config.bin that cannot be loaded does not stop
// it; its old bytes are kept beside, as every save over such a file keeps them.
TEST(ExportImportCommand, ImportOverAnUnloadableConfigBinKeepsItsBytesBeside) {
    const test::TempFolder data, elsewhere;
    const Bytes broken(kConfigFileSize - 1, 7);
    writeBytes(data / "config.bin", broken);
    const std::string document = toDocument(unusualRecord());
    writeBytes(elsewhere / "doc.json", Bytes(document.begin(), document.end()));

    const Result result = run(data, {"import", (elsewhere / "doc.json").string()});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(readBytes(data / "config.bin"), configFile(1, unusualRecord()));
    EXPECT_EQ(readBytes(data / "config.bin.bad"), broken);
    EXPECT_NE(result.err.find("config.bin.bad"), std::string::npos) << result.err;
}

TEST(ExportImportCommand, WrongUsageExitsTwo) {
    const test::TempFolder data;
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"import"}, {"import", "a.json", "b.json"}, {"export", "a.json", "b.json"}}) {
        SCOPED_TRACE(words.size());
        EXPECT_EQ(run(data, words).code, cli::kExitUsage);
    }
    EXPECT_FALSE(fs::exists(data / "config.bin"));
}

}  // namespace
