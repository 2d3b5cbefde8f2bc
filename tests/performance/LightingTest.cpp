// The lighting payload (effect triple and option set 0 over the mouse's own values) and the
// mode, parameter and effect texts of the lighting group.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "performance/Lighting.h"

namespace tarvik {
namespace {

using Triple = std::array<std::uint8_t, 3>;

// What the mouse reported before the apply; every byte distinct so a kept byte is visible.
constexpr Triple kReadEffect{0x71, 0x72, 0x73};
constexpr Triple kReadSet0{0x61, 0x62, 0x63};

struct PayloadCase {
    const char* name;
    std::uint8_t mode, param, effect;  // the current mode's parameter and effect fields
    Triple effectTriple, set0;
};

void setModeFields(ConfigRecord& record, const PayloadCase& c) {
    record.lightMode = c.mode;
    if (Byte* param = lightParamField(record, c.mode)) *param = c.param;
    if (Byte* effect = lightEffectField(record, c.mode)) *effect = c.effect;
}

TEST(Lighting, PayloadByModeAndEffect) {
    const PayloadCase cases[] = {
        {"off keeps the mouse's values", 0, 0, 0, kReadEffect, kReadSet0},
        {"unknown mode keeps them too", 7, 3, 3, kReadEffect, kReadSet0},
        {"standard 100%", 1, 9, 1, {1, 10, 2}, {1, 0x62, 0x63}},
        {"standard ignores its effect field", 1, 0, 0, {1, 1, 2}, {1, 0x62, 0x63}},
        {"respiration effect 1", 2, 4, 1, {2, 5, 2}, {1, 0x62, 0x63}},
        {"respiration effect 2", 2, 0, 2, {2, 1, 3}, {2, 100, 3}},
        {"respiration other effect", 2, 2, 0, {2, 3, 0x73}, kReadSet0},
        {"neon 15S fixed on", 3, 29, 3, {3, 30, 0x73}, {3, 5, 5}},
        {"neon flash", 3, 0, 2, {3, 1, 0x73}, {2, 100, 10}},
        {"neon other effect", 3, 5, 1, {3, 6, 0x73}, kReadSet0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigRecord record{};
        setModeFields(record, c);
        Triple effect = kReadEffect;
        Triple set0 = kReadSet0;
        LightingPayload(record, effect, set0);
        EXPECT_EQ(effect, c.effectTriple);
        EXPECT_EQ(set0, c.set0);
    }
}

TEST(Lighting, ModeAndEffectTexts) {
    const std::pair<std::uint8_t, std::string_view> modes[] = {
        {0, "Off"}, {1, "Standard"}, {2, "Respiration"}, {3, "Neon"}, {4, ""}};
    for (const auto& [value, text] : modes) EXPECT_EQ(lightModeText(value), text) << int(value);
    const std::pair<std::uint8_t, std::string_view> effects[] = {
        {0, "Non-Disolay"}, {1, "RGB Effect"}, {2, "RGB Flash"}, {3, "RGB Fixed On"}, {4, ""}};
    for (const auto& [value, text] : effects) EXPECT_EQ(lightEffectText(value), text) << int(value);
}

TEST(Lighting, ParameterListsByMode) {
    struct Case {
        std::uint8_t mode;
        std::size_t size;
        std::string_view first, last;
    };
    const Case cases[] = {
        {1, 10, "5%", "100%"},
        {2, 5, "8S", "4S"},
        {3, 30, "0.5S", "15S"},
        {0, 30, "0.5S", "15S"},  // a list opened while Off shows the Neon periods
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        const auto list = lightParamList(c.mode);
        ASSERT_EQ(list.size(), c.size);
        EXPECT_EQ(list.front(), c.first);
        EXPECT_EQ(list.back(), c.last);
        EXPECT_EQ(lightParamText(c.mode, static_cast<std::uint8_t>(c.size)), "");
    }
}

TEST(Lighting, NeonPeriodsFollowTheHalfSecondRule) {
    for (int v = 0; v < 30; ++v) {
        const int tenths = 5 * (v + 1);
        char expected[16];
        if (tenths % 10 == 0) std::snprintf(expected, sizeof expected, "%dS", tenths / 10);
        else std::snprintf(expected, sizeof expected, "%d.5S", tenths / 10);
        EXPECT_EQ(lightParamText(kLightNeon, static_cast<std::uint8_t>(v)), expected) << "value " << v;
    }
}

TEST(Lighting, EffectChoicesAndFieldsPerMode) {
    EXPECT_EQ(std::vector(lightEffectChoices(1).begin(), lightEffectChoices(1).end()), std::vector<std::uint8_t>{1});
    EXPECT_EQ(std::vector(lightEffectChoices(2).begin(), lightEffectChoices(2).end()),
              (std::vector<std::uint8_t>{1, 2}));
    EXPECT_EQ(std::vector(lightEffectChoices(3).begin(), lightEffectChoices(3).end()),
              (std::vector<std::uint8_t>{2, 3}));
    EXPECT_TRUE(lightEffectChoices(0).empty());
    ConfigRecord record{};
    // Off keeps no parameter: a choice made while Off changes no field.
    EXPECT_EQ(lightParamField(record, kLightOff), nullptr);
    EXPECT_EQ(lightEffectField(record, kLightOff), nullptr);
    EXPECT_EQ(lightParamField(record, kLightNeon), &record.lightParamNeon);
}

}  // namespace
}  // namespace tarvik
