// Hover buttons, tick boxes, segmented sliders and drop-down boxes on a skinned canvas.
#include "ui/qt/SkinWidgets.h"

#include <QListWidget>
#include <QWidget>

namespace tarvik::ui {

int HoverButtons::add(Button button) {
    buttons_.push_back(std::move(button));
    over_.push_back(false);
    composed_.emplace_back();
    return static_cast<int>(buttons_.size()) - 1;
}

std::optional<int> HoverButtons::hit(int x, int y) const {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i].rect.contains(x, y)) return static_cast<int>(i);
    return std::nullopt;
}

bool HoverButtons::needsRedraw(int x, int y) const {
    const std::optional<int> under = hit(x, y);
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (over_[i] != (under && *under == static_cast<int>(i))) return true;
    return false;
}

QRect HoverButtons::track(int x, int y, QPainter& painter, SkinState& skin) {
    const std::optional<int> under = hit(x, y);
    QRect drew;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const bool wantOver = under && *under == static_cast<int>(i);
        if (over_[i] == wantOver) continue;
        draw(static_cast<int>(i), wantOver, painter, skin);
        drew |= toQRect(buttons_[i].rect);
    }
    return drew;
}

void HoverButtons::drawAllNormal(QPainter& painter, SkinState& skin) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) draw(static_cast<int>(i), false, painter, skin);
}

const QImage* HoverButtons::composed(int index, bool over, SkinState& skin) {
    const auto i = static_cast<std::size_t>(index);
    const Button& b = buttons_[i];
    std::filesystem::path file = skin.folder;
    file += over ? b.overImage : b.normalImage;
    const QImage* image = skin.cache.get(file);
    if (!image) return nullptr;
    Composed& c = composed_[i][over ? 1 : 0];
    if (c.image.isNull() || c.imageKey != image->cacheKey() || c.caption != b.caption || c.font != skin.textFont ||
        c.color != skin.textColor.rgba()) {
        c = {image->cacheKey(), b.caption, skin.textFont, skin.textColor.rgba(),
             QImage(image->size(), QImage::Format_ARGB32_Premultiplied)};
        c.image.fill(Qt::transparent);
        QPainter p(&c.image);
        p.drawImage(0, 0, *image);
        if (!b.caption.isEmpty())
            drawCaption(p, {0, 0, b.rect.width(), b.rect.height()}, b.caption, skin.textFont, skin.textColor);
    }
    return &c.image;
}

void HoverButtons::draw(int index, bool over, QPainter& painter, SkinState& skin) {
    const auto i = static_cast<std::size_t>(index);
    const Button& b = buttons_[i];
    if (const QImage* image = composed(index, over, skin)) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(b.rect.left, b.rect.top, *image);
    } else if (!b.caption.isEmpty()) {
        drawCaption(painter, b.rect, b.caption, skin.textFont, skin.textColor);  // image missing: text only
    }
    over_[i] = over;
}

void drawTickBox(QPainter& painter, SkinState& skin, const ClientRect& box, bool on) {
    DrawSkinImage(painter, skin, on ? "/PaneMakingTick.png" : "/Pane.png", box.left, box.top);
}

SegmentedSlider::SegmentedSlider(int left, int top, int segmentWidth, int segmentHeight, int pitch,
                                 std::string lightImage, std::string darkImage)
    : left_(left),
      top_(top),
      width_(segmentWidth),
      height_(segmentHeight),
      pitch_(pitch),
      light_(std::move(lightImage)),
      dark_(std::move(darkImage)) {}

ClientRect SegmentedSlider::segment(int k) const {
    const int x = left_ + pitch_ * k;
    return {x, top_, x + width_, top_ + height_};
}

std::optional<int> SegmentedSlider::valueAt(int x, int y) const {
    for (int k = 0; k < kSegments; ++k)
        if (segment(k).contains(x, y)) return k + 1;
    return std::nullopt;
}

void SegmentedSlider::draw(QPainter& painter, SkinState& skin, int value) const {
    for (int k = 0; k < kSegments; ++k) {
        const ClientRect r = segment(k);
        DrawSkinImage(painter, skin, k < value ? light_ : dark_, r.left, r.top);
    }
}

void styleSkinList(QListWidget& list, const SkinState& skin) {
    const QString color = skin.textColor.name();
    list.setStyleSheet(
        QStringLiteral("QListWidget { background: black; color: %1; border: 1px solid %1; }"
                       "QListWidget::item:selected, QListWidget::item:hover { background: %1; color: black; }")
            .arg(color));
    list.setFont(skin.textFont);
}

DropDownBox::DropDownBox(QWidget* window, ClientRect header, ClientRect list, std::vector<QString> entries,
                         const SkinState* skin)
    : window_(window), skin_(skin), header_(header), listRect_(list), entries_(std::move(entries)) {}

DropDownBox::~DropDownBox() = default;

void DropDownBox::toggle() {
    if (isOpen()) {
        close();
        return;
    }
    list_ = std::make_unique<QListWidget>(window_);
    list_->setGeometry(toQRect(listRect_));
    list_->setFrameShape(QFrame::Box);
    if (skin_) styleSkinList(*list_, *skin_);
    list_->setMouseTracking(true);  // the entry under the pointer is selected, not chosen
    for (const QString& entry : entries_) list_->addItem(entry);
    list_->setCurrentRow(choice_);
    QObject::connect(list_.get(), &QListWidget::itemEntered, list_.get(),
                     [this](QListWidgetItem* item) { list_->setCurrentItem(item); });
    QObject::connect(list_.get(), &QListWidget::itemClicked, list_.get(), [this](QListWidgetItem* item) {
        const int index = list_->row(item);
        choice_ = index;
        close();  // deferred deletion: the list is still inside its own signal
        if (onChosen) onChosen(index);
    });
    list_->show();
}

void DropDownBox::close() {
    if (!list_) return;
    list_->hide();
    list_.release()->deleteLater();
}

void DropDownBox::drawHeader(QPainter& painter, SkinState& skin, bool over) const {
    DrawSkinImage(painter, skin, over ? "/DropdownBox-over.png" : "/DropdownBox-normal.png", header_.left, header_.top);
    if (choice_ >= 0 && static_cast<std::size_t>(choice_) < entries_.size())
        drawCaption(painter, header_, entries_[static_cast<std::size_t>(choice_)], skin.textFont, skin.textColor);
}

}  // namespace tarvik::ui
