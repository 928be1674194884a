#pragma once

#include <optional>
#include <string>

namespace velnar::tools {

// A command-line number: decimal digits only (no sign, no spaces), within
// [low, high]; nothing for anything else, however long.
std::optional<int> NumberArgument(const std::string& text, int low, int high);

}  // namespace velnar::tools
