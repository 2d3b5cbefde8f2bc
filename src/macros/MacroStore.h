// The macro store "record.ini": one section per macro, in macro order, holding "ItemCount"
// and the event lines "Item0".."Item<ItemCount-1>"; compiled into the record's macro slots.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "settings/ConfigRecord.h"

namespace tarvik {

class ProfileDocument;

// Macro names in file order, as far as the section-name scan reaches; no file, no names.
std::vector<std::string> ListMacroNames(const std::filesystem::path& recordIni);
// The macro's event lines; a missing line reads as an empty one.
std::vector<std::string> LoadMacroLines(const std::filesystem::path& recordIni, std::string_view name);
// Replaces the macro's section with "ItemCount" and the lines; the section then stands last,
// so the macro becomes the last macro of every list. One replacement of the whole file.
std::error_code SaveMacroLines(const std::filesystem::path& recordIni, std::string_view name,
                               std::span<const std::string> lines);
std::error_code DeleteMacro(const std::filesystem::path& recordIni, std::string_view name);
// Compiles the first twelve macros into slots 1-12; slots without a macro keep their bytes.
// A store that cannot be read changes nothing and gives the reason (a missing one is empty).
// The names of the macros cut at 63 records go to *cutMacros when given.
std::error_code CompileMacroSlots(const std::filesystem::path& recordIni, ConfigRecord& record,
                                  std::vector<std::string>* cutMacros = nullptr);

// The same on a document already in memory.
std::vector<std::string> macroNames(const ProfileDocument& store);
// "ItemCount" as a decimal number (leading digits, a sign, anything else 0).
int macroItemCount(const ProfileDocument& store, std::string_view name);
// Lines 0 to ItemCount - 1, ending at the last line that exists in the section: lines past
// it would read as empty and carry nothing, and a corrupt count cannot make millions.
std::vector<std::string> macroLines(const ProfileDocument& store, std::string_view name);
void replaceMacro(ProfileDocument& store, std::string_view name, std::span<const std::string> lines);
std::vector<std::string> compileMacroSlots(const ProfileDocument& store, ConfigRecord& record);

struct MacroSummary {
    std::string name;
    std::size_t lineCount = 0;
};
// Every macro of the store with the number of its lines, in store order.
std::vector<MacroSummary> listMacros(const std::filesystem::path& recordIni);

}  // namespace tarvik
