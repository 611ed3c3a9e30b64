#include "vcl/application.h"

#include "vcl/form.h"
#include "vcl/gdi_cache.h"
#include "vcl/text.h"
#include "vcl/win_handles.h"
#include "vcl/window_internals.h"

#include <algorithm>

namespace vcl {
namespace {

TApplication* current = nullptr;

} // namespace

TApplication::TApplication() : gdi_(std::make_unique<detail::GdiCache>()) {
    if (current != nullptr) {
        throw Exception("There is an application object already");
    }
    current = this;
}

TApplication::~TApplication() {
    // Newest first: a form may refer to the ones made before it.
    while (!forms_.empty()) {
        forms_.pop_back();
    }
    mainForm_ = nullptr;
    gdi_.reset();
    current = nullptr;
}

TApplication& Application() {
    if (current == nullptr) {
        throw Exception("There is no application object");
    }
    return *current;
}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&icc);
    for (auto kind :
         {detail::OwnClass::Form, detail::OwnClass::Panel, detail::OwnClass::GroupBox,
          detail::OwnClass::PageControl, detail::OwnClass::TabSheet, detail::OwnClass::Image}) {
        detail::OwnClassName(kind);
    }
}

void TApplication::AddForm(std::unique_ptr<TForm> form) {
    if (mainForm_ == nullptr) {
        mainForm_ = form.get();
    }
    forms_.push_back(std::move(form));
}

void TApplication::SetMainFormOnTaskBar(bool onTaskBar) {
    mainFormOnTaskBar_ = onTaskBar;
    if (mainForm_ != nullptr && mainForm_->Handle() != nullptr) {
        HWND h = mainForm_->Handle();
        LONG_PTR ex = GetWindowLongPtrW(h, GWL_EXSTYLE);
        ex = onTaskBar ? (ex | WS_EX_APPWINDOW) : (ex & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW));
        SetWindowLongPtrW(h, GWL_EXSTYLE, ex);
    }
}

void TApplication::Run() {
    if (mainForm_ == nullptr) {
        return;
    }
    running_ = true;
    struct Stopped {
        bool& flag;
        ~Stopped() { flag = false; }
    } stopped{running_};
    if (!terminated_) {
        mainForm_->Show();
    }
    while (!terminated_ && mainForm_->Handle() != nullptr) {
        MSG msg;
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            break;
        }
        DispatchOne(&msg);
    }
}

void TApplication::Terminate() {
    terminated_ = true;
    // Outside Run (a test driving the forms) there is no loop to wake.
    if (running_) {
        PostQuitMessage(0);
    }
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        DispatchOne(&msg);
    }
}

void TApplication::DispatchOne(void* message) {
    MSG* msg = static_cast<MSG*>(message);
    HWND root = msg->hwnd != nullptr ? GetAncestor(msg->hwnd, GA_ROOT) : nullptr;
    // Tab, the arrows, Enter and Esc as in any dialog window.
    if (root != nullptr && IsOurForm(root) && IsDialogMessageW(root, msg) != FALSE) {
        return;
    }
    TranslateMessage(msg);
    DispatchMessageW(msg);
}

bool TApplication::IsOurForm(NativeWindow window) const {
    return window != nullptr && dynamic_cast<TForm*>(detail::ControlFromHandle(window)) != nullptr;
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    if (messageBoxHook_) {
        return messageBoxHook_(text, caption, flags);
    }
    HWND owner = GetActiveWindow();
    if (!IsOurForm(owner)) {
        owner = (mainForm_ != nullptr && mainForm_->Handle() != nullptr &&
                 IsWindowVisible(mainForm_->Handle()) != FALSE)
                    ? mainForm_->Handle()
                    : nullptr;
    }
    return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), flags);
}

void TApplication::ShowException(const Exception& error) {
    MessageBox(error.Message(), title_, mbOk | mbIconError);
}

std::optional<std::string> TApplication::BrowseForFolder(NativeWindow owner,
                                                         const std::string& title, unsigned flags) {
    if (folderHook_) {
        return folderHook_(owner, title, flags);
    }
    // The chooser needs COM on this thread; initialised for every use.
    UniqueComInit com(SUCCEEDED(CoInitialize(nullptr)));
    const std::wstring wideTitle = Widen(title);
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = wideTitle.c_str();
    info.ulFlags = flags;
    UniqueItemList chosen(SHBrowseForFolderW(&info));
    if (!chosen) {
        return std::nullopt;
    }
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(chosen.get(), path) == FALSE) {
        return std::nullopt;
    }
    return Narrow(path);
}

void TApplication::ModalShown(TForm& form) {
    if (modalShownHook_) {
        modalShownHook_(form);
    }
}

} // namespace vcl
