#pragma once
// The "DDE Services" page: a DDE client and server for testing other
// programs. The server answers the topic "System" with the item "Server"
// under the program's file name from start-up to exit.
#include <memory>
#include <string>
#include <vector>

#include "shell/Page.h"
#include "ui/DdeLater.h"
#include "dde/DdeClient.h"
#include "dde/DdeText.h"
#include "dde/Ddeml.h"

namespace zarvik {

// The server conversation: the topic it answers and the clients on it.
struct DdeServerConv {
    std::string name;
    std::vector<HCONV> conversations;
};

class DdePage final : public NotebookPage, private DdeListener {
public:
    static constexpr const char* kCaption = "DDE Services";
    // How long Request Data waits for its answer.
    static constexpr DWORD kRequestTimeoutMs = 10000;

    DdePage(const PageContext& context, ui::TabSheet& sheet);
    ~DdePage() override;
    void Create() override;
    // Registers the service name for the program's whole run.
    void Start() override;

    ui::Label Title;
    ui::Label ServiceLabel, TopicLabel, ItemLabel, ApplicationLabel;
    ui::Edit Edit14;  // DDE Service
    ui::Edit Edit15;  // DDE Topic
    ui::Edit Edit13;  // DDE Item: poked and hot-linked
    ui::Edit Edit16;  // Service Application
    ui::Button Button40;  // Open Link
    ui::Button Button41;  // Close Link
    ui::Button Button46;  // Request Data
    ui::Edit Edit19;      // item to request, then the data
    ui::Button Button42;  // Poke Data
    ui::Edit Edit17;
    ui::Button Button44;  // Execute Macro
    ui::Edit Edit18;
    ui::Button Button43;  // Poke Data Lines
    ui::Memo Memo15;
    ui::Label ClientTextLabel;
    ui::Memo Memo16;  // data of the hot-linked item
    ui::Label MacroLabel, PokedLabel, ReplyLabel, LogLabel;
    ui::Memo Memo17;      // last command string executed by a client
    ui::Memo Memo18;      // first line of the last data poked
    ui::Memo Memo19;      // the reply
    ui::Button Button45;  // Send Reply
    ui::Memo Memo20;      // log
    // Notifies the hot links on "Server" once the poke that changed it is
    // acknowledged: a hot link must not be advised while the client still
    // awaits that acknowledgement (Wine's library takes the advised data for
    // it and loses it).
    ui::DdeLater AdviseLater;

    void Button40Click();
    void Button41Click();
    void Button46Click();
    void Button42Click();
    void Button43Click();
    void Button44Click();
    void Button45Click();
    void DdeClientItem1Change(const std::string& data);
    void SystemOpen();
    void SystemClose();
    void SystemExecuteMacro(const std::string& command);
    void ServerPokeData();

    // The name this program serves under; empty when DDE could not start.
    const std::string& ServiceName() const { return serviceName_; }
    bool Linked() const { return DdeClientConv1 && DdeClientConv1->Open(); }
    bool Busy() const { return DdeClientConv1 && DdeClientConv1->Busy(); }

    DdeServerConv System{"System", {}};
    DdeServerItem Server{"Server", {}};
    DdeClientItem DdeClientItem1;

private:
    HDDEDATA OnTransaction(const DdeTransaction& t) override;
    HDDEDATA ServerTransaction(const DdeTransaction& t);
    bool IsServerItem(HSZ item, UINT format) const;
    void SetClientItem(const std::string& item);
    void PokeText(const std::string& text);
    void AppendLog(const std::string& line);
    void AdviseServer();
    bool StartServiceProgram(const std::string& service, const std::string& topic);

    // Declared in the order they are made; each goes before the instance.
    std::unique_ptr<DdeInstance> dde_;
    std::string serviceName_;
    DdeString serviceHsz_, topicHsz_, itemHsz_;
    std::unique_ptr<DdeClientConv> DdeClientConv1;
};

}  // namespace zarvik
