#pragma once
// The client side of the DDE page: one conversation with a service and
// topic (DdeClientConv1) and the one item it holds a hot link on
// (DdeClientItem1).
#include <deque>
#include <optional>
#include <string>

#include "dde/Ddeml.h"

namespace zarvik {

class DdeClientConv {
public:
    explicit DdeClientConv(DdeInstance& dde) : dde_(dde) {}
    ~DdeClientConv() { Close(); }
    DdeClientConv(const DdeClientConv&) = delete;
    DdeClientConv& operator=(const DdeClientConv&) = delete;

    // Connects to the service and topic, ending any conversation first. An
    // empty name matches any; both empty fails at once, as that would take
    // whichever server answers first.
    bool Connect(const std::string& service, const std::string& topic);
    // Ends the conversation and forgets service and topic; what is still
    // awaited or waiting to be sent is dropped, and no answer to it comes.
    void Close();
    bool Open() const { return static_cast<bool>(conv_); }
    // An asynchronous transaction is still awaited, or waits to be sent.
    bool Busy() const { return pending_ != 0 || !waiting_.empty(); }
    HCONV Handle() const { return conv_.Get(); }
    UINT Format() const { return format_; }

    // The item's data as text, waiting at most `timeoutMs`; nullopt when
    // nothing came back or an asynchronous transaction is not done.
    std::optional<std::string> Request(const std::string& item, DWORD timeoutMs);
    // Asynchronous and in order, each sent once the one before it has its
    // answer: Wine's library takes the answer to one for another's when two
    // are outstanding on a conversation. Nothing is sent without a
    // conversation or for a name the library cannot take.
    void Poke(const std::string& item, const std::string& text);
    void Execute(const std::string& command);
    // The server's answer comes to Completed.
    void StartAdvise(const std::string& item);
    void StopAdvise(const std::string& item);

    // From the callback: the partner ended the conversation; an
    // asynchronous transaction has its answer `result`. For a hot-link
    // request, whether the server granted it.
    void Disconnected();
    std::optional<bool> Completed(DWORD transaction, HDDEDATA result);

private:
    struct Transaction {
        UINT type;
        std::string item, data;
    };
    void Queue(Transaction t);
    // Sends the waiting transactions until one is under way.
    void SendNext();
    bool Send(const Transaction& t);
    void Abandon();

    DdeInstance& dde_;
    std::string service_, topic_;
    DdeConversation conv_;
    UINT format_ = CF_TEXT;
    DWORD pending_ = 0;
    UINT pendingType_ = 0;
    std::deque<Transaction> waiting_;
};

// The hot-linked item: its name, and whether the server granted the link.
struct DdeClientItem {
    std::string item;
    bool linked = false;
};

}  // namespace zarvik
