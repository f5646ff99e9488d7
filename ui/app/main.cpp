// ValdrenCps and ValdrenCps_factory: the desktop programs for Valdren radios. The factory
// build is this file compiled with VALDREN_FACTORY_BUILD.
#include "ui/app/CValdrenCpsApp.h"

#include <QApplication>
#include <csignal>

int main(int argc, char** argv) {
    // a file size limit fails a save (which is reported) instead of killing the program
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
#ifdef VALDREN_FACTORY_BUILD
    constexpr vd::BuildVariant variant = vd::BuildVariant::Factory;
#else
    constexpr vd::BuildVariant variant = vd::BuildVariant::Ordinary;
#endif
    vd::CValdrenCpsApp app(variant);
    if (!app.InitInstance(QApplication::arguments())) {
        return 1;
    }
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
