// Both programs' waits end on signals read from a descriptor rather than in a handler.
#pragma once

#include <initializer_list>

#include "base/UniqueFd.h"

namespace tarvik {

// Blocks `which` (in this thread and every thread started later) and returns a descriptor that
// becomes readable when one of them arrives, so a poll loop can wait for it with its other work.
UniqueFd blockedSignalsFd(std::initializer_list<int> which);

}  // namespace tarvik
