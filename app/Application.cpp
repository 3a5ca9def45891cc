#include "app/Application.h"

#include <commctrl.h>

#include <stdexcept>

#include "app/MainForm.h"
#include "display/Display.h"
#include "inspect/Unit5.h"
#include "report/Compare.h"
#include "report/Unit2.h"
#include "system/View.h"
#include "shell/ProductTexts.h"
#include "ui/Form.h"

namespace zarvik {

Application::Application(Prompts& prompts, SystemPaths& paths)
    : prompts_(prompts), paths_(paths) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                             ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);
    ui::SetErrorSink([this](const std::string& message) { ShowError(message); });
}

Application::~Application() {
    ui::SetErrorSink({});
    // Windows go before the state they use.
    form9_.reset();
    form7_.reset();
    form6_.reset();
    form5_.reset();
    form4_.reset();
    form3_.reset();
    form2_.reset();
    form1_.reset();
}

void Application::CreateForms() {
    // The title the task bar and Alt-Tab show.
    taskbarWindow_.Create(kProductTitle);
    form1_ = std::make_unique<TForm1>(*this);
    form1_->Create();
    taskbarWindow_.SetMainWindow(form1_->Handle());
    form2_ = std::make_unique<TForm2>(prompts_);
    form2_->Create();
    form3_ = std::make_unique<TForm3>();
    form3_->Create(form1_->Handle());
    form4_ = std::make_unique<TForm4>(*form2_);
    form4_->Create();
    form2_->SetTabsWindow(*form4_);
    form5_ = std::make_unique<TForm5>(*form2_);
    form5_->Create();
    form6_ = std::make_unique<TForm6>(form1_->Handle());
    form6_->Create();
    form7_ = std::make_unique<TForm7>(prompts_, form1_->Handle());
    form7_->Create();
    form9_ = std::make_unique<TForm9>(prompts_, *form2_);
    form9_->Create();
}

int Application::Run() {
    ::ShowWindow(form1_->Handle(), SW_SHOW);
    ::UpdateWindow(form1_->Handle());
    return ui::RunMessageLoop();
}

void Application::ShowError(const std::string& message) {
    HWND owner = form1_ ? form1_->Handle() : nullptr;
    prompts_.ShowError(owner, message, kProductTitle);
}

void Application::Forwarders::AppendReportBlock(std::string_view heading,
                                                const std::vector<std::string>& lines) {
    app_.Form2().AppendReportBlock(heading, lines);
}

void Application::Forwarders::OpenInViewer(const std::string& path) {
    app_.Form5().OpenInViewer(path);
}

void Application::Forwarders::OpenSelectedFile(const ui::FileListBox& list) {
    app_.Form5().OpenSelectedFile(list);
}

void Application::Forwarders::OpenSelectedListEntry(const ui::ListBox& list) {
    app_.Form5().OpenSelectedListEntry(list);
}

void Application::Forwarders::OpenSelectedEntry(const ui::ListBox& list) {
    app_.Form5().OpenSelectedEntry(list);
}

}  // namespace zarvik
