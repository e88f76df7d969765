// Move-only owners for the platform's handles. A borrowed handle is a plain HANDLE marked
// "not owned" where it is kept.
#pragma once

#include <windows.h>

#include <utility>

namespace ui {

template <class H, class Close> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : h_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, H{}));
        return *this;
    }

    H get() const { return h_; }
    explicit operator bool() const { return h_ != H{}; }
    H release() { return std::exchange(h_, H{}); }
    void reset(H h = H{}) {
        if (h_ != H{}) Close{}(h_);
        h_ = h;
    }

private:
    H h_{};
};

struct CloseKernelHandle {
    void operator()(HANDLE h) const {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DestroyMenuHandle {
    void operator()(HMENU h) const { DestroyMenu(h); }
};
struct UnmapView {
    void operator()(void* p) const { UnmapViewOfFile(p); }
};

using KernelHandle = UniqueHandle<HANDLE, CloseKernelHandle>;
using Region = UniqueHandle<HRGN, DeleteGdiObject>;
using MenuHandle = UniqueHandle<HMENU, DestroyMenuHandle>;
using MappedView = UniqueHandle<void*, UnmapView>;

// CreateFile reports failure with INVALID_HANDLE_VALUE, not null.
inline KernelHandle FromCreateFile(HANDLE h) { return KernelHandle(h == INVALID_HANDLE_VALUE ? nullptr : h); }

} // namespace ui
