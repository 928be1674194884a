#include "NumberArgument.h"

namespace velnar::tools {

std::optional<int> NumberArgument(const std::string& text, int low, int high)
{
    // Nine digits always fit an int, so the digits are read without overflow.
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int value = std::stoi(text);
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

}  // namespace velnar::tools
