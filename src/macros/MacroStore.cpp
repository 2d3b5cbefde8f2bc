// Macro store operations on "record.ini" and the compile of every macro into its slot.
#include "macros/MacroStore.h"

#include <algorithm>
#include <map>
#include <optional>

#include "base/ProfileFile.h"
#include "macros/MacroSlot.h"

namespace tarvik {
namespace {

constexpr std::string_view kItemCount = "ItemCount";

std::string itemKey(std::size_t line) { return "Item" + std::to_string(line); }

// The line number of a key written as "Item%d" (any letter case), else nullopt.
std::optional<std::size_t> itemNumber(std::string_view key) {
    constexpr std::string_view kPrefix = "item";
    constexpr std::size_t kMaxDigits = 9;
    if (key.size() <= kPrefix.size() ||
        !std::ranges::equal(key.substr(0, kPrefix.size()), kPrefix, [](char a, char b) { return (a | 0x20) == b; })) {
        return std::nullopt;
    }
    const auto digits = key.substr(kPrefix.size());
    const bool canonical = (digits == "0" || digits.front() != '0') && digits.size() <= kMaxDigits;
    if (!canonical || !std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(std::stoul(std::string(digits)));
}

// The lines present in the section by number; the first of two equal keys wins, as a
// lookup by key finds it.
std::map<std::size_t, std::string> presentLines(const ProfileDocument& store, std::string_view name) {
    std::map<std::size_t, std::string> lines;
    for (auto& entry : store.entries(name)) {
        if (const auto number = itemNumber(entry.key)) {
            lines.try_emplace(*number, std::move(entry.value));
        }
    }
    return lines;
}

ProfileDocument readStore(const std::filesystem::path& recordIni, std::error_code& error) {
    ProfileDocument store;
    error = readProfileFile(recordIni, store);
    return store;
}

}  // namespace

std::vector<std::string> macroNames(const ProfileDocument& store) { return scanSectionNames(store); }

int macroItemCount(const ProfileDocument& store, std::string_view name) {
    return leadingInteger(store.value(name, kItemCount));
}

std::vector<std::string> macroLines(const ProfileDocument& store, std::string_view name) {
    const int count = macroItemCount(store, name);
    if (count <= 0) {
        return {};
    }
    auto present = presentLines(store, name);
    const auto last = present.empty() ? 0 : present.rbegin()->first + 1;
    std::vector<std::string> result(std::min(static_cast<std::size_t>(count), last));
    for (auto& [number, text] : present) {
        if (number < result.size()) {
            result[number] = std::move(text);
        }
    }
    return result;
}

void replaceMacro(ProfileDocument& store, std::string_view name, std::span<const std::string> lines) {
    std::vector<ProfileDocument::Entry> entries;
    entries.reserve(lines.size() + 1);
    entries.push_back({std::string(kItemCount), std::to_string(lines.size())});
    for (std::size_t j = 0; j < lines.size(); ++j) {
        entries.push_back({itemKey(j), lines[j]});
    }
    store.removeSection(name);
    store.appendSection(name, entries);
}

std::vector<std::string> compileMacroSlots(const ProfileDocument& store, ConfigRecord& record) {
    const auto names = macroNames(store);
    const auto compiled = std::min(names.size(), kMacroSlotCount);
    std::vector<std::string> cutMacros;
    for (std::size_t t = 0; t < compiled; ++t) {
        const auto& name = names[t];
        const int count = macroItemCount(store, name);
        const auto lines = macroLines(store, name);
        // The pause of the last line is read from the line after it, "Item<ItemCount>", when
        // the file holds one; it is no line of the macro. When the lines end early the last
        // line read is followed by a missing one.
        const bool complete = count > 0 && lines.size() == static_cast<std::size_t>(count);
        const auto lineAfter = complete ? store.value(name, itemKey(lines.size())) : std::string();
        bool cut = false;
        compileIntoSlot(macroSlot(record, static_cast<int>(t + 1)), count, lines, lineAfter, &cut);
        if (cut) {
            cutMacros.push_back(name);
        }
    }
    return cutMacros;
}

std::vector<std::string> ListMacroNames(const std::filesystem::path& recordIni) {
    std::error_code error;
    const auto store = readStore(recordIni, error);
    return !error ? macroNames(store) : std::vector<std::string>{};
}

std::vector<std::string> LoadMacroLines(const std::filesystem::path& recordIni, std::string_view name) {
    std::error_code error;
    const auto store = readStore(recordIni, error);
    return !error ? macroLines(store, name) : std::vector<std::string>{};
}

std::error_code SaveMacroLines(const std::filesystem::path& recordIni, std::string_view name,
                               std::span<const std::string> lines) {
    return editProfileFile(recordIni, [&](ProfileDocument& store) { replaceMacro(store, name, lines); });
}

std::error_code DeleteMacro(const std::filesystem::path& recordIni, std::string_view name) {
    const DataFolderLock lock(recordIni);
    std::error_code error;
    auto store = readStore(recordIni, error);
    if (error || !store.hasSection(name)) {
        return error;  // nothing to delete: the file stays as it is, or is not created
    }
    store.removeSection(name);
    return writeProfileFile(recordIni, store);
}

std::error_code CompileMacroSlots(const std::filesystem::path& recordIni, ConfigRecord& record,
                                  std::vector<std::string>* cutMacros) {
    std::error_code error;
    const auto store = readStore(recordIni, error);
    if (!error) {
        auto cut = compileMacroSlots(store, record);
        if (cutMacros) {
            *cutMacros = std::move(cut);
        }
    }
    return error;
}

std::vector<MacroSummary> listMacros(const std::filesystem::path& recordIni) {
    std::error_code error;
    const auto store = readStore(recordIni, error);
    std::vector<MacroSummary> summaries;
    if (!error) {
        for (const auto& name : macroNames(store)) {
            summaries.push_back({name, macroLines(store, name).size()});
        }
    }
    return summaries;
}

}  // namespace tarvik
