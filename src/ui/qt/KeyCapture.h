// Application-wide key capture: sees every key press and release of the program before the
// focused widget does, names the physical key and hands it to a listener that may swallow it.
#pragma once

#include <QObject>

#include <functional>

#include "ui/KeyStroke.h"

class QKeyEvent;

namespace tarvik::ui {

// The name a key event carries, from its native scan code.
KeyStroke keyStrokeOf(const QKeyEvent& event);

// Lives as long as its owner listens (a capture dialog while open, the macro recorder while
// recording), like a keyboard hook installed for that time. The listener returns true to
// swallow the event, so it never reaches its widget.
class KeyCapture : public QObject {
public:
    using Listener = std::function<bool(const KeyStroke&)>;
    explicit KeyCapture(Listener listener);
    ~KeyCapture() override;
    KeyCapture(const KeyCapture&) = delete;
    KeyCapture& operator=(const KeyCapture&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Listener listener_;
};

}  // namespace tarvik::ui
