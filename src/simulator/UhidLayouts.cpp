// Report descriptors of the virtual mouse's interfaces, byte for byte as a device sends them.
#include "simulator/UhidLayouts.h"

namespace tarvik::simulator {
namespace {

// Vendor page 0xFF00: 8-byte feature, 32-byte input and output, no report ids.
constexpr std::uint8_t kCommandDescriptor[] = {
    0x06, 0x00, 0xFF,  // Usage Page (0xFF00)
    0x0A, 0x00, 0xFF,  // Usage (0xFF00)
    0xA1, 0x01,        // Collection (Application)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x08,        //   Report Count (8)
    0x09, 0x01,        //   Usage (1)
    0xB1, 0x02,        //   Feature (Data, Var, Abs)
    0x95, 0x20,        //   Report Count (32)
    0x09, 0x02,        //   Usage (2)
    0x81, 0x02,        //   Input (Data, Var, Abs)
    0x09, 0x03,        //   Usage (3)
    0x91, 0x02,        //   Output (Data, Var, Abs)
    0xC0,              // End Collection
};

// Vendor page 0xFF01: input report id 6 with four data bytes.
#define TARVIK_EVENT_COLLECTION                          \
    0x06, 0x01, 0xFF,     /* Usage Page (0xFF01) */      \
        0x0A, 0x01, 0xFF, /* Usage (0xFF01) */           \
        0xA1, 0x01,       /* Collection (Application) */ \
        0x85, 0x06,       /*   Report ID (6) */          \
        0x15, 0x00,       /*   Logical Minimum (0) */    \
        0x26, 0xFF, 0x00, /*   Logical Maximum (255) */  \
        0x75, 0x08,       /*   Report Size (8) */        \
        0x95, 0x04,       /*   Report Count (4) */       \
        0x09, 0x01,       /*   Usage (1) */              \
        0x81, 0x02,       /*   Input (Data, Var, Abs) */ \
        0xC0              /* End Collection */

constexpr std::uint8_t kEventDescriptor[] = {TARVIK_EVENT_COLLECTION};

// Three buttons and X, Y, wheel, without report ids: the boot protocol's layout.
constexpr std::uint8_t kBootMouseDescriptor[] = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01,              // Generic Desktop, Mouse, Application
    0x09, 0x01, 0xA1, 0x00,                          //   Pointer, Physical
    0x05, 0x09, 0x19, 0x01, 0x29, 0x03,              //     Buttons 1-3
    0x15, 0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01,  //     3 x 1 bit
    0x81, 0x02, 0x95, 0x01, 0x75, 0x05, 0x81, 0x03,  //     Input, 5 bits padding
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x09, 0x38,  //     X, Y, Wheel
    0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x03,  //     -127..127, 3 x 8 bits
    0x81, 0x06, 0xC0, 0xC0,                          //     Input (Relative); End, End
};

// Keyboard (id 1), consumer control (id 2), system control (id 3) and the event collection.
constexpr std::uint8_t kKeyboardDescriptor[] = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, 0x01,        // Generic Desktop, Keyboard, Application, id 1
    0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00,        //   modifiers
    0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02,        //   8 x 1 bit
    0x95, 0x01, 0x75, 0x08, 0x81, 0x01,                    //   reserved byte
    0x95, 0x06, 0x75, 0x08, 0x15, 0x00, 0x26, 0xFF, 0x00,  // 6 key codes
    0x05, 0x07, 0x19, 0x00, 0x2A, 0xFF, 0x00, 0x81, 0x00, 0xC0,
    0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x02,  // Consumer, Consumer Control, id 2
    0x15, 0x00, 0x26, 0xFF, 0x03, 0x19, 0x00, 0x2A, 0xFF, 0x03,
    0x75, 0x10, 0x95, 0x01, 0x81, 0x00, 0xC0, 0x05, 0x01, 0x09,
    0x80, 0xA1, 0x01, 0x85, 0x03,  // Generic Desktop, System Control, id 3
    0x19, 0x81, 0x29, 0x83, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01,
    0x95, 0x03, 0x81, 0x02, 0x95, 0x05, 0x81, 0x01, 0xC0, TARVIK_EVENT_COLLECTION,
};
#undef TARVIK_EVENT_COLLECTION

}  // namespace

std::optional<UhidLayout> uhidLayoutNamed(std::string_view name) {
    if (name == "split") return UhidLayout::Split;
    if (name == "composite") return UhidLayout::Composite;
    return std::nullopt;
}

std::vector<UhidInterface> uhidInterfaces(UhidLayout layout) {
    const UhidInterface command{"command", kCommandDescriptor, true, false};
    if (layout == UhidLayout::Split) return {command, {"event", kEventDescriptor, false, true}};
    return {
        {"boot mouse", kBootMouseDescriptor, false, false}, {"keyboard", kKeyboardDescriptor, false, true}, command};
}

}  // namespace tarvik::simulator
