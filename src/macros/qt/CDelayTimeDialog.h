// The delay dialog: a pause in milliseconds for a delay line of the event list. The caller
// applies the range; the dialog returns what was typed.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ui/qt/SkinnedDialog.h"

class QLineEdit;

namespace tarvik {

struct DelayEntry {
    int delayValue = 0;     // the decimal value of the text, 0 until something is typed
    std::string delayText;  // the text as typed ("0150")
};

class CDelayTimeDialog : public ui::SkinnedDialog {
public:
    CDelayTimeDialog(ui::DialogSkin setup, QWidget* owner = nullptr);
    ~CDelayTimeDialog() override;

    const DelayEntry& entry() const { return entry_; }
    // The entry once OK was clicked; nothing after Cancel or close.
    std::optional<DelayEntry> confirmedEntry() const;
    QLineEdit* field() const { return field_.get(); }

private:
    DelayEntry entry_;
    std::unique_ptr<QLineEdit> field_;
};

}  // namespace tarvik
