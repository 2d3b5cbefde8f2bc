// The settings record as a readable, versioned JSON document (tarvikctl export and import):
// every field by name, reserved bytes as hex, and on the way back in every rule of the window.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/ConfigRecord.h"
#include "settings/InterfaceSettings.h"

namespace tarvik {

constexpr std::string_view kRecordDocumentFormat = "tarvik-config-record";
constexpr int kRecordDocumentVersion = 1;

// The whole record as a document, with the buttons' captions in "str.ini" when given;
// fromDocument of it gives the same bytes (and captions) back.
std::string toDocument(const ConfigRecord& record, const Captions* captions = nullptr);

// Where a document is wrong and why, as a user can act on it.
struct DocumentError {
    std::string path;    // e.g. "buttons.A[3].function"; "" for the document as a whole
    std::string reason;  // what is wrong, and what would be right
};

// The record a document describes, or nullopt with `*error` set to the first field that is
// malformed, missing, unknown, of the wrong type or refused by a rule of the window. The
// captions are optional: `*captions` receives them, or nullopt when the document has none.
std::optional<ConfigRecord> fromDocument(std::string_view text, DocumentError* error,
                                         std::optional<Captions>* captions = nullptr);

}  // namespace tarvik
