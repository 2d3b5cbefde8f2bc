// Pairing the release and press that X11 sends for each auto-repeat of a held key.
#include "ui/KeyStroke.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvik::ui {
namespace {

struct Event {
    char key;  // 'a' (keycode 38) or 'b' (keycode 56)
    bool press;
    std::uint64_t time;
    bool flagged = false;  // the toolkit marked it a repeat
};

KeyStroke strokeOf(const Event& e) {
    return {e.key == 'a' ? "A" : "B", e.press, e.flagged, e.key == 'a' ? 38u : 56u, e.time};
}

// What goes on, one text per event handed on: "A+" press, "A-" release, "A+r" repeat press.
std::string shown(const KeyStroke& s) {
    return std::string(s.name) + (s.press ? "+" : "-") + (s.autoRepeat ? "r" : "");
}

TEST(RepeatPairs, PairsBecomeOneRepeatPress) {
    struct Case {
        const char* what;
        std::vector<Event> events;
        std::vector<std::string> handedOn;  // after a final flush
    };
    const Case cases[] = {
        {"a held key: unmarked pairs with one time stamp",
         {{'a', true, 100},
          {'a', false, 600},
          {'a', true, 600},
          {'a', false, 633},
          {'a', true, 633},
          {'a', false, 700}},
         {"A+", "A+r", "A+r", "A-"}},
        {"a quick release and press again is no repeat",
         {{'a', true, 100}, {'a', false, 150}, {'a', true, 180}},
         {"A+", "A-", "A+"}},
        {"another key's press comes after the release it follows",
         {{'a', true, 100}, {'a', false, 200}, {'b', true, 200}, {'b', false, 250}},
         {"A+", "A-", "B+", "B-"}},
        {"events without a time stamp are never a pair",
         {{'a', true, 0}, {'a', false, 0}, {'a', true, 0}},
         {"A+", "A-", "A+"}},
        {"a release the toolkit already marked goes on at once",
         {{'a', true, 100}, {'a', false, 600, true}, {'a', true, 600, true}},
         {"A+", "A-r", "A+r"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RepeatPairs pairs;
        std::vector<std::string> handedOn;
        for (const Event& e : c.events)
            for (const KeyStroke& s : pairs.take(strokeOf(e))) handedOn.push_back(shown(s));
        if (const auto held = pairs.flush()) handedOn.push_back(shown(*held));
        EXPECT_EQ(handedOn, c.handedOn);
        EXPECT_FALSE(pairs.holding());
    }
}

}  // namespace
}  // namespace tarvik::ui
