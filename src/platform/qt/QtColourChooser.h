// The system colour chooser through QColorDialog.
#pragma once

#include "platform/ColourChooser.h"

class QWidget;

namespace tarvik::platform {

class QtColourChooser : public ColourChooser {
public:
    explicit QtColourChooser(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    std::optional<Rgb> choose(Rgb initial) override;

private:
    QWidget* owner_;
};

}  // namespace tarvik::platform
