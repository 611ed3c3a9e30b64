#pragma once
// The console editor: one console number with its password, as a modal dialog
// made afresh for every use.
#include "vcl/containers.h"
#include "vcl/form.h"
#include "vcl/std_controls.h"

#include <memory>

class TfmPultEdit : public vcl::TForm {
  public:
    explicit TfmPultEdit(vcl::TForm* owner);
    ~TfmPultEdit() override;

    vcl::TGroupBox* GroupBox3 = nullptr;
    vcl::TLabel* Label5 = nullptr;
    vcl::TLabel* Label6 = nullptr;
    vcl::TEdit* EdPass = nullptr;
    vcl::TEdit* EdPultNum = nullptr;
    vcl::TBitBtn* BtOK = nullptr;
    vcl::TBitBtn* BitBtn2 = nullptr;

    // Refuses what the install could not store; the dialog then stays open.
    void BtOKClick(vcl::TControl& sender);
};

// The editor while it is open; nullptr otherwise.
extern TfmPultEdit* fmPultEdit;

// Creates the editor, with no owner, into fmPultEdit; frees it and clears
// fmPultEdit when it goes out of scope, on every path.
class PultEditSession {
  public:
    PultEditSession();
    ~PultEditSession();
    PultEditSession(const PultEditSession&) = delete;
    PultEditSession& operator=(const PultEditSession&) = delete;
    TfmPultEdit& Dialog() { return *dialog_; }

  private:
    std::unique_ptr<TfmPultEdit> dialog_;
};
