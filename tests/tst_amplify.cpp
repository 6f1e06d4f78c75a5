// Section 1 through the real window: the working line a/b × k/k = (a X k)/(b X k) = (a·k)/(b·k),
// its buttons and limits, and the result drawn as the second fraction.
#include "learnsupport.h"
#include "testsupport.h"

using namespace maroleta;
using testing::Program;

namespace {
QString pair(const Program& p, int i)
{
    return p.form->Label4[i]->text() + QLatin1Char('/') + p.form->Label5[i]->text();
}

// The working line as the pupil reads it.
QString workingLine(const Program& p)
{
    return pair(p, 0) + QStringLiteral(" × ") + pair(p, 1) + QStringLiteral(" = (") + p.form->Label4[2]->text()
        + QStringLiteral(")/(") + p.form->Label5[2]->text() + QStringLiteral(") = ") + pair(p, 3);
}

QString second(const Program& p) { return p.form->Label2[0]->text() + QLatin1Char('/') + p.form->Label2[1]->text(); }

void setBase(Program& p, int a, int b)
{
    p.form->Label4[0]->setText(QString::number(a));
    p.form->Label5[0]->setText(QString::number(b));
}
}

class TestAmplify : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<Program> p;

private Q_SLOTS:
    void init()
    {
        p = std::make_unique<Program>();
        p->click(QStringLiteral("Command1(1)"));
    }

    void factorButtons_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("line");
        QTest::addRow("3/4 X 10") << 3 << 4 << 9 << "3/4 × 10/10 = (3 X 10)/(4 X 10) = 30/40";
        QTest::addRow("5/2 X 3") << 5 << 2 << 2 << "5/2 × 3/3 = (5 X 3)/(2 X 3) = 15/6";
        QTest::addRow("0/7 X 5") << 0 << 7 << 4 << "0/7 × 5/5 = (0 X 5)/(7 X 5) = 0/35";
        QTest::addRow("200/200 X 10") << 200 << 200 << 9 << "200/200 × 10/10 = (200 X 10)/(200 X 10) = 2000/2000";
    }

    void factorButtons()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, button);
        QFETCH(QString, line);
        setBase(*p, a, b);
        p->click(QStringLiteral("Command6(%1)").arg(button));
        QCOMPARE(workingLine(*p), line);
        QCOMPARE(p->form->AmplifyIndex, qint16(button));
        QCOMPARE(second(*p), pair(*p, 3));
        // Pressing it again gives the same display.
        p->click(QStringLiteral("Command6(%1)").arg(button));
        QCOMPARE(workingLine(*p), line);
    }

    void baseButtonLimits_data()
    {
        QTest::addColumn<QString>("click"); // the base before, the button, "=" and the base after
        QTest::addRow("a + below 200") << "199/5 Command7(0) = 200/5";
        QTest::addRow("a -- at 1") << "1/5 Command7(1) = 0/5";
        QTest::addRow("a + at 200") << "200/5 Command7(0) = 200/5";
        QTest::addRow("a -- at 0") << "0/5 Command7(1) = 0/5";
        QTest::addRow("b + below 200") << "1/199 Command8(0) = 1/200";
        QTest::addRow("b + at 200") << "1/200 Command8(0) = 1/200";
        QTest::addRow("b -- at 3") << "1/3 Command8(1) = 1/2";
        QTest::addRow("b -- at 2") << "1/2 Command8(1) = 1/2";
    }

    void baseButtonLimits()
    {
        QFETCH(QString, click);
        const QStringList parts = click.split(u' ');
        p->click(QStringLiteral("Command6(1)")); // X 2
        setBase(*p, parts[0].section(u'/', 0, 0).toInt(), parts[0].section(u'/', 1, 1).toInt());
        const QString before = workingLine(*p);
        const QString secondBefore = second(*p);
        p->click(parts[1]);
        QCOMPARE(pair(*p, 0), parts[3]);
        if (parts[3] != parts[0]) {
            // A change recomputes the whole line and the second fraction.
            const int na = parts[3].section(u'/', 0, 0).toInt();
            const int nb = parts[3].section(u'/', 1, 1).toInt();
            QCOMPARE(workingLine(*p),
                QStringLiteral("%1/%2 × 2/2 = (%1 X 2)/(%2 X 2) = %3/%4").arg(na).arg(nb).arg(2 * na).arg(2 * nb));
            QCOMPARE(second(*p), QStringLiteral("%1/%2").arg(2 * na).arg(2 * nb));
        } else {
            // A refused change leaves the labels and the drawing as they are.
            QCOMPARE(workingLine(*p), before);
            QCOMPARE(second(*p), secondBefore);
        }
    }

    void baseButtonsHideTheSimplifyingMessage()
    {
        for (const QString& button : { QStringLiteral("Command7(0)"), QStringLiteral("Command7(1)"),
                 QStringLiteral("Command8(0)"), QStringLiteral("Command8(1)") }) {
            p->click(QStringLiteral("Command1(2)"));
            p->click(QStringLiteral("Command9(1)")); // 16/32 cannot be divided by 3
            QVERIFY(!p->form->Label3[2]->isHidden());
            p->click(QStringLiteral("Command1(1)"));
            setBase(*p, 0, 2); // the "--" buttons are refused here: the message goes all the same
            p->click(button);
            QVERIFY2(p->form->Label3[2]->isHidden(), qPrintable(button));
        }
    }

    void everySectionChangeRecomputes()
    {
        p->click(QStringLiteral("Command6(2)"));
        for (int section : { 0, 2, 3, 4, 7, 8, 1 }) {
            setBase(*p, 4, 5);
            p->form->Label2[0]->setText(QStringLiteral("9"));
            p->click(QStringLiteral("Command1(%1)").arg(section));
            QCOMPARE(workingLine(*p), QStringLiteral("4/5 × 3/3 = (4 X 3)/(5 X 3) = 12/15"));
            if (section != 3) // the guided sum goes on to draw its own pictures
                QCOMPARE(second(*p), QStringLiteral("12/15"));
        }
        QCOMPARE(testing::circleColours(p->form->Picture2->image(), 12, 15), QString(12, u'b') + QString(3, u'w'));
    }
};

QTEST_MAIN(TestAmplify)
#include "tst_amplify.moc"
