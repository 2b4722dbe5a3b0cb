// Drives the program through its views for the documentation's screenshots. Enabled by
// the environment variable DRAVON_SCREENSHOT_DIR (the folder the PNG files go to; see
// tools/screenshot). Takes, in this order:
//   measurement-dialog.png  the measurement dialog that opens while the document loads
//   measurement-dialog-resized.png  the same dialog drawn larger
//   text-view.png           the main window with the results table
//   graph-view.png          the graph view (side view)
//   graph-zoom.png          the graph view with "Grafik Lupe an"
//   section-view.png        the graph view with "Vertikalschnitt"
//   path-dialog.png         "Interpolation entlang der Bahn" with a listing every 100 m
//   settings-dialog.png     "Einstellungen" of the view
//   well-dialog.png         "Bohrung …" with the section azimuth and unit in effect
//   top-view.png            the graph after "Daten ändern" with "Draufsicht" chosen
//   3d-view.png             "Ansicht → 3D": the well in three dimensions
//   uncertainty.png         the top view with "Unsicherheit": the error ellipses (the
//                           well gets an error model for it when it has none)
//   uncertainty-section.png the vertical section with the band of the uncertainty
//   offset-wells-dialog.png "Nachbarbohrungen …" with two neighbours made from the
//                           well's own survey (when the document has none)
//   offsets-top-view.png    the top view with those neighbours
//   ladder-view.png         "Abstand": their distances and separation factors
//   cylinder-view.png       "Zylinder": their travelling cylinder
//   3d-pad.png              the 3D view of a pad: the well, those two and three more
//                           neighbours, with the tubes of the error model
//   help-window.png         the help window as F1 opens it
// and then closes the program without asking to save. Without a document on the
// command line, DRAVON_SCREENSHOT_STATIONS may name a measurement file in the free
// format: the tour then starts with "Daten ändern" on the stations read from it.
#pragma once

#include "dialogs/measurementdialog.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class CMainFrame;
class QTimer;
class QWidget;

class ScreenshotDriver : public QObject, public MeasurementDialog
{
    Q_OBJECT
public:
    // `inner` is the real measurement dialog, which the driver answers with OK.
    ScreenshotDriver(const QString &folder, MeasurementDialog &inner, QObject *parent = nullptr);

    // The folder from DRAVON_SCREENSHOT_DIR, or empty.
    static QString folderFromEnvironment();

    bool run(LineEditor &state) override;
    std::optional<well::TieIn> importedTieIn() const override { return m_inner.importedTieIn(); }

    // The main window the dialog's picture is set on.
    void setFrame(CMainFrame &frame);
    // Starts the tour of the views once the main window is shown.
    void start(CMainFrame &frame);

private:
    void save(QWidget *widget, const QString &name);
    // A dialog over the main window, as it sits on the screen.
    void saveDialog(QWidget *dialog, const QString &name);
    void nextStep();

    QString m_folder;
    MeasurementDialog &m_inner;
    CMainFrame *m_frame = nullptr;
    bool m_dialogTaken = false;
    bool m_topView = false;
    QString m_stations; // free-format file read into the first dialog, or empty
    std::vector<std::function<void()>> m_steps;
    size_t m_step = 0;
};
