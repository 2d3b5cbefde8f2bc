// The delay dialog as the macro editor's prompt.
#include "app/AdvancedDelayPrompt.h"

#include "macros/qt/CDelayTimeDialog.h"

namespace tarvik {

AskDelay delayDialogPrompt(ui::SkinState& skin, std::function<LanguageId()> language, platform::MessageBox& messages,
                           QWidget* owner, RunDelayDialog run) {
    return [&skin, language = std::move(language), &messages, owner,
            run = std::move(run)]() -> std::optional<EnteredDelay> {
        CDelayTimeDialog dialog({skin, language(), messages}, owner);
        if (run) run(dialog);
        else dialog.exec();
        const std::optional<DelayEntry> entry = dialog.confirmedEntry();
        if (!entry) return std::nullopt;
        return EnteredDelay{entry->delayValue, entry->delayText};
    };
}

}  // namespace tarvik
