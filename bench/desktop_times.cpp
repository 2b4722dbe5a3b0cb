// How long the desktop program takes with a large document, step by step as a user meets
// it: opening the file (read, the measurement dialog on its stations, answered with OK as
// soon as it shows, the computation), the first drawing of the results table, switching
// to the graph and drawing it. Each step is timed over the real main frame on the
// offscreen platform; every view is drawn into an image, as the window system would have
// it drawn. Prints one line per step with the median of the runs in milliseconds.
//
//     dravon_desktop_times FILE.dvn [runs]
#include "dialogs/documentcommands.h"
#include "dialogs/qtmeasurementdialog.h"
#include "dialogs/qtprompter.h"
#include "document/dravondoc.h"
#include "graph/view/grafik.h"
#include "shell/mainframe.h"
#include "shell/qtframeui.h"
#include "shell/stationspanel.h"
#include "dialogs/stationtablemodel.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// Accepts the measurement dialog as soon as it is the active modal window.
void acceptDialogWhenShown()
{
    auto *timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            dialog->accept();
        }
    });
    timer->start();
}

double elapsed(const std::function<void()> &step)
{
    QElapsedTimer clock;
    clock.start();
    step();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// The view drawn as the window system would have it drawn now.
void draw(QWidget &view)
{
    QCoreApplication::processEvents();
    const QImage image = view.grab().toImage();
    if (image.isNull())
        std::fprintf(stderr, "nothing drawn\n");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: dravon_desktop_times FILE.dvn [runs]\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    std::map<std::string, std::vector<double>> times;
    std::vector<std::string> order;
    const auto record = [&](const std::string &step, double ms) {
        if (!times.count(step))
            order.push_back(step);
        times[step].push_back(ms);
    };
    for (int run = 0; run < runs; ++run) {
        QtPrompter prompter;
        QtMeasurementDialog dialog(prompter);
        CDravonDoc doc;
        doc.reset();
        DocumentCommands commands(doc, prompter, dialog);
        QtFrameUi ui;
        CMainFrame frame(commands, ui);
        frame.resize(1600, 1000);
        frame.show();
        QCoreApplication::processEvents();

        record("read the file alone", elapsed([&] {
            CDravonDoc alone;
            std::string message;
            if (!alone.load(path, message))
                std::fprintf(stderr, "%s\n", message.c_str());
        }));
        double open = 0;
        record("open (read, dialog, compute)", open = elapsed([&] {
            acceptDialogWhenShown();
            if (!frame.openDocumentFile(path))
                std::fprintf(stderr, "could not open %s\n", argv[1]);
        }));
        double table = 0;
        record("draw the results table", table = elapsed([&] {
            frame.SwitchView(CMainFrame::TextViewId);
            draw(frame);
        }));
        record("open and first drawing", open + table);
        record("switch to the graph and draw it", elapsed([&] {
            frame.SwitchView(CMainFrame::GraphViewId);
            draw(frame);
        }));
        record("draw the graph again", elapsed([&] { draw(*frame.graphView()->viewport()); }));
        record("compute again", elapsed([&] {
            commands.recompute();
            draw(frame);
        }));
        record("the computation alone", elapsed([&] { doc.recompute(); }));
        // A value typed into the station table halfway down: the edit, the history's step,
        // the computation and the views drawn again.
        StationTableModel *stations = frame.stationsPanel()->model();
        const int row = stations->rowCount() / 2;
        const QModelIndex cell = stations->index(row, StationTableModel::Inclination);
        const QString before = stations->data(cell, Qt::EditRole).toString();
        record("edit a station and draw", elapsed([&] {
            stations->setData(cell, QStringLiteral("1,25"), Qt::EditRole);
            draw(frame);
        }));
        record("undo the edit and draw", elapsed([&] {
            commands.history().stack().undo();
            draw(frame);
        }));
        if (stations->data(cell, Qt::EditRole).toString() != before)
            std::fprintf(stderr, "the undo did not give the station back\n");
        doc.SetModifiedFlag(false);
    }
    for (const std::string &step : order) {
        std::vector<double> &t = times[step];
        std::sort(t.begin(), t.end());
        std::printf("%-36s %9.1f ms (median of %zu)\n", step.c_str(), t[t.size() / 2], t.size());
    }
    return 0;
}
