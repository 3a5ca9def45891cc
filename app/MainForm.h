#pragma once
// TForm1, the main window's frame: the toolbar, the status line, the
// notebook and start-up. Each notebook page is a unit of its own in its
// subsystem's folder (shell/Page.h); the frame holds them in tab order,
// gives each the program's context and wires what one page needs of
// another. The toolbar's commands call the functions of their subsystems.
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "filelist/CommandProgress.h"
#include "shell/Page.h"
#include "system/ServicesSource.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace zarvik {

class Application;

class TForm1 : public ui::Form, public StatusLine {
public:
    explicit TForm1(Application& app);
    ~TForm1() override;

    // Builds the window and its pages and runs FormCreate.
    void Create();

    // --- Toolbar (Panel3) ---
    ui::Panel Panel3;
    ui::ToolTip Hints;
    ui::SpeedButton SpeedButton1;   // Build FileList
    ui::SpeedButton SpeedButton2;   // Analyze FileList
    ui::SpeedButton SpeedButton5;   // Clear FileList
    ui::SpeedButton SpeedButton6;   // Generate Change Report
    ui::SpeedButton SpeedButton12;  // Export Results
    ui::SpeedButton SpeedButton4;   // About
    ui::SpeedButton SpeedButton7;   // Export FileList
    ui::SpeedButton SpeedButton11;  // Display Zarvik Reporting Tool
    ui::SpeedButton SpeedButton10;  // Compare Reports
    ui::SpeedButton SpeedButton8;   // Display Settings
    ui::SpeedButton SpeedButton3;   // Quit
    ui::Label Label14;              // "Processing, Please Wait"

    ui::StatusBar StatusBar1;
    ui::ListBox ListBox5;  // hidden scratch list of log keys
    ui::PageControl PageControl1;

    // The page of that class.
    template <class P>
    P& Page() const {
        if (P* p = FindPage<P>()) return *p;
        throw std::logic_error("The notebook has no such page");
    }
    // The same for a page that not every machine has; null without it.
    template <class P>
    P* FindPage() const {
        for (const auto& page : pages_)
            if (auto* p = dynamic_cast<P*>(page.get())) return p;
        return nullptr;
    }

    // --- Start-up and the frame's commands (app/) ---
    void FormCreate();
    void SpeedButton3Click();   // Quit
    void SpeedButton4Click();   // About
    void SpeedButton8Click();   // Display Settings
    void SpeedButton10Click();  // Compare Reports
    void SpeedButton11Click();  // Reporting Tool
    void StatusBar1DblClick();
    // StatusLine
    void BeginProcessing() override;
    void EndProcessing() override;
    void SetStatus(const std::string& text) override;
    void PaintStatus(const std::string& text) override;

    // --- File list (filelist/) ---
    void SpeedButton1Click();  // Build FileList
    void SpeedButton5Click();  // Clear FileList
    void SpeedButton7Click();  // Export FileList

    // --- Change analysis (analysis/) ---
    void SpeedButton2Click();  // Analyze FileList
    void SpeedButton6Click();  // Generate Change Report
    void SpeedButton12Click();  // Export Results

    Application& App() { return app_; }

private:
    void CreatePages();
    void MakeCommandLists();
    // A page gets what it needs of other pages as it is made.
    template <class P, class... Links>
    void AddPage(Links&&... links);
    // Start-up's steps before the session begins, on what it has found so far.
    void PrepareLogFile(const std::string& logFileName);
    void ChooseLogFile(SessionPaths& paths);
    void LoadLogView(SessionPaths& paths);
    void SetExternalListMode(bool external);

    Application& app_;
    const PageContext context_;
    // The Registry page fills it, the Additional page shows it; it outlives both.
    ServicesSource services_;
    std::vector<std::unique_ptr<NotebookPage>> pages_;  // tab order
    AnalysisResults results_;  // the facts of the result lists' entries
    std::optional<CommandLists> lists_;  // the pages' lists the commands work on
};

}  // namespace zarvik
