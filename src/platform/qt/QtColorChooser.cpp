// QColorDialog, modal, starting from the current color.
#include "platform/qt/QtColorChooser.h"

#include <QColorDialog>

namespace tarvik::platform {

std::optional<Rgb> QtColorChooser::choose(Rgb initial) {
    const QColor chosen = QColorDialog::getColor(QColor(initial.red, initial.green, initial.blue), owner_);
    if (!chosen.isValid()) return std::nullopt;
    return Rgb{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
               static_cast<std::uint8_t>(chosen.blue())};
}

}  // namespace tarvik::platform
