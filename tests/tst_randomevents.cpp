// The real windows under a long run of seeded random events: clicks on whatever control is there to
// click in every section and on the keypad and the results window, presses on the pictures, list
// choices, message boxes answered as they come. After every event the invariants of the program hold.
// MAROLETA_EVENTS and MAROLETA_SEED set the number of events and the seed of a long run; a failure
// names both the seed and the event that broke.
#include "testsupport.h"

#include "keypad/form2.h"
#include "logic/captions.h"
#include "logic/colors.h"
#include "logic/fractiondrawing.h"
#include "results/form3.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <random>

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

// A whole number written as a caption: "12", "-1", "0".
bool isWholeNumber(const QString& text)
{
    static const QRegularExpression whole(QStringLiteral("^-?[0-9]+$"));
    return whole.match(text).hasMatch() && std::isfinite(captionValue(text));
}

class RandomRun {
public:
    RandomRun(quint32 seed, Program& program)
        : m_engine(seed)
        , m_form(*program.form)
    {
        m_firstDrawn = { captionValue(m_form.Label1[0]->text()), captionValue(m_form.Label1[1]->text()) };
    }

    // One random event; a short text of what it was, for the failure report.
    QString step()
    {
        const int kind = pick(100);
        if (kind < 10)
            return clickMenu();
        if (kind < 15)
            return clickIn(m_form.Command20, QStringLiteral("HISTORIAL"));
        if (kind < 30)
            return pressPicture();
        if (kind < 40)
            return chooseListItem();
        if (kind < 55)
            return pressKeypadKey();
        if (kind < 57)
            return closeResults();
        if (kind < 60)
            return answerMulDiv();
        if (kind < 63)
            return answerSimplifyStep();
        return clickSectionControl();
    }

    // Empty when every invariant holds, else what broke.
    QString check()
    {
        QString broken;
        if (m_redrawsFirst)
            m_firstDrawn = { captionValue(m_form.Label1[0]->text()), captionValue(m_form.Label1[1]->text()) };
        m_redrawsFirst = false;
        checkSections(broken);
        checkNumberCaptions(broken);
        checkPicture(*m_form.Picture1, m_firstDrawn[0], m_firstDrawn[1], broken);
        if (m_form.CurrentSection == 3)
            checkSumPicture(broken);
        else
            checkPicture(*m_form.Picture2, captionValue(m_form.Label2[0]->text()),
                captionValue(m_form.Label2[1]->text()), broken);
        checkResults(broken);
        return broken;
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_engine); }

    QPoint pointIn(const QWidget* widget)
    {
        const QRect r = widget->rect();
        return { r.left() + pick(std::max(1, r.width())), r.top() + pick(std::max(1, r.height())) };
    }

    QString clickIn(QWidget* widget, const QString& what)
    {
        if (!widget || !widget->isVisible() || !widget->isEnabled())
            return what + QStringLiteral(" (not there)");
        const QPoint at = pointIn(widget);
        // A press on a sector changes the first numerator without a redraw: the picture keeps the circles
        // of the fraction it was last drawn from, and only its editing buttons redraw it.
        const auto redraws = [widget](const auto& buttons) {
            return std::find(buttons.begin(), buttons.end(), widget) != buttons.end();
        };
        m_redrawsFirst = redraws(m_form.Command2) || redraws(m_form.Command3);
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
        return QStringLiteral("click %1 at %2,%3").arg(what).arg(at.x()).arg(at.y());
    }

    QString clickMenu()
    {
        CommandButton* button = m_form.Command1[pick(9)];
        return clickIn(button, button->objectName());
    }

    QString pressPicture()
    {
        PictureBox* picture = pick(2) == 0 ? m_form.Picture1 : m_form.Picture2;
        if (!picture->isVisible())
            return QStringLiteral("press on a hidden picture");
        static constexpr Qt::MouseButton buttons[]
            = { Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton };
        const Qt::MouseButton button = buttons[pick(4)];
        const QPoint at = pointIn(picture);
        QTest::mouseClick(picture, button, Qt::NoModifier, at);
        return QStringLiteral("press %1 button %2 at %3,%4")
            .arg(picture->objectName())
            .arg(int(button))
            .arg(at.x())
            .arg(at.y());
    }

    QString chooseListItem()
    {
        ListBox* list = m_form.List1[pick(3)];
        if (!list->isVisible() || list->count() == 0)
            return QStringLiteral("list choice on a hidden or empty list");
        const int row = pick(list->count());
        list->scrollToItem(list->item(row));
        const QRect place = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
        return QStringLiteral("choose row %1 of %2").arg(row).arg(list->objectName());
    }

    QString pressKeypadKey()
    {
        Form2* keypad = topLevels<Form2>().value(0);
        if (!keypad || !keypad->isVisible())
            return clickSectionControl();
        const int key = pick(17);
        CommandButton* button = key < 10 ? keypad->Command1[key]
            : key < 16                   ? keypad->Command2[key - 10]
                                         : keypad->Command3;
        return clickIn(button, QStringLiteral("keypad ") + button->objectName());
    }

    QString closeResults()
    {
        Form3* results = topLevels<Form3>().value(0);
        if (!results || !results->isVisible())
            return QStringLiteral("close the results window (not shown)");
        results->close();
        return QStringLiteral("close the results window");
    }

    // Now and then a pupil who knows the answer: the multiplication or division stepped to the right
    // fraction and checked, so that results lines are written too.
    QString answerMulDiv()
    {
        if (m_form.CurrentSection != 6)
            return clickSectionControl();
        const bool divide = m_form.Option1[1]->isChecked();
        const double a = captionValue(m_form.Label15[0]->text());
        const double b = captionValue(m_form.Label16[0]->text());
        const double c = captionValue(m_form.Label15[1]->text());
        const double d = captionValue(m_form.Label16[1]->text());
        const double targets[2] = { divide ? a * d : a * c, divide ? b * c : b * d };
        for (int field = 0; field < 2; ++field) {
            CommandButton* shown = m_form.Command18[3 * field];
            for (int presses = 0; presses < 400 && captionValue(shown->text()) != targets[field]; ++presses) {
                const double gap = targets[field] - captionValue(shown->text());
                const int key = gap >= 5 ? 1 : gap > 0 ? 0 : 2; // "+5", "+1", "-1"
                QTest::mouseClick(m_form.Command18[3 * field + key], Qt::LeftButton);
            }
        }
        QTest::mouseClick(m_form.Command19, Qt::LeftButton);
        return QStringLiteral("answer the exercise of section 6");
    }

    // One open step of the simplification chain answered through the keypad: the fraction it starts
    // from divided by its smallest common prime (or by nothing, which the check judges).
    QString answerSimplifyStep()
    {
        if (m_form.CurrentSection != 4)
            return clickSectionControl();
        int step = -1;
        for (int j = 0; j < 5; ++j)
            if (m_form.Command21[j]->isVisible() && m_form.Command21[j]->isEnabled())
                step = j;
        if (step < 0)
            return clickSectionControl();
        const double from[2]
            = { captionValue(m_form.Label17[2 * step]->text()), captionValue(m_form.Label17[2 * step + 1]->text()) };
        double divisor = 1;
        for (double prime : { 2, 3, 5, 7, 11, 13, 17, 19, 23, 29 })
            if (std::fmod(from[0], prime) == 0 && std::fmod(from[1], prime) == 0) {
                divisor = prime;
                break;
            }
        for (int i = 0; i < 2; ++i) {
            Label* field = m_form.Label17[2 * step + 2 + i];
            if (!field->isVisible() || !field->isEnabled())
                return QStringLiteral("simplify step %1 not open").arg(step);
            QTest::mouseClick(field, Qt::LeftButton);
            Form2* keypad = topLevels<Form2>().value(0);
            if (!keypad)
                return QStringLiteral("no keypad");
            for (QChar digit : QString::number(qint64(from[i] / divisor)))
                QTest::mouseClick(keypad->Command1[digit.digitValue()], Qt::LeftButton);
        }
        QTest::mouseClick(m_form.Command21[step], Qt::LeftButton);
        return QStringLiteral("answer step %1 of section 4").arg(step + 1);
    }

    // Any visible, enabled control of the section shown: buttons, labels, option buttons.
    QString clickSectionControl()
    {
        QList<QWidget*> candidates;
        for (QWidget* widget : m_form.Frame1[m_form.CurrentSection]->findChildren<QWidget*>()) {
            if (!widget->isVisible() || !widget->isEnabled())
                continue;
            if (qobject_cast<CommandButton*>(widget) || qobject_cast<Label*>(widget)
                || qobject_cast<OptionButton*>(widget))
                candidates.append(widget);
        }
        for (Frame* shared : { m_form.Frame2, m_form.Frame3 })
            if (shared->isVisible())
                for (CommandButton* button : shared->findChildren<CommandButton*>())
                    if (button->isVisible() && button->isEnabled())
                        candidates.append(button);
        if (candidates.isEmpty())
            return QStringLiteral("nothing to click");
        QWidget* widget = candidates[pick(int(candidates.size()))];
        return clickIn(widget, widget->objectName());
    }

    void checkSections(QString& broken) const
    {
        const int current = m_form.CurrentSection;
        if (current < 0 || current > 8) {
            broken += QStringLiteral("CurrentSection is %1; ").arg(current);
            return;
        }
        for (int i = 0; i < 9; ++i) {
            if (m_form.Frame1[i]->isVisible() != (i == current))
                broken += QStringLiteral("Frame1(%1) visible %2 with section %3; ")
                              .arg(i)
                              .arg(m_form.Frame1[i]->isVisible())
                              .arg(current);
            const bool green = m_form.Command1[i]->backColor() == DesignColor::Green;
            if (green != (i == current))
                broken += QStringLiteral("Command1(%1) green %2 with section %3; ").arg(i).arg(green).arg(current);
        }
    }

    void wholeNumber(const QWidget* control, const QString& text, QString& broken, bool mayAsk = false) const
    {
        if (isWholeNumber(text) || (mayAsk && (text == QStringLiteral("?") || text.isEmpty())))
            return;
        broken += QStringLiteral("%1 reads \"%2\"; ").arg(control->objectName(), text.left(40));
    }

    // A working line of whole numbers joined by signs: "4 X 3", "12 : 2", " X 3", "4 X 3 = 12" (empty
    // before it is first written).
    void wholeNumbersJoined(const Label* control, QString& broken) const
    {
        static const QRegularExpression sign(QStringLiteral(" (X|:|=) "));
        const QString text = control->text();
        if (text.isEmpty())
            return;
        QStringList pieces = text.split(sign);
        if (pieces.first().isEmpty())
            pieces.removeFirst(); // " X 3", the factor of the guided sum
        for (const QString& piece : pieces)
            if (!isWholeNumber(piece)) {
                broken += QStringLiteral("%1 reads \"%2\"; ").arg(control->objectName(), text.left(40));
                return;
            }
    }

    // Every control of the arrays of labels or buttons given holds a whole number (or may ask).
    template <typename... Arrays> void wholeCaptions(QString& broken, bool mayAsk, const Arrays&... arrays) const
    {
        const auto check = [&](const auto& controls) {
            for (const auto* control : controls)
                wholeNumber(control, control->text(), broken, mayAsk);
        };
        (check(arrays), ...);
    }

    // The captions that hold the numbers of fractions and answers: each is a whole number at all times
    // (the answer fields of the practice sections may ask with "?", and a section not yet entered is empty).
    void checkNumberCaptions(QString& broken) const
    {
        const Form1& f = m_form;
        wholeCaptions(broken, false, f.Label1, f.Label2, f.Label8, f.Label9, f.Label12,
            std::array { f.Label4[0], f.Label4[1], f.Label4[3], f.Label5[0], f.Label5[1], f.Label5[3] });
        wholeCaptions(broken, true, f.Label13, f.Label15, f.Label16, f.Label17, f.Command14,
            std::array { f.Label6[0], f.Label6[2], f.Label7[0], f.Label7[2] },
            std::array {
                f.Command12[0], f.Command12[1], f.Command12[2], f.Command12[3], f.Command18[0], f.Command18[3] });
        for (const auto& lines : { f.Label10, f.Label11 })
            for (const Label* line : lines)
                wholeNumbersJoined(line, broken);
        for (const Label* line :
            { f.Label4[2], f.Label5[2], f.Label6[1], f.Label7[1], f.Label14[0], f.Label14[1], f.Label14[2] })
            wholeNumbersJoined(line, broken);
        for (const ListBox* list : f.List1)
            for (int row = 0; row < list->count(); ++row)
                wholeNumber(list, list->item(row)->text(), broken);
        if (const Form2* keypad = topLevels<Form2>().value(0))
            wholeNumber(keypad->Label1, keypad->Label1->text(), broken);
    }

    // Every pixel of the picture outside its circles (and their outlines) is the background colour:
    // each row is checked from edge to edge, skipping the stretch each circle covers.
    static void checkOutside(const QImage& image, const std::vector<double>& centresX, double centreY, double radius,
        quint32 background, const QString& name, QString& broken)
    {
        const QRgb expected = designColor(background).rgb() | 0xFF000000u;
        const double reach = radius + 2.5;
        std::vector<std::pair<int, int>> covered;
        for (int y = 0; y < image.height(); y += 2) {
            covered.clear();
            const double dy = y - centreY;
            if (std::fabs(dy) <= reach) {
                const double half = std::sqrt(reach * reach - dy * dy);
                for (double cx : centresX)
                    covered.emplace_back(int(std::floor(cx - half)), int(std::ceil(cx + half)));
            }
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            std::size_t next = 0;
            for (int x = 0; x < image.width(); ++x) {
                while (next < covered.size() && covered[next].second < x)
                    ++next;
                if (next < covered.size() && covered[next].first <= x) {
                    x = covered[next].second;
                    continue;
                }
                if ((line[x] | 0xFF000000u) != expected) {
                    broken += QStringLiteral("%1 pixel %2,%3 is %4 outside the circles; ")
                                  .arg(name)
                                  .arg(x)
                                  .arg(y)
                                  .arg(line[x] & 0xFFFFFF, 6, 16, QLatin1Char('0'));
                    return;
                }
            }
        }
    }

    void checkPicture(PictureBox& picture, double numerator, double denominator, QString& broken) const
    {
        const QImage& image = picture.image();
        if (image.isNull())
            return;
        const FractionLayout layout = layoutFraction(image.width(), image.height(), numerator, denominator);
        checkOutside(image, layout.centresX, layout.centreY, layout.radius, DesignColor::NearWhite,
            picture.objectName(), broken);
    }

    void checkSumPicture(QString& broken) const
    {
        const QImage& image = m_form.Picture2->image();
        if (image.isNull())
            return;
        const double width = image.width();
        const double height = image.height();
        const double radius = std::min(height / 2 - 2, width / 4 - 2);
        checkOutside(image, { width / 4, 3 * width / 4 }, height / 2, radius, DesignColor::White,
            QStringLiteral("Picture2 (sum)"), broken);
    }

    void checkResults(QString& broken)
    {
        if (m_form.ResultCount < m_resultCount)
            broken += QStringLiteral("ResultCount fell from %1 to %2; ").arg(m_resultCount).arg(m_form.ResultCount);
        m_resultCount = m_form.ResultCount;
        const Form3* results = topLevels<Form3>().value(0);
        QStringList lines;
        if (results)
            for (int row = 0; row < results->List1->count(); ++row)
                lines.append(results->List1->item(row)->text());
        if (lines.size() < m_lines.size() || lines.mid(0, m_lines.size()) != m_lines)
            broken += QStringLiteral("the results list lost a line (%1 lines, then %2); ")
                          .arg(m_lines.size())
                          .arg(lines.size());
        if (lines.size() != m_form.ResultCount)
            broken += QStringLiteral("%1 results lines for ResultCount %2; ").arg(lines.size()).arg(m_form.ResultCount);
        m_lines = lines;
    }

    std::mt19937 m_engine;
    Form1& m_form;
    qint64 m_resultCount = 0;
    QStringList m_lines;
    std::array<double, 2> m_firstDrawn { 1, 2 };
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
        std::deque<QString> recent;
        QString broken = run.check();
        QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("seed %1, at start: %2").arg(seed).arg(broken)));
        QSet<int> sections;
        for (qint64 event = 1; event <= events; ++event) {
            recent.push_back(run.step());
            if (recent.size() > 8)
                recent.pop_front();
            broken = run.check();
            if (!broken.isEmpty()) {
                QStringList last(recent.begin(), recent.end());
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2: %3\n  last events: %4")
                                     .arg(seed)
                                     .arg(event)
                                     .arg(broken, last.join(QStringLiteral(" | ")))));
            }
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
