// Every word the shell completions offer after a button function or a lighting mode is one that
// `tarvikctl set` takes: a completion that offers a refused word would send the user astray.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "cli/CompletionWords.h"
#include "cli/SetCommand.h"
#include "session/FactoryRecord.h"
#include "settings/TempFolder.h"
#include "ui/TextCatalogue.h"

namespace {

using namespace tarvik;

const std::vector<std::string>& listNamed(const std::vector<cli::WordList>& lists, std::string_view name) {
    static const std::vector<std::string> none;
    for (const auto& list : lists)
        if (list.name == name) return list.words;
    ADD_FAILURE() << "no word list " << name;
    return none;
}

// The words run as `set WORDS...` on the factory record; the rule's message when refused.
std::string refusal(const std::vector<std::string>& words, const std::filesystem::path& recordIni) {
    ConfigRecord record = factoryRecord();
    Captions captions;
    const TextCatalogue catalogue(LanguageId::EN);
    cli::SetTarget target{record, captions, catalogue, 0, recordIni};
    const cli::SetResult result = cli::runSet(words, target);
    return result.done ? std::string() : result.message;
}

TEST(CompletionWords, EveryOfferedArgumentIsOneSetTakes) {
    test::TempFolder dir;
    const auto recordIni = dir.path() / "record.ini";
    std::ofstream(recordIni) << "[Fast fire]\nItemCount=2\nItem0=A   Dn\nItem1=A   Up\n";
    const auto lists = cli::wordLists();
    for (const auto& function : cli::functionArguments()) {
        // Each list at its place, the earlier places filled with their list's first word.
        std::vector<std::string> words{"button", "3", std::string(function.label)};
        for (const auto list : function.lists) {
            const std::vector<std::string> offered =
                list == "macros" ? std::vector<std::string>{"Fast fire"} : listNamed(lists, list);
            ASSERT_FALSE(offered.empty()) << list;
            for (const auto& word : offered) {
                words.push_back(word);
                EXPECT_EQ(refusal(words, recordIni), "") << function.label << ": " << word;
                words.pop_back();
            }
            words.push_back(offered.front());
        }
    }
    // The labels that take no word after them stand alone.
    const auto withArguments = cli::functionArguments();
    for (const auto& label : listNamed(lists, "functions")) {
        if (std::ranges::find(withArguments, std::string_view(label), &cli::FunctionArguments::label) !=
            withArguments.end())
            continue;
        EXPECT_EQ(refusal({"button", "3", label}, recordIni), "") << label;
    }
}

TEST(CompletionWords, EveryLightingModeParameterAndEffectIsOneSetTakes) {
    const auto lists = cli::wordLists();
    for (const auto& mode : listNamed(lists, "light-modes")) {
        std::string name = mode;
        for (auto& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(refusal({"lighting", mode}, {}), "") << mode;
        for (const auto& parameter : listNamed(lists, "parameters-" + name)) {
            EXPECT_EQ(refusal({"lighting", mode, parameter}, {}), "") << mode << ' ' << parameter;
            for (const auto& effect : listNamed(lists, "effects-" + name))
                EXPECT_EQ(refusal({"lighting", mode, parameter, effect}, {}), "")
                    << mode << ' ' << parameter << ' ' << effect;
        }
    }
}

}  // namespace
