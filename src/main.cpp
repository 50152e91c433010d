#include "editor/frmSplash.h"
#include "platform/qt/GuardedApplication.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/SharedForms.h"

int main(int argc, char** argv) {
    GuardedApplication app(argc, argv);
    InstallQtPlatform();
    // The start-up window closes itself long before the main window; the program ends with
    // the main window.
    app.setQuitOnLastWindowClosed(false);
    int result = 0;
    {
        frmSplash splash;
        if (!splash.Form_Load()) return 0;
        splash.show();
        result = app.exec();
    }
    UnloadAllForms();
    return result;
}
