#include "dde/DdePage.h"

#include <algorithm>

#include "shell/ProductTexts.h"
#include "core/TextHelpers.h"
#include "ui/Handles.h"

namespace zarvik {

DdePage::DdePage(const PageContext& context, ui::TabSheet& sheet) : NotebookPage(context, sheet) {}

DdePage::~DdePage() {
    // The conversation and the string handles go before their instance.
    DdeClientConv1.reset();
    itemHsz_.Reset();
    topicHsz_.Reset();
    serviceHsz_.Reset();
    dde_.reset();
}

void DdePage::Create() {
    const int h = Area().h;
    using P = DdePage;
    const ui::Memo::Options scrolled{.vScroll = true};
    ui::Lay(*this, Sheet(),
            {
                {Title, kPageTitleRect, "DDE Services", kPageTitle},
                // Labels wide enough for "Service Application" in the page's font.
                {ServiceLabel, {10, 43, 125, 16}, "DDE Service"},
                {Edit14, {140, 40, 180, 21}, ""},
                {TopicLabel, {10, 67, 125, 16}, "DDE Topic"},
                {Edit15, {140, 64, 180, 21}, ""},
                {ItemLabel, {10, 91, 125, 16}, "DDE Item"},
                {Edit13, {140, 88, 180, 21}, ""},
                {ApplicationLabel, {10, 115, 125, 16}, "Service Application"},
                {Edit16, {140, 112, 180, 21}, ""},
                // Spaced so that the client text ends above the page's
                // bottom edge under three rows of tabs.
                {Button40, {10, 138, 100, 25}, "Open Link", &P::Button40Click},
                {Button41, {120, 138, 100, 25}, "Close Link", &P::Button41Click},
                {Button46, {10, 166, 100, 25}, "Request Data", &P::Button46Click},
                {Edit19, {120, 168, 200, 21}, ""},
                {Button42, {10, 194, 100, 25}, "Poke Data", &P::Button42Click},
                {Edit17, {120, 196, 200, 21}, ""},
                {Button44, {10, 222, 100, 25}, "Execute Macro", &P::Button44Click},
                {Edit18, {120, 224, 200, 21}, ""},
                {Button43, {10, 250, 100, 25}, "Poke Data Lines", &P::Button43Click},
                {Memo15, {120, 250, 200, 48}, {}, scrolled},
                {ClientTextLabel, {10, 302, 200, 16}, "DDE Client Text"},
                {Memo16, {10, 318, 310, std::max(h - 326, 24)}, {}, scrolled},
                {MacroLabel, {340, 40, 210, 16}, "Macro Data Recieved"},
                {Memo17, {340, 56, 210, 70}, {}, scrolled},
                {PokedLabel, {565, 40, 210, 16}, "Poked Data Recieved"},
                {Memo18, {565, 56, 210, 70}, {}, scrolled},
                {Memo19, {340, 136, 210, 90}, {}, scrolled},
                {ReplyLabel, {565, 150, 60, 16}, "<-------"},
                {Button45, {565, 170, 100, 25}, "Send Reply", &P::Button45Click},
                {LogLabel, {340, 234, 210, 16}, "Log"},
                {Memo20, {340, 250, 435, std::max(h - 258, 30)}, {}, scrolled},
            });
    AdviseLater.Create();
    AdviseLater.OnPosted = [this] { AdviseServer(); };
}

void DdePage::AdviseServer() {
    if (dde_) ::DdePostAdvise(dde_->Id(), topicHsz_.Get(), itemHsz_.Get());
}

void DdePage::Start() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    try {
        dde_ = std::make_unique<DdeInstance>(*static_cast<DdeListener*>(this));
        serviceName_ = DdeServiceName(path);
        serviceHsz_ = dde_->String(serviceName_);
        topicHsz_ = dde_->String(System.name);
        itemHsz_ = dde_->String(Server.name);
        DdeClientConv1 = std::make_unique<DdeClientConv>(*dde_);
        if (!::DdeNameService(dde_->Id(), serviceHsz_.Get(), nullptr, DNS_REGISTER))
            throw std::runtime_error("The DDE service \"" + serviceName_ +
                                     "\" could not be registered");
    } catch (const std::exception& e) {
        // The program runs on without its server; the client may still work.
        ShowError(e.what());
    }
}

// --- Client ------------------------------------------------------------------

void DdePage::Button40Click() {
    if (!DdeClientConv1) {
        prompts_.Tell(Owner(), "Link Open Failed", kProductTitle);
        return;
    }
    Button41Click();
    const std::string service = Edit14.Text(), topic = Edit15.Text();
    bool opened = DdeClientConv1->Connect(service, topic);
    if (!opened && !service.empty() && StartServiceProgram(service, topic))
        opened = DdeClientConv1->Connect(service, topic);
    // Not awaited: the server's answer sets DdeClientItem1.linked.
    if (opened && !DdeClientItem1.item.empty()) DdeClientConv1->StartAdvise(DdeClientItem1.item);
    if (!opened) DdeClientConv1->Close();
    prompts_.Tell(Owner(), opened ? "Link Opened Successfully" : "Link Open Failed",
                        kProductTitle);
}

bool DdePage::StartServiceProgram(const std::string& service, const std::string& topic) {
    std::string command = DdeStartCommand(service, topic);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWMINNOACTIVE;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &si, &pi))
        return false;
    ui::KernelHandle process(pi.hProcess), thread(pi.hThread);
    // A server registers its name while it starts; give it until it first
    // waits for input (at once for a program without windows).
    ::WaitForInputIdle(process.Get(), kRequestTimeoutMs);
    return true;
}

void DdePage::Button41Click() {
    if (!DdeClientConv1) return;
    DdeClientConv1->Close();
    DdeClientItem1.linked = false;
}

void DdePage::Button46Click() {
    std::optional<std::string> data;
    if (DdeClientConv1) data = DdeClientConv1->Request(Edit19.Text(), kRequestTimeoutMs);
    Edit19.SetText(data.value_or(""));
}

void DdePage::SetClientItem(const std::string& item) {
    if (item == DdeClientItem1.item) return;
    if (DdeClientItem1.linked) DdeClientConv1->StopAdvise(DdeClientItem1.item);
    DdeClientItem1 = {item, false};
    if (Linked()) DdeClientConv1->StartAdvise(item);
}

void DdePage::PokeText(const std::string& text) {
    if (!DdeClientConv1 || DdeClientConv1->Busy()) return;
    const std::string item = Edit13.Text();
    SetClientItem(item);
    // Sent behind the hot-link change; not awaited, its outcome not shown.
    DdeClientConv1->Poke(item, text);
}

void DdePage::Button42Click() { PokeText(Edit17.Text()); }

void DdePage::Button43Click() { PokeText(JoinLinesCrLf(Memo15.Lines())); }

void DdePage::Button44Click() {
    if (DdeClientConv1 && !DdeClientConv1->Busy()) DdeClientConv1->Execute(Edit18.Text());
}

void DdePage::DdeClientItem1Change(const std::string& data) { Memo16.SetText(FirstLine(data)); }

// --- Server ------------------------------------------------------------------

void DdePage::AppendLog(const std::string& line) { Memo20.AppendLine(line); }

void DdePage::SystemOpen() { AppendLog(kConnectionAccepted); }

void DdePage::SystemClose() { AppendLog(kConnectionClosed); }

void DdePage::SystemExecuteMacro(const std::string& command) {
    Memo17.SetLines(SplitLines(command));
}

void DdePage::ServerPokeData() {
    for (const std::string& line : Prefixed(kPokedPrefix, Server.lines)) AppendLog(line);
    Memo18.SetText(Server.First());
}

void DdePage::Button45Click() {
    for (const std::string& line : Prefixed(kReplyPrefix, Memo19.Lines())) AppendLog(line);
    Server.lines = {Memo19.Text()};
    AdviseServer();
}

// --- The library's events ----------------------------------------------------

bool DdePage::IsServerItem(HSZ item, UINT format) const {
    return format == CF_TEXT && dde_->Text(item) == Server.name;
}

HDDEDATA DdePage::OnTransaction(const DdeTransaction& t) {
    const bool client = DdeClientConv1 && t.conv && t.conv == DdeClientConv1->Handle();
    if (!client) return ServerTransaction(t);
    switch (t.type) {
    case XTYP_XACT_COMPLETE:
        if (const auto granted = DdeClientConv1->Completed(static_cast<DWORD>(t.data1), t.data))
            DdeClientItem1.linked = *granted && dde_->Text(t.hsz2) == DdeClientItem1.item;
        return nullptr;
    case XTYP_ADVDATA:
        if (!DdeClientItem1.linked || dde_->Text(t.hsz2) != DdeClientItem1.item) return nullptr;
        DdeClientItem1Change(DdeInstance::DataText(t.data));
        return reinterpret_cast<HDDEDATA>(DDE_FACK);
    case XTYP_DISCONNECT:
        DdeClientConv1->Disconnected();
        DdeClientItem1.linked = false;
        return nullptr;
    default:
        return nullptr;
    }
}

HDDEDATA DdePage::ServerTransaction(const DdeTransaction& t) {
    auto& open = System.conversations;
    const bool ours = std::find(open.begin(), open.end(), t.conv) != open.end();
    switch (t.type) {
    case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(
            static_cast<ULONG_PTR>(SameTopic(dde_->Text(t.hsz1), System.name)));
    case XTYP_CONNECT_CONFIRM:
        open.push_back(t.conv);
        SystemOpen();
        return nullptr;
    case XTYP_DISCONNECT:
        if (!ours) return nullptr;
        open.erase(std::find(open.begin(), open.end(), t.conv));
        SystemClose();
        return nullptr;
    case XTYP_EXECUTE:
        if (!ours) return nullptr;
        SystemExecuteMacro(DdeInstance::DataText(t.data));
        return reinterpret_cast<HDDEDATA>(DDE_FACK);
    case XTYP_POKE:
        if (!ours || !IsServerItem(t.hsz2, t.format)) return nullptr;
        Server.Poke(DdeInstance::DataText(t.data));
        AdviseLater.Post();
        ServerPokeData();
        return reinterpret_cast<HDDEDATA>(DDE_FACK);
    case XTYP_ADVSTART:
        return reinterpret_cast<HDDEDATA>(
            static_cast<ULONG_PTR>(ours && IsServerItem(t.hsz2, t.format)));
    case XTYP_REQUEST:
    case XTYP_ADVREQ:
        if (!ours || !IsServerItem(t.hsz2, t.format)) return nullptr;
        return dde_->CreateText(Server.Text(), itemHsz_.Get(), CF_TEXT);
    default:
        return nullptr;
    }
}

}  // namespace zarvik
