// Start-up of the window program: from starting a process to its main window being shown
// (exposed), and the main window's own part (build, show, destroy) within a running
// application. The child process starts the window exactly as the program's entry does.
// Run under Xvfb for the X11 path, or with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QWindow>
#include <cstdlib>
#include <cstring>

#include "app/ProgramStart.h"
#include "app/TFrmIndex.h"

extern char** environ;

namespace {

const char kChildFlag[] = "--show-main-window";
const char* g_self = nullptr;

void WaitUntilExposed(QWidget& w) {
    while (w.windowHandle() == nullptr || !w.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
}

// The child: what main() does up to the first shown window, then gone at once.
[[noreturn]] void ShowMainWindowAndEnd(int argc, char** argv) {
    QApplication app(argc, argv);
    qinghe::SetUpApplication();
    TFrmIndex window;
    window.show();
    WaitUntilExposed(window);
    std::_Exit(0);
}

void BM_ProcessStartToShownWindow(benchmark::State& state) {
    for (auto _ : state) {
        char* args[] = {const_cast<char*>(g_self), const_cast<char*>(kChildFlag), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, g_self, nullptr, nullptr, args, environ) != 0) {
            state.SkipWithError("cannot start the child process");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the child process failed");
            return;
        }
    }
}
BENCHMARK(BM_ProcessStartToShownWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

void BM_MainWindowBuildShowDestroy(benchmark::State& state) {
    for (auto _ : state) {
        TFrmIndex window;
        window.show();
        WaitUntilExposed(window);
    }
}
BENCHMARK(BM_MainWindowBuildShowDestroy)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    g_self = argv[0];
    if (argc > 1 && std::strcmp(argv[1], kChildFlag) == 0) ShowMainWindowAndEnd(argc, argv);
    QApplication app(argc, argv);
    qinghe::SetUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
