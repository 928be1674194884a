// Any bytes as a message file: stay in the buffer, and what loads must survive a save.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "file/MessageFileFormat.h"
#include "file/MessageFileReader.h"
#include "file/MessageFileWriter.h"
#include "file/RowReadBack.h"

namespace {

using velnar::model::MessageTable;
using velnar::model::RowNumber;

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    namespace file = velnar::file;
    MessageTable loaded;
    file::ReadMessageFileBytes(std::string_view(reinterpret_cast<const char*>(data), size), loaded);

    MessageTable again;
    file::ReadMessageFile(file::EncodeMessageFile(loaded), again);
    Require(again.rowAnimation == loaded.rowAnimation && again.rowBrightness == loaded.rowBrightness &&
            again.rowSpeed == loaded.rowSpeed && again.slotTwoRows == loaded.slotTwoRows &&
            again.slotClock == loaded.slotClock && again.slotSelected == loaded.slotSelected);

    int firstCut = velnar::model::kRowCount;
    for (int k = velnar::model::kRowCount - 2; k >= 0; --k) {
        if (loaded.rowText[static_cast<std::size_t>(k)].find(file::Marker(k + 2)) != std::u16string::npos)
            firstCut = k;
    }
    for (int k = 0; k < firstCut; ++k)
        Require(again.rowText[static_cast<std::size_t>(k)] == loaded.rowText[static_cast<std::size_t>(k)]);

    const auto mismatches = file::RowsThatWillNotReadBack(loaded);
    Require(firstCut == velnar::model::kRowCount
                ? mismatches.empty() && again.rowText == loaded.rowText
                : !mismatches.empty() && RowNumber(mismatches.front().slot, mismatches.front().row) == firstCut);
    return 0;
}
