#pragma once

#include <windows.h>

namespace ui {

// An icon object: owns its icon handle and destroys it with itself or when given another one.
// The shell's "no icon" answers (null, and 1 for a file that is no program) leave it empty.
class Icon {
public:
    Icon() = default;
    explicit Icon(HICON handle) { SetHandle(handle); }
    ~Icon() { SetHandle(nullptr); }
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;
    Icon(Icon&& o) noexcept : handle_(o.ReleaseHandle()) {}
    Icon& operator=(Icon&& o) noexcept {
        if (this != &o) SetHandle(o.ReleaseHandle());
        return *this;
    }

    HICON Handle() const { return handle_; }
    bool Empty() const { return handle_ == nullptr; }
    void SetHandle(HICON handle) {
        if (handle_) DestroyIcon(handle_);
        handle_ = reinterpret_cast<ULONG_PTR>(handle) > 1 ? handle : nullptr;
    }
    HICON ReleaseHandle() {
        HICON h = handle_;
        handle_ = nullptr;
        return h;
    }

private:
    HICON handle_ = nullptr;
};

} // namespace ui

namespace ui {

// An icon resource of the program's own module at the given size; empty when there is none.
inline Icon LoadIconResource(const wchar_t* name, int size) {
    return Icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_ICON, size, size, 0)));
}

} // namespace ui
