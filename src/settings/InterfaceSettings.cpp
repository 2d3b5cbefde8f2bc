// Reading and writing the interface settings of "str.ini".
#include "settings/InterfaceSettings.h"

#include "base/ProfileFile.h"
#include "ui/TextCatalogue.h"

namespace tarvik {
namespace {

constexpr std::string_view kSkins = "Skins";

void readCaptions(const ProfileDocument& document, std::string_view section, Captions& captions) {
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        captions.modeA[b] = document.value(section, captionKey(0, b));
    }
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        captions.modeB[b] = document.value(section, captionKey(1, b));
    }
}

}  // namespace

std::string captionKey(int mode, std::size_t button) {
    return "Item" + std::to_string(button + 1) + (mode == 0 ? "" : "3");
}

std::uint8_t colorComponentFromText(std::string_view text) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(leadingInteger(text)) & 0xFFU);
}

UiTextColor uiTextColorFrom(const InterfaceSettings& settings) {
    return {colorComponentFromText(settings.redText), colorComponentFromText(settings.greenText),
            colorComponentFromText(settings.blueText)};
}

InterfaceSettings LoadInterfaceSettings(const std::filesystem::path& strIni, std::string_view captionSection) {
    ProfileDocument document;
    InterfaceSettings settings;
    if (readProfileFile(strIni, document)) {
        return settings;  // an unreadable file reads as an empty one
    }
    readCaptions(document, captionSection, settings.captions);
    settings.redText = document.value(kSkins, "RColor");
    settings.greenText = document.value(kSkins, "GColor");
    settings.blueText = document.value(kSkins, "BColor");
    settings.skinName = document.value(kSkins, "Path");
    return settings;
}

std::error_code SaveCaptions(const std::filesystem::path& strIni, std::string_view captionSection,
                             const Captions& captions) {
    return editProfileFile(strIni, [&](ProfileDocument& document) {
        for (std::size_t b = 0; b < kButtonCount; ++b) {
            document.setValue(captionSection, captionKey(0, b), captions.modeA[b]);
        }
        for (std::size_t b = 0; b < kButtonCount; ++b) {
            document.setValue(captionSection, captionKey(1, b), captions.modeB[b]);
        }
    });
}

std::error_code SaveSkinSettings(const std::filesystem::path& strIni, const SkinSettings& skin) {
    return editProfileFile(strIni, [&](ProfileDocument& document) {
        document.setValue(kSkins, "RColor", std::to_string(skin.color.red));
        document.setValue(kSkins, "GColor", std::to_string(skin.color.green));
        document.setValue(kSkins, "BColor", std::to_string(skin.color.blue));
        document.setValue(kSkins, "Path", skin.skinName);
    });
}

Captions defaultCaptions(const TextCatalogue& catalogue) {
    const CaptionSet set = {
        std::string(catalogue.text(TextRow::LeftClick)), std::string(catalogue.text(TextRow::RightClick)),
        std::string(catalogue.text(TextRow::MidClick)),  std::string(catalogue.text(TextRow::Forward)),
        std::string(catalogue.text(TextRow::Backward)),  std::string("DPI Loop"),
        std::string(catalogue.text(TextRow::FireKey)),   std::string(catalogue.text(TextRow::KeyOff)),
        std::string(catalogue.text(TextRow::KeyOff)),    std::string(catalogue.text(TextRow::KeyOff)),
        std::string(catalogue.text(TextRow::KeyOff)),    std::string(catalogue.text(TextRow::KeyOff)),
    };
    return {set, set};
}

}  // namespace tarvik
