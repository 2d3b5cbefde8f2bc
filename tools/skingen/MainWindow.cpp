// main.png and the two page images: the window frame (title bar, tab dock, footer) and each page's panels.
#include <QConicalGradient>
#include <QPainterPath>

#include "Art.h"
#include "MouseArt.h"
#include "Paint.h"

namespace skingen {
namespace {

namespace L = layout;

constexpr L::Rect kTabDock{8, 46, 106, 102};
constexpr L::Rect kFooterButtonBay{555, 617, 882, 650};
constexpr L::Rect kWebLinkPill{258, 623, 456, 649};
constexpr L::Rect kContent{0, 100, L::kMainWindow.width, L::kFooterTop};

void titleBar(QPainter& p, const Palette& pal) {
    const QRectF bar(0, 0, L::kMainWindow.width, L::kTitleBarHeight);
    fillVertical(p, bar, col(pal.titleTop), col(pal.titleBottom));
    fadeLine(p, 0, bar.width(), bar.bottom() - 1, col(pal.accent, 200));
    titleMark(p, 12, L::kTitleBarHeight, 15, pal);
    // A thin divider sets the Skins button apart from hide and exit.
    p.setPen(QPen(col(pal.panelEdge), 1));
    p.drawLine(QPointF(L::kSkins.right + 52.5, 8), QPointF(L::kSkins.right + 52.5, 20));
}

void tabDock(QPainter& p, const Palette& pal) {
    L::Rect dock = kTabDock;
    groupPanel(p, dock, pal);
    // Underline for the page title the program draws beside the tabs.
    fadeLine(p, L::kPageTitle.left - 4, L::kPageTitle.right + 120, L::kPageTitle.bottom + 2, col(pal.accent, 170));
}

void globe(QPainter& p, const QPointF& c, const Palette& pal) {
    p.setPen(QPen(col(pal.accent), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 6.5, 6.5);
    p.drawEllipse(c, 2.8, 6.5);
    p.drawLine(c + QPointF(-6.5, 0), c + QPointF(6.5, 0));
}

void footer(QPainter& p, const Palette& pal) {
    const QRectF f(0, L::kFooterTop, L::kMainWindow.width, L::kMainWindow.height - L::kFooterTop);
    fillVertical(p, f, col(pal.titleBottom), col(pal.bgBottom));
    fadeLine(p, 0, f.width(), f.top(), col(pal.accent, 160));
    fadeLine(p, 0, f.width(), f.top() + 1, col(pal.panelHighlight, 60));
    well(p, kFooterButtonBay, col(pal.bgBottom), pal);
    const QRectF pill = rectF(kWebLinkPill);
    fillVertical(p, pill, col(pal.panelTop), col(pal.panelBottom), pill.height() / 2);
    strokeRounded(p, pill, col(pal.panelEdge), pill.height() / 2);
    globe(p, QPointF(L::kWebLink.left + 11, (L::kWebLink.top + L::kWebLink.bottom) / 2.0), pal);
}

void frame(QPainter& p, const Palette& pal) {
    windowBody(p, QRectF(0, 0, L::kMainWindow.width, L::kMainWindow.height), pal);
    titleBar(p, pal);
    tabDock(p, pal);
    footer(p, pal);
    p.setPen(QPen(col(pal.panelEdge), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, L::kMainWindow.width - 1, L::kMainWindow.height - 1));
}

// Shown before any page is built (no mouse yet): a faint outline of the mouse in the empty body.
void watermark(QPainter& p, const Palette& pal) {
    const QRectF area = rectF(kContent);
    const QRectF m = mouseBounds();
    p.save();
    p.translate(area.center() - m.center());
    glow(p, m.center(), 200, col(pal.accent, 28));
    p.setOpacity(0.18);
    drawMouse(p, pal);
    p.restore();
}

// ---- Basic page ----

void keyGroup(QPainter& p, const Palette& pal) {
    groupPanel(p, L::kKeyGroup, pal, 28);
    drawMouse(p, pal);
    drawButtonCallouts(p, pal);
    // Backing for the seven drop-down boxes and the key-mode row below them.
    const L::Rect first = L::buttonBox(0), last = L::buttonBox(L::kButtonBoxCount - 1);
    well(p, {first.left - 3, first.top - 4, first.right + 3, last.bottom + 4}, col(pal.panelBottom), pal);
    fadeLine(p, L::kModeA.left, L::kModeB.right, L::kModeA.top - 10, col(pal.accent, 140));
    well(p, {L::kModeA.left - 3, L::kModeA.top - 3, L::kModeB.right + 3, L::kModeA.bottom + 3}, col(pal.panelBottom),
         pal);
}

void reportRateGroup(QPainter& p, const Palette& pal) {
    groupPanel(p, L::kReportRateGroup, pal, 24);
    // Groove joining the four stops.
    const L::Rect a = L::reportRateStop(0), b = L::reportRateStop(L::kReportRateStops - 1);
    const qreal y = (a.top + a.bottom) / 2.0;
    fillVertical(p, QRectF(a.left + 8, y - 2, b.right - a.left - 16, 4), col(pal.bgBottom), col(pal.segmentDark), 2);
}

void dpiGroup(QPainter& p, const Palette& pal) {
    groupPanel(p, L::kDpiGroup, pal, 24);
    for (int s = 0; s < L::kDpiStages; ++s) {
        const L::Rect top = L::dpiTick(s, L::kDpiMaxTicks), bottom = L::dpiTick(s, 1);
        // Recessed housing behind the ticks, with a faint rail through the middle.
        const QRectF housing(top.left - 4, top.top - 4, top.width() + 8, bottom.bottom - top.top + 8);
        fillVertical(p, housing, col(pal.bgBottom, 170), col(pal.panelBottom, 120), 5);
        strokeRounded(p, housing, col(pal.panelEdge), 5);
        const qreal cx = (top.left + top.right) / 2.0;
        p.setPen(QPen(col(pal.segmentDarkEdge), 1));
        p.drawLine(QPointF(cx, housing.top() + 3), QPointF(cx, housing.bottom() - 3));
        // Stage separators and frames for the on/off box and the color swatch.
        if (s > 0) {
            p.setPen(QPen(col(pal.panelEdge), 1));
            const qreal x = L::dpiStageLeft(s) - 4.5;
            p.drawLine(QPointF(x, top.top), QPointF(x, L::dpiSwatch(s).bottom));
        }
        well(p, L::dpiSwatch(s), col(pal.well), pal);
    }
    fadeLine(p, L::kDpiGroup.left, L::kDpiGroup.right, L::dpiStageBox(0).top - 5, col(pal.panelEdge));
}

void lightingGroup(QPainter& p, const Palette& pal) {
    groupPanel(p, L::kLightGroup, pal, 24);
    for (int row = 0; row < L::kLightRows; ++row) well(p, L::lightValue(row), col(pal.well), pal);
    // An RGB ring beside the rows hints at the lighting effects.
    const QPointF c(L::lightValue(0).right + 56, (L::lightValue(0).top + L::lightValue(2).bottom) / 2.0);
    QConicalGradient hue(c, 90);
    for (int i = 0; i <= 6; ++i) hue.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 200, 255));
    glow(p, c, 34, col(pal.accent, 50));
    p.setPen(QPen(QBrush(hue), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 20, 20);
    p.setPen(QPen(col(pal.panelEdge), 1));
    p.drawEllipse(c, 14, 14);
}

// ---- Advanced page ----

void pointerGroup(QPainter& p, const Palette& pal) {
    groupPanel(p, L::kPointerGroup, pal);
    for (int i = 0; i < L::kPointerSliders; ++i) {
        const L::Rect cap = L::pointerSliderCaption(i);
        fillVertical(p, QRectF(cap.left - 12, cap.top + 5, 4, cap.height() - 10), col(pal.accentBright),
                     col(pal.accent), 2);
        const L::Rect a = L::sliderSegment(i, 0), b = L::sliderSegment(i, L::kSliderSegments - 1);
        fillVertical(p, QRectF(a.left - 6, a.top - 4, b.right - a.left + 12, a.height() + 8), col(pal.bgBottom, 160),
                     col(pal.panelBottom, 120), (a.height() + 8) / 2.0);
        strokeRounded(p, QRectF(a.left - 6, a.top - 4, b.right - a.left + 12, a.height() + 8), col(pal.panelEdge),
                      (a.height() + 8) / 2.0);
        if (i + 1 < L::kPointerSliders)
            fadeLine(p, L::kPointerGroup.left, L::kPointerGroup.right, L::pointerSliderTop(i + 1) - 10,
                     col(pal.panelEdge));
    }
    fadeLine(p, L::kPointerGroup.left, L::kPointerGroup.right, L::pointerBox(0).top - 14, col(pal.accent, 120));
    fadeLine(p, L::kPointerGroup.left, L::kPointerGroup.right, L::kPointerDefault.top - 12, col(pal.panelEdge));
}

void recordGlyph(QPainter& p, const L::Rect& r, bool stop, const Palette& pal) {
    const QRectF b = rectF(r);
    fillVertical(p, b, col(pal.buttonTop), col(pal.buttonBottom), b.width() / 2);
    strokeRounded(p, b, col(pal.buttonEdge), b.width() / 2);
    const QPointF c = b.center();
    p.setPen(Qt::NoPen);
    if (stop) {
        p.setBrush(col(pal.glyph));
        p.drawRoundedRect(QRectF(c.x() - 5, c.y() - 5, 10, 10), 2, 2);
    } else {
        glow(p, c, 11, col(pal.danger, 120));
        p.setBrush(col(pal.danger));
        p.drawEllipse(c, 6, 6);
    }
}

void macroGroup(QPainter& p, const Palette& pal) {
    groupPanel(p, L::kMacroGroup, pal, L::kMacroCaption.bottom - L::kMacroGroup.top + 4);
    // Heading bar over the two lists and the record options.
    const QRectF heads(L::kMacroListHeading.left, L::kMacroListHeading.top,
                       L::kRecordHeading.right - L::kMacroListHeading.left, L::kMacroListHeading.height());
    fillVertical(p, heads, col(pal.headerFill), col(pal.panelBottom), 3);
    strokeRounded(p, heads, col(pal.panelEdge), 3);
    p.setPen(QPen(col(pal.panelEdge), 1));
    for (int x : {L::kEventListHeading.left, L::kRecordHeading.left})
        p.drawLine(QPointF(x + 0.5, heads.top() + 4), QPointF(x + 0.5, heads.bottom() - 4));
    fadeLine(p, heads.left(), heads.right(), heads.bottom() - 1, col(pal.accent, 150));
    // The list boxes paint themselves 0x0E0F0E; the frame and divider sit just outside them.
    well(p, {L::kMacroList.left, L::kMacroList.top, L::kEventList.right, L::kEventList.bottom}, QColor(14, 15, 14),
         pal);
    // Record options column.
    recordGlyph(p, L::kStartRecording, false, pal);
    recordGlyph(p, L::kStopRecording, true, pal);
    well(p, L::kMacroNameField, col(pal.well), pal);
    well(p, L::kLoopField, col(pal.well), pal);
    chooserWell(p, L::kMouseEventHeader, 15, col(pal.well), pal);
    fadeLine(p, L::kMacroGroup.left, L::kMacroGroup.right, L::kMacroNew.top - 12, col(pal.panelEdge));
}

// The tab images are drawn over the page in their normal state, so the page marks its own tab with a
// glowing bar just below it.
void activeTabMarker(QPainter& p, const L::Rect& tab, const Palette& pal) {
    const QRectF bar(tab.left + 6, tab.bottom + 2, tab.width() - 12, 3);
    glow(p, bar.center(), 16, col(pal.accent, 90));
    fillVertical(p, bar, col(pal.accentBright), col(pal.accent), 1.5);
}

}  // namespace

QImage mainWindow(const Palette& pal, Page page) {
    QImage img(L::kMainWindow.width, L::kMainWindow.height, QImage::Format_RGB32);
    QPainter p(&img);
    begin(p);
    frame(p, pal);
    switch (page) {
    case Page::None: watermark(p, pal); break;
    case Page::Basic:
        activeTabMarker(p, L::kBasicTab, pal);
        keyGroup(p, pal);
        reportRateGroup(p, pal);
        dpiGroup(p, pal);
        lightingGroup(p, pal);
        break;
    case Page::Advanced:
        activeTabMarker(p, L::kAdvancedTab, pal);
        pointerGroup(p, pal);
        macroGroup(p, pal);
        break;
    }
    return img;
}

}  // namespace skingen
