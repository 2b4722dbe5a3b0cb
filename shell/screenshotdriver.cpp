// The screenshot tour.
#include "shell/screenshotdriver.h"

#include "dialogs/pathinterpolationdlg.h"
#include "document/dravondoc.h"
#include "input/lineeditor.h"
#include "shell/commandids.h"
#include "shell/helpwindow.h"
#include "shell/mainframe.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Time for a window to be laid out and painted before it is taken.
constexpr int kSettleMs = 700;

// Clicks the dialog's OK button as a user would, so that the dialog takes its controls.
void pressOk(QWidget *dialog)
{
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
        if (button->text().remove(QLatin1Char('&')) == QLatin1String("OK")) {
            button->click();
            return;
        }
    }
    if (auto *plain = qobject_cast<QDialog *>(dialog))
        plain->accept();
}

} // namespace

ScreenshotDriver::ScreenshotDriver(const QString &folder, MeasurementDialog &inner, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_inner(inner)
    , m_stations(qEnvironmentVariable("DRAVON_SCREENSHOT_STATIONS"))
{
    QDir().mkpath(m_folder);
}

QString ScreenshotDriver::folderFromEnvironment()
{
    return qEnvironmentVariable("DRAVON_SCREENSHOT_DIR");
}

void ScreenshotDriver::save(QWidget *widget, const QString &name)
{
    const QString path = QDir(m_folder).filePath(name);
    if (!widget->grab().save(path))
        std::fprintf(stderr, "dravon: %s kann nicht geschrieben werden\n", qPrintable(path));
}

void ScreenshotDriver::saveDialog(QWidget *dialog, const QString &name)
{
    // Without a window manager the dialog has no frame of its own: it is shown over the
    // main window with a thin border, where it sits on the screen.
    if (!m_frame || !m_frame->isVisible()) {
        save(dialog, name);
        return;
    }
    QPixmap picture = m_frame->grab();
    const QPixmap box = dialog->grab();
    QPoint at = dialog->mapToGlobal(QPoint(0, 0)) - m_frame->mapToGlobal(QPoint(0, 0));
    at.setX(std::clamp(at.x(), 1, std::max(1, picture.width() - box.width() - 1)));
    at.setY(std::clamp(at.y(), 1, std::max(1, picture.height() - box.height() - 1)));
    QPainter painter(&picture);
    painter.drawPixmap(at, box);
    painter.setPen(QColor(60, 60, 60));
    painter.drawRect(QRect(at - QPoint(1, 1), box.size() + QSize(1, 1)));
    painter.end();
    const QString path = QDir(m_folder).filePath(name);
    if (!picture.save(path))
        std::fprintf(stderr, "dravon: %s kann nicht geschrieben werden\n", qPrintable(path));
}

bool ScreenshotDriver::run(LineEditor &state)
{
    // While the dialog runs modally, a timer takes its picture (the first time) and
    // presses OK.
    QTimer::singleShot(kSettleMs, this, [this] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        if (!m_dialogTaken) {
            saveDialog(dialog, QStringLiteral("measurement-dialog.png"));
            // Drawn larger, the station list shows more of the stations at a time.
            const QSize classic = dialog->size();
            dialog->resize(classic.width() * 4 / 3, classic.height() * 8 / 5);
            QApplication::processEvents();
            saveDialog(dialog, QStringLiteral("measurement-dialog-resized.png"));
            dialog->resize(classic);
            m_dialogTaken = true;
        }
        pressOk(dialog);
    });
    if (!m_stations.isEmpty()) {
        // The stations come from the file as if read with "Datei einlesen".
        state.m_Format = 1;
        state.m_Datenauswahl = 0;
        state.fileRead(QFile::encodeName(m_stations).toStdString()); // its messages unshown
        m_stations.clear();
    }
    const bool ok = m_inner.run(state);
    if (ok && m_topView)
        state.m_Ansicht = 1;
    return ok;
}

void ScreenshotDriver::setFrame(CMainFrame &frame)
{
    m_frame = &frame;
}

void ScreenshotDriver::start(CMainFrame &frame)
{
    m_frame = &frame;
    m_steps.clear();
    if (!m_stations.isEmpty())
        m_steps.push_back([this] { m_frame->action(ID_DATA_CHANGE)->trigger(); });
    const std::vector<std::function<void()>> tour = {
        [this] { save(m_frame, QStringLiteral("text-view.png")); },
        [this] { m_frame->action(ID_VIEW_GRAFIK)->trigger(); },
        [this] { save(m_frame, QStringLiteral("graph-view.png")); },
        [this] { m_frame->action(ID_GRAFIKLUPE)->trigger(); },
        [this] { save(m_frame, QStringLiteral("graph-zoom.png")); },
        [this] { m_frame->action(ID_GRAFIKLUPE)->trigger(); },
        [this] { m_frame->action(ID_VIEW_SECTION)->trigger(); },
        [this] { save(m_frame, QStringLiteral("section-view.png")); },
        [this] { m_frame->action(ID_VIEW_GRAFIK)->trigger(); },
        [this] {
            // The path dialog with a listing every 100 m, taken and closed from inside
            // its event loop.
            QTimer::singleShot(kSettleMs, this, [this] {
                auto *dialog
                    = qobject_cast<PathInterpolationDlg *>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                dialog->setRequest(PathInterpolationDlg::Mode::EveryMd, QStringLiteral("100"));
                dialog->compute();
                QTimer::singleShot(kSettleMs, this, [this, dialog] {
                    saveDialog(dialog, QStringLiteral("path-dialog.png"));
                    dialog->accept();
                });
            });
            m_frame->action(ID_PATH_INTERPOLATION)->trigger();
        },
        [this] {
            QTimer::singleShot(kSettleMs, this, [this] {
                if (QWidget *dialog = QApplication::activeModalWidget()) {
                    saveDialog(dialog, QStringLiteral("settings-dialog.png"));
                    dialog->close();
                }
            });
            m_frame->action(ID_VIEW_SETTINGS)->trigger();
        },
        [this] {
            QTimer::singleShot(kSettleMs, this, [this] {
                if (QWidget *dialog = QApplication::activeModalWidget()) {
                    saveDialog(dialog, QStringLiteral("well-dialog.png"));
                    dialog->close();
                }
            });
            m_frame->action(ID_BOHRUNG)->trigger();
        },
        [this] {
            m_topView = true;
            m_frame->action(ID_DATA_CHANGE)->trigger();
            m_topView = false;
        },
        [this] { save(m_frame, QStringLiteral("top-view.png")); },
        [this] { m_frame->action(ID_VIEW_3D)->trigger(); },
        [this] { save(m_frame, QStringLiteral("3d-view.png")); },
        [this] { m_frame->action(ID_VIEW_GRAFIK)->trigger(); },
        [this] {
            // The pictures of the uncertainty need an error model: the document's own,
            // or else ISCWSA MWD Rev. 5 in the earth's field of northern Germany.
            CDravonDoc &doc = m_frame->document();
            if (!doc.settings().uncertainty.hasModel()) {
                WellSettings s = doc.settings();
                s.uncertainty.model = ErrorModel::IscwsaMwdRev5;
                s.uncertainty.totalField = 49500;
                s.uncertainty.dip = 67.5;
                if (!s.declination)
                    s.declination = 3.5;
                if (s.north == NorthReference::Grid && !s.gridConvergence)
                    s.gridConvergence = 0.0;
                doc.setWellSettings(s);
            }
            m_frame->updateCommandUi();
        },
        [this] { save(m_frame, QStringLiteral("uncertainty.png")); },
        [this] { m_frame->action(ID_VIEW_SECTION)->trigger(); },
        [this] { save(m_frame, QStringLiteral("uncertainty-section.png")); },
        [this] { m_frame->action(ID_VIEW_GRAFIK)->trigger(); },
        [this] {
            // Two neighbours of the document's own well for the offsets' dialog: the same
            // survey turned by 20 degrees from a slot 30 m east, and a sidetrack that
            // leaves the well halfway down, 5 degrees steeper.
            CDravonDoc &doc = m_frame->document();
            const std::vector<well::Station> &own = doc.well().survey.stations();
            if (doc.settings().offsets.empty() && own.size() > 2) {
                WellSettings s = doc.settings();
                OffsetWell turned;
                turned.name = "Nachbar Ost";
                turned.slotEast = 30;
                turned.holeDiameter = 0.3112;
                OffsetWell sidetrack;
                sidetrack.name = "Seitenast";
                sidetrack.parent = doc.name();
                sidetrack.kickOffMd = own[own.size() / 2].md;
                sidetrack.holeDiameter = 0.2159;
                for (well::Station st : own) {
                    turned.stations.push_back(
                        { st.md, st.inclination, std::fmod(st.azimuth + 20.0, 360.0) });
                    st.inclination = std::min(st.inclination + 5.0, 180.0);
                    sidetrack.stations.push_back(st);
                }
                s.offsets = { turned, sidetrack };
                s.clearance.holeDiameter = 0.3112;
                doc.setWellSettings(s);
            }
            QTimer::singleShot(kSettleMs, this, [this] {
                if (QWidget *dialog = QApplication::activeModalWidget()) {
                    saveDialog(dialog, QStringLiteral("offset-wells-dialog.png"));
                    dialog->close();
                }
            });
            m_frame->action(ID_NACHBARBOHRUNGEN)->trigger();
        },
        [this] { save(m_frame, QStringLiteral("offsets-top-view.png")); },
        [this] { m_frame->action(ID_VIEW_LADDER)->trigger(); },
        [this] { save(m_frame, QStringLiteral("ladder-view.png")); },
        [this] { m_frame->action(ID_VIEW_CYLINDER)->trigger(); },
        [this] { save(m_frame, QStringLiteral("cylinder-view.png")); },
        [this] { m_frame->action(ID_VIEW_GRAFIK)->trigger(); },
        [this] {
            // A pad for the 3D view: three more neighbours, the document's survey turned
            // toward the other sides from slots around the well's, each with the tube of
            // the well's error model.
            CDravonDoc &doc = m_frame->document();
            const std::vector<well::Station> &own = doc.well().survey.stations();
            WellSettings s = doc.settings();
            struct Neighbour
            {
                const char *name;
                double north, east, turn;
            };
            const Neighbour pad[] = { { "Nachbar Süd", -25, 10, 150 },
                { "Nachbar West", 5, -30, 230 }, { "Nachbar Nord", 25, 5, 300 } };
            for (const Neighbour &n : pad) {
                OffsetWell o;
                o.name = n.name;
                o.slotNorth = n.north;
                o.slotEast = n.east;
                for (const well::Station &st : own)
                    o.stations.push_back(
                        { st.md, st.inclination, std::fmod(st.azimuth + n.turn, 360.0) });
                s.offsets.push_back(o);
            }
            doc.setWellSettings(s);
            m_frame->action(ID_VIEW_3D)->trigger();
        },
        [this] { save(m_frame, QStringLiteral("3d-pad.png")); },
        [this] { m_frame->action(ID_HILFE)->trigger(); },
        [this] {
            if (HelpWindow *help = m_frame->helpWindow()) {
                save(help, QStringLiteral("help-window.png"));
                help->close();
            }
        },
        [this] {
            // The tour changed the view choice; nothing is to be saved.
            m_frame->document().SetModifiedFlag(false);
            m_frame->close();
            QApplication::quit();
        },
    };
    m_steps.insert(m_steps.end(), tour.begin(), tour.end());
    m_step = 0;
    QTimer::singleShot(kSettleMs, this, &ScreenshotDriver::nextStep);
}

void ScreenshotDriver::nextStep()
{
    if (m_step >= m_steps.size())
        return;
    m_steps[m_step++]();
    QTimer::singleShot(kSettleMs, this, &ScreenshotDriver::nextStep);
}
