// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Maroleta developers
// Section 4's arithmetic: drawing a fraction to simplify, testing whether a fraction can still be simplified
// against the ten primes, judging one step of the chain and writing a finished chain as a results line.
#pragma once

#include "logic/random.h"

#include <QString>
#include <QStringList>

#include <array>

namespace maroleta {

using PrimeTable = std::array<quint8, 10>;

// The first ten primes, in the order the simplifiability test tries them.
PrimeTable firstTenPrimes();

struct SimplifyExercise {
    int numerator = 0;
    int denominator = 0;
};

// One term of an exercise: 2^(1..4) · 3^(0..threeChoices-1) · 5^(0..1) · 7^(0..1) · 11^(0..1), five draws an
// attempt (in that order), drawn again until it lies in 4..1000.
int drawSimplifyTerm(Random& random, int threeChoices);

// A fraction to simplify: the numerator with up to two factors 3, the denominator with up to three, both even,
// each 4..1000, and drawn again (numerator, then denominator) until they differ.
SimplifyExercise drawSimplifyExercise(Random& random);

// Whether a fraction can (still) be simplified: a denominator 1 asks for the whole number, otherwise some
// prime of the table must divide both terms. Terms are taken as whole numbers (nearest, halves to even).
bool canBeSimplified(double numerator, double denominator, const PrimeTable& primes);

// How a step is judged. A zero denominator on either side never reaches a division: it is a whole-number answer.
enum class SimplifyBranch { WholeNumber, Intermediate, Final };
SimplifyBranch simplifyBranch(double fromDenominator, qint32 toDenominator, bool canSimplify);

// Equal value of two fractions, their quotients compared exactly (exact for fractions of small whole numbers).
bool sameFractionValue(double fromNumerator, double fromDenominator, double toNumerator, double toDenominator);

enum class StepVerdict { Right, Wrong, NotJudged };

// A whole-number answer: its denominator field must be untouched ("?"), otherwise nothing is judged. It is
// right when it repeats, as text, the numerator of a fraction over 1: 3/1 = 3. The same text under any other
// denominator (12/18 = 12) is wrong.
StepVerdict judgeWholeNumber(const QString& fromNumerator, double fromDenominator, const QString& answerNumerator,
    const QString& answerDenominator);

// A caption's value as the 32-bit whole number a typed denominator is kept in (nearest, halves to even,
// held within the 32-bit range).
qint32 wholeNumber32(double value);

// The results line of a finished chain. `captions` holds the fields 0..2k+3 of the chain (starting fraction
// first), `lastStep` is k (0..4). In the whole-number form the last answer stands alone:
// "12/4 = 3/1 = 3 =  * ¡MUY BIEN! *".
QString simplifyResultLine(const QStringList& captions, int lastStep, bool wholeNumber, const QString& closing);

} // namespace maroleta
