#pragma once

#include <string>
#include <string_view>

namespace velnar::model {

// UTF-16 row texts to UTF-8 for terminals and logs; a lone surrogate
// becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

}  // namespace velnar::model
