// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The logic without any window: numbers in captions, language files, the screen layout, the drawing layer,
// fractions drawn as circles, the guided sum, the exercises of the practices, and the words of reading aloud.
#include "sectorcolours.h"

#include "logic/captions.h"
#include "logic/languagefiles.h"
#include "logic/layout.h"
#include "logic/muldivexercise.h"
#include "logic/readertexts.h"
#include "logic/resultswindow.h"
#include "logic/simplifyexercise.h"
#include "logic/sumexercise.h"
#include "logic/voicetexts.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <vector>

using namespace maroleta;
using namespace maroleta::testing;

namespace {
// The values each named part of `draws` draws from a generator seeded `seed` took: "first..last", and how
// many when they leave gaps.
using Values = std::vector<std::pair<QString, int>>;
QStringList spreads(quint32 seed, int draws, const std::function<Values(Random&)>& draw)
{
    Random random(seed);
    std::map<QString, std::set<int>> seen;
    for (int i = 0; i < draws; ++i)
        for (const auto& [name, value] : draw(random))
            seen[name].insert(value);
    QStringList spread;
    for (const auto& [name, values] : seen) {
        const int first = *values.begin(), last = *values.rbegin();
        spread << QStringLiteral("%1 %2..%3").arg(name).arg(first).arg(last)
                + (int(values.size()) == last - first + 1 ? QString()
                                                          : QStringLiteral(", %1 values").arg(values.size()));
    }
    return spread;
}

// Every term a simplification exercise can have: 2^(1..4) 3^(0..threes) 5^(0..1) 7^(0..1) 11^(0..1) in 4..1000.
QSet<int> possibleTerms(int threes)
{
    QSet<int> terms;
    for (int twos = 2; twos <= 16; twos *= 2)
        for (int power3 = 1, b = 0; b <= threes; ++b, power3 *= 3)
            for (const int others : { 1, 5, 7, 11, 35, 55, 77, 385 })
                if (const int term = twos * power3 * others; term >= 4 && term <= 1000)
                    terms.insert(term);
    return terms;
}

// The black runs met walking once around a circle at 80 % of its radius: the radii it shows.
int radiiAround(const Canvas& canvas, double cx, double cy, double radius)
{
    const auto black = [&](int s) { // s in 4000ths of a turn
        const double angle = (s % 4000) * 6.283185307179586 / 4000;
        return letterAt(canvas, cx + 0.8 * radius * std::cos(angle), cy - 0.8 * radius * std::sin(angle)) == u'k';
    };
    int runs = 0;
    for (int s = 1; s <= 4000; ++s)
        runs += black(s) && !black(s - 1);
    return runs;
}

} // namespace

class LogicTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsCaptions_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("value");
        constexpr double largest = std::numeric_limits<double>::max();
        QTest::addRow("question mark") << "?" << 0.0;
        QTest::addRow("blanks then digits then letters") << " \t12abc" << 12.0;
        QTest::addRow("decimal") << "12.5" << 12.5;
        // Never infinity, however long the run of digits.
        QTest::addRow("400 nines") << QString(400, u'9') << largest;
    }
    void readsCaptions()
    {
        QFETCH(QString, caption);
        QTEST(captionValue(caption), "value");
    }

    void readsLanguageLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("mixed ends, more asked than held")
            << QByteArray("uno\r\ndos\ntres") << 5 << QStringList { "uno", "dos", "tres" };
        QTest::addRow("fewer asked than held") << QByteArray("a\nb\nc\n") << 2 << QStringList { "a", "b" };
        QTest::addRow("blanks kept") << QByteArray("  dos espacios  \r\n") << 1 << QStringList { "  dos espacios  " };
        QTest::addRow("empty line is a line") << QByteArray("\r\nB\r\n") << 2 << QStringList { "", "B" };
        QTest::addRow("lone CR stays in the line") << QByteArray("a\rb\n") << 2 << QStringList { "a\rb" };
    }
    void readsLanguageLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QTEST(languageLines(bytes, count), "lines");
    }

    // Every character of the bytes 0x80..0x9F (where Windows-1252 and Latin-1 differ) and some accented
    // letters, decoded by the codec of this Qt and as a Qt without one decodes them.
    void decodesWindows1252()
    {
        // 0x81, 0x8D, 0x8F, 0x90 and 0x9D are undefined in Windows-1252.
        const QByteArray bytes(
            "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8e\x91\x92\x93\x94\x95\x96\x97\x98\x99"
            "\x9a\x9b\x9c\x9e\x9f Representaci\xf3n gr\xe1"
            "fica PRESENTACI\xd3N");
        const QString expected = QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ Representación gráfica PRESENTACIÓN");
        QCOMPARE(languageLines(bytes + "\r\nsiguiente\r\n", 1), QStringList { expected });
        QCOMPARE(windows1252WithoutCodec(bytes), expected);
        // The five undefined bytes do not end the line.
        const QStringList lines = languageLines(QByteArray("a\x81\x8d\x8f\x90\x9dz\r\nsiguiente\r\n"), 2);
        QVERIFY2(lines.size() == 2 && lines[0].startsWith(u'a') && lines[0].endsWith(u'z') && lines[1] == "siguiente",
            qPrintable(lines.join(u'|')));
    }

    void layoutOf1024x768()
    {
        LayoutInput in;
        in.screen = QSize(15360, 11520);
        in.innerFrame = designInnerFrameSizes();
        const LayoutResult r = arrangeScreen(in);
        QCOMPARE((QList<QRect> { r.section, r.picture1, r.picture2 }),
            (QList<QRect> { { 1845, 890, 13435, 9630 }, { 1905, 1090, 11480, 4615 }, { 1905, 5735, 11480, 4615 } }));
        // The side frames, then the inner frames of sections 7, 2, 4 and 3 (Frame10, Frame5, Frame9, Frame6,
        // which keeps its own left edge).
        QCOMPARE(
            (QList<QPoint> { r.frame2, r.frame3, r.innerFrame[7], r.innerFrame[2], r.innerFrame[4], r.innerFrame[3] }),
            (QList<QPoint> {
                { 13405, 1090 }, { 13405, 5735 }, { 3230, 2587 }, { 3050, 1260 }, { 2090, 200 }, { 120, 780 } }));
    }

    void drawsFractions_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("numerator");
        QTest::addColumn<double>("denominator");
        QTest::addColumn<QString>("colours"); // each circle's sectors read in their middles; "" not read
        QTest::addColumn<qint64>("wholeCircles"); // -1: one circle, no count
        const QSize small(300, 100), screen(765, 307), wide(600, 100);
        QTest::addRow("1/2") << small << 1.0 << 2.0 << "bw" << qint64(-1);
        QTest::addRow("0/5") << small << 0.0 << 5.0 << "wwwww" << qint64(-1);
        QTest::addRow("7/7") << screen << 7.0 << 7.0 << "bbbbbbb" << qint64(-1);
        QTest::addRow("5/2") << small << 5.0 << 2.0 << "bb bb bw" << qint64(2);
        QTest::addRow("4/2: exactly two circles") << screen << 4.0 << 2.0 << "bb bb" << qint64(2);
        QTest::addRow("47/2, partly painted last") << small << 47.0 << 2.0 << "" << qint64(23);
        QTest::addRow("0/1: one white circle") << wide << 0.0 << 1.0 << "w" << qint64(-1);
        QTest::addRow("3/1: three blue circles") << wide << 3.0 << 1.0 << "b b b" << qint64(3);
        QTest::addRow("53/150, counted counterclockwise")
            << QSize(1000, 1000) << 53.0 << 150.0 << QString(53, u'b') + QString(97, u'w') << qint64(-1);
        // A hundred circles: plain discs where the cells are too narrow for sectors.
        QTest::addRow("199/2 in 300 pixels") << small << 199.0 << 2.0 << "" << qint64(99);
        QTest::addRow("2000/20 on a small screen") << screen << 2000.0 << 20.0 << "" << qint64(100);
        QTest::addRow("2000/20 wide") << QSize(1900, 500) << 2000.0 << 20.0 << "" << qint64(100);
    }
    void drawsFractions()
    {
        QFETCH(QSize, size);
        QFETCH(double, numerator);
        QFETCH(double, denominator);
        QFETCH(QString, colours);
        QFETCH(qint64, wholeCircles);
        QImage image(size, QImage::Format_RGB32);
        Canvas canvas(image);
        QCOMPARE(drawFraction(canvas, numerator, denominator).value_or(-1), wholeCircles);
        if (!colours.isEmpty())
            QCOMPARE(circleColours(image, numerator, denominator), colours);
        // The circles stand in one row inside the picture, 6 pixels from its top and bottom, clear of each other.
        const FractionLayout layout = layoutFraction(size.width(), size.height(), numerator, denominator);
        const double radius = layout.radius;
        QVERIFY(radius > 0 && layout.centreY - radius >= 6 && layout.centreY + radius <= size.height() - 6);
        for (std::size_t i = 0; i < layout.centresX.size(); ++i)
            QVERIFY(layout.centresX[i] - radius >= 0 && layout.centresX[i] + radius < size.width()
                && (i == 0 || layout.centresX[i] - layout.centresX[i - 1] > 2 * radius));
        // Every pixel clear of all circles is near-white grey; every circle pixel black, white or blue, never an
        // antialiased shade (or grey, a white disc too small for an outline); every full circle shows blue.
        const QString inside = layout.discOutlines ? "kwb" : "kwbg";
        std::vector<bool> blue(layout.centresX.size());
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const auto cell = std::size_t(std::clamp<qint64>(
                    x / std::max<qint64>(layout.cellWidth, 1), 0, qint64(layout.centresX.size()) - 1));
                const double distance = std::hypot(x - layout.centresX[cell], y - layout.centreY);
                const QChar letter = letterAt(canvas, x, y);
                QVERIFY2(distance <= radius + 1.5 || letter == u'g', qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                QVERIFY2(
                    distance > radius || inside.contains(letter), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                blue[cell] = blue[cell] || (distance <= radius && letter == u'b');
            }
        }
        for (qint64 i = 0; i < std::max<qint64>(wholeCircles, numerator == denominator ? 1 : 0); ++i)
            QVERIFY2(blue[std::size_t(i)], qPrintable(QStringLiteral("circle %1 shows no blue").arg(i)));
    }

    void sumDraws()
    {
        // Exact over the product of the denominators: first two minus the third, scaled. Equal parts compared
        // as doubles may come out either way (1/3 + 1/6 against 1/2), and a sum is harmless.
        const auto draw = [](Random& random) {
            const SumExercise e = drawSumExercise(random);
            const auto& n = e.numerators;
            const auto& d = e.denominators;
            const long long difference = (long long)(n[0] * d[1] + n[1] * d[0]) * d[2] - (long long)n[2] * d[0] * d[1];
            return Values { { "numerators", n[0] }, { "numerators", n[1] }, { "numerators", n[2] },
                { "denominators", d[0] }, { "denominators", d[1] }, { "denominators", d[2] }, { "added", e.addThird },
                { "misjudged", e.addThird ? difference > 0 : difference < 0 },
                { "subtraction to 0", !e.addThird && difference == 0 } };
        };
        QCOMPARE(spreads(7, 20000, draw),
            (QStringList {
                "added 0..1", "denominators 2..11", "misjudged 0..0", "numerators 1..10", "subtraction to 0 0..1" }));
    }

    void judgesSums()
    {
        // The verdicts on the three amplified numerators and the result, 1 for right; a right answer row is
        // judged on the window in tst_practice.
        const auto verdicts = [](std::array<double, 3> numerators, std::array<int, 3> multipliers, bool add,
                                  std::array<double, 4> answers) {
            const SumJudgement j = judgeSum(numerators, multipliers, add, answers);
            QString letters;
            for (const bool right : j.right)
                letters += right ? u'1' : u'0';
            return j.allRight() ? letters + " all right" : letters;
        };
        // 3/4 + 2/5 - 1/2 over 20 (multipliers 5, 4, 10), the result added instead; 1/2 + 1/4 + 4/5 over 20, the
        // second amplified wrong: the result of the right numerators is right; no row picked counts as 0.
        QCOMPARE((QStringList { verdicts({ 3, 2, 1 }, { 5, 4, 10 }, false, { 15, 8, 10, 33 }),
                     verdicts({ 1, 1, 4 }, { 10, 5, 4 }, true, { 10, 6, 16, 31 }),
                     verdicts({ 1, 1, 3 }, { 0, 1, 1 }, false, { 1, 1, 3, -1 }) }),
            (QStringList { "1110", "1011", "0110" }));
    }

    void mulDivDraws()
    {
        const auto draw = [](Random& random) {
            const MulDivExercise e = drawMulDivExercise(random);
            return Values { { "a", e.a }, { "b", e.b }, { "c", e.c }, { "d", e.d } };
        };
        QCOMPARE(spreads(5, 5000, draw), (QStringList { "a 1..10", "b 3..12", "c 1..10", "d 3..12" }));
    }

    void resultsWindowPlace()
    {
        // The window is 9720 x 5940: centred across, 500 twips below centre down, each difference halved
        // with the remainder dropped (toward zero for a smaller section).
        const auto place = [](QRect section) { return maroleta::resultsWindowPlace(section, QSize(9720, 5940)); };
        QCOMPARE((QList<QPoint> {
                     place({ 1920, 960, 11720, 7940 }), place({ 0, 0, 9723, 5941 }), place({ 100, 100, 9717, 5937 }) }),
            (QList<QPoint> { { 1920 + 1000, 960 + 500 + 1000 }, { 1, 500 }, { 99, 599 } }));
    }

    void simplifyDraws()
    {
        // Every term even, in 4..1000 and built from the prime powers, and every such term turns up: numerators
        // never carry 27, denominators may. The two terms always differ.
        Random random(99);
        QSet<int> numerators, denominators;
        for (int draw = 0; draw < 40000; ++draw) {
            const SimplifyExercise e = drawSimplifyExercise(random);
            QVERIFY(e.numerator != e.denominator);
            numerators.insert(e.numerator);
            denominators.insert(e.denominator);
        }
        QCOMPARE(numerators, possibleTerms(2));
        QCOMPARE(denominators, possibleTerms(3));
    }

    void judgesSimplification()
    {
        // The plain cases, 12/18 and 7/9, and a right and a wrong whole number (3/1 = 3, = 5), are met on the
        // window in tst_practice.
        QVERIFY2(canBeSimplified(3, 1, firstTenPrimes()), "3/1 asks for the whole number");
        QVERIFY2(canBeSimplified(58, 87, firstTenPrimes()), "58/87 by 29, the last prime");
        QVERIFY2(!canBeSimplified(62, 93, firstTenPrimes()), "62/93 by 31, beyond the table");
        QVERIFY(canBeSimplified(-4, 6, firstTenPrimes()) && canBeSimplified(0, 6, firstTenPrimes()));
        QVERIFY2(canBeSimplified(4e12, 6e12, firstTenPrimes()), "huge terms overflow");
        // Nothing typed; 12/18 = 12 is no simplification; a denominator typed, even 0, is no whole-number answer.
        QCOMPARE((QList<StepVerdict> { judgeWholeNumber("3", 1, "?", "?"), judgeWholeNumber("12", 18, "12", "?"),
                     judgeWholeNumber("12", 18, "6", "0"), judgeWholeNumber("3", 1, "3", "0") }),
            (QList<StepVerdict> {
                StepVerdict::Wrong, StepVerdict::Wrong, StepVerdict::NotJudged, StepVerdict::NotJudged }));
        // A typed denominator: halves to even, a huge caption held within the 32-bit range.
        QCOMPARE((QList<qint32> { wholeNumber32(2.5), wholeNumber32(3.5), wholeNumber32(-1e12), wholeNumber32(1e12) }),
            (QList<qint32> { 2, 4, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max() }));
        // A whole number at the first step: no fraction between the start and the number.
        QCOMPARE(simplifyResultLine({ "6", "1", "6", "?" }, 0, true, "T"), "6/1 = 6 =  * T *");
    }

    void guidedSumTasks()
    {
        // Every fraction n/d with d in 2..12 and n in 1..d, 2 + 3 + ... + 12 = 77 of them, for A and for B; a
        // sum exactly when B is at least A, so that the result over dA * dB is never negative.
        const auto draw = [](Random& random) {
            const SumTask t = newSumTask(random);
            const int nA = t.numeratorA, dA = t.denominatorA, nB = t.numeratorB, dB = t.denominatorB;
            return Values { { "A", 100 * dA + nA }, { "B", 100 * dB + nB }, { "A numerator above", nA - dA },
                { "B numerator above", nB - dB }, { "numerators", nA }, { "numerators", nB }, { "sum", t.sum },
                { "sum when B >= A", t.sum == (nB * dA >= nA * dB) } };
        };
        QCOMPARE(spreads(11, 40000, draw),
            (QStringList { "A 201..1212, 77 values", "A numerator above -11..0", "B 201..1212, 77 values",
                "B numerator above -11..0", "numerators 1..12", "sum 0..1", "sum when B >= A 1..1" }));
    }

    void guidedSumCircles()
    {
        // nA/dA and nB/dB in the picture sizes given; in the narrow one radius H/2 - 2 = 98 would make circles
        // centred at 75 and 225 overlap: they get 73. For each circle its radii, its sectors, its rim at the top
        // and white just outside; then the picture between and around the circles, cleared to white.
        for (const auto& [size, fractions] : { std::pair { QSize(600, 240), std::array { 1, 2, 1, 3 } },
                 { QSize(600, 240), std::array { 6, 24, 16, 24 } }, { QSize(600, 240), std::array { 5, 5, 0, 7 } },
                 { QSize(300, 200), std::array { 3, 3, 4, 4 } } }) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::black); // the drawing must clear whatever was there
            drawSumCircles(image, { double(fractions[0]), double(fractions[1]), SumColor::Cyan },
                { double(fractions[2]), double(fractions[3]), SumColor::Magenta });
            const Canvas canvas(image);
            const double cy = size.height() / 2.0, radius = std::min(cy - 2, size.width() / 4.0 - 2);
            QStringList seen, expected;
            for (const int circle : { 0, 1 }) {
                const double cx = size.width() * (circle ? 0.75 : 0.25);
                const int n = fractions[2 * circle], d = fractions[2 * circle + 1];
                seen << QString::number(radiiAround(canvas, cx, cy, radius)) + " radii "
                        + sumCircleColours(image, circle, d) + u' ' + letterAt(canvas, cx, cy - radius)
                        + letterAt(canvas, cx, cy - radius - 2);
                expected << QStringLiteral("%1 radii %2 kw")
                                .arg(d)
                                .arg(QString(n, circle ? u'm' : u'c') + QString(d - n, u'w'));
            }
            seen << QString(letterAt(canvas, 0, 0)) + letterAt(canvas, size.width() / 2.0, cy);
            QCOMPARE(seen, expected << "ww");
        }
    }

    // What each shipped set says, as a teacher of its language says it: fractions where the languages
    // break (numerators 1, 2, 11, 16, 21, 31, 100, 101, 200, 1000, 2400 of sixteen wholes over 150;
    // denominators up to the 2000 of amplifying), whole numbers, an operation and an explanation's signs.
    void voiceTexts_data()
    {
        QTest::addColumn<QString>("said"); // what is said for each text of `shown`, "; " apart
        QTest::addRow("es") << "un medio; veintiún medios; tres cuartos; siete treceavos; tres diecisieteavos; "
                               "once centésimos; dos tercios más un cuarto; dieciséis décimos; un onceavo; treinta y "
                               "un doceavos; ciento un veinteavos; doscientos veintiunavos; un centésimo; mil "
                               "dosmilésimos; dos mil cuatrocientos cientocincuentavos; cien; un millón doscientos "
                               "treinta y cuatro mil quinientos sesenta y siete; cero quintos; menos un medio; "
                               "botones más y menos; un millón de cuartos; tres catorceavos; tres milcienavos";
        QTest::addRow("ca")
            << "un mig; vint-i-un mitjos; tres quarts; set tretzens; tres dissetens; onze centèsims; "
               "dos terços més un quart; setze desens; un onzè; trenta-un dotzens; cent un vintens; "
               "dos-cents vint-i-unens; un centèsim; mil dos mil·lèsims; dos mil quatre-cents cent "
               "cinquantens; cent; un milió dos-cents trenta-quatre mil cinc-cents seixanta-set; zero "
               "cinquens; menys un mig; botones més y menys; un milió de quarts; tres catorzens; tres mil centens";
        QTest::addRow("gl") << "un medio; vinte e un medios; tres cuartos; sete treceavos; tres dezaseteavos; once "
                               "centésimos; dous terzos máis un cuarto; dezaseis décimos; un onceavo; trinta e un "
                               "doceavos; cento un vinteavos; douscentos vinte e unavos; un centésimo; mil "
                               "dousmilésimos; dous mil catrocentos cento cincuentavos; cen; un millón douscentos "
                               "trinta e catro mil cincocentos sesenta e sete; cero quintos; menos un medio; botones "
                               "máis y menos; un millón de cuartos; tres catorceavos; tres mil cenavos";
        QTest::addRow("eu") << "erdi bat; hogeita bat erdi; hiru laurden; zazpi hamahiruren; hiru hamazazpiren; "
                               "hamaika ehunen; bi heren gehi laurden bat; hamasei hamarren; hamaikaren bat; hogeita "
                               "hamaika hamabiren; ehun eta bat hogeiren; berrehun hogeita baten; ehunen bat; mila bi "
                               "milaren; bi mila eta laurehun ehun eta berrogeita hamarren; ehun; milioi bat berrehun "
                               "eta hogeita hamalau mila bostehun eta hirurogeita zazpi; zero bosten; minus erdi bat; "
                               "botones gehi y ken; milioi bat laurden; hiru hamalauren; hiru mila eta ehunen";
        QTest::addRow("en")
            << "one half; twenty-one halves; three quarters; seven thirteenths; three seventeenths; "
               "eleven hundredths; two thirds plus one quarter; sixteen tenths; one eleventh; "
               "thirty-one twelfths; one hundred and one twentieths; two hundred twenty-firsts; one "
               "hundredth; one thousand two thousandths; two thousand four hundred one hundred and "
               "fiftieths; one hundred; one million two hundred and thirty-four thousand five hundred "
               "and sixty-seven; zero fifths; minus one half; botones plus y minus; one million quarters; three "
               "fourteenths; three one thousand one hundredths";
    }
    void voiceTexts()
    {
        const QString code = QString::fromLatin1(QTest::currentDataTag());
        VoiceTexts voice;
        setLanguageFolder(MAROLETA_SOURCE_DIR + (code == "es" ? "/idioma" : "/languages/" + code + "/idioma"));
        voice.load();
        setLanguageFolder({});
        const QString shown
            = "1/2; 21/2; 3/4; 7/13; 3/17; 11/100; 2/3 + 1/4; 16/10; 1/11; 31/12; 101/20; 200/21; "
              "1/100; 1000/2000; 2400/150; 100; 1234567; 0/5; -1/2; botones + y -; 1000000/4; 3/14; 3/1100";
        QStringList seen;
        for (const QString& text : shown.split(QStringLiteral("; ")))
            seen << voice.spoken(text);
        QTEST(seen.join(QStringLiteral("; ")), "said");
    }

    // Number rules as a translator may write them, right or wrong: what each row's rules say for the numbers
    // asked ("set number"), "-" where they say nothing and the caller falls back on digits.
    void numberRules_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("said");
        const QStringList tens { "%c", "-x: minus >>", "0: o", "1: i", "2: ii", "20/20: xx[ and >>|!]", "100: C[ >>]" };
        QTest::addRow("divisors, brackets, negatives")
            << tens << "c 0|c 1|c 3|c 20|c 21|c 39|c 40|c 100|c 120|c -21|c 1000"
            << "o|i|ii|xx!|xx and i|xx and ii|xx!|C|C xx!|minus xx and i|C";
        QTest::addRow("inherited, with its own recursion")
            << tens + QStringList { "%n: %c", "1: one", "# 2: two", "%m: %n", "2: two" }
            << "n 21|n 2|m 21|m 22|n -1|x 1"
            << "xx and one|ii|xx and one|xx and two|minus one|-";
        QTest::addRow("out of place") << QStringList { "1: before any set", "%s", "x: no value", "1:one", "1: again",
            "3/0: zero divisor", QString(201, u'a'), "0: ] | [a|b] >%none>", "2: a\tb", "4/2: ] | [a|b]" }
                                      << "s 1|s 2|s 3|s 4|s 5|s 0"
                                      << "one|one|one|] | b|] | a|-";
    }
    void numberRules()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, asked);
        const NumberWords words = NumberWords::fromLines(lines);
        QStringList said;
        for (const QString& question : asked.split(u'|'))
            said << words.say(question.section(u' ', 1).toLongLong(), question.section(u' ', 0, 0)).value_or("-");
        QTEST(said.join(u'|'), "said");
    }

    // Hand-written files: a good one with the words s2..s12 and p2..p12, or it with some lines changed.
    void brokenVoiceTexts_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("said");
        QStringList good = QString("LEER|es-ES|un %1|%1 %2|%1 de %2|más|menos|por|entre|Bien|Mal").split(u'|');
        for (int i = 0; i < 22; ++i)
            good << QString(i < 11 ? "s%1" : "p%1").arg(i % 11 + 2);
        const auto with = [&](std::initializer_list<std::pair<int, QString>> changes) {
            QStringList lines = good;
            for (const auto& [index, line] : changes)
                lines[index] = line;
            return lines;
        };
        const QString words = "más|menos|por|entre|Bien|Mal|", fractions = "un s2|3 p12|-7|3 de -4";
        QTest::addRow("cut after the patterns") << good.first(5) << "1|LEER|es-ES|+|-|×|:|||1 de 2|3 de 12|-7|3 de -4";
        QTest::addRow("101 and 100 characters")
            << with({ { 0, QString(101, u'L') }, { 5, QString(100, u'm') } })
            << "0||es-ES|" + QString(100, u'm') + "|menos|por|entre|Bien|Mal|" + fractions;
        QTest::addRow("placeholders missing") << with({ { 2, "un medio" }, { 3, "%1 partes" }, { 4, "%1 entre" } })
                                              << "1|LEER|es-ES|" + words + "1/2|3/12|-7|3/-4";
        QTest::addRow("stray placeholders") << with({ { 2, "%2 %1" }, { 3, "%1 %2 %3" }, { 4, "%0 %1 %2" } })
                                            << "1|LEER|es-ES|" + words + "1/2|3/12|-7|3/-4";
        QTest::addRow("locales") << with({ { 1, "gl_ES e  GL-es es-ES-x 12 eng EU" } })
                                 << "1|LEER|gl-ES eu|" + words + fractions;
    }
    void brokenVoiceTexts()
    {
        QFETCH(QStringList, lines);
        // Whether the texts are usable, the caption, the languages, the operation and check words, then some
        // fractions in words.
        const VoiceTexts voice = VoiceTexts::fromLines(lines);
        QStringList seen { voice.usable() ? "1" : "0", voice.caption, voice.locales.join(u' '), voice.plus, voice.minus,
            voice.times, voice.dividedBy, voice.right, voice.wrong, voice.fraction(1, 2), voice.fraction(3, 12),
            voice.fraction(-7, 1), voice.fraction(3, -4) };
        QTEST(seen.join(u'|'), "said");
    }

    // lector.txt written by hand: a text replaces the built-in one only with the same placeholders, and a
    // line that is damaged, too long or without a key is passed over.
    void readerTexts_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("text");
        const QString builtIn = "%1/%2: %3 de %4, %5";
        QTest::addRow("replaced") << " dibujo = %1 de %2: %3, %4, %5 "
                                  << "%1 de %2: %3, %4, %5";
        QTest::addRow("placeholder missing") << "dibujo=%1/%2: %3 de %4" << builtIn;
        QTest::addRow("stray placeholder") << "dibujo=%1/%2: %3 de %4, %5 %6" << builtIn;
        QTest::addRow("control character") << "dibujo=%1/%2:\t%3 de %4, %5" << builtIn;
        QTest::addRow("201 characters") << "dibujo=" + builtIn + QString(175, u'x') << builtIn;
        QTest::addRow("no key") << "=%1/%2 %3 %4 %5" << builtIn;
        QTest::addRow("empty text") << "dibujo=  " << builtIn;
    }
    void readerTexts()
    {
        QFETCH(QString, line);
        QFETCH(QString, text);
        const ReaderTexts texts = ReaderTexts::fromLines({ "uncirculo=one circle", line });
        QCOMPARE(texts.text("dibujo", "%1/%2: %3 de %4, %5"), text);
        QCOMPARE(texts.text("uncirculo", "un círculo"), "one circle");
    }

    // Every shipped set tells screen readers every text the Spanish one does, with the same placeholders.
    void readerTextsOfEverySet()
    {
        const QStringList spanish
            = readLanguageLines(MAROLETA_SOURCE_DIR + QString("/idioma/lector.txt"), 2000).filter(QStringLiteral("="));
        QVERIFY(spanish.size() > 150);
        for (const QString code : { "ca", "gl", "eu", "en" }) {
            const QString path = MAROLETA_SOURCE_DIR + QString("/languages/%1/idioma/lector.txt").arg(code);
            const ReaderTexts texts = ReaderTexts::fromLines(readLanguageLines(path, 2000));
            for (const QString& line : spanish) {
                // A built-in text with a mark no file holds, and the placeholders of the Spanish one.
                const QString marked = line.section(u'=', 1) + QChar(1);
                QVERIFY2(texts.text(line.section(u'=', 0, 0), marked) != marked, qPrintable(code + ": " + line));
            }
        }
    }

    void piesDrawFillsThenOutlines()
    {
        // A run of pies leaves every pixel as each pie drawn in turn and then every outline again, each
        // radius on its own: the fills in order, the outlines whole on top. Seeded runs of the program's
        // circles, of any size and number of sectors, anywhere, off the picture too.
        QRandomGenerator random(20261206);
        for (int run = 0; run < 200; ++run) {
            QImage one(40 + random.bounded(300), 40 + random.bounded(200), QImage::Format_RGB32), many(one);
            Canvas inTurn(one), together(many);
            inTurn.clear();
            const double cx = random.bounded(one.width() * 1.2) - 10, cy = random.bounded(one.height() * 1.2) - 10;
            const double radius = random.bounded(run % 5 ? 160.0 : 12.0);
            const int count = 1 + random.bounded(run % 3 ? 2000 : 12), coloured = random.bounded(count + 1);
            const double theta = 6.28318 / count;
            // A fraction's circle starts with a pie from 2θ round to θ, its sector 0 has no radius at its start
            // and its angles are in single precision; a guided sum's sector 0 runs from the end of the last one
            // through 3 o'clock.
            const bool fraction = run % 2 == 0;
            const auto angle = [fraction](double a) { return fraction ? double(float(a)) : a; };
            std::vector<Canvas::Slice> slices;
            if (fraction)
                slices.push_back({ angle(-2 * theta), angle(-theta), DesignColor::Blue });
            for (int i = 0; i < count; ++i)
                slices.push_back({ angle(-(i == 0 && !fraction ? 6.28318 : i * theta)), angle(-(i + 1) * theta),
                    i < coloured ? DesignColor::Blue : DesignColor::White });
            for (const auto& [start, end, colour] : slices) {
                inTurn.setFillColor(colour);
                inTurn.pie(cx, cy, radius, start, end);
            }
            // A pie with one negative angle draws its arc and that one radius, and fills nothing.
            for (const auto& [start, end, colour] : slices) {
                inTurn.pie(cx, cy, radius, start, start < 0 ? std::abs(end) : end);
                if (start < 0 && end < 0)
                    inTurn.pie(cx, cy, radius, std::abs(start), end);
            }
            together.clear();
            together.setFillColor(DesignColor::Black);
            together.pies(cx, cy, radius, slices);
            if (many != one)
                QFAIL(qPrintable(QStringLiteral("run %1 differs").arg(run)));
            QCOMPARE(together.fillColor(), slices.back().fillColor);
        }
    }

    void clearAndReading()
    {
        QImage image(10, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        Canvas canvas(image);
        canvas.clear();
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x)
                QCOMPARE(canvas.pixel(x, y), DesignColor::White);
        // A point is read at its nearest pixel, halves to even: 1.5 and 2.5 read pixel 2, 3.5 pixel 4. Off
        // the picture, and for no number at all, it reads as outside.
        image.setPixel(2, 1, qRgb(0, 0, 255));
        QString read;
        for (const auto& [x, y] : { std::pair { 2.5, 1.0 }, { 1.5, 1.0 }, { 3.5, 1.0 }, { 9.4, 7.4 }, { 9.6, 0.0 },
                 { -0.6, 0.0 }, { std::nan(""), 0.0 }, { 1e300, 0.0 } })
            read += canvas.point(x, y) == DesignColor::Blue ? u'b'
                : canvas.point(x, y) == Canvas::kOutside    ? u'-'
                                                            : u'w';
        QCOMPARE(read, "bbww----");
        QVERIFY(canvas.pixel(10, 0) == Canvas::kOutside && canvas.pixel(0, 8) == Canvas::kOutside);
        // A fill whose runs reach the right edge stops there, not in the next row beyond the black column 1.
        for (int y = 0; y < 8; ++y)
            image.setPixel(1, y, qRgb(0, 0, 0));
        canvas.setFillColor(DesignColor::Blue);
        canvas.floodFill(5, 1, DesignColor::White);
        QVERIFY(canvas.pixel(0, 3) == DesignColor::White && canvas.pixel(9, 7) == DesignColor::Blue);
    }
};

QTEST_GUILESS_MAIN(LogicTest)
#include "tst_logic.moc"
