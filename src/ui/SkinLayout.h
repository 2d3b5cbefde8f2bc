// Pixel geometry shared by the skin art and the windows that draw on it: every rectangle here is in
// client coordinates (left, top, right, bottom; right and bottom exclusive), Qt-free.
#pragma once

namespace tarvik::layout {

struct Rect {
    int left, top, right, bottom;
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
};

struct Size {
    int width, height;
};

// ---- Image sizes (the art is drawn at exactly these sizes) ----
inline constexpr Size kMainWindow{890, 660};  // main.png, BasicSet2.png, AdvancedSet2.png
inline constexpr Size kDialog{384, 286};      // the eight dialog backgrounds
inline constexpr Size kTextButton{105, 21};   // button-normal / button-over
inline constexpr Size kFrameButton{18, 18};   // close, min, Skins
inline constexpr Size kPageButton{40, 40};    // PrePage / NextPage
inline constexpr Size kDropdownBox{211, 21};
inline constexpr Size kTickBox{16, 16};         // Pane / PaneMakingTick
inline constexpr Size kSliderSegment{20, 12};   // slider-light / slider-dark, 24 px pitch
inline constexpr Size kDpiTick{24, 14};         // slider-DPI-light / dark, 18 px pitch
inline constexpr Size kReportRateStop{72, 16};  // slider-RP-light / dark

// ---- Main window frame ----
inline constexpr int kTitleBarHeight = 34;
inline constexpr int kFooterTop = 612;
inline constexpr Rect kPageTitle{112, 58, 472, 90};  // "Basic Settings" / "Advanced Settings", left, title font
inline constexpr Rect kTitleNote{140, 5, 690, 27};   // free title-bar strip: the window title when it says more

inline constexpr Rect kOk{562, 623, 667, 644};
inline constexpr Rect kApply{666, 623, 771, 644};
inline constexpr Rect kCancel{770, 623, 875, 644};
inline constexpr Rect kSkins{701, 5, 719, 23};
inline constexpr Rect kHide{825, 5, 843, 23};
inline constexpr Rect kExit{850, 5, 868, 23};
inline constexpr Rect kBasicTab{14, 54, 54, 94};
inline constexpr Rect kAdvancedTab{60, 54, 100, 94};
inline constexpr Rect kWebLink{261, 626, 453, 646};
inline constexpr Rect kWebLinkText{283, 626, 453, 646};  // the address, left of it the art's globe

// ---- Basic page: key setting (left and middle) ----
inline constexpr Rect kKeyGroup{12, 104, 472, 606};
inline constexpr Rect kKeyGroupCaption{28, 108, 300, 130};  // "Key Setting"
inline constexpr Rect kMouseArt{20, 136, 240, 600};
// The note that stands where the page would while the mouse cannot be used; its body starts
// this far below the heading.
inline constexpr Rect kNoteBox{60, kKeyGroup.top + 40, kMainWindow.width - 60, kFooterTop - 40};
inline constexpr int kNoteBodyGap = 24;

inline constexpr int kButtonBoxCount = 7;
constexpr Rect buttonBox(int k) { return {252, 199 + 23 * k, 463, 220 + 23 * k}; }
inline constexpr int kBoxNumberWidth = 20;  // the number at the box's left end
inline constexpr int kBoxArrowWidth = 22;   // the drop-down arrow at the box's right end
// The list of boxes 0-5 hangs below its box; the one of box 6 would run into the footer, so it
// stands to the right of the boxes.
constexpr Rect buttonList(int k) {
    return k < kButtonBoxCount - 1 ? Rect{252, 221 + 23 * k, 463, 491 + 23 * k} : Rect{463, 100, 674, 370};
}
inline constexpr int kListItemHeight = 16;  // sixteen items fill a button list without scrolling
inline constexpr Size kDpiSubList{60, 80};  // beside "DPI Switch"; wider fonts widen it
inline constexpr Rect kModeA{253, 518, 358, 539};
inline constexpr Rect kModeB{357, 518, 462, 539};
inline constexpr Rect kButtonDefault{307, 549, 412, 570};

struct Point {
    int x, y;
};

// Numbered badges on the mouse drawing (centre, radius 9) and the spot of the button each points at;
// index = user button 0..6, shown as "1".."7".
struct ButtonCallout {
    Point badge;
    Point target;
};
inline constexpr int kBadgeRadius = 9;
inline constexpr ButtonCallout kButtonCallouts[kButtonBoxCount] = {
    {{40, 200}, {100, 230}},   // 1 left button
    {{220, 200}, {160, 230}},  // 2 right button
    {{130, 156}, {130, 208}},  // 3 wheel
    {{30, 334}, {57, 334}},    // 4 forward (left flank, front)
    {{30, 378}, {56, 378}},    // 5 backward (left flank, rear)
    {{222, 278}, {137, 278}},  // 6 DPI button behind the wheel
    {{36, 262}, {78, 264}},    // 7 fire button beside the left button
};

// ---- Basic page: report rate (right column, top) ----
inline constexpr Rect kReportRateGroup{480, 104, 878, 176};
inline constexpr Rect kReportRateCaption{494, 108, 760, 128};  // "Report Rate Setting"
inline constexpr int kReportRateStops = 4;
constexpr Rect reportRateStop(int i) { return {510 + 92 * i, 152, 582 + 92 * i, 168}; }   // image + click
constexpr Rect reportRateLabel(int i) { return {510 + 92 * i, 132, 582 + 92 * i, 150}; }  // "125".."1000"

// ---- Basic page: DPI stages (right column, middle) ----
inline constexpr Rect kDpiGroup{480, 182, 878, 506};
inline constexpr Rect kDpiGroupCaption{494, 186, 760, 206};  // "DPI Setting"
inline constexpr int kDpiStages = 4;
inline constexpr int kDpiMaxTicks = 12;
inline constexpr int kDpiTickPitch = 18;
inline constexpr int kDpiTicksBottom = 444;                 // tick 1 ends 2 px above this line
constexpr int dpiStageLeft(int s) { return 566 + 78 * s; }  // stage 0..3
// Tick t (1..12, 1 at the bottom) of stage s: image rectangle, also its click region.
constexpr Rect dpiTick(int s, int t) {
    return {dpiStageLeft(s) + 42, kDpiTicksBottom - kDpiTickPitch * t + 2, dpiStageLeft(s) + 66,
            kDpiTicksBottom - kDpiTickPitch * t + 16};
}
constexpr Rect dpiTickLabel(int s, int t) {  // right-aligned DPI value left of its tick
    return {dpiStageLeft(s), kDpiTicksBottom - kDpiTickPitch * t, dpiStageLeft(s) + 38,
            kDpiTicksBottom - kDpiTickPitch * (t - 1)};
}
constexpr Rect dpiStageBox(int s) { return {dpiStageLeft(s) + 46, 452, dpiStageLeft(s) + 62, 468}; }
constexpr Rect dpiStageNumber(int s) { return {dpiStageLeft(s) + 40, 468, dpiStageLeft(s) + 68, 482}; }
constexpr Rect dpiSwatch(int s) { return {dpiStageLeft(s) + 36, 486, dpiStageLeft(s) + 72, 500}; }
inline constexpr Rect kDpiSelectLabel{492, 452, 562, 482};  // "Select"
inline constexpr Rect kDpiColorLabel{492, 484, 562, 502};   // "Color"

// ---- Basic page: lighting, "DPI Effect" (right column, bottom) ----
inline constexpr Rect kLightGroup{480, 512, 878, 606};
inline constexpr Rect kLightGroupCaption{494, 514, 760, 534};
inline constexpr int kLightRows = 3;  // Mode, Parameter, Effect
constexpr Rect lightLabel(int row) { return {494, 538 + 22 * row, 594, 556 + 22 * row}; }
constexpr Rect lightValue(int row) { return {600, 538 + 22 * row, 764, 556 + 22 * row}; }  // statics 80..82

// ---- Advanced page: pointer settings (left) ----
inline constexpr Rect kPointerGroup{12, 150, 444, 576};
inline constexpr int kPointerSliders = 3;  // Mouse Speed, Scrolling Speed, Double-Click Speed
inline constexpr int kSliderSegments = 11;
inline constexpr int kSliderPitch = 24;
constexpr int pointerSliderTop(int i) { return 168 + 80 * i; }
constexpr Rect pointerSliderCaption(int i) { return {36, pointerSliderTop(i), 420, pointerSliderTop(i) + 20}; }
constexpr Rect sliderSegment(int i, int k) {
    return {96 + kSliderPitch * k, pointerSliderTop(i) + 28, 116 + kSliderPitch * k, pointerSliderTop(i) + 40};
}
constexpr Rect sliderNumber(int i, int k) {  // "1".."11" under the segment
    return {94 + kSliderPitch * k, pointerSliderTop(i) + 44, 118 + kSliderPitch * k, pointerSliderTop(i) + 58};
}
constexpr Rect pointerBox(int i) { return {96, 424 + 36 * i, 112, 440 + 36 * i}; }  // 0 precision, 1 one screen
constexpr Rect pointerBoxLabel(int i) { return {120, 422 + 36 * i, 430, 442 + 36 * i}; }
inline constexpr Rect kPointerDefault{175, 528, 280, 549};

// ---- Advanced page: macro area (right) ----
inline constexpr Rect kMacroGroup{452, 150, 878, 576};
inline constexpr Rect kMacroCaption{469, 160, 578, 181};
inline constexpr Rect kMacroListHeading{457, 196, 592, 220};
inline constexpr Rect kEventListHeading{591, 196, 726, 220};
inline constexpr Rect kRecordHeading{725, 196, 875, 220};
inline constexpr Rect kMacroList{462, 220, 591, 512};
inline constexpr Rect kEventList{592, 220, 725, 512};
inline constexpr Rect kMacroNameField{735, 322, 799, 336};
inline constexpr Rect kLoopField{735, 362, 799, 376};
inline constexpr Rect kMouseEventHeader{735, 402, 854, 416};  // click region; the text box ends at 839
inline constexpr Rect kMouseEventHeaderText{735, 402, 839, 416};
inline constexpr Rect kMouseEventList{734, 419, 854, 569};  // below its header
// Labels of the record column: beside the two recording regions (word-wrapped) and above the
// fields and the mouse event header (left-aligned).
inline constexpr Rect kStartRecordingLabel{765, 227, 874, 260};
inline constexpr Rect kStopRecordingLabel{765, 263, 874, 296};
inline constexpr Rect kMacroNameLabel{735, 302, 874, 322};
inline constexpr Rect kLoopTimesLabel{735, 342, 874, 362};
inline constexpr Rect kMouseEventLabel{735, 382, 874, 402};
inline constexpr Rect kStartRecording{735, 229, 764, 258};
inline constexpr Rect kStopRecording{735, 265, 764, 294};
inline constexpr Rect kMacroNew{513, 528, 618, 549};
inline constexpr Rect kMacroDelete{617, 528, 722, 549};
inline constexpr Rect kMacroConfirm{721, 528, 826, 549};

// ---- Dialogs (all share the frame buttons) ----
inline constexpr int kDialogTitleHeight = 30;
inline constexpr Rect kDialogClose{352, 6, 370, 24};
inline constexpr Rect kDialogOk{166, 253, 271, 274};
inline constexpr Rect kDialogCancel{270, 253, 375, 274};

// Fields that each dialog's art frames (the controls themselves are drawn by the dialog).
inline constexpr Rect kSingleKeyName{73, 128, 151, 144};
inline constexpr Rect kSingleKeyPrompt{23, 108, 201, 124};
inline constexpr Rect kComboModifierBox{49, 69, 132, 85};
inline constexpr Rect kComboKey1{50, 120, 131, 134};
inline constexpr Rect kComboKey2{50, 170, 131, 184};
inline constexpr Rect kFireChooser{49, 69, 132, 85};
inline constexpr Rect kFireSpeed{50, 120, 131, 134};
inline constexpr Rect kFireCount{50, 170, 131, 184};
inline constexpr Rect kFireSpeedLabel{50, 100, 131, 118};  // "Speed"
inline constexpr Rect kFireCountLabel{50, 150, 131, 168};  // "Times"
inline constexpr Rect kFireNotes{160, 60, 372, 236};       // heading and the two notes, word-wrapped
inline constexpr Rect kChoiceBox{42, 128, 151, 144};       // media, Windows, macro and skins name boxes
inline constexpr Rect kMacroPrompt{-8, 112, 201, 128};
constexpr Rect macroRepeatBox(int i) { return {220, 78 + 50 * i, 236, 94 + 50 * i}; }
constexpr Rect macroRepeatText(int i) { return {237, 70 + 50 * i, 390, 102 + 50 * i}; }
inline constexpr Rect kDelayEntry{74, 129, 150, 143};
inline constexpr Rect kDelayPrompt{14, 89, 210, 109};
inline constexpr Rect kDelayRange{14, 109, 210, 129};
inline constexpr Rect kSkinsSwatch{42, 94, 151, 110};
inline constexpr Rect kSkinsPrompt{12, 64, 181, 94};
inline constexpr Rect kSkinsNameBox{42, 128, 136, 144};  // the name; its click region is kChoiceBox
inline constexpr Rect kSkinsList{42, 146, 151, 266};

}  // namespace tarvik::layout
