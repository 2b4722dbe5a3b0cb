// Writes the graph page to a PNG, SVG or PDF file, rendered from the data.
#include "graph/pageexport.h"

#include "core/cformat.h"
#include "graph/cylinder.h"
#include "graph/graphpage.h"
#include "graph/ladder.h"
#include "graph/painterdrawcontext.h"
#include "i18n/i18n.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <functional>

namespace {

// Pixels per mm of the PNG image: one pixel per logical unit.
constexpr int kPngPixelsPerMm = 10;
// Paper margins of the PDF page; the graph needs about 174 x 280 mm of the A4 sheet.
constexpr double kPdfMarginMm = 5.0;
constexpr int kPdfDpi = 600;

// A message (a printf format or plain text) in the program's language.
std::string message(const char *source)
{
    return i18n::translateFormat("PageExport", source);
}

// Why `file` could not be opened or committed: the file layer's own texts are Qt's.
std::string saveFileReason(const QSaveFile &file)
{
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return message(DRV_TRANSLATE_NOOP("PageExport", "Keine Berechtigung."));
    case QFileDevice::ResourceError:
        return message(DRV_TRANSLATE_NOOP("PageExport", "Kein Platz auf dem Datenträger."));
    case QFileDevice::OpenError:
        return message(
            DRV_TRANSLATE_NOOP("PageExport", "Der Ordner fehlt oder ist nicht beschreibbar."));
    default:
        return message(DRV_TRANSLATE_NOOP("PageExport", "Fehler beim Schreiben."));
    }
}

} // namespace

bool writePictureFile(const std::string &path, const std::function<bool(QSaveFile &file)> &write,
    std::string &error)
{
    QSaveFile file(QString::fromUtf8(path));
    const bool written = file.open(QIODevice::WriteOnly) && write(file) && file.commit();
    if (written)
        return true;
    const std::string reason = saveFileReason(file);
    file.cancelWriting();
    error = cfmt(
        message(DRV_TRANSLATE_NOOP("PageExport", "Die Datei %s kann nicht geschrieben werden:\n%s"))
            .c_str(),
        path.c_str(), reason.c_str());
    return false;
}

namespace {

// A page composed for one target: the part of the page it uses and its drawing.
struct Composed
{
    QSize usedArea;
    std::function<void(DrawContext &)> draw;
};

// A page as the files take it: its title and its composition for a file's
// target, made afresh for each target from the same data.
struct Rendered
{
    std::string title;
    std::function<Composed(const graph::PageTarget &)> compose;
};

bool writePng(const Rendered &rendered, QSaveFile &file)
{
    const graph::PageTarget target = graph::PageTarget::image(kPngPixelsPerMm / 10.0);
    const Composed page = rendered.compose(target);
    const QSize size = page.usedArea * target.pixelsPerUnit;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(kPngPixelsPerMm * 1000);
    image.setDotsPerMeterY(kPngPixelsPerMm * 1000);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PainterDrawContext dc(painter, target.pixelsPerUnit, target.pixelsPerUnit);
        page.draw(dc);
    }
    return image.save(&file, "PNG");
}

bool writeSvg(const Rendered &rendered, QSaveFile &file)
{
    const Composed page = rendered.compose(graph::PageTarget::vector());
    const QSize size = page.usedArea;
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setResolution(254); // one SVG pixel per logical unit of 0.1 mm
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QString::fromUtf8(rendered.title));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    PainterDrawContext dc(painter);
    page.draw(dc);
    return painter.end();
}

bool writePdf(const Rendered &rendered, QSaveFile &file)
{
    QPdfWriter pdf(&file);
    pdf.setResolution(kPdfDpi);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
        QPageLayout::Millimeter));
    pdf.setTitle(QString::fromUtf8(rendered.title));
    pdf.setCreator(QStringLiteral("Dravon"));
    // As when printing: the printable area decides between portrait and landscape.
    const Composed page = rendered.compose(
        graph::PageTarget::paper(pdf.pageLayout().paintRect(QPageLayout::Millimeter).size()));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    PainterDrawContext dc(painter);
    page.draw(dc);
    return painter.end();
}

// The checks before anything is drawn: the extension and the application that fonts
// need. The extension in lower case, or empty with `error` set.
QString checkedExtension(const std::string &path, std::string &error)
{
    const QString ext = QFileInfo(QString::fromUtf8(path)).suffix().toLower();
    if (ext != QLatin1String("png") && ext != QLatin1String("svg") && ext != QLatin1String("pdf")) {
        error
            = cfmt(message(DRV_TRANSLATE_NOOP("PageExport",
                              "Die Grafik kann nur als PNG, SVG oder PDF gespeichert werden "
                              "(Dateiendung .png, .svg oder .pdf):\n%s"))
                       .c_str(),
                path.c_str());
        return {};
    }
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        error = message(DRV_TRANSLATE_NOOP("PageExport",
            "Die Grafik kann nicht gezeichnet werden: Schriften brauchen eine "
            "grafische Anwendung (QGuiApplication)."));
        return {};
    }
    return ext;
}

// Writes the page into the file by the extension that checkedExtension accepted.
bool writePage(
    const Rendered &page, const QString &ext, const std::string &path, std::string &error)
{
    return writePictureFile(
        path,
        [&](QSaveFile &file) {
            if (ext == QLatin1String("png"))
                return writePng(page, file);
            if (ext == QLatin1String("svg"))
                return writeSvg(page, file);
            return writePdf(page, file);
        },
        error);
}

// The ladder and the travelling cylinder, laid out for the file's target.
template <typename Page, typename Data>
bool exportOffsetPage(const Data &data, const std::string &docTitle, const std::string &path,
    std::string &error)
{
    const QString ext = checkedExtension(path, error);
    if (ext.isEmpty())
        return false;
    const auto compose = [&](const graph::PageTarget &target) {
        Page page;
        page.layout(data, target);
        return Composed { page.usedArea(),
            [page, &data, &docTitle](DrawContext &dc) { page.draw(dc, data, docTitle); } };
    };
    return writePage({ data.title, compose }, ext, path, error);
}

} // namespace

bool exportGraphPage(const PlotData &data, const std::string &docTitle, const std::string &path,
    std::string &error, bool trueScale)
{
    const QString ext = checkedExtension(path, error);
    if (ext.isEmpty())
        return false;
    // The view's settings the file takes; the page itself is composed for the file.
    GraphPage settings;
    settings.m_bTrueScale = trueScale ? 1 : 0;
    const auto compose = [&](const graph::PageTarget &target) {
        const GraphPage page = settings.composedFor(target, data);
        return Composed { page.usedArea(data),
            [page, &data, &docTitle](DrawContext &dc) { page.zeichnen(dc, data, docTitle); } };
    };
    return writePage({ data.grafikTitel, compose }, ext, path, error);
}

bool exportLadderPage(const LadderData &data, const std::string &docTitle, const std::string &path,
    std::string &error)
{
    return exportOffsetPage<LadderPage>(data, docTitle, path, error);
}

bool exportCylinderPage(const CylinderData &data, const std::string &docTitle,
    const std::string &path, std::string &error)
{
    return exportOffsetPage<CylinderPage>(data, docTitle, path, error);
}
