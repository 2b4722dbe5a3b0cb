// The 3D view written to PNG, SVG and PDF files.
#include "graph3d/view3dexport.h"

#include "core/cformat.h"
#include "graph/pageexport.h"
#include "graph/painterdrawcontext.h"
#include "i18n/i18n.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace view3d {

namespace {

    constexpr double kPdfMarginMm = 10.0;
    constexpr int kPdfDpi = 600;

    // A message (a printf format or plain text) in the program's language; a translation
    // whose conversions differ from the German is not used.
    std::string message(const char *text)
    {
        return i18n::translateFormat("View3d", text);
    }

    bool writePng(const scene3d::Scene &scene, const scene3d::Camera &camera, double seenWidth,
        double seenHeight, QSize pixels, const PageTexts &texts, bool tube, QSaveFile &file)
    {
        Look look;
        look.tube = tube;
        look.uncertaintyCaption = texts.uncertaintyCaption;
        look.northCaption = texts.northCaption;
        const QImage image = renderImage(scene, camera, seenWidth, seenHeight, pixels, look);
        return !image.isNull() && image.save(&file, "PNG");
    }

    bool writeSvg(const scene3d::Scene &scene, const scene3d::Camera &camera, double seenWidth,
        double seenHeight, const PageTexts &texts, bool tube, QSaveFile &file)
    {
        const QSize size(
            static_cast<int>(std::ceil(seenWidth)), static_cast<int>(std::ceil(seenHeight)));
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setResolution(254); // one SVG unit per logical unit of 0.1 mm
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QString::fromUtf8(texts.wellName));
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        PainterDrawContext dc(painter, 1.0, 1.0);
        dc.setWindowOrg(0, 0);
        Look look;
        look.pixel = 0.5;
        look.tube = tube;
        look.uncertaintyCaption = texts.uncertaintyCaption;
        look.northCaption = texts.northCaption;
        drawView(dc, scene, camera, { 0, 0, size.width(), size.height() }, look);
        return painter.end();
    }

    bool writePdf(const scene3d::Scene &scene, const scene3d::Camera &camera, double seenWidth,
        double seenHeight, const PageTexts &texts, bool tube, QSaveFile &file)
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kPdfDpi);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
            QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
            QPageLayout::Millimeter));
        pdf.setTitle(QString::fromUtf8(texts.wellName));
        pdf.setCreator(QStringLiteral("Dravon"));
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        painter.setRenderHint(QPainter::Antialiasing);
        paintPage(painter, scene, camera, seenWidth, seenHeight, texts, tube);
        return painter.end();
    }

} // namespace

scene3d::Camera batchCamera(const scene3d::Scene &scene, double azimuth, double elevation)
{
    return scene3d::fitted(scene, azimuth, elevation, kBatchWidth, kBatchHeight);
}

QPointF ImageLayout::pixelOf(const scene3d::Point2 &p) const
{
    const QPoint at = toPage(area, p);
    // The page's logical origin is the image's top left corner; y turns downward.
    return QPointF(at.x() * pixelsPerUnit, -at.y() * pixelsPerUnit);
}

ImageLayout imageLayout(double seenWidth, double seenHeight, QSize pixels)
{
    ImageLayout layout;
    if (seenWidth <= 0 || seenHeight <= 0 || pixels.isEmpty())
        return layout;
    layout.pixelsPerUnit = std::min(pixels.width() / seenWidth, pixels.height() / seenHeight);
    layout.area.width = static_cast<int>(std::floor(pixels.width() / layout.pixelsPerUnit));
    layout.area.height = static_cast<int>(std::floor(pixels.height() / layout.pixelsPerUnit));
    return layout;
}

QImage renderImage(const scene3d::Scene &scene, const scene3d::Camera &camera, double seenWidth,
    double seenHeight, QSize pixels, const Look &look)
{
    if (pixels.isEmpty())
        return {};
    const ImageLayout layout = imageLayout(seenWidth, seenHeight, pixels);
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(layout.pixelsPerUnit * 10000));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PainterDrawContext dc(painter, layout.pixelsPerUnit, layout.pixelsPerUnit);
    dc.setWindowOrg(0, 0);
    Look pixelLook = look;
    pixelLook.pixel = 1 / layout.pixelsPerUnit;
    drawView(dc, scene, camera, layout.area, pixelLook);
    return image;
}

void paintPage(QPainter &painter, const scene3d::Scene &scene, const scene3d::Camera &camera,
    double seenWidth, double seenHeight, const PageTexts &texts, bool tube)
{
    PainterDrawContext dc(painter);
    const QPaintDevice *device = painter.device();
    const double sx = PainterDrawContext::pixelsPerUnitX(*device);
    const double sy = PainterDrawContext::pixelsPerUnitY(*device);
    const Area page { 0, 0, static_cast<int>(device->width() / sx),
        static_cast<int>(device->height() / sy) };
    dc.setWindowOrg(0, 0);
    drawPage(dc, scene, camera, seenWidth, seenHeight, page, texts, tube);
}

bool exportView(const scene3d::Scene &scene, const scene3d::Camera &camera, double seenWidth,
    double seenHeight, const std::string &path, QSize pixels, const PageTexts &texts, bool tube,
    std::string &error)
{
    const QString qpath = QString::fromUtf8(path);
    const QString ext = QFileInfo(qpath).suffix().toLower();
    if (ext != QLatin1String("png") && ext != QLatin1String("svg") && ext != QLatin1String("pdf")) {
        error = cfmt(message(DRV_TRANSLATE_NOOP("View3d",
                                 "Die 3D-Ansicht kann nur als PNG, SVG oder PDF gespeichert "
                                 "werden (Dateiendung .png, .svg oder .pdf):\n%s"))
                         .c_str(),
            path.c_str());
        return false;
    }
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        error = message(DRV_TRANSLATE_NOOP("View3d",
            "Die 3D-Ansicht kann nicht gezeichnet werden: Schriften brauchen "
            "eine grafische Anwendung (QGuiApplication)."));
        return false;
    }
    if (ext == QLatin1String("png") && pixels.isEmpty()) {
        error = message(DRV_TRANSLATE_NOOP("View3d",
            "Das Bild braucht eine Breite und eine Höhe von mindestens einem "
            "Pixel."));
        return false;
    }
    return writePictureFile(
        path,
        [&](QSaveFile &file) {
            if (ext == QLatin1String("png"))
                return writePng(scene, camera, seenWidth, seenHeight, pixels, texts, tube, file);
            if (ext == QLatin1String("svg"))
                return writeSvg(scene, camera, seenWidth, seenHeight, texts, tube, file);
            return writePdf(scene, camera, seenWidth, seenHeight, texts, tube, file);
        },
        error);
}

} // namespace view3d
