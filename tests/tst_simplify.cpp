// Section 2 through the real window: dividing by a prime, the working line a/b = (a : p)/(b : p) = (a/p)/(b/p),
// the "cannot be divided" message and the base buttons that copy the base into the second fraction.
#include "learnsupport.h"
#include "testsupport.h"

using namespace maroleta;
using testing::Program;
using testing::shownFraction;

namespace {
QString base(const Form1& f) { return shownFraction(f.Label6[0], f.Label7[0]); }

QString second(const Form1& f) { return shownFraction(f.Label2[0], f.Label2[1]); }

// The working line as the pupil reads it, "" while it is hidden, or "partly shown".
QString workingLine(const Form1& f)
{
    QList<QWidget*> parts(f.Line1.begin() + 7, f.Line1.begin() + 13); // the bars and signs
    parts << f.Label6[1] << f.Label7[1] << f.Label6[2] << f.Label7[2];
    const auto hidden = std::ranges::count_if(parts, [](QWidget* part) { return part->isHidden(); });
    if (hidden)
        return hidden == parts.size() ? QString() : QStringLiteral("partly shown");
    return base(f) + " = (" + f.Label6[1]->text() + ")/(" + f.Label7[1]->text()
        + ") = " + shownFraction(f.Label6[2], f.Label7[2]);
}
}

class TestSimplify : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<Program> p;
    Form1* f = nullptr;
    void setBase(const QString& fraction) const { testing::writeFraction(f->Label6[0], f->Label7[0], fraction); }
    bool messageShown() const { return !f->Label3[2]->isHidden(); }

private Q_SLOTS:
    void init()
    {
        p = std::make_unique<Program>();
        f = p->form.get();
        p->click(QStringLiteral("Command1(2)"));
    }

    void dividingByAPrime_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("line"); // it starts with the base
        QTest::addRow("16/32 : 2") << 0 << "16/32 = (16 : 2)/(32 : 2) = 8/16";
        QTest::addRow("77/143 : 11") << 4 << "77/143 = (77 : 11)/(143 : 11) = 7/13";
        QTest::addRow("34/170 : 17") << 6 << "34/170 = (34 : 17)/(170 : 17) = 2/10";
        QTest::addRow("4/2 : 2") << 0 << "4/2 = (4 : 2)/(2 : 2) = 2/1";
    }

    void dividingByAPrime()
    {
        QFETCH(int, button);
        QFETCH(QString, line);
        setBase(line.section(u' ', 0, 0));
        // Each division starts again from the base, which stays.
        for (int press = 0; press < 2; ++press) {
            p->click(QStringLiteral("Command9(%1)").arg(button));
            QCOMPARE(workingLine(*f), line);
            QCOMPARE(base(*f) + u' ' + second(*f), line.section(u' ', 0, 0) + u' ' + line.section(u' ', -1));
        }
    }

    void notDivisibleShowsTheMessage()
    {
        QVERIFY(workingLine(*f).isEmpty() && !messageShown()); // nothing of the working at first
        p->click(QStringLiteral("Command9(0)")); // 8/16 drawn
        const QImage drawn = f->Picture2->image().copy();
        QCOMPARE(testing::circleColours(f->Picture2->image(), 8, 16), QStringLiteral("bbbbbbbbwwwwwwww"));
        p->click(QStringLiteral("Command9(1)")); // 16/32 : 3
        QVERIFY(workingLine(*f).isEmpty() && messageShown() && second(*f) == QStringLiteral("8/16"));
        QCOMPARE(f->Picture2->image(), drawn);
        // The message stays after a base button and while the pupil visits another section ...
        for (const char* click : { "Command10(0)", "Command1(0)", "Command1(2)" }) {
            p->click(QString::fromLatin1(click));
            QVERIFY2(messageShown(), click);
        }
        // ... and goes with a successful division, which never shows it. 15/30 : 2 fails on the odd numerator alone.
        setBase(QStringLiteral("15/30"));
        p->click(QStringLiteral("Command9(2)"));
        QVERIFY(!messageShown());
        p->click(QStringLiteral("Command9(0)"));
        QVERIFY(messageShown() && second(*f) == QStringLiteral("3/6"));
    }

    void baseButtons_data()
    {
        QTest::addColumn<QString>("click"); // the base before, the button and the limit it reaches
        QTest::addRow("a + up to 200") << "199/32 Command10(0) 200/32";
        QTest::addRow("a -- down to 0") << "1/32 Command10(1) 0/32";
        QTest::addRow("b + up to 200") << "16/199 Command11(0) 16/200";
        QTest::addRow("b -- down to 2") << "16/3 Command11(1) 16/2";
    }

    void baseButtons()
    {
        QFETCH(QString, click);
        const QStringList parts = click.split(u' ');
        p->click(QStringLiteral("Command9(0)")); // the working line is shown
        setBase(parts[0]);
        // The first press reaches the limit and hides the line, the second is refused; both copy the base
        // into the second fraction.
        for (int press = 0; press < 2; ++press) {
            testing::writeFraction(f->Label2[0], f->Label2[1], QStringLiteral("9/9"));
            p->click(parts[1]);
            QCOMPARE(base(*f) + u' ' + second(*f) + workingLine(*f), parts[2] + u' ' + parts[2]); // no line
        }
    }
};

QTEST_MAIN(TestSimplify)
#include "tst_simplify.moc"
