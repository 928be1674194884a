#include <gtest/gtest.h>

#include <random>
#include <string>

#include "file/MessageFileFormat.h"
#include "file/MessageFileReader.h"
#include "file/MessageFileWriter.h"
#include "file/RowReadBack.h"
#include "FileTables.h"

namespace velnar::file {
namespace {

using test::BeforeReadingTable;
using test::ExpectSameFileFields;

model::MessageTable ThroughBytes(const model::MessageTable& table)
{
    model::MessageTable readBack = BeforeReadingTable();
    ReadMessageFileBytes(MessageFileBytes(table), readBack);
    return readBack;
}

TEST(RoundTripTest, EveryFieldOfFullTablesReadsBack)
{
    const model::MessageTable tables[] = {test::FullTable(), test::EditorValuesTable(), model::MessageTable{}};
    for (const model::MessageTable& table : tables) {
        ExpectSameFileFields(ThroughBytes(table), table);
        EXPECT_TRUE(RowsThatWillNotReadBack(table).empty());
    }
}

// Each text in the first row, in a row before a two-digit marker and in the
// last row, which ends at the tail.
TEST(RoundTripTest, TextsReadBackUnchanged)
{
    struct Case {
        const char* what;
        std::u16string text;
    };
    const Case cases[] = {
        {"Turkish letters", u"ŞİĞÜÖÇ ışğüöç İSTANBUL"},
        {"CR LF inside", u"ÜST SATIR\r\nALT SATIR\r\n"},
        {"empty", u""},
        {"one letter", u"x"},
        {"time, comma, blank, letters between commas", u"12:30, A,B"},
        {"numbers and commas", u"1,5 TL 0,99 100,00"},
        {"key words", u"SAAT 10:00 SELAM SATIR MODE LIGHT HEIGHT"},
        {"key words with digits after them", u"SATIR0000000000000000SEL0123456789012345"},
        {"a whole tail", EncodeMessageFile(model::MessageTable{}).substr(87)},
        {"outside the basic plane", u"\U0001F600 \U00010348"},
        {"a lone surrogate and NUL", std::u16string(u"a\xD800" u"b") + u'\0' + u"c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const model::MessageTable& base : {test::FullTable(), test::EditorValuesTable()}) {
            model::MessageTable table = base;
            table.rowText[0] = c.text;
            table.rowText[15] = c.text;
            table.rowText[31] = c.text;
            ExpectSameFileFields(ThroughBytes(table), table);
        }
    }
}

TEST(RoundTripTest, EmptyRowsBetweenFullOnes)
{
    model::MessageTable table = test::FullTable();
    for (int k = 0; k < model::kRowCount; k += 3)
        table.rowText[static_cast<std::size_t>(k)].clear();
    table.rowText[31].clear();
    ExpectSameFileFields(ThroughBytes(table), table);
}

// Texts made of the pieces the file is built from. A row reads back exactly
// when no text before it holds the marker of the row after it; such rows are
// the ones the editor is told about.
TEST(RoundTripTest, RandomTextsOfMarkerAndKeyWordPieces)
{
    const std::u16string pieces[] = {u"1", u"2", u"3", u"9", u"0", u",", u"SA", u"AT", u"TIR", u"SEL",
                                     u"MODE", u"LIGHT", u"HEIGHT", u"Ş", u"\r\n", u" ", u"x"};
    std::mt19937 random(20240601);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 12);

    int tablesWithCuts = 0;
    for (int round = 0; round < 300; ++round) {
        model::MessageTable table = test::EditorValuesTable();
        for (std::u16string& text : table.rowText) {
            for (int n = length(random); n > 0; --n)
                text += pieces[piece(random)];
        }
        int firstCut = model::kRowCount;
        for (int k = model::kRowCount - 2; k >= 0; --k) {
            if (table.rowText[static_cast<std::size_t>(k)].find(Marker(k + 2)) != std::u16string::npos)
                firstCut = k;
        }

        const model::MessageTable readBack = ThroughBytes(table);
        const std::vector<RowMismatch> reported = RowsThatWillNotReadBack(table);
        for (int k = 0; k < firstCut; ++k)
            EXPECT_EQ(readBack.rowText[static_cast<std::size_t>(k)], table.rowText[static_cast<std::size_t>(k)]);
        EXPECT_EQ(readBack.rowAnimation, table.rowAnimation);
        EXPECT_EQ(readBack.slotClock, table.slotClock);
        if (firstCut == model::kRowCount) {
            ExpectSameFileFields(readBack, table);
            EXPECT_TRUE(reported.empty());
        } else {
            ++tablesWithCuts;
            ASSERT_FALSE(reported.empty());
            EXPECT_EQ(model::RowNumber(reported[0].slot, reported[0].row), firstCut);
        }
    }
    // Both kinds of table must have come up for the test to mean anything.
    EXPECT_GT(tablesWithCuts, 0);
    EXPECT_LT(tablesWithCuts, 300);
}

}  // namespace
}  // namespace velnar::file
