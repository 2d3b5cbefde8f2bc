// Moves the record to and from its stored byte form (one byte per field, no padding).
#include "settings/ConfigRecord.h"

#include <cstring>

namespace tarvik {

RecordBytes toBytes(const ConfigRecord& record) {
    RecordBytes bytes{};
    std::memcpy(bytes.data(), &record, bytes.size());
    return bytes;
}

ConfigRecord fromBytes(const RecordBytes& bytes) {
    ConfigRecord record;
    std::memcpy(&record, bytes.data(), bytes.size());
    return record;
}

}  // namespace tarvik
