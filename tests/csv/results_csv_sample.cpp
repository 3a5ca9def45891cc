// Writes one analysis's rows as Export Results does, for read_results_csv.py.
#include <cstdio>
#include <vector>

#include "filelist/ResultRows.h"

int main() {
    using zarvik::ResultRow;
    const std::vector<ResultRow> rows = {
        {.list = "Zero Length Files", .path = "C:\\WINDOWS\\EMPTY.LOG", .size = 0, .time = 0},
        {.list = "Files Added", .path = "C:\\WINDOWS\\Report, \"final\".txt", .size = 5'000'000'000,
         .time = 116'444'736'000'000'000},
        {.list = "Files Added", .path = "C:\\<65E5><672C>\\<D83D><DE00>\xE9<D800>x.dll", .size = 1},
        {.list = "Files Deleted", .path = "C:\\WINDOWS\\OLD.DLL", .previousSize = 4'294'967'295},
        {.list = "Files Changed", .path = "C:\\WINDOWS\\SYSTEM\\BIG.DAT", .size = 4'294'967'296,
         .previousSize = 4'294'967'296, .time = 134'413'226'419'999'999,
         .previousTime = 133'537'247'990'000'000, .version = "5.1 \"RC\"",
         .previousVersion = "5.0\r\n(beta)", .note = "same size, newer"},
        {.list = "Files Changed", .path = "C:\\WINDOWS\\LOCKED.SYS", .size = -1, .previousSize = 7},
    };
    const std::string csv = zarvik::ResultsCsv(rows, zarvik::WesternToUtf8);
    return std::fwrite(csv.data(), 1, csv.size(), stdout) == csv.size() ? 0 : 1;
}
