// The single-key dialog: the last key pressed or released is the key a mouse button sends.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ui/qt/KeyCapture.h"
#include "ui/qt/SkinnedDialog.h"

class QLabel;

namespace tarvik {

class CSingleDialog : public ui::SkinnedDialog {
public:
    CSingleDialog(ui::DialogSkin setup, QWidget* owner = nullptr);
    ~CSingleDialog() override;

    // The name as it stands; after OK the key to store (it may be empty).
    const std::string& capturedName() const { return capturedName_; }
    // The captured name once OK was clicked; nothing after Cancel, close or Esc.
    std::optional<std::string> confirmedName() const;

private:
    bool onKey(const ui::KeyStroke& stroke);

    std::string capturedName_;
    std::unique_ptr<QLabel> nameDisplay_;
    std::unique_ptr<ui::KeyCapture> capture_;
};

// Keys a capture dialog keeps from its widgets once they are named: Enter and Esc must not
// close it, they are keys the user may want on a button.
bool closesDialog(const ui::KeyStroke& stroke);

}  // namespace tarvik
