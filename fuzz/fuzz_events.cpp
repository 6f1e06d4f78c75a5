// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The real windows under a long run of seeded random events: clicks on whatever control is there to
// click in the menu, the section shown and the keypad, presses of any mouse button on the pictures, list
// choices, message boxes answered as they come, the results window shown and closed, and now and then a
// right answer. After every event the invariants of the program hold. MAROLETA_EVENTS and MAROLETA_SEED
// set the number of events and the seed of a long run; a failure names both the seed and the event.
#include "testsupport.h"

#include "keypad/form2.h"
#include "logic/captions.h"
#include "logic/fractiondrawing.h"
#include "results/form3.h"

#include <QRegularExpression>

#include <cmath>
#include <random>

using namespace maroleta;
using namespace maroleta::testing;

namespace {

constexpr qint64 kDefaultEvents = 20000;

// A number from the environment, or `fallback` where it holds none.
qint64 environmentNumber(const char* name, qint64 fallback)
{
    return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback;
}

// The captions that hold numbers, by design name, each in the form it must have at all times: a whole
// number; an answer field, which may also ask with "?" or be empty before its section is entered; a
// working line of whole numbers joined by signs ("4 X 3 = 12", " X 3"), empty until it is first written.
const QRegularExpression wholeNumber("^-?[0-9]+$");
const std::pair<QRegularExpression, QRegularExpression> captionForms[] = {
    { wholeNumber, QRegularExpression(R"(^(Label(1|2|8|9|12)\(\d+\)|Label[45]\([013]\))$)") },
    { QRegularExpression(R"(^(-?[0-9]+|\?)?$)"),
        QRegularExpression(
            R"(^(Label1[3567]\(\d+|Command14\(\d+|Command12\([0-3]|Label[67]\([02]|Command18\([03])\)$)") },
    { QRegularExpression("^(-?[0-9]+)?( [X:=] -?[0-9]+)*$"),
        QRegularExpression(R"(^(Label1[014]\(\d+|Label[45]\(2|Label[67]\(1)\)$)") },
};

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
        const double half
            = std::fabs(y - drawn.centreY) <= reach ? std::sqrt(reach * reach - std::pow(y - drawn.centreY, 2)) : -1e9;
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
    const Program& p;
    int section = 7; // the section the last menu click asked for
    QStringList lines {}; // of the results window
    QHash<QString, QWidget*> named {}; // the main window's controls by name, found fast
    std::vector<std::pair<const QRegularExpression*, QWidget*>> numberCaptions {};
    std::pair<double, double> firstDrawn { value("Label1(0)"), value("Label1(1)") }; // what the first picture shows

    template <typename Control = QWidget> Control* find(const QString& name) const
    {
        return qobject_cast<Control*>(named.contains(name) ? named[name] : p.find(name));
    }
    double value(const QString& name) const { return captionValue(find(name)->property("text").toString()); }
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(engine); }

    // One random event; a short text of what it was, for the failure report.
    QString step()
    {
        // Out of twenty events: 2 on the menu, 3 on the pictures, 2 in the lists, 3 on the keypad (when it is
        // shown), 1 right answer, the rest on the controls of the section shown.
        const int kind = pick(20);
        if (kind < 2)
            return press(pick(10) == 9 ? QStringLiteral("Command20") : arrayName("Command1", section = pick(9)));
        if (kind < 5)
            return press(pick(2) ? "Picture1" : "Picture2",
                std::array { Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton }[pick(4)]);
        if (kind < 7)
            return press(arrayName("List1", pick(3)));
        if (const int key = pick(17); kind < 10 && p.form->keypad()->isVisible())
            return press(key < 10 ? arrayName("Form2.Command1", key)
                    : key < 16    ? arrayName("Form2.Command2", key - 10)
                                  : "Form2.Command3");
        return kind == 10 ? answer() : press({});
    }

    // A press at a random point of the named control (of an item of a list), when it is shown and enabled;
    // else a click on a label, button or option of the section shown or of the editors beside its pictures.
    QString press(QString name, Qt::MouseButton button = Qt::LeftButton)
    {
        QList<QWidget*> candidates;
        for (QWidget* frame : { find("Frame2"), find("Frame3"), find(arrayName("Frame1", section)) })
            for (QWidget* control : frame->findChildren<QWidget*>())
                if ((qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)))
                    candidates << control;
        QWidget* control = name.isEmpty() ? nullptr : find(name);
        for (int tries = 0; tries < 100 && (!control || !control->isVisible() || !control->isEnabled());
             ++tries, button = Qt::LeftButton)
            control = candidates.value(pick(int(candidates.size())));
        QPoint at(pick(std::max(1, control->width())), pick(std::max(1, control->height())));
        if (auto* list = qobject_cast<QListWidget*>(control); list && list->count() > 0) {
            QListWidgetItem* item = list->item(pick(list->count()));
            list->scrollToItem(item);
            control = list->viewport();
            at = list->visualItemRect(item).center();
        }
        QTest::mouseClick(control, button, Qt::NoModifier, at);
        // The first fraction's editing buttons redraw it (the keypad has a Command2 too).
        static const QRegularExpression editing("^Command[23]\\(");
        if (control->window() == p.form.get() && editing.match(control->objectName()).hasMatch())
            firstDrawn = { value("Label1(0)"), value("Label1(1)") };
        return QString::asprintf(
            "button %d on %s at %d,%d", int(button), qPrintable(control->objectName()), at.x(), at.y());
    }

    // Now and then a pupil who knows the answer, so that results lines are written too: the multiplication
    // or division stepped to the right fraction. Elsewhere the results window, when shown, is closed.
    QString answer()
    {
        if (section == 6) {
            const bool divide = find<QAbstractButton>("Option1(1)")->isChecked();
            const double c = value("Label15(1)"), d = value("Label16(1)");
            const double want[2] = { value("Label15(0)") * (divide ? d : c), value("Label16(0)") * (divide ? c : d) };
            for (int field : { 0, 3 })
                for (double gap, presses = 0;
                     presses++ < 400 && (gap = want[field / 3] - value(arrayName("Command18", field)));)
                    p.click(arrayName("Command18", field + (gap >= 5 ? 1 : gap > 0 ? 0 : 2))); // "+5", "+1", "-1"
            p.click("Command19");
            return QStringLiteral("answer the exercise of section 6");
        }
        return p.form->results()->isVisible() && p.form->results()->close() ? QStringLiteral("close the results window")
                                                                            : press({});
    }

    // Empty when every invariant holds, else what broke.
    QString check()
    {
        QStringList broken;
        QString frames, menu;
        for (int i = 0; i < 9; ++i) {
            frames += find(arrayName("Frame1", i))->isVisible() ? '1' : '0';
            menu += find<CommandButton>(arrayName("Command1", i))->backColor() == DesignColor::Green ? '1' : '0';
        }
        if (frames != QString(9, '0').replace(section, 1, '1') || menu != frames)
            broken << QStringLiteral("section %1 asked for: frames shown %2, menu buttons green %3")
                          .arg(section)
                          .arg(frames, menu);
        for (int list = 0; list < 3; ++list)
            for (QListWidgetItem* item : find<QListWidget>(arrayName("List1", list))->findItems("*", Qt::MatchWildcard))
                if (!wholeNumber.match(item->text()).hasMatch())
                    broken << QStringLiteral("List1(%1) reads \"%2\"").arg(list).arg(item->text());
        for (const auto& [form, control] : numberCaptions)
            if (const QString text = control->property("text").toString(); !form->match(text).hasMatch())
                broken << QStringLiteral("%1 reads \"%2\"").arg(control->objectName(), text.left(40));
        // A press on a sector changes the first numerator without a redraw: the first picture keeps the
        // circles of the fraction it was last drawn from. The second picture shows the second fraction, or
        // the guided sum's two circles on white in section 3.
        const auto* first = find<PictureBox>("Picture1");
        broken << outsideCircles(*first,
            layoutFraction(first->image().width(), first->image().height(), firstDrawn.first, firstDrawn.second),
            DesignColor::NearWhite);
        const auto* second = find<PictureBox>("Picture2");
        const double w = second->image().width(), h = second->image().height();
        broken << (section == 3 ? outsideCircles(*second,
                       { .radius = std::min(h / 2 - 2, w / 4 - 2), .centreY = h / 2, .centresX = { w / 4, 3 * w / 4 } },
                       DesignColor::White)
                                : outsideCircles(*second, layoutFraction(w, h, value("Label2(0)"), value("Label2(1)")),
                                    DesignColor::NearWhite));
        const QStringList before = std::exchange(lines, p.resultLines());
        if (lines.mid(0, before.size()) != before)
            broken << "the results went from " + before.join(" | ") + " to " + lines.join(" | ");
        broken.removeAll(QString());
        return broken.join(QStringLiteral("; "));
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
        const auto seed = quint32(environmentNumber("MAROLETA_SEED", 20261206));
        MessageRecorder messages;
        Program program(seed);
        RandomRun run { .engine = std::mt19937(seed), .p = program };
        for (QWidget* control : program.form->findChildren<QWidget*>()) {
            run.named.insert(control->objectName(), run.named.value(control->objectName(), control));
            for (const auto& [form, names] : captionForms)
                if (names.match(control->objectName()).hasMatch())
                    run.numberCaptions.emplace_back(&form, control);
        }
        run.numberCaptions.emplace_back(&wholeNumber, program.find("Form2.Label1")); // the keypad loaded, unseen
        QStringList recent;
        QSet<int> sections;
        for (qint64 event = 0; event <= events; ++event) {
            if (event > 0 && (recent << run.step()).size() > 8)
                recent.removeFirst();
            const QString broken = run.check();
            QVERIFY2(broken.isEmpty(),
                qPrintable(QString::asprintf("seed %u, event %lld: %s\n  last events: %s", seed, event,
                    qPrintable(broken), qPrintable(recent.join(" | ")))));
            sections.insert(run.section);
        }
        // A run long enough to mean anything has been everywhere and finished exercises.
        if (events >= 2000)
            QVERIFY(sections.size() == 9 && run.lines.size() > 10);
    }
};

QTEST_MAIN(RandomEvents)
#include "fuzz_events.moc"
