// "Ansicht → 3D" in the desktop program: F5 shows it; the mouse turns, moves and zooms
// it (the wheel about the pointer, a property checked at the pointer), Pos1 and the
// standard views set the camera, a click says the path point in the status bar and a
// double click centres on it; "Bild speichern …" writes the view (PNG at the size asked
// for, SVG), printing gives one page, "Unsicherheit" and the remembered view reach it.
#include "guifixture.h"

#include "core/decimalsign.h"
#include "graph/view/grafik.h"
#include "graph3d/view/view3d.h"
#include "scene3d/frame.h"
#include "shell/commandids.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>

#include <cmath>

namespace {

const StringList kDeviated { "300 0 0", "600 30 60", "900 45 60", "2000 45 60" };

// Mouse events as the window system sends them, with the buttons held during a move.
void send(QWidget *w, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(w, &e);
}

void drag(QWidget *w, QPointF from, QPointF to, Qt::MouseButton button,
    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    send(w, QEvent::MouseButtonPress, from, button, button, modifiers);
    constexpr int kSteps = 10;
    for (int k = 1; k <= kSteps; ++k)
        send(
            w, QEvent::MouseMove, from + (to - from) * k / kSteps, Qt::NoButton, button, modifiers);
    send(w, QEvent::MouseButtonRelease, to, button, Qt::NoButton, modifiers);
}

void click(QWidget *w, QPointF at)
{
    send(w, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    send(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void wheel(QWidget *w, QPointF at, int delta)
{
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

// The number after `label` in a status text: "Teufe 600,12 m".
double valueAfter(const QString &text, const QString &label)
{
    const QRegularExpression re(label + QStringLiteral(" (-?[0-9]+,[0-9]+) m"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return NAN;
    return decimalsign::read(m.captured(1).toStdString(), decimalsign::Accept::Comma).value_or(NAN);
}

class View3dTest : public ShellTest
{
protected:
    View3d *show3d()
    {
        enterData(kDeviated);
        press(Qt::Key_F5);
        settle();
        View3d *view = frame->view3d();
        EXPECT_NE(view, nullptr);
        EXPECT_EQ(frame->GetActiveView(), view);
        return view;
    }
    // Where the view shows the path's point at `md`.
    QPointF pixelAtMd(View3d *view, double md)
    {
        traj::Point p;
        EXPECT_TRUE(traj::pointAtMd(doc->trajectory(), md, p));
        const scene3d::Projected q = scene3d::Projector(view->camera())({ p.north, p.east, p.tvd });
        return view->pixelOf({ q.x, q.y });
    }
};

} // namespace

TEST_F(View3dTest, F5ShowsTheWellIn3dAndTheCommandsFollow)
{
    frame->updateCommandUi();
    EXPECT_FALSE(frame->action(ID_VIEW_3D)->isChecked());
    // Nothing to save as an image from the table.
    EXPECT_FALSE(frame->action(ID_FILE_SAVE_IMAGE)->isEnabled());
    View3d *view = show3d();
    ASSERT_NE(view, nullptr);
    frame->updateCommandUi();
    EXPECT_TRUE(frame->action(ID_VIEW_3D)->isChecked());
    EXPECT_FALSE(frame->action(ID_VIEW_GRAFIK)->isChecked());
    EXPECT_FALSE(frame->action(ID_VIEW_TEXT)->isChecked());
    EXPECT_FALSE(frame->action(ID_GRAFIKLUPE)->isEnabled());
    EXPECT_TRUE(frame->action(ID_FILE_SAVE_IMAGE)->isEnabled());
    // The whole path in the picture, its wellhead and end inside the canvas.
    const QRect canvas = view->canvas()->rect();
    for (double md : { 0.0, 1000.0, 2000.0 })
        EXPECT_TRUE(canvas.contains(pixelAtMd(view, md).toPoint())) << md;
    // The picture shows the path in its red.
    const QImage picture = view->canvas()->grab().toImage();
    const QPoint middle = pixelAtMd(view, 1500).toPoint();
    bool red = false;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            const QRgb p = picture.pixel(middle + QPoint(dx, dy));
            red = red || (qRed(p) > 200 && qGreen(p) < 170 && qRed(p) - qBlue(p) > 80);
        }
    EXPECT_TRUE(red);
    frame->action(ID_VIEW_GRAFIK)->trigger();
    EXPECT_EQ(frame->GetActiveView(), static_cast<QWidget *>(frame->graphView()));
    press(Qt::Key_F5);
    EXPECT_EQ(frame->GetActiveView(), view);
}

TEST_F(View3dTest, DraggingTurnsAndMovesTheView)
{
    View3d *view = show3d();
    ASSERT_NE(view, nullptr);
    QWidget *canvas = view->canvas();
    const QPointF start = canvas->rect().center();
    const scene3d::Camera before = view->camera();
    // To the right: the viewer walks round clockwise (seen from above), the near side
    // turns to the right.
    drag(canvas, start, start + QPointF(50, 0), Qt::LeftButton);
    const scene3d::Camera turned = view->camera();
    EXPECT_GT(std::fmod(turned.azimuth - before.azimuth + 360, 360), 5);
    EXPECT_LT(std::fmod(turned.azimuth - before.azimuth + 360, 360), 180);
    EXPECT_EQ(turned.elevation, before.elevation);
    EXPECT_EQ(turned.target, before.target);
    // Down: seen from higher up.
    drag(canvas, start, start + QPointF(0, 40), Qt::LeftButton);
    EXPECT_GT(view->camera().elevation, before.elevation);
    // And back again to where it was.
    drag(canvas, start + QPointF(50, 40), start, Qt::LeftButton);
    EXPECT_NEAR(view->camera().azimuth, before.azimuth, 1e-9);
    EXPECT_NEAR(view->camera().elevation, before.elevation, 1e-9);

    // The middle button moves the picture with the pointer; so does Shift with the left.
    const QPointF grabbed = pixelAtMd(view, 1000);
    drag(canvas, grabbed, grabbed + QPointF(-70, 30), Qt::MiddleButton);
    EXPECT_NEAR(pixelAtMd(view, 1000).x(), grabbed.x() - 70, 0.5);
    EXPECT_NEAR(pixelAtMd(view, 1000).y(), grabbed.y() + 30, 0.5);
    const scene3d::Camera moved = view->camera();
    drag(canvas, start, start + QPointF(20, 20), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_NEAR(view->camera().azimuth, moved.azimuth, 1e-12);
    EXPECT_NEAR(pixelAtMd(view, 1000).x(), grabbed.x() - 50, 0.5);
}

TEST_F(View3dTest, TheWheelZoomsAboutThePointerAndPos1GoesBack)
{
    View3d *view = show3d();
    ASSERT_NE(view, nullptr);
    QWidget *canvas = view->canvas();
    const scene3d::Camera home = view->camera();
    for (const QPointF pointer : { QPointF(120, 90), QPointF(400, 300), QPointF(630, 40) }) {
        const scene3d::Camera before = view->camera();
        // Whatever lies under the pointer (at any depth) stays under it.
        const scene3d::Point2 p = view->pictureOf(pointer);
        const scene3d::Point3 under = scene3d::Projector(before).unproject(p.x, p.y, 250);
        wheel(canvas, pointer, 120);
        const scene3d::Camera after = view->camera();
        EXPECT_GT(after.scale, before.scale);
        const scene3d::Projected q = scene3d::Projector(after)(under);
        const QPointF shown = view->pixelOf({ q.x, q.y });
        EXPECT_NEAR(shown.x(), pointer.x(), 0.01);
        EXPECT_NEAR(shown.y(), pointer.y(), 0.01);
    }
    wheel(canvas, QPointF(200, 200), -240);
    drag(canvas, QPointF(300, 300), QPointF(360, 340), Qt::LeftButton);
    ASSERT_NE(view->camera(), home);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(view->camera(), home);
    EXPECT_EQ(home.azimuth, scene3d::kHomeAzimuth);
    EXPECT_EQ(home.elevation, scene3d::kHomeElevation);
}

TEST_F(View3dTest, StandardViewsFromTheButtonsAndKeys)
{
    View3d *view = show3d();
    ASSERT_NE(view, nullptr);
    // Buttons in the order north, east, above, home.
    const QList<QAction *> buttons = [&] {
        QList<QAction *> out;
        for (QAction *a : view->toolBar()->actions())
            if (!a->isSeparator())
                out << a;
        return out;
    }();
    ASSERT_EQ(buttons.size(), 4);
    buttons[2]->trigger();
    // From above with north up: the end of the path, north-east of the wellhead, is up
    // and to the right of it.
    const QPointF head = pixelAtMd(view, 0), end = pixelAtMd(view, 2000);
    EXPECT_GT(end.x(), head.x() + 10);
    EXPECT_LT(end.y(), head.y() - 10);
    EXPECT_EQ(view->camera().elevation, 90);
    // From the north the path, going east, runs to the left and down.
    buttons[0]->trigger();
    EXPECT_LT(pixelAtMd(view, 2000).x(), pixelAtMd(view, 0).x() - 10);
    EXPECT_GT(pixelAtMd(view, 2000).y(), pixelAtMd(view, 0).y() + 10);
    // From the east, toward the viewer: north to the right.
    buttons[1]->trigger();
    EXPECT_GT(pixelAtMd(view, 2000).x(), pixelAtMd(view, 0).x() + 10);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_D);
    EXPECT_EQ(view->camera().elevation, 90);
    QTest::keyClick(view, Qt::Key_N);
    EXPECT_EQ(view->camera().azimuth, 0);
    EXPECT_EQ(view->camera().elevation, 0);
    // Every standard view shows the whole path.
    for (double md : { 0.0, 2000.0 })
        EXPECT_TRUE(view->canvas()->rect().contains(pixelAtMd(view, md).toPoint()));
}

TEST_F(View3dTest, AClickSaysThePathPointAndADoubleClickCentresOnIt)
{
    View3d *view = show3d();
    ASSERT_NE(view, nullptr);
    QWidget *canvas = view->canvas();
    const QPointF at = pixelAtMd(view, 1200);
    click(canvas, at.toPoint());
    const QString said = frame->statusBar()->currentMessage();
    EXPECT_TRUE(said.startsWith(QString::fromStdString(doc->name()))) << said.toStdString();
    const double md = valueAfter(said, QStringLiteral("Teufe"));
    // A pixel of the picture is this many metres of the path at most, here.
    const double metresPerPixel
        = (2000.0 / (pixelAtMd(view, 2000) - pixelAtMd(view, 0)).manhattanLength());
    EXPECT_NEAR(md, 1200, 4 * metresPerPixel + 1) << said.toStdString();
    traj::Point p;
    ASSERT_TRUE(traj::pointAtMd(doc->trajectory(), md, p));
    EXPECT_NEAR(valueAfter(said, QStringLiteral("Seigerteufe")), p.tvd, 0.02);
    EXPECT_NEAR(valueAfter(said, QStringLiteral("Nord")), p.north, 0.02);
    EXPECT_NEAR(valueAfter(said, QStringLiteral("Ost")), p.east, 0.02);

    // Far from the path a click says nothing new.
    frame->statusBar()->showMessage(QStringLiteral("vorher"));
    click(canvas, QPointF(5, canvas->height() - 5));
    EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("vorher"));

    // A double click brings the point to the middle of the picture.
    const double scale = view->camera().scale;
    send(canvas, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    const QPointF centred = pixelAtMd(view, md);
    EXPECT_NEAR(centred.x(), canvas->width() / 2.0, 1.0);
    EXPECT_NEAR(centred.y(), canvas->height() / 2.0, 1.0);
    EXPECT_EQ(view->camera().scale, scale);
}

TEST_F(View3dTest, SaveImageWritesThePictureAtTheSizeAskedFor)
{
    View3d *view = show3d();
    ASSERT_NE(view, nullptr);
    const std::size_t before = prompter.messages().size();
    const QString png = temp.filePath(QStringLiteral("ansicht.png"));
    ui.imageNames = { png };
    ui.imageSizes = { QSize(640, 480) };
    frame->action(ID_FILE_SAVE_IMAGE)->trigger();
    EXPECT_EQ(ui.offeredImageSize, view->canvas()->size() * 2);
    QImage image;
    ASSERT_TRUE(image.load(png));
    EXPECT_EQ(image.size(), QSize(640, 480));
    EXPECT_EQ(prompter.messages().size(), before);
    // The same picture as on the screen, scaled: the path's middle in the same place.
    const QPointF onScreen = pixelAtMd(view, 1500);
    const double k = std::min(640.0 / view->canvas()->width(), 480.0 / view->canvas()->height());
    const QPointF inImage(320 + (onScreen.x() - view->canvas()->width() / 2.0) * k,
        240 + (onScreen.y() - view->canvas()->height() / 2.0) * k);
    bool red = false;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            const QRgb p = image.pixel(inImage.toPoint() + QPoint(dx, dy));
            red = red || (qRed(p) > 200 && qGreen(p) < 170 && qRed(p) - qBlue(p) > 80);
        }
    EXPECT_TRUE(red);

    // The size dialog cancelled: nothing written.
    const QString cancelled = temp.filePath(QStringLiteral("nicht.png"));
    ui.imageNames = { cancelled };
    frame->action(ID_FILE_SAVE_IMAGE)->trigger();
    EXPECT_FALSE(QFile::exists(cancelled));
    // SVG asks no size; a name without an extension gets the chosen type's.
    ui.imageNames = { temp.filePath(QStringLiteral("vektor")) };
    ui.imageFilter = 1;
    frame->action(ID_FILE_SAVE_IMAGE)->trigger();
    QFile svg(temp.filePath(QStringLiteral("vektor.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    // A folder that does not exist: the message says so.
    ui.imageNames = { temp.filePath(QStringLiteral("fehlt/bild.svg")) };
    frame->action(ID_FILE_SAVE_IMAGE)->trigger();
    ASSERT_EQ(prompter.messages().size(), before + 1);
    EXPECT_NE(prompter.messages().back().find("kann nicht geschrieben werden"), std::string::npos);

    // The graph view saves its page the same way.
    frame->action(ID_VIEW_GRAFIK)->trigger();
    const QString graph = temp.filePath(QStringLiteral("grafik.png"));
    ui.imageNames = { graph };
    ui.imageFilter = 0;
    frame->action(ID_FILE_SAVE_IMAGE)->trigger();
    EXPECT_TRUE(QImage(graph).width() > 100);
}

TEST_F(View3dTest, PrintingGivesOnePageAndTheUncertaintyAndViewReachIt)
{
    View3d *view = show3d();
    ASSERT_NE(view, nullptr);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = temp.filePath(QStringLiteral("druck.pdf"));
    printer.setOutputFileName(pdf);
    EXPECT_EQ(frame->printPageCount(), 1);
    EXPECT_EQ(frame->printActiveView(printer), 1);
    EXPECT_EQ(pdfPageCount(pdf), 1);

    // With an error model the tube is drawn; "Unsicherheit" switches it for this view too.
    WellSettings s = doc->settings();
    s.uncertainty.model = ErrorModel::IscwsaMwdRev5;
    s.uncertainty.totalField = 50000;
    s.uncertainty.dip = 72;
    s.declination = -4;
    doc->setWellSettings(s);
    settle();
    EXPECT_GT(view->scene().sigmas, 0);
    EXPECT_TRUE(view->isUncertaintyShown());
    frame->updateCommandUi();
    frame->action(ID_UNSICHERHEIT)->trigger();
    EXPECT_FALSE(view->isUncertaintyShown());
    frame->action(ID_UNSICHERHEIT)->trigger();
    EXPECT_TRUE(view->isUncertaintyShown());

    // The 3D view is the one the next start shows.
    frame->saveWindowSettings();
    EXPECT_EQ(
        QSettings().value(QStringLiteral("Settings/View")).toInt(), int(CMainFrame::View3dId));
    CMainFrame next(*commands, ui);
    EXPECT_EQ(next.GetActiveView(), static_cast<QWidget *>(next.view3d()));
}
