// Renders every skinned dialog in English and Simplified Chinese to PNG files, for the
// screenshot script. Usage: tarvik_dialog_screenshots SKIN_FOLDER OUT_DIR
#include <QApplication>
#include <QLineEdit>

#include <linux/input-event-codes.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>

#include <unistd.h>

#include "buttons/qt/CComboDialog.h"
#include "buttons/qt/CFireKeyDialog.h"
#include "buttons/qt/CSingleDialog.h"
#include "buttons/qt/ChoiceDialogs.h"
#include "dialogs/DialogFixture.h"
#include "macros/qt/CDelayTimeDialog.h"
#include "macros/qt/CMacroDialog.h"
#include "ui/Fonts.h"

namespace {

using namespace tarvik;

struct Shot {
    const char* name;
    std::function<std::unique_ptr<ui::SkinnedDialog>(ui::DialogSkin)> make;
    std::function<void(ui::SkinnedDialog&)> act;  // what a user would have done first
};

void key(QWidget& dialog, unsigned evdev, int qtKey) { test::tapKey(dialog, evdev, qtKey); }

std::vector<Shot> shots(const std::filesystem::path& store) {
    return {
        {"single-key", [](ui::DialogSkin s) { return std::make_unique<CSingleDialog>(s); },
         [](ui::SkinnedDialog& d) { key(d, KEY_RIGHTCTRL, Qt::Key_Control); }},
        {"combo-key", [](ui::DialogSkin s) { return std::make_unique<CComboDialog>(s); },
         [](ui::SkinnedDialog& d) {
             auto& combo = static_cast<CComboDialog&>(d);
             combo.clickAt({60, 75});
             combo.clickAt({300, 120});  // closes the list again
             combo.keyField(0)->setFocus();
             key(d, KEY_A, Qt::Key_A);
         }},
        {"fire-key", [](ui::DialogSkin s) { return std::make_unique<CFireKeyDialog>(s); },
         [](ui::SkinnedDialog& d) {
             d.clickAt({60, 75});
         }},
        {"media-key", [](ui::DialogSkin s) { return std::make_unique<CMediaDialog>(s); },
         [](ui::SkinnedDialog& d) {
             d.clickAt({60, 135});
         }},
        {"windows-key", [](ui::DialogSkin s) { return std::make_unique<CWindowsDialog>(s); },
         [](ui::SkinnedDialog& d) {
             d.clickAt({60, 135});
         }},
        {"macro-key", [store](ui::DialogSkin s) { return std::make_unique<CMacroDialog>(s, store); },
         [](ui::SkinnedDialog& d) {
             d.clickAt({60, 135});
         }},
        {"delay-time", [](ui::DialogSkin s) { return std::make_unique<CDelayTimeDialog>(s); },
         [](ui::SkinnedDialog& d) { static_cast<CDelayTimeDialog&>(d).field()->setText("150"); }},
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: tarvik_dialog_screenshots SKIN_FOLDER OUT_DIR\n";
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const std::filesystem::path out = argv[2];
    std::filesystem::create_directories(out);
    // The macro dialog lists the macros of a small store kept outside the picture folder.
    const auto store =
        std::filesystem::temp_directory_path() / ("tarvik-dialog-shots-" + std::to_string(::getpid()) + ".ini");
    std::ofstream(store) << "[Burst]\nItemCount=0\n[Reload]\nItemCount=0\n[Spray]\nItemCount=0\n";
    ui::SkinState skin;
    skin.folder = argv[1];
    platform::FakeMessageBox messages;
    int failures = 0;
    for (const auto& [language, tag] : {std::pair{LanguageId::EN, "en"}, std::pair{LanguageId::CHS, "chs"}}) {
        for (const Shot& shot : shots(store)) {
            auto dialog = shot.make({skin, language, messages});
            test::showActive(*dialog);
            shot.act(*dialog);
            dialog->hoverAt({218, 263});  // OK in its hover state
            QCoreApplication::processEvents();
            const auto file = out / (std::string("dialog-") + shot.name + "-" + tag + ".png");
            const bool ok = dialog->grab().save(QString::fromStdString(file.string()));
            std::cout << (ok ? "wrote " : "could not write ") << file.string() << '\n';
            failures += ok ? 0 : 1;
        }
    }
    std::filesystem::remove(store);
    for (const auto& [text, caption] : messages.shown) std::cerr << caption << ": " << text << '\n';
    return failures == 0 && messages.shown.empty() ? 0 : 1;
}
