#pragma once
// The client side of the DDE page: one conversation with a service and
// topic (DdeClientConv1) and the one item it holds a hot link on
// (DdeClientItem1).
#include <optional>
#include <string>

#include "dde/Ddeml.h"

namespace zarvik {

class DdeClientConv {
public:
    explicit DdeClientConv(DdeInstance& dde) : dde_(dde) {}

    // Connects to the service and topic, ending any conversation first. An
    // empty name matches any; both empty fails at once, as that would take
    // whichever server answers first.
    bool Connect(const std::string& service, const std::string& topic);
    // Ends the conversation and forgets service and topic.
    void Close();
    bool Open() const { return static_cast<bool>(conv_); }
    // An asynchronous transaction is still awaited.
    bool Busy() const { return pending_ != 0; }
    HCONV Handle() const { return conv_.Get(); }
    UINT Format() const { return format_; }

    // The item's data as text, waiting at most `timeoutMs`; nullopt when
    // nothing came back.
    std::optional<std::string> Request(const std::string& item, DWORD timeoutMs);
    // Asynchronous: false when the library refused to send it.
    bool Poke(const std::string& item, const std::string& text);
    bool Execute(const std::string& command);
    bool StartAdvise(const std::string& item, DWORD timeoutMs);
    void StopAdvise(const std::string& item, DWORD timeoutMs);

    // From the callback: the partner ended the conversation; an
    // asynchronous transaction has its answer.
    void Disconnected();
    void Completed(DWORD transaction);

private:
    bool Send(const std::string& data, const std::string& item, UINT type);

    DdeInstance& dde_;
    std::string service_, topic_;
    DdeConversation conv_;
    UINT format_ = CF_TEXT;
    DWORD pending_ = 0;
};

// The hot-linked item: its name, and whether the server granted the link.
struct DdeClientItem {
    std::string item;
    bool linked = false;
};

}  // namespace zarvik
