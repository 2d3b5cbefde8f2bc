// Owner-drawn widgets of the skinned windows: image buttons with a hover state, tick boxes,
// segmented sliders and drop-down boxes. Pages and dialogs place them at their layout's rectangles.
#pragma once

#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/ClientRect.h"
#include "ui/qt/SkinCanvas.h"

class QListWidget;
class QWidget;

namespace tarvik::ui {

// Image buttons of one window with their hover flags (all clear at start).
class HoverButtons {
public:
    struct Button {
        ClientRect rect;
        std::string normalImage, overImage;
        QString caption;  // drawn centred on the image; empty for none
    };
    int add(Button button);
    const Button& button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    void setCaption(int index, QString caption) {
        buttons_.at(static_cast<std::size_t>(index)).caption = std::move(caption);
    }
    // The button under the point, if any.
    std::optional<int> hit(int x, int y) const;
    // Pointer moved to (x, y): the button under it goes to its over image, every other
    // button drawn in its over image goes back to normal. Returns the area redrawn: empty
    // when no state changed, so a move inside one button costs no repaint.
    QRect track(int x, int y, QPainter& painter, SkinState& skin);
    bool needsRedraw(int x, int y) const;
    // Every button in its normal state (page build, pointer left the window).
    void drawAllNormal(QPainter& painter, SkinState& skin);
    bool isOver(int index) const { return over_.at(static_cast<std::size_t>(index)); }

private:
    void draw(int index, bool over, QPainter& painter, SkinState& skin);
    // A button's image with its caption, composed once per state and redrawn in one step
    // while the image file, caption, font and color stay the same.
    struct Composed {
        qint64 imageKey = 0;
        QString caption;
        QFont font;
        QRgb color = 0;
        QImage image;
    };
    const QImage* composed(int index, bool over, SkinState& skin);
    std::vector<Button> buttons_;
    std::vector<bool> over_;
    std::vector<std::array<Composed, 2>> composed_;
};

// A tick box: "/PaneMakingTick.png" when on, "/Pane.png" when off, at the box's corner.
void drawTickBox(QPainter& painter, SkinState& skin, const ClientRect& box, bool on);

// A row of 11 segments, `pitch` pixels apart from the slider's left edge; value n (1-11)
// lights segments 0 .. n-1.
class SegmentedSlider {
public:
    static constexpr int kSegments = 11;
    SegmentedSlider(int left, int top, int segmentWidth, int segmentHeight, int pitch, std::string lightImage,
                    std::string darkImage);
    // The value (k + 1) a click on segment k gives; nullopt off every segment.
    std::optional<int> valueAt(int x, int y) const;
    ClientRect segment(int k) const;
    void draw(QPainter& painter, SkinState& skin, int value) const;

private:
    int left_, top_, width_, height_, pitch_;
    std::string light_, dark_;
};

// A pop-up list (drop-down, button list) in the skin's text color and font on black, framed
// in the text color; the entry under the pointer shows inverted.
void styleSkinList(QListWidget& list, const SkinState& skin);

// A drop-down box: a header image showing the current choice and a list that opens below it.
// The list is created on first use and destroyed when it closes.
class DropDownBox {
public:
    // `skin`, when given, must outlive the box; its list then follows the skin.
    DropDownBox(QWidget* window, ClientRect header, ClientRect list, std::vector<QString> entries,
                const SkinState* skin = nullptr);
    ~DropDownBox();
    void setChoice(int index) { choice_ = index; }
    int choice() const { return choice_; }
    bool isOpen() const { return list_ != nullptr; }
    const ClientRect& header() const { return header_; }
    // Header click: opens or closes the list.
    void toggle();
    void close();
    // The entry the user picked; the list closes and `onChosen` runs.
    std::function<void(int index)> onChosen;
    // Draws the header (normal or over image) with the current choice as its caption.
    void drawHeader(QPainter& painter, SkinState& skin, bool over) const;
    QListWidget* list() const { return list_.get(); }

private:
    QWidget* window_;
    const SkinState* skin_;
    ClientRect header_, listRect_;
    std::vector<QString> entries_;
    int choice_ = 0;
    std::unique_ptr<QListWidget> list_;
};

}  // namespace tarvik::ui
