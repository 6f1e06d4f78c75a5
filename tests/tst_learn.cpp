// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// The four learning screens as a pupil uses them: the graphic screen's two fractions and their pictures,
// amplifying, simplifying and the guided sum. Most cases are scripts of clicks, each followed by what the
// screen then reads; at every step each picture shown must draw what its captions say.
#include "sectorcolours.h"
#include "testsupport.h"

#include <QRegularExpression>

#include <utility>

using namespace maroleta;
using testing::names;
using testing::Program;

namespace {
// `ifShown` when the controls named are all shown, `ifHidden` when none is, else " partly shown ".
QString seen(const Program& p, const QStringList& controls, const QString& ifShown, const QString& ifHidden = {})
{
    const auto count = std::ranges::count_if(controls, [&p](const QString& name) { return p.find(name)->isVisible(); });
    return count == controls.size() ? ifShown : count == 0 ? ifHidden : QStringLiteral(" partly shown ");
}

// `text` with each control name in it ("Label4(0)") replaced by that control's caption.
QString read(const Program& p, QString text)
{
    static const QRegularExpression name(QStringLiteral("[A-Z][a-z]+\\d+\\(\\d+\\)"));
    qsizetype from = 0;
    for (QRegularExpressionMatch m; (m = name.match(text, from)).hasMatch();) {
        const QString caption = p.caption(m.captured());
        text.replace(m.capturedStart(), m.capturedLength(), caption);
        from = m.capturedStart() + caption.size();
    }
    return text;
}

// What the learning screen shown reads. Section 0: its first fraction; 1: its working line; 2: its working
// line, or the base alone while the line is hidden, and whether it says that the base cannot be divided;
// each followed by " | " and the second fraction. Section 3: "A ± B : A' B' |factor of A'|factor of B'|"
// and, while the result is shown, " = result" and the colours of its two buttons.
QString screen(const Program& p)
{
    const QString second = read(p, " | Label2(0)/Label2(1)");
    static const QMap<quint32, QString> colours { { DesignColor::Green, "green" }, { DesignColor::Blue, "blue" },
        { DesignColor::Red, "red" } };
    switch (p.shownSection()) {
    case 0:
        return read(p, "Label1(0)/Label1(1)") + second;
    case 1:
        return read(p, "Label4(0)/Label5(0) × Label4(1)/Label5(1) = (Label4(2))/(Label5(2)) = Label4(3)/Label5(3)")
            + second;
    case 2:
        return read(p, "Label6(0)/Label7(0)")
            + seen(p, names("Line1(%1)", 7, 12) + names("Label6(%1)", 1, 2) + names("Label7(%1)", 1, 2),
                read(p, " = (Label6(1))/(Label7(1)) = Label6(2)/Label7(2)"))
            + (p.find("Label3(2)")->isVisible() ? " not divisible" : "") + second;
    case 3:
        return read(p, "Label8(0)/Label9(0) ") + seen(p, { "Line1(16)", "Line1(23)" }, "+", "-")
            + read(p, " Label8(1)/Label9(1) : Label8(2)/Command12(0) Label8(3)/Command12(1) |")
            + seen(p, names("Line3(%1)", 0, 9) + names("Label10(%1)", 0, 1), p.caption("Label10(1)").trimmed()) + u'|'
            + seen(p, names("Line4(%1)", 0, 9) + names("Label11(%1)", 0, 1), p.caption("Label11(1)").trimmed()) + u'|'
            + seen(p, names("Command12(%1)", 2, 7) + names("Line1(%1)", 24, 26),
                read(p, " = Command12(2)/Command12(3) ")
                    + colours.value(p.find<CommandButton>("Command12(2)")->backColor(), "other") + u' '
                    + colours.value(p.find<CommandButton>("Command12(3)")->backColor(), "other"));
    }
    return QStringLiteral("section %1").arg(p.shownSection());
}

int term(const Program& p, const QString& name) { return p.caption(name).toInt(); }

QString sectors(int n, int d, char16_t c) { return QString(n, c) + QString(d - n, u'w'); }

// Where a picture shown does not draw its captions, " picture: " what it draws, " for " what it should; else
// nothing. A fraction of one circle of at most 40 sectors has its numerator in blue; the guided sum's A' is
// cyan and B' magenta, both blue while their denominators agree.
QString wrongPictures(const Program& p)
{
    QString wrong;
    const auto compare = [&wrong](const QString& drawn, const QString& wanted) {
        if (drawn != wanted)
            wrong += " picture: " + drawn + " for " + wanted;
    };
    const int dA = term(p, "Command12(0)"), dB = term(p, "Command12(1)");
    QImage& sum = p.find<PictureBox>("Picture2")->image();
    if (p.shownSection() == 3)
        compare(testing::sumCircleColours(sum, 0, dA) + u' ' + testing::sumCircleColours(sum, 1, dB),
            sectors(term(p, "Label8(2)"), dA, dA == dB ? u'b' : u'c') + u' '
                + sectors(term(p, "Label8(3)"), dB, dA == dB ? u'b' : u'm'));
    for (int i = 1; i <= 2 && p.shownSection() < 3; ++i) {
        const int n = term(p, QStringLiteral("Label%1(0)").arg(i)), d = term(p, QStringLiteral("Label%1(1)").arg(i));
        auto* picture = p.find<PictureBox>(QStringLiteral("Picture%1").arg(i));
        if (picture->isVisible() && n <= d && d <= 40)
            compare(testing::circleColours(picture->image(), n, d), sectors(n, d, u'b'));
    }
    return wrong;
}

// Plays one step of a script, word by word. A control's name is a click, "name*n" n clicks, "name..." clicks
// until one changes nothing on the screen; "a/b,c/d" moves the generator on until the next guided sum it
// draws is that task.
void play(Program& p, const QString& step)
{
    for (const QString& word : step.split(u' ')) {
        const QString name = word.section(QRegularExpression("[*.]"), 0, 0);
        for (int draws = 0; word.contains(u','); ++draws, p.random.next()) {
            Random probe = p.random;
            const SumTask t = newSumTask(probe);
            if (word == QString::asprintf("%d/%d,%d/%d", t.numeratorA, t.denominatorA, t.numeratorB, t.denominatorB))
                break;
            VERIFY_OR_THROW(draws < 100000);
        }
        if (word.endsWith("...")) {
            int clicks = 0;
            for (QString before; before != screen(p); p.click(name)) {
                VERIFY_OR_THROW(++clicks < 400);
                before = screen(p);
            }
        } else if (!word.contains(u',')) {
            for (int i = 0; i < qMax(1, word.section(u'*', 1).toInt()); ++i)
                p.click(name);
        }
    }
}
}

class TestLearn : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scripts_data()
    {
        // Steps, each "clicks => what the screen reads after them".
        QTest::addColumn<QStringList>("script");
        // A picture holds sixteen whole circles before the numerator's "+" and the denominator's "-" stop.
        QTest::addRow("first fraction's buttons") << QStringList { "Command1(0) Command3(0) => 1/3 | 1/2",
            "Command2(0)... => 48/3 | 1/2", "Command3(1) => 48/3 | 1/2", "Command2(1) Command3(1) => 47/2 | 1/2",
            "Command2(0) => 47/2 | 1/2", "Command2(1)... => 0/2 | 1/2", "Command3(0)... => 0/150 | 1/2",
            "Command3(1)... => 0/2 | 1/2", "Command2(0)*2 => 2/2 | 1/2" };
        // Leaving the screen keeps the first fraction; the second comes back as the amplifying screen's result.
        QTest::addRow("second fraction's buttons") << QStringList { "Command1(0) Command5(0) => 1/2 | 1/3",
            "Command4(0)... => 1/2 | 48/3", "Command5(1) => 1/2 | 48/3", "Command4(1) Command5(1) => 1/2 | 47/2",
            "Command4(0) => 1/2 | 47/2", "Command4(1)... => 1/2 | 0/2", "Command5(0)... => 1/2 | 0/150",
            "Command5(1)... => 1/2 | 0/2", "Command2(0) Command1(7) Command1(0) => 2/2 | 1/2" };
        // Each factor multiplies the base again; the base keeps to 0..200 over 2..200.
        QTest::addRow("amplifying") << QStringList {
            "Command1(1) Command6(9) Command6(9) => 1/2 × 10/10 = (1 X 10)/(2 X 10) = 10/20 | 10/20",
            "Command6(2) Command7(0)... => 200/2 × 3/3 = (200 X 3)/(2 X 3) = 600/6 | 600/6",
            "Command8(0)... => 200/200 × 3/3 = (200 X 3)/(200 X 3) = 600/600 | 600/600",
            "Command6(9) => 200/200 × 10/10 = (200 X 10)/(200 X 10) = 2000/2000 | 2000/2000",
            "Command6(0) Command7(1)... => 0/200 × 1/1 = (0 X 1)/(200 X 1) = 0/200 | 0/200",
            "Command8(1)... => 0/2 × 1/1 = (0 X 1)/(2 X 1) = 0/2 | 0/2"
        };
        // A change made with the second denominator's buttons, and only that, becomes the base's denominator;
        // the working line shows it when a section is entered.
        QTest::addRow("second denominator into the amplifying base") << QStringList {
            "Command1(1) Command8(0) Command7(0)*47 Command6(1) => 48/3 × 2/2 = (48 X 2)/(3 X 2) = 96/6 | 96/6",
            "Command1(0) Command5(1) Command4(1) Command1(1) => 48/3 × 2/2 = (48 X 2)/(3 X 2) = 96/6 | 96/6",
            "Command1(0) Command5(0) Command1(1) => 48/7 × 2/2 = (48 X 2)/(7 X 2) = 96/14 | 96/14",
            "Command1(0) Command5(0) Command1(2) => 16/32 | 96/30"
        };
        // An amplified second fraction's denominator goes into the base as 200 at most, whatever the round trips.
        QTest::addRow("second denominator clamped into the amplifying base") << QStringList {
            "Command1(1) Command8(0)... Command6(9) => 1/200 × 10/10 = (1 X 10)/(200 X 10) = 10/2000 | 10/2000",
            "Command1(0) Command5(1) => 1/2 | 10/1999",
            "Command1(1) => 1/200 × 10/10 = (1 X 10)/(200 X 10) = 10/2000 | 10/2000",
            "Command1(0) Command5(1) Command1(1) => 1/200 × 10/10 = (1 X 10)/(200 X 10) = 10/2000 | 10/2000"
        };
        // A prime that does not divide both terms leaves the second fraction as it was.
        QTest::addRow("simplifying by each prime")
            << QStringList { "Command1(2) Command9(0) Command9(0) => 16/32 = (16 : 2)/(32 : 2) = 8/16 | 8/16",
                   "Command9(1) => 16/32 not divisible | 8/16",
                   "Command10(1) Command11(1)*2 => 15/30 not divisible | 15/30",
                   "Command9(2) => 15/30 = (15 : 5)/(30 : 5) = 3/6 | 3/6", "Command9(0) => 15/30 not divisible | 3/6",
                   "Command9(1) => 15/30 = (15 : 3)/(30 : 3) = 5/10 | 5/10",
                   "Command10(1)... Command9(3) => 0/30 not divisible | 0/30",
                   "Command11(0)*152 Command9(3) => 0/182 = (0 : 7)/(182 : 7) = 0/26 | 0/26",
                   "Command9(5) => 0/182 = (0 : 13)/(182 : 13) = 0/14 | 0/14",
                   "Command11(0)*5 Command9(4) => 0/187 = (0 : 11)/(187 : 11) = 0/17 | 0/17",
                   "Command9(6) => 0/187 = (0 : 17)/(187 : 17) = 0/11 | 0/11" };
        // The base keeps to 0..200 over 2..200; its buttons hide the working line and show the base, refused or not.
        QTest::addRow("simplifying base") << QStringList { "Command1(2) Command9(0) Command10(0)... => 200/32 | 200/32",
            "Command4(1) Command10(0) => 200/32 | 200/32", "Command11(0)... => 200/200 | 200/200",
            "Command9(0) => 200/200 = (200 : 2)/(200 : 2) = 100/100 | 100/100", "Command10(1)... => 0/200 | 0/200",
            "Command11(1)... => 0/2 | 0/2" };
        // Any button of the amplifying base, refused or not, makes the message stale; nothing else hides it.
        QTest::addRow("amplifying base hides the simplifying message") << QStringList { "Command1(2) => 16/32 | 1/2",
            "Command9(1) => 16/32 not divisible | 1/2", "Command1(1) Command7(1) Command1(2) => 16/32 | 0/2",
            "Command9(1) Command1(1) Command7(1) Command1(2) => 16/32 | 0/2",
            "Command9(1) Command1(1) Command8(1) Command1(2) => 16/32 | 0/2",
            "Command9(1) Command1(0) Command1(3) Command1(2) => 16/32 not divisible | 0/2",
            "Command10(0) => 17/32 not divisible | 17/32" };
        // Equal denominators show the result at once; the other operation's numerator is wrong. A new task
        // starts without a result; back on the graphic screen the picture shows the second fraction again.
        QTest::addRow("guided difference")
            << QStringList { "4/7,2/7 Command1(3) => 4/7 - 2/7 : 4/7 2/7 ||| = / green green",
                   "Command12(4) Command12(2) Command12(6) Command12(3)*2 => 4/7 - 2/7 : 4/7 2/7 ||| = 6/7 red blue",
                   "Command12(5)*4 => 4/7 - 2/7 : 4/7 2/7 ||| = 2/7 blue blue congratulated",
                   "Command12(5) => 4/7 - 2/7 : 4/7 2/7 ||| = 1/7 red blue",
                   "Command12(2) => 4/7 - 2/7 : 4/7 2/7 ||| = 2/7 blue blue congratulated",
                   "Command12(0) => 4/7 - 2/7 : 8/14 2/7 |X 2||",
                   "Command12(1) => 4/7 - 2/7 : 8/14 4/14 ||X 2| = / green green",
                   "Command12(2)*6 Command12(6)*2 Command12(3)*4 => 4/7 - 2/7 : 8/14 4/14 ||X 2| = 6/14 red blue",
                   "3/5,1/5 Command1(3) => 3/5 - 1/5 : 3/5 1/5 ||| = / green green", "Command1(0) => 1/2 | 1/2" };
        // Any common denominator is right, the least or not; the arrows follow the fraction changed last.
        QTest::addRow("guided sum") << QStringList {
            "1/4,2/3 Command1(3) Command12(0)*5 => 1/4 + 2/3 : 6/24 2/3 |X 6||",
            "Command12(1)*7 => 1/4 + 2/3 : 6/24 16/24 ||X 8| = / green green",
            "Command12(5)*10 Command12(6)*4 Command12(3)*4 => 1/4 + 2/3 : 6/24 16/24 ||X 8| = -10/24 red blue",
            "Command12(4)*6 Command12(2)*2 => 1/4 + 2/3 : 6/24 16/24 ||X 8| = 22/24 blue blue congratulated",
            "Command13(0) => 1/4 + 2/3 : 5/20 16/24 |X 5||", "Command13(1)*7 => 1/4 + 2/3 : 5/20 2/3 ||X 1|",
            "Command13(0)*4 => 1/4 + 2/3 : 1/4 2/3 |X 1||", "Command13(0) => 1/4 + 2/3 : 1/4 2/3 |X 1||"
        };
    }

    void scripts()
    {
        QFETCH(QStringList, script);
        testing::MessageRecorder messages;
        Program p;
        QStringList played;
        for (const QString& step : script) {
            play(p, step.section(" => ", 0, 0));
            played << step.section(" => ", 0, 0) + " => " + screen(p) + wrongPictures(p);
            for (const QString& text : std::exchange(messages.texts, {})) {
                QCOMPARE(text, "¡MUY BIEN!"); // the first closing text of comprobar.txt
                played.last() += " congratulated";
            }
        }
        QCOMPARE(played, script);
    }
};

QTEST_MAIN(TestLearn)
#include "tst_learn.moc"
