#pragma once
// The program-wide state: the two directories, the log file this run works
// on, the log store, the registry accessor and every window. One object,
// created at start-up and kept until the program ends.
#include <memory>
#include <string>

#include "shell/Prompts.h"
#include "core/LogFileSystem.h"
#include "core/LogStore.h"
#include "shell/Registry.h"
#include "ui/Form.h"

namespace zarvik {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm9;

class Application {
public:
    Application(Prompts& prompts, SystemPaths& paths);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates every window in the designed order; the main window's
    // FormCreate runs first, before any other window exists.
    void CreateForms();
    // Shows the main window and runs the message loop until it closes.
    int Run();

    Prompts& Dialogs() { return prompts_; }
    // The window that carries the task-bar button and owns the main window.
    HWND TaskbarWindow() const { return taskbarWindow_.Handle(); }
    SystemPaths& Paths() { return paths_; }

    // Shows a command's error in a message box owned by the main window.
    void ShowError(const std::string& message);

    std::string WindowsPath;  // with "\" appended
    std::string SystemPath;   // with "\" appended; the native one on 64-bit Windows
    // The 32-bit System directory of 64-bit Windows with "\" appended;
    // empty on 32-bit Windows.
    std::string SystemWow64Path;
    std::string LogFileName;
    bool ExternalList = false;
    RegistryAccessor Registry;

    // The store on LogFileName; opened by FormCreate and never left unopened.
    LogStore& LogFile();
    void OpenLogFile(const std::string& path);

    TForm1& Form1() { return *form1_; }
    TForm2& Form2() { return *form2_; }
    TForm3& Form3() { return *form3_; }
    TForm4& Form4() { return *form4_; }
    TForm5& Form5() { return *form5_; }
    TForm6& Form6() { return *form6_; }
    TForm7& Form7() { return *form7_; }
    TForm9& Form9() { return *form9_; }

private:
    Prompts& prompts_;
    SystemPaths& paths_;
    // Outlives every window, which it owns or stands beside.
    ui::ApplicationWindow taskbarWindow_;
    std::unique_ptr<LogFileSystem> logFileSystem_;
    std::unique_ptr<LogStore> logFile_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<TForm6> form6_;
    std::unique_ptr<TForm7> form7_;
    std::unique_ptr<TForm9> form9_;
};

}  // namespace zarvik
