// libFuzzer target for the engine's text input: the date reader and the
// reading computation must take any bytes without crashing, and every date
// the reader accepts must be a real day that reads back the same.
#include "calendar_date.h"
#include "reading_computation.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (const auto date = engine::parseDateText(text)) {
        const std::chrono::year_month_day ymd{*date};
        if (!ymd.ok()) {
            std::abort();
        }
        std::string year = std::to_string(static_cast<int>(ymd.year()));
        year.insert(0, 4 - year.size(), '0'); // the reader takes exactly four digits
        const std::string again = std::to_string(static_cast<unsigned>(ymd.day())) + ' ' +
                                  std::string(engine::kMonthNames[static_cast<unsigned>(ymd.month()) - 1]) +
                                  ' ' + year;
        if (engine::parseDateText(again) != date) {
            std::abort();
        }
    }

    // The four input texts, separated by newlines.
    std::string_view fields[4];
    std::string_view rest = text;
    for (auto& field : fields) {
        const auto end = rest.find('\n');
        field = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    engine::ReadingRecord record;
    engine::ComputeReading(record, fields[0], fields[1], fields[2], fields[3]);
    if (record.SignNumber < 0 || record.SignNumber > 12) {
        std::abort();
    }
    return 0;
}
