// The parameter dialogs of the Basic page's button lists as the program shows them: the six
// skinned dialogs, run modally over the main window in the interface language.
#pragma once

#include <filesystem>
#include <functional>

#include "buttons/ParameterDialogs.h"
#include "platform/MessageBox.h"
#include "ui/Language.h"
#include "ui/qt/SkinCanvas.h"
#include "ui/qt/SkinnedDialog.h"

class QWidget;

namespace tarvik {

class SkinnedParameterDialogs : public ParameterDialogs {
public:
    // `language` is asked at each opening: the language is read after the window is made.
    SkinnedParameterDialogs(QWidget* owner, ui::SkinState& skin, std::function<LanguageId()> language,
                            platform::MessageBox& messages, std::filesystem::path recordIni);

    std::optional<WindowsResult> windows() override;
    std::optional<MediaResult> multimedia() override;
    std::optional<FireKeyResult> fireKey() override;
    std::optional<SingleKeyResult> singleKey() override;
    std::optional<ComboKeyResult> comboKey() override;
    std::optional<MacroResult> macroKey() override;

private:
    ui::DialogSkin setup();

    QWidget* owner_;
    ui::SkinState& skin_;
    std::function<LanguageId()> language_;
    platform::MessageBox& messages_;
    std::filesystem::path recordIni_;
};

}  // namespace tarvik
