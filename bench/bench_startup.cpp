// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Start-up of the whole program, as a process: the program started as main starts it (language files,
// layout, both drawings, the first show, maximised) and quit as soon as its first frame is painted,
// beside a bare window of 300 widgets built the same way (the program's own control classes placed in
// twips, shown maximised, painted once). Both paint that first frame through QWidget::grab(): offscreen,
// a window quit straight after its show may never paint, nor load a font. Both run offscreen in child
// processes of this benchmark; it reports their times, their peak memory (the largest resident size)
// and the two ratios. The goal: the program within 1.3 times the bare window.
#include "logic/languagefiles.h"
#include "shell/form1.h"
#include "widgets/controls.h"

#include <QApplication>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

using namespace maroleta;

namespace {

constexpr const char* kProgramMode = "--start-program";
constexpr const char* kBareMode = "--start-bare-window";
constexpr int kBareWidgets = 300;

// Child: the program as main starts it, quit as soon as its first show has been processed.
int startProgram(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Maroleta"));
    // The benchmark does not sit beside the program: it reads the language set the build put there.
    setLanguageFolder(QStringLiteral(MAROLETA_LANGUAGE_FOLDER));
    Form1 window;
    window.showMaximized();
    window.grab(); // the first frame painted, every text and picture in it, as the screen would get it
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

// Child: a window of 300 controls of the program's own classes, in a grid, shown maximised.
int startBareWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Maroleta"));
    QWidget window;
    for (int i = 0; i < kBareWidgets; ++i) {
        const QRect place(120 + (i % 20) * 840, 120 + (i / 20) * 600, 735, 495);
        if (i % 2 == 0) {
            auto* button = makeControl<CommandButton>(&window, arrayName(QStringLiteral("Command"), i), place);
            button->setText(QString::number(i));
            button->setFont(designFont(QStringLiteral("Arial"), 12, true));
        } else {
            auto* label = makeControl<Label>(&window, arrayName(QStringLiteral("Label"), i), place);
            label->setText(QString::number(i));
            label->setFont(designFont(QStringLiteral("Arial"), 18, true));
        }
    }
    window.showMaximized();
    window.grab(); // the first frame painted, every text and picture in it, as the screen would get it
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

struct Run {
    double seconds = 0;
    double peakMegabytes = 0;
};

// Starts this very executable in one of the child modes and waits for it.
Run runChild(const char* self, const char* mode)
{
    char* args[] = { const_cast<char*>(self), const_cast<char*>(mode), nullptr };
    const auto start = std::chrono::steady_clock::now();
    // The children's warnings (no runtime folder set, and the like) would drown the table.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self, &quiet, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return {};
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return { std::chrono::duration<double>(end - start).count(), double(usage.ru_maxrss) / 1024.0 };
}

const char* selfPath = nullptr;

void report(benchmark::State& state, const Run& total, int runs)
{
    state.counters["peak_MB"] = total.peakMegabytes / runs;
    if (total.seconds == 0)
        state.SkipWithError("the child process failed");
}

// The program (`mode` kProgramMode) or the bare window (kBareMode), started again and again.
void BM_Start(benchmark::State& state, const char* mode)
{
    Run total;
    int runs = 0;
    for (auto _ : state) {
        const Run run = runChild(selfPath, mode);
        state.SetIterationTime(run.seconds);
        total.seconds += run.seconds;
        total.peakMegabytes += run.peakMegabytes;
        ++runs;
    }
    report(state, total, runs);
}

// Both, one after the other in every iteration, so that the ratios come from one run on one machine.
void BM_StartupRatio(benchmark::State& state)
{
    Run program;
    Run bare;
    for (auto _ : state) {
        const Run p = runChild(selfPath, kProgramMode);
        const Run b = runChild(selfPath, kBareMode);
        state.SetIterationTime(p.seconds);
        program.seconds += p.seconds;
        program.peakMegabytes += p.peakMegabytes;
        bare.seconds += b.seconds;
        bare.peakMegabytes += b.peakMegabytes;
    }
    if (bare.seconds == 0 || program.seconds == 0) {
        state.SkipWithError("a child process failed");
        return;
    }
    state.counters["time_ratio"] = program.seconds / bare.seconds;
    state.counters["memory_ratio"] = program.peakMegabytes / bare.peakMegabytes;
}

} // namespace

BENCHMARK_CAPTURE(BM_Start, program, kProgramMode)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(BM_Start, bare_window, kBareMode)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartupRatio)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], kProgramMode) == 0)
        return startProgram(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], kBareMode) == 0)
        return startBareWindow(argc, argv);

    selfPath = "/proc/self/exe";
    // Both children run offscreen, without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
