#include "filelist/ResultRows.h"

#include <algorithm>
#include <iterator>

#include "core/CsvText.h"

namespace zarvik {

namespace {

constexpr int64_t kTicksPerSecond = 10'000'000;
constexpr int64_t kSecondsPerDay = 86'400;
constexpr int64_t kDays1601To1970 = 134'774;

int64_t FloorDivide(int64_t value, int64_t by) {
    const int64_t quotient = value / by;
    return value % by < 0 ? quotient - 1 : quotient;
}

struct CivilDate {
    int64_t year;
    unsigned month;
    unsigned day;
};

// The proleptic Gregorian date of a day counted from 1970-01-01, in eras of
// 400 years that start on 1 March, so the leap day ends a year.
CivilDate CivilFromDays(int64_t days) {
    days += 719'468;  // from 0000-03-01
    const int64_t era = FloorDivide(days, 146'097);
    const int64_t dayOfEra = days - era * 146'097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1'460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;  // 0 is March
    const auto day = static_cast<unsigned>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const auto month =
        static_cast<unsigned>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// At least `width` digits, with leading zeros.
std::string Digits(int64_t value, size_t width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return value < 0 ? '-' + digits : digits;
}

std::string Bytes(const std::optional<int64_t>& size) {
    return size && *size >= 0 ? std::to_string(*size) : std::string();
}

std::string Time(const std::optional<int64_t>& ticks) {
    return ticks ? IsoTimeUtc(*ticks) : std::string();
}

std::string Text(const std::optional<std::string>& text, const AnsiToUtf8& ansi) {
    return text ? ansi(*text) : std::string();
}

}  // namespace

std::string NoteOfMark(std::string_view mark) {
    if (mark.starts_with(" (") && mark.ends_with(')')) return std::string(mark.substr(2, mark.size() - 3));
    return std::string(mark);
}

void AnalysisResults::Clear(std::string_view list) {
    std::erase_if(rows_, [&](const ResultRow& row) { return row.list == list; });
}

std::vector<ResultRow> AnalysisResults::Rows(std::span<const std::string_view> lists) const {
    std::vector<ResultRow> rows;
    for (const std::string_view list : lists)
        std::copy_if(rows_.begin(), rows_.end(), std::back_inserter(rows),
                     [&](const ResultRow& row) { return row.list == list; });
    return rows;
}

std::string IsoTimeUtc(int64_t ticks) {
    const int64_t seconds = FloorDivide(ticks, kTicksPerSecond);
    const int64_t days = FloorDivide(seconds, kSecondsPerDay);
    const int64_t second = seconds - days * kSecondsPerDay;
    const CivilDate date = CivilFromDays(days - kDays1601To1970);
    return Digits(date.year, 4) + '-' + Digits(date.month, 2) + '-' + Digits(date.day, 2) + 'T' +
           Digits(second / 3600, 2) + ':' + Digits(second / 60 % 60, 2) + ':' +
           Digits(second % 60, 2) + 'Z';
}

std::string ResultsCsv(std::span<const ResultRow> rows, const AnsiToUtf8& ansi) {
    std::string out(kUtf8ByteOrderMark);
    AppendCsvRecord(out, {"List", "Path", "Size", "Previous Size", "Time", "Previous Time",
                          "Version", "Previous Version", "Note"});
    for (const ResultRow& row : rows) {
        AppendCsvRecord(out, {ansi(row.list), NameToUtf8(row.path, ansi), Bytes(row.size),
                              Bytes(row.previousSize), Time(row.time), Time(row.previousTime),
                              Text(row.version, ansi), Text(row.previousVersion, ansi),
                              ansi(row.note)});
    }
    return out;
}

}  // namespace zarvik
