#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "file/FileIo.h"

namespace velnar::file {

// The help file's text, whole: UTF-8 when its bytes are valid UTF-8 (a
// byte-order mark dropped), else the Turkish Windows code page 1254 that
// older help files were written in. CR LF and lone CR become line feeds;
// zero bytes are dropped.
std::u16string DecodeHelpText(std::string_view bytes);

// Reads and decodes the help file; `text` is left alone when it cannot be read.
FileResult ReadHelpText(const std::filesystem::path& path, std::u16string& text);

}  // namespace velnar::file
