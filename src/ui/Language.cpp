// Reading the interface language from "str.ini".
#include "ui/Language.h"

#include "base/ProfileFile.h"

namespace tarvik {

LanguageId languageFromCode(std::string_view code) {
    if (code == "CHS") {
        return LanguageId::CHS;
    }
    if (code == "CHT") {
        return LanguageId::CHT;
    }
    return LanguageId::EN;
}

LanguageId ReadLanguage(const std::filesystem::path& strIni) {
    return languageFromCode(readProfileString(strIni, "Skins", "Lan"));
}

}  // namespace tarvik
