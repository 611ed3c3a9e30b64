// The program's entry: the application object, the wizard window, the message
// loop. Nothing is read from the command line, and the exit code is always 0.
#include "ui/installerunit.h"
#include "vcl/application.h"

int main() {
    // Before anything else: no library is ever loaded from the program's own
    // folder (a downloads folder) or the current one.
    vcl::LoadLibrariesFromSystemOnly();
    try {
        vcl::TApplication application;
        try {
            application.Initialize();
            application.SetTitle("Установщик Вортан.Бар");
            application.CreateForm(fmMain);
            application.SetMainFormOnTaskBar(true);
            application.Run();
        } catch (const vcl::Exception& error) {
            application.ShowException(error);
        } catch (...) {
            try {
                throw vcl::Exception("");
            } catch (const vcl::Exception& empty) {
                application.ShowException(empty);
            }
        }
    } catch (...) {
        // Even the error display failed; the exit code stays 0.
    }
    return 0;
}
