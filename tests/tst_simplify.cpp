// Section 2 through the real window: dividing by a prime, the working line a/b = (a : p)/(b : p) = (a/p)/(b/p),
// the "cannot be divided" message and the base buttons that copy the base into the second fraction.
#include "learnsupport.h"
#include "testsupport.h"

using namespace maroleta;
using testing::Program;

namespace {
QString base(const Program& p) { return p.form->Label6[0]->text() + QLatin1Char('/') + p.form->Label7[0]->text(); }

QString second(const Program& p) { return p.form->Label2[0]->text() + QLatin1Char('/') + p.form->Label2[1]->text(); }

// The working line as the pupil reads it, or "" while it is hidden.
QString workingLine(const Program& p)
{
    const auto& f = *p.form;
    const bool shown = !f.Label6[1]->isHidden();
    for (int i = 7; i <= 12; ++i)
        if (f.Line1[i]->isHidden() == shown)
            return QStringLiteral("partly shown");
    for (Label* label : { f.Label7[1], f.Label6[2], f.Label7[2] })
        if (label->isHidden() == shown)
            return QStringLiteral("partly shown");
    if (!shown)
        return {};
    return base(p) + QStringLiteral(" = (") + f.Label6[1]->text() + QStringLiteral(")/(") + f.Label7[1]->text()
        + QStringLiteral(") = ") + f.Label6[2]->text() + QLatin1Char('/') + f.Label7[2]->text();
}

void setBase(Program& p, int a, int b)
{
    p.form->Label6[0]->setText(QString::number(a));
    p.form->Label7[0]->setText(QString::number(b));
}
}

class TestSimplify : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<Program> p;

private Q_SLOTS:
    void init()
    {
        p = std::make_unique<Program>();
        p->click(QStringLiteral("Command1(2)"));
    }

    void startsWithoutWorkingLine()
    {
        // The second fraction shows the amplified one, not the base.
        QCOMPARE(base(*p), QStringLiteral("16/32"));
        QCOMPARE(second(*p), QStringLiteral("1/2"));
        QCOMPARE(workingLine(*p), QString());
        QVERIFY(p->form->Label3[2]->isHidden());
    }

    void dividingByAPrime_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("line");
        QTest::addRow("16/32 : 2") << 16 << 32 << 0 << "16/32 = (16 : 2)/(32 : 2) = 8/16";
        QTest::addRow("15/30 : 5") << 15 << 30 << 2 << "15/30 = (15 : 5)/(30 : 5) = 3/6";
        QTest::addRow("77/143 : 11") << 77 << 143 << 4 << "77/143 = (77 : 11)/(143 : 11) = 7/13";
        QTest::addRow("34/170 : 17") << 34 << 170 << 6 << "34/170 = (34 : 17)/(170 : 17) = 2/10";
        QTest::addRow("4/2 : 2") << 4 << 2 << 0 << "4/2 = (4 : 2)/(2 : 2) = 2/1";
    }

    void dividingByAPrime()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, button);
        QFETCH(QString, line);
        setBase(*p, a, b);
        p->click(QStringLiteral("Command9(%1)").arg(button));
        QCOMPARE(workingLine(*p), line);
        QVERIFY(p->form->Label3[2]->isHidden());
        QCOMPARE(second(*p), line.section(QStringLiteral(" = "), 2));
        // Each division starts again from the base.
        QCOMPARE(base(*p), QStringLiteral("%1/%2").arg(a).arg(b));
        p->click(QStringLiteral("Command9(%1)").arg(button));
        QCOMPARE(workingLine(*p), line);
    }

    void notDivisibleShowsTheMessage()
    {
        p->click(QStringLiteral("Command9(0)")); // 8/16 drawn
        QCOMPARE(testing::circleColours(p->form->Picture2->image(), 8, 16), QStringLiteral("bbbbbbbbwwwwwwww"));
        const QImage drawn = p->form->Picture2->image().copy();
        p->click(QStringLiteral("Command9(1)")); // 16/32 : 3
        QCOMPARE(workingLine(*p), QString());
        QVERIFY(!p->form->Label3[2]->isHidden());
        QCOMPARE(second(*p), QStringLiteral("8/16"));
        QCOMPARE(p->form->Picture2->image(), drawn);
        // The message stays after a base button and while the pupil visits another section ...
        p->click(QStringLiteral("Command10(0)"));
        QVERIFY(!p->form->Label3[2]->isHidden());
        p->click(QStringLiteral("Command1(0)"));
        p->click(QStringLiteral("Command1(2)"));
        QVERIFY(!p->form->Label3[2]->isHidden());
        // ... and goes with a successful division. 15/30 : 2 fails on the odd numerator alone.
        setBase(*p, 15, 30);
        p->click(QStringLiteral("Command9(2)"));
        QVERIFY(p->form->Label3[2]->isHidden());
        p->click(QStringLiteral("Command9(0)"));
        QVERIFY(!p->form->Label3[2]->isHidden());
        QCOMPARE(second(*p), QStringLiteral("3/6"));
    }

    void baseButtons_data()
    {
        QTest::addColumn<QString>("click"); // the base before, the button, "=" and the base after
        QTest::addRow("a + at 200") << "200/32 Command10(0) = 200/32";
        QTest::addRow("a --") << "16/32 Command10(1) = 15/32";
        QTest::addRow("a -- at 0") << "0/32 Command10(1) = 0/32";
        QTest::addRow("b + at 199") << "16/199 Command11(0) = 16/200";
        QTest::addRow("b + at 200") << "16/200 Command11(0) = 16/200";
        QTest::addRow("b -- at 3") << "16/3 Command11(1) = 16/2";
        QTest::addRow("b -- at 2") << "16/2 Command11(1) = 16/2";
    }

    void baseButtons()
    {
        QFETCH(QString, click);
        const QStringList parts = click.split(u' ');
        setBase(*p, 16, 32);
        p->click(QStringLiteral("Command9(0)")); // the working line is shown
        setBase(*p, parts[0].section(u'/', 0, 0).toInt(), parts[0].section(u'/', 1, 1).toInt());
        p->click(parts[1]);
        QCOMPARE(base(*p), parts[3]);
        // Changed or not, the base becomes the second fraction and is drawn; only a change hides the line.
        QCOMPARE(second(*p), parts[3]);
        QCOMPARE(workingLine(*p).isEmpty(), parts[3] != parts[0]);
    }
};

QTEST_MAIN(TestSimplify)
#include "tst_simplify.moc"
