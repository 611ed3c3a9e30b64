#pragma once
// The wizard's main window: five pages in a fixed order, the navigation
// buttons, the page checks, and the console list page.
#include "install/install_host.h"
#include "settings/installer_settings.h"
#include "vcl/containers.h"
#include "vcl/form.h"
#include "vcl/image.h"
#include "vcl/list_view.h"
#include "vcl/std_controls.h"

class TfmMain : public vcl::TForm, public InstallHost {
  public:
    explicit TfmMain(vcl::TForm* owner);
    ~TfmMain() override;

    // The controls of the form description.
    vcl::TPanel* PCaption = nullptr;
    vcl::TImage* Image1 = nullptr;
    vcl::TLabel* LbDescr = nullptr;
    vcl::TPanel* Panel5 = nullptr;
    vcl::TBevel* Bevel1 = nullptr;
    vcl::TButton* BtNext = nullptr;
    vcl::TButton* BtCancel = nullptr;
    vcl::TButton* BtPrior = nullptr;
    vcl::TPageControl* PCWizard = nullptr;
    vcl::TTabSheet* TSHello = nullptr;
    vcl::TImage* Image6 = nullptr;
    vcl::TLabel* Label1 = nullptr;
    vcl::TLabel* Label2 = nullptr;
    vcl::TTabSheet* TSDir = nullptr;
    vcl::TImage* Image3 = nullptr;
    vcl::TGroupBox* GroupBox1 = nullptr;
    vcl::TLabel* Label4 = nullptr;
    vcl::TEdit* EdVortanBarDir = nullptr;
    vcl::TButton* BtSelFolder = nullptr;
    vcl::TTabSheet* TSServer = nullptr;
    vcl::TImage* Image2 = nullptr;
    vcl::TGroupBox* GroupBox2 = nullptr;
    vcl::TLabel* Label3 = nullptr;
    vcl::TEdit* EdServerAddr = nullptr;
    vcl::TGroupBox* GroupBox3 = nullptr;
    vcl::TRadioButton* RBGoogle = nullptr;
    vcl::TRadioButton* RBYa = nullptr;
    vcl::TTabSheet* TSVortan = nullptr;
    vcl::TImage* Image4 = nullptr;
    vcl::TBitBtn* BtAdd = nullptr;
    vcl::TBitBtn* BtDelete = nullptr;
    vcl::TBitBtn* BtEdit = nullptr;
    vcl::TSortableList* TLPults = nullptr;
    vcl::TListColumn* TLCPult = nullptr;
    vcl::TTabSheet* TSFinish = nullptr;
    vcl::TPanel* Panel3 = nullptr;
    vcl::TImage* Image5 = nullptr;
    vcl::TLabel* Label13 = nullptr;

    // Event handlers.
    void BtNextClick(vcl::TControl& sender);
    void BtPriorClick(vcl::TControl& sender);
    void BtCancelClick(vcl::TControl& sender);
    void TSVortanShow(vcl::TControl& sender);
    void TSDirShow(vcl::TControl& sender);
    void TSServerShow(vcl::TControl& sender);
    void BtAddClick(vcl::TControl& sender);
    void BtEditClick(vcl::TControl& sender);
    void BtDeleteClick(vcl::TControl& sender);
    void TSFinishShow(vcl::TControl& sender);
    void TLPultsDblClick(vcl::TControl& sender);
    void BtSelFolderClick(vcl::TControl& sender);

    // The settings the wizard edits; the install writes them.
    const InstallerSettings& Settings() const { return settings_; }

    // What the install sequence needs of its window.
    vcl::NativeWindow OwnerWindow() const override;
    void ShowError(const std::string& text) override;
    void CloseMainForm() override;

  private:
    void BindControls();
    // Tests the shown page and stores its values; true when the wizard may leave it.
    bool ValidatePage();
    void RunInstall();
    void RefreshPultList();
    void PageChanged();

    InstallerSettings settings_;
};

// The one wizard window, set when the application creates it.
extern TfmMain* fmMain;
