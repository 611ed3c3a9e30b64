// The floor for start-up: the least a Win32 program can do to put one window
// on the screen, built with the same compiler, flags and static runtime as
// the wizard. Its window is the same size as the wizard's. Built a second
// time with the wizard's manifest and the common controls initialised, it
// shows what those alone cost (bench_floor_cc6).
#include <windows.h>

#ifdef WITH_COMMON_CONTROLS
#include <commctrl.h>
#endif

namespace {

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
#ifdef WITH_COMMON_CONTROLS
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&icc);
#endif
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BenchFloor";
    RegisterClassW(&windowClass);

    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_POPUP;
    RECT bounds{0, 0, 506, 401};
    AdjustWindowRect(&bounds, style, FALSE);
    HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, L"BenchFloor", L"Floor window", style,
                                  CW_USEDEFAULT, CW_USEDEFAULT, bounds.right - bounds.left,
                                  bounds.bottom - bounds.top, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
