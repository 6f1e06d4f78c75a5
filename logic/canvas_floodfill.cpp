// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The flood fill of one colour's area, a run of a row at a time.
#include "logic/canvas_floodfill.h"

#include <vector>

namespace maroleta::raster {

namespace {
    // A pixel of the target colour still to fill from. Its whole run on the row is painted at once, and the
    // runs of the target colour touching it from above and below become seeds in turn. A seed remembers
    // the run it was found from: that run is painted already, so its row is looked at only beyond the
    // run's two ends.
    struct Seed {
        int x;
        int y;
        int fromY; // the row of the run that found it; its own row for the first seed
        int fromLeft;
        int fromRight;
    };

    class Fill {
    public:
        Fill(const Surface& surface, QRgb target, QRgb paint)
            : m_surface(surface)
            , m_target(target)
            , m_paint(paint)
        {
        }

        void from(int x, int y)
        {
            m_work.push_back({ x, y, y, 0, -1 });
            while (!m_work.empty()) {
                const Seed seed = m_work.back();
                m_work.pop_back();
                fillRun(seed);
            }
        }

    private:
        // Paints the seed's run and looks for runs next to it on the rows above and below.
        void fillRun(const Seed& seed)
        {
            QRgb* line = m_surface.line(seed.y);
            if (line[seed.x] != m_target)
                return;
            int left = seed.x;
            while (left > 0 && line[left - 1] == m_target)
                --left;
            int right = seed.x;
            while (right + 1 < m_surface.width && line[right + 1] == m_target)
                ++right;
            std::fill(line + left, line + right + 1, m_paint);
            for (const int next : { seed.y - 1, seed.y + 1 }) {
                if (next < 0 || next >= m_surface.height)
                    continue;
                const Seed found { 0, next, seed.y, left, right };
                if (next != seed.fromY) {
                    pushRuns(found, left, right);
                    continue;
                }
                // Back towards the run that found this one: only past its ends.
                pushRuns(found, left, std::min(right, seed.fromLeft - 1));
                pushRuns(found, std::max(left, seed.fromRight + 1), right);
            }
        }

        // A seed like `found` for each run of the target colour on its row between left and right.
        void pushRuns(Seed found, int left, int right)
        {
            const QRgb* line = m_surface.line(found.y);
            int i = left;
            while (i <= right) {
                while (i <= right && line[i] != m_target)
                    ++i;
                if (i > right)
                    break;
                found.x = i;
                m_work.push_back(found);
                while (i <= right && line[i] == m_target)
                    ++i;
            }
        }

        const Surface& m_surface;
        const QRgb m_target;
        const QRgb m_paint;
        std::vector<Seed> m_work;
    };
}

void floodFill(const Surface& surface, int x, int y, QRgb target, QRgb paint) { Fill(surface, target, paint).from(x, y); }

} // namespace maroleta::raster
