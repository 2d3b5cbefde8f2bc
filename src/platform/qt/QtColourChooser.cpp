// QColorDialog, modal, starting from the current colour.
#include "platform/qt/QtColourChooser.h"

#include <QColorDialog>

namespace tarvik::platform {

std::optional<Rgb> QtColourChooser::choose(Rgb initial) {
    const QColor chosen = QColorDialog::getColor(QColor(initial.red, initial.green, initial.blue), owner_);
    if (!chosen.isValid()) return std::nullopt;
    return Rgb{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
               static_cast<std::uint8_t>(chosen.blue())};
}

}  // namespace tarvik::platform
