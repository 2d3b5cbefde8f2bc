// Runs each parameter dialog modally and hands back what the user confirmed.
#include "app/SkinnedParameterDialogs.h"

#include "ui/qt/SkinnedDialog.h"

#include "buttons/qt/CComboDialog.h"
#include "buttons/qt/CFireKeyDialog.h"
#include "buttons/qt/CSingleDialog.h"
#include "buttons/qt/ChoiceDialogs.h"
#include "macros/qt/CMacroDialog.h"

namespace tarvik {

SkinnedParameterDialogs::SkinnedParameterDialogs(QWidget* owner, ui::SkinState& skin,
                                                 std::function<LanguageId()> language, platform::MessageBox& messages,
                                                 std::filesystem::path recordIni)
    : owner_(owner),
      skin_(skin),
      language_(std::move(language)),
      messages_(messages),
      recordIni_(std::move(recordIni)) {}

ui::DialogSkin SkinnedParameterDialogs::setup() { return {skin_, language_(), messages_}; }

std::optional<WindowsResult> SkinnedParameterDialogs::windows() {
    CWindowsDialog dialog(setup(), owner_);
    dialog.exec();
    const std::optional<ListChoice> c = dialog.confirmedChoice();
    if (!c) return std::nullopt;
    return WindowsResult{c->chosenIndex, c->chosenText};
}

std::optional<MediaResult> SkinnedParameterDialogs::multimedia() {
    CMediaDialog dialog(setup(), owner_);
    dialog.exec();
    const std::optional<ListChoice> c = dialog.confirmedChoice();
    if (!c) return std::nullopt;
    return MediaResult{c->chosenIndex, c->chosenText};
}

std::optional<FireKeyResult> SkinnedParameterDialogs::fireKey() {
    CFireKeyDialog dialog(setup(), owner_);
    dialog.exec();
    const std::optional<FireKeyChoice> c = dialog.confirmedChoice();
    if (!c) return std::nullopt;
    return FireKeyResult{c->chosenIndex, c->chosenText, c->fireSpeedValue, c->fireCountValue};
}

std::optional<SingleKeyResult> SkinnedParameterDialogs::singleKey() {
    CSingleDialog dialog(setup(), owner_);
    dialog.exec();
    const std::optional<std::string> name = dialog.confirmedName();
    if (!name) return std::nullopt;
    return SingleKeyResult{*name};
}

std::optional<ComboKeyResult> SkinnedParameterDialogs::comboKey() {
    CComboDialog dialog(setup(), owner_);
    dialog.exec();
    const std::optional<ComboKeys> keys = dialog.confirmedKeys();
    if (!keys) return std::nullopt;
    return ComboKeyResult{keys->modifierName, keys->key1Name, keys->key2Name};
}

std::optional<MacroResult> SkinnedParameterDialogs::macroKey() {
    CMacroDialog dialog(setup(), recordIni_, owner_);
    dialog.exec();
    const std::optional<MacroChoice> c = dialog.confirmedChoice();
    if (!c) return std::nullopt;
    return MacroResult{c->selectedMacro, static_cast<std::uint8_t>(c->repeatMode), c->selectedName};
}

}  // namespace tarvik
