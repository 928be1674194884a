#include "file/RowReadBack.h"

#include "file/MessageFileFormat.h"
#include "file/MessageFileReader.h"
#include "file/MessageFileWriter.h"

namespace velnar::file {

namespace {

std::string Narrow(const std::u16string& ascii)
{
    return std::string(ascii.begin(), ascii.end());
}

}  // namespace

std::vector<RowMismatch> RowsThatWillNotReadBack(const model::MessageTable& table)
{
    model::MessageTable readBack;
    ReadMessageFile(EncodeMessageFile(table), readBack);

    std::vector<RowMismatch> mismatches;
    for (int slot = 1; slot <= model::kSlotCount; ++slot) {
        for (int row = 1; row <= 2; ++row) {
            const int number = model::RowNumber(slot, row);
            const std::u16string& text = table.rowText[static_cast<std::size_t>(number)];
            if (readBack.rowText[static_cast<std::size_t>(number)] == text)
                continue;
            const std::u16string nextMarker = Marker(number + 2);
            const bool cutInside = number + 1 < model::kRowCount && text.find(nextMarker) != std::u16string::npos;
            const std::string reason =
                cutInside
                    ? "the text holds \"" + Narrow(nextMarker) + "\", the marker of the next row, and would be cut there"
                    : "a row before it holds its marker \"" + Narrow(Marker(number + 1)) +
                          "\", so it would be read with other text";
            mismatches.push_back({slot, row, reason, readBack.rowText[static_cast<std::size_t>(number)]});
        }
    }
    return mismatches;
}

}  // namespace velnar::file
