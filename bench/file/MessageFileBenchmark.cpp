// Saves and loads a message file whose 32 rows hold 200,000 characters each,
// and one a tenth of that, to show the time grows with the file and no more.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "file/MessageFile.h"

namespace {

namespace fs = std::filesystem;
using velnar::model::MessageTable;

constexpr int kRepeats = 7;

MessageTable TableWithRowsOf(std::size_t characters)
{
    // Turkish letters, key words, a time and commas, but no marker of a row.
    const std::u16string pattern = u"ŞİĞÜÖÇ ışğüöç SAAT 12:30 SELAM, HOŞ GELDİNİZ\r\n";
    MessageTable table;
    for (int k = 0; k < velnar::model::kRowCount; ++k) {
        std::u16string& text = table.rowText[static_cast<std::size_t>(k)];
        while (text.size() < characters)
            text += pattern;
        text.resize(characters);
        table.rowAnimation[static_cast<std::size_t>(k)] = k % 5;
        table.rowBrightness[static_cast<std::size_t>(k)] = 4 * (k % 3);
    }
    return table;
}

// Median of a few runs, in milliseconds.
double MedianMs(const std::function<void()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < kRepeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + kRepeats / 2, times.end());
    return times[kRepeats / 2];
}

struct Timing {
    std::uintmax_t bytes;
    double saveMs;
    double loadMs;
};

bool Measure(const fs::path& path, std::size_t characters, Timing& timing)
{
    const MessageTable written = TableWithRowsOf(characters);
    if (!velnar::file::RowsThatWillNotReadBack(written).empty())
        return false;
    bool ok = true;
    timing.saveMs = MedianMs([&] { ok = velnar::file::SaveMessageFile(path, written).ok && ok; });
    MessageTable loaded;
    timing.loadMs = MedianMs([&] { ok = velnar::file::LoadMessageFile(path, loaded).ok && ok; });
    timing.bytes = fs::file_size(path);
    return ok && loaded.rowText == written.rowText && loaded.rowBrightness == written.rowBrightness;
}

}  // namespace

int main()
{
    const fs::path dir = fs::temp_directory_path() / ("velnar-file-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    Timing large{};
    Timing small{};
    const bool ok = Measure(dir / "large.VELNAR MESSAGES", 200000, large) &&
                    Measure(dir / "small.VELNAR MESSAGES", 20000, small);
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    if (!ok) {
        std::fprintf(stderr, "message file: the tables did not read back as saved\n");
        return 1;
    }
    std::printf("message file %.1f MB: save %.0f ms, load %.0f ms (x10 size: save x%.1f, load x%.1f)\n",
                static_cast<double>(large.bytes) / 1e6, large.saveMs, large.loadMs, large.saveMs / small.saveMs,
                large.loadMs / small.loadMs);
    return 0;
}
