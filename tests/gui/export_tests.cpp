// Export Results through the real windows, read back by the host's Python csv module.
#include "core/TextHelpers.h"
#include "gui/FileListTestSupport.h"
#include "gui/support/UnixTools.h"
#include "platform/FileIO.h"
#include "platform/FileNames.h"
#include "platform/Win32Error.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

static void Stamp(const std::string& path, int64_t ticks) {  // its last-write time
    ui::FileHandle f(::CreateFileW(platform::WidePath(path).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    const FILETIME t{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    ASSERT_TRUE(f && ::SetFileTime(f.Get(), nullptr, nullptr, &t));
}

class Export : public ProgramTest {
protected:
    // The records as Python reads them (after the byte-order mark, lines ended by CR LF),
    // fields joined by "|"; without the prefix's Shared DLLs and the log's own rows.
    Lines Exported(const std::string& file) {
        prompts.files.push_back(file);
        Click(Main().SpeedButton12);
        WriteFile(root / "read.py", "import csv, io, sys\nd = open(sys.argv[1], 'rb').read()\n"
                  "assert d.startswith(b'\\xef\\xbb\\xbf') and d.count(b'\\n') == d.count(b'\\r\\n')\n"
                  "for r in csv.reader(io.StringIO(d[3:].decode('utf-8'), newline=''), strict=True):\n"
                  "    sys.stdout.buffer.write(('|'.join(r) + '\\n').encode('utf-8'))\n");
        Lines rows = zarvik::SplitLines(
            RunHostShell("python3 '" + UnixPath(root / "read.py") + "' '" + UnixPath(file) + "'").value_or("no shell"));
        std::erase_if(rows, [&](const std::string& r) { return r.find("Shared DLL Files|") != r.npos || r.find(LogPath()) != r.npos; });
        return rows;
    }
};

TEST_F(Export, OneAnalysisReadsBackWithExactSizesTimesAndNotesAndARefusedWriteLeavesNoFile) {
    if (!UnderWine()) GTEST_SKIP() << "reads the file with the host's Python";
    const std::string w = WindowsDir() + "\\", comma = "Report, 'final'.txt";  // Wine refuses '"'
    for (const std::string name : {"EMPTY.TXT", "GONE.TXT", "HUGE.DAT", comma.c_str()})
        WriteFileOfSize(w + name, name == "EMPTY.TXT" ? 0 : 2048), Stamp(w + name, 133'537'247'990'000'000);
    Start();
    EXPECT_FALSE(Main().SpeedButton12.Enabled());
    const auto build = [&] { prompts.answers.push_back(true), Click(Main().SpeedButton1); };
    build();
    ::DeleteFileA((w + "GONE.TXT").c_str());
    MakeFileOfLength(w + "HUGE.DAT", 5'000'000'000);
    WriteFileOfSize(w + "J.TMP", 3);
    ::MoveFileW(platform::WidePath(w + "J.TMP").c_str(), platform::WidePath(w + "<65E5><672C>").c_str());
    for (const std::string name : {"HUGE.DAT", comma.c_str(), "<65E5><672C>"}) Stamp(w + name, 134'413'226'410'000'000);
    On<zarvik::WindowsFilesPage>().FileListBox3.Update();
    Click(Main().SpeedButton2);  // Analyze

    const std::string then = "2024-02-29T23:59:59Z", now = "2026-12-09T20:44:01Z";
    const Lines expected{"List|Path|Size|Previous Size|Time|Previous Time|Version|Previous Version|Note",
                         "Zero Length Files|" + w + "EMPTY.TXT|0||" + then + "||||",
                         "Files Added|" + w + "\xE6\x97\xA5\xE6\x9C\xAC|3||" + now + "||||",
                         "Files Deleted|" + w + "GONE.TXT||2048||" + then + "|||",
                         "Files Changed|" + w + "HUGE.DAT|5000000000|2048|" + now + "|" + then + "|||",
                         "Files Changed|" + w + comma + "|2048|2048|" + now + "|" + then + "|||same size, newer"};
    EXPECT_EQ(Exported(root / "results"), expected);
    EXPECT_EQ(prompts.dialogs.back().filter + " " + prompts.dialogs.back().defaultExt, "CSV Files (*.csv)|*.csv csv");
    build();  // empties four lists, and their facts with them
    EXPECT_EQ(Exported(root / "results"), (Lines{expected[0], expected[1]}));

    const std::string folder = root / "taken.csv";
    MakeDirectory(folder);
    prompts.files.push_back(folder);
    Click(Main().SpeedButton12);
    EXPECT_EQ(prompts.Errors(), Lines{platform::Win32Error("Cannot write file \"" + folder + "\"", ERROR_ACCESS_DENIED).what()});
    EXPECT_FALSE(Exists(folder + ".~zk"));
    EXPECT_TRUE(platform::FileAttributes(folder) & FILE_ATTRIBUTE_DIRECTORY);
}
