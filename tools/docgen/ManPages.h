// The manual pages tarvik(1) and tarvikctl(1), written from the programs' own help tables.
#pragma once

#include <string>
#include <string_view>

namespace tarvik::docgen {

std::string tarvikManPage(std::string_view version);
std::string tarvikctlManPage(std::string_view version);

}  // namespace tarvik::docgen
