#pragma once
// Owning wrappers for the kernel's handles: files, searches, processes.
// Copying is deleted, moving hands the handle on, so a handle is released
// exactly once on every path out of a command. Traits may carry state (the
// owner a handle is freed through); it moves with the handle.
#include <windows.h>

#include <utility>

namespace platform {

template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Type h) noexcept : handle_(h) {}
    UniqueHandle(Type h, const Traits& traits) noexcept : handle_(h), traits_(traits) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept
        : handle_(other.Release()), traits_(other.traits_) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());  // the old handle goes through the old traits
            traits_ = other.traits_;
        }
        return *this;
    }

    Type Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    Type Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Type h = Traits::Invalid()) noexcept {
        Type old = std::exchange(handle_, h);
        if (old != Traits::Invalid()) traits_.Close(old);
    }
    // For APIs that return a handle through an out-parameter.
    Type* Put() noexcept {
        Reset();
        return &handle_;
    }

private:
    Type handle_ = Traits::Invalid();
    [[no_unique_address]] Traits traits_{};
};

struct FileHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) noexcept { ::CloseHandle(h); }
};
struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type h) noexcept { ::CloseHandle(h); }
};
struct FindHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) noexcept { ::FindClose(h); }
};
using FileHandle = UniqueHandle<FileHandleTraits>;
using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;

}  // namespace platform
