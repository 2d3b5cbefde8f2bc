// Fuzz target of the profile-file reader: any bytes parse, and an edit of one section keeps
// every other section's values and the file's own lines, with the section index kept right.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/ProfileFile.h"

namespace {

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tarvik::ProfileDocument;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto document = ProfileDocument::parse(text);
    const auto serialized = document.serialize();
    check(ProfileDocument::parse(serialized).serialize() == serialized);

    const auto names = document.sectionNames();
    check(tarvik::scanSectionNames(document) == tarvik::scanSectionNames(names));
    for (const auto& name : names) {
        for (const auto& entry : document.entries(name)) {
            check(document.find(name, entry.key).has_value());
        }
    }

    // Rewrite the first section and add a value; every other section must read the same.
    auto edited = document;
    const std::string target = names.empty() ? "Macro" : names.front();
    edited.removeSection(target);
    edited.setValue(target, "ItemCount", text.substr(0, 64));
    const auto reread = ProfileDocument::parse(edited.serialize());
    // The edited document's own index answers as a fresh read of its text does.
    check(edited.sectionNames() == reread.sectionNames());
    for (std::size_t i = 1; i < names.size(); ++i) {
        const auto before = document.entries(names[i]);
        const auto after = reread.entries(names[i]);
        check(before.size() == after.size());
        for (std::size_t k = 0; k < before.size(); ++k) {
            check(before[k].key == after[k].key && before[k].value == after[k].value);
        }
    }
    (void)tarvik::leadingInteger(text);
    return 0;
}
