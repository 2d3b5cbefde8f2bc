// The application event filter behind key capture.
#include "ui/qt/KeyCapture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

#include "buttons/KeyNames.h"

namespace tarvik::ui {

KeyStroke keyStrokeOf(const QKeyEvent& event) {
    const std::uint32_t keycode = event.nativeScanCode();
    return {keyNameFromKeycode(keycode), event.type() == QEvent::KeyPress, event.isAutoRepeat(), keycode,
            event.timestamp()};
}

KeyCapture::KeyCapture(Listener listener) : listener_(std::move(listener)) {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

KeyCapture::~KeyCapture() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool KeyCapture::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    // A key event from the window system reaches its top-level window first; Qt then hands
    // the same event to the focus widget and, unaccepted, to each of its parents, each time
    // through this filter again. Looking at the window's delivery only names every key once,
    // before any widget has seen it.
    if (!watched->isWindowType()) return false;
    return listener_ && listener_(keyStrokeOf(*static_cast<QKeyEvent*>(event)));
}

}  // namespace tarvik::ui
