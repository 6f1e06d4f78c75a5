// The real windows under a long run of seeded random events: clicks on whatever control is there to
// click in the menu, the section shown and the keypad, presses of any mouse button on the pictures, list
// choices, message boxes answered as they come, the results window shown and closed, and now and then a
// right answer. After every event the invariants of the program hold. MAROLETA_EVENTS and MAROLETA_SEED
// set the number of events and the seed of a long run; a failure names both the seed and the event.
#include "testsupport.h"

#include "keypad/form2.h"
#include "logic/captions.h"
#include "logic/colors.h"
#include "logic/fractiondrawing.h"
#include "results/form3.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <random>

using namespace maroleta;
using namespace maroleta::testing;

namespace {

#ifndef __has_feature
#define __has_feature(feature) 0
#endif
// The sanitizer build runs every event some four times slower: it takes half the run by default.
#if defined(__SANITIZE_ADDRESS__) || __has_feature(address_sanitizer)
constexpr qint64 kDefaultEvents = 10000;
#else
constexpr qint64 kDefaultEvents = 20000;
#endif
constexpr quint32 kDefaultSeed = 20261206;

qint64 environmentNumber(const char* name, qint64 fallback)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok && value >= 0 ? value : fallback;
}

template <typename Array> QList<QWidget*> all(const Array& controls) { return { controls.begin(), controls.end() }; }

double value(const auto* control) { return captionValue(control->text()); }

// Every pixel of the picture outside the circles (and their outlines) of `drawn` is `background`: every
// other row is checked from edge to edge, skipping the stretch each circle covers. Empty when it holds,
// else the first pixel that breaks it.
QString outsideCircles(const PictureBox& picture, const FractionLayout& drawn, quint32 background)
{
    const QImage& image = picture.image();
    const QRgb expected = designColor(background).rgb() | 0xFF000000u;
    const double reach = drawn.radius + 2.5;
    for (int y = 0; y < image.height(); y += 2) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const double dy = y - drawn.centreY;
        const double half = std::fabs(dy) <= reach ? std::sqrt(reach * reach - dy * dy) : -1e9;
        std::size_t next = 0;
        for (int x = 0; x < image.width(); ++x) {
            while (next < drawn.centresX.size() && std::ceil(drawn.centresX[next] + half) < x)
                ++next;
            if (next < drawn.centresX.size() && std::floor(drawn.centresX[next] - half) <= x)
                x = int(std::ceil(drawn.centresX[next] + half));
            else if ((line[x] | 0xFF000000u) != expected)
                return QString::asprintf("%s pixel %d,%d is %06x outside the circles", qPrintable(picture.objectName()),
                    x, y, line[x] & 0xFFFFFF);
        }
    }
    return {};
}

// One seeded run over the program's windows: its random events and the invariants checked after each.
struct RandomRun {
    std::mt19937 engine;
    const Program& program;
    Form1& f;
    qint64 resultCount = 0;
    QStringList lines {};
    std::pair<double, double> firstDrawn {};
    bool redrawsFirst = true;

    // One random event; a short text of what it was, for the failure report.
    QString step()
    {
        const Form2* keypad = topLevels<Form2>().value(0);
        // Out of twenty events: 2 on the menu, 3 on the pictures, 2 in the lists, 3 on the keypad (when it is
        // shown), 1 right answer, the rest on the controls of the section shown.
        const int kind = pick(20);
        if (kind < 2)
            return clickOne(all(f.Command1) << f.Command20);
        if (kind < 5)
            return clickOne({ pick(2) == 0 ? f.Picture1 : f.Picture2 },
                std::array { Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton }[pick(4)]);
        if (kind < 7)
            return chooseListItem(f.List1[pick(3)]);
        if (kind < 10 && keypad)
            return clickOne(all(keypad->Command1) + all(keypad->Command2) << keypad->Command3);
        return kind == 10 ? answer() : clickOne({});
    }

    // Empty when every invariant holds, else what broke.
    QString check()
    {
        const int current = f.CurrentSection;
        if (current < 0 || current > 8)
            return QStringLiteral("CurrentSection is %1").arg(current);
        QStringList broken;
        for (int i = 0; i < 9; ++i)
            if (const bool green = f.Command1[i]->backColor() == DesignColor::Green;
                f.Frame1[i]->isVisible() != (i == current) || green != (i == current))
                broken << QString::asprintf("section %d shown: Frame1(%d) visible %d, Command1(%d) green %d", current,
                    i, f.Frame1[i]->isVisible(), i, green);

        // The captions that hold numbers, each in the form it must have at all times: a whole number; an
        // answer field, which may also ask with "?" or be empty before its section is entered; a working
        // line of whole numbers joined by signs ("4 X 3 = 12", " X 3"), empty until it is first written.
        static const QRegularExpression whole(QStringLiteral("^-?[0-9]+$"));
        static const QRegularExpression answer(QStringLiteral("^(-?[0-9]+|\\?)?$"));
        static const QRegularExpression working(QStringLiteral("^(-?[0-9]+)?( [X:=] -?[0-9]+)*$"));
        const Form2* keypad = topLevels<Form2>().value(0);
        const std::pair<const QRegularExpression&, QList<QWidget*>> forms[] = {
            { whole,
                all(f.Label1) + all(f.Label2) + all(f.Label8) + all(f.Label9) + all(f.Label12)
                    << f.Label4[0] << f.Label4[1] << f.Label4[3] << f.Label5[0] << f.Label5[1] << f.Label5[3]
                    << (keypad ? keypad->Label1 : nullptr) },
            { answer,
                all(f.Label13) + all(f.Label15) + all(f.Label16) + all(f.Label17) + all(f.Command14)
                        + all(f.Command12).mid(0, 4)
                    << f.Label6[0] << f.Label6[2] << f.Label7[0] << f.Label7[2] << f.Command18[0] << f.Command18[3] },
            { working,
                all(f.Label10) + all(f.Label11) + all(f.Label14)
                    << f.Label4[2] << f.Label5[2] << f.Label6[1] << f.Label7[1] },
        };
        for (const auto& [form, controls] : forms)
            for (const QWidget* control : controls)
                if (const QString text = control ? control->property("text").toString() : QString();
                    control && !form.match(text).hasMatch())
                    broken << QStringLiteral("%1 reads \"%2\"").arg(control->objectName(), text.left(40));
        for (const ListBox* list : f.List1)
            for (int row = 0; row < list->count(); ++row)
                if (!whole.match(list->item(row)->text()).hasMatch())
                    broken << QString::asprintf("%s row %d reads \"%s\"", qPrintable(list->objectName()), row,
                        qPrintable(list->item(row)->text()));

        // A press on a sector changes the first numerator without a redraw: the first picture keeps the
        // circles of the fraction it was last drawn from, and only its editing buttons redraw it. The
        // second picture shows the second fraction, or the guided sum's two circles in section 3.
        if (redrawsFirst)
            firstDrawn = { value(f.Label1[0]), value(f.Label1[1]) };
        for (const PictureBox* picture : { f.Picture1, f.Picture2 }) {
            const double w = picture->image().width(), h = picture->image().height();
            const auto [numerator, denominator]
                = picture == f.Picture1 ? firstDrawn : std::pair { value(f.Label2[0]), value(f.Label2[1]) };
            FractionLayout drawn = layoutFraction(w, h, numerator, denominator);
            const bool sum = picture == f.Picture2 && current == 3;
            if (sum)
                drawn
                    = { .radius = std::min(h / 2 - 2, w / 4 - 2), .centreY = h / 2, .centresX = { w / 4, 3 * w / 4 } };
            if (!picture->image().isNull())
                broken << outsideCircles(*picture, drawn, sum ? DesignColor::White : DesignColor::NearWhite);
        }

        const Form3* results = topLevels<Form3>().value(0);
        const QStringList before = std::exchange(lines, {});
        for (int row = 0; results && row < results->List1->count(); ++row)
            lines << results->List1->item(row)->text();
        if (f.ResultCount < resultCount || lines.mid(0, before.size()) != before || lines.size() != f.ResultCount)
            broken << QString::asprintf("results from %lld lines, ResultCount %lld to %lld, %lld",
                qint64(before.size()), resultCount, qint64(lines.size()), qint64(f.ResultCount));
        resultCount = f.ResultCount;
        broken.removeAll(QString());
        return broken.join(QStringLiteral("; "));
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(engine); }

    // A press at a random point of one of the candidates that is shown and enabled; with none, a click
    // on any control of the section shown or of the frames beside its pictures.
    QString clickOne(QList<QWidget*> candidates, Qt::MouseButton button = Qt::LeftButton)
    {
        const auto unusable = [](const QWidget* widget) { return !widget->isVisible() || !widget->isEnabled(); };
        candidates.removeIf(unusable);
        if (candidates.isEmpty()) {
            button = Qt::LeftButton;
            for (const Frame* frame : { f.Frame1[f.CurrentSection], f.Frame2, f.Frame3 })
                candidates << all(frame->findChildren<CommandButton*>()) + all(frame->findChildren<Label*>())
                        + all(frame->findChildren<OptionButton*>());
            candidates.removeIf(unusable);
        }
        if (candidates.isEmpty())
            return QStringLiteral("nothing to click");
        QWidget* widget = candidates[pick(int(candidates.size()))];
        const QPoint at(pick(std::max(1, widget->width())), pick(std::max(1, widget->height())));
        redrawsFirst = (all(f.Command2) + all(f.Command3)).contains(widget);
        QTest::mouseClick(widget, button, Qt::NoModifier, at);
        return QString::asprintf(
            "button %d on %s at %d,%d", int(button), qPrintable(widget->objectName()), at.x(), at.y());
    }

    QString chooseListItem(ListBox* list)
    {
        if (!list->isVisible() || list->count() == 0)
            return clickOne({});
        const int row = pick(list->count());
        list->scrollToItem(list->item(row));
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(row)).center());
        return QStringLiteral("choose row %1 of %2").arg(row).arg(list->objectName());
    }

    // Now and then a pupil who knows the answer, so that results lines are written too: the multiplication
    // or division stepped to the right fraction, or the last open step of the simplification chain divided
    // by the smallest prime the fraction it starts from allows (or by nothing, which the check judges).
    // Elsewhere the results window, when shown, is closed.
    QString answer()
    {
        if (f.CurrentSection == 6) {
            const bool divide = f.Option1[1]->isChecked();
            const double c = value(f.Label15[1]), d = value(f.Label16[1]);
            const double want[2] = { value(f.Label15[0]) * (divide ? d : c), value(f.Label16[0]) * (divide ? c : d) };
            for (int field : { 0, 3 })
                for (double gap, presses = 0; presses++ < 400 && (gap = want[field / 3] - value(f.Command18[field]));)
                    click(f.Command18[field + (gap >= 5 ? 1 : gap > 0 ? 0 : 2)]); // "+5", "+1", "-1"
            click(f.Command19);
            return QStringLiteral("answer the exercise of section 6");
        }
        for (int step = 4; f.CurrentSection == 4 && step >= 0; --step) {
            if (!f.Command21[step]->isVisible() || !f.Command21[step]->isEnabled())
                continue;
            const qint64 from[2] = { qint64(value(f.Label17[2 * step])), qint64(value(f.Label17[2 * step + 1])) };
            const auto divides = [&](qint64 prime) { return from[0] % prime == 0 && from[1] % prime == 0; };
            const auto prime = std::ranges::find_if(f.Primes, divides);
            for (int i = 0; i < 2; ++i)
                typeOnKeypad(program, 2 * step + 2 + i, // the keypad types digits only: a typed minus is dropped
                    QString::number(std::abs(from[i] / (prime == f.Primes.end() ? 1 : *prime))));
            click(f.Command21[step]);
            return QStringLiteral("answer step %1 of section 4").arg(step + 1);
        }
        Form3* results = topLevels<Form3>().value(0);
        return results && results->isVisible() && results->close() ? QStringLiteral("close the results window")
                                                                   : clickOne({});
    }
};

} // namespace

QtMessageHandler testMessages = nullptr;

class RandomEvents : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void invariantsHoldAfterEveryEvent()
    {
        // The offscreen platform warns at every raise() of the keypad and the results window; thousands
        // of those would use up the test's warnings and hide the report of the run.
        testMessages
            = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                  if (!text.contains(QLatin1String("does not support raise()")))
                      testMessages(type, context, text);
              });
        const qint64 events = environmentNumber("MAROLETA_EVENTS", kDefaultEvents);
        const auto seed = quint32(environmentNumber("MAROLETA_SEED", kDefaultSeed));
        MessageRecorder messages;
        Program program(seed);
        RandomRun run { .engine = std::mt19937(seed), .program = program, .f = *program.form };
        QStringList recent;
        QSet<int> sections;
        for (qint64 event = 0; event <= events; ++event) {
            if (event > 0 && (recent << run.step()).size() > 8)
                recent.removeFirst();
            const QString broken = run.check();
            QVERIFY2(broken.isEmpty(),
                qPrintable(QString::asprintf("seed %u, event %lld: %s\n  last events: %s", seed, event,
                    qPrintable(broken), qPrintable(recent.join(QStringLiteral(" | "))))));
            sections.insert(program.form->CurrentSection);
        }
        qInfo("seed %u: %lld events, %lld sections visited, %lld results lines, %lld message boxes", seed, events,
            qint64(sections.size()), qint64(program.form->ResultCount), qint64(messages.texts.size()));
        // A run long enough to mean anything has been everywhere.
        if (events >= 2000)
            QCOMPARE(sections.size(), 9);
    }
};

QTEST_MAIN(RandomEvents)
#include "tst_randomevents.moc"
