// Word lists for the shell completions, made from the button catalogue, the key names,
// the choice lists and the lighting rules.
#include "cli/CompletionWords.h"

#include <algorithm>
#include <cctype>

#include "buttons/ButtonAssignment.h"
#include "buttons/ButtonCatalogue.h"
#include "buttons/ChoiceTables.h"
#include "buttons/KeyCodes.h"
#include "buttons/KeyNames.h"
#include "performance/LightingEditor.h"
#include "settings/ConfigRecord.h"
#include "ui/TextCatalogue.h"

namespace tarvik::cli {
namespace {

std::string lowercase(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::vector<std::string> numbers(std::size_t count) {
    std::vector<std::string> words;
    for (std::size_t n = 1; n <= count; ++n) words.push_back(std::to_string(n));
    return words;
}

template <typename Range, typename Text>
std::vector<std::string> texts(const Range& items, Text text) {
    std::vector<std::string> words;
    for (const auto& item : items) words.emplace_back(text(item));
    return words;
}

// The names of physical keys, as the key-capture dialogs give them.
std::vector<std::string> keyNames() {
    return texts(keycodeNames(), [](const KeycodeName& key) { return key.name; });
}

std::vector<std::string> modifierNames() {
    std::vector<std::string> words;
    for (unsigned bit = 1; bit <= 0x80; bit <<= 1)
        words.emplace_back(modifierNameFromBit(static_cast<std::uint8_t>(bit)));
    return words;
}

// The lighting modes with the parameters and effects each offers, as the lighting rules list
// them in English (Off, which keeps neither, is not chosen from the list).
void addLightingLists(std::vector<WordList>& lists) {
    using Field = LightingEditor::Field;
    ConfigRecord record{};
    const TextCatalogue english(LanguageId::EN);
    LightingEditor editor(record, english);
    const std::vector<std::string> modes = editor.listEntries(Field::Mode);
    lists.push_back({"light-modes", modes});
    for (std::size_t mode = 0; mode < modes.size(); ++mode) {
        editor.choose(Field::Mode, static_cast<int>(mode));
        const std::string name = lowercase(modes[mode]);
        lists.push_back({"parameters-" + name, editor.listEntries(Field::Parameter)});
        // Standard's one effect is chosen with the mode, and may be named.
        lists.push_back({"effects-" + name, editor.choosesWithoutList(Field::Effect)
                                                ? std::vector<std::string>{editor.text(Field::Effect)}
                                                : editor.listEntries(Field::Effect)});
    }
}

}  // namespace

std::vector<WordList> wordLists() {
    std::vector<WordList> lists = {
        {"functions", texts(kButtonCatalogue, [](const CatalogueItem& i) { return i.label; })},
        {"buttons", numbers(kButtonBoxes)},
        {"stages", numbers(kDpiStageCount)},
        {"keys", keyNames()},
        {"modifiers", modifierNames()},
        {"fire-keys", texts(fireKeyItems(), [](std::string_view t) { return t; })},
        {"media", texts(mediaItems(), [](const ChoiceText& t) { return t.en; })},
        {"windows", texts(windowsItems(), [](const ChoiceText& t) { return t.en; })},
        {"dpi-actions", texts(kDpiActionTexts, [](std::string_view t) { return t; })},
        // The macro key's three repeat modes: a count or any key ends, any key ends, while held.
        {"repeat-modes", numbers(3)},
    };
    // A combo key's first word is a modifier or, without one, its first key.
    WordList combo{"modifiers-and-keys", modifierNames()};
    for (auto& key : keyNames())
        if (std::ranges::find(combo.words, key) == combo.words.end()) combo.words.push_back(std::move(key));
    lists.push_back(std::move(combo));
    addLightingLists(lists);
    return lists;
}

std::vector<FunctionArguments> functionArguments() {
    return {
        {functionLabel(kFnDpiSwitch), {"dpi-actions"}},
        {functionLabel(kFnWindows), {"windows"}},
        {functionLabel(kFnMultimedia), {"media"}},
        {functionLabel(kFnFireKey), {"fire-keys"}},
        {functionLabel(kFnSingleKey), {"keys"}},
        {functionLabel(kFnComboKey), {"modifiers-and-keys", "keys", "keys"}},
        {functionLabel(kFnMacroKey), {"macros", "repeat-modes"}},
    };
}

}  // namespace tarvik::cli
