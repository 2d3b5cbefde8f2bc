// The interfaces a kernel-level virtual mouse presents: each a report descriptor and the role
// of its collections. `split` gives the command and event collections one device each;
// `composite` is what gaming mice enumerate: a boot mouse, a keyboard interface whose
// numbered reports (keyboard, consumer control, system control) share one node with the
// event collection, and the command collection alone on the last interface.
//
// The command collection's reports carry no report id, so it cannot share an interface: a
// descriptor that numbers one report must number them all. The event collection's id 6 lets
// it sit beside the keyboard's numbered reports, and then one hidraw node holds four
// top-level collections.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tarvik::simulator {

struct UhidInterface {
    std::string_view name;
    std::span<const std::uint8_t> descriptor;
    bool command = false;  // carries the command collection (feature, input, output)
    bool event = false;    // carries the event collection (input report id 6)
};

enum class UhidLayout { Split, Composite };

std::optional<UhidLayout> uhidLayoutNamed(std::string_view name);
std::vector<UhidInterface> uhidInterfaces(UhidLayout layout);

// Size of a feature report of the command collection as the kernel moves it: id byte + 8.
constexpr std::size_t kUhidFeatureBytes = 9;
// Size of a data chunk on the wire: the command collection's input reports have no id.
constexpr std::size_t kUhidChunkBytes = 32;

}  // namespace tarvik::simulator
