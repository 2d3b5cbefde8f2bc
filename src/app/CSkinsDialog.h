// The skins dialog: the interface text colour through the colour chooser and the skin folder
// from the list of "Skins" sub-folders. OK returns the choice; Cancel and close change nothing.
#pragma once

#include <QDialog>
#include <QImage>

#include <memory>
#include <optional>

#include "app/ShellData.h"
#include "platform/ColourChooser.h"
#include "platform/MessageBox.h"
#include "ui/qt/SkinCanvas.h"
#include "ui/qt/SkinWidgets.h"

class QLabel;

namespace tarvik {

class CSkinsDialog : public QDialog {
public:
    CSkinsDialog(ui::SkinState& skin, const ShellData& data, SkinChoice current,
                 platform::ColourChooser& colours, platform::MessageBox& messages, QWidget* owner);
    ~CSkinsDialog() override;

    // The choice as it stands (the result after OK).
    const SkinChoice& choice() const { return choice_; }
    // The click handling of the dialog, in client coordinates.
    void clickAt(QPoint point);
    ui::DropDownBox& skinList() { return *list_; }
    const QImage& canvas() const { return canvas_; }
    int canvasCopies() const { return canvasCopies_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void drawAll();
    void drawSwatch(QPainter& painter);
    void chooseFolder(int index);

    ui::SkinState& skin_;
    const ShellData& data_;
    SkinChoice choice_;
    platform::ColourChooser& colours_;
    std::filesystem::path folder_;  // the dialog's copy of the skin folder
    std::vector<std::string> folders_;
    QImage canvas_;
    int canvasCopies_ = 0;
    ui::HoverButtons buttons_;
    int close_ = 0, ok_ = 0, cancel_ = 0;
    std::unique_ptr<QLabel> nameBox_;
    std::unique_ptr<ui::DropDownBox> list_;
};

// Names of the sub-folders of the skins folder, sorted; plain files are no skins.
std::vector<std::string> listSkinFolders(const std::filesystem::path& root);

}  // namespace tarvik
