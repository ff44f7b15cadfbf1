// Draw of the default figures, measured beside its own parts in one run:
// the bare orbit loop (formula only) and one full canvas fill are timed in
// the same iterations, so each row carries its ratio. The plotting rows do
// the same against a naive QPainter::drawEllipse baseline.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <chrono>
#include <string>

#include "engine/DrawPipeline.h"
#include "engine/FormulaCatalogue.h"
#include "engine/Formulas.h"
#include "engine/PlainPanes.h"

namespace {

using namespace lumora;
using Clock = std::chrono::steady_clock;

DrawState& state() {
    static auto* s = new DrawState();
    return *s;
}

// A canvas of its own for timing full fills, so the Draw canvas keeps its state.
Canvas& fillCanvas() {
    static auto* c = new Canvas();
    return *c;
}

DrawInputs defaults(int category, int formula) {
    PlainPanes panes;
    panes.variables.selectCategory(category);
    panes.variables.selectFormula(formula);
    return readDrawInputs(panes.panes());
}

struct NullSink {
    double acc = 0;
    void point(int, double X, double Y) { acc += X + Y; }
};

double seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

double orbitSeconds(const DrawInputs& in) {
    NullSink sink;
    const auto t0 = Clock::now();
    runFormulaWith(in.category, in.formula, in.params, sink);
    const auto t1 = Clock::now();
    benchmark::DoNotOptimize(sink.acc);
    return seconds(t0, t1);
}

double fullFillSeconds() {
    Canvas& c = fillCanvas();
    const Colour other = c.fillColour() ^ 0x010101;  // a new colour forces the whole fill
    const auto t0 = Clock::now();
    c.fill(other);
    const auto t1 = Clock::now();
    return seconds(t0, t1);
}

void runDraw(benchmark::State& s, const DrawInputs& in) {
    DrawState& st = state();
    draw(in, st);  // first Draw of a figure pays for its own full fill once
    double drawTotal = 0, orbitTotal = 0, fillTotal = 0;
    for (auto _ : s) {
        const auto t0 = Clock::now();
        draw(in, st);
        const auto t1 = Clock::now();
        const double d = seconds(t0, t1);
        s.SetIterationTime(d);
        drawTotal += d;
        orbitTotal += orbitSeconds(in);
        fillTotal += fullFillSeconds();
    }
    const double n = static_cast<double>(s.iterations());
    s.counters["orbit_ms"] = orbitTotal / n * 1e3;
    s.counters["fill_ms"] = fillTotal / n * 1e3;
    s.counters["draw/(orbit+fill)"] = drawTotal / (orbitTotal + fillTotal);
    s.counters["points"] = st.points.count;
}

// Plotting alone: our plotter against QPainter::drawEllipse on a QImage of
// the same size, over the points the Draw produced.
void runPlotVsQPainter(benchmark::State& s, const DrawInputs& in) {
    DrawState& st = state();
    draw(in, st);
    static auto* image = new QImage(Canvas::kSide, Canvas::kSide, QImage::Format_RGB32);
    const int w = in.penWidth;
    double ours = 0, theirs = 0;
    for (auto _ : s) {
        st.canvas.fill(0xFFFFFF);
        const auto t0 = Clock::now();
        st.plotter.plot(st.canvas, st.points.x.data(), st.points.y.data(), nullptr, 0, st.points.count, false, w);
        const auto t1 = Clock::now();
        {
            QPainter p(image);
            p.setPen(QPen(Qt::black, w));
            p.setBrush(Qt::black);
            for (int k = 0; k < st.points.count; ++k) {
                const int x = st.points.x[static_cast<std::size_t>(k)];
                const int y = st.points.y[static_cast<std::size_t>(k)];
                if (x < -200 || y < -200 || x > 6200 || y > 6200) continue;
                p.drawEllipse(x, y, w + 1, w + 1);
            }
        }
        const auto t2 = Clock::now();
        s.SetIterationTime(seconds(t0, t1));
        ours += seconds(t0, t1);
        theirs += seconds(t1, t2);
    }
    const double n = static_cast<double>(s.iterations());
    s.counters["qpainter_ms"] = theirs / n * 1e3;
    s.counters["speedup"] = theirs / ours;
}

void registerAll() {
    for (int c = 0; c < 10; ++c) {
        for (int f = 0; f < 2; ++f) {
            const std::string name(FormulaCatalogue::formulaName(c, f));
            const std::string tag = std::to_string(c) + "_" + std::to_string(f);
            const DrawInputs in = defaults(c, f);
            benchmark::RegisterBenchmark(("Draw/" + tag).c_str(), [in](benchmark::State& s) { runDraw(s, in); })
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
            DrawInputs big = in;
            big.params[0] = 999;
            benchmark::RegisterBenchmark(("DrawP1_999/" + tag).c_str(), [big](benchmark::State& s) { runDraw(s, big); })
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(5);
        }
    }
    DrawInputs grad = defaults(0, 0);
    grad.fgMode = 3;
    grad.rotX = 30;
    grad.rotY = 20;
    grad.rotZ = 10;
    benchmark::RegisterBenchmark("DrawGradientTurned/0_0", [grad](benchmark::State& s) { runDraw(s, grad); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    DrawInputs wide = defaults(0, 0);
    wide.penWidth = 100;
    benchmark::RegisterBenchmark("DrawPen100/0_0", [wide](benchmark::State& s) { runDraw(s, wide); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    DrawInputs wideBig = wide;
    wideBig.params[0] = 999;
    benchmark::RegisterBenchmark("DrawPen100P1_999/0_0", [wideBig](benchmark::State& s) { runDraw(s, wideBig); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("PlotVsQPainter/pen1",
                                 [](benchmark::State& s) { runPlotVsQPainter(s, defaults(0, 0)); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark("PlotVsQPainter/pen10",
                                 [](benchmark::State& s) {
                                     DrawInputs in = defaults(0, 0);
                                     in.penWidth = 10;
                                     runPlotVsQPainter(s, in);
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
}

}  // namespace

int main(int argc, char** argv) {
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
