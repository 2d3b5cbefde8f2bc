// The data files of the windowed program on disk: where they are, "config.bin", the
// language, "str.ini" and the skins folder.
#pragma once

#include <optional>

#include "session/ShellData.h"
#include "settings/ConfigFile.h"
#include "settings/DataLocation.h"
#include "settings/InterfaceSettings.h"
#include "ui/TextCatalogue.h"

namespace tarvik {

// The skin used when "Path" is empty or names no folder.
inline constexpr const char* kDefaultSkin = "Carbon";

class AppData : public ShellData {
public:
    AppData(DataPaths paths, std::filesystem::path skinsRoot);
    void attachSink(platform::UserSink& sink) override { sink_ = &sink; }

    void loadConfig(RecordPair& records) override;
    void loadLanguage() override;
    SkinChoice loadInterfaceSettings() override;
    void saveSkinChoice(const SkinChoice& choice) override;
    void reloadInterfaceSettings() override;
    std::string text(TextRow row) const override;
    LanguageFonts fonts() const override;
    std::filesystem::path skinsRoot() const override { return skinsRoot_; }
    std::filesystem::path skinFolder(const std::string& name) const override;
    std::filesystem::path skinFolderHint() const override;
    LanguageId language() const override { return catalogue_.language(); }
    Captions captions() const override { return settings_.captions; }
    void saveCaptions(const Captions& captions) override;
    bool firstRun() const override { return config_.firstRunFlag == 0; }

    // Saves the record through the one config-file object the load filled, so the first-run
    // flag the save sets is the one the window asks about afterwards.
    std::error_code saveConfig(const ConfigRecord& record);

    const DataPaths& paths() const { return paths_; }

private:
    DataPaths paths_;
    std::filesystem::path skinsRoot_;
    platform::UserSink* sink_ = nullptr;
    ConfigFile config_;
    TextCatalogue catalogue_{LanguageId::EN};
    InterfaceSettings settings_;
};

}  // namespace tarvik
