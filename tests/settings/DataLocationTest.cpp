// Where the data files and skins are found: override, portable, XDG and home folders, the
// factory "config.bin" copied into a new data folder, and the --data-dir option.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "TempFolder.h"
#include "platform/fake/RecordingSink.h"
#include "settings/ConfigFile.h"
#include "settings/DataLocation.h"

namespace tarvik {
namespace {

namespace fs = std::filesystem;
using Env = std::map<std::string, std::string, std::less<>>;

EnvLookup lookupIn(const Env& env) {
    return [env](std::string_view name) -> std::optional<std::string> {
        const auto it = env.find(name);
        if (it == env.end()) return std::nullopt;
        return it->second;
    };
}

class DataLocationTest : public testing::Test {
protected:
    test::TempFolder root;
    fs::path exe = root / "opt" / "bin" / "tarvik";

    void SetUp() override { fs::create_directories(exe.parent_path()); }
};

TEST_F(DataLocationTest, FolderChosenByOverridePortableCopyAndEnvironment) {
    struct Case {
        const char* name;
        bool portable;  // "config.bin" beside the executable
        std::optional<fs::path> overrideDir;
        Env env;
        fs::path expected;
    };
    const fs::path exeDir = exe.parent_path();
    const Case cases[] = {
        {"override wins over a portable copy", true, fs::path("/data/x"), {{"HOME", "/home/u"}}, "/data/x"},
        {"portable copy", true, std::nullopt, {{"XDG_CONFIG_HOME", "/xdg"}, {"HOME", "/home/u"}}, exeDir},
        {"XDG folder", false, std::nullopt, {{"XDG_CONFIG_HOME", "/xdg"}, {"HOME", "/home/u"}}, "/xdg/tarvik"},
        {"relative XDG is ignored",
         false,
         std::nullopt,
         {{"XDG_CONFIG_HOME", "cfg"}, {"HOME", "/home/u"}},
         "/home/u/.config/tarvik"},
        {"empty XDG is ignored",
         false,
         std::nullopt,
         {{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/u"}},
         "/home/u/.config/tarvik"},
        {"no XDG", false, std::nullopt, {{"HOME", "/home/u"}}, "/home/u/.config/tarvik"},
        {"no home at all", false, std::nullopt, {}, exeDir},
        {"empty override is no override", false, fs::path(), {{"HOME", "/home/u"}}, "/home/u/.config/tarvik"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(exeDir / "config.bin");
        if (c.portable) test::writeBytes(exeDir / "config.bin", {0});
        const DataPaths paths = resolveDataPaths(c.overrideDir, exe, lookupIn(c.env));
        EXPECT_EQ(paths.dir, c.expected);
        EXPECT_EQ(paths.configBin, c.expected / "config.bin");
        EXPECT_EQ(paths.recordIni, c.expected / "record.ini");
        EXPECT_EQ(paths.strIni, c.expected / "str.ini");
    }
}

TEST_F(DataLocationTest, FactoryConfigIsCopiedIntoANewFolderOnce) {
    const fs::path factory = root / "factory" / "config.bin";
    test::writeBytes(factory, std::vector<unsigned char>(kConfigFileSize, 0x11));
    fs::permissions(factory, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const DataPaths paths = dataPathsIn(root / "home" / ".config" / "tarvik");

    ASSERT_TRUE(ensureConfigFile(paths, factory));
    EXPECT_EQ(test::readBytes(paths.configBin), test::readBytes(factory));
    EXPECT_FALSE(fs::exists(paths.dir / "config.bin.tmp"));
    // A read-only installed file still gives the user a copy that later saves can replace.
    EXPECT_NE(fs::status(paths.configBin).permissions() & fs::perms::owner_write, fs::perms::none);

    // The user's own file is never replaced by the factory one.
    test::writeBytes(paths.configBin, std::vector<unsigned char>(kConfigFileSize, 0x22));
    ASSERT_TRUE(ensureConfigFile(paths, factory));
    EXPECT_EQ(test::readBytes(paths.configBin)[0], 0x22);
}

TEST_F(DataLocationTest, MissingFactoryFileLeadsToTheMissingConfigMessage) {
    const DataPaths paths = dataPathsIn(root / "data");
    EXPECT_FALSE(ensureConfigFile(paths, root / "nowhere" / "config.bin"));
    EXPECT_FALSE(ensureConfigFile(paths, fs::path()));
    EXPECT_FALSE(fs::exists(paths.configBin));

    ConfigFile file{paths.configBin, 0};
    ConfigRecord record{};
    platform::RecordingSink sink;
    LoadConfig(file, record, sink);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Config file is not exist.");
}

// Whatever stands at the path is the user's; only a missing file is seeded.
TEST_F(DataLocationTest, NothingButAMissingFileIsReplacedByTheFactoryOne) {
    const fs::path factory = root / "factory" / "config.bin";
    test::writeBytes(factory, std::vector<unsigned char>(kConfigFileSize, 0x11));
    struct Case {
        const char* what;
        std::function<fs::path(const fs::path& dir)> make;  // returns the data folder
        bool present;
    };
    const Case cases[] = {
        {"a link to nothing",
         [](const fs::path& d) {
             fs::create_directories(d);
             fs::create_symlink(d / "dotfiles-config.bin", d / "config.bin");
             return d;
         },
         false},
        {"a data folder that is a file",
         [](const fs::path& d) {
             test::writeBytes(d, {1, 2, 3});
             return d;
         },
         false},
        {"a folder in its place",
         [](const fs::path& d) {
             fs::create_directories(d / "config.bin");
             return d;
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path dir = c.make(root / c.what);
        const DataPaths paths = dataPathsIn(dir);
        std::error_code ec;
        const auto before = fs::symlink_status(paths.configBin, ec).type();
        EXPECT_EQ(ensureConfigFile(paths, factory), c.present);
        EXPECT_EQ(fs::symlink_status(paths.configBin, ec).type(), before);
        EXPECT_FALSE(fs::is_regular_file(paths.configBin, ec)) << "the factory file was put in";
    }
}

TEST_F(DataLocationTest, FactoryConfigSearchedInBuildTreeThenInstalledLayout) {
    const fs::path buildTree = root / "build" / "share" / "config.bin";
    const fs::path installed = exe.parent_path() / ".." / "share" / "tarvik" / "config.bin";
    EXPECT_EQ(findFactoryConfig(exe, buildTree), fs::path());
    test::writeBytes(installed, {0});
    EXPECT_EQ(findFactoryConfig(exe, buildTree), installed);
    test::writeBytes(buildTree, {0});
    EXPECT_EQ(findFactoryConfig(exe, buildTree), buildTree);
}

TEST_F(DataLocationTest, SkinsBesideTheExecutableThenBuildTreeThenInstalled) {
    const fs::path buildTree = root / "build" / "share" / "Skins";
    const fs::path installed = exe.parent_path() / ".." / "share" / "tarvik" / "Skins";
    EXPECT_EQ(skinsFolder(exe, buildTree), installed);
    fs::create_directories(buildTree);
    EXPECT_EQ(skinsFolder(exe, buildTree), buildTree);
    fs::create_directories(exe.parent_path() / "Skins");
    EXPECT_EQ(skinsFolder(exe, buildTree), exe.parent_path() / "Skins");
}

TEST(DataDirOption, ReadFromTheArguments) {
    struct Case {
        std::vector<const char*> args;
        std::optional<fs::path> expected;
    };
    const Case cases[] = {
        {{"tarvik"}, std::nullopt},
        {{"tarvik", "--data-dir", "/d"}, fs::path("/d")},
        {{"tarvik", "--data-dir=/e"}, fs::path("/e")},
        {{"tarvik", "--data-dir", "/d", "--data-dir=/e"}, fs::path("/e")},
        {{"tarvik", "--data-dir"}, std::nullopt},
        {{"tarvik", "--data-dir="}, std::nullopt},
        {{"tarvik", "--data-dirx", "/d"}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        EXPECT_EQ(dataDirOption(c.args), c.expected);
    }
}

TEST(DataLocation, CurrentExecutableIsThisTest) {
    EXPECT_EQ(currentExecutablePath().filename(), "data_location_tests");
}

}  // namespace
}  // namespace tarvik
