// The interface language, chosen once per run from "Lan" in "str.ini".
#pragma once

#include <filesystem>
#include <string_view>

namespace tarvik {

enum class LanguageId { CHS, CHT, EN };

// "CHS" and "CHT" exactly, with letter case; any other text, empty included, is English.
LanguageId languageFromCode(std::string_view code);
// Reads "Lan" of section "Skins"; a missing file, section or key gives English.
LanguageId ReadLanguage(const std::filesystem::path& strIni);

}  // namespace tarvik
