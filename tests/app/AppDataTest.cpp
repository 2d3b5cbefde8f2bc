// The windowed program's data files: the first-run flag lives in the one config-file object
// that loads and saves, so a save in the same process ends the first run.
#include <gtest/gtest.h>

#include "platform/fake/RecordingSink.h"
#include "session/AppData.h"
#include "settings/TempFolder.h"

namespace tarvik {
namespace {

TEST(AppData, ASaveEndsTheFirstRunForTheRestOfTheProcess) {
    test::TempFolder folder;
    std::vector<unsigned char> firstRun(kConfigFileSize, 0);
    test::writeBytes(folder / "config.bin", firstRun);
    AppData data(dataPathsIn(folder.path()), folder / "Skins");
    platform::RecordingSink sink;
    data.attachSink(sink);
    RecordPair records;
    data.loadConfig(records);
    ASSERT_TRUE(data.firstRun());

    ASSERT_FALSE(data.saveConfig(records.current));
    EXPECT_FALSE(data.firstRun()) << "the captions would be reset a second time";
    EXPECT_EQ(test::readBytes(folder / "config.bin")[0], 1);
}

}  // namespace
}  // namespace tarvik
