// The Registry Services and Additional pages on the test prefix's real
// registry: every key and value a test makes is taken away again, and every
// value it changes is put back.
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gui/FileListTestSupport.h"
#include "inspect/Unit5.h"
#include "report/Unit2.h"
#include "system/AdditionalPage.h"
#include "system/ProcessListPage.h"
#include "system/RegistryPage.h"
#include "platform/SystemFunction.h"

using namespace testing_support;
using Lines = std::vector<std::string>;

namespace {

const std::string kStartup = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";
const std::string kRun = kStartup + "Run";
const std::string kRunOnce = kStartup + "RunOnce";
const std::string kRunServices = kStartup + "RunServices";
const std::string kWow32Run = "SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kServices = "SYSTEM\\CurrentControlSet\\Services\\";
const std::string kExeCommand = "exefile\\shell\\open\\command";

// The keys of HKEY_LOCAL_MACHINE a test reads and writes are those of the
// native view, whose entries the program lists unmarked in either build.
REGSAM Native(HKEY root) { return root == HKEY_LOCAL_MACHINE ? KEY_WOW64_64KEY : 0; }

// Tests run where RegDeleteTreeA and RegDeleteKeyExA exist (Wine, Vista on).
void DeleteTree(HKEY root, const std::string& path) {
    static auto* deleteTree = platform::SystemFunction<LONG WINAPI(HKEY, LPCSTR)>("advapi32.dll",
                                                                             "RegDeleteTreeA");
    static auto* deleteKey = platform::SystemFunction<LONG WINAPI(HKEY, LPCSTR, REGSAM, DWORD)>(
        "advapi32.dll", "RegDeleteKeyExA");
    ASSERT_TRUE(deleteTree && deleteKey);
    ui::RegKey key;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS | Native(root), key.Put()) == ERROR_SUCCESS)
        deleteTree(key.Get(), nullptr);
    key.Reset();
    deleteKey(root, path.c_str(), Native(root), 0);
}

struct Value {
    std::string name;
    DWORD type = REG_NONE;
    std::string data;
};

// The values of the key; nullopt when it does not open.
std::optional<std::vector<Value>> ValuesOf(HKEY root, const std::string& path) {
    ui::RegKey key;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | Native(root), key.Put()) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<Value> values;
    char name[1024], data[8192];
    DWORD nameLen = sizeof name, dataLen = sizeof data, type = 0;
    for (DWORD i = 0; ::RegEnumValueA(key.Get(), i, name, &nameLen, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data), &dataLen) == ERROR_SUCCESS;
         ++i, nameLen = sizeof name, dataLen = sizeof data)
        values.push_back({std::string(name, nameLen), type, std::string(data, dataLen)});
    return values;
}

bool HasValue(HKEY root, const std::string& path, const std::string& name) {
    const auto values = ValuesOf(root, path);
    return values && std::any_of(values->begin(), values->end(),
                                 [&](const Value& v) { return v.name == name; });
}

void SetValue(HKEY root, const std::string& path, const Value& v) {
    ui::RegKey key;
    ASSERT_EQ(::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | Native(root), nullptr,
                                key.Put(), nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key.Get(), v.name.c_str(), 0, v.type,
                     reinterpret_cast<const BYTE*>(v.data.data()),
                     static_cast<DWORD>(v.data.size()));
}

// What a test changes in the registry, undone in reverse order: a key that
// was missing is deleted, one that was there gets back its values.
class RegistryChanges {
public:
    ~RegistryChanges() {
        for (auto it = undo_.rbegin(); it != undo_.rend(); ++it) (*it)();
    }
    void Set(HKEY root, const std::string& path, const std::string& name, DWORD type,
             const std::string& data) {
        Keep(root, path);
        SetValue(root, path, {name, type, data});
    }
    void SetText(HKEY root, const std::string& path, const std::string& name,
                 const std::string& text) {
        Set(root, path, name, REG_SZ, text + '\0');
    }
    void Remove(HKEY root, const std::string& path) {  // a key of values only
        Keep(root, path);
        DeleteTree(root, path);
    }

private:
    void Keep(HKEY root, const std::string& path) {
        for (size_t at = 0; at != std::string::npos;) {  // the first part missing
            at = path.find('\\', at + 1);
            const std::string part = path.substr(0, at);
            if (!ValuesOf(root, part)) {
                undo_.push_back([root, part] { DeleteTree(root, part); });
                return;
            }
        }
        undo_.push_back([root, path, saved = *ValuesOf(root, path)] {
            for (const Value& v : ValuesOf(root, path).value_or(std::vector<Value>{})) {
                ui::RegKey key;
                ::RegOpenKeyExA(root, path.c_str(), 0, KEY_SET_VALUE | Native(root), key.Put());
                ::RegDeleteValueA(key.Get(), v.name.c_str());
            }
            for (const Value& v : saved) SetValue(root, path, v);
        });
    }
    std::vector<std::function<void()>> undo_;
};

std::string Lower(std::string s) {
    ::CharLowerA(s.data());
    return s;
}

int IndexOf(const ui::ListBox& list, const std::string& entry) {
    const Lines items = list.Items();
    const auto it = std::find(items.begin(), items.end(), entry);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

bool Contains(const ui::ListBox& list, const std::string& entry) {
    return IndexOf(list, entry) >= 0;
}

// Whether an entry of the list is that of the named key ("name:...").
bool Lists(const ui::ListBox& list, const std::string& name) {
    const Lines items = list.Items();
    return std::any_of(items.begin(), items.end(),
                       [&](const std::string& s) { return s.rfind(name + ":", 0) == 0; });
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); }

// A right-click on the list, then Down and Enter in the menu it opens; a
// menu that does not take the keys is closed after two seconds.
void RightClickAndChooseFirst(ui::ListBox& list, int index) {
    ::PostMessageA(list.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(list.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 2000, &CloseMenu);
    RECT rc{};
    if (::SendMessageA(list.Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc)) == LB_ERR)
        ::GetClientRect(list.Handle(), &rc), rc.top = rc.bottom - 10;
    ::MapWindowPoints(list.Handle(), nullptr, reinterpret_cast<POINT*>(&rc), 2);
    ::SendMessageA(list.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list.Handle()),
                   MAKELPARAM(rc.left + 5, rc.top + 5));
    ::KillTimer(nullptr, timer);
    ui::PumpMessages();
}

void DoubleClickField(ui::Edit& field) {
    ::SendMessageA(field.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageA(field.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ui::PumpMessages();
}

class RegistryPages : public ProgramTest {
protected:
    zarvik::RegistryPage& Reg() { return On<zarvik::RegistryPage>(); }
    zarvik::AdditionalPage& Additional() { return On<zarvik::AdditionalPage>(); }
    void Show(const ui::TabSheet& sheet) {
        Main().PageControl1.SetActivePage(On<zarvik::LogViewPage>().Sheet());
        Main().PageControl1.SetActivePage(sheet);
        ui::PumpMessages();
    }
    void ShowRegistry() { Show(Reg().Sheet()); }
    // Starts and forgets the start-up question and what it told.
    void Begin() {
        Start();
        prompts.asked.clear();
    }
    Lines Everything() {
        Lines all;
        for (ui::ListBox* list : {&Reg().ListBox10, &Reg().ListBox12, &Reg().ListBox13,
                                  &Reg().ListBox14, &Additional().ListBox9}) {
            const Lines items = list->Items();
            all.insert(all.end(), items.begin(), items.end());
            all.emplace_back("--");
        }
        all.push_back(Reg().Edit11.Text());
        return all;
    }
    RegistryChanges registry;
};

TEST_F(RegistryPages, StartupEntriesAreListedShownAndRemovedAfterYesOnly) {
    registry.SetText(HKEY_LOCAL_MACHINE, kRun, "ZarvikTest Run", "zkprobe.exe /min");
    registry.SetText(HKEY_LOCAL_MACHINE, kRun, "ZarvikTest Stay", "stay.exe");
    registry.SetText(HKEY_LOCAL_MACHINE, kRunOnce, "ZarvikTest Once", "c:\\once.exe");
    Begin();
    ShowRegistry();
    zarvik::RegistryPage& page = Reg();
    EXPECT_EQ(page.PopupMenu1.Caption(0), "Remove Selected");
    EXPECT_EQ(page.PopupMenu2.Caption(0), "Remove Selected");
    EXPECT_EQ(page.PopupMenu3.Caption(0), "RemoveSelected");
    EXPECT_EQ(page.Memo11.Lines().size(), 6u);

    const int run = IndexOf(page.ListBox10, "ZarvikTest Run");
    ASSERT_GE(run, 0);
    EXPECT_TRUE(Contains(page.ListBox12, "ZarvikTest Once"));
    page.PopupMenu1.Choose(0);
    EXPECT_TRUE(prompts.Questions().empty()) << "nothing selected, nothing asked";

    ClickEntry(page.ListBox10, run);
    EXPECT_EQ(page.Edit9.Text(), "zkprobe.exe /min");
    prompts.answers = {false};
    page.PopupMenu1.Choose(0);
    ASSERT_EQ(prompts.Questions(), Lines{"Do you wish to Delete this entry"});
    EXPECT_EQ(prompts.asked.back().title, "Zarvik v1.1");
    EXPECT_TRUE(Contains(page.ListBox10, "ZarvikTest Run")) << "No deletes nothing";
    EXPECT_TRUE(HasValue(HKEY_LOCAL_MACHINE, kRun, "ZarvikTest Run")) << "not even in the registry";

    Additional().ListBox9.Clear();
    ClickEntry(page.ListBox10, IndexOf(page.ListBox10, "ZarvikTest Stay"));
    prompts.answers = {true};
    RightClickAndChooseFirst(page.ListBox10, IndexOf(page.ListBox10, "ZarvikTest Run"));
    EXPECT_FALSE(Contains(page.ListBox10, "ZarvikTest Run"));
    RightClickAndChooseFirst(page.ListBox10, -1);  // below the last: none, so nothing asked
    EXPECT_TRUE(Contains(page.ListBox10, "ZarvikTest Stay"));
    EXPECT_EQ(ValuesOf(HKEY_LOCAL_MACHINE, kRun)->size(),
              static_cast<size_t>(page.ListBox10.Count()));
    EXPECT_GT(Additional().ListBox9.Count(), 0) << "every list is rebuilt";
    EXPECT_EQ(page.Edit9.Text(), "");

    ClickEntry(page.ListBox12, IndexOf(page.ListBox12, "ZarvikTest Once"));
    EXPECT_EQ(page.Edit10.Text(), "c:\\once.exe");
    prompts.answers = {true};
    page.PopupMenu2.Choose(0);
    EXPECT_FALSE(Contains(page.ListBox12, "ZarvikTest Once"));
    EXPECT_EQ(prompts.Questions().size(), 3u);
    EXPECT_TRUE(prompts.Errors().empty());
}

// The prefix is 64-bit Windows: both views are listed, each entry acting in its own.
TEST_F(RegistryPages, EachViewsEntryIsListedReadAndRemovedInItsOwnView) {
    registry.SetText(HKEY_LOCAL_MACHINE, kRun, "ZarvikTest View", "native.exe");
    registry.SetText(HKEY_LOCAL_MACHINE, kWow32Run, "ZarvikTest View", "wow32.exe /x");
    Begin();
    ShowRegistry();
    zarvik::RegistryPage& page = Reg();
    ClickEntry(page.ListBox10, IndexOf(page.ListBox10, "ZarvikTest View (32-bit)"));
    EXPECT_EQ(page.Edit9.Text(), "wow32.exe /x");
    DoubleClickField(page.Edit9);  // a bare name is a file of its view's System directory
    char dir[MAX_PATH];
    EXPECT_EQ(App().Form5().Edit1.Text(),
              std::string(dir, ::GetWindowsDirectoryA(dir, MAX_PATH)) + "\\syswow64\\wow32.exe");
    ClickEntry(page.ListBox10, IndexOf(page.ListBox10, "ZarvikTest View"));
    EXPECT_EQ(page.Edit9.Text(), "native.exe");
    prompts.answers = {true};
    page.PopupMenu1.Choose(0);  // the native entry, clicked last
    EXPECT_FALSE(Contains(page.ListBox10, "ZarvikTest View"));
    const int wow = IndexOf(page.ListBox10, "ZarvikTest View (32-bit)");
    ASSERT_GE(wow, 0) << "the other view's entry stays";
    ClickEntry(page.ListBox10, wow);
    prompts.answers = {true};
    page.PopupMenu1.Choose(0);
    EXPECT_FALSE(Contains(page.ListBox10, "ZarvikTest View (32-bit)"));
}

TEST_F(RegistryPages, ADefaultValueIsAnEmptyEntryAndAMissingKeyAnEmptyList) {
    registry.SetText(HKEY_LOCAL_MACHINE, kRunServices, "", "c:\\default.exe");
    Begin();
    ShowRegistry();
    zarvik::RegistryPage& page = Reg();
    const int entry = IndexOf(page.ListBox13, "");
    ASSERT_GE(entry, 0);
    ClickEntry(page.ListBox13, entry);
    EXPECT_EQ(page.Edit12.Text(), "c:\\default.exe");
    prompts.answers = {true};
    page.PopupMenu3.Choose(0);
    EXPECT_FALSE(Contains(page.ListBox13, ""));

    registry.Remove(HKEY_LOCAL_MACHINE, kRunServices);
    Click(page.Button29);
    EXPECT_EQ(page.ListBox13.Count(), 0);
    EXPECT_GT(page.ListBox14.Count(), 0);
    EXPECT_TRUE(prompts.Errors().empty());
}

TEST_F(RegistryPages, AValueThatIsNotTextIsReportedOnceAndLeftOutWhileTheRestIsListed) {
    const DWORD one = 1;
    const std::string number(reinterpret_cast<const char*>(&one), sizeof one);
    registry.Set(HKEY_CLASSES_ROOT, "ZarvikTest.Odd\\shell\\open\\command", "", REG_DWORD, number);
    registry.SetText(HKEY_CLASSES_ROOT, "ZarvikTest.Plain\\shell\\open\\command", "",
                     "plain.exe %1");
    registry.SetText(HKEY_CLASSES_ROOT, "ZarvikTest.NoOpen\\shell", "", "");
    registry.Set(HKEY_LOCAL_MACHINE, kServices + "ZarvikTestOdd", "ImagePath", REG_BINARY, "ab");
    registry.SetText(HKEY_LOCAL_MACHINE, kServices + "ZarvikTestGood", "ImagePath", "c:\\good.sys");
    registry.Set(HKEY_LOCAL_MACHINE, kServices + "ZarvikTestExpand", "ImagePath", REG_EXPAND_SZ,
                 std::string("%SystemRoot%\\x.sys\0", 19));
    registry.SetText(HKEY_LOCAL_MACHINE, kServices + "ZarvikTestEmpty", "ImagePath", "");
    registry.Set(HKEY_LOCAL_MACHINE, kServices + "ZarvikTestNone", "Type", REG_DWORD, number);
    registry.Set(HKEY_LOCAL_MACHINE, kRun, "ZarvikTest Number", REG_DWORD, number);
    Start();  // the Additional page is shown first, which rebuilds
    const Lines expectedErrors{"Invalid data type for ''", "Invalid data type for 'ImagePath'"};
    EXPECT_EQ(prompts.Errors(), expectedErrors);

    zarvik::RegistryPage& page = Reg();
    ui::ListBox& services = Additional().ListBox9;
    EXPECT_TRUE(Contains(page.ListBox14, "ZarvikTest.Plain:    plain.exe %1"));
    EXPECT_FALSE(Lists(page.ListBox14, "ZarvikTest.Odd"));
    EXPECT_FALSE(Lists(page.ListBox14, "ZarvikTest.NoOpen"));
    EXPECT_TRUE(Contains(page.ListBox14, "exefile:    " + page.Edit11.Text()));
    EXPECT_EQ(page.Edit11.Text(), "\"%1\" %*");
    EXPECT_TRUE(Contains(services, "ZarvikTestGood:  c:\\good.sys"));
    EXPECT_TRUE(Contains(services, "ZarvikTestExpand:  %SystemRoot%\\x.sys")) << "unexpanded";
    for (const char* left : {"ZarvikTestOdd", "ZarvikTestEmpty", "ZarvikTestNone"})
        EXPECT_FALSE(Lists(services, left)) << left;
    EXPECT_GT(services.Count(), 5) << "the services after the odd one are listed too";
    EXPECT_TRUE(Contains(page.ListBox10, "ZarvikTest Number")) << "names are listed";

    // Each showing of either page reads everything afresh, the same again.
    ShowRegistry();
    const Lines first = Everything();
    Show(Additional().Sheet());
    EXPECT_EQ(Everything(), first);
    EXPECT_EQ(prompts.Errors().size(), 3 * expectedErrors.size());

    ClickEntry(page.ListBox10, IndexOf(page.ListBox10, "ZarvikTest Number"));
    EXPECT_EQ(prompts.Errors().back(), "Invalid data type for 'ZarvikTest Number'");
    EXPECT_EQ(page.Edit9.Text(), "");
}

TEST_F(RegistryPages, RepairWritesTheFieldBackAsText) {
    const std::string command = "\"%1\" %*";
    registry.Set(HKEY_CLASSES_ROOT, kExeCommand, "", REG_EXPAND_SZ, command + '\0');
    Begin();
    ShowRegistry();
    zarvik::RegistryPage& page = Reg();
    ASSERT_EQ(page.Edit11.Text(), command);
    Click(page.Button16);
    const std::vector<Value> values = *ValuesOf(HKEY_CLASSES_ROOT, kExeCommand);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(values[0].data, command + '\0');

    Type(page.Edit11, "\"%1\" /zarvik");
    Click(page.Button16);
    EXPECT_EQ((*ValuesOf(HKEY_CLASSES_ROOT, kExeCommand))[0].data, std::string("\"%1\" /zarvik\0", 13));
    EXPECT_EQ(page.Edit11.Text(), "\"%1\" /zarvik") << "no rebuild";
    EXPECT_TRUE(prompts.asked.empty());

    Type(page.Edit11, " ");  // what a failed read leaves, near enough
    Click(page.Button16);
    EXPECT_EQ(prompts.Messages(), Lines{"The Shell Open Command is empty: nothing was written"});
}

TEST_F(RegistryPages, WinIniIsSavedWithCrLfAfterYesAndAFailedSaveLeavesItWhole) {
    const std::string winIni = WindowsDir() + "\\win.ini";
    WriteFile(winIni, "[windows]\nload=\r\nrun=");
    Begin();
    zarvik::AdditionalPage& page = Additional();
    ASSERT_TRUE(page.Button53.Enabled());
    EXPECT_EQ(page.Memo21.Lines(), (Lines{"[windows]", "load=", "run="}));

    prompts.answers = {false};
    Click(page.Button53);
    EXPECT_EQ(prompts.Questions(), Lines{"Do you want to save Win.ini"});
    EXPECT_EQ(ReadFile(winIni), "[windows]\nload=\r\nrun=");
    ::SetFileAttributesA(winIni.c_str(), FILE_ATTRIBUTE_HIDDEN);
    prompts.answers = {true};
    Click(page.Button53);
    EXPECT_EQ(ReadFile(winIni), "[windows]\r\nload=\r\nrun=\r\n");
    EXPECT_TRUE(::GetFileAttributesA(winIni.c_str()) & FILE_ATTRIBUTE_HIDDEN) << "kept";

    Type(page.Memo21, "[windows]\r\nload=zk.exe");
    {
        LockedFile held(winIni);  // another program has it open
        ASSERT_TRUE(held.Held());
        prompts.answers = {true};
        Click(page.Button53);
    }
    EXPECT_EQ(prompts.Errors().size(), 1u);
    EXPECT_EQ(ReadFile(winIni), "[windows]\r\nload=\r\nrun=\r\n");
    EXPECT_EQ(page.Memo21.Text(), "[windows]\r\nload=zk.exe") << "the editor keeps its text";
    WIN32_FIND_DATAA found{};
    ui::FindHandle files(::FindFirstFileA((WindowsDir() + "\\win.ini*").c_str(), &found));
    ASSERT_TRUE(files);
    EXPECT_FALSE(::FindNextFileA(files.Get(), &found)) << "nothing left beside it";
}

TEST_F(RegistryPages, WithoutWinIniTheEditorSaysSoAndSaveStaysDisabled) {
    Start();
    EXPECT_EQ(Additional().Memo21.Lines(), Lines{"Win.ini could not be loaded"});
    EXPECT_FALSE(Additional().Button53.Enabled());
}

TEST_F(RegistryPages, TheirReportsCopyTheirListsUnderTheirHeadings) {
    Start();
    ShowRegistry();
    ui::ListBox& windows = On<zarvik::ProcessListPage>().ListBox7;
    windows.SetItems({"12\tnotepad.exe\tNotepad\t00010064"});
    zarvik::TForm2& tool = App().Form2();
    tool.CheckBox1.SetChecked(true);
    auto block = [](const std::string& heading, const Lines& entries) {
        Lines lines{heading};
        for (const std::string& e : entries) lines.push_back("   " + e);
        lines.emplace_back(" ");
        return lines;
    };
    Click(On<zarvik::ProcessListPage>().Button15);
    EXPECT_TRUE(tool.Visible());
    EXPECT_EQ(tool.RichEdit1.Lines(),
              block("Proc.ID\tProcess Name\tClass Name\tWindow Handle", windows.Items()));
    Click(Reg().Button54);
    EXPECT_EQ(tool.RichEdit1.Lines(), block("Registry Shell Applications", Reg().ListBox14.Items()));
    Click(Additional().Button55);
    EXPECT_EQ(tool.RichEdit1.Lines(),
              block("CurrentControlSetServices", Additional().ListBox9.Items()));
}

TEST_F(RegistryPages, DoubleClicksOpenTheNamedFileInTheViewer) {
    const std::string sample = std::string("Hello World\0\0", 13);
    Begin();
    WriteFile(SystemDir() + "\\zkprobe.exe", sample);
    const std::string tool = root / "Tool Dir";
    MakeDirectory(tool);
    WriteFile(tool + "\\tool.exe", sample);
    registry.SetText(HKEY_LOCAL_MACHINE, kRun, "ZarvikTest Bare", "zkprobe.exe /min");
    registry.SetText(HKEY_LOCAL_MACHINE, kRun, "ZarvikTest Full", "\"" + tool + "\\tool.exe\" -x");
    registry.SetText(HKEY_CLASSES_ROOT, "ZarvikTest.Tool\\shell\\open\\command", "",
                     "\"" + tool + "\\TOOL.EXE\" \"%1\"");
    ShowRegistry();
    zarvik::RegistryPage& page = Reg();
    zarvik::TForm5& viewer = App().Form5();

    DoubleClickField(page.Edit9);
    EXPECT_FALSE(viewer.Visible()) << "an empty field opens nothing";
    const int bare = IndexOf(page.ListBox10, "ZarvikTest Bare");
    ClickEntry(page.ListBox10, bare);
    DoubleClickEntry(page.ListBox10, bare);
    EXPECT_TRUE(viewer.Visible());
    EXPECT_EQ(viewer.Edit1.Text(), SystemDir() + "\\zkprobe.exe");
    EXPECT_EQ(viewer.Memo1.Lines(), Lines{"Hello World"});

    viewer.Hide();
    ClickEntry(page.ListBox10, IndexOf(page.ListBox10, "ZarvikTest Full"));
    DoubleClickField(page.Edit9);
    EXPECT_TRUE(viewer.Visible());
    EXPECT_EQ(viewer.Edit1.Text(), Lower(tool + "\\tool.exe"));
    EXPECT_EQ(viewer.Memo1.Lines(), Lines{"Hello World"});

    viewer.Hide();
    DoubleClickEntry(page.ListBox14, -1);
    EXPECT_FALSE(viewer.Visible());
    DoubleClickEntry(page.ListBox14, IndexOf(page.ListBox14,
                                             "ZarvikTest.Tool:    \"" + tool + "\\TOOL.EXE\" \"%1\""));
    EXPECT_EQ(viewer.Edit1.Text(), Lower(tool + "\\tool.exe"));
    EXPECT_EQ(viewer.Memo1.Lines(), Lines{"Hello World"});
    EXPECT_TRUE(prompts.asked.empty());
}

}  // namespace
