// The rules of the Basic page's "DPI Effect" group: the texts of mode, parameter and effect in
// the interface language, the entries of their lists, and what a choice stores.
#pragma once

#include <string>
#include <vector>

#include "settings/ConfigRecord.h"
#include "ui/TextCatalogue.h"

namespace tarvik {

class LightingEditor {
public:
    enum class Field { Mode = 0, Parameter = 1, Effect = 2 };
    static constexpr int kFields = 3;

    LightingEditor(ConfigRecord& record, const TextCatalogue& catalogue);

    // The text shown for a field; empty while the mode is "Off" (parameter and effect) and
    // for bytes beyond their lists, except a parameter chosen while the mode is "Off": it is
    // shown, though no field keeps it.
    std::string text(Field field) const;
    // The entries of the field's list, entry 0 first; empty when a click opens no list.
    std::vector<std::string> listEntries(Field field) const;
    // A click on the effect text of Standard opens no list but chooses its one effect.
    bool choosesWithoutList(Field field) const;
    // Entry `entry` of the field's list was chosen.
    void choose(Field field, int entry);

private:
    ConfigRecord& record_;
    const TextCatalogue& catalogue_;
    std::string unstoredParameter_;  // chosen while the mode is "Off"; cleared by a mode choice
};

// The text of a lighting field for `record` in the catalogue's language (what the page shows).
std::string lightingText(const ConfigRecord& record, const TextCatalogue& catalogue, LightingEditor::Field field);

}  // namespace tarvik
