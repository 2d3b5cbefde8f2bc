// The Basic page of the main window: seven button boxes with their lists and the DPI
// sub-list, Mode A / Mode B and "Default", the report-rate slider, four DPI stages and the
// "DPI Effect" group. The rules live in the Qt-free editors; this draws and forwards clicks.
#pragma once

#include <QListWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ShellPage.h"
#include "buttons/ButtonAssignment.h"
#include "performance/DpiStageEditor.h"
#include "performance/LightingEditor.h"
#include "platform/ColorChooser.h"
#include "platform/MessageBox.h"
#include "session/DeviceSession.h"
#include "session/ShellData.h"
#include "ui/SkinLayout.h"
#include "ui/qt/SkinWidgets.h"

namespace tarvik {

struct BasicPageServices {
    QWidget* window;  // parent of the lists
    ConfigRecord& record;
    Captions& captions;
    const ShellData& data;
    const DeviceSession& device;
    platform::MessageBox& messages;
    platform::ColorChooser& colors;
    std::function<ParameterDialogs&()> dialogs;
    // Draws on the window's canvas and copies it to the screen.
    std::function<void(const std::function<void(QPainter&)>&)> paint;
};

class BasicPage : public ShellPage, private ParameterDialogs {
public:
    explicit BasicPage(BasicPageServices services);
    ~BasicPage() override;

    void build(QPainter& painter, ui::SkinState& skin) override;
    void destroyControls() override;
    bool click(int x, int y) override;
    bool hoverChanges(int x, int y) const override;
    QRect hover(int x, int y, QPainter& painter, ui::SkinState& skin) override;

    // The open lists, for tests and screenshots; nullptr when closed.
    QListWidget* buttonList() const { return buttonList_.get(); }
    QListWidget* dpiSubList() const { return dpiSubList_.get(); }
    QListWidget* lightList() const { return lightList_.get(); }
    const ButtonAssignment* buttons() const { return buttons_ ? &*buttons_ : nullptr; }

private:
    std::optional<WindowsResult> windows() override { return s_.dialogs().windows(); }
    std::optional<MediaResult> multimedia() override { return s_.dialogs().multimedia(); }
    std::optional<FireKeyResult> fireKey() override { return s_.dialogs().fireKey(); }
    std::optional<SingleKeyResult> singleKey() override { return s_.dialogs().singleKey(); }
    std::optional<ComboKeyResult> comboKey() override { return s_.dialogs().comboKey(); }
    std::optional<MacroResult> macroKey() override { return s_.dialogs().macroKey(); }

    bool clickButtonArea(int x, int y);
    bool clickPerformance(int x, int y);
    bool clickLighting(int x, int y);
    void boxClicked(int box);
    void openButtonList(int box);
    void buttonItemEntered(QListWidgetItem* item);
    void buttonItemChosen(int box, int item);
    void dpiItemChosen(int subItem);
    void toggleLightList(LightingEditor::Field field);
    void lightItemChosen(LightingEditor::Field field, int entry);
    void closeButtonLists();
    void closeLightList();
    std::unique_ptr<QListWidget> makeList(const QRect& place, const std::vector<std::string>& items);
    QRect lightListPlace(const layout::Rect& value, const std::vector<std::string>& entries) const;

    void redraw(const std::function<void(QPainter&)>& draw);
    void restoreArt(QPainter& p, const QRect& area);
    void drawCaptions(QPainter& p);
    void drawBox(QPainter& p, int box);
    void drawBoxes(QPainter& p);
    void drawModeButtons(QPainter& p);
    void drawReportRate(QPainter& p);
    void drawStage(QPainter& p, int stage);
    void drawLighting(QPainter& p);
    QString text(TextRow row) const;

    BasicPageServices s_;
    ui::SkinState* skin_ = nullptr;
    TextCatalogue catalogue_{LanguageId::EN};
    std::optional<ButtonAssignment> buttons_;
    std::optional<DpiStageEditor> dpi_;
    std::optional<LightingEditor> lighting_;
    ui::HoverButtons defaultButton_;
    std::optional<int> hoveredBox_;
    std::unique_ptr<QListWidget> buttonList_, dpiSubList_, lightList_;
    std::optional<LightingEditor::Field> lightListField_;
};

}  // namespace tarvik
