// tarvik_skinpreview: composes mock windows from a drawn skin (page art plus buttons, boxes, sliders and
// sample captions at their layout positions) so the art can be checked by eye.
// Usage: tarvik_skinpreview <skin folder> <output folder> [red green blue]
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "ui/SkinLayout.h"

namespace {

namespace L = tarvik::layout;

struct Mock {
    QString skin;
    QPainter& p;
    QColor text;

    void image(const char* file, int x, int y) { p.drawImage(x, y, QImage(skin + "/" + file)); }
    void image(const char* file, const L::Rect& r) { image(file, r.left, r.top); }
    void label(const L::Rect& r, const QString& s, int flags = Qt::AlignCenter, QColor c = {}) {
        p.setPen(c.isValid() ? c : text);
        p.drawText(QRect(r.left, r.top, r.width(), r.height()), flags, s);
    }
    void button(const L::Rect& r, const QString& caption, bool over = false) {
        image(over ? "button-over.png" : "button-normal.png", r);
        label(r, caption);
    }
    void well(const L::Rect& r, const QColor& fill, const QString& s) {
        p.fillRect(QRect(r.left, r.top, r.width(), r.height()), fill);
        label(r, s);
    }
};

void frame(Mock& m, const QString& title) {
    m.image("button-Skins-normal.png", L::kSkins);
    m.image("button-min-over.png", L::kHide);
    m.image("button-close-normal.png", L::kExit);
    m.image("button-PrePage-normal.png", L::kBasicTab);
    m.image("button-NextPage-over.png", L::kAdvancedTab);
    QFont titleFont("DejaVu Sans");
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    m.p.setFont(titleFont);
    m.label(L::kPageTitle, title, Qt::AlignLeft | Qt::AlignVCenter);
    QFont f("DejaVu Sans");
    f.setPixelSize(12);
    m.p.setFont(f);
    m.button(L::kOk, "OK");
    m.button(L::kApply, "Apply", true);
    m.button(L::kCancel, "Cancel");
    m.label(L::kWebLinkText, "www.example.com", Qt::AlignLeft | Qt::AlignVCenter);
}

void basic(Mock& m) {
    m.image("BasicSet2.png", 0, 0);
    frame(m, "Basic Settings");
    const char* captions[] = {"Left Click", "Right Click", "Mid Click",        "Forward",
                              "Backward",   "DPI Loop",    "Fire Key-L-Button"};
    m.label(L::kKeyGroupCaption, "Key Setting", Qt::AlignLeft | Qt::AlignVCenter);
    for (int k = 0; k < L::kButtonBoxCount; ++k) {
        const L::Rect b = L::buttonBox(k);
        m.image(k == 2 ? "DropdownBox-over.png" : "DropdownBox-normal.png", b);
        m.label({b.left, b.top, b.left + 20, b.bottom}, QString::number(k + 1));
        m.label({b.left + 24, b.top, b.right, b.bottom}, captions[k], Qt::AlignLeft | Qt::AlignVCenter);
    }
    m.button(L::kModeA, "Mode A", true);
    m.button(L::kModeB, "Mode B");
    m.button(L::kButtonDefault, "Default");
    m.label(L::kReportRateCaption, "Report Rate Setting", Qt::AlignLeft | Qt::AlignVCenter);
    const char* rates[] = {"125", "250", "500", "1000"};
    for (int i = 0; i < L::kReportRateStops; ++i) {
        m.image(i == 3 ? "slider-RP-light.png" : "slider-RP-dark.png", L::reportRateStop(i));
        m.label(L::reportRateLabel(i), rates[i]);
    }
    m.label(L::kDpiGroupCaption, "DPI Setting", Qt::AlignLeft | Qt::AlignVCenter);
    const char* dpi[] = {"250", "500", "750", "1000", "1250", "1500", "1750", "2000", "2500", "3000", "3500", "4000"};
    const int levels[] = {1, 3, 6, 11};
    const QColor swatches[] = {Qt::red, Qt::green, Qt::blue, Qt::magenta};
    for (int s = 0; s < L::kDpiStages; ++s) {
        const bool on = s != 2;
        for (int t = 1; t <= L::kDpiMaxTicks; ++t) {
            m.image(on && t <= levels[s] + 1 ? "slider-DPI-light.png" : "slider-DPI-dark.png", L::dpiTick(s, t));
            m.label(L::dpiTickLabel(s, t), dpi[t - 1], Qt::AlignRight | Qt::AlignVCenter);
        }
        m.image(on ? "PaneMakingTick.png" : "Pane.png", L::dpiStageBox(s));
        m.label(L::dpiStageNumber(s), QString::number(s + 1));
        m.well(L::dpiSwatch(s), swatches[s], "");
    }
    m.label(L::kDpiSelectLabel, "Select", Qt::AlignLeft | Qt::AlignVCenter);
    m.label(L::kDpiColorLabel, "Color", Qt::AlignLeft | Qt::AlignVCenter);
    m.label(L::kLightGroupCaption, "DPI Effect", Qt::AlignLeft | Qt::AlignVCenter);
    const char* rows[][2] = {{"Mode", "Neon"}, {"Parameter", "2.5S"}, {"Effect", "RGB Flash"}};
    for (int r = 0; r < L::kLightRows; ++r) {
        m.label(L::lightLabel(r), rows[r][0], Qt::AlignLeft | Qt::AlignVCenter);
        m.well(L::lightValue(r), Qt::black, rows[r][1]);
    }
}

void advanced(Mock& m) {
    m.image("AdvancedSet2.png", 0, 0);
    frame(m, "Advanced Settings");
    const char* names[] = {"Mouse Speed", "Scrolling Speed", "Double-Click Speed"};
    const int values[] = {6, 3, 11};
    for (int i = 0; i < L::kPointerSliders; ++i) {
        m.label(L::pointerSliderCaption(i), names[i], Qt::AlignLeft | Qt::AlignVCenter);
        for (int k = 0; k < L::kSliderSegments; ++k) {
            m.image(k < values[i] ? "slider-light.png" : "slider-dark.png", L::sliderSegment(i, k));
            m.label(L::sliderNumber(i, k), QString::number(k + 1));
        }
    }
    m.image("PaneMakingTick.png", L::pointerBox(0));
    m.label(L::pointerBoxLabel(0), "Enhance Pointer Precision", Qt::AlignLeft | Qt::AlignVCenter);
    m.image("Pane.png", L::pointerBox(1));
    m.label(L::pointerBoxLabel(1), "Scroll One Screen", Qt::AlignLeft | Qt::AlignVCenter);
    m.button(L::kPointerDefault, "Default");
    m.label(L::kMacroCaption, "Macro Setting");
    m.label(L::kMacroListHeading, "Select Macro");
    m.label(L::kEventListHeading, "Key Press Sequence");
    m.label(L::kRecordHeading, "Record Option");
    m.well(L::kMacroList, QColor(14, 15, 14), "");
    m.label({466, 222, 590, 238}, "Macro1", Qt::AlignLeft | Qt::AlignVCenter);
    m.well(L::kEventList, QColor(14, 15, 14), "");
    m.label({596, 222, 724, 238}, "A Down", Qt::AlignLeft | Qt::AlignVCenter);
    m.label({765, 227, 874, 260}, "Start Recording", Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    m.label({765, 263, 874, 296}, "Stop Recording", Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    m.label({735, 302, 874, 322}, "Macro Name", Qt::AlignLeft | Qt::AlignVCenter);
    m.well(L::kMacroNameField, Qt::black, "Macro1");
    m.label({735, 342, 874, 362}, "Loop Times", Qt::AlignLeft | Qt::AlignVCenter);
    m.well(L::kLoopField, Qt::black, "1");
    m.label({735, 382, 874, 402}, "Insert A Mouse Event", Qt::AlignLeft | Qt::AlignVCenter);
    m.label({735, 402, 839, 416}, "Left Click");
    m.button(L::kMacroNew, "New");
    m.button(L::kMacroDelete, "Delete", true);
    m.button(L::kMacroConfirm, "Confirm");
}

void dialog(Mock& m, const char* background) {
    m.image(background, 0, 0);
    m.image("button-close-over.png", L::kDialogClose);
    m.button(L::kDialogOk, "OK", true);
    m.button(L::kDialogCancel, "Cancel");
}

bool compose(const QString& skin, const QString& out, const char* name, QSize size, const QColor& text,
             const std::function<void(Mock&)>& draw) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::magenta);  // anything the art leaves uncovered shows loudly
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f("DejaVu Sans");
    f.setPixelSize(12);
    p.setFont(f);
    Mock m{skin, p, text};
    draw(m);
    p.end();
    return img.save(QDir(out).filePath(name));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 6) {
        std::fprintf(stderr, "usage: %s <skin folder> <output folder> [red green blue]\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString skin = QString::fromLocal8Bit(argv[1]), out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    const QColor text =
        argc == 6 ? QColor(std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5])) : QColor(0, 255, 0);
    const QSize main(L::kMainWindow.width, L::kMainWindow.height), dlg(L::kDialog.width, L::kDialog.height);
    bool ok =
        compose(skin, out, "basic.png", main, text, basic) && compose(skin, out, "advanced.png", main, text, advanced);
    const char* dialogs[] = {"combo-key.png", "delay-time.png", "fire-key.png", "macro-key.png",
                             "media-key.png", "single-key.png", "skins.png",    "windows-key.png"};
    for (const char* d : dialogs) {
        ok = compose(skin, out, d, dlg, text, [d](Mock& m) { dialog(m, d); }) && ok;
    }
    return ok ? 0 : 1;
}
