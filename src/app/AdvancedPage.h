// The Advanced page of the main window: the desktop's pointer settings (three sliders, two
// tick boxes, "Default") on the left and the macro area on the right. The rules live in
// PointerSettingsSync and MacroEditor; this draws them and forwards clicks.
#pragma once

#include <QPainter>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "app/AdvancedMacroArea.h"
#include "app/ShellPage.h"
#include "macros/MacroEditor.h"
#include "performance/PointerSettingsSync.h"
#include "platform/MessageBox.h"
#include "session/ShellData.h"
#include "ui/TextCatalogue.h"
#include "ui/qt/SkinWidgets.h"

namespace tarvik {

class CPellorDlg;

struct AdvancedPageServices {
    QWidget* window;  // parent of the lists and fields; its title shows the recording
    ConfigRecord& record;
    const ShellData& data;
    platform::MessageBox& messages;
    PointerSettingsSync& pointer;
    std::filesystem::path recordIni;
    AskDelay askDelay;  // the delay dialog
    // Draws on the window's canvas and copies it to the screen.
    std::function<void(const std::function<void(QPainter&)>&)> paint;
};

class AdvancedPage : public ShellPage {
public:
    explicit AdvancedPage(AdvancedPageServices services);
    ~AdvancedPage() override;

    void build(QPainter& painter, ui::SkinState& skin) override;
    void destroyControls() override;
    bool click(int x, int y) override;
    bool hoverChanges(int x, int y) const override;
    QRect hover(int x, int y, QPainter& painter, ui::SkinState& skin) override;
    // Over a faded pointer control: why it takes no clicks.
    QString toolTipAt(int x, int y) const override;

    AdvancedMacroArea& macros() { return macros_; }
    const AdvancedMacroArea& macros() const { return macros_; }

private:
    enum class Slider { Speed = 0, Wheel = 1, DoubleClick = 2 };
    enum class Box { Precision = 0, OneScreen = 1 };

    bool clickPointer(int x, int y);
    bool sliderAvailable(int slider) const;
    bool boxAvailable(int box) const;
    Byte& sliderField(int slider);
    Byte& boxField(int box);
    void redraw(const std::function<void(QPainter&)>& draw);
    void restoreArt(QPainter& p, const QRect& area);
    void drawSlider(QPainter& p, int slider);
    void drawBox(QPainter& p, int box);
    void drawPointerArea(QPainter& p);
    void drawButtons(QPainter& p);

    AdvancedPageServices s_;
    ui::SkinState* skin_ = nullptr;
    // MacroEditor keeps a reference to it: replaced in place when the language is known.
    TextCatalogue catalogue_{LanguageId::EN};
    AdvancedMacroArea macros_;
    ui::HoverButtons buttons_;  // "Default", "New", "Delete", "Confirm"
    bool built_ = false;
};

// The page over the window's canvas, record and services (the window draws it when shown).
std::unique_ptr<AdvancedPage> makeAdvancedPage(CPellorDlg& window, ConfigRecord& record, const ShellData& data,
                                               platform::MessageBox& messages, PointerSettingsSync& pointer,
                                               std::filesystem::path recordIni, AskDelay askDelay);

}  // namespace tarvik
