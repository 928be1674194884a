#include "sign/SignDisplay.h"

#include <algorithm>

#include "link/LocalClock.h"
#include "sign/SignFont.h"

namespace velnar::sign {

namespace {

enum Animation { FromLeft = 0, FromRight = 1, FromTop = 2, FromBottom = 3, Curtain = 4 };

constexpr int kTwoRowBand = kBoardRows / 2;
constexpr int kCharacterPitch = kGlyphWidth + 1;
constexpr int kSecondsPerDay = 24 * 60 * 60;

// The three levels of a brightness or speed byte: the nearest of 0, 4, 8.
int LevelIndex(int stored)
{
    return std::min((std::max(stored, 0) + 2) / 4, 2);
}

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

std::int64_t FloorMod(std::int64_t value, std::int64_t divisor)
{
    return value - FloorDiv(value, divisor) * divisor;
}

// One text row as the board lays it out: its band of LED rows, the font
// scale, and where its first column rests once it has entered.
struct RowLayout {
    std::u16string text;
    int top = 0;
    int height = kBoardRows;
    int scale = 1;
    int animation = 0;
    int level = 1;
    int stepMs = 1;
    int width = 0;
    int rest = 0;
};

RowLayout LayRow(std::u16string text, const SignSlot::Row& row, int top, int height, int scale, int columns)
{
    RowLayout layout;
    layout.width = text.empty() ? 0 : scale * (static_cast<int>(text.size()) * kCharacterPitch - 1);
    layout.text = std::move(text);
    layout.top = top;
    layout.height = height;
    layout.scale = scale;
    layout.animation = row.animation;
    layout.level = LedLevel(row.brightness);
    layout.stepMs = StepMs(row.speed);
    // A row that fits stands in the middle; a wider one starts at the left
    // edge, and a scroll from the right runs on until its end is in.
    if (layout.width <= columns)
        layout.rest = (columns - layout.width) / 2;
    else if (layout.animation == FromRight)
        layout.rest = columns - layout.width;
    return layout;
}

// The rows a slot shows, those without text left out.
std::vector<RowLayout> RowsOf(const SignState& state, int slotIndex, int columns, std::int64_t nowMs)
{
    const SignSlot& slot = state.slotStates[static_cast<std::size_t>(slotIndex)];
    std::vector<RowLayout> rows;
    if (slot.twoRows) {
        rows.push_back(LayRow(slot.rows[0].text, slot.rows[0], 0, kTwoRowBand, 1, columns));
        const std::u16string second = slot.clockRow ? ClockText(state, nowMs) : slot.rows[1].text;
        rows.push_back(LayRow(second, slot.rows[1], kTwoRowBand, kTwoRowBand, 1, columns));
    } else {
        rows.push_back(LayRow(slot.rows[0].text, slot.rows[0], 0, kBoardRows, 2, columns));
    }
    rows.erase(std::remove_if(rows.begin(), rows.end(), [](const RowLayout& row) { return row.text.empty(); }),
               rows.end());
    return rows;
}

bool Shows(const SignState& state, int slotIndex, int columns)
{
    return !RowsOf(state, slotIndex, columns, state.clockSetAtMs).empty();
}

int EntrySteps(const RowLayout& row, int columns)
{
    switch (row.animation) {
    case FromLeft: return row.rest + row.width;
    case FromRight: return columns - row.rest;
    case FromTop:
    case FromBottom: return row.height;
    case Curtain: {
        const int centre = columns / 2;
        const int left = std::max(row.rest, 0);
        const int right = std::min(row.rest + row.width, columns);
        return std::max({centre - left, right - centre, 0});
    }
    default: return 0;
    }
}

std::int64_t RowEntryMs(const RowLayout& row, int columns)
{
    return static_cast<std::int64_t>(EntrySteps(row, columns)) * row.stepMs;
}

// Lights the row's dots as they stand `phaseMs` into its entry.
void DrawRow(const RowLayout& row, std::int64_t phaseMs, Board& board)
{
    const int columns = board.columns;
    const int steps = EntrySteps(row, columns);
    const int step = static_cast<int>(std::min<std::int64_t>(phaseMs / row.stepMs, steps));
    int x = row.rest;
    int dy = 0;
    int openLeft = 0;
    int openRight = columns;
    switch (row.animation) {
    case FromLeft: x = -row.width + step; break;
    case FromRight: x = columns - step; break;
    case FromTop: dy = -row.height + step; break;
    case FromBottom: dy = row.height - step; break;
    case Curtain:
        if (step < steps) {
            openLeft = columns / 2 - step;
            openRight = columns / 2 + step;
        }
        break;
    default: break;
    }
    const int s = row.scale;
    const int glyphTop = row.top + (row.height - s * kGlyphHeight) / 2 + dy;
    const int left = std::max(openLeft, 0);
    const int right = std::min(openRight, columns);
    for (std::size_t i = 0; i < row.text.size(); ++i) {
        const int glyphLeft = x + static_cast<int>(i) * s * kCharacterPitch;
        if (glyphLeft + s * kGlyphWidth <= left || glyphLeft >= right)
            continue;
        const Glyph& glyph = SignGlyph(row.text[i]);
        for (int gy = 0; gy < kGlyphHeight * s; ++gy) {
            const int r = glyphTop + gy;
            if (r < row.top || r >= row.top + row.height)
                continue;
            for (int gx = 0; gx < kGlyphWidth * s; ++gx) {
                const int c = glyphLeft + gx;
                if (c >= left && c < right && GlyphDot(glyph, gx / s, gy / s))
                    board.leds[static_cast<std::size_t>(r * columns + c)] = static_cast<std::uint8_t>(row.level);
            }
        }
    }
}

Board DarkBoard(int columns)
{
    Board board;
    board.columns = columns;
    board.leds.assign(static_cast<std::size_t>(columns * kBoardRows), 0);
    return board;
}

Board ShowSlot(const SignState& state, int slotIndex, int columns, std::int64_t phaseMs, std::int64_t nowMs)
{
    Board board = DarkBoard(columns);
    board.slotIndex = slotIndex;
    for (const RowLayout& row : RowsOf(state, slotIndex, columns, nowMs))
        DrawRow(row, phaseMs, board);
    return board;
}

}  // namespace

int LedLevel(int brightness)
{
    return LevelIndex(brightness) + 1;
}

int StepMs(int speed)
{
    constexpr int kStepMs[] = {60, 35, 20};
    return kStepMs[LevelIndex(speed)];
}

int CharactersThatFit(int columns, bool twoRows)
{
    const int scale = twoRows ? 1 : 2;
    // n characters take n pitches less the space after the last one.
    return (columns / scale + 1) / kCharacterPitch;
}

std::u16string ClockText(const SignState& state, std::int64_t nowMs)
{
    if (!state.clock)
        return u"--:--:--";
    const SignClock& clock = *state.clock;
    const std::int64_t seconds = clock.hour * 3600 + clock.minute * 60 + clock.second +
                                 FloorDiv(nowMs - state.clockSetAtMs, 1000);
    const int ofDay = static_cast<int>(FloorMod(seconds, kSecondsPerDay));
    link::LocalDateTime time;
    time.hour = ofDay / 3600;
    time.minute = ofDay / 60 % 60;
    time.second = ofDay % 60;
    return link::TimeText(time);
}

std::int64_t EntryMs(const SignState& state, int slotIndex, int columns)
{
    std::int64_t entry = 0;
    for (const RowLayout& row : RowsOf(state, slotIndex, columns, state.clockSetAtMs))
        entry = std::max(entry, RowEntryMs(row, columns));
    return entry;
}

Board ShowBoard(const SignState& state, int columns, std::int64_t nowMs)
{
    std::vector<int> order;
    std::int64_t cycleMs = 0;
    for (int i = 0; i < model::kSlotCount; ++i) {
        const int slotIndex = (state.showFromSlot + i) % model::kSlotCount;
        if (Shows(state, slotIndex, columns)) {
            order.push_back(slotIndex);
            cycleMs += EntryMs(state, slotIndex, columns) + kHoldMs;
        }
    }
    if (order.empty())
        return DarkBoard(columns);

    std::int64_t phaseMs = FloorMod(nowMs - state.showSinceMs, cycleMs);
    std::size_t i = 0;
    for (; i + 1 < order.size(); ++i) {
        const std::int64_t periodMs = EntryMs(state, order[i], columns) + kHoldMs;
        if (phaseMs < periodMs)
            break;
        phaseMs -= periodMs;
    }
    return ShowSlot(state, order[i], columns, phaseMs, nowMs);
}

Board ShowEnteredSlot(const SignState& state, int slotIndex, int columns, std::int64_t startMs)
{
    const std::int64_t entryMs = EntryMs(state, slotIndex, columns);
    return ShowSlot(state, slotIndex, columns, entryMs, startMs + entryMs);
}

}  // namespace velnar::sign
