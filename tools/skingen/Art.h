// The image families of a skin: one function per family, each returning the finished image.
#pragma once

#include <QImage>

#include "Palette.h"

namespace skingen {

enum class State { Normal, Over };
enum class FrameGlyph { Close, Hide, Skins };
enum class PageGlyph { Basic, Advanced };
enum class SliderKind { Pointer, Dpi, ReportRate };
enum class Page { None, Basic, Advanced };
enum class DialogKind { ComboKey, DelayTime, FireKey, MacroKey, MediaKey, SingleKey, Skins, WindowsKey };

QImage textButton(const Palette& pal, State s);
QImage frameButton(const Palette& pal, FrameGlyph g, State s);
QImage pageButton(const Palette& pal, PageGlyph g, State s);
QImage dropdownBox(const Palette& pal, State s);
QImage tickBox(const Palette& pal, bool ticked);
QImage sliderSegment(const Palette& pal, SliderKind k, bool lit);

// main.png (Page::None) and the two page images, which repeat the window frame under their content.
QImage mainWindow(const Palette& pal, Page page);
QImage dialogBackground(const Palette& pal, DialogKind kind);

QImage applicationIcon(const Palette& pal);

}  // namespace skingen
