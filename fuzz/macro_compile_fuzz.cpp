// Fuzz target of the macro compiler on any "record.ini" text: the compile writes only the
// twelve macro slots, and a macro saved again reads back as it was.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/ProfileFile.h"
#include "macros/MacroSlot.h"
#include "macros/MacroStore.h"

namespace {

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// Lines that a save cannot keep as they are: a zero ends a value, a carriage return inside
// a value becomes a blank.
bool savable(std::string_view text) {
    return text.find('\0') == std::string_view::npos && text.find('\r') == std::string_view::npos;
}

bool savable(const std::string& name, const std::vector<std::string>& lines) {
    return savable(name) && std::ranges::all_of(lines, [](const std::string& line) { return savable(line); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto store = tarvik::ProfileDocument::parse(text);

    tarvik::ConfigRecord record;
    record.reserved1920.fill(0x5A);
    record.buttonsModeB.fill(0xA5);
    tarvik::compileMacroSlots(store, record);
    check(std::ranges::all_of(record.reserved1920, [](auto b) { return b == 0x5A; }));
    check(std::ranges::all_of(record.buttonsModeB, [](auto b) { return b == 0xA5; }));

    const auto names = tarvik::macroNames(store);
    if (!names.empty()) {
        const auto lines = tarvik::macroLines(store, names.front());
        tarvik::replaceMacro(store, names.front(), lines);
        const auto reread = tarvik::ProfileDocument::parse(store.serialize());
        check(!savable(names.front(), lines) || tarvik::macroLines(reread, names.front()) == lines);
        tarvik::compileMacroSlots(reread, record);
    }
    return 0;
}
