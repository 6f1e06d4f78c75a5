// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Every handler of the program in its worst case, on the real main window shown maximised on a
// 1920 × 1080 offscreen screen (the largest pictures). Each must finish in well under a 60 Hz frame;
// the goal is 4 ms. The worst cases: the shared second fraction at 2000/2000 (base 200/200 amplified
// by 10), which every menu click redraws, and with its numerator raised to sixteen circles of 2000
// sectors; the first fraction at its limit of sixteen circles of 150 sectors; the guided sum with working denominators
// of about 2000; a results list of 1000 lines. Each handler is reached as the pupil reaches it, by a click
// on the control of that design name ("Command6(9)"); the worst cases are prepared by setting captions.
#include "keypad/form2.h"
#include "logic/captions.h"
#include "results/form3.h"
#include "results/resultslog.h"
#include "shell/form1.h"
#include "widgets/messagebox.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace maroleta;

namespace {

Random generator(20261206);
Form1* window = nullptr;
// A results log of the benchmark's own, written as the practice sections write theirs.
std::unique_ptr<ResultsLog> ownLog;

// A control of the main window by its design name, or of the keypad ("Form2.Command1(3)").
template <typename Control = QWidget> Control* control(const QString& name)
{
    QWidget* top = name.startsWith(QLatin1String("Form2.")) ? static_cast<QWidget*>(window->keypad()) : window;
    return top->findChild<Control*>(name.mid(name.startsWith(QLatin1String("Form2.")) ? 6 : 0));
}

// A click as the pupil's: the button's signals, or the label's.
void press(const QString& name)
{
    if (auto* button = control<QAbstractButton>(name))
        button->click();
    else
        Q_EMIT control<Label>(name)->clicked();
}

QString text(const QString& name) { return control<QWidget>(name)->property("text").toString(); }
void setCaption(const QString& name, int value) { control<Label>(name)->setText(numberCaption(value)); }

// The amplifying base at 200/200 by 10: the second fraction is 2000/2000, the largest it gets from the
// amplifying screen.
void largestSecondFraction()
{
    setCaption("Label4(0)", 200);
    setCaption("Label5(0)", 200);
    press("Command6(9)");
}

// The second fraction's numerator raised from there to its limit: sixteen circles of 2000 sectors.
void mostSecondCircles()
{
    largestSecondFraction();
    setCaption("Label2(0)", 31999);
    press("Command4(1)");
}

// The first fraction at its limit: sixteen full circles of 150 sectors.
void largestFirstFraction()
{
    setCaption("Label1(0)", 2399);
    setCaption("Label1(1)", 150);
    press("Command2(0)");
}

// Between two cases the window gets its event loop back, as it does between two clicks: what the last
// case left pending (repaints, raises) is not charged to the next.
void settle() { QCoreApplication::processEvents(); }

void BM_Menu(benchmark::State& state)
{
    largestSecondFraction();
    settle();
    const int section = int(state.range(0));
    const QString button = arrayName(QStringLiteral("Command1"), section);
    for (auto _ : state)
        press(button);
}

// Handlers whose worst case repeats itself: the same press again at the same state.
template <typename Prepare, typename Handler> void repeated(benchmark::State& state, Prepare prepare, Handler handler)
{
    prepare();
    settle();
    for (auto _ : state)
        handler();
}

// Handlers that step a value: a step forward and a step back in turn, so the state stays at its worst.
template <typename Prepare, typename Handler>
void alternating(benchmark::State& state, Prepare prepare, Handler handler)
{
    prepare();
    settle();
    int n = 0;
    for (auto _ : state)
        handler(n++ % 2);
}

void enterSection(int section) { press(arrayName(QStringLiteral("Command1"), section)); }

// The guided sum with both working denominators stepped up to about 2000.
void largeGuidedSum()
{
    enterSection(3);
    for (int i = 0; i < 2; ++i)
        while (captionValue(text(arrayName(QStringLiteral("Command12"), i))) < 2000)
            press(arrayName(QStringLiteral("Command12"), i));
}

void manyResultLines()
{
    while (ownLog->ResultCount() < 1000)
        ownLog->WriteResultLine(QStringLiteral("3/4 X 2/5 = 6/20 ** MUY BIEN **"));
}

// The main window's own results window over a list of a thousand lines.
void manyShownLines()
{
    ListBox* list = window->results()->List1;
    while (list->count() < 1000)
        list->addItem(QStringLiteral("3/4 X 2/5 = 6/20 ** MUY BIEN **"));
}

} // namespace

#define HANDLER(name, ...) BENCHMARK_CAPTURE(name, , __VA_ARGS__)->Unit(benchmark::kMicrosecond)

// Navigation, for each section: hides and shows, recomputes the amplifying line (a 2000/2000 redraw),
// runs the section's preparation.
BENCHMARK(BM_Menu)->DenseRange(0, 8)->Unit(benchmark::kMicrosecond);

void BM_Command2_Click(benchmark::State& s)
{
    repeated(s, largestFirstFraction, [] { press(QStringLiteral("Command2(0)")); });
}
void BM_Command3_Click(benchmark::State& s)
{
    repeated(s, largestFirstFraction, [] { press(QStringLiteral("Command3(0)")); });
}
void BM_Command4_Click(benchmark::State& s)
{
    alternating(s, mostSecondCircles, [](int i) { press(arrayName(QStringLiteral("Command4"), i)); });
}
void BM_Command5_Click(benchmark::State& s)
{
    alternating(s, largestSecondFraction, [](int i) { press(arrayName(QStringLiteral("Command5"), 1 - i)); });
}
void BM_Picture1_Mousedown(benchmark::State& s)
{
    // The white half of 1/2, the largest sector there is, painted and unpainted in turn.
    repeated(
        s,
        [] {
            setCaption("Label1(0)", 1);
            setCaption("Label1(1)", 2);
            press(QStringLiteral("Command3(0)"));
            press(QStringLiteral("Command3(1)"));
        },
        [] {
            // A left press there, as the pointer makes it (the picture is one pixel of image to a pixel).
            auto* picture = control<PictureBox>(QStringLiteral("Picture1"));
            const QPointF at = QPointF(picture->contentsRect().topLeft())
                + QPointF(picture->image().width() / 2.0, picture->image().height() * 0.75);
            QMouseEvent event(
                QEvent::MouseButtonPress, at, picture->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(picture, &event);
        });
}
void BM_Command6_Click(benchmark::State& s)
{
    repeated(s, largestSecondFraction, [] { press(QStringLiteral("Command6(9)")); });
}
void BM_Command7_Click(benchmark::State& s)
{
    alternating(s, largestSecondFraction, [](int i) { press(arrayName(QStringLiteral("Command7"), 1 - i)); });
}
void BM_Command8_Click(benchmark::State& s)
{
    alternating(s, largestSecondFraction, [](int i) { press(arrayName(QStringLiteral("Command8"), 1 - i)); });
}
void prepareSimplify()
{
    enterSection(2);
    setCaption("Label6(0)", 200);
    setCaption("Label7(0)", 200);
}
void BM_Command9_Click(benchmark::State& s)
{
    repeated(s, prepareSimplify, [] { press(QStringLiteral("Command9(0)")); });
}
void BM_Command10_Click(benchmark::State& s)
{
    alternating(s, prepareSimplify, [](int i) { press(arrayName(QStringLiteral("Command10"), 1 - i)); });
}
void BM_Command11_Click(benchmark::State& s)
{
    alternating(s, prepareSimplify, [](int i) { press(arrayName(QStringLiteral("Command11"), 1 - i)); });
}
void BM_Command12_Click_working(benchmark::State& s)
{
    largeGuidedSum();
    settle();
    int n = 0;
    for (auto _ : s) {
        if (n++ % 2 == 0)
            press(QStringLiteral("Command12(0)"));
        else
            press(QStringLiteral("Command13(0)"));
    }
}
void BM_Command12_Click_result(benchmark::State& s)
{
    largeGuidedSum();
    settle();
    int n = 0;
    for (auto _ : s)
        press(arrayName(QStringLiteral("Command12"), n++ % 2 == 0 ? 4 : 5));
}
void BM_Label17_Click(benchmark::State& s)
{
    repeated(
        s, [] { enterSection(4); }, [] { press(QStringLiteral("Label17(2)")); });
}
void BM_Command21_Click(benchmark::State& s)
{
    repeated(
        s,
        [] {
            enterSection(4);
            press(QStringLiteral("Label17(2)"));
            press(QStringLiteral("Form2.Command1(1)"));
        },
        [] { press(QStringLiteral("Command21(0)")); });
}
void BM_Keypad_Digit(benchmark::State& s)
{
    repeated(
        s,
        [] {
            enterSection(4);
            press(QStringLiteral("Label17(2)"));
        },
        [] {
            press(QStringLiteral("Form2.Command1(9)"));
            press(QStringLiteral("Form2.Command3"));
        });
}
void BM_Keypad_Step(benchmark::State& s)
{
    alternating(
        s,
        [] {
            enterSection(4);
            press(QStringLiteral("Label17(2)"));
        },
        [](int i) { press(arrayName(QStringLiteral("Form2.Command2"), i)); });
}
void BM_Keypad_Form_MouseMove(benchmark::State& s)
{
    alternating(
        s,
        [] {
            enterSection(4);
            press(QStringLiteral("Label17(2)"));
        },
        [](int i) {
            // A move over the keypad's background, with the button held every other time (a drag).
            QWidget* background = control("Form2.Label1")->parentWidget();
            const QPointF at(20 + i, 13);
            QMouseEvent move(QEvent::MouseMove, at, background->mapToGlobal(at), Qt::NoButton,
                i ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(background, &move);
        });
}
void BM_Command14_Click(benchmark::State& s)
{
    repeated(
        s, [] { enterSection(5); }, [] { press(QStringLiteral("Command14(3)")); });
}
void BM_Command15_Click(benchmark::State& s)
{
    alternating(
        s, [] { enterSection(5); }, [](int i) { press(QString::fromLatin1(i ? "Command16(0)" : "Command15(0)")); });
}
void BM_List1_Click(benchmark::State& s)
{
    // The last multiple chosen, and the one before it: each choice is a change of the selection.
    alternating(
        s, [] { enterSection(5); },
        [](int i) {
            auto* list = control<QListWidget>(QStringLiteral("List1(0)"));
            list->setCurrentRow(list->count() - 1 - i);
        });
}
void BM_Command17_Click(benchmark::State& s)
{
    repeated(
        s, [] { enterSection(5); }, [] { press(QStringLiteral("Command17")); });
}
void BM_Option1_Click(benchmark::State& s)
{
    alternating(
        s, [] { enterSection(6); }, [](int i) { press(arrayName(QStringLiteral("Option1"), i)); });
}
void BM_Command18_Click(benchmark::State& s)
{
    alternating(
        s, [] { enterSection(6); }, [](int i) { press(arrayName(QStringLiteral("Command18"), i ? 2 : 1)); });
}
void BM_Command19_Click(benchmark::State& s)
{
    repeated(
        s, [] { enterSection(6); }, [] { press(QStringLiteral("Command19")); });
}
void BM_WriteResultLine(benchmark::State& s)
{
    repeated(
        s, manyResultLines, [] { ownLog->WriteResultLine(QStringLiteral("1/2 + 1/3 + 1/6 = 6/6 ** MUY BIEN **")); });
}
void BM_Command20_Click(benchmark::State& s)
{
    repeated(s, manyShownLines, [] {
        press(QStringLiteral("Command20"));
        window->results()->hide();
        settle();
    });
}

// Before any check below writes lines: the results window shown over a list of a thousand lines.
BENCHMARK(BM_Command20_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command2_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command3_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command4_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command5_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Picture1_Mousedown)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command6_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command7_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command8_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command9_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command10_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command11_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command12_Click_working)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command12_Click_result)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Label17_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command21_Click)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK(BM_Keypad_Digit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Keypad_Step)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Keypad_Form_MouseMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command14_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command15_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_List1_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command17_Click)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK(BM_Option1_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command18_Click)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command19_Click)->Unit(benchmark::kMicrosecond)->Iterations(2000);
// A thousand more lines at most, so that the list stays the size of a long lesson.
BENCHMARK(BM_WriteResultLine)->Unit(benchmark::kMicrosecond)->Iterations(1000);

int main(int argc, char** argv)
{
    // An offscreen screen of 1920 × 1080, described in a file of the benchmark's own.
    QTemporaryDir screens;
    const QString config = screens.filePath(QStringLiteral("screen.json"));
    {
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write(R"({ "screens": [ { "name": "hd", "x": 0, "y": 0, "width": 1920, "height": 1080,
                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] })");
    }
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    QApplication app(argc, argv);
    // The offscreen platform warns at every raise() of the keypad; the figures are what matters here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    setMessageSink([](const QString&, const QString&) {});
    auto form = std::make_unique<Form1>(&generator);
    window = form.get();
    window->showMaximized();
    ownLog = std::make_unique<ResultsLog>(control(QStringLiteral("Frame1(0)")));
    QCoreApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ownLog.reset(); // its window goes before the application does
    return 0;
}
