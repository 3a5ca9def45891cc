#include "dde/DdeClient.h"

namespace zarvik {

namespace {

// The library makes no string of a name longer than an atom may be; such a
// name finds no partner, as a name no server answers to.
constexpr size_t kLongestName = 255;

bool Fits(const std::string& name) { return name.size() <= kLongestName; }

}  // namespace

bool DdeClientConv::Connect(const std::string& service, const std::string& topic) {
    Close();
    if (service.empty() && topic.empty()) return false;
    if (!Fits(service) || !Fits(topic)) return false;
    DdeString s, t;
    if (!service.empty()) s = dde_.String(service);
    if (!topic.empty()) t = dde_.String(topic);
    conv_ = DdeConversation(::DdeConnect(dde_.Id(), s.Get(), t.Get(), nullptr));
    if (!conv_) return false;
    service_ = service;
    topic_ = topic;
    // The format the server reports for the conversation, else plain text.
    CONVINFO info{};
    info.cb = sizeof info;
    format_ = CF_TEXT;
    if (::DdeQueryConvInfo(conv_.Get(), QID_SYNC, &info) && info.wFmt) format_ = info.wFmt;
    return true;
}

void DdeClientConv::Close() {
    Abandon();
    conv_.Reset();
    service_.clear();
    topic_.clear();
    format_ = CF_TEXT;
}

void DdeClientConv::Abandon() {
    // An abandoned transaction gets no answer: none reaches a closed
    // conversation, and ending it does not wait for one.
    if (pending_ && conv_) ::DdeAbandonTransaction(dde_.Id(), conv_.Get(), 0);
    pending_ = 0;
    pendingType_ = 0;
    waiting_.clear();
}

std::optional<std::string> DdeClientConv::Request(const std::string& item, DWORD timeoutMs) {
    // The library makes no string of an empty name: nothing to ask for. It
    // would also take an awaited transaction's answer for this one's.
    if (!conv_ || Busy() || item.empty() || !Fits(item)) return std::nullopt;
    DdeString name = dde_.String(item);
    DdeData data(dde_, ::DdeClientTransaction(nullptr, 0, conv_.Get(), name.Get(), format_,
                                              XTYP_REQUEST, timeoutMs, nullptr));
    if (!data) return std::nullopt;
    return DdeInstance::DataText(data.Get());
}

void DdeClientConv::Queue(Transaction t) {
    if (!conv_ || !Fits(t.item)) return;
    waiting_.push_back(std::move(t));
    SendNext();
}

void DdeClientConv::SendNext() {
    while (conv_ && !pending_ && !waiting_.empty()) {
        const Transaction t = std::move(waiting_.front());
        waiting_.pop_front();
        try {
            if (Send(t)) pendingType_ = t.type;
        } catch (...) {
            waiting_.clear();  // nothing would ever send them
            throw;
        }
    }
}

bool DdeClientConv::Send(const Transaction& t) {
    // The library makes no string of an empty name: a poke or hot link on
    // none is refused, an execute names no item.
    const bool named = !t.item.empty();
    if (!named && t.type != XTYP_EXECUTE) return false;
    DdeString name;
    if (named) name = dde_.String(t.item);
    // Data goes with its terminating NUL; the library copies it.
    const bool withData = t.type == XTYP_POKE || t.type == XTYP_EXECUTE;
    DWORD transaction = 0;
    const HDDEDATA sent = ::DdeClientTransaction(
        withData ? reinterpret_cast<LPBYTE>(const_cast<char*>(t.data.c_str())) : nullptr,
        withData ? static_cast<DWORD>(t.data.size() + 1) : 0, conv_.Get(), name.Get(), format_,
        t.type, TIMEOUT_ASYNC, &transaction);
    if (!sent) return false;
    pending_ = transaction;
    return true;
}

void DdeClientConv::Poke(const std::string& item, const std::string& text) {
    Queue({XTYP_POKE, item, text});
}

void DdeClientConv::Execute(const std::string& command) {
    Queue({XTYP_EXECUTE, {}, command});
}

void DdeClientConv::StartAdvise(const std::string& item) { Queue({XTYP_ADVSTART, item, {}}); }

void DdeClientConv::StopAdvise(const std::string& item) { Queue({XTYP_ADVSTOP, item, {}}); }

void DdeClientConv::Disconnected() {
    // The partner has ended it: let its transactions go, then forget the
    // handle without disconnecting.
    Abandon();
    conv_.Release();
    Close();
}

std::optional<bool> DdeClientConv::Completed(DWORD transaction, HDDEDATA result) {
    if (!pending_ || transaction != pending_) return std::nullopt;
    const UINT type = pendingType_;
    pending_ = 0;
    pendingType_ = 0;
    // Wine's library keeps a completed asynchronous transaction queued and
    // takes every later answer on the conversation for its own (hot-link
    // data included). Only one is ever outstanding here, so abandoning all
    // of the conversation's lets it go; elsewhere there is none left.
    ::DdeAbandonTransaction(dde_.Id(), conv_.Get(), 0);
    SendNext();
    if (type != XTYP_ADVSTART) return std::nullopt;
    return result != nullptr;
}

}  // namespace zarvik
