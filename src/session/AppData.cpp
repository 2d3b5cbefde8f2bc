// Data files of the windowed program.
#include "session/AppData.h"

#include "base/ProfileFile.h"
#include "ui/Language.h"

namespace tarvik {

AppData::AppData(DataPaths paths, std::filesystem::path skinsRoot)
    : paths_(std::move(paths)), skinsRoot_(std::move(skinsRoot)) {
    config_.path = paths_.configBin;
}

void AppData::loadConfig(RecordPair& records) {
    LoadConfig(config_, records.current, *sink_);
    records.commit();
}

std::error_code AppData::saveConfig(const ConfigRecord& record) { return SaveConfig(config_, record, *sink_); }

void AppData::loadLanguage() { catalogue_ = ApplyCatalogue(ReadLanguage(paths_.strIni)); }

SkinChoice AppData::loadInterfaceSettings() {
    settings_ = LoadInterfaceSettings(paths_.strIni, catalogue_.captionSection());
    // A file that names no color at all (first run, no "str.ini") keeps the default green:
    // reading the three missing values as 0 would draw black text on the dark skins.
    const bool noColor = settings_.redText.empty() && settings_.greenText.empty() && settings_.blueText.empty();
    const UiTextColor color = noColor ? UiTextColor{} : uiTextColorFrom(settings_);
    return {settings_.skinName, {color.red, color.green, color.blue}};
}

void AppData::reloadInterfaceSettings() { loadInterfaceSettings(); }

void AppData::saveSkinChoice(const SkinChoice& choice) {
    const SkinSettings skin{choice.name, {choice.textColor.red, choice.textColor.green, choice.textColor.blue}};
    if (std::error_code ec = SaveSkinSettings(paths_.strIni, skin))
        sink_->message("Could not save the skin to " + paths_.strIni.string() + ": " + ec.message() +
                           ". Check that the folder is writable.",
                       "Warning");
}

void AppData::saveCaptions(const Captions& captions) {
    settings_.captions = captions;
    if (std::error_code ec = SaveCaptions(paths_.strIni, catalogue_.captionSection(), captions))
        sink_->message("Could not save the button captions to " + paths_.strIni.string() + ": " + ec.message() +
                           ". Check that the folder is writable.",
                       "Warning");
}

std::string AppData::text(TextRow row) const { return std::string(catalogue_.text(row)); }

LanguageFonts AppData::fonts() const { return languageFonts(catalogue_.language()); }

std::filesystem::path AppData::skinFolderHint() const {
    return skinFolder(readProfileString(paths_.strIni, "Skins", "Path"));
}

std::filesystem::path AppData::skinFolder(const std::string& name) const {
    std::error_code ec;
    // A name that leaves the skins folder ("..", "/etc") is no skin of ours.
    const bool plainName = !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
    if (plainName && std::filesystem::is_directory(skinsRoot_ / name, ec)) return skinsRoot_ / name;
    if (std::filesystem::is_directory(skinsRoot_ / kDefaultSkin, ec)) return skinsRoot_ / kDefaultSkin;
    return skinsRoot_;
}

}  // namespace tarvik
