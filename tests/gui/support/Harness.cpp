#include "gui/support/Harness.h"

#include "filelist/LogViewPage.h"
#include "platform/FileNames.h"
#include "ui/Form.h"

namespace testing_support {

namespace {

std::vector<std::string> TextsOf(const std::vector<ScriptedPrompts::Asked>& asked,
                                 const char* kind) {
    std::vector<std::string> texts;
    for (const auto& a : asked) {
        if (a.kind == kind) {
            texts.push_back(a.text);
            a.read = true;
        }
    }
    return texts;
}

}  // namespace

ScriptedPrompts::~ScriptedPrompts() {
    for (const auto& a : asked) {
        if ((a.kind == "tell" || a.kind == "error") && !a.read)
            ADD_FAILURE() << "shown and never read (" << a.kind << "): " << a.text;
    }
}

std::vector<std::string> ScriptedPrompts::Errors() const { return TextsOf(asked, "error"); }
std::vector<std::string> ScriptedPrompts::Questions() const { return TextsOf(asked, "ask"); }
std::vector<std::string> ScriptedPrompts::Messages() const { return TextsOf(asked, "tell"); }

bool ScriptedPrompts::Ask(HWND, const std::string& text, const std::string& title) {
    asked.push_back({"ask", text, title});
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return false;
    }
    bool yes = answers.front();
    answers.pop_front();
    return yes;
}

void ScriptedPrompts::Tell(HWND, const std::string& text, const std::string& title) {
    asked.push_back({"tell", text, title});
}

void ScriptedPrompts::ShowError(HWND, const std::string& text, const std::string& title) {
    asked.push_back({"error", text, title});
}

std::optional<std::string> ScriptedPrompts::NextFile(const char* kind,
                                                     const zarvik::FileDialogOptions& o) {
    asked.push_back({kind, o.filter, o.title});
    dialogs.push_back(o);
    if (files.empty()) {
        ADD_FAILURE() << "unexpected file dialog (" << kind << ")";
        return std::nullopt;
    }
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<std::string> ScriptedPrompts::OpenFile(HWND, const zarvik::FileDialogOptions& o) {
    return NextFile("open", o);
}

std::optional<std::string> ScriptedPrompts::SaveFile(HWND, const zarvik::FileDialogOptions& o) {
    return NextFile("save", o);
}

std::optional<std::string> ScriptedPrompts::OpenPicture(HWND) {
    asked.push_back({"picture", "", ""});
    if (pictures.empty()) {
        ADD_FAILURE() << "unexpected picture dialog";
        return std::nullopt;
    }
    auto p = pictures.front();
    pictures.pop_front();
    return p;
}

bool ScriptedPrompts::ChooseFont(HWND, LOGFONTA& font, COLORREF&) {
    asked.push_back({"font", font.lfFaceName, ""});
    if (fonts.empty()) {
        ADD_FAILURE() << "unexpected font dialog";
        return false;
    }
    auto f = fonts.front();
    fonts.pop_front();
    if (!f) return false;
    font = *f;
    return true;
}

ui::OwnedDC ScriptedPrompts::DefaultPrinter(std::string& error) {
    if (!printerAvailable) {
        error = "There is no default printer.";
        return {};
    }
    zarvik::Win32Prompts real;
    return real.DefaultPrinter(error);
}

TempDir::TempDir() {
    char base[MAX_PATH] = {};
    ::GetTempPathA(sizeof base, base);
    static unsigned counter = 0;
    for (;;) {
        path_ = std::string(base) + "zk" + std::to_string(::GetCurrentProcessId()) + "_" +
                std::to_string(++counter);
        if (::CreateDirectoryA(path_.c_str(), nullptr)) break;
        if (::GetLastError() != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot create " << path_;
            break;
        }
    }
}

TempDir::~TempDir() { RemoveTree(path_); }

void WriteFile(const std::string& path, const std::string& bytes) {
    ui::FileHandle f(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(f) << "cannot write " << path;
    DWORD written = 0;
    ::WriteFile(f.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void WriteFileOfSize(const std::string& path, size_t size) { WriteFile(path, std::string(size, 'x')); }

std::string ReadFile(const std::string& path) {
    ui::FileHandle f(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) return {};
    std::string bytes;
    char buf[65536];
    DWORD got = 0;
    while (::ReadFile(f.Get(), buf, sizeof buf, &got, nullptr) && got) bytes.append(buf, got);
    return bytes;
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeDirectory(const std::string& path) { ::CreateDirectoryA(path.c_str(), nullptr); }

namespace {

// Wide, so a name outside the code page (a test's 日本語.dll) is removed too.
void RemoveTreeW(const std::wstring& path) {
    WIN32_FIND_DATAW fd;
    ui::FindHandle find(::FindFirstFileW((path + L"\\*").c_str(), &fd));
    if (find) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = path + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTreeW(full);
            } else {
                ::SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(full.c_str());
            }
        } while (::FindNextFileW(find.Get(), &fd));
    }
    find.Reset();
    ::RemoveDirectoryW(path.c_str());
}

}  // namespace

void RemoveTree(const std::string& path) { RemoveTreeW(platform::WidePath(path)); }

bool PrinterSetUp() { return ::GetEnvironmentVariableA("ZARVIK_PRINTER", nullptr, 0) > 0; }

void Click(ui::Window& button) {
    if (!::IsWindowEnabled(button.Handle())) {
        ADD_FAILURE() << "\"" << button.Text() << "\" is disabled";
        return;
    }
    ::SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    ui::PumpMessages();
}

ProgramTest::ProgramTest() {
    paths.windows = root / "windows";
    paths.system = paths.windows + "\\system";
    MakeDirectory(paths.windows);
    MakeDirectory(paths.system);
}

ProgramTest::~ProgramTest() { Stop(); }

void ProgramTest::Start() {
    prompts.answers.push_front(false);
    Launch();
}

void ProgramTest::StartWithExternalList(std::optional<std::string> file) {
    prompts.answers.push_front(true);
    prompts.files.push_front(std::move(file));
    Launch();
}

void ProgramTest::Launch() {
    app_ = std::make_unique<zarvik::Application>(prompts, paths);
    app_->CreateForms();
    ::ShowWindow(Main().Handle(), SW_SHOW);
    ui::PumpMessages();
}

std::vector<std::string> ProgramTest::LogView() {
    auto& view = Main().Page<zarvik::LogViewPage>();
    Main().PageControl1.SetActivePage(view.Sheet());
    return view.Memo9.Lines();
}

void ProgramTest::Stop() {
    app_.reset();
    ui::PumpMessages();
}

}  // namespace testing_support
