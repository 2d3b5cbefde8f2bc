// The Basic page: drawing at the skin art's places, lists, clicks and hover states.
#include "app/BasicPage.h"

#include <QFontMetrics>
#include <QStyle>

#include <algorithm>

#include "buttons/ButtonCatalogue.h"
#include "performance/DpiTables.h"
#include "ui/SkinLayout.h"
#include "ui/qt/SkinWidgets.h"

namespace tarvik {
namespace {

namespace L = layout;

constexpr const char* kModeNames[2] = {"Mode A", "Mode B"};

using ui::clientRect;
using ui::toQRect;
using ui::toQString;

std::optional<int> boxAt(int x, int y) {
    for (int k = 0; k < kButtonBoxes; ++k) {
        if (L::buttonBox(k).contains(x, y)) return k;
    }
    return std::nullopt;
}

// Closes a list that may still be inside one of its own signals: it goes at the next turn
// of the event loop.
void dispose(std::unique_ptr<QListWidget>& list) {
    if (!list) return;
    list->hide();
    list.release()->deleteLater();
}

}  // namespace

BasicPage::BasicPage(BasicPageServices services) : s_(std::move(services)) {}

BasicPage::~BasicPage() = default;

QString BasicPage::text(TextRow row) const { return toQString(catalogue_.text(row)); }

void BasicPage::build(QPainter& painter, ui::SkinState& skin) {
    skin_ = &skin;
    destroyControls();
    catalogue_ = TextCatalogue(s_.data.language());
    buttons_.emplace(s_.record, s_.captions, catalogue_, static_cast<ParameterDialogs&>(*this));
    dpi_.emplace(s_.record, static_cast<std::uint8_t>(s_.device.sensorType()));
    lighting_.emplace(s_.record, catalogue_);
    defaultButton_ = {};
    defaultButton_.add(
        {clientRect(L::kButtonDefault), "/button-normal.png", "/button-over.png", text(TextRow::DefaultKeys)});
    hoveredBox_.reset();
    drawCaptions(painter);
    drawBoxes(painter);
    drawModeButtons(painter);
    defaultButton_.drawAllNormal(painter, skin);
    drawReportRate(painter);
    for (int s = 0; s < L::kDpiStages; ++s) drawStage(painter, s);
    drawLighting(painter);
}

void BasicPage::destroyControls() {
    if (buttons_) buttons_->closeList();
    closeButtonLists();
    closeLightList();
}

// ---- clicks ----

bool BasicPage::click(int x, int y) {
    if (!buttons_) return false;
    dispose(dpiSubList_);  // any click on the page closes the DPI sub-list
    if (clickButtonArea(x, y)) return true;
    if (clickLighting(x, y)) return true;
    return clickPerformance(x, y);
}

bool BasicPage::clickButtonArea(int x, int y) {
    if (const std::optional<int> box = boxAt(x, y)) {
        closeLightList();
        boxClicked(*box);
        return true;
    }
    // A click beside the open list closes it (clicks on the list itself go to the list).
    buttons_->closeList();
    closeButtonLists();
    if (L::kModeA.contains(x, y) || L::kModeB.contains(x, y)) {
        closeLightList();
        buttons_->selectKeyMode(L::kModeA.contains(x, y) ? 0 : 1);
        redraw([this](QPainter& p) {
            drawModeButtons(p);
            drawBoxes(p);
        });
        return true;
    }
    if (L::kButtonDefault.contains(x, y)) {
        closeLightList();
        buttons_->restoreDefaultButtons();
        redraw([this](QPainter& p) { drawBoxes(p); });
        return true;
    }
    return false;
}

void BasicPage::boxClicked(int box) {
    const ButtonAssignment::OpenResult result = buttons_->openButtonList(box);
    closeButtonLists();
    if (result == ButtonAssignment::OpenResult::Opened) openButtonList(box);
    if (result == ButtonAssignment::OpenResult::LeftKeyRefused) s_.messages.show(buttons_->leftKeyWarning(), "Warning");
}

bool BasicPage::clickPerformance(int x, int y) {
    closeLightList();
    for (int i = 0; i < L::kReportRateStops; ++i) {
        if (!L::reportRateStop(i).contains(x, y)) continue;
        if (dpi_->clickReportRate(i + 1)) redraw([this](QPainter& p) { drawReportRate(p); });
        return true;
    }
    for (int s = 0; s < L::kDpiStages; ++s) {
        bool changed = false, hit = false;
        for (int t = 1; t <= L::kDpiMaxTicks && !hit; ++t) {
            if (L::dpiTick(s, t).contains(x, y)) {
                hit = true;
                changed = dpi_->clickTick(s, t);
            }
        }
        if (L::dpiStageBox(s).contains(x, y)) {
            hit = true;
            changed = dpi_->toggleStage(s);
        }
        if (L::dpiSwatch(s).contains(x, y)) {
            hit = true;
            // The chooser starts from black, with no extra options.
            if (dpi_->swatchOpensChooser(s)) {
                if (const std::optional<platform::Rgb> color = s_.colors.choose({0, 0, 0})) {
                    dpi_->setColor(s, *color);
                    changed = true;
                }
            }
        }
        if (changed) redraw([this, s](QPainter& p) { drawStage(p, s); });
        if (hit) return true;
    }
    return false;
}

bool BasicPage::clickLighting(int x, int y) {
    for (int row = 0; row < LightingEditor::kFields; ++row) {
        if (!L::lightValue(row).contains(x, y)) continue;
        buttons_->closeList();
        closeButtonLists();
        toggleLightList(static_cast<LightingEditor::Field>(row));
        return true;
    }
    return false;
}

// ---- lists ----

std::unique_ptr<QListWidget> BasicPage::makeList(const QRect& place, const std::vector<std::string>& items) {
    auto list = std::make_unique<QListWidget>(s_.window);
    list->setGeometry(place);
    list->setFrameShape(QFrame::Box);
    list->setFocusPolicy(Qt::NoFocus);  // Enter and Escape stay with the window
    if (skin_) ui::styleSkinList(*list, *skin_);
    list->setUniformItemSizes(true);
    for (const std::string& item : items) {
        auto* row = new QListWidgetItem(toQString(item), list.get());  // owned by the list
        row->setSizeHint({place.width() - 4, L::kListItemHeight});
    }
    list->setCurrentRow(-1);  // no item selected until the pointer is over one
    list->show();
    list->raise();
    list->doItemsLayout();  // item places are known at once, not at the next paint
    return list;
}

void BasicPage::openButtonList(int box) {
    buttonList_ = makeList(toQRect(L::buttonList(box)), buttons_->listItems());
    buttonList_->setMouseTracking(true);  // the item under the pointer is selected, not chosen
    QObject::connect(buttonList_.get(), &QListWidget::itemEntered, buttonList_.get(),
                     [this](QListWidgetItem* item) { buttonItemEntered(item); });
    QObject::connect(buttonList_.get(), &QListWidget::itemClicked, buttonList_.get(),
                     [this, box](QListWidgetItem* item) { buttonItemChosen(box, buttonList_->row(item)); });
}

void BasicPage::buttonItemEntered(QListWidgetItem* item) {
    buttonList_->setCurrentItem(item);
    if (buttonList_->row(item) != kFnDpiSwitch) {
        dispose(dpiSubList_);
        return;
    }
    if (dpiSubList_) return;
    // Beside the "DPI Switch" item: left edge at its right edge, top at its top.
    const QRect itemRect = buttonList_->visualItemRect(item);
    const QPoint corner = buttonList_->viewport()->mapTo(s_.window, itemRect.topRight() + QPoint(1, 0));
    std::vector<std::string> actions(kDpiActionTexts.begin(), kDpiActionTexts.end());
    // 60 pixels fit the texts in the fonts the list was drawn for; wider fonts widen it.
    QSize size(L::kDpiSubList.width, L::kDpiSubList.height);
    const QFontMetrics metrics(buttonList_->font());
    for (const std::string& action : actions)
        size.setWidth(std::max(size.width(), metrics.horizontalAdvance(toQString(action)) + 12));
    dpiSubList_ = makeList({corner, size}, actions);
    dpiSubList_->setMouseTracking(true);
    QObject::connect(dpiSubList_.get(), &QListWidget::itemEntered, dpiSubList_.get(),
                     [this](QListWidgetItem* entered) { dpiSubList_->setCurrentItem(entered); });
    QObject::connect(dpiSubList_.get(), &QListWidget::itemClicked, dpiSubList_.get(),
                     [this](QListWidgetItem* chosen) { dpiItemChosen(dpiSubList_->row(chosen)); });
}

void BasicPage::buttonItemChosen(int box, int item) {
    buttons_->applyButtonChoice(box, item);
    if (buttons_->openList() == box) return;  // "DPI Switch" itself: the list stays open
    closeButtonLists();
    redraw([this](QPainter& p) { drawBoxes(p); });
}

void BasicPage::dpiItemChosen(int subItem) {
    buttons_->applyDpiAction(subItem);
    closeButtonLists();
    redraw([this](QPainter& p) { drawBoxes(p); });
}

void BasicPage::closeButtonLists() {
    dispose(dpiSubList_);
    dispose(buttonList_);
}

void BasicPage::toggleLightList(LightingEditor::Field field) {
    const bool wasOpen = lightList_ && lightListField_ == field;
    closeLightList();
    if (wasOpen) return;
    if (lighting_->choosesWithoutList(field)) {
        lighting_->choose(field, 0);
        redraw([this](QPainter& p) { drawLighting(p); });
        return;
    }
    const std::vector<std::string> entries = lighting_->listEntries(field);
    if (entries.empty()) return;
    lightList_ = makeList(lightListPlace(L::lightValue(static_cast<int>(field)), entries), entries);
    lightList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lightListField_ = field;
    QObject::connect(lightList_.get(), &QListWidget::itemClicked, lightList_.get(),
                     [this, field](QListWidgetItem* item) { lightItemChosen(field, lightList_->row(item)); });
}

// The list hangs below its text where all its entries fit above the OK and Apply buttons,
// otherwise it stands above the text (the group sits at the window's bottom edge); it is as
// wide as its longest entry needs, and only a list taller than the room above scrolls.
QRect BasicPage::lightListPlace(const L::Rect& value, const std::vector<std::string>& entries) const {
    constexpr int kFrame = 2, kMargin = 8;
    const int wanted = static_cast<int>(entries.size()) * L::kListItemHeight + kFrame;
    const int below = std::min(s_.window->height() - kFrame, L::kOk.top - 1) - value.bottom;
    const int above = value.top - L::kTitleBarHeight;
    const int height = wanted <= below ? wanted : std::min(wanted, std::max(above, below));
    const int top = wanted <= below || above < below ? value.bottom : value.top - height;
    const QFontMetrics metrics(skin_ ? skin_->textFont : s_.window->font());
    int width = value.width();
    for (const std::string& entry : entries)
        width = std::max(width, metrics.horizontalAdvance(toQString(entry)) + kMargin + kFrame);
    if (height < wanted) width += s_.window->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return {value.left, top, width, height};
}

void BasicPage::lightItemChosen(LightingEditor::Field field, int entry) {
    lighting_->choose(field, entry);
    closeLightList();
    redraw([this](QPainter& p) { drawLighting(p); });
}

void BasicPage::closeLightList() {
    dispose(lightList_);
    lightListField_.reset();
}

// ---- hover ----

bool BasicPage::hoverChanges(int x, int y) const {
    if (!buttons_) return false;
    return boxAt(x, y) != hoveredBox_ || defaultButton_.needsRedraw(x, y);
}

QRect BasicPage::hover(int x, int y, QPainter& painter, ui::SkinState& skin) {
    QRect changed = defaultButton_.track(x, y, painter, skin);
    const std::optional<int> box = boxAt(x, y);
    if (box == hoveredBox_) return changed;
    const std::optional<int> previous = hoveredBox_;
    hoveredBox_ = box;
    for (const std::optional<int>& k : {previous, box}) {
        if (!k) continue;
        drawBox(painter, *k);
        changed |= toQRect(L::buttonBox(*k));
    }
    return changed;
}

// ---- drawing ----

void BasicPage::redraw(const std::function<void(QPainter&)>& draw) {
    if (s_.paint) s_.paint(draw);
}

void BasicPage::restoreArt(QPainter& p, const QRect& area) {
    const QImage* art = skin_->cache.get(skin_->folder / "BasicSet2.png");
    if (!art) return;
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(area.topLeft(), *art, area);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void BasicPage::drawCaptions(QPainter& p) {
    p.setFont(skin_->textFont);
    p.setPen(skin_->textColor);
    const auto left = [&p](const L::Rect& r, const QString& s) {
        p.drawText(toQRect(r), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, s);
    };
    left(L::kKeyGroupCaption, text(TextRow::KeySetting));
    left(L::kReportRateCaption, text(TextRow::ReportRateSetting));
    left(L::kDpiGroupCaption, text(TextRow::DpiSetting));
    left(L::kLightGroupCaption, text(TextRow::DpiEffect));
    // "Select" and "Color" are the same words in every language.
    left(L::kDpiSelectLabel, QStringLiteral("Select"));
    left(L::kDpiColorLabel, QStringLiteral("Color"));
    const TextRow lightLabels[] = {TextRow::LightMode, TextRow::LightParameter, TextRow::LightEffect};
    for (int row = 0; row < L::kLightRows; ++row) left(L::lightLabel(row), text(lightLabels[row]));
}

void BasicPage::drawBox(QPainter& p, int box) {
    const L::Rect r = L::buttonBox(box);
    restoreArt(p, toQRect(r));
    DrawSkinImage(p, *skin_, hoveredBox_ == box ? "/DropdownBox-over.png" : "/DropdownBox-normal.png", r.left, r.top);
    p.setFont(skin_->textFont);
    p.setPen(skin_->textColor);
    p.drawText(QRect(r.left, r.top, L::kBoxNumberWidth, r.height()), Qt::AlignCenter, QString::number(box + 1));
    const QRect captionRect(r.left + L::kBoxNumberWidth + 4, r.top,
                            r.width() - L::kBoxNumberWidth - 4 - L::kBoxArrowWidth, r.height());
    const QString caption = toQString(buttons_->caption(box));
    const QString fitted = QFontMetrics(skin_->textFont).elidedText(caption, Qt::ElideRight, captionRect.width());
    p.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, fitted);
}

void BasicPage::drawBoxes(QPainter& p) {
    for (int k = 0; k < kButtonBoxes; ++k) drawBox(p, k);
}

void BasicPage::drawModeButtons(QPainter& p) {
    const L::Rect places[2] = {L::kModeA, L::kModeB};
    for (int mode = 0; mode < 2; ++mode) {
        const L::Rect r = places[mode];
        restoreArt(p, toQRect(r));
        DrawSkinImage(p, *skin_, buttons_->keyMode() == mode ? "/button-over.png" : "/button-normal.png", r.left,
                      r.top);
        ui::drawCaption(p, clientRect(r), QString::fromLatin1(kModeNames[mode]), skin_->textFont, skin_->textColor);
    }
}

void BasicPage::drawReportRate(QPainter& p) {
    const int lit = dpi_->reportRatePosition();
    for (int i = 0; i < L::kReportRateStops; ++i) {
        const L::Rect stop = L::reportRateStop(i);
        restoreArt(p, toQRect(stop));
        DrawSkinImage(p, *skin_, lit == i + 1 ? "/slider-RP-light.png" : "/slider-RP-dark.png", stop.left, stop.top);
        restoreArt(p, toQRect(L::reportRateLabel(i)));
        ui::drawCaption(p, clientRect(L::reportRateLabel(i)),
                        toQString(kReportRates[static_cast<std::size_t>(i)].label), skin_->textFont, skin_->textColor);
    }
}

void BasicPage::drawStage(QPainter& p, int stage) {
    const int left = L::dpiStageLeft(stage);
    restoreArt(p, QRect(left, L::dpiTickLabel(stage, L::kDpiMaxTicks).top, L::dpiSwatch(stage).right - left,
                        L::dpiSwatch(stage).bottom - L::dpiTickLabel(stage, L::kDpiMaxTicks).top));
    const auto labels = dpi_->tickLabels();
    const int lit = dpi_->litTicks(stage);
    p.setFont(skin_->textFont);
    for (int t = 1; t <= dpi_->tickCount(); ++t) {
        const L::Rect tick = L::dpiTick(stage, t);
        DrawSkinImage(p, *skin_, t <= lit ? "/slider-DPI-light.png" : "/slider-DPI-dark.png", tick.left, tick.top);
        p.setPen(skin_->textColor);
        p.drawText(toQRect(L::dpiTickLabel(stage, t)), Qt::AlignRight | Qt::AlignVCenter,
                   toQString(labels[static_cast<std::size_t>(t - 1)]));
    }
    const L::Rect box = L::dpiStageBox(stage);
    ui::drawTickBox(p, *skin_, clientRect(box), dpi_->stageOn(stage));
    ui::drawCaption(p, clientRect(L::dpiStageNumber(stage)), QString::number(stage + 1), skin_->textFont,
                    skin_->textColor);
    const platform::Rgb c = dpi_->color(stage);
    p.fillRect(toQRect(L::dpiSwatch(stage)), QColor(c.red, c.green, c.blue));
}

void BasicPage::drawLighting(QPainter& p) {
    for (int row = 0; row < L::kLightRows; ++row) {
        const QRect r = toQRect(L::lightValue(row));
        p.fillRect(r, Qt::black);
        p.setFont(skin_->textFont);
        p.setPen(skin_->textColor);
        p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine,
                   toQString(lighting_->text(static_cast<LightingEditor::Field>(row))));
    }
}

}  // namespace tarvik
