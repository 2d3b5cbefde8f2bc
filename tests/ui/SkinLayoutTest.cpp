// Places of the skin layout that follow a rule rather than the art: the button lists.
#include "ui/SkinLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvik::layout {
namespace {

bool overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A box's list opens where it hides neither its own box nor the OK, Apply and Cancel footer.
TEST(SkinLayoutTest, ButtonListsClearTheirBoxAndTheFooter) {
    const Rect page{0, kTitleBarHeight, kMainWindow.width, kFooterTop};
    for (int k = 0; k < kButtonBoxCount; ++k) {
        SCOPED_TRACE("box " + std::to_string(k + 1));
        const Rect list = buttonList(k);
        EXPECT_FALSE(overlaps(list, buttonBox(k)));
        EXPECT_LE(page.left, list.left);
        EXPECT_LE(page.top, list.top);
        EXPECT_LE(list.right, page.right);
        EXPECT_LE(list.bottom, page.bottom);
    }
}

}  // namespace
}  // namespace tarvik::layout
