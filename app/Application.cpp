#include "app/Application.h"

#include <commctrl.h>

#include <stdexcept>

#include "app/MainForm.h"
#include "shell/ProductTexts.h"
#include "display/Display.h"
#include "inspect/Unit5.h"
#include "report/Compare.h"
#include "report/Unit2.h"
#include "system/View.h"
#include "ui/Form.h"

namespace zarvik {

Application::Application(Prompts& prompts, SystemPaths& paths)
    : prompts_(prompts), paths_(paths), logFileSystem_(MakePlatformLogFileSystem()) {
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
    form2_ = std::make_unique<TForm2>(*this);
    form2_->Create();
    form3_ = std::make_unique<TForm3>();
    form3_->Create(form1_->Handle());
    form4_ = std::make_unique<TForm4>(*this);
    form4_->Create();
    form5_ = std::make_unique<TForm5>(*this);
    form5_->Create();
    form6_ = std::make_unique<TForm6>(*this);
    form6_->Create();
    form7_ = std::make_unique<TForm7>(*this);
    form7_->Create();
    form9_ = std::make_unique<TForm9>(*this);
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

LogStore& Application::LogFile() {
    if (!logFile_) throw std::logic_error("The log file is not open");
    return *logFile_;
}

void Application::OpenLogFile(const std::string& path) {
    logFile_ = std::make_unique<LogStore>(path, *logFileSystem_);
}

}  // namespace zarvik
