// Section 4 as the pupil works it: fields clicked, numbers typed on the keypad, steps checked, chains logged.
#include "testsupport.h"

#include "logic/simplifyexercise.h"
#include "results/form3.h"

#include <QSet>

using namespace maroleta;

namespace {

// What section 4 shows on a new exercise: the fraction to simplify, the first step and its button.
const QString initial = "111100000000 1111000000000000 10000";

QChar letter(quint32 colour, bool open)
{
    const QChar c = colour == DesignColor::Blue ? u'b' : colour == DesignColor::Red ? u'r' : u'w';
    return open ? c.toUpper() : c;
}

// A pupil in front of section 4. Message boxes are answered at once and remembered.
struct Pupil {
    Label* field(int i) const { return p.form->Label17[i]; }

    // Types "n/d", or a lone "n", on the keypad into the fields of `step` (0: the fraction to simplify).
    void type(int step, const QString& answer) const
    {
        const QStringList terms = answer.split(u'/');
        for (int t = 0; t < terms.size(); ++t)
            testing::typeOnKeypad(p, 2 * step + t, terms[t]);
    }

    // Which fields, strokes and check buttons are shown, as 1 and 0.
    QString shownControls() const
    {
        QString bits;
        const auto add = [&](const auto& controls) {
            bits += u' ';
            for (QWidget* control : controls)
                bits += control->isVisibleTo(p.form->Frame9) ? u'1' : u'0';
        };
        add(p.form->Label17), add(p.form->Line7), add(p.form->Command21);
        return bits.mid(1);
    }
    // The colours of the fraction to simplify, then of each step's two fields and its button: 'b' blue, 'r' red,
    // 'w' white, in capitals while open to the pupil.
    QString looks() const
    {
        QString letters;
        for (int i = 0; i < 12; ++i) {
            letters += letter(field(i)->foreColor(), field(i)->isEnabled());
            if (i % 2 && i > 1)
                letters += letter(p.form->Command21[i / 2 - 1]->backColor(), p.form->Command21[i / 2 - 1]->isEnabled());
        }
        return letters;
    }

    testing::MessageRecorder messages;
    testing::Program p;
};

// A chain the pupil works: the fraction typed over the one proposed, then "step:answer" typed and checked in
// turn; what the section then shows (Pupil::looks, Pupil::shownControls) and the results line without its closing.
struct Chain {
    QString start, answers, message, looks, shown, line;
    bool mistake = false;
};

} // namespace

Q_DECLARE_METATYPE(Chain)

class SimplifyPracticeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newExercisesThroughTheMenu()
    {
        Pupil pupil;
        QSet<QString> starts;
        for (int visit = 0; visit < 100; ++visit) {
            Random probe = pupil.p.random;
            const SimplifyExercise e = drawSimplifyExercise(probe);
            pupil.p.click(QStringLiteral("Command1(4)"));
            const QString start = pupil.field(0)->text() + u'/' + pupil.field(1)->text();
            QCOMPARE(start, QStringLiteral("%1/%2").arg(e.numerator).arg(e.denominator));
            starts.insert(start);
        }
        QVERIFY(starts.size() > 80);
    }

    void chains_data()
    {
        QTest::addColumn<Chain>("chain");
        const QString twoSteps = "111111000000 1111111000000000 11000";
        const QString notSimplifiable = QString::fromUtf8("Esta fracción no se puede simplificar");
        // After n/1 only the numerator of the next step and its "=" sign appear.
        QTest::addRow("whole number after 3/1, wrong then right") << Chain { "12/4", "1:3/1 2:5 2:3", {},
            "bbbbbbWbWWWWWWWWW", "111110000000 1111110000000000 11000", "12/4 = 3/1 = 3 = ", true };
        QTest::addRow("wrong step corrected, chain in lowest terms")
            << Chain { "12/18", "1:6/9 2:3/5 2:2/3", {}, "bbbbbbbbWWWWWWWWW", twoSteps, "12/18 = 6/9 = 2/3 = ", true };
        // The answer is judged after the message all the same; the message alone is no mistake.
        QTest::addRow("start not simplifiable, answer of its value")
            << Chain { "7/9", "1:14/18", notSimplifiable, "RRbbbWWWWWWWWWWWW", twoSteps, {}, false };
        QTest::addRow("start not simplifiable, answer of another value")
            << Chain { "7/9", "1:1/3", notSimplifiable, "RRRRRWWWWWWWWWWWW", initial, {}, true };
        QTest::addRow("equal terms: nothing judged, still open")
            << Chain { "6/6", "1:3/3", QString::fromUtf8("Numerador y denominador han de tener distinto número"),
                   "BBBBWWWWWWWWWWWWW", initial, {}, false };
        QTest::addRow("right but unreduced fifth step: no line")
            << Chain { "128/192", "1:64/96 2:32/48 3:16/24 4:8/12 5:4/6", {}, QString(17, u'b'),
                   "111111111111 1111111111111111 11111", {}, false };
    }

    void chains()
    {
        QFETCH(Chain, chain);
        Pupil pupil;
        pupil.p.click(QStringLiteral("Command1(4)"));
        pupil.type(0, chain.start);
        for (const QString& answer : chain.answers.split(u' ')) {
            const int step = answer.left(1).toInt();
            pupil.type(step, answer.mid(2));
            testing::click(pupil.p.form->Command21[step - 1]);
        }
        QCOMPARE(pupil.messages.texts, chain.message.isEmpty() ? QStringList() : QStringList { chain.message });
        QCOMPARE(pupil.looks(), chain.looks);
        QCOMPARE(pupil.shownControls(), chain.shown);
        // A whole number accepted at step 2 (field 4 closed, its denominator hidden) moves down, level with
        // the fraction bars.
        QCOMPARE(
            twipsGeometry(pupil.field(4)).top(), chain.looks[5] == u'b' && chain.shown[5] == u'0' ? 480 + 300 : 480);
        QCOMPARE(pupil.p.form->MistakeMade, chain.mistake);
        const QString closing = QStringLiteral(" * ") + pupil.p.form->CheckTexts[chain.mistake ? 1 : 0] + " *";
        QCOMPARE(pupil.p.resultLines(), chain.line.isEmpty() ? QStringList() : QStringList { chain.line + closing });

        // Another visit starts clean: fresh fields, buttons and strokes, the mistake forgotten.
        pupil.p.click(QStringLiteral("Command1(4)"));
        QVERIFY(!pupil.p.form->MistakeMade);
        QCOMPARE(pupil.looks(), "WWWWWWWWWWWWWWWWW");
        QCOMPARE(pupil.shownControls(), initial);
        for (int i = 2; i < 12; ++i)
            QCOMPARE(pupil.field(i)->text(), QStringLiteral("?"));
        QCOMPARE(twipsGeometry(pupil.field(4)).top(), 480);
    }
};

QTEST_MAIN(SimplifyPracticeTest)
#include "tst_simplifypractice.moc"
