// A small on-disk skin of solid-color images for the dialog tests, and key events sent the
// way the window system sends them: to the dialog's window, with the key's native keycode.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/fake/FakeMessageBox.h"
#include "support/qt/QtTestApp.h"
#include "ui/qt/SkinnedDialog.h"

namespace tarvik::test {

inline const QColor kBackground{30, 60, 90}, kNormal{200, 0, 0}, kOver{0, 0, 200}, kPane{0, 120, 0}, kTick{250, 250, 0};

inline void writeImage(const std::filesystem::path& file, int w, int h, QColor color) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(color);
    image.save(QString::fromStdString(file.string()));
}

inline const char* const kBackgrounds[] = {"single-key.png",  "combo-key.png", "fire-key.png",  "media-key.png",
                                           "windows-key.png", "macro-key.png", "delay-time.png"};

struct TempSkin {
    TempSkin() {
        static int counter = 0;
        folder = std::filesystem::temp_directory_path() /
                 ("tarvik-dialogs-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(folder);
        for (const char* name : kBackgrounds) writeImage(folder / name, 384, 286, kBackground);
        writeImage(folder / "button-normal.png", 105, 21, kNormal);
        writeImage(folder / "button-over.png", 105, 21, kOver);
        writeImage(folder / "button-close-normal.png", 18, 18, kNormal);
        writeImage(folder / "button-close-over.png", 18, 18, kOver);
        writeImage(folder / "Pane.png", 16, 16, kPane);
        writeImage(folder / "PaneMakingTick.png", 16, 16, kTick);
    }
    ~TempSkin() { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

class DialogTest : public ::testing::Test {
protected:
    DialogTest() {
        qtApp();
        skin.folder = files.folder;
    }
    ui::DialogSkin setup(LanguageId language = LanguageId::EN) { return {skin, language, messages}; }

    TempSkin files;
    ui::SkinState skin;
    platform::FakeMessageBox messages;
};

// Shows the dialog and makes it the active window, so focus changes happen as on a desktop.
inline void showActive(QWidget& dialog) {
    dialog.show();
    dialog.activateWindow();
    QCoreApplication::processEvents();
}

// A key event as the window system delivers it: first to the top-level window.
inline void sendKey(QWidget& window, QEvent::Type type, unsigned evdev, int qtKey, bool autoRepeat = false,
                    const QString& text = {}) {
    QKeyEvent event(type, qtKey, Qt::NoModifier, evdev + 8, 0, 0, text, autoRepeat);
    QCoreApplication::sendEvent(window.windowHandle(), &event);
}
inline void tapKey(QWidget& window, unsigned evdev, int qtKey, const QString& text = {}) {
    sendKey(window, QEvent::KeyPress, evdev, qtKey, false, text);
    sendKey(window, QEvent::KeyRelease, evdev, qtKey, false, text);
}

// Counts the key events that reach one widget.
class KeySpy : public QObject {
public:
    explicit KeySpy(QObject* target) { target->installEventFilter(this); }
    int keys = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) ++keys;
        return false;
    }
};

}  // namespace tarvik::test
