// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The points the keyboard presses on a fraction drawing, and the words for a screen reader.
#include "logic/picturewords.h"

#include "logic/captions.h"
#include "logic/fractiondrawing.h"
#include "logic/readertexts.h"

#include <algorithm>
#include <cmath>

namespace maroleta {

namespace {
    // Points sit on the bisector of their sector at this part of the radius: clear of the centre, where
    // the radii crowd together, and of the rim.
    constexpr double kSpotRadius = 0.62;

    qint64 sectorCount(double denominator) { return std::max<qint64>(roundHalfEven(denominator), 1); }

    QString circleWords(qint64 circles)
    {
        return circles == 1 ? readerTexts().text("uncirculo", "un círculo")
                            : readerTexts().text("circulos", "%1 círculos").arg(circles);
    }

    QString partWords(qint64 parts)
    {
        return parts == 1 ? readerTexts().text("unaparte", "1 parte")
                          : readerTexts().text("partes", "%1 partes").arg(parts);
    }

    QString colouredWords(double numerator)
    {
        const QString count = numberCaption(numerator);
        return numerator == 1 ? readerTexts().text("coloreada", "%1 coloreada").arg(count)
                              : readerTexts().text("coloreadas", "%1 coloreadas").arg(count);
    }
}

std::vector<QPoint> sectorSpots(double width, double height, double numerator, double denominator)
{
    const qint64 sectors = sectorCount(denominator);
    const FractionLayout layout = layoutFraction(width, height, numerator, double(sectors));
    std::vector<QPoint> spots;
    const double theta = kSectorTurn / double(sectors);
    for (const double cx : layout.centresX) {
        if (layout.plainDiscs) {
            spots.emplace_back(int(std::lround(cx)), int(std::lround(layout.centreY)));
            continue;
        }
        for (qint64 i = 0; i < sectors; ++i) {
            // Counterclockwise on the screen: the angle grows upwards, against the pixel rows.
            const double middle = (double(i) + 0.5) * theta;
            const double distance = kSpotRadius * layout.radius;
            spots.emplace_back(int(std::lround(cx + distance * std::cos(middle))),
                int(std::lround(layout.centreY - distance * std::sin(middle))));
        }
    }
    return spots;
}

qint64 fractionCircles(double width, double height, double numerator, double denominator)
{
    return qint64(layoutFraction(width, height, numerator, double(sectorCount(denominator))).centresX.size());
}

QString fractionPictureText(double numerator, double denominator, qint64 circles)
{
    return readerTexts()
        .text("dibujo", "%1/%2: %3 de %4, %5")
        .arg(numberCaption(numerator), numberCaption(denominator), circleWords(circles),
            partWords(sectorCount(denominator)), colouredWords(numerator));
}

QString sumPictureText(
    double numeratorA, double denominatorA, double numeratorB, double denominatorB, bool equalDenominators)
{
    const QString a = fractionPictureText(numeratorA, denominatorA, 1);
    const QString b = fractionPictureText(numeratorB, denominatorB, 1);
    const QString colours = equalDenominators
        ? readerTexts().text("mismodenominador", "los dos en azul: mismo denominador")
        : readerTexts().text("distintodenominador", "el primero en cian, el segundo en magenta: distinto denominador");
    return readerTexts().text("dibujosuma", "Primera fracción %1; segunda fracción %2; %3").arg(a, b, colours);
}

} // namespace maroleta
