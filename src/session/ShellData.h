// The data files as the main window's start-up and the skins dialog use them: "config.bin",
// the language and interface settings of "str.ini", the catalogue and the skins folder.
#pragma once

#include <filesystem>
#include <string>

#include "platform/ColorChooser.h"
#include "platform/UserSink.h"
#include "settings/ConfigRecord.h"
#include "settings/InterfaceSettings.h"
#include "ui/Fonts.h"
#include "ui/TextRows.h"

namespace tarvik {

struct SkinChoice {
    std::string name;  // "Path" of "str.ini": a folder name under the skins root
    platform::Rgb textColor{0, 255, 0};
    bool operator==(const SkinChoice&) const = default;
};

class ShellData {
public:
    virtual ~ShellData() = default;
    // Where the file messages go; set by the window before start-up.
    virtual void attachSink(platform::UserSink& sink) = 0;
    // Loads "config.bin" into the record and takes the saved snapshot.
    virtual void loadConfig(RecordPair& records) = 0;
    // Reads "Lan" and fills the catalogue; then the interface settings of that language.
    virtual void loadLanguage() = 0;
    virtual SkinChoice loadInterfaceSettings() = 0;
    virtual void saveSkinChoice(const SkinChoice& choice) = 0;
    // Reloads the captions and colors after a Cancel (the Basic page rebuild).
    virtual void reloadInterfaceSettings() = 0;
    virtual std::string text(TextRow row) const = 0;
    virtual LanguageFonts fonts() const = 0;
    // The "Skins" folder holding one sub-folder per skin.
    virtual std::filesystem::path skinsRoot() const = 0;
    // The folder the skin images are read from: the named skin when that folder exists,
    // else the default skin, else the root itself.
    virtual std::filesystem::path skinFolder(const std::string& name) const = 0;
    virtual LanguageId language() const = 0;
    // The skin folder start-up is about to read, looked up ahead of the interface settings so
    // the page images can be decoded while the handshake waits; empty: no guess.
    virtual std::filesystem::path skinFolderHint() const { return {}; }
    // The 24 button captions of the last loadInterfaceSettings or reload.
    virtual Captions captions() const { return {}; }
    // Writes the 24 captions to the caption section of the interface language.
    virtual void saveCaptions(const Captions& /*captions*/) {}
    // True while "config.bin" has never been saved by an apply (its first-run flag is 0).
    virtual bool firstRun() const { return false; }
};

}  // namespace tarvik
