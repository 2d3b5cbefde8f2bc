// Fuzz target of the record document that tarvikctl import reads: any text is accepted or
// refused with a reason, and what is accepted exports to a document that reads back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "session/RecordDocument.h"

namespace {

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tarvik::DocumentError error;
    const auto record = tarvik::fromDocument(text, &error);
    check(record.has_value() || !error.reason.empty());
    if (record) {
        const auto back = tarvik::fromDocument(tarvik::toDocument(*record), &error);
        check(back.has_value() && *back == *record);
    }
    return 0;
}
