#include <gtest/gtest.h>

#include <string>

#include "file/MessageFileReader.h"
#include "file/MessageFileWriter.h"
#include "FileTables.h"

namespace velnar::file {
namespace {

// Every length of a valid file, byte by byte. A cut file loads what it
// holds: each text is the start of what follows its marker in the file (a
// marker cut in half is text), it is the whole text once the next marker made
// it in, and each value is either the written one or untouched. Run under
// AddressSanitizer, this also shows no read leaves the buffer.
TEST(TruncatedFileTest, EveryLengthLoadsWhatItHolds)
{
    const model::MessageTable written = test::FullTable();
    const model::MessageTable before = test::BeforeReadingTable();
    const std::string bytes = MessageFileBytes(written);
    const std::u16string units = EncodeMessageFile(written);

    // Where each row's text begins in the file, and where the marker or key
    // word after it ends.
    std::size_t textStart[model::kRowCount];
    std::size_t textEnd[model::kRowCount];
    std::size_t nextEnd[model::kRowCount];
    for (int k = 0; k < model::kRowCount; ++k) {
        const std::u16string marker = test::Units(std::to_string(k + 1) + ",");
        textStart[k] = units.find(marker, k == 0 ? 0 : textEnd[k - 1]) + marker.size();
        const std::u16string after = k + 1 < model::kRowCount ? test::Units(std::to_string(k + 2) + ",") : u"SATIR";
        textEnd[k] = units.find(after, textStart[k]);
        ASSERT_NE(textEnd[k], std::u16string::npos);
        nextEnd[k] = textEnd[k] + after.size();
    }

    for (std::size_t length = 0; length <= bytes.size(); ++length) {
        SCOPED_TRACE(length);
        model::MessageTable table = before;
        ReadMessageFileBytes(std::string_view(bytes).substr(0, length), table);

        const std::size_t whole = length / 2;
        for (int k = 0; k < model::kRowCount; ++k) {
            const std::u16string& text = table.rowText[static_cast<std::size_t>(k)];
            ASSERT_EQ(units.compare(textStart[k], text.size(), text), 0) << "row number " << k;
            if (whole >= nextEnd[k]) {
                ASSERT_EQ(text, written.rowText[static_cast<std::size_t>(k)]) << "row number " << k;
            }
        }
        for (int k = 0; k < model::kRowCount; ++k) {
            const auto i = static_cast<std::size_t>(k);
            ASSERT_TRUE(table.rowAnimation[i] == before.rowAnimation[i] || table.rowAnimation[i] == written.rowAnimation[i]);
            ASSERT_TRUE(table.rowBrightness[i] == before.rowBrightness[i] || table.rowBrightness[i] == written.rowBrightness[i]);
            ASSERT_TRUE(table.rowSpeed[i] == before.rowSpeed[i] || table.rowSpeed[i] == written.rowSpeed[i]);
        }
        for (int s = 0; s < model::kSlotCount; ++s) {
            const auto i = static_cast<std::size_t>(s);
            ASSERT_TRUE(table.slotTwoRows[i] == before.slotTwoRows[i] || table.slotTwoRows[i] == written.slotTwoRows[i]);
            ASSERT_TRUE(table.slotClock[i] == before.slotClock[i] || table.slotClock[i] == written.slotClock[i]);
            ASSERT_TRUE(table.slotSelected[i] == before.slotSelected[i] || table.slotSelected[i] == written.slotSelected[i]);
        }
        if (length == bytes.size())
            test::ExpectSameFileFields(table, written);
    }
}

// Cut inside the last block: the values that made it in are stored.
TEST(TruncatedFileTest, CutInsideTheLastBlockStoresItsFirstValues)
{
    const model::MessageTable written = test::FullTable();
    const std::u16string units = EncodeMessageFile(written);
    model::MessageTable table = test::BeforeReadingTable();
    ReadMessageFile(std::u16string_view(units).substr(0, units.size() - 30), table);

    EXPECT_EQ(table.rowSpeed[0], written.rowSpeed[0]);
    EXPECT_EQ(table.rowSpeed[1], written.rowSpeed[1]);
    EXPECT_EQ(table.rowSpeed[2], test::BeforeReadingTable().rowSpeed[2]);
    EXPECT_EQ(table.rowBrightness, written.rowBrightness);
}

}  // namespace
}  // namespace velnar::file
