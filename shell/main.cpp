// Entry point of the desktop program.
#include "shell/commandline.h"
#include "shell/dravonapp.h"

int main(int argc, char **argv)
{
    // The print modes and --help need no display: without one they run on Qt's
    // offscreen platform.
    if (wantsNoWindow(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    CDravonApp app(argc, argv);
    const int code = app.InitInstance();
    if (code >= 0)
        return code;
    return app.exec();
}
