// Section 1 through the real window: the working line a/b × k/k = (a X k)/(b X k) = (a·k)/(b·k),
// its buttons and limits, and the result drawn as the second fraction.
#include "learnsupport.h"
#include "testsupport.h"

using namespace maroleta;
using testing::Program;
using testing::shownFraction;

namespace {
// The working line as the pupil reads it.
QString workingLine(const Form1& f)
{
    return shownFraction(f.Label4[0], f.Label5[0]) + " × " + shownFraction(f.Label4[1], f.Label5[1]) + " = ("
        + f.Label4[2]->text() + ")/(" + f.Label5[2]->text() + ") = " + shownFraction(f.Label4[3], f.Label5[3]);
}

QString second(const Form1& f) { return shownFraction(f.Label2[0], f.Label2[1]); }
}

class TestAmplify : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<Program> p;
    Form1* f = nullptr;
    void setBase(const QString& fraction) const { testing::writeFraction(f->Label4[0], f->Label5[0], fraction); }

private Q_SLOTS:
    void init()
    {
        p = std::make_unique<Program>();
        f = p->form.get();
        p->click(QStringLiteral("Command1(1)"));
    }

    void factorButtons_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("line"); // it starts with the base
        QTest::addRow("3/4 X 10") << 9 << "3/4 × 10/10 = (3 X 10)/(4 X 10) = 30/40";
        QTest::addRow("5/2 X 3") << 2 << "5/2 × 3/3 = (5 X 3)/(2 X 3) = 15/6";
        QTest::addRow("0/7 X 5") << 4 << "0/7 × 5/5 = (0 X 5)/(7 X 5) = 0/35";
        QTest::addRow("200/200 X 10") << 9 << "200/200 × 10/10 = (200 X 10)/(200 X 10) = 2000/2000";
    }

    void factorButtons()
    {
        QFETCH(int, button);
        QFETCH(QString, line);
        setBase(line.section(u' ', 0, 0));
        // Pressing the same factor again multiplies the base again, not the result.
        for (int press = 0; press < 2; ++press) {
            p->click(QStringLiteral("Command6(%1)").arg(button));
            QCOMPARE(workingLine(*f), line);
            QCOMPARE(second(*f), line.section(u' ', -1));
        }
    }

    void baseButtonLimits_data()
    {
        QTest::addColumn<QString>("click"); // the base before, the button and the limit it reaches
        QTest::addRow("a + up to 200") << "199/5 Command7(0) 200/5";
        QTest::addRow("a -- down to 0") << "1/5 Command7(1) 0/5";
        QTest::addRow("b + up to 200") << "1/199 Command8(0) 1/200";
        QTest::addRow("b -- down to 2") << "1/3 Command8(1) 1/2";
    }

    void baseButtonLimits()
    {
        QFETCH(QString, click);
        const QStringList parts = click.split(u' ');
        p->click(QStringLiteral("Command6(1)")); // X 2
        setBase(parts[0]);
        const int a = parts[2].section(u'/', 0, 0).toInt(), b = parts[2].section(u'/', 1, 1).toInt();
        const QString line = QStringLiteral("%1/%2 × 2/2 = (%1 X 2)/(%2 X 2) = %3/%4").arg(a).arg(b);
        // The first press reaches the limit, the second is refused; either hides the simplifying message.
        for (int press = 0; press < 2; ++press) {
            p->click(QStringLiteral("Command1(2)"));
            p->click(QStringLiteral("Command9(1)")); // 16/32 cannot be divided by 3
            QVERIFY(!f->Label3[2]->isHidden());
            p->click(QStringLiteral("Command1(1)"));
            p->click(parts[1]);
            QVERIFY(f->Label3[2]->isHidden());
            QCOMPARE(workingLine(*f), line.arg(2 * a).arg(2 * b));
            QCOMPARE(second(*f), QStringLiteral("%1/%2").arg(2 * a).arg(2 * b));
        }
    }

    void everySectionChangeRecomputes()
    {
        p->click(QStringLiteral("Command6(2)"));
        for (int section : { 0, 2, 3, 4, 7, 8, 1 }) {
            setBase(QStringLiteral("4/5"));
            f->Label2[0]->setText(QStringLiteral("9"));
            p->click(QStringLiteral("Command1(%1)").arg(section));
            QCOMPARE(workingLine(*f), QStringLiteral("4/5 × 3/3 = (4 X 3)/(5 X 3) = 12/15"));
            if (section != 3) // the guided sum goes on to draw its own pictures
                QCOMPARE(second(*f), QStringLiteral("12/15"));
        }
        QCOMPARE(testing::circleColours(f->Picture2->image(), 12, 15), QString(12, u'b') + QString(3, u'w'));
    }
};

QTEST_MAIN(TestAmplify)
#include "tst_amplify.moc"
