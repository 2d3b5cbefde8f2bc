// The font choice table.
#include "ui/Fonts.h"

#include <array>

namespace tarvik {
namespace {

enum class Version { Any, Is62, Not62 };

struct FontRow {
    LanguageId language;
    Version version;
    LanguageFonts fonts;
};

constexpr std::array kFontRows = {
    FontRow{LanguageId::CHS, Version::Is62, {{"黑体", 13, 400}, {"黑体", 18, 700}}},
    FontRow{LanguageId::CHS, Version::Not62, {{"宋体", 13, 400}, {"宋体", 18, 700}}},
    FontRow{LanguageId::CHT, Version::Any, {{"黑体", 13, 400}, {"黑体", 18, 700}}},
    FontRow{LanguageId::EN, Version::Any, {{"Arial", 14, 400}, {"Tahoma", 18, 700}}},
};

bool matches(Version rule, SystemVersion version) {
    const bool is62 = version.major == 6 && version.minor == 2;
    return rule == Version::Any || (rule == Version::Is62) == is62;
}

// Linux has no release numbered like Windows; {0, 0} never equals 6.2.
constexpr SystemVersion kLinuxVersion{};

}  // namespace

LanguageFonts languageFonts(LanguageId language, SystemVersion version) {
    for (const auto& row : kFontRows) {
        if (row.language == language && matches(row.version, version)) {
            return row.fonts;
        }
    }
    return kFontRows.back().fonts;
}

LanguageFonts languageFonts(LanguageId language) { return languageFonts(language, kLinuxVersion); }

}  // namespace tarvik
