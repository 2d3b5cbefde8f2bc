// The delay prompt of the event list: CDelayTimeDialog run modally, its answer handed to the
// macro editor, which applies the 20-10000 ms range.
#pragma once

#include <functional>

#include "macros/MacroEditor.h"
#include "platform/MessageBox.h"
#include "ui/Language.h"
#include "ui/qt/SkinCanvas.h"

class QWidget;

namespace tarvik {

class CDelayTimeDialog;

// Runs the dialog until it closes; the default is its modal loop.
using RunDelayDialog = std::function<void(CDelayTimeDialog& dialog)>;

// Each call opens a new dialog in the language of that moment, owned by `owner`.
AskDelay delayDialogPrompt(ui::SkinState& skin, std::function<LanguageId()> language, platform::MessageBox& messages,
                           QWidget* owner, RunDelayDialog run = {});

}  // namespace tarvik
