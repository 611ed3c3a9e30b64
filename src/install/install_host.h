#pragma once
// What the install sequence needs of the window that runs it.
#include "vcl/files.h"
#include "vcl/process.h"

#include <string>

class InstallHost {
  public:
    virtual ~InstallHost() = default;
    // Owner of what is shown while the registration tool runs.
    virtual vcl::NativeWindow OwnerWindow() const = 0;
    // The error box: caption "Ошибка", the error icon, one OK button; returns
    // once the user has dismissed it.
    virtual void ShowError(const std::string& text) = 0;
    // Closes the main form; the program ends once the current event is handled.
    virtual void CloseMainForm() = 0;
    // The running wizard: the files to install lie beside it.
    virtual std::string SourceExecutable() const { return vcl::ExecutablePath(); }
};
