#pragma once
// One small owner per kind of Windows resource, so that no early return leaks a handle.
#include <windows.h>
#include <ole2.h>

#include <utility>

// Owns a value and releases it with Traits::Close unless it equals Traits::Invalid().
template <class Traits>
class UniqueResource {
public:
    using Value = typename Traits::Value;
    UniqueResource() : m_value(Traits::Invalid()) {}
    explicit UniqueResource(Value value) : m_value(value) {}
    ~UniqueResource() { Reset(); }
    UniqueResource(UniqueResource&& other) noexcept : m_value(other.Release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    Value Get() const { return m_value; }
    bool Valid() const { return m_value != Traits::Invalid(); }
    Value Release() { return std::exchange(m_value, Traits::Invalid()); }
    void Reset(Value value = Traits::Invalid()) {
        if (Valid()) Traits::Close(m_value);
        m_value = value;
    }

private:
    Value m_value;
};

struct KernelHandleTraits {  // threads, processes, events: NULL means none
    using Value = HANDLE;
    static Value Invalid() { return nullptr; }
    static void Close(Value h) { CloseHandle(h); }
};
struct FileHandleTraits {  // CreateFile: INVALID_HANDLE_VALUE means none
    using Value = HANDLE;
    static Value Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Value h) { CloseHandle(h); }
};
struct FindHandleTraits {
    using Value = HANDLE;
    static Value Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Value h) { FindClose(h); }
};
struct RegKeyTraits {
    using Value = HKEY;
    static Value Invalid() { return nullptr; }
    static void Close(Value k) { RegCloseKey(k); }
};
struct LibraryTraits {
    using Value = HMODULE;
    static Value Invalid() { return nullptr; }
    static void Close(Value m) { FreeLibrary(m); }
};
struct GdiObjectTraits {
    using Value = HGDIOBJ;
    static Value Invalid() { return nullptr; }
    static void Close(Value o) { DeleteObject(o); }
};
struct MemoryDcTraits {
    using Value = HDC;
    static Value Invalid() { return nullptr; }
    static void Close(Value dc) { DeleteDC(dc); }
};

using UniqueHandle = UniqueResource<KernelHandleTraits>;
using UniqueFile = UniqueResource<FileHandleTraits>;
using UniqueFind = UniqueResource<FindHandleTraits>;
using UniqueRegKey = UniqueResource<RegKeyTraits>;
using UniqueLibrary = UniqueResource<LibraryTraits>;
using UniqueGdiObject = UniqueResource<GdiObjectTraits>;
using UniqueMemoryDc = UniqueResource<MemoryDcTraits>;

// GetDC / ReleaseDC of one window.
class ScopedWindowDc {
public:
    explicit ScopedWindowDc(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~ScopedWindowDc() { if (m_dc) ReleaseDC(m_window, m_dc); }
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// SelectObject that puts the previous object back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ~ScopedSelect() { if (m_previous) SelectObject(m_dc, m_previous); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// OleInitialize / OleUninitialize for the calling thread (COM, shell links, pictures).
class ScopedOleInit {
public:
    ScopedOleInit() : m_ok(SUCCEEDED(OleInitialize(nullptr))) {}
    ~ScopedOleInit() { if (m_ok) OleUninitialize(); }
    ScopedOleInit(const ScopedOleInit&) = delete;
    ScopedOleInit& operator=(const ScopedOleInit&) = delete;
    bool Ok() const { return m_ok; }

private:
    bool m_ok;
};

// Releases a COM interface pointer.
template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    Interface* Get() const { return m_p; }
    Interface* operator->() const { return m_p; }
    Interface** Put() { Reset(); return &m_p; }
    void Reset() { if (m_p) { m_p->Release(); m_p = nullptr; } }

private:
    Interface* m_p = nullptr;
};
