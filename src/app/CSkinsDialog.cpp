// The skins dialog, drawn from "/skins.png" of the active skin.
#include "app/CSkinsDialog.h"

#include <QPainter>

#include <algorithm>

#include "ui/TextCatalogue.h"

namespace tarvik {
namespace {

constexpr ClientRect kNameBox = ui::clientRect(layout::kSkinsNameBox);
constexpr ClientRect kNameClick = ui::clientRect(layout::kChoiceBox);
constexpr ClientRect kListRect = ui::clientRect(layout::kSkinsList);

std::vector<QString> skinEntries(const std::filesystem::path& root) {
    std::vector<QString> entries;
    for (const std::string& name : listSkinFolders(root)) entries.push_back(QString::fromStdString(name));
    return entries;
}

}  // namespace

std::vector<std::string> listSkinFolders(const std::filesystem::path& root) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(root, ec))
        if (entry.is_directory(ec)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

CSkinsDialog::CSkinsDialog(ui::SkinState& skin, const ShellData& data, SkinChoice current,
                           platform::ColorChooser& colors, platform::MessageBox& messages, QWidget* owner)
    : SkinnedDialog({skin, data.language(), messages}, "/skins.png", "Skins Dialog Load background image failed!!!",
                    owner),
      data_(data),
      choice_(std::move(current)),
      colors_(colors) {
    // Without its background the dialog still lists the skins and takes a color: choosing
    // another skin is how the user gets away from a broken one.
    // A first run names no skin, yet one is shown: the default, or what the folder offers.
    const std::filesystem::path inUse = data_.skinFolder(choice_.name);
    if (inUse != data_.skinsRoot() && inUse != data_.skinsRoot() / choice_.name)
        choice_.name = inUse.filename().string();
    drawPrompt();
    list_ = &addChooser(kNameBox, kNameClick, kListRect, [this] { return skinEntries(data_.skinsRoot()); });
    list_->show(QString::fromStdString(choice_.name));
    list_->onChosen = [this](int, const QString& text) { chooseFolder(text.toStdString()); };
}

CSkinsDialog::~CSkinsDialog() = default;

void CSkinsDialog::drawPrompt() {
    const auto dc = drawScope();
    ui::drawLabel(dc->painter(), ui::clientRect(layout::kSkinsPrompt),
                  ui::toQString(dialogText(DialogText::SkinsPrompt, language())), textFont(), skin().textColor);
    drawSwatch(dc->painter());
}

void CSkinsDialog::drawSwatch(QPainter& painter) {
    const auto& c = choice_.textColor;
    painter.fillRect(ui::toQRect(ui::clientRect(layout::kSkinsSwatch)), QColor(c.red, c.green, c.blue));
}

void CSkinsDialog::chooseFolder(const std::string& name) {
    // Look the folder up again by its exact name: it may have gone since the list was filled.
    std::error_code ec;
    if (std::filesystem::is_directory(data_.skinsRoot() / name, ec)) choice_.name = name;
    list_->show(QString::fromStdString(choice_.name));
}

void CSkinsDialog::regionClicked(int x, int y) {
    if (!ui::clientRect(layout::kSkinsSwatch).contains(x, y)) return;
    if (std::optional<platform::Rgb> color = colors_.choose(choice_.textColor)) {
        choice_.textColor = *color;
        const auto dc = drawScope();
        drawSwatch(dc->painter());
    }
}

}  // namespace tarvik
