// A whole classic run for 张 / 男 / 双字名 through the window's own path (worker thread,
// batches, the result area and the high-score list): time to the first name on screen,
// time until the run is shown, the most batches ever waiting, and what a stop lets through.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTextDocument>
#include <QTextEdit>

#include "BenchSupport.h"
#include "app/TFrmIndex.h"
#include "generation/NamingPage.h"
#include "generation/TMythread.h"

namespace {

QTextDocument* Memo(TFrmIndex& w) {
    return w.findChild<QTextEdit*>("MemoSuccess")->document();
}

int NamesShown(TFrmIndex& w) {
    return static_cast<int>(Memo(w)->toPlainText().count('('));
}

// The naming page with 张 typed and its combination list built (boy, two-character names).
void TypeZhang(TFrmIndex& w) {
    w.show();
    w.findChild<QLineEdit*>("Xing")->setText(QStringLiteral("张"));
    w.Naming()->XingExit();
}

void WaitForRunShown(TFrmIndex& w) {
    QEventLoop loop;
    QObject::connect(w.Naming(), &NamingPage::classicRunShown, &loop, &QEventLoop::quit);
    loop.exec();
}

void BM_ClassicRunOnScreen(benchmark::State& state) {
    bench::UseBuiltReferenceFiles();
    for (auto _ : state) {
        TFrmIndex w;
        TypeZhang(w);
        QElapsedTimer clock;
        qint64 firstName = -1;
        QObject::connect(Memo(w), &QTextDocument::contentsChanged, &w, [&] {
            if (firstName < 0 && !Memo(w)->isEmpty()) firstName = clock.nsecsElapsed();
        });
        clock.start();
        w.Naming()->RzBitBtn5Click();
        WaitForRunShown(w);
        const qint64 whole = clock.nsecsElapsed();
        state.SetIterationTime(static_cast<double>(whole) / 1e9);
        state.counters["first_name_ms"] = static_cast<double>(firstName) / 1e6;
        state.counters["whole_run_ms"] = static_cast<double>(whole) / 1e6;
        state.counters["peak_pending"] = w.Naming()->GenerationThread()->PeakPending();
        state.counters["names"] = NamesShown(w);
    }
}
BENCHMARK(BM_ClassicRunOnScreen)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

// Stopped once the given number of names is on screen: 12, as a user would, with the worker
// waiting for the window; 0, at once, while the worker's first query runs.
void BM_ClassicStopOnScreen(benchmark::State& state) {
    bench::UseBuiltReferenceFiles();
    const int stopAt = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TFrmIndex w;
        TypeZhang(w);
        w.Naming()->RzBitBtn5Click();
        while (NamesShown(w) < stopAt)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QElapsedTimer clock;
        qint64 workerEnded = -1;
        QObject::connect(
            w.Naming()->GenerationThread(), &QThread::finished, w.Naming()->GenerationThread(),
            [&] { workerEnded = clock.nsecsElapsed(); }, Qt::DirectConnection);
        const int atStop = NamesShown(w);
        clock.start();
        w.Naming()->RzBitBtn2Click();
        WaitForRunShown(w);
        w.Naming()->GenerationThread()->wait();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        state.counters["names_after_stop"] = NamesShown(w) - atStop;
        state.counters["worker_end_ms"] = static_cast<double>(workerEnded) / 1e6;
    }
}
BENCHMARK(BM_ClassicStopOnScreen)
    ->Arg(12)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);

}  // namespace
