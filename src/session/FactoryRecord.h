// The record that the installed "config.bin" carries on delivery.
#pragma once

#include "settings/ConfigRecord.h"

namespace tarvik {

// Default buttons in both key modes, four DPI stages on, 1000 Hz, Standard lighting at 100%
// and the pointer levels of the Advanced page's "Default" button.
ConfigRecord factoryRecord();

}  // namespace tarvik
