// The skins dialog: the interface text color through the color chooser and the skin folder
// from the list of "Skins" sub-folders. OK returns the choice; Cancel and close change nothing.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ColorChooser.h"
#include "platform/MessageBox.h"
#include "session/ShellData.h"
#include "ui/qt/SkinnedDialog.h"

namespace tarvik {

class CSkinsDialog : public ui::SkinnedDialog {
public:
    CSkinsDialog(ui::SkinState& skin, const ShellData& data, SkinChoice current, platform::ColorChooser& colors,
                 platform::MessageBox& messages, QWidget* owner);
    ~CSkinsDialog() override;

    // The choice as it stands (the result after OK).
    const SkinChoice& choice() const { return choice_; }
    ui::ChooserBox& skinList() { return *list_; }

protected:
    void regionClicked(int x, int y) override;

private:
    void drawPrompt();
    void drawSwatch(QPainter& painter);
    void chooseFolder(const std::string& name);

    const ShellData& data_;
    SkinChoice choice_;
    platform::ColorChooser& colors_;
    ui::ChooserBox* list_ = nullptr;
};

// Names of the sub-folders of the skins folder, sorted; plain files are no skins.
std::vector<std::string> listSkinFolders(const std::filesystem::path& root);

}  // namespace tarvik
