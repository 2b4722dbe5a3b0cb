// One wheel step in the graph view of a survey of a million stations: the side view's
// points placed anew for the part shown (worldtrans, no scaling, no rescan) and the page
// painted as the view paints it (pixel thinning, antialiasing) onto an image of
// 1600 by 1000 pixels. The time per step is what the user waits for after a notch of
// the wheel or a step of a drag. Needs the offscreen platform without a display.
#include "graph/graphpage.h"
#include "graph/painterdrawcontext.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace {

// A deviated well sampled every 5 cm down to 5000 m: depth, displacement and azimuth
// in the side view's meaning.
PlotData millionStations()
{
    constexpr int kCount = 1000000;
    PlotData data;
    data.x.resize(kCount);
    data.y.resize(kCount);
    data.y1.resize(kCount);
    double east = 0.0, north = 0.0, depth = 0.0;
    for (int i = 0; i < kCount; ++i) {
        const double md = 0.005 * i;
        const double incl = std::min(60.0, md / 40.0) * M_PI / 180.0;
        const double azim = (40.0 + 30.0 * std::sin(md / 700.0)) * M_PI / 180.0;
        depth += 0.005 * std::cos(incl);
        east += 0.005 * std::sin(incl) * std::sin(azim);
        north += 0.005 * std::sin(incl) * std::cos(azim);
        data.x[i] = static_cast<float>(depth);
        data.y[i] = static_cast<float>(std::hypot(east, north));
        data.y1[i] = static_cast<float>(std::fmod(std::atan2(east, north) * 180.0 / M_PI + 360.0, 360.0));
    }
    data.grafikTitel = "Bench";
    data.legende = "Seigerteufe";
    data.legende1 = "Azimut";
    return data;
}

void GraphZoomStep1M(benchmark::State &state)
{
    static const PlotData data = millionStations();
    const QSize pixels(1600, 1000);
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    const double perUnit = 96.0 / 254.0;
    GraphPage page(graph::PageTarget::windowOf(
        QSize(static_cast<int>(pixels.width() / perUnit), static_cast<int>(pixels.height() / perUnit))));
    page.OnCompute(data);
    // Alternately a notch in and a notch out about a point in the middle of the curve.
    bool in = true;
    for (auto _ : state) {
        page.m_shownPart = in ? QRectF(0.3, 0.4, 0.8, 0.8) : QRectF(0.0, 0.0, 1.0, 1.0);
        in = !in;
        page.worldtrans(data);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        PainterDrawContext dc(painter, perUnit, perUnit);
        dc.setPixelThinning(true);
        page.zeichnen(dc, data, "bench.dvn");
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The placing alone, without the painting.
void GraphZoomPlace1M(benchmark::State &state)
{
    static const PlotData data = millionStations();
    GraphPage page(graph::PageTarget::windowOf(QSize(4233, 2645)));
    page.OnCompute(data);
    bool in = true;
    for (auto _ : state) {
        page.m_shownPart = in ? QRectF(0.3, 0.4, 0.8, 0.8) : QRectF(0.0, 0.0, 1.0, 1.0);
        in = !in;
        page.worldtrans(data);
        benchmark::DoNotOptimize(page.m_Punkte.data());
    }
}

} // namespace

BENCHMARK(GraphZoomPlace1M)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GraphZoomStep1M)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
