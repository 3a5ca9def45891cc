// Export Results through the real windows: one analysis written as CSV and
// read back by the host's Python csv module (a reader that is not ours).
#include <string>
#include <vector>

#include "core/TextHelpers.h"
#include "gui/FileListTestSupport.h"
#include "gui/support/UnixTools.h"
#include "platform/FileIO.h"
#include "platform/FileNames.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

constexpr int64_t kThen = 133'537'247'990'000'000;  // 2024-02-29T23:59:59Z
constexpr int64_t kNow = 134'413'226'410'000'000;   // 2026-12-09T20:44:01Z

void Stamp(const std::wstring& path, int64_t ticks) {
    ui::FileHandle f(::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    const FILETIME t{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    ASSERT_TRUE(f && ::SetFileTime(f.Get(), nullptr, nullptr, &t));
}

class Export : public ProgramTest {
protected:
    // The file's records as Python reads them, fields joined by "|", after
    // checking the byte-order mark and that every line ends in CR LF; the
    // Shared DLL rows (the prefix's registry) and the log's own are left out.
    Lines Exported(const std::string& file) {
        prompts.files.push_back(file);
        Click(Main().SpeedButton12);
        const std::string reader = root / "read.py";
        WriteFile(reader,
                  "import csv, io, sys\nd = open(sys.argv[1], 'rb').read()\n"
                  "assert d.startswith(b'\\xef\\xbb\\xbf') and d.count(b'\\n') == d.count(b'\\r\\n')\n"
                  "for r in csv.reader(io.StringIO(d[3:].decode('utf-8'), newline=''), strict=True):\n"
                  "    sys.stdout.buffer.write(('|'.join(r) + '\\n').encode('utf-8'))\n");
        const auto out = RunHostShell("python3 '" + UnixPath(reader) + "' '" + UnixPath(file) + "'");
        Lines rows;
        for (const std::string& line : zarvik::SplitLines(out.value_or("no shell")))
            if (line.find("Shared DLL") == std::string::npos && line.find(LogPath()) == std::string::npos)
                rows.push_back(line);
        return rows;
    }
};

TEST_F(Export, OneAnalysisReadsBackWithExactSizesTimesAndNotes) {
    if (!UnderWine()) GTEST_SKIP() << "reads the file with the host's Python";
    const std::wstring win = platform::WidePath(WindowsDir()) + L"\\", sys = platform::WidePath(SystemDir()) + L"\\";
    for (const char* name : {"EMPTY.TXT", "GONE.TXT", "GROWN.TXT", "SAME.TXT"}) {
        WriteFileOfSize(WindowsDir() + "\\" + name, name[0] == 'E' ? 0 : name[1] == 'O' ? 10 : 2048);
        Stamp(win + platform::WidePath(name), kThen);
    }
    Start();
    EXPECT_FALSE(Main().SpeedButton12.Enabled());
    prompts.answers.push_back(true);
    Click(Main().SpeedButton1);  // Build
    EXPECT_FALSE(Main().SpeedButton12.Enabled());

    ::DeleteFileW((win + L"GONE.TXT").c_str());
    WriteFileOfSize(WindowsDir() + "\\GROWN.TXT", 3000);
    MakeFileOfLength(SystemDir() + "\\HUGE.DAT", 5'000'000'000);
    // A comma and an apostrophe: Windows and Wine refuse '"' in a name.
    WriteFileOfSize(SystemDir() + "\\Report, 'final'.txt", 999);
    WriteFileOfSize(WindowsDir() + "\\J.TMP", 3);
    ::MoveFileW((win + L"J.TMP").c_str(), (win + L"\u65E5\u672C.txt").c_str());
    for (const std::wstring& f : {win + L"GROWN.TXT", win + L"SAME.TXT", sys + L"HUGE.DAT",
                                  sys + L"Report, 'final'.txt", win + L"\u65E5\u672C.txt"})
        Stamp(f, kNow);
    On<zarvik::WindowsFilesPage>().FileListBox3.Update();
    On<zarvik::SystemFilesPage>().FileListBox4.Update();
    Click(Main().SpeedButton2);  // Analyze
    ASSERT_TRUE(Main().SpeedButton12.Enabled());

    const std::string w = WindowsDir() + "\\", s = SystemDir() + "\\", file = root / "results";
    const Lines expected{
        "List|Path|Size|Previous Size|Time|Previous Time|Version|Previous Version|Note",
        "Zero Length Files|" + w + "EMPTY.TXT|0||2024-02-29T23:59:59Z||||",
        "Files Added|" + w + "\xE6\x97\xA5\xE6\x9C\xAC.txt|3||2026-12-09T20:44:01Z||||",
        "Files Added|" + s + "HUGE.DAT|5000000000||2026-12-09T20:44:01Z||||",
        "Files Added|" + s + "Report, 'final'.txt|999||2026-12-09T20:44:01Z||||",
        "Files Deleted|" + w + "GONE.TXT||10||2024-02-29T23:59:59Z|||",
        "Files Changed|" + w + "GROWN.TXT|3000|2048|2026-12-09T20:44:01Z|2024-02-29T23:59:59Z|||",
        "Files Changed|" + w + "SAME.TXT|2048|2048|2026-12-09T20:44:01Z|2024-02-29T23:59:59Z|||same size, newer",
    };
    EXPECT_EQ(Exported(file), expected);
    EXPECT_EQ(prompts.dialogs.back().filter, "CSV Files (*.csv)|*.csv");
    EXPECT_EQ(prompts.dialogs.back().defaultExt, "csv");

    // Build empties four lists, and their facts with them.
    prompts.answers.push_back(true);
    Click(Main().SpeedButton1);
    EXPECT_EQ(Exported(file), (Lines{expected[0], expected[1]}));
}

TEST_F(Export, ARefusedWriteShowsTheErrorAndLeavesNoFile) {
    Start();
    Click(Main().SpeedButton2);
    const std::string target = root / "taken.csv";
    MakeDirectory(target);
    prompts.files.push_back(target);
    Click(Main().SpeedButton12);
    const Lines errors = prompts.Errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Cannot write file \"" + target + "\"", 0), 0u) << errors[0];
    EXPECT_FALSE(Exists(target + ".~zk"));
    EXPECT_TRUE(platform::FileAttributes(target) & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace
