// The system color chooser through QColorDialog.
#pragma once

#include "platform/ColorChooser.h"

class QWidget;

namespace tarvik::platform {

class QtColorChooser : public ColorChooser {
public:
    explicit QtColorChooser(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    std::optional<Rgb> choose(Rgb initial) override;

private:
    QWidget* owner_;
};

}  // namespace tarvik::platform
