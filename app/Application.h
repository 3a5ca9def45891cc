#pragma once
// The composition root: the session (directories, the log, the registry),
// the platform services and every window. One object, created at start-up
// and kept until the program ends. The pages' report sink and file viewer
// are its forwarders to the windows made after the pages.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shell/PageContext.h"
#include "shell/Prompts.h"
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

class Application final {
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
    // Where start-up looks for the directories.
    SystemPaths& Paths() { return paths_; }
    // Begun by the main window's FormCreate; the pages read it.
    Session& CurrentSession() { return session_; }
    ReportSink& Reports() { return forwarders_; }
    FileViewer& Viewer() { return forwarders_; }
    // The window that carries the task-bar button and owns the main window.
    HWND TaskbarWindow() const { return taskbarWindow_.Handle(); }
    // Shows a command's error in a message box owned by the main window.
    void ShowError(const std::string& message);

    // Every window: the main window's toolbar opens the others, and the
    // tests and benchmarks drive each of them.
    TForm1& Form1() { return *form1_; }
    TForm2& Form2() { return *form2_; }
    TForm3& Form3() { return *form3_; }
    TForm4& Form4() { return *form4_; }
    TForm5& Form5() { return *form5_; }
    TForm6& Form6() { return *form6_; }
    TForm7& Form7() { return *form7_; }
    TForm9& Form9() { return *form9_; }

private:
    // The Reporting Tool and the File Viewer as the pages reach them: the
    // pages are made before those windows are.
    class Forwarders final : public ReportSink, public FileViewer {
    public:
        explicit Forwarders(Application& app) : app_(app) {}
        void AppendReportBlock(std::string_view heading,
                               const std::vector<std::string>& lines) override;
        void OpenInViewer(const std::string& path) override;
        void OpenSelectedFile(const ui::FileListBox& list) override;
        void OpenSelectedListEntry(const ui::ListBox& list) override;
        void OpenSelectedEntry(const ui::ListBox& list) override;

    private:
        Application& app_;
    };

    Prompts& prompts_;
    SystemPaths& paths_;
    Session session_;
    Forwarders forwarders_{*this};
    // Outlives every window, which it owns or stands beside.
    ui::ApplicationWindow taskbarWindow_;
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
