// Numbers kept in captions: reading them back and writing them out.
#include "logic/captions.h"

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
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return 0.0;
    // An overlong caption of digits overflows to infinity; no caption of this program is meant to hold one.
    if (!std::isfinite(value))
        return value > 0 ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest();
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

qint64 roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double limit = 9.2e18;
    if (value > limit)
        return static_cast<qint64>(limit);
    if (value < -limit)
        return static_cast<qint64>(-limit);
    return static_cast<qint64>(std::nearbyint(value)); // the default rounding mode is to nearest, ties to even
}

qint64 floorInt(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double limit = 9.2e18;
    if (value > limit)
        return static_cast<qint64>(limit);
    if (value < -limit)
        return static_cast<qint64>(-limit);
    return static_cast<qint64>(std::floor(value));
}

qint64 halveRounded(double value) { return roundHalfEven(value) / 2; }

} // namespace maroleta
