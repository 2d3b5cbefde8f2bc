// `tarvikctl set` and `default`: names and numbers of the command line matched to list items,
// then given to the Basic page's editors as the page's clicks and dialogs would give them.
#include "cli/SetCommand.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <optional>

#include "buttons/ButtonAssignment.h"
#include "buttons/ButtonCatalogue.h"
#include "buttons/ChoiceTables.h"
#include "buttons/KeyCodes.h"
#include "buttons/KeyNames.h"
#include "macros/MacroStore.h"
#include "performance/DpiStageEditor.h"
#include "performance/DpiTables.h"
#include "performance/LightingEditor.h"
#include "ui/DecimalField.h"

namespace tarvik::cli {

namespace {

using Words = std::span<const std::string>;

SetResult refused(std::string why) { return {false, std::move(why)}; }
SetResult made(std::string what) { return {true, std::move(what)}; }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Case-insensitive for ASCII letters; the Chinese texts must match as they are.
bool sameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

// The same, blanks left out: "dpi+" names "DPI +".
bool sameWithoutBlanks(std::string_view a, std::string_view b) {
    std::string x, y;
    std::ranges::copy_if(a, std::back_inserter(x), [](char c) { return c != ' '; });
    std::ranges::copy_if(b, std::back_inserter(y), [](char c) { return c != ' '; });
    return sameText(x, y);
}

std::string joinedWords(Words words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}

template <typename Texts>
std::string listed(const Texts& texts) {
    std::string text;
    for (const auto& item : texts) {
        if (!text.empty()) text += ", ";
        text += item;
    }
    return text;
}

// The position of the first of `texts` that `word` names.
template <typename Texts>
std::optional<int> indexOf(std::string_view word, const Texts& texts) {
    int index = 0;
    for (const auto& text : texts) {
        if (sameText(word, text)) return index;
        ++index;
    }
    return std::nullopt;
}

// A decimal number from `low` to `high`, digits only.
std::optional<int> numberIn(std::string_view word, int low, int high) {
    if (word.empty() || word.size() > 4 || !std::ranges::all_of(word, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = readDecimalField(word);
    return value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

std::optional<int> keyModeNamed(std::string_view word) {
    if (sameText(word, "A") || sameText(word, "Mode A")) return 0;
    if (sameText(word, "B") || sameText(word, "Mode B")) return 1;
    return std::nullopt;
}

const char* modeName(int mode) { return mode == 0 ? "Mode A" : "Mode B"; }

// ---- report rate, DPI stages, key mode, lighting ----

SetResult setReportRate(Words words, SetTarget& target) {
    const auto row =
        words.size() == 1
            ? std::ranges::find_if(kReportRates, [&](const ReportRateRow& r) { return sameText(words[0], r.label); })
            : kReportRates.end();
    if (row == kReportRates.end()) return refused("report-rate takes 125, 250, 500 or 1000");
    DpiStageEditor(target.record, target.sensorType).clickReportRate(row->position);
    return made("report rate " + std::string(row->label) + " Hz");
}

// "#RRGGBB", or the six digits alone: an unquoted '#' starts a comment in the shell.
bool hexDigits(std::string_view word) {
    return std::ranges::all_of(word, [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

bool looksLikeColor(std::string_view word) { return word.starts_with('#') || (word.size() == 6 && hexDigits(word)); }

std::optional<platform::Rgb> colorNamed(std::string_view word) {
    if (word.starts_with('#')) word.remove_prefix(1);
    if (word.size() != 6 || !hexDigits(word)) return std::nullopt;
    const auto component = [word](std::size_t at) {
        return static_cast<std::uint8_t>(std::stoul(std::string(word.substr(at, 2)), nullptr, 16));
    };
    return platform::Rgb{component(0), component(2), component(4)};
}

// The words after the stage number, each at most once: on or off, a DPI value, a color.
struct StageWords {
    std::optional<bool> on;
    std::optional<std::string> dpi;
    std::optional<platform::Rgb> color;
};

std::optional<StageWords> stageWords(Words words) {
    StageWords parsed;
    for (const std::string& word : words) {
        if (sameText(word, "on") || sameText(word, "off")) {
            if (parsed.on) return std::nullopt;
            parsed.on = sameText(word, "on");
        } else if (looksLikeColor(word)) {
            if (parsed.color) return std::nullopt;
            parsed.color = colorNamed(word);
            if (!parsed.color) return std::nullopt;
        } else {
            if (parsed.dpi) return std::nullopt;
            parsed.dpi = word;
        }
    }
    if (!parsed.on && !parsed.dpi && !parsed.color) return std::nullopt;
    return parsed;
}

std::string stageSummary(const DpiStageEditor& editor, const ConfigRecord& record, int stage) {
    const auto labels = editor.tickLabels();
    const std::size_t level = record.dpiLevel[static_cast<std::size_t>(stage)];
    const platform::Rgb c = editor.color(stage);
    char color[8];
    std::snprintf(color, sizeof color, "#%02x%02x%02x", c.red, c.green, c.blue);
    return "DPI stage " + std::to_string(stage + 1) + ": " + (editor.stageOn(stage) ? "on" : "off") + ", " +
           (level < labels.size() ? std::string(labels[level]) : "level " + std::to_string(level)) + " DPI, color " +
           color;
}

// On first, so a stage can be switched on and colored at once; off last, so a color can
// still be given to a stage being switched off.
SetResult setDpi(Words words, SetTarget& target) {
    const char* const form = "dpi takes a stage 1-4, then any of on|off, a DPI value and a color #RRGGBB";
    const std::optional<int> number = words.empty() ? std::nullopt : numberIn(words[0], 1, kDpiStageCount);
    const std::optional<StageWords> parsed = number ? stageWords(words.subspan(1)) : std::nullopt;
    if (!parsed) return refused(form);
    const int stage = *number - 1;
    const std::string sensor = "sensor type " + std::to_string(target.sensorType);
    DpiStageEditor editor(target.record, target.sensorType);
    if (parsed->on == true && !editor.stageOn(stage)) editor.toggleStage(stage);
    if (parsed->dpi) {
        const std::optional<int> index = indexOf(*parsed->dpi, editor.tickLabels());
        if (!index)
            return refused(sensor + " has no DPI " + *parsed->dpi + "; it takes " + listed(editor.tickLabels()));
        if (!editor.clickTick(stage, *index + 1))
            return refused("DPI " + *parsed->dpi + " cannot be chosen with " + sensor + ": its tick does not respond");
    }
    if (parsed->color) {
        if (!editor.swatchOpensChooser(stage))
            return refused("DPI stage " + std::to_string(*number) +
                           " is off, and only a stage that is on takes a color: "
                           "add \"on\"");
        editor.setColor(stage, *parsed->color);
    }
    if (parsed->on == false && editor.stageOn(stage) && !editor.toggleStage(stage))
        return refused("DPI stage " + std::to_string(*number) +
                       " is the only stage on, and the last stage on "
                       "cannot be switched off");
    return made(stageSummary(editor, target.record, stage));
}

SetResult setKeyMode(Words words, SetTarget& target) {
    const std::optional<int> mode = words.size() == 1 ? keyModeNamed(words[0]) : std::nullopt;
    if (!mode) return refused("key-mode takes A or B");
    NoParameterDialogs none;
    ButtonAssignment(target.record, target.captions, target.catalogue, none).selectKeyMode(*mode);
    return made(std::string("key mode: ") + modeName(*mode));
}

// Chooses the entry `word` names in the field's list: its text in the interface language or
// in English (the same entry of `english`).
bool chooseLightEntry(LightingEditor& editor, const LightingEditor& english, LightingEditor::Field field,
                      std::string_view word) {
    std::optional<int> index = indexOf(word, editor.listEntries(field));
    if (!index) index = indexOf(word, english.listEntries(field));
    if (!index) return false;
    editor.choose(field, *index);
    return true;
}

SetResult setLighting(Words words, SetTarget& target) {
    using Field = LightingEditor::Field;
    if (words.empty() || words.size() > 3) return refused("lighting takes a mode, then its parameter and its effect");
    const TextCatalogue englishTexts(LanguageId::EN);
    LightingEditor editor(target.record, target.catalogue);
    const LightingEditor english(target.record, englishTexts);
    if (!chooseLightEntry(editor, english, Field::Mode, words[0]))
        return refused("lighting mode '" + words[0] + "' is none of " + listed(english.listEntries(Field::Mode)));
    if (words.size() > 1 && !chooseLightEntry(editor, english, Field::Parameter, words[1]))
        return refused(editor.text(Field::Mode) + " has no parameter '" + words[1] + "'; it takes " +
                       listed(editor.listEntries(Field::Parameter)));
    if (words.size() > 2) {
        // Standard has one effect, chosen with the mode: naming it is all that is allowed.
        const bool named =
            editor.choosesWithoutList(Field::Effect)
                ? sameText(words[2], editor.text(Field::Effect)) || sameText(words[2], english.text(Field::Effect))
                : chooseLightEntry(editor, english, Field::Effect, words[2]);
        if (!named) {
            const auto entries = editor.choosesWithoutList(Field::Effect) ? std::vector{editor.text(Field::Effect)}
                                                                          : editor.listEntries(Field::Effect);
            return refused(editor.text(Field::Mode) + " has no effect '" + words[2] + "'; it takes " + listed(entries));
        }
    }
    return made("lighting " + editor.text(Field::Mode) + ", " + editor.text(Field::Parameter) + ", " +
                editor.text(Field::Effect));
}

// ---- buttons ----

// A button's function with what its dialog or sub-list would have returned.
struct ButtonChoice {
    int function = 0;
    int dpiAction = -1;  // sub-item 0-3 of "DPI Switch"
    PresetDialogs dialogs;
};

// What parses the words after a function into its dialog's result; an error or "".
struct ArgContext {
    const SetTarget& target;
    ButtonChoice& choice;
};
using ArgParser = std::string (*)(Words args, ArgContext& ctx);

std::string noArguments(Words args, ArgContext& ctx) {
    if (args.empty()) return {};
    return std::string(functionLabel(static_cast<std::uint8_t>(ctx.choice.function))) + " takes no further words; '" +
           args[0] + "' is one too many";
}

std::string dpiActionArg(Words args, ArgContext& ctx) {
    const std::string word = joinedWords(args);
    for (std::size_t i = 0; i < kDpiActionTexts.size(); ++i) {
        if (!word.empty() && sameWithoutBlanks(word, kDpiActionTexts[i])) {
            ctx.choice.dpiAction = static_cast<int>(i);
            return {};
        }
    }
    return "DPI Switch takes one of its actions: " + listed(kDpiActionTexts);
}

// The item of a multimedia or Windows list named in any language, and its text in the
// interface language, as the dialog returns it.
std::optional<std::pair<int, std::string>> choiceItem(Words args, std::span<const ChoiceText> items,
                                                      LanguageId language) {
    const std::string word = joinedWords(args);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ChoiceText& item = items[i];
        if (sameText(word, item.en) || sameText(word, item.chs) || sameText(word, item.cht))
            return std::pair{static_cast<int>(i), std::string(choiceTextIn(item, language))};
    }
    return std::nullopt;
}

std::string englishItems(std::span<const ChoiceText> items) {
    std::vector<std::string_view> texts;
    for (const ChoiceText& item : items) texts.push_back(item.en);
    return listed(texts);
}

std::string windowsArg(Words args, ArgContext& ctx) {
    const auto item = choiceItem(args, windowsItems(), ctx.target.catalogue.language());
    if (!item) return "Windows takes one of: " + englishItems(windowsItems());
    ctx.choice.dialogs.windowsChoice = WindowsResult{item->first, item->second};
    return {};
}

std::string mediaArg(Words args, ArgContext& ctx) {
    const auto item = choiceItem(args, mediaItems(), ctx.target.catalogue.language());
    if (!item) return "Multimedia takes one of: " + englishItems(mediaItems());
    ctx.choice.dialogs.mediaChoice = MediaResult{item->first, item->second};
    return {};
}

// The fire dialog corrects a number outside its range; the command line refuses it instead,
// so a typing slip is not stored as another number.
std::string fireKeyArg(Words args, ArgContext& ctx) {
    const std::optional<int> key = args.empty() ? std::nullopt : indexOf(args[0], fireKeyItems());
    if (!key || args.size() > 3)
        return "Fire Key takes a key (" + listed(fireKeyItems()) + "), then a speed and a count";
    FireKeyResult result;
    result.chosenIndex = *key;
    result.chosenText = std::string(fireKeyItems()[static_cast<std::size_t>(*key)]);
    if (args.size() > 1) {
        const FieldValue speed = fireSpeedFromText(args[1]);
        if (!numberIn(args[1], 0, 9999) || speed.replace) return "the fire speed takes 5-255, not '" + args[1] + "'";
        result.fireSpeedValue = speed.value;
    }
    if (args.size() > 2) {
        const FieldValue count = fireCountFromText(args[2]);
        if (!numberIn(args[2], 0, 9999) || count.replace) return "the fire count takes 0-255, not '" + args[2] + "'";
        result.fireCountValue = count.value;
    }
    ctx.choice.dialogs.fireChoice = result;
    return {};
}

// A key name as the capture dialogs give it: the name of a physical key.
std::optional<std::string> keyNamed(std::string_view word) {
    for (const KeycodeName& key : keycodeNames())
        if (sameText(word, key.name)) return std::string(key.name);
    return std::nullopt;
}

std::string unknownKey(std::string_view word) {
    return "'" + std::string(word) +
           "' is no key name (key names are such as A, 1, F5, Space, Enter, Ctrl, "
           "Right Alt, Num 1; quote names with blanks)";
}

std::string singleKeyArg(Words args, ArgContext& ctx) {
    if (args.size() != 1) return "Single Key takes one key name (quote names with blanks: \"Num 1\")";
    const auto name = keyNamed(args[0]);
    if (!name) return unknownKey(args[0]);
    ctx.choice.dialogs.singleChoice = SingleKeyResult{*name};
    return {};
}

std::optional<std::string> modifierNamed(std::string_view word) {
    for (unsigned bit = 0; bit < 8; ++bit) {
        const std::string_view name = modifierNameFromBit(static_cast<std::uint8_t>(1u << bit));
        if (sameText(word, name)) return std::string(name);
    }
    return std::nullopt;
}

std::string comboKeyArg(Words args, ArgContext& ctx) {
    ComboKeyResult result;
    std::size_t next = 0;
    if (!args.empty()) {
        if (auto modifier = modifierNamed(args[0])) {
            result.modifierName = *modifier;
            next = 1;
        }
    }
    const Words keys = args.subspan(next);
    if (args.empty() || keys.size() > 2)
        return "Combo Key takes a modifier (Left Ctrl, Left Shift, Left Alt, Left Win, Right Ctrl, Right Shift, "
               "Right Alt, Right Win) and up to two key names";
    std::array<std::string*, 2> slots{&result.key1Name, &result.key2Name};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto name = keyNamed(keys[i]);
        if (!name) return unknownKey(keys[i]);
        *slots[i] = *name;
    }
    ctx.choice.dialogs.comboChoice = result;
    return {};
}

std::string macroKeyArg(Words args, ArgContext& ctx) {
    if (args.empty() || args.size() > 2) return "Macro Key takes a macro name or number, then a repeat mode 1-3";
    const std::vector<std::string> names = ListMacroNames(ctx.target.recordIni);
    // A name first: a macro may be called "2".
    std::optional<int> index;
    for (std::size_t i = 0; i < names.size() && !index; ++i)
        if (names[i] == args[0]) index = static_cast<int>(i);
    for (std::size_t i = 0; i < names.size() && !index; ++i)
        if (sameText(names[i], args[0])) index = static_cast<int>(i);
    if (!index) {
        if (const auto number = numberIn(args[0], 1, static_cast<int>(names.size()))) index = *number - 1;
    }
    if (!index)
        return names.empty() ? "there are no macros in " + ctx.target.recordIni.string()
                             : "no macro '" + args[0] + "' in " + ctx.target.recordIni.string() + "; the macros are " +
                                   listed(names);
    // Only the first twelve macros are compiled into the mouse's slots.
    if (*index >= static_cast<int>(kMacroSlotCount))
        return "macro '" + names[static_cast<std::size_t>(*index)] + "' is number " + std::to_string(*index + 1) +
               ", past the mouse's " + std::to_string(kMacroSlotCount) + " macro slots";
    const std::optional<int> repeat = args.size() > 1 ? numberIn(args[1], 1, 3) : std::optional<int>(1);
    if (!repeat) return "the repeat mode takes 1 (a count or any key ends), 2 (any key ends) or 3 (while held)";
    ctx.choice.dialogs.macroChoice =
        MacroResult{*index, static_cast<std::uint8_t>(*repeat), names[static_cast<std::size_t>(*index)]};
    return {};
}

// The parser of each function's words, by function code.
constexpr std::array<ArgParser, kButtonFunctionCount> kArgParsers{
    noArguments, noArguments, noArguments, noArguments,  noArguments, noArguments, dpiActionArg, noArguments,
    windowsArg,  mediaArg,    fireKeyArg,  singleKeyArg, comboKeyArg, macroKeyArg, noArguments,  noArguments,
};

// The function named by the first one or two words (a label such as "Key Off" may come
// unquoted), in English or in the interface language, and how many words it took.
std::optional<std::pair<int, std::size_t>> functionNamed(Words words, const TextCatalogue& catalogue) {
    for (const std::size_t take : {std::size_t{2}, std::size_t{1}}) {
        if (words.size() < take) continue;
        const std::string name = joinedWords(words.first(take));
        for (int code = 0; code < static_cast<int>(kButtonFunctionCount); ++code)
            if (sameText(name, functionLabel(static_cast<std::uint8_t>(code))) ||
                sameText(name, functionText(code, catalogue)))
                return std::pair{code, take};
    }
    return std::nullopt;
}

bool holdsShift(const ConfigRecord& record, int mode, int button) {
    return buttonField(record.buttons(mode), ButtonRow::Function, static_cast<std::size_t>(button)) == kFnShift;
}

// The page's steps for one choice: open the box's list, choose the item, then the DPI sub-item.
SetResult chooseForButton(ButtonAssignment& editor, SetTarget& target, int button, ButtonChoice& choice) {
    const int mode = editor.keyMode();
    const std::string which = std::string(modeName(mode)) + " button " + std::to_string(button + 1);
    if (editor.openButtonList(button) == ButtonAssignment::OpenResult::LeftKeyRefused)
        return refused(editor.leftKeyWarning() + " (" + which + " is the only Left Click of " + modeName(mode) + ")");
    const bool wasShift = holdsShift(target.record, mode, button);
    const auto result = editor.applyButtonChoice(button, choice.function);
    if (choice.function == kFnDpiSwitch) editor.applyDpiAction(choice.dpiAction);
    if (result == ButtonAssignment::ChoiceResult::ShiftTaken && editor.shiftHolder() != button)
        return refused(std::string(modeName(mode)) + " button " + std::to_string(*editor.shiftHolder() + 1) +
                       " already holds Shift, and a key mode has one Shift among buttons 1-8");
    editor.closeList();
    std::string line = which + ": " + editor.caption(button);
    if (wasShift && choice.function != kFnShift)
        line += "\n" + std::string(modeName(1 - mode)) + " button " + std::to_string(button + 1) +
                " follows, as it held the same Shift: " +
                (mode == 0 ? target.captions.modeB : target.captions.modeA).at(static_cast<std::size_t>(button));
    return made(line);
}

SetResult setButton(Words words, SetTarget& target) {
    const char* const form = "button takes [--mode A|B] N FUNCTION [ARGS]: N 1-7, FUNCTION a list label";
    std::optional<int> mode;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] != "--mode") {
            rest.push_back(words[i]);
            continue;
        }
        mode = i + 1 < words.size() ? keyModeNamed(words[++i]) : std::nullopt;
        if (!mode) return refused("--mode takes A or B");
    }
    if (rest.size() < 2) return refused(form);
    const std::optional<int> number = numberIn(rest[0], 1, kButtonBoxes);
    if (!number) return refused("button takes a number 1-7: buttons 8-12 have no box on the Basic page");
    const Words afterNumber = Words(rest).subspan(1);
    const auto function = functionNamed(afterNumber, target.catalogue);
    if (!function) {
        std::vector<std::string_view> labels;
        for (const CatalogueItem& item : kButtonCatalogue) labels.push_back(item.label);
        return refused("'" + afterNumber[0] + "' is no function; the functions are " + listed(labels));
    }
    ButtonChoice choice;
    choice.function = function->first;
    ArgContext ctx{target, choice};
    const ArgParser parse = kArgParsers[static_cast<std::size_t>(choice.function)];
    if (std::string error = parse(afterNumber.subspan(function->second), ctx); !error.empty()) return refused(error);
    ButtonAssignment editor(target.record, target.captions, target.catalogue, choice.dialogs);
    // --mode edits the other key mode as the page does after a click on its button, but the
    // mode the mouse starts in stays as it was.
    const int shown = editor.keyMode();
    editor.selectKeyMode(mode.value_or(shown));
    SetResult result = chooseForButton(editor, target, *number - 1, choice);
    editor.selectKeyMode(shown);
    return result;
}

struct SettingRow {
    std::string_view name;
    SetResult (*run)(Words words, SetTarget& target);
};

constexpr std::array<SettingRow, 5> kSettings{{
    {"report-rate", setReportRate},
    {"dpi", setDpi},
    {"button", setButton},
    {"key-mode", setKeyMode},
    {"lighting", setLighting},
}};

// Runs `edit` on copies, so a refused setting leaves the record and the captions as they were.
SetResult onCopies(SetTarget& target, SetResult (*edit)(Words, SetTarget&), Words words) {
    ConfigRecord record = target.record;
    Captions captions = target.captions;
    SetTarget copy{record, captions, target.catalogue, target.sensorType, target.recordIni};
    SetResult result = edit(words, copy);
    if (result.done) {
        target.record = record;
        target.captions = captions;
    }
    return result;
}

SetResult restoreDefaults(Words words, SetTarget& target) {
    if (words.size() != 1 || !sameText(words[0], "buttons")) return refused("default takes one word: buttons");
    NoParameterDialogs none;
    ButtonAssignment(target.record, target.captions, target.catalogue, none).restoreDefaultButtons();
    return made("the buttons of both key modes and their captions are the defaults again");
}

}  // namespace

bool takeApplyFlag(std::vector<std::string>& words) {
    const auto removed = std::erase(words, std::string("--apply"));
    return removed > 0;
}

bool needsSensorType(std::span<const std::string> words) { return !words.empty() && sameText(words[0], "dpi"); }

SetResult runSet(std::span<const std::string> words, SetTarget& target) {
    std::vector<std::string_view> names;
    for (const SettingRow& row : kSettings) names.push_back(row.name);
    if (words.empty()) return refused("set takes a setting: " + listed(names));
    const auto row = std::ranges::find_if(kSettings, [&](const SettingRow& r) { return sameText(words[0], r.name); });
    if (row == kSettings.end()) return refused("'" + words[0] + "' is no setting; the settings are " + listed(names));
    return onCopies(target, row->run, words.subspan(1));
}

SetResult runDefault(std::span<const std::string> words, SetTarget& target) {
    return onCopies(target, restoreDefaults, words);
}

}  // namespace tarvik::cli
