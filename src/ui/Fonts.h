// The interface fonts by language and operating-system version: the text font of every
// window and the title font of the main window.
#pragma once

#include <string_view>

#include "ui/Language.h"

namespace tarvik {

// Every font is upright, without underline or strike-out, of the swiss (sans-serif) family,
// width 0 and default precision and quality; only face, height and weight vary.
struct FontSpec {
    std::string_view face;
    int height;  // character cell height in pixels
    int weight;  // 400 normal, 700 bold
};

struct LanguageFonts {
    FontSpec text;
    FontSpec title;
};

struct SystemVersion {
    int major = 0;
    int minor = 0;
};

// Simplified Chinese uses another face on the one Windows release numbered 6.2; no Linux
// system reports that version, so runs on Linux always take the "otherwise" row.
LanguageFonts languageFonts(LanguageId language, SystemVersion version);
LanguageFonts languageFonts(LanguageId language);

}  // namespace tarvik
