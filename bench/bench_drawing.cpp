// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// How long a picture takes to redraw, and a sector click with its flood fill, on a 1900 × 500 picture:
// about the largest a picture gets, half the section of a full-screen window on a 1920 × 1080 screen.
// A redraw must fit well inside one 60 Hz frame (16.7 ms) even in the worst cases.
#include "logic/canvas.h"
#include "logic/colors.h"
#include "logic/fractiondrawing.h"

#include <benchmark/benchmark.h>

using namespace maroleta;

namespace {
constexpr int kWidth = 1900;
constexpr int kHeight = 500;

void drawing(benchmark::State& state, int width, int height, double numerator, double denominator)
{
    QImage image(width, height, QImage::Format_RGB32);
    Canvas canvas(image);
    for (auto _ : state) {
        drawFraction(canvas, numerator, denominator);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// One circle: the largest fills (clearing, the blue half, the background round it).
void BM_OneHalf(benchmark::State& state) { drawing(state, kWidth, kHeight, 1, 2); }
void BM_TwoThousandSectors(benchmark::State& state) { drawing(state, kWidth, kHeight, 2000, 2000); }
void BM_HundredCircles(benchmark::State& state) { drawing(state, kWidth, kHeight, 2000, 20); }
void BM_SixteenCirclesOf150(benchmark::State& state) { drawing(state, kWidth, kHeight, 2399, 150); }
void BM_SixteenCirclesOf2000(benchmark::State& state) { drawing(state, kWidth, kHeight, 31999, 2000); }

// A press on the white half of 1/2: the flood fill paints the largest sector there is, then the
// next press paints it back.
void BM_SectorClick(benchmark::State& state)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    Canvas canvas(image);
    drawFraction(canvas, 1, 2);
    const double x = kWidth / 2.0;
    const double y = kHeight * 3 / 4.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(toggleSector(canvas, x, y));
    }
}
}

BENCHMARK(BM_OneHalf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwoThousandSectors)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HundredCircles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SixteenCirclesOf150)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SixteenCirclesOf2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SectorClick)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
