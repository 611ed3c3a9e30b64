#pragma once
// Plumbing shared by the window layer's sources; nothing above vcl/ sees it.
#include "vcl/control.h"
#include "vcl/font.h"

#include <cstdint>
#include <string>

#include <windows.h>

#ifdef MessageBox
#undef MessageBox
#endif

namespace vcl::detail {

// Messages carry handles and pointers in their integer parameters.
template <class T> T FromMessage(std::intptr_t value) {
    return reinterpret_cast<T>(value); // NOLINT(performance-no-int-to-ptr)
}

// Our own window classes; all of them share one window procedure.
enum class OwnClass { Form, Panel, GroupBox, PageControl, TabSheet, Image, Bevel };
const wchar_t* OwnClassName(OwnClass kind);

// The control object of a window made by this layer, or nullptr.
TControl* ControlFromHandle(HWND handle);
void RegisterHandle(HWND handle, TControl* control);
void UnregisterHandle(HWND handle);

// Creates a child window for `self`. Our own classes get `self` bound before
// the first message arrives.
HWND MakeChildWindow(TControl& self, const wchar_t* className, DWORD style, DWORD exStyle,
                     HWND parent, const TRect& bounds, const std::string& text, int id);

HINSTANCE ModuleInstance();
HFONT FontHandle(const FontSpec& font);
HBRUSH BrushFor(TColor color);
COLORREF ResolveColor(TColor color);

// Shows the exception being handled through the application object. Never throws.
void ShowCurrentException() noexcept;

// Sends WM_COMMAND/WM_NOTIFY/WM_CTLCOLOR* back to the child that sent them.
// Returns true (and the result) when a child object took the message.
bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

} // namespace vcl::detail
