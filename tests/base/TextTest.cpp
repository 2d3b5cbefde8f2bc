// Trimming and ASCII case folding: the rules that ini names and macro names are matched by.
#include "base/Text.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvik {
namespace {

TEST(TextTest, TrimTakesEveryBlankAtTheEdgesOnly) {
    EXPECT_EQ(trim(" \t\r\v\fname with  blanks\f\v\r\t "), "name with  blanks");
    EXPECT_EQ(trim(" \t "), "");
    EXPECT_EQ(trim(""), "");
    EXPECT_EQ(trim("\nname\n"), "\nname\n");  // a line break is not a blank
    EXPECT_EQ(trimStart("  -12 "), "-12 ");
    EXPECT_EQ(trimStart("   "), "");
}

TEST(TextTest, CaseFoldsAsciiLettersOnly) {
    EXPECT_EQ(asciiLowered("KDE-Plasma_ÄÖ"), "kde-plasma_ÄÖ");
    EXPECT_TRUE(equalsIgnoringCase("Macro IX", "macro ix"));
    EXPECT_FALSE(equalsIgnoringCase("Ä", "ä"));  // UTF-8 letters are other bytes
    EXPECT_FALSE(equalsIgnoringCase("macro", "macro "));
}

TEST(TextTest, CompareOrdersFoldedLettersThenUnsignedBytes) {
    struct Case {
        const char* a;
        const char* b;
        int order;
    };
    const Case cases[] = {
        {"Burst", "burst", 0}, {"a", "B", -1},  // folded: 'a' < 'b', although 'B' < 'a' in ASCII
        {"_x", "Ax", -1},                       // '_' (0x5F) against folded 'a' (0x61)
        {"z", "\xC3\xA4", -1},                  // bytes above 0x7F sort after ASCII
        {"mac", "macro", -1},  {"", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(compareIgnoringCase(c.a, c.b), c.order);
        EXPECT_EQ(compareIgnoringCase(c.b, c.a), -c.order);
    }
}

}  // namespace
}  // namespace tarvik
