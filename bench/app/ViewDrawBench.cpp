// F3 in the main window to the repainted view, against the engine's Draw of
// the same default figure on a canvas of its own. Both run in every
// iteration, one after the other, so the ratio compares like with like.
// Run offscreen: QT_QPA_PLATFORM=offscreen view_draw_bench --benchmark_repetitions=5
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>

#include "app/CAppContext.h"
#include "app/CMainFrame.h"
#include "engine/DrawInputs.h"
#include "engine/DrawPipeline.h"
#include "engine/PlainPanes.h"
#include "panes/CommandSink.h"
#include "view/CLumoraView.h"

namespace {

using Clock = std::chrono::steady_clock;

struct NoApplication : lumora::CommandSink {
    bool runCommand(int) override { return false; }
};

struct Window {
    lumora::CAppContext context;
    NoApplication application;
    lumora::CMainFrame frame{context, application};
    Window() {
        frame.show();
        (void)QTest::qWaitForWindowExposed(&frame);
    }
};

// One window for every benchmark: two would share the application-wide keys.
Window& sharedWindow() {
    static Window* window = new Window;
    return *window;
}

void F3ToRepaintedView(benchmark::State& state) {
    Window* window = &sharedWindow();
    static lumora::DrawState* engineState = new lumora::DrawState;
    lumora::PlainPanes panes;
    const lumora::DrawInputs inputs = lumora::readDrawInputs(panes.panes());
    QWidget* viewport = window->frame.view().viewport();
    double engineSeconds = 0, windowSeconds = 0, paintSeconds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        lumora::draw(inputs, *engineState);
        const auto t1 = Clock::now();
        QTest::keyClick(&window->frame, Qt::Key_F3);
        const auto tk = Clock::now();
        viewport->repaint();
        const auto t2 = Clock::now();
        paintSeconds += std::chrono::duration<double>(t2 - tk).count();
        engineSeconds += std::chrono::duration<double>(t1 - t0).count();
        windowSeconds += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(std::chrono::duration<double>(t2 - t1).count());
    }
    state.counters["engine_ms"] = benchmark::Counter(engineSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["window_ms"] = benchmark::Counter(windowSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["paint_ms"] = benchmark::Counter(paintSeconds * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = engineSeconds > 0 ? windowSeconds / engineSeconds : 0;
}
BENCHMARK(F3ToRepaintedView)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Making the screen picture again from the canvas, the part of the window's
// Draw that the engine's Draw does not have.
void RefreshScreenPicture(benchmark::State& state) {
    Window& window = sharedWindow();
    QTest::keyClick(&window.frame, Qt::Key_F3);
    for (auto _ : state) window.frame.view().refreshPicture();
    state.counters["crop_side"] = static_cast<double>(window.frame.view().shownCrop().side);
}
BENCHMARK(RefreshScreenPicture)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The window writes its per-user files and settings into a folder of its own.
    QTemporaryDir folders;
    qputenv("LUMORA_DATA_DIR", (folders.path() + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (folders.path() + QStringLiteral("/share")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (folders.path() + QStringLiteral("/config")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
