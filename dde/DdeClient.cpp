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
    conv_.Reset();
    service_.clear();
    topic_.clear();
    pending_ = 0;
    format_ = CF_TEXT;
}

std::optional<std::string> DdeClientConv::Request(const std::string& item, DWORD timeoutMs) {
    // The library makes no string of an empty name: nothing to ask for.
    if (!conv_ || Busy() || item.empty() || !Fits(item)) return std::nullopt;
    DdeString name = dde_.String(item);
    DdeData data(dde_, ::DdeClientTransaction(nullptr, 0, conv_.Get(), name.Get(), format_,
                                              XTYP_REQUEST, timeoutMs, nullptr));
    if (!data) return std::nullopt;
    return DdeInstance::DataText(data.Get());
}

bool DdeClientConv::Send(const std::string& data, const std::string& item, UINT type) {
    if (!conv_ || Busy() || !Fits(item)) return false;
    DdeString name;
    if (!item.empty()) name = dde_.String(item);
    DWORD transaction = 0;
    // The text goes with its terminating NUL; the library copies it.
    const HDDEDATA sent = ::DdeClientTransaction(
        reinterpret_cast<LPBYTE>(const_cast<char*>(data.c_str())),
        static_cast<DWORD>(data.size() + 1), conv_.Get(), name.Get(),
        format_, type, TIMEOUT_ASYNC, &transaction);
    if (!sent) return false;
    pending_ = transaction;
    return true;
}

bool DdeClientConv::Poke(const std::string& item, const std::string& text) {
    return Send(text, item, XTYP_POKE);
}

bool DdeClientConv::Execute(const std::string& command) {
    return Send(command, {}, XTYP_EXECUTE);
}

bool DdeClientConv::StartAdvise(const std::string& item, DWORD timeoutMs) {
    if (!conv_ || Busy() || item.empty() || !Fits(item)) return false;
    DdeString name = dde_.String(item);
    return ::DdeClientTransaction(nullptr, 0, conv_.Get(), name.Get(), format_, XTYP_ADVSTART,
                                  timeoutMs, nullptr) != nullptr;
}

void DdeClientConv::StopAdvise(const std::string& item, DWORD timeoutMs) {
    if (!conv_ || Busy() || item.empty() || !Fits(item)) return;
    DdeString name = dde_.String(item);
    ::DdeClientTransaction(nullptr, 0, conv_.Get(), name.Get(), format_, XTYP_ADVSTOP, timeoutMs,
                           nullptr);
}

void DdeClientConv::Disconnected() {
    // The handle is dead already: forget it without disconnecting.
    conv_.Release();
    Close();
}

void DdeClientConv::Completed(DWORD transaction) {
    if (!pending_ || transaction != pending_) return;
    pending_ = 0;
    // Wine's library keeps a completed asynchronous transaction queued and
    // takes every later answer on the conversation for its own (hot-link
    // data included). Only one is ever outstanding here, so abandoning all
    // of the conversation's lets it go; elsewhere there is none left.
    ::DdeAbandonTransaction(dde_.Id(), conv_.Get(), 0);
}

}  // namespace zarvik
