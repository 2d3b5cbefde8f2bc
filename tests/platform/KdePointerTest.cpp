// The KDE Plasma pointer backend against configuration files in a temporary folder, and the
// choice of backend from the session's environment.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "performance/PointerLevels.h"
#include "platform/linux/KdePointerSettings.h"
#include "platform/linux/PointerSettingsSelector.h"
#include "settings/TempFolder.h"
#include "support/ClassicPointer.h"

namespace tarvik::platform {
namespace {

std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

class KdePointerTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    int announced = 0;
    KdePointerSettings kde{folder.path(), [this] { ++announced; }};
};

TEST_F(KdePointerTest, NoFilesReadAsPlasmaDefaults) {
    EXPECT_EQ(kde.controls(), (PointerControls{true, false, true, true, true}));
    EXPECT_TRUE(precisionFromAccelProfile(kde.getAccelProfile().value));
    EXPECT_EQ(test::classicSpeedOf(kde.getPointerSpeed().value), 10);
    EXPECT_EQ(kde.getWheelScrollLines().value, 3U);
    EXPECT_EQ(kde.getDoubleClickTime().value, 400U);
}

TEST_F(KdePointerTest, WritesKeepEveryOtherLineAndAnnounceEachChange) {
    const std::string before =
        "# kept comment\n[General]\nColorScheme=Breeze\n\n[KDE]\nSingleClick=false\n"
        "WheelScrollLines=5\n\n[WM]\nactiveFont=Noto Sans,10\n";
    writeText(folder / "kdeglobals", before);
    EXPECT_EQ(kde.getWheelScrollLines().value, 5U);
    EXPECT_EQ(kde.setWheelScrollLines(7).status, PointerStatus::ok);
    EXPECT_EQ(kde.setDoubleClickTime(550).status, PointerStatus::ok);
    EXPECT_EQ(readText(folder / "kdeglobals"),
              "# kept comment\n[General]\nColorScheme=Breeze\n\n[KDE]\nSingleClick=false\n"
              "WheelScrollLines=7\nDoubleClickInterval=550\n\n[WM]\nactiveFont=Noto Sans,10\n");
    EXPECT_EQ(kde.getDoubleClickTime().value, 550U);
    EXPECT_EQ(announced, 2);
}

TEST_F(KdePointerTest, SpeedAndProfileGoToOurMouseGroupAndTheX11Keys) {
    writeText(folder / "kcminputrc",
              "[Libinput][1133][49271][Other Mouse]\nPointerAcceleration=-0.500\nPointerAccelerationProfile=2\n\n"
              "[Libinput][1241][41119][USB Gaming Mouse]\nPointerAcceleration=0.400\nPointerAccelerationProfile=1\n");
    EXPECT_EQ(test::classicSpeedOf(kde.getPointerSpeed().value), 14);  // 0.4 is level 8
    EXPECT_FALSE(precisionFromAccelProfile(kde.getAccelProfile().value));

    EXPECT_EQ(kde.setPointerSpeed(test::desktopSpeedOf(20)).status, PointerStatus::ok);
    EXPECT_EQ(kde.setAccelProfile(accelProfileForPrecision(true)).status, PointerStatus::ok);
    EXPECT_EQ(readText(folder / "kcminputrc"),
              "[Libinput][1133][49271][Other Mouse]\nPointerAcceleration=-0.500\nPointerAccelerationProfile=2\n\n"
              "[Libinput][1241][41119][USB Gaming Mouse]\nPointerAcceleration=1.000\nPointerAccelerationProfile=2\n"
              "[Mouse]\nXLbInptPointerAcceleration=1.000\nX11LibInputXAccelProfileFlat=false\n");
    EXPECT_EQ(test::classicSpeedOf(kde.getPointerSpeed().value), 20);
}

TEST_F(KdePointerTest, X11KeysServeWhenPlasmaHasNoGroupForOurMouse) {
    writeText(folder / "kcminputrc", "[Mouse]\nX11LibInputXAccelProfileFlat=true\nXLbInptPointerAcceleration=-1\n");
    EXPECT_FALSE(precisionFromAccelProfile(kde.getAccelProfile().value));
    EXPECT_EQ(test::classicSpeedOf(kde.getPointerSpeed().value), 1);
}

TEST_F(KdePointerTest, OddValuesInTheFiles) {
    struct Case {
        const char* kdeglobals;
        PointerStatus doubleClick;
        std::uint32_t lines;
    };
    const Case cases[] = {
        {"[KDE]\nDoubleClickInterval=0\n", PointerStatus::failed, 3},
        {"[KDE]\nDoubleClickInterval=-20\nWheelScrollLines=-4\n", PointerStatus::failed, 0},
        {"[KDE]\r\nDoubleClickInterval= 300 \r\nWheelScrollLines=40\r\n", PointerStatus::ok, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kdeglobals);
        writeText(folder / "kdeglobals", c.kdeglobals);
        EXPECT_EQ(kde.getDoubleClickTime().status, c.doubleClick);
        EXPECT_EQ(kde.getWheelScrollLines().value, c.lines);
    }
    writeText(folder / "kcminputrc", "[Mouse]\nXLbInptPointerAcceleration=fast\n");
    EXPECT_EQ(test::classicSpeedOf(kde.getPointerSpeed().value), 10);  // unreadable numbers count as Plasma's 0
}

TEST_F(KdePointerTest, PageScrollingIsUnavailableAndWritesNothing) {
    EXPECT_EQ(kde.setWheelScrollLines(kScrollOneScreenLines).status, PointerStatus::unavailable);
    EXPECT_FALSE(std::filesystem::exists(folder / "kdeglobals"));
    EXPECT_EQ(announced, 0);
}

TEST_F(KdePointerTest, UnusableFilesFailWithTheirPathAndAnnounceNothing) {
    // A folder where the file should be, and a configuration folder that is a file.
    std::filesystem::create_directory(folder / "kdeglobals");
    const auto read = kde.getDoubleClickTime();
    EXPECT_EQ(read.status, PointerStatus::failed);
    EXPECT_NE(read.detail.find("kdeglobals"), std::string::npos);
    EXPECT_EQ(kde.setWheelScrollLines(3).status, PointerStatus::failed);

    writeText(folder / "home-file", "");
    KdePointerSettings broken{folder / "home-file", [this] { ++announced; }};
    EXPECT_EQ(broken.setPointerSpeed(test::desktopSpeedOf(10)).status, PointerStatus::failed);
    EXPECT_EQ(announced, 0);
}

TEST(PointerSelectorTest, DesktopFromTheSessionEnvironment) {
    using Env = std::map<std::string, std::string>;
    const std::pair<Env, PointerDesktop> cases[] = {
        {{{"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}}, PointerDesktop::gnome},
        {{{"XDG_CURRENT_DESKTOP", "Budgie:GNOME"}}, PointerDesktop::gnome},
        {{{"XDG_CURRENT_DESKTOP", "Pantheon"}}, PointerDesktop::gnome},
        {{{"XDG_CURRENT_DESKTOP", "Unity"}}, PointerDesktop::gnome},
        {{{"XDG_CURRENT_DESKTOP", "KDE"}, {"DESKTOP_SESSION", "gnome"}}, PointerDesktop::kde},
        {{{"XDG_CURRENT_DESKTOP", "X-Cinnamon"}, {"DESKTOP_SESSION", "gnome"}}, PointerDesktop::none},
        {{{"XDG_CURRENT_DESKTOP", "XFCE"}}, PointerDesktop::none},
        {{{"XDG_CURRENT_DESKTOP", ""}, {"KDE_FULL_SESSION", "true"}}, PointerDesktop::kde},
        {{{"DESKTOP_SESSION", "plasmawayland"}}, PointerDesktop::kde},
        {{{"DESKTOP_SESSION", "gnome-xorg"}}, PointerDesktop::gnome},
        {{{"DESKTOP_SESSION", "cinnamon"}}, PointerDesktop::none},
        {{}, PointerDesktop::none},
    };
    for (const auto& [env, desktop] : cases) {
        SCOPED_TRACE(env.empty() ? std::string("empty") : env.begin()->first + "=" + env.begin()->second);
        const EnvironmentLookup lookup = [&env](std::string_view name) -> std::optional<std::string> {
            const auto found = env.find(std::string(name));
            return found != env.end() ? std::optional<std::string>(found->second) : std::nullopt;
        };
        EXPECT_EQ(pointerDesktopFrom(lookup), desktop);
    }
}

TEST(PointerSelectorTest, ConfigFolderAndTheUnknownDesktop) {
    std::map<std::string, std::string> env{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "relative/cfg"}};
    const EnvironmentLookup lookup = [&env](std::string_view name) -> std::optional<std::string> {
        const auto found = env.find(std::string(name));
        return found != env.end() ? std::optional<std::string>(found->second) : std::nullopt;
    };
    EXPECT_EQ(configHomeFrom(lookup), "/home/u/.config");
    env["XDG_CONFIG_HOME"] = "/srv/cfg";
    EXPECT_EQ(configHomeFrom(lookup), "/srv/cfg");
    env["XDG_CURRENT_DESKTOP"] = "LXQt";
    EXPECT_EQ(makePointerSettings(lookup)->controls(), PointerControls{});
}

}  // namespace
}  // namespace tarvik::platform
