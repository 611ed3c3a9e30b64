#include "ui/pultedit.h"

#include "ui/pultedit_form.h"
#include "vcl/application.h"
#include "vcl/text.h"

TfmPultEdit* fmPultEdit = nullptr;

namespace {

// A console number names a registry key: at most this many characters, no "\".
constexpr std::size_t MaxPultLength = 255;

} // namespace

TfmPultEdit::TfmPultEdit(vcl::TForm* owner) : TForm(owner) {
    LoadDescription(PultEditFormDescription());
    Bind(GroupBox3, "GroupBox3");
    Bind(Label5, "Label5");
    Bind(Label6, "Label6");
    Bind(EdPass, "EdPass");
    Bind(EdPultNum, "EdPultNum");
    Bind(BtOK, "BtOK");
    Bind(BitBtn2, "BitBtn2");
    BtOK->SetOnClick(vcl::Handler(this, &TfmPultEdit::BtOKClick));
}

TfmPultEdit::~TfmPultEdit() = default;

void TfmPultEdit::BtOKClick(vcl::TControl& /*sender*/) {
    const std::string pult = vcl::Trim(EdPultNum->Text());
    const std::string password = vcl::Trim(EdPass->Text());
    const char* refusal = nullptr;
    if (pult.empty() || password.empty()) {
        refusal = "Введите пультовой номер и пароль";
    } else if (pult.find('\\') != std::string::npos) {
        // It would be stored as nested keys and come back as another number.
        refusal = "Пультовой номер не может содержать символ \\";
    } else if (vcl::Utf16Length(pult) > MaxPultLength) {
        // The registry would silently not store it.
        refusal = "Пультовой номер слишком длинный";
    }
    if (refusal != nullptr) {
        vcl::Application().MessageBox(refusal, "Ошибка", vcl::mbIconError);
        SetModalResult(vcl::mrNone);
    }
}

PultEditSession::PultEditSession() : dialog_(std::make_unique<TfmPultEdit>(nullptr)) {
    fmPultEdit = dialog_.get();
}

PultEditSession::~PultEditSession() {
    fmPultEdit = nullptr;
    dialog_.reset();
}
