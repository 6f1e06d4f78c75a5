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

#include <cmath>
#include <random>
#include <type_traits>

using namespace maroleta;
using namespace maroleta::testing;

namespace {

// The sanitizer build runs every event some four times slower: it takes half the run by default.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kDefaultEvents = 10000;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr qint64 kDefaultEvents = 10000;
#else
constexpr qint64 kDefaultEvents = 20000;
#endif
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

// The controls given one by one (none when null) or as arrays and lists, in one list.
template <typename... Parts> QList<QWidget*> widgets(const Parts&... parts)
{
    QList<QWidget*> list;
    const auto add = [&list](const auto& part) {
        if constexpr (std::is_pointer_v<std::decay_t<decltype(part)>>) {
            if (part)
                list.append(part);
        } else
            list.append(QList<QWidget*>(part.begin(), part.end()));
    };
    (add(parts), ...);
    return list;
}

double value(const auto* control) { return captionValue(control->text()); }

// Every pixel of the picture outside the circles (and their outlines) centred at `xs` (left to right) on
// the height `cy` is `background`: every other row is checked from edge to edge, skipping the stretch
// each circle covers. Empty when it holds, else the first pixel that breaks it.
QString outsideCircles(
    const PictureBox& picture, const std::vector<double>& xs, double cy, double radius, quint32 background)
{
    const QImage& image = picture.image();
    const QRgb expected = designColor(background).rgb() | 0xFF000000u;
    const double reach = radius + 2.5;
    for (int y = 0; y < image.height(); y += 2) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const double dy = y - cy;
        const double half = std::fabs(dy) <= reach ? std::sqrt(reach * reach - dy * dy) : -1e9;
        std::size_t next = 0;
        for (int x = 0; x < image.width(); ++x) {
            while (next < xs.size() && std::ceil(xs[next] + half) < x)
                ++next;
            if (next < xs.size() && std::floor(xs[next] - half) <= x)
                x = int(std::ceil(xs[next] + half));
            else if ((line[x] | 0xFF000000u) != expected)
                return QStringLiteral("%1 pixel %2,%3 is %4 outside the circles")
                    .arg(picture.objectName())
                    .arg(x)
                    .arg(y)
                    .arg(line[x] & 0xFFFFFF, 6, 16, QLatin1Char('0'));
        }
    }
    return {};
}

class RandomRun {
public:
    RandomRun(quint32 seed, const Program& program)
        : m_engine(seed)
        , m_program(program)
        , m_form(*program.form)
    {
    }

    // One random event; a short text of what it was, for the failure report.
    QString step()
    {
        Form1& f = m_form;
        static constexpr Qt::MouseButton buttons[]
            = { Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton };
        const Form2* keypad = topLevels<Form2>().value(0);
        // Out of twenty events: 2 on the menu, 3 on the pictures, 2 in the lists, 3 on the keypad (when it is
        // shown), 1 right answer, the rest on the controls of the section shown.
        const int kind = pick(20);
        if (kind < 2)
            return clickOne(widgets(f.Command1, f.Command20));
        if (kind < 5)
            return clickOne({ pick(2) == 0 ? f.Picture1 : f.Picture2 }, buttons[pick(4)]);
        if (kind < 7)
            return chooseListItem(f.List1[pick(3)]);
        if (kind < 10 && keypad)
            return clickOne(widgets(keypad->Command1, keypad->Command2, keypad->Command3));
        return kind == 10 ? answer() : clickOne({});
    }

    // Empty when every invariant holds, else what broke.
    QString check()
    {
        const Form1& f = m_form;
        const int current = f.CurrentSection;
        if (current < 0 || current > 8)
            return QStringLiteral("CurrentSection is %1").arg(current);
        QStringList broken;
        for (int i = 0; i < 9; ++i) {
            const bool green = f.Command1[i]->backColor() == DesignColor::Green;
            if (f.Frame1[i]->isVisible() != (i == current) || green != (i == current))
                broken << QStringLiteral("section %1 shown, Frame1(%2) visible %3, Command1(%2) green %4")
                              .arg(current)
                              .arg(i)
                              .arg(f.Frame1[i]->isVisible())
                              .arg(green);
        }

        // The captions that hold numbers, each in the form it must have at all times: a whole number; an
        // answer field, which may also ask with "?" or be empty before its section is entered; a working
        // line of whole numbers joined by signs ("4 X 3 = 12", " X 3"), empty until it is first written.
        static const QRegularExpression whole(QStringLiteral("^-?[0-9]+$"));
        static const QRegularExpression answer(QStringLiteral("^(-?[0-9]+|\\?)?$"));
        static const QRegularExpression working(QStringLiteral("^(-?[0-9]+)?( [X:=] -?[0-9]+)*$"));
        const Form2* keypad = topLevels<Form2>().value(0);
        const std::pair<const QRegularExpression&, QList<QWidget*>> forms[] = {
            { whole,
                widgets(f.Label1, f.Label2, f.Label8, f.Label9, f.Label12, f.Label4[0], f.Label4[1], f.Label4[3],
                    f.Label5[0], f.Label5[1], f.Label5[3], keypad ? keypad->Label1 : nullptr) },
            { answer,
                widgets(f.Label13, f.Label15, f.Label16, f.Label17, f.Command14, f.Label6[0], f.Label6[2], f.Label7[0],
                    f.Label7[2], f.Command12[0], f.Command12[1], f.Command12[2], f.Command12[3], f.Command18[0],
                    f.Command18[3]) },
            { working, widgets(f.Label10, f.Label11, f.Label14, f.Label4[2], f.Label5[2], f.Label6[1], f.Label7[1]) },
        };
        for (const auto& [form, controls] : forms)
            for (const QWidget* control : controls)
                if (const QString text = control->property("text").toString(); !form.match(text).hasMatch())
                    broken << QStringLiteral("%1 reads \"%2\"").arg(control->objectName(), text.left(40));
        for (const ListBox* list : f.List1)
            for (int row = 0; row < list->count(); ++row)
                if (!whole.match(list->item(row)->text()).hasMatch())
                    broken << QStringLiteral("%1 row %2 reads \"%3\"")
                                  .arg(list->objectName())
                                  .arg(row)
                                  .arg(list->item(row)->text());

        // A press on a sector changes the first numerator without a redraw: the first picture keeps the
        // circles of the fraction it was last drawn from, and only its editing buttons redraw it. The
        // second picture shows the second fraction, or the guided sum's two circles in section 3.
        if (m_firstDrawn.empty() || m_redrawsFirst)
            m_firstDrawn = { value(f.Label1[0]), value(f.Label1[1]) };
        for (const PictureBox* picture : { f.Picture1, f.Picture2 }) {
            const QImage& image = picture->image();
            if (image.isNull())
                continue;
            const double width = image.width();
            const double height = image.height();
            const std::vector<double> drawn
                = picture == f.Picture1 ? m_firstDrawn : std::vector { value(f.Label2[0]), value(f.Label2[1]) };
            const FractionLayout layout = layoutFraction(width, height, drawn[0], drawn[1]);
            if (picture == f.Picture2 && current == 3)
                broken << outsideCircles(*picture, { width / 4, 3 * width / 4 }, height / 2,
                    std::min(height / 2 - 2, width / 4 - 2), DesignColor::White);
            else
                broken << outsideCircles(
                    *picture, layout.centresX, layout.centreY, layout.radius, DesignColor::NearWhite);
        }

        const Form3* results = topLevels<Form3>().value(0);
        QStringList lines;
        for (int row = 0; results && row < results->List1->count(); ++row)
            lines << results->List1->item(row)->text();
        if (f.ResultCount < m_resultCount || lines.mid(0, m_lines.size()) != m_lines || lines.size() != f.ResultCount)
            broken << QStringLiteral("results from %1 lines and ResultCount %2 to %3 lines and ResultCount %4")
                          .arg(m_lines.size())
                          .arg(m_resultCount)
                          .arg(lines.size())
                          .arg(f.ResultCount);
        m_resultCount = f.ResultCount;
        m_lines = lines;
        broken.removeAll(QString());
        return broken.join(QStringLiteral("; "));
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_engine); }

    // A press at a random point of one of the candidates that is shown and enabled; with none, a click
    // on any control of the section shown or of the frames beside its pictures.
    QString clickOne(QList<QWidget*> candidates, Qt::MouseButton button = Qt::LeftButton)
    {
        const auto unusable = [](const QWidget* widget) { return !widget->isVisible() || !widget->isEnabled(); };
        candidates.removeIf(unusable);
        if (candidates.isEmpty()) {
            button = Qt::LeftButton;
            for (const Frame* frame : { m_form.Frame1[m_form.CurrentSection], m_form.Frame2, m_form.Frame3 })
                for (QWidget* widget : frame->findChildren<QWidget*>())
                    if (qobject_cast<CommandButton*>(widget) || qobject_cast<Label*>(widget)
                        || qobject_cast<OptionButton*>(widget))
                        candidates.append(widget);
            candidates.removeIf(unusable);
        }
        if (candidates.isEmpty())
            return QStringLiteral("nothing to click");
        QWidget* widget = candidates[pick(int(candidates.size()))];
        const QPoint at(pick(std::max(1, widget->width())), pick(std::max(1, widget->height())));
        m_redrawsFirst = widgets(m_form.Command2, m_form.Command3).contains(widget);
        QTest::mouseClick(widget, button, Qt::NoModifier, at);
        return QStringLiteral("button %1 on %2 at %3,%4")
            .arg(int(button))
            .arg(widget->objectName())
            .arg(at.x())
            .arg(at.y());
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
        Form1& f = m_form;
        if (f.CurrentSection == 6) {
            const bool divide = f.Option1[1]->isChecked();
            const double a = value(f.Label15[0]), b = value(f.Label16[0]), c = value(f.Label15[1]),
                         d = value(f.Label16[1]);
            const double targets[2] = { divide ? a * d : a * c, divide ? b * c : b * d };
            for (int field = 0; field < 2; ++field)
                for (int presses = 0; presses < 400 && value(f.Command18[3 * field]) != targets[field]; ++presses) {
                    const double gap = targets[field] - value(f.Command18[3 * field]);
                    click(f.Command18[3 * field + (gap >= 5 ? 1 : gap > 0 ? 0 : 2)]); // "+5", "+1", "-1"
                }
            click(f.Command19);
            return QStringLiteral("answer the exercise of section 6");
        }
        for (int step = 4; f.CurrentSection == 4 && step >= 0; --step) {
            if (!f.Command21[step]->isVisible() || !f.Command21[step]->isEnabled())
                continue;
            const qint64 from[2] = { qint64(value(f.Label17[2 * step])), qint64(value(f.Label17[2 * step + 1])) };
            qint64 divisor = 1;
            for (const qint64 prime : f.Primes)
                if (from[0] % prime == 0 && from[1] % prime == 0) {
                    divisor = prime;
                    break;
                }
            for (int i = 0; i < 2; ++i)
                typeOnKeypad(m_program, 2 * step + 2 + i, QString::number(from[i] / divisor));
            click(f.Command21[step]);
            return QStringLiteral("answer step %1 of section 4").arg(step + 1);
        }
        Form3* results = topLevels<Form3>().value(0);
        if (!results || !results->isVisible())
            return clickOne({});
        results->close();
        return QStringLiteral("close the results window");
    }

    std::mt19937 m_engine;
    const Program& m_program;
    Form1& m_form;
    qint64 m_resultCount = 0;
    QStringList m_lines;
    std::vector<double> m_firstDrawn;
    bool m_redrawsFirst = false;
};

} // namespace

QtMessageHandler testMessages = nullptr;

class RandomEvents : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // The offscreen platform warns at every raise() of the keypad and the results window; thousands
        // of those would use up the test's warnings and hide the report of the run.
        testMessages
            = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                  if (!text.contains(QLatin1String("does not support raise()")))
                      testMessages(type, context, text);
              });
    }

    void invariantsHoldAfterEveryEvent()
    {
        const qint64 events = environmentNumber("MAROLETA_EVENTS", kDefaultEvents);
        const auto seed = quint32(environmentNumber("MAROLETA_SEED", kDefaultSeed));
        MessageRecorder messages;
        Program program(seed);
        RandomRun run(seed, program);
        QStringList recent;
        QSet<int> sections;
        for (qint64 event = 0; event <= events; ++event) {
            if (event > 0)
                recent << run.step();
            if (recent.size() > 8)
                recent.removeFirst();
            const QString broken = run.check();
            QVERIFY2(broken.isEmpty(),
                qPrintable(QStringLiteral("seed %1, event %2: %3\n  last events: %4")
                               .arg(seed)
                               .arg(event)
                               .arg(broken, recent.join(QStringLiteral(" | ")))));
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
