// Driving the two practice sections of sums and of products as a pupil does, for the widget tests:
// steering the seeded generator to a wanted exercise, picking list items and stepping answers by clicks.
#pragma once

#include "logic/muldivexercise.h"
#include "logic/sumexercise.h"
#include "testsupport.h"

#include <QListWidget>

#include <numeric>

namespace maroleta::testing {

// Moves the generator on, one draw at a time, until the exercise `draw` would make next is `wanted`.
// Fails the test when no such exercise comes within a million draws.
template <typename Draw, typename Wanted> void steerTo(Random& random, Draw draw, Wanted wanted)
{
    for (int i = 0; i < 1000000; ++i) {
        Random probe = random;
        if (wanted(draw(probe)))
            return;
        random.next();
    }
    QFAIL("no wanted exercise within a million draws");
}

inline void steerToSum(Program& p, auto wanted) { steerTo(p.random, drawSumExercise, wanted); }
inline void steerToMulDiv(Program& p, int a, int b, int c, int d)
{
    steerTo(p.random, drawMulDivExercise,
        [=](const MulDivExercise& e) { return e.a == a && e.b == b && e.c == c && e.d == d; });
}

// Clicks item `row` of a list, scrolling it into view first.
inline void pickRow(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    QVERIFY2(item, "no such row in the list");
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
}

// Brings an empty or numeric caption to `value` with the step buttons: "+5" (plus), "-1" (minus) and the
// field itself (+1), the way a pupil would: with clicks, or with `press` (the keyboard).
inline void stepTo(
    QPushButton* field, QPushButton* plusFive, QPushButton* minusOne, int value, void (*press)(QWidget*) = &click)
{
    auto current = [&] { return field->text().isEmpty() ? 0 : field->text().toInt(); };
    if (field->text().isEmpty())
        press(value < 0 ? minusOne : field); // the first press fills the caption
    while (current() + 5 <= value)
        press(plusFive);
    while (current() < value)
        press(field);
    while (current() > value)
        press(minusOne);
    QCOMPARE(field->text(), QString::number(value));
}

// The least common denominator of the sum exercise on screen.
inline int commonDenominator(const Program& p)
{
    const auto& d = p.form->Label13;
    return std::lcm(std::lcm(d[0]->text().toInt(), d[1]->text().toInt()), d[2]->text().toInt());
}

// Picks `common` in all three lists.
inline void pickCommonDenominator(const Program& p, int common)
{
    for (int i = 0; i < 3; ++i)
        pickRow(p.form->List1[i], common / p.form->Label13[i]->text().toInt() - 1);
}

// Sets answer numerator i (0..3) of the sum practice to `value` by clicks, or with `press`.
inline void setSumNumerator(const Program& p, int i, int value, void (*press)(QWidget*) = &click)
{
    stepTo(p.form->Command14[i], p.form->Command15[i], p.form->Command16[i], value, press);
}

// The right answer row of the exercise on screen over its least common denominator: the three amplified
// numerators, then the result.
inline std::array<int, 4> rightSumAnswer(const Program& p)
{
    const int common = commonDenominator(p);
    std::array<int, 4> a {};
    for (int i = 0; i < 3; ++i)
        a[i] = p.form->Label12[i]->text().toInt() * (common / p.form->Label13[i]->text().toInt());
    a[3] = p.form->AddThird ? a[0] + a[1] + a[2] : a[0] + a[1] - a[2];
    return a;
}

// Enters the answer row `answer` over the least common denominator.
inline void answerSum(const Program& p, const std::array<int, 4>& answer)
{
    pickCommonDenominator(p, commonDenominator(p));
    for (int i = 0; i < 4; ++i)
        setSumNumerator(p, i, answer[i]);
}

// Sets the answer of the product practice by clicks, or with `press`.
inline void answerMulDiv(const Program& p, int x, int y, void (*press)(QWidget*) = &click)
{
    stepTo(p.form->Command18[0], p.form->Command18[1], p.form->Command18[2], x, press);
    stepTo(p.form->Command18[3], p.form->Command18[4], p.form->Command18[5], y, press);
}

// The right answer of the product exercise on screen, unreduced: the straight product, or the cross
// product when division is chosen.
inline std::pair<int, int> rightMulDivAnswer(const Program& p)
{
    const Form1& f = *p.form;
    const int a = f.Label15[0]->text().toInt(), b = f.Label16[0]->text().toInt();
    const int c = f.Label15[1]->text().toInt(), d = f.Label16[1]->text().toInt();
    return f.Option1[1]->isChecked() ? std::pair { a * d, b * c } : std::pair { a * c, b * d };
}

} // namespace maroleta::testing
