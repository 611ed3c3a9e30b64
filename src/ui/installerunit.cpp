#include "ui/installerunit.h"

#include "install/install_sequence.h"
#include "settings/settings_store.h"
#include "ui/installerunit_form.h"
#include "ui/pultedit.h"
#include "vcl/application.h"
#include "vcl/text.h"

TfmMain* fmMain = nullptr;

namespace {

constexpr const char* ErrorCaption = "Ошибка";

} // namespace

TfmMain::TfmMain(vcl::TForm* owner) : TForm(owner) {
    LoadDescription(MainFormDescription());
    BindControls();

    // Back is not offered on the welcome page: it would wrap round to the
    // finish page, from where the wizard could only be closed.
    BtPrior->SetEnabled(false);
    // Enter presses Next ("Далее >", later "Закрыть"), as in other wizards.
    BtNext->SetDefault(true);

    PCWizard->SetActivePageIndex(0);
    settings_ = DefaultSettings();
    LoadSettings(settings_);
}

TfmMain::~TfmMain() {
    if (fmMain == this) {
        fmMain = nullptr;
    }
}

void TfmMain::BindControls() {
    Bind(PCaption, "PCaption");
    Bind(Image1, "Image1");
    Bind(LbDescr, "LbDescr");
    Bind(Panel5, "Panel5");
    Bind(Bevel1, "Bevel1");
    Bind(BtNext, "BtNext");
    Bind(BtCancel, "BtCancel");
    Bind(BtPrior, "BtPrior");
    Bind(PCWizard, "PCWizard");
    Bind(TSHello, "TSHello");
    Bind(Image6, "Image6");
    Bind(Label1, "Label1");
    Bind(Label2, "Label2");
    Bind(TSDir, "TSDir");
    Bind(Image3, "Image3");
    Bind(GroupBox1, "GroupBox1");
    Bind(Label4, "Label4");
    Bind(EdVortanBarDir, "EdVortanBarDir");
    Bind(BtSelFolder, "BtSelFolder");
    Bind(TSServer, "TSServer");
    Bind(Image2, "Image2");
    Bind(GroupBox2, "GroupBox2");
    Bind(Label3, "Label3");
    Bind(EdServerAddr, "EdServerAddr");
    Bind(GroupBox3, "GroupBox3");
    Bind(RBGoogle, "RBGoogle");
    Bind(RBYa, "RBYa");
    Bind(TSVortan, "TSVortan");
    Bind(Image4, "Image4");
    Bind(BtAdd, "BtAdd");
    Bind(BtDelete, "BtDelete");
    Bind(BtEdit, "BtEdit");
    Bind(TLPults, "TLPults");
    TLCPult = TLPults->Column("TLCPult");
    if (TLCPult == nullptr) {
        throw vcl::Exception("The form fmMain has no column TLCPult");
    }
    Bind(TSFinish, "TSFinish");
    Bind(Panel3, "Panel3");
    Bind(Image5, "Image5");
    Bind(Label13, "Label13");

    BtNext->SetOnClick(vcl::Handler(this, &TfmMain::BtNextClick));
    BtPrior->SetOnClick(vcl::Handler(this, &TfmMain::BtPriorClick));
    BtCancel->SetOnClick(vcl::Handler(this, &TfmMain::BtCancelClick));
    BtSelFolder->SetOnClick(vcl::Handler(this, &TfmMain::BtSelFolderClick));
    BtAdd->SetOnClick(vcl::Handler(this, &TfmMain::BtAddClick));
    BtEdit->SetOnClick(vcl::Handler(this, &TfmMain::BtEditClick));
    BtDelete->SetOnClick(vcl::Handler(this, &TfmMain::BtDeleteClick));
    TSDir->SetOnShow(vcl::Handler(this, &TfmMain::TSDirShow));
    TSServer->SetOnShow(vcl::Handler(this, &TfmMain::TSServerShow));
    TSVortan->SetOnShow(vcl::Handler(this, &TfmMain::TSVortanShow));
    TSFinish->SetOnShow(vcl::Handler(this, &TfmMain::TSFinishShow));
    // A double click on a row edits it.
    TLPults->SetOnDblClick(vcl::Handler(this, &TfmMain::TLPultsDblClick));
    // Sorting compares the console numbers of the entries the rows stand for.
    TLPults->SetSortText([this](std::intptr_t position) {
        const auto p = static_cast<size_t>(position);
        return p < settings_.Pults.Count() ? settings_.Pults.At(p).Pult : std::string();
    });
}

// --- navigation --------------------------------------------------------------

void TfmMain::BtNextClick(vcl::TControl& /*sender*/) {
    if (!ValidatePage()) {
        return;
    }
    BtPrior->SetEnabled(true);
    if (PCWizard->ActivePage() == TSFinish) {
        Close();
        return;
    }
    PCWizard->SelectNextPage(true);
    BtCancel->SetEnabled(PCWizard->ActivePage() != TSFinish);
    PageChanged();
}

void TfmMain::BtPriorClick(vcl::TControl& /*sender*/) {
    PCWizard->SelectNextPage(false);
    BtCancel->SetEnabled(PCWizard->ActivePage() != TSFinish);
    PageChanged();
}

void TfmMain::BtCancelClick(vcl::TControl& /*sender*/) {
    Close();
}

void TfmMain::PageChanged() {
    // Enter must not start the install: on the console page it presses only
    // the button that has the focus.
    BtNext->SetDefault(PCWizard->ActivePage() != TSVortan);
    // As in other wizards the keyboard lands on the new page's first control,
    // or on Next when the page has none.
    if (!PCWizard->ActivePage()->SelectFirst() && BtNext->CanFocus()) {
        BtNext->SetFocus();
    }
}

bool TfmMain::ValidatePage() {
    vcl::TTabSheet* page = PCWizard->ActivePage();
    if (page == TSDir) {
        const std::string folder = vcl::Trim(EdVortanBarDir->Text());
        if (folder.empty()) {
            vcl::Application().MessageBox("Введите каталог установки", ErrorCaption,
                                          vcl::mbIconError);
            return false;
        }
        settings_.InstallPath = folder;
        return true;
    }
    if (page == TSServer) {
        const std::string address = vcl::Trim(EdServerAddr->Text());
        const bool passed = !address.empty();
        if (passed) {
            settings_.ServerAddress = address;
        } else {
            vcl::Application().MessageBox("Введите адрес сервера", ErrorCaption, vcl::mbIconError);
        }
        // The map choice is stored even when the address is refused.
        settings_.UseGoogle = RBGoogle->Checked();
        return passed;
    }
    if (page == TSVortan) {
        if (settings_.Pults.Empty()) {
            // No error icon on this one: the style names a custom icon and supplies none.
            vcl::Application().MessageBox("Введите хотя бы один пультовой номер", ErrorCaption,
                                          vcl::mbUserIcon);
            return false;
        }
        RunInstall();
        return true; // whatever the outcome: after an error the program ends anyway
    }
    return true;
}

void TfmMain::RunInstall() {
    ::RunInstall(settings_, *this);
}

// --- pages -------------------------------------------------------------------

void TfmMain::TSDirShow(vcl::TControl& /*sender*/) {
    EdVortanBarDir->SetText(settings_.InstallPath);
    LbDescr->SetCaption("Укажите каталог установки Вортан.Бар");
    BtNext->SetCaption("Далее >");
    BtNext->SetEnabled(true);
    BtPrior->SetEnabled(false);
}

void TfmMain::TSServerShow(vcl::TControl& /*sender*/) {
    EdServerAddr->SetText(settings_.ServerAddress);
    RBGoogle->SetChecked(settings_.UseGoogle);
    RBYa->SetChecked(!settings_.UseGoogle);
    LbDescr->SetCaption("Укажите адрес сервера");
    BtNext->SetCaption("Далее >");
    BtNext->SetEnabled(true);
}

void TfmMain::TSVortanShow(vcl::TControl& /*sender*/) {
    RefreshPultList();
}

void TfmMain::TSFinishShow(vcl::TControl& /*sender*/) {
    LbDescr->SetCaption("Мастер установки окончил свою работу");
    BtNext->SetCaption("Закрыть");
    BtNext->SetEnabled(true);
    BtPrior->SetVisible(false);
}

void TfmMain::BtSelFolderClick(vcl::TControl& /*sender*/) {
    const auto folder = vcl::Application().BrowseForFolder(
        Handle(), "Выберете каталог установки",
        vcl::bifReturnOnlyFsDirs | vcl::bifEditBox | vcl::bifNewDialogStyle);
    if (folder) {
        // Exactly as chosen: the product's subfolder is not appended.
        EdVortanBarDir->SetText(*folder);
    }
}

// --- the console page --------------------------------------------------------

void TfmMain::RefreshPultList() {
    LbDescr->SetCaption("Укажите параметры ЖРН Вортан");
    BtNext->SetCaption("Установить");
    // One update for the whole list, however long it is.
    TLPults->BeginUpdate();
    TLPults->Clear();
    // Each row's data is its entry's position in Pults (the hidden TLCIndex
    // column): Edit and Delete find the entry through it, whatever the sorting.
    for (size_t i = 0; i < settings_.Pults.Count(); ++i) {
        TLPults->Add(settings_.Pults.At(i).Pult, static_cast<std::intptr_t>(i));
    }
    TLPults->EndUpdate();
    BtNext->SetEnabled(TLPults->Count() > 0);
}

void TfmMain::BtAddClick(vcl::TControl& /*sender*/) {
    {
        PultEditSession session;
        if (fmPultEdit->ShowModal() == vcl::mrOk) {
            settings_.Pults.Append(
                {vcl::Trim(fmPultEdit->EdPultNum->Text()), vcl::Trim(fmPultEdit->EdPass->Text())});
        }
    }
    RefreshPultList();
}

void TfmMain::BtEditClick(vcl::TControl& /*sender*/) {
    const auto focused = TLPults->FocusedData();
    if (!focused) {
        return;
    }
    const auto p = static_cast<size_t>(*focused);
    {
        PultEditSession session;
        fmPultEdit->EdPultNum->SetText(settings_.Pults.At(p).Pult);
        fmPultEdit->EdPass->SetText(settings_.Pults.At(p).Password);
        if (fmPultEdit->ShowModal() == vcl::mrOk) {
            settings_.Pults.Replace(p, {vcl::Trim(fmPultEdit->EdPultNum->Text()),
                                        vcl::Trim(fmPultEdit->EdPass->Text())});
        }
    }
    RefreshPultList();
}

void TfmMain::BtDeleteClick(vcl::TControl& /*sender*/) {
    const auto focused = TLPults->FocusedData();
    if (!focused) {
        return;
    }
    settings_.Pults.Erase(static_cast<size_t>(*focused));
    TLPults->DeleteFocused();
    RefreshPultList();
}

void TfmMain::TLPultsDblClick(vcl::TControl& sender) {
    BtEditClick(sender);
}

// --- what the install sequence needs -----------------------------------------

vcl::NativeWindow TfmMain::OwnerWindow() const {
    return Handle();
}

void TfmMain::ShowError(const std::string& text) {
    vcl::Application().MessageBox(text, ErrorCaption, vcl::mbIconError);
}

void TfmMain::CloseMainForm() {
    Close();
}
