// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Numbers kept in captions: reading them back and writing them out.
#include "logic/captions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace maroleta {

namespace {
    bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
}

double captionValue(const QString& caption)
{
    const qsizetype length = caption.size();
    qsizetype i = 0;
    while (i < length && (caption[i] == u' ' || caption[i] == u'\t'))
        ++i;

    // Collect the longest prefix that is a decimal number; anything after it is ignored.
    QString number;
    if (i < length && (caption[i] == u'+' || caption[i] == u'-'))
        number += caption[i++];
    qsizetype digits = 0;
    while (i < length && isDigit(caption[i])) {
        number += caption[i++];
        ++digits;
    }
    if (i < length && caption[i] == u'.') {
        QString fraction = QStringLiteral(".");
        qsizetype j = i + 1;
        while (j < length && isDigit(caption[j]))
            fraction += caption[j++];
        if (fraction.size() > 1 || digits > 0) {
            number += fraction;
            digits += fraction.size() - 1;
            i = j;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < length && (caption[i] == u'e' || caption[i] == u'E')) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < length && (caption[j] == u'+' || caption[j] == u'-'))
            exponent += caption[j++];
        const qsizetype start = j;
        while (j < length && isDigit(caption[j]))
            exponent += caption[j++];
        if (j > start)
            number += exponent;
    }
    // from_chars does not take a leading '+' and ignores the locale, as a caption must.
    const QByteArray text = number.toLatin1();
    const char* first = text.constData() + (text.startsWith('+') ? 1 : 0);
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, text.constData() + text.size(), value);
    Q_UNUSED(end)
    if (error == std::errc::result_out_of_range) {
        // An overlong caption of digits: the largest number there is, never infinity.
        const bool negative = text.startsWith('-');
        const bool tiny = number.contains(QLatin1String("e-"), Qt::CaseInsensitive);
        if (tiny)
            return 0.0;
        return negative ? std::numeric_limits<double>::lowest() : std::numeric_limits<double>::max();
    }
    if (error != std::errc())
        return 0.0;
    return value;
}

QString numberCaption(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // never "-0"
    if (std::floor(value) == value && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

namespace {
    // A whole number from `value` rounded by `round`, kept within qint64; 0 for what is no number.
    qint64 wholeNumber(double value, double (*round)(double))
    {
        if (!std::isfinite(value))
            return 0;
        constexpr double limit = 9.2e18;
        return static_cast<qint64>(round(std::clamp(value, -limit, limit)));
    }
}

qint64 roundHalfEven(double value)
{
    // The default rounding mode is to nearest, ties to even.
    return wholeNumber(value, [](double v) { return std::nearbyint(v); });
}

qint64 floorInt(double value)
{
    return wholeNumber(value, [](double v) { return std::floor(v); });
}

qint64 halveRounded(double value) { return roundHalfEven(value) / 2; }

} // namespace maroleta
