// Frames per second of the desktop 3D view itself: the widget with ten wells of 3000
// stations and their tubes at 1000 by 730 pixels, turned by a degree a frame and painted
// through the window system (repaint, then the events that bring the picture to the
// screen). Run it on the display to be measured, e.g. under Xvfb for software rendering:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/dravon_view3d_fps [--no-tubes]
#include "document/dravondoc.h"
#include "graph3d/view/view3d.h"
#include "view3dpad.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool tubes = !(argc > 1 && std::strcmp(argv[1], "--no-tubes") == 0);
    CDravonDoc doc;
    View3d view(doc);
    view.setOtherWells(benchpad::padWells(tubes));
    view.resize(1000, 730);
    view.show();
    for (int k = 0; k < 20; ++k)
        app.processEvents();
    constexpr int kFrames = 200;
    for (int pass = 1; pass <= 3; ++pass) {
        QElapsedTimer clock;
        clock.start();
        for (int k = 0; k < kFrames; ++k) {
            view.setCamera(scene3d::orbited(view.camera(), 1, 0));
            view.canvas()->repaint();
            app.processEvents();
        }
        app.sync();
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        std::printf("%s, %s: %d frames in %.0f ms, %.1f frames/s\n",
            qPrintable(QGuiApplication::platformName()), tubes ? "tubes" : "no tubes", kFrames, ms,
            kFrames * 1000.0 / ms);
    }
    return 0;
}
