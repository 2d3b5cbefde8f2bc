// Filling the catalogue in the language of the run, and the dialog texts by language.
#include "ui/TextCatalogue.h"

#include <algorithm>

namespace tarvik {

namespace detail {
void catalogueNameIsUnknownOrAmbiguous() {}
}  // namespace detail

// The dialog table lists its texts in the order of the enumeration, so an id is its index.
static_assert([] {
    for (std::size_t i = 0; i < kDialogTexts.size(); ++i) {
        if (static_cast<std::size_t>(kDialogTexts[i].id) != i) {
            return false;
        }
    }
    return true;
}());

// The last named row is the catalogue's last row.
static_assert(static_cast<std::size_t>(TextRow::CaptionSection) == kCatalogueRows);

TextCatalogue::TextCatalogue(LanguageId language) : language_(language) {
    std::ranges::transform(kCatalogue, texts_.begin(), [language](const TextRow3& row) { return row.in(language); });
}

std::string_view TextCatalogue::text(TextRow row) const {
    const int number = static_cast<int>(row);
    if (number < 1 || number > static_cast<int>(kCatalogueRows)) {
        return {};
    }
    return texts_[static_cast<std::size_t>(number - 1)];
}

TextCatalogue ApplyCatalogue(LanguageId language) { return TextCatalogue(language); }

std::string_view dialogText(DialogText id, LanguageId language) {
    const auto& row = kDialogTexts[static_cast<std::size_t>(id)];
    return TextRow3{row.en, row.chs, row.cht}.in(language);
}

}  // namespace tarvik
