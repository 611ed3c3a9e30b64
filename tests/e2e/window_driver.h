#pragma once
// Drives another process's windows as a user would: finds them by class and
// text, types into edit boxes, presses buttons and keys. Refuses to press a
// hidden or disabled button, which BM_CLICK alone would press anyway.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

HWND WaitForTopLevel(DWORD pid, const std::wstring& caption, DWORD timeoutMs = 20000);
bool WaitGone(HWND window, DWORD timeoutMs = 20000);

std::wstring Text(HWND window);
std::wstring ClassOf(HWND window);
bool Shown(HWND window); // visible, with every parent visible

// Visible descendants of `top` of one class, in screen order (top to bottom, then left to right).
std::vector<HWND> Visible(HWND top, const std::wstring& cls);
HWND Button(HWND top, const std::wstring& caption); // the visible one with that caption
HWND StaticWithText(HWND top, const std::wstring& text);

void Type(HWND edit, const std::wstring& text); // replaces the text, one character at a time
// Presses a button and waits for the press to be handled.
void Press(HWND button, DWORD timeoutMs = 90000);
// Presses a button without waiting: for buttons that open a modal window.
void PressAsync(HWND button);
void Key(HWND window, WORD vk);

} // namespace e2e
