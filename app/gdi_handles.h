// Owning and scoped GDI handles: a unique GDI object, a scoped SelectObject, a scoped paint.
#pragma once
#include <windows.h>

namespace vantelo {

// Owns a font or brush. Copying is deleted: a copy would delete the object twice.
template <class Handle>
class UniqueGdiObject {
public:
    UniqueGdiObject() = default;
    explicit UniqueGdiObject(Handle handle) : handle_(handle) {}
    UniqueGdiObject(const UniqueGdiObject&) = delete;
    UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;
    UniqueGdiObject(UniqueGdiObject&& other) noexcept : handle_(other.release()) {}
    UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~UniqueGdiObject() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() {
        Handle handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    void reset(Handle handle = nullptr) {
        if (handle_ != nullptr) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;

// Selects an object into a DC and puts the previous one back when it goes out of scope,
// so the object can be deleted after it.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint ... EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &paint_); }
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};

}  // namespace vantelo
