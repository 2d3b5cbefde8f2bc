// The Advanced page: pointer sliders and boxes, the labels and buttons of both areas, and the
// dispatch of clicks to the pointer settings and the macro area.
#include "app/AdvancedPage.h"

#include "app/CPellorDlg.h"
#include "ui/SkinLayout.h"

namespace tarvik {
namespace {

namespace L = layout;

// Controls the desktop lacks are drawn faded into the page art and take no clicks.
constexpr qreal kUnavailableOpacity = 0.35;

constexpr int kSmallestLabelPixels = 9;

using ui::clientRect;
using ui::toQRect;
using ui::toQString;

// The text font, made smaller until the label fits its box on one line (English headings are
// wider than the art's columns at the usual size).
QFont fittedFont(const QFont& font, const QString& text, const L::Rect& box, int margin) {
    const QRect width(0, 0, box.width() - margin, QWIDGETSIZE_MAX);  // only the width limits a line
    return ui::fittedFont(font, width, text, Qt::TextSingleLine, kSmallestLabelPixels);
}

ui::SegmentedSlider pointerSlider(int i) {
    const L::Rect first = L::sliderSegment(i, 0);
    return {first.left,      first.top,           first.width(),     first.height(),
            L::kSliderPitch, "/slider-light.png", "/slider-dark.png"};
}

// The whole row of a slider: caption, segments and numbers.
QRect sliderRow(int i) {
    const L::Rect caption = L::pointerSliderCaption(i);
    return QRect(QPoint(caption.left, caption.top), QPoint(caption.right - 1, L::sliderNumber(i, 0).bottom - 1));
}

QRect boxRow(int i) { return toQRect(L::pointerBox(i)) | toQRect(L::pointerBoxLabel(i)); }

constexpr TextRow kSliderCaptions[L::kPointerSliders] = {TextRow::MouseSpeed, TextRow::ScrollingSpeed,
                                                         TextRow::DoubleClickSpeed};
constexpr TextRow kBoxLabels[2] = {TextRow::EnhancePointerPrecision, TextRow::ScrollOneScreen};

}  // namespace

AdvancedPage::AdvancedPage(AdvancedPageServices services)
    : s_(std::move(services)),
      macros_(s_.window, s_.recordIni, s_.record, s_.messages, catalogue_, s_.askDelay, s_.paint) {}

AdvancedPage::~AdvancedPage() = default;

void AdvancedPage::build(QPainter& painter, ui::SkinState& skin) {
    skin_ = &skin;
    catalogue_ = TextCatalogue(s_.data.language());
    // The desktop's values replace the record's once per process, on the first showing.
    if (!s_.pointer.pointerSettingsRead()) s_.pointer.readPointerSettings(s_.record);
    buttons_ = {};
    buttons_.add({clientRect(L::kPointerDefault), "/button-normal.png", "/button-over.png",
                  toQString(catalogue_.text(TextRow::DefaultPointer))});
    buttons_.add(
        {clientRect(L::kMacroNew), "/button-normal.png", "/button-over.png", toQString(catalogue_.text(TextRow::New))});
    buttons_.add({clientRect(L::kMacroDelete), "/button-normal.png", "/button-over.png",
                  toQString(catalogue_.text(TextRow::Delete))});
    buttons_.add({clientRect(L::kMacroConfirm), "/button-normal.png", "/button-over.png",
                  toQString(catalogue_.text(TextRow::Confirm))});
    drawPointerArea(painter);
    drawButtons(painter);
    macros_.build(painter, skin);
    built_ = true;
}

void AdvancedPage::destroyControls() { macros_.destroyControls(); }

// ---- clicks ----

bool AdvancedPage::click(int x, int y) {
    if (!built_) return false;
    if (macros_.click(x, y)) return true;
    return clickPointer(x, y);
}

bool AdvancedPage::clickPointer(int x, int y) {
    for (int i = 0; i < L::kPointerSliders; ++i) {
        const std::optional<int> value = pointerSlider(i).valueAt(x, y);
        if (!value) continue;
        if (!sliderAvailable(i)) return true;
        sliderField(i) = static_cast<Byte>(*value);
        redraw([this, i](QPainter& p) { drawSlider(p, i); });
        return true;
    }
    for (int i = 0; i < 2; ++i) {
        if (!L::pointerBox(i).contains(x, y)) continue;
        if (!boxAvailable(i)) return true;
        boxField(i) = boxField(i) ? 0 : 1;
        redraw([this, i](QPainter& p) { drawBox(p, i); });
        return true;
    }
    if (L::kPointerDefault.contains(x, y)) {
        s_.pointer.restorePointerDefaults(s_.record);
        redraw([this](QPainter& p) { drawPointerArea(p); });
        return true;
    }
    return false;
}

bool AdvancedPage::sliderAvailable(int slider) const {
    const platform::PointerControls c = s_.pointer.controls();
    switch (static_cast<Slider>(slider)) {
    case Slider::Speed: return c.pointerSpeed;
    case Slider::Wheel: return c.wheelScrollLines;
    case Slider::DoubleClick: return c.doubleClick;
    }
    return false;
}

bool AdvancedPage::boxAvailable(int box) const {
    const platform::PointerControls c = s_.pointer.controls();
    return static_cast<Box>(box) == Box::Precision ? c.enhancePointerPrecision : c.scrollOneScreen;
}

Byte& AdvancedPage::sliderField(int slider) {
    switch (static_cast<Slider>(slider)) {
    case Slider::Speed: return s_.record.pointerSpeedLevel;
    case Slider::Wheel: return s_.record.wheelScrollLines;
    case Slider::DoubleClick: break;
    }
    return s_.record.doubleClickLevel;
}

Byte& AdvancedPage::boxField(int box) {
    return static_cast<Box>(box) == Box::Precision ? s_.record.enhancePointerPrecision : s_.record.scrollOneScreen;
}

// ---- hover ----

bool AdvancedPage::hoverChanges(int x, int y) const { return built_ && buttons_.needsRedraw(x, y); }

QRect AdvancedPage::hover(int x, int y, QPainter& painter, ui::SkinState& skin) {
    return buttons_.track(x, y, painter, skin);
}

QString AdvancedPage::toolTipAt(int x, int y) const {
    if (!built_) return {};
    const auto unavailable = [this](TextRow caption) {
        return toQString(dialogText(DialogText::ControlUnavailable, catalogue_.language()))
            .arg(toQString(catalogue_.text(caption)));
    };
    for (int i = 0; i < L::kPointerSliders; ++i)
        if (!sliderAvailable(i) && sliderRow(i).contains(x, y)) return unavailable(kSliderCaptions[i]);
    for (int i = 0; i < 2; ++i)
        if (!boxAvailable(i) && boxRow(i).contains(x, y)) return unavailable(kBoxLabels[i]);
    return {};
}

// ---- drawing ----

void AdvancedPage::redraw(const std::function<void(QPainter&)>& draw) {
    if (s_.paint) s_.paint(draw);
}

void AdvancedPage::restoreArt(QPainter& p, const QRect& area) {
    const QImage* art = skin_->cache.get(skin_->folder / "AdvancedSet2.png");
    if (!art) return;
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(area.topLeft(), *art, area);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void AdvancedPage::drawSlider(QPainter& p, int slider) {
    restoreArt(p, sliderRow(slider));
    p.save();
    if (!sliderAvailable(slider)) p.setOpacity(kUnavailableOpacity);
    p.setFont(skin_->textFont);
    p.setPen(skin_->textColor);
    p.drawText(toQRect(L::pointerSliderCaption(slider)), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               toQString(catalogue_.text(kSliderCaptions[slider])));
    pointerSlider(slider).draw(p, *skin_, sliderField(slider));
    for (int k = 0; k < L::kSliderSegments; ++k)
        p.drawText(toQRect(L::sliderNumber(slider, k)), Qt::AlignCenter, QString::number(k + 1));
    p.restore();
}

void AdvancedPage::drawBox(QPainter& p, int box) {
    restoreArt(p, boxRow(box));
    p.save();
    if (!boxAvailable(box)) p.setOpacity(kUnavailableOpacity);
    ui::drawTickBox(p, *skin_, clientRect(L::pointerBox(box)), boxField(box) != 0);
    p.setFont(skin_->textFont);
    p.setPen(skin_->textColor);
    p.drawText(toQRect(L::pointerBoxLabel(box)), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               toQString(catalogue_.text(kBoxLabels[box])));
    p.restore();
}

void AdvancedPage::drawPointerArea(QPainter& p) {
    for (int i = 0; i < L::kPointerSliders; ++i) drawSlider(p, i);
    for (int i = 0; i < 2; ++i) drawBox(p, i);
}

void AdvancedPage::drawButtons(QPainter& p) {
    buttons_.drawAllNormal(p, *skin_);
    const QFont& font = skin_->textFont;
    const QColor& color = skin_->textColor;
    const auto centred = [&](const L::Rect& r, TextRow row) {
        const QString text = toQString(catalogue_.text(row));
        ui::drawCaption(p, clientRect(r), text, fittedFont(font, text, r, 4), color);
    };
    const auto wrapped = [&](const L::Rect& r, TextRow row) {
        ui::drawLabel(p, clientRect(r), toQString(catalogue_.text(row)), font, color);
    };
    const auto left = [&](const L::Rect& r, TextRow row) {
        const QString text = toQString(catalogue_.text(row));
        p.setFont(fittedFont(font, text, r, 2));
        p.setPen(color);
        p.drawText(toQRect(r), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    };
    centred(L::kMacroCaption, TextRow::MacroSetting);
    centred(L::kMacroListHeading, TextRow::SelectMacro);
    centred(L::kEventListHeading, TextRow::KeyPressSequence);
    centred(L::kRecordHeading, TextRow::RecordOption);
    wrapped(L::kStartRecordingLabel, TextRow::StartRecording);
    wrapped(L::kStopRecordingLabel, TextRow::StopRecording);
    left(L::kMacroNameLabel, TextRow::MacroName);
    left(L::kLoopTimesLabel, TextRow::LoopTimes);
    left(L::kMouseEventLabel, TextRow::InsertMouseEvent);
}

std::unique_ptr<AdvancedPage> makeAdvancedPage(CPellorDlg& window, ConfigRecord& record, const ShellData& data,
                                               platform::MessageBox& messages, PointerSettingsSync& pointer,
                                               std::filesystem::path recordIni, AskDelay askDelay) {
    return std::make_unique<AdvancedPage>(
        AdvancedPageServices{&window, record, data, messages, pointer, std::move(recordIni), std::move(askDelay),
                             [&window](const std::function<void(QPainter&)>& draw) { window.paintOnCanvas(draw); }});
}

}  // namespace tarvik
