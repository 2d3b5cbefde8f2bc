// The fire-key (61), multimedia (7) and Windows-function (11) tables: list texts and the
// key, mouse or consumer-control code each index stands for.
#include "buttons/ChoiceTables.h"

#include <array>

#include "buttons/KeyCodes.h"

namespace tarvik {
namespace {

struct FireRow {
    std::string_view text;
    std::uint8_t code;
};

// Rows packed as the keys sit on a keyboard, which one row a line would hide.
// clang-format off
constexpr std::array<FireRow, 61> kFireKeys{{
    {"A", 0x04}, {"B", 0x05}, {"C", 0x06}, {"D", 0x07}, {"E", 0x08}, {"F", 0x09}, {"G", 0x0A},
    {"H", 0x0B}, {"I", 0x0C}, {"J", 0x0D}, {"K", 0x0E}, {"L", 0x0F}, {"M", 0x10}, {"N", 0x11},
    {"O", 0x12}, {"P", 0x13}, {"Q", 0x14}, {"R", 0x15}, {"S", 0x16}, {"T", 0x17}, {"U", 0x18},
    {"V", 0x19}, {"W", 0x1A}, {"X", 0x1B}, {"Y", 0x1C}, {"Z", 0x1D},
    {"1", 0x1E}, {"2", 0x1F}, {"3", 0x20}, {"4", 0x21}, {"5", 0x22}, {"6", 0x23}, {"7", 0x24},
    {"8", 0x25}, {"9", 0x26}, {"0", 0x27},
    {"L-CTRL", 0xE0},
    {"L-SHIFT", 0xE1},
    {"L-ALT", 0xE2},
    {"R-CTRL", 0xE4},
    {"R-SHIFT", 0xE5},
    {"R-ALT", 0xE6},
    {"F1", 0x3A}, {"F2", 0x3B}, {"F3", 0x3C}, {"F4", 0x3D}, {"F5", 0x3E}, {"F6", 0x3F},
    {"F7", 0x40}, {"F8", 0x41}, {"F9", 0x42}, {"F10", 0x43}, {"F11", 0x44}, {"F12", 0x45},
    {"L-Button", kMouseLeft},
    {"R-Button", kMouseRight},
    {"M-Button", kMouseMiddle},
    {"B4-Button", kMouseBack},
    {"B5-Button", kMouseForward},
    {"L-Tilt Wheel", kMouseTiltLeft},
    {"R-Tilt Wheel", kMouseTiltRight},
}};
// clang-format on

constexpr std::array<std::string_view, 61> fireTexts() {
    std::array<std::string_view, 61> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = kFireKeys[i].text;
    return texts;
}
constexpr std::array<std::string_view, 61> kFireTexts = fireTexts();

struct UsageRow {
    ChoiceText text;
    std::uint16_t usage;  // HID consumer-page usage
};

constexpr std::array<UsageRow, 7> kMedia{{
    {{"Next", "下一首", "下一首"}, 0x00B5},
    {{"Previous", "上一首", "上一首"}, 0x00B6},
    {{"Stop", "停止", "停止"}, 0x00B7},
    {{"Play/Pause", "播放/暂停", "播放/暫停"}, 0x00CD},
    {{"Mute", "静音", "靜音"}, 0x00E2},
    {{"Vol+", "音量+", "音量+"}, 0x00E9},
    {{"Vol-", "音量-", "音量-"}, 0x00EA},
}};

constexpr std::array<UsageRow, 11> kWindows{{
    {{"Multimedia Player", "打开多媒体播放器", "打開多媒體播放器"}, 0x0183},
    {{"Mail", "邮件", "郵件"}, 0x018A},
    {{"Calculator", "计算器", "計算器"}, 0x0192},
    {{"My Computer", "我的电脑", "我的電腦"}, 0x0194},
    {{"Browser-Search", "浏览器-搜索", "瀏覽器-搜索"}, 0x0221},
    {{"Browser-Home", "浏览器-主页", "瀏覽器-主頁"}, 0x0223},
    {{"Browser-Back", "浏览器-后退", "瀏覽器-後退"}, 0x0224},
    {{"Browser-Forward", "浏览器-前进", "瀏覽器-前進"}, 0x0225},
    {{"Browser-Stop", "浏览器-停止", "瀏覽器-停止"}, 0x0226},
    {{"Browser-Refresh", "浏览器-刷新", "瀏覽器-刷新"}, 0x0227},
    {{"Browser-My Favorites", "浏览器-收藏夹", "瀏覽器-我的最愛"}, 0x022A},
}};

template <std::size_t N>
constexpr std::array<ChoiceText, N> textsOf(const std::array<UsageRow, N>& rows) {
    std::array<ChoiceText, N> texts{};
    for (std::size_t i = 0; i < N; ++i) texts[i] = rows[i].text;
    return texts;
}
constexpr auto kMediaTexts = textsOf(kMedia);
constexpr auto kWindowsTexts = textsOf(kWindows);

template <std::size_t N>
const UsageRow* rowAt(const std::array<UsageRow, N>& rows, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? &rows[static_cast<std::size_t>(index)] : nullptr;
}

}  // namespace

std::uint8_t fireKeyCodeOf(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kFireKeys.size()) return 0;
    return kFireKeys[static_cast<std::size_t>(index)].code;
}

std::uint8_t mediaUsageOf(int index) {
    const UsageRow* row = rowAt(kMedia, index);
    return row == nullptr ? 0 : static_cast<std::uint8_t>(row->usage & 0xFF);
}

std::uint8_t windowsUsageOf(int index) {
    const UsageRow* row = rowAt(kWindows, index);
    return row == nullptr ? 0 : static_cast<std::uint8_t>(row->usage & 0xFF);
}

std::uint8_t windowsUsageHighOf(int index) {
    const UsageRow* row = rowAt(kWindows, index);
    return row == nullptr ? 0 : static_cast<std::uint8_t>(row->usage >> 8);
}

std::string_view choiceTextIn(const ChoiceText& text, LanguageId language) {
    switch (language) {
    case LanguageId::CHS: return text.chs;
    case LanguageId::CHT: return text.cht;
    case LanguageId::EN: break;
    }
    return text.en;
}

std::span<const std::string_view> fireKeyItems() { return kFireTexts; }
std::span<const ChoiceText> mediaItems() { return kMediaTexts; }
std::span<const ChoiceText> windowsItems() { return kWindowsTexts; }

}  // namespace tarvik
