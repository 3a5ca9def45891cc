#pragma once
// The DDE management library (DDEML) behind one owning object. String and
// data handles belong to an instance and are freed through it, so they
// hold it; the callback hands each transaction to a listener and never
// lets an exception out.
#include <windows.h>
#include <ddeml.h>

#include <optional>
#include <string>
#include <string_view>

#include "ui/Handles.h"

namespace zarvik {

// One transaction as the library hands it to the callback.
struct DdeTransaction {
    UINT type = 0;
    UINT format = 0;
    HCONV conv = nullptr;
    HSZ hsz1 = nullptr;  // the topic, for most types
    HSZ hsz2 = nullptr;  // the item, or the service for connections
    HDDEDATA data = nullptr;  // owned by the library
    ULONG_PTR data1 = 0;
    ULONG_PTR data2 = 0;
};

class DdeListener {
public:
    virtual ~DdeListener() = default;
    // Runs inside the library's callback on the user-interface thread. An
    // exception thrown here refuses the transaction.
    virtual HDDEDATA OnTransaction(const DdeTransaction& t) = 0;
};

class DdeInstance;

// String and data handles are freed through the instance that made them.
struct DdeStringTraits {
    using Type = HSZ;
    DdeInstance* instance = nullptr;
    static Type Invalid() noexcept { return nullptr; }
    void Close(Type hsz) const noexcept;
};
struct DdeDataTraits {
    using Type = HDDEDATA;
    DdeInstance* instance = nullptr;
    static Type Invalid() noexcept { return nullptr; }
    void Close(Type data) const noexcept;
};

// A string handle of one instance.
class DdeString : public ui::UniqueHandle<DdeStringTraits> {
public:
    DdeString() noexcept = default;
    DdeString(DdeInstance& instance, std::string_view text);
};

// A data handle the application owns: the answer of a synchronous request.
// Handles passed to or received from the library in a callback are the
// library's and are never held here.
class DdeData : public ui::UniqueHandle<DdeDataTraits> {
public:
    DdeData() noexcept = default;
    DdeData(DdeInstance& instance, HDDEDATA data) noexcept : UniqueHandle(data, {&instance}) {}
};

class DdeInstance {
public:
    // Registers with the library as a client and server; throws when it
    // refuses. The listener must outlive the instance.
    explicit DdeInstance(DdeListener& listener);
    ~DdeInstance();
    DdeInstance(const DdeInstance&) = delete;
    DdeInstance& operator=(const DdeInstance&) = delete;

    DWORD Id() const noexcept { return id_; }
    DdeString String(std::string_view text) { return DdeString(*this, text); }
    // The text of a string handle; empty for none.
    std::string Text(HSZ hsz) const;
    // Data as text, up to its first NUL; empty for none.
    static std::string DataText(HDDEDATA data);
    // A text handle with a terminating NUL, for the library to send and free.
    HDDEDATA CreateText(std::string_view text, HSZ item, UINT format);
    HDDEDATA CreateData(const void* bytes, DWORD size, HSZ item, UINT format);

    void FreeString(HSZ hsz) noexcept;
    void FreeData(HDDEDATA data) noexcept;

private:
    static constexpr int kSlots = 4;
    template <int Slot>
    static HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2,
                                      HDDEDATA data, ULONG_PTR data1, ULONG_PTR data2) noexcept;
    static DdeInstance*& InSlot(int slot) noexcept;
    HDDEDATA Dispatch(const DdeTransaction& t) noexcept;

    DdeListener* listener_;
    int slot_ = -1;
    DWORD id_ = 0;
};

// A client conversation; disconnected when it ends unless the partner has
// ended it first.
struct DdeConversationTraits {
    using Type = HCONV;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type conv) noexcept { ::DdeDisconnect(conv); }
};
using DdeConversation = ui::UniqueHandle<DdeConversationTraits>;

}  // namespace zarvik
