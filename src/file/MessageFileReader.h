#pragma once

#include <string_view>

#include "model/MessageTable.h"

namespace velnar::file {

// Reads a whole message file into the table: empties the 32 row texts, then
// stores the texts the file holds and every attribute block whose key word it
// holds; blocks without their key word keep their values. Values are stored as
// unit minus 48, unchecked. Nothing else in the table is touched.
//
// A file that ends with the attribute tail as the writer writes it (key words
// at their fixed places) takes its values from the tail, and only the units
// before the tail are scanned for markers, so "SAAT 10:00" or "SELAM" in a
// message is plain text. Any other file is scanned unit by unit with the key
// words as structure wherever they stand, the way such files were always read.
void ReadMessageFile(std::u16string_view units, model::MessageTable& table);

// The same from the bytes on disk; a final odd byte is ignored.
void ReadMessageFileBytes(std::string_view bytes, model::MessageTable& table);

bool EndsWithAttributeTail(std::u16string_view units);

}  // namespace velnar::file
