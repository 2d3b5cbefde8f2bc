// The pattern every secondary dialog follows: frameless and modal, sized by its background
// image, OK / Cancel / close image buttons with hover, texts and font by language, and white
// on dark grey controls. Dialogs add their own drawing, regions and controls on top.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageBox.h"
#include "ui/ClientRect.h"
#include "ui/Language.h"
#include "ui/SkinLayout.h"
#include "ui/qt/SkinCanvas.h"
#include "ui/qt/SkinWidgets.h"

class QLabel;
class QListWidget;

namespace tarvik::ui {

// The text font of the secondary dialogs in `language`.
QFont dialogFont(LanguageId language);

// What a dialog is built from.
struct DialogSkin {
    SkinState& skin;
    LanguageId language;
    platform::MessageBox& messages;
};

class ChooserBox;

class SkinnedDialog : public QDialog {
public:
    // `background` is the image name ("/single-key.png"); `failureCaption` the caption of the
    // "error" message shown when it cannot be loaded.
    SkinnedDialog(DialogSkin setup, std::string_view background, std::string_view failureCaption, QWidget* owner);
    ~SkinnedDialog() override;

    // False when the background could not be loaded: the dialog is empty, but its OK, Cancel
    // and close regions still answer.
    bool hasContent() const { return hasContent_; }
    bool confirmed() const { return result() == QDialog::Accepted; }
    LanguageId language() const { return language_; }
    const QImage& canvas() const { return canvas_; }
    // How many times the canvas was copied to the screen: a hover change costs one.
    int canvasCopies() const { return canvasCopies_; }
    bool isHovered(int region) const { return buttons_.isOver(region); }
    // Region indexes for isHovered.
    static constexpr int kClose = 0, kOk = 1, kCancel = 2;

    // Pointer events in client coordinates, as the mouse handlers receive them.
    void clickAt(QPoint point);
    void hoverAt(QPoint point);

protected:
    // A click outside OK, Cancel, close and the choosers' boxes.
    virtual void regionClicked(int x, int y);
    // A chooser owned by the dialog: its clicks and the mouse wheel are routed to it.
    ChooserBox& addChooser(ClientRect display, ClientRect clickRegion, ClientRect list,
                           std::function<std::vector<QString>()> entries);

    // A drawing scope on the canvas, copied to the screen when it ends.
    std::unique_ptr<CMemDC> drawScope();
    // A skin image at (x, y); a missing one is reported once per dialog.
    void drawImage(QPainter& painter, std::string_view name, int x, int y);
    void drawWhiteCaption(QPainter& painter, layout::Rect rect, std::string_view text);
    SkinState& skin() { return skin_; }
    platform::MessageBox& messages() { return messages_; }
    const QFont& textFont() const { return font_; }

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // The button images: one that cannot be loaded leaves its button as text only.
    void checkImage(std::string_view name);
    void reportMissing(std::string_view name);

    SkinState& skin_;
    LanguageId language_;
    platform::MessageBox& messages_;
    QFont font_;
    QImage canvas_;
    int canvasCopies_ = 0;
    bool hasContent_ = false;
    HoverButtons buttons_;
    std::set<std::string, std::less<>> reported_;
    std::vector<std::unique_ptr<ChooserBox>> choosers_;
};

// A name box (a sunken text) with the drop-down list it opens: the chooser of the fire-key,
// multimedia, Windows and macro dialogs. The list is filled each time it opens, selects the
// entry under the pointer and chooses the entry clicked.
class ChooserBox {
public:
    // `skin`, when given, must outlive the box; the list then follows it.
    ChooserBox(QWidget* dialog, ClientRect display, ClientRect clickRegion, ClientRect list,
               std::function<std::vector<QString>()> entries, const SkinState* skin = nullptr);
    ~ChooserBox();
    bool isOpen() const { return drop_ && drop_->isOpen(); }
    const ClientRect& clickRegion() const { return click_; }
    // A click in the dialog: the click region opens or closes the list, a click elsewhere
    // closes it. True when the click was the chooser's own.
    bool click(int x, int y);
    void close();
    // The mouse wheel over the dialog: three lines per notch, up for a positive turn.
    void scroll(int notches);
    // The name box shows `text` (shortened to fit); shown() is the whole text.
    void show(const QString& text);
    QString shown() const;
    QListWidget* list() const { return drop_ ? drop_->list() : nullptr; }

    std::function<void(int index, const QString& text)> onChosen;
    std::function<void(bool open)> onOpenChanged;

private:
    void open();

    QWidget* dialog_;
    const SkinState* skin_;
    ClientRect click_, listRect_;
    std::function<std::vector<QString>()> entries_;
    std::vector<QString> filled_;
    QString text_;
    std::unique_ptr<QLabel> display_;
    std::unique_ptr<DropDownBox> drop_;
};

}  // namespace tarvik::ui
