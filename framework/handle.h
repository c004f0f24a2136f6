#pragma once

#include <utility>

// An owned handle of a platform object, given back to the platform by `Release` when the owner
// goes. Move-only, with one move rule: the handle goes with the move and the source is left
// empty; an owner assigned to gives back the handle it held first.
template <class Handle, void (*Release)(Handle)> class THandle {
public:
    THandle() = default;
    explicit THandle(Handle handle) : handle_(handle) {}
    ~THandle() { Reset(); }
    THandle(THandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    THandle& operator=(THandle&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;

    Handle GetHandle() const { return handle_; }
    operator Handle() const { return handle_; }

protected:
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr)
            Release(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};
