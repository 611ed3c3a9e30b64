#pragma once
// Traits for the Win32 handle kinds this layer owns. Only vcl/ includes this.
#include "vcl/handle.h"

#include <windows.h>

#include <shlobj.h>

namespace vcl {

struct RegKeyTraits {
    using pointer = HKEY;
    static pointer invalid() { return nullptr; }
    static void close(pointer h) { RegCloseKey(h); }
};
using UniqueRegKey = UniqueHandle<RegKeyTraits>;

struct KernelHandleTraits {
    using pointer = HANDLE;
    static pointer invalid() { return nullptr; }
    static void close(pointer h) { CloseHandle(h); }
};
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;

// CreateFile reports failure as INVALID_HANDLE_VALUE, not null.
struct FileHandleTraits {
    using pointer = HANDLE;
    static pointer invalid() { return INVALID_HANDLE_VALUE; }
    static void close(pointer h) { CloseHandle(h); }
};
using UniqueFileHandle = UniqueHandle<FileHandleTraits>;

struct GdiObjectTraits {
    using pointer = HGDIOBJ;
    static pointer invalid() { return nullptr; }
    static void close(pointer h) { DeleteObject(h); }
};
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;

struct ItemListTraits {
    using pointer = PIDLIST_ABSOLUTE;
    static pointer invalid() { return nullptr; }
    static void close(pointer h) { CoTaskMemFree(h); }
};
using UniqueItemList = UniqueHandle<ItemListTraits>;

} // namespace vcl

#include <commctrl.h>

namespace vcl {

struct ImageListTraits {
    using pointer = HIMAGELIST;
    static pointer invalid() { return nullptr; }
    static void close(pointer h) { ImageList_Destroy(h); }
};
using UniqueImageList = UniqueHandle<ImageListTraits>;

// Holds a successful CoInitialize; released with CoUninitialize.
struct ComInitTraits {
    using pointer = bool;
    static pointer invalid() { return false; }
    static void close(pointer) { CoUninitialize(); }
};
using UniqueComInit = UniqueHandle<ComInitTraits>;

// A top-level window that no parent destroys.
struct WindowTraits {
    using pointer = HWND;
    static pointer invalid() { return nullptr; }
    static void close(pointer h) { DestroyWindow(h); }
};
using UniqueWindow = UniqueHandle<WindowTraits>;

} // namespace vcl
