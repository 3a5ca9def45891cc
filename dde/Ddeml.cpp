#include "dde/Ddeml.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "dde/DdeText.h"

namespace zarvik {

// --- DdeString, DdeData -------------------------------------------------------

void DdeStringTraits::Close(HSZ hsz) const noexcept { instance->FreeString(hsz); }

void DdeDataTraits::Close(HDDEDATA data) const noexcept { instance->FreeData(data); }

namespace {

HSZ CreateString(DdeInstance& instance, std::string_view text) {
    const std::string s(text);
    HSZ hsz = ::DdeCreateStringHandleA(instance.Id(), s.c_str(), CP_WINANSI);
    if (!hsz) throw std::runtime_error("DDE string \"" + s + "\" could not be made");
    return hsz;
}

}  // namespace

DdeString::DdeString(DdeInstance& instance, std::string_view text)
    : UniqueHandle(CreateString(instance, text), {&instance}) {}

// --- DdeInstance -------------------------------------------------------------

DdeInstance*& DdeInstance::InSlot(int slot) noexcept {
    static std::array<DdeInstance*, kSlots> slots{};
    return slots[static_cast<size_t>(slot)];
}

// The library's callback carries no context, so each live instance has a
// callback of its own that finds it by its slot.
template <int Slot>
HDDEDATA CALLBACK DdeInstance::Callback(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2,
                                        HDDEDATA data, ULONG_PTR data1, ULONG_PTR data2) noexcept {
    DdeInstance* self = InSlot(Slot);
    if (!self) return nullptr;
    return self->Dispatch({type, format, conv, hsz1, hsz2, data, data1, data2});
}

DdeInstance::DdeInstance(DdeListener& listener) : listener_(&listener) {
    static constexpr std::array<PFNCALLBACK, kSlots> callbacks{&Callback<0>, &Callback<1>,
                                                               &Callback<2>, &Callback<3>};
    for (int i = 0; i < kSlots && slot_ < 0; ++i)
        if (!InSlot(i)) slot_ = i;
    if (slot_ < 0) throw std::runtime_error("Too many DDE instances");
    InSlot(slot_) = this;
    const UINT result = ::DdeInitializeA(&id_, callbacks[static_cast<size_t>(slot_)],
                                         APPCLASS_STANDARD | CBF_SKIP_REGISTRATIONS |
                                             CBF_SKIP_UNREGISTRATIONS,
                                         0);
    if (result != DMLERR_NO_ERROR) {
        InSlot(slot_) = nullptr;
        throw std::runtime_error("DDE could not be started (error " + std::to_string(result) +
                                 ")");
    }
}

DdeInstance::~DdeInstance() {
    // The library ends every conversation here; nothing of the listener may
    // run any more.
    listener_ = nullptr;
    ::DdeUninitialize(id_);
    InSlot(slot_) = nullptr;
}

HDDEDATA DdeInstance::Dispatch(const DdeTransaction& t) noexcept {
    if (!listener_) return nullptr;
    try {
        return listener_->OnTransaction(t);
    } catch (...) {
        // Zero refuses every kind of transaction: FALSE, no data, DDE_FNOTPROCESSED.
        return nullptr;
    }
}

std::string DdeInstance::Text(HSZ hsz) const {
    if (!hsz) return {};
    const DWORD length = ::DdeQueryStringA(id_, hsz, nullptr, 0, CP_WINANSI);
    if (!length) return {};
    std::string s(length + 1, '\0');
    const DWORD got = ::DdeQueryStringA(id_, hsz, s.data(), length + 1, CP_WINANSI);
    s.resize(got);
    return s;
}

std::string DdeInstance::DataText(HDDEDATA data) {
    if (!data) return {};
    DWORD size = 0;
    const BYTE* bytes = ::DdeAccessData(data, &size);
    if (!bytes) return {};
    std::string text = TextUpToNul({reinterpret_cast<const char*>(bytes), size});
    ::DdeUnaccessData(data);
    return text;
}

HDDEDATA DdeInstance::CreateText(std::string_view text, HSZ item, UINT format) {
    const std::string s(text);  // with its NUL
    return CreateData(s.c_str(), static_cast<DWORD>(s.size() + 1), item, format);
}

HDDEDATA DdeInstance::CreateData(const void* bytes, DWORD size, HSZ item, UINT format) {
    return ::DdeCreateDataHandle(id_, static_cast<LPBYTE>(const_cast<void*>(bytes)), size, 0, item,
                                 format, 0);
}

void DdeInstance::FreeString(HSZ hsz) noexcept { ::DdeFreeStringHandle(id_, hsz); }

void DdeInstance::FreeData(HDDEDATA data) noexcept { ::DdeFreeDataHandle(data); }

}  // namespace zarvik
