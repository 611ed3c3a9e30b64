#pragma once
// The application object: one per process while it lives. It owns the forms,
// runs the message loop, shows errors and message boxes and opens the folder
// chooser. Tests replace the boxes and the chooser through its hooks.
#include "vcl/exception.h"
#include "vcl/process.h" // NativeWindow

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// <windows.h> makes MessageBox a macro; the member keeps its plain name.
#ifdef MessageBox
#undef MessageBox
#endif

namespace vcl {

class TForm;
namespace detail {
class GdiCache;
}

// Message box styles and answers, as the system numbers them.
inline constexpr unsigned mbOk = 0x00;
inline constexpr unsigned mbIconError = 0x10;
inline constexpr unsigned mbUserIcon = 0x80;
inline constexpr int idOk = 1;

// Folder chooser options, as the shell numbers them.
inline constexpr unsigned bifReturnOnlyFsDirs = 0x01;
inline constexpr unsigned bifEditBox = 0x10;
inline constexpr unsigned bifNewDialogStyle = 0x40;

class TApplication {
  public:
    // Records a box instead of showing it and returns the button pressed.
    using MessageBoxHook =
        std::function<int(const std::string& text, const std::string& caption, unsigned flags)>;
    // Answers the folder chooser: a path, or nothing for Cancel.
    using FolderChooserHook = std::function<std::optional<std::string>(
        NativeWindow owner, const std::string& title, unsigned flags)>;
    // Runs once a modal form is shown, before its loop; it may fill and press it.
    using ModalShownHook = std::function<void(TForm& form)>;

    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Common controls and our window classes.
    void Initialize();
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& Title() const { return title_; }

    // Constructs a form into `reference`; the first form becomes the main form.
    // When the construction raises, `reference` is cleared and the error passes on.
    template <class Form> void CreateForm(Form*& reference) {
        reference = nullptr;
        auto form = std::make_unique<Form>(nullptr);
        reference = form.get();
        AddForm(std::move(form));
    }
    TForm* MainForm() const { return mainForm_; }
    // The main window itself carries the taskbar button.
    void SetMainFormOnTaskBar(bool onTaskBar);
    bool MainFormOnTaskBar() const { return mainFormOnTaskBar_; }

    // Shows the main form and handles messages until Terminate.
    void Run();
    // Ends Run once the current message has been handled.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every message waiting in the queue, as Run would.
    void ProcessMessages();
    // Handles one message: dialog keys (Tab, Enter, Esc) for our forms first.
    void DispatchOne(void* msg);

    // A modal box owned by the active form; returns the button pressed.
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
    // The error display: the message, the title as caption, the stop icon.
    void ShowException(const Exception& error);
    // The folder chooser, modal to `owner`; COM is initialised for the thread first.
    std::optional<std::string> BrowseForFolder(NativeWindow owner, const std::string& title,
                                               unsigned flags);

    void SetMessageBoxHook(MessageBoxHook hook) { messageBoxHook_ = std::move(hook); }
    void SetFolderChooserHook(FolderChooserHook hook) { folderHook_ = std::move(hook); }
    void SetModalShownHook(ModalShownHook hook) { modalShownHook_ = std::move(hook); }

    // --- used by the window layer -----------------------------------------
    void ModalShown(TForm& form);
    bool IsOurForm(NativeWindow window) const;
    detail::GdiCache& Gdi() { return *gdi_; }

  private:
    void AddForm(std::unique_ptr<TForm> form);

    std::string title_;
    std::unique_ptr<detail::GdiCache> gdi_; // outlives every form below
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    bool mainFormOnTaskBar_ = false;
    bool running_ = false;
    bool terminated_ = false;
    MessageBoxHook messageBoxHook_;
    FolderChooserHook folderHook_;
    ModalShownHook modalShownHook_;
};

// The application object that lives now; raises when there is none.
TApplication& Application();

// Libraries are loaded from the system folder only, never from the program's
// folder (a downloads folder) or the current one. Call first thing.
void LoadLibrariesFromSystemOnly();

} // namespace vcl
