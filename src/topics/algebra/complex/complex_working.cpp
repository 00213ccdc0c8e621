// SPDX-License-Identifier: GPL-3.0-or-later
#include "complex_working.h"

#include "entry/conversions.h"
#include "topics/algebra/exact_forms.h"
#include "working/formula_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace sb::complex {

using algebra::exactFactor;
using working::exactWritten;
using working::factor;
using working::Figure;
using working::Ink;
using working::minus;
using working::Place;
using working::Rational;
using working::Surd;
using working::Working;
using working::plain;
using working::plainDigits;

namespace {

struct ComplexWorking {
    Q_DECLARE_TR_FUNCTIONS(ComplexWorking)
};

QString text(double value) { return resultText(value); }

// a number of the steps as the window writes numbers, but never in E-notation, which a
// pupil's book does not use (1E-05 is 0.00001)
QString bracketed(double value) {
    const QString t = plain(value);
    return t.startsWith(u'-') || t.contains(working::times) ? u'(' + t + u')' : t;
}

// a value the window does not show, to its 15 digits and never in E-notation

// "3 - 2i", "i", "-i", "26", "2i", "0": a complex number as a textbook writes it, from the
// texts of its parts (im without its sign)
QString complexOf(const QString& re, bool reZero, const QString& im, bool imZero, bool imNegative) {
    const QString imTerm = im == u"1" ? QStringLiteral("i")
                           : im.contains(u'/') || im.contains(working::times) ? u'(' + im + QStringLiteral(")i")
                                               : im + u'i';
    if (imZero) return re;
    if (reZero) return (imNegative ? minus : QString()) + imTerm;
    return re + (imNegative ? u' ' + minus + u' ' : QStringLiteral(" + ")) + imTerm;
}

QString complexText(Pair z) {
    return complexOf(plain(z.re), z.re == 0, plain(std::abs(z.im)), z.im == 0, z.im < 0);
}

QString complexText(const Rational& re, const Rational& im) {
    return complexOf(exactWritten(re), re.sign() == 0, exactWritten(im.sign() < 0 ? -im : im),
                     im.sign() == 0, im.sign() < 0);
}

// A label beside the tip of an arrow, on the side away from the origin.
Place beyond(double x, double y) {
    if (y >= 0) return x >= 0 ? Place::AboveRight : Place::AboveLeft;
    return x >= 0 ? Place::BelowRight : Place::BelowLeft;
}

// An Argand diagram: the real numbers across, the imaginary ones up, one scale for both.
Figure argand() {
    //: the name of the real axis of an Argand diagram, as short as "Re"
    const QString re = ComplexWorking::tr("Re");
    //: the name of the imaginary axis of an Argand diagram, as short as "Im"
    return Figure::chart(re, ComplexWorking::tr("Im"), true);
}

Figure& arrowTo(Figure& f, const QString& name, Pair z, const QString& caption, Ink ink,
                bool dashed = false) {
    working::Look look = working::ink(ink);
    look.dashed = dashed;
    look.heavy = name == u"result";
    f.arrow(name, 0, 0, z.re, z.im, look);
    return f.label(name + QStringLiteral("-name"), z.re, z.im, caption,
                   working::at(beyond(z.re, z.im)));
}

// Numbers too far apart in size for the painter: no figure, a note instead. Only zeros: a
// unit square round the origin.
void fitOrLeaveOut(Figure& f) {
    double largest = 0;
    for (const working::Element& e : f.elements)
        for (double n : e.numbers) largest = std::max(largest, std::abs(n));
    if (largest > 1e150) {
        f.elements.clear();
        f.note = ComplexWorking::tr("These numbers are too large to draw to scale.");
        f.description =
            ComplexWorking::tr("No figure: the numbers are too large to draw to scale.");
    } else if (largest == 0) {
        f.view = working::Box{-1, -1, 1, 1};
    }
}

// A typed value exactly: the box's text read as the value entry reads it, where it gives
// the number the window worked with; else a number of few digits stands for the decimal it
// shows; else unknown, and the steps work with the window's decimals.
Rational exactInput(const QString& typed, double value) {
    if (!typed.isEmpty()) {
        const Rational r = Rational::ofText(typed);
        if (r.known() && working::shownRight(working::valueOf(r), value)) return r;
    }
    // the significant digits of the 15 the window shows, trailing zeros dropped
    QString digits = QString::number(std::abs(value), 'e', 14).section(u'e', 0, 0).remove(u'.');
    while (digits.endsWith(u'0')) digits.chop(1);
    if (std::isfinite(value) && digits.size() <= 10) return Rational::ofShown(value);
    return Rational::unknown();
}

// The exact value, with the window's number beside it where they are written differently
// ("5/26 ≈ 0.192307692307692"); where the window's number is off in its last digits, the
// note that says why, in notes.
QString valueBeside(const Rational& exact, double shown, QStringList& notes) {
    if (!exact.known()) return {}; // beyond exact fractions: the caller writes the decimals
    const QString t = exactWritten(exact);
    if (!working::shownRight(working::valueOf(exact), shown)) {
        notes << working::roundingNote(exact.decimalText() ? t : t + QStringLiteral(" ≈ ") + plainDigits(working::valueOf(exact)),
                                       text(shown));
        return t;
    }
    return t == text(shown) || t == plain(shown) ? t : t + QStringLiteral(" ≈ ") + text(shown);
}

// The operation's sign, its rule, and the figure's description with z1 (%1), z2 (%2) and
// the result (%3) put in.
struct Rule {
    QString sign, summary, description;
};

Rule ruleOf(const QString& op) {
    if (op == u"+")
        return {QStringLiteral("+"),
                ComplexWorking::tr("To add, add the real parts and add the imaginary parts: "
                                   "(a + bi) + (c + di) = (a + c) + (b + d)i."),
                //: %1 and %2 are the two numbers, %3 their sum
                ComplexWorking::tr("Argand diagram: z1 = %1 and z2 = %2 as arrows; their sum %3, "
                                   "the diagonal of the dashed parallelogram.")};
    if (op == u"-")
        return {minus,
                ComplexWorking::tr("To subtract, subtract the real parts and the imaginary parts: "
                                   "(a + bi) - (c + di) = (a - c) + (b - d)i."),
                //: %1 and %2 are the two numbers, %3 their difference
                ComplexWorking::tr("Argand diagram: z1 = %1 and z2 = %2 as arrows; their "
                                   "difference %3, the diagonal of the dashed parallelogram.")};
    if (op == u"*")
        return {
            working::times,
            ComplexWorking::tr("To multiply, multiply out the brackets, with i² = -1: "
                               "(a + bi)(c + di) = (ac - bd) + (bc + ad)i."),
            //: %1 and %2 are the two numbers, %3 their product
            ComplexWorking::tr("Argand diagram: z1 = %1 and z2 = %2 as arrows; their product %3.")};
    return {
        working::divide,
        ComplexWorking::tr("To divide, multiply the top and the bottom by c - di, which makes "
                           "the bottom the real number c² + d²: (a + bi) ÷ (c + di) = "
                           "((ac + bd) + (bc - ad)i) ÷ (c² + d²)."),
        //: %1 and %2 are the two numbers, %3 their quotient
        ComplexWorking::tr("Argand diagram: z1 = %1 and z2 = %2 as arrows; their quotient %3.")};
}

//: a line of the working: %1 is the calculation of the real part of the result
QString realPart(const QString& calculation) {
    return ComplexWorking::tr("Real part: %1").arg(calculation);
}
//: a line of the working: %1 is the calculation of the imaginary part of the result
QString imaginaryPart(const QString& calculation) {
    return ComplexWorking::tr("Imaginary part: %1").arg(calculation);
}

// The parts worked with the exact values typed.
void sayExactParts(Working& w, const Rational (&v)[4], const QString& op, const Operated& o,
                   Rational (&result)[2]) {
    const Rational &a = v[0], &b = v[1], &c = v[2], &d = v[3];
    QStringList notes;
    if (op == u"+" || op == u"-") {
        const bool add = op == u"+";
        result[0] = add ? a + c : a - c, result[1] = add ? b + d : b - d;
        const QString sign = add ? QStringLiteral("+") : minus;
        w.say(realPart(QStringLiteral("%1 %2 %3 = %4")
                           .arg(exactWritten(a), sign, exactFactor(c),
                                valueBeside(result[0], o.result.re, notes))));
        w.say(imaginaryPart(QStringLiteral("%1 %2 %3 = %4")
                                .arg(exactWritten(b), sign, exactFactor(d),
                                     valueBeside(result[1], o.result.im, notes))));
        for (const QString& note : notes) w.say(note);
        return;
    }
    const Rational ac = a * c, bd = b * d, bc = b * c, ad = a * d;
    const QString line = QStringLiteral("%1 = %2 × %3 = %4");
    w.detail(line.arg(QStringLiteral("ac"), exactFactor(a), exactFactor(c), exactWritten(ac)));
    w.detail(line.arg(QStringLiteral("bd"), exactFactor(b), exactFactor(d), exactWritten(bd)));
    w.detail(line.arg(QStringLiteral("bc"), exactFactor(b), exactFactor(c), exactWritten(bc)));
    w.detail(line.arg(QStringLiteral("ad"), exactFactor(a), exactFactor(d), exactWritten(ad)));
    if (op == u"*") {
        result[0] = ac - bd, result[1] = bc + ad;
        w.say(realPart(QStringLiteral("ac - bd = %1 - %2 = %3")
                           .arg(exactWritten(ac), exactFactor(bd),
                                valueBeside(result[0], o.result.re, notes))));
        w.say(imaginaryPart(QStringLiteral("bc + ad = %1 + %2 = %3")
                                .arg(exactWritten(bc), exactFactor(ad),
                                     valueBeside(result[1], o.result.im, notes))));
        for (const QString& note : notes) w.say(note);
        return;
    }
    const Rational c2 = c * c, d2 = d * d, q = c2 + d2;
    const Rational top[] = {ac + bd, bc - ad};
    result[0] = top[0] / q, result[1] = top[1] / q;
    w.say(QStringLiteral("c² + d² = %1² + %2² = %3 + %4 = %5")
              .arg(exactFactor(c), exactFactor(d), exactWritten(c2), exactWritten(d2), exactWritten(q)));
    w.say(realPart(QStringLiteral("(ac + bd) ÷ (c² + d²) = (%1 + %2) ÷ %3 = %4 ÷ %3 = %5")
                       .arg(exactWritten(ac), exactFactor(bd), exactFactor(q), exactWritten(top[0]),
                            valueBeside(result[0], o.result.re, notes))));
    w.say(
        imaginaryPart(QStringLiteral("(bc - ad) ÷ (c² + d²) = (%1 - %2) ÷ %3 = %4 ÷ %3 = %5")
                          .arg(exactWritten(bc), exactFactor(ad), exactFactor(q),
                               exactWritten(top[1]), valueBeside(result[1], o.result.im, notes))));
    for (const QString& note : notes) w.say(note);
}

// The parts with the window's decimals, where the numbers are beyond exact fractions: each
// result rounded, so "≈"; a value below the rounding of the numbers it came from is 0.
void sayDecimalParts(Working& w, Pair z1, const QString& op, Pair z2, const Operated& o) {
    const Pair r = o.result;
    const auto num = [](double v, double scale) { return plain(working::tidy(v, scale)); };
    const auto bracketed = [&num](double v, double scale) {
        const QString t = num(v, scale);
        return t.startsWith(u'-') || t.contains(working::times) ? u'(' + t + u')' : t;
    };
    if (op == u"+" || op == u"-") {
        const QString sign = op == u"+" ? QStringLiteral("+") : minus;
        w.say(realPart(QStringLiteral("%1 %2 %3 ≈ %4")
                           .arg(num(z1.re, 0), sign, bracketed(z2.re, 0), text(r.re))));
        w.say(imaginaryPart(QStringLiteral("%1 %2 %3 ≈ %4")
                                .arg(num(z1.im, 0), sign, bracketed(z2.im, 0), text(r.im))));
        return;
    }
    const QString line = QStringLiteral("%1 = %2 × %3 ≈ %4");
    w.detail(line.arg(QStringLiteral("ac"), bracketed(z1.re, 0), bracketed(z2.re, 0), num(o.ca, 0)));
    w.detail(line.arg(QStringLiteral("bd"), bracketed(z1.im, 0), bracketed(z2.im, 0), num(o.db, 0)));
    w.detail(line.arg(QStringLiteral("bc"), bracketed(z1.im, 0), bracketed(z2.re, 0), num(o.bc, 0)));
    w.detail(line.arg(QStringLiteral("ad"), bracketed(z1.re, 0), bracketed(z2.im, 0), num(o.da, 0)));
    const double realScale = std::max(std::abs(o.ca), std::abs(o.db));
    const double imaginaryScale = std::max(std::abs(o.bc), std::abs(o.da));
    if (op == u"*") {
        w.say(realPart(QStringLiteral("ac - bd ≈ %1 - %2 ≈ %3")
                           .arg(num(o.ca, 0), bracketed(o.db, 0), text(r.re))));
        w.say(imaginaryPart(QStringLiteral("bc + ad ≈ %1 + %2 ≈ %3")
                                .arg(num(o.bc, 0), bracketed(o.da, 0), text(r.im))));
        return;
    }
    w.say(QStringLiteral("c² + d² = %1² + %2² ≈ %3 + %4 ≈ %5")
              .arg(bracketed(z2.re, 0), bracketed(z2.im, 0), num(o.cSquared, 0), num(o.dSquared, 0), num(o.q, 0)));
    w.say(realPart(QStringLiteral("(ac + bd) ÷ (c² + d²) ≈ (%1 + %2) ÷ %3 ≈ %4 ÷ %3 ≈ %5")
                       .arg(num(o.ca, 0), bracketed(o.db, 0), bracketed(o.q, 0),
                            bracketed(o.numerator.re, realScale), text(r.re))));
    w.say(imaginaryPart(QStringLiteral("(bc - ad) ÷ (c² + d²) ≈ (%1 - %2) ÷ %3 ≈ %4 ÷ %3 ≈ %5")
                            .arg(num(o.bc, 0), bracketed(o.da, 0), bracketed(o.q, 0),
                                 bracketed(o.numerator.im, imaginaryScale), text(r.im))));
}

} // namespace

Working operationWorking(Pair z1, const QString& op, Pair z2, const Operated& o,
                         const std::array<QString, 4>& typed) {
    const Rule rule = ruleOf(op);
    const Pair r = o.result;
    const Rational v[4] = {exactInput(typed[0], z1.re), exactInput(typed[1], z1.im),
                           exactInput(typed[2], z2.re), exactInput(typed[3], z2.im)};
    const bool exact = std::all_of(std::begin(v), std::end(v), [](const Rational& x) { return x.known(); });
    Working w;
    w.say(ComplexWorking::tr("z1 = a + bi = %1 and z2 = c + di = %2")
              .arg(exact ? complexText(v[0], v[1]) : complexText(z1),
                   exact ? complexText(v[2], v[3]) : complexText(z2)));
    w.say(rule.summary);
    Rational result[2] = {Rational::unknown(), Rational::unknown()};
    // the exact steps stand only where every value along them stayed an exact fraction
    if (exact) {
        Working exactSteps;
        sayExactParts(exactSteps, v, op, o, result);
        if (result[0].known() && result[1].known())
            w.steps.insert(w.steps.end(), exactSteps.steps.begin(), exactSteps.steps.end());
    }
    const bool worked = result[0].known() && result[1].known();
    if (!worked) sayDecimalParts(w, z1, op, z2, o);
    //: %1 and %2 are the answers of the window, %3 the same number written a + bi
    w.say(ComplexWorking::tr("Answer: R = %1 and Im = %2, that is %3")
              .arg(text(r.re), text(r.im),
                   worked ? complexText(result[0], result[1]) : complexText(r)));

    Figure& f = w.figure = argand();
    const QString z1Name = QStringLiteral("z1"), z2Name = QStringLiteral("z2");
    arrowTo(f, z1Name, z1, z1Name, Ink::Main);
    arrowTo(f, z2Name, z2, z2Name, Ink::Second);
    // the sum and the difference are diagonals of the parallelogram of the two arrows (of
    // z1 and -z2 for the difference)
    if (op == u"+" || op == u"-") {
        const Pair other = op == u"+" ? z2 : Pair{-z2.re, -z2.im};
        if (op == u"-")
            arrowTo(f, QStringLiteral("minus-z2"), other, minus + z2Name, Ink::Second, true);
        f.polygon(QStringLiteral("parallelogram"), {0, 0, z1.re, z1.im, r.re, r.im, other.re, other.im},
                  working::dashed());
    }
    arrowTo(f, QStringLiteral("result"), r, z1Name + u' ' + rule.sign + u' ' + z2Name, Ink::Third);
    f.description = rule.description.arg(complexText(z1), complexText(z2), complexText(r));
    fitOrLeaveOut(f);
    return w;
}

namespace {

// the nearest whole number to an exact value, a half going to the even one
std::optional<long long> nearestWhole(const Rational& v) {
    if (!v.known()) return std::nullopt;
    const Rational::Int n = v.numerator(), d = v.denominator();
    Rational::Int whole = n / d;
    if (n < 0 && n % d != 0) --whole; // the floor
    const Rational rest = v - Rational::of(whole, 1); // 0 <= rest < 1
    const auto half = rest <=> Rational::of(1, 2);
    if (half > 0 || (half == 0 && whole % 2 != 0)) ++whole;
    if (whole > std::numeric_limits<long long>::max() || whole < std::numeric_limits<long long>::min())
        return std::nullopt;
    return static_cast<long long>(whole);
}

} // namespace

Working powerWorking(double n, const Power& p, const QString& typed) {
    static const char* const powers[] = {"1", "i", "-1", "-i"};
    Working w;
    w.say(ComplexWorking::tr("The powers of i repeat in fours: i⁰ = 1, i¹ = i, i² = -1, i³ = -i, "
                             "and i⁴ = 1 again."));
    const QString k = working::superscript(p.exponent); // i⁻⁷
    const Rational exact = exactInput(typed, n);
    if (exact.known() && exact.isWhole()) {
        w.say(QStringLiteral("N = %1").arg(exactWritten(exact)));
    } else if (exact.known()) {
        // a fraction typed is divided with rounding: a half can come out a hair off it
        const auto nearest = nearestWhole(exact);
        //: %1 is the fraction typed, %2 the whole number nearest to it, %3 the whole number
        //: the window rounded to
        const QString below = ComplexWorking::tr(
            "N = %1 is no whole number. Rounded to the nearest one (a half to the even one) it "
            "gives %2, but the window divides with decimals rounded to about 16 digits: its N "
            "came out a hair below %1, so it rounds to N = %3.");
        //: %1 is the fraction typed, %2 the whole number nearest to it, %3 the whole number
        //: the window rounded to
        const QString above = ComplexWorking::tr(
            "N = %1 is no whole number. Rounded to the nearest one (a half to the even one) it "
            "gives %2, but the window divides with decimals rounded to about 16 digits: its N "
            "came out a hair above %1, so it rounds to N = %3.");
        if (nearest && *nearest != p.exponent)
            w.say((n < exact.toDouble() ? below : above)
                      .arg(exactWritten(exact), QString::number(*nearest), text(p.exponent)));
        else
            w.say(
                ComplexWorking::tr("N = %1 is no whole number: it is rounded to the nearest one (a "
                                   "half to the even one), N = %2.")
                    .arg(exactWritten(exact), text(p.exponent)));
    } else if (n != p.exponent) {
        w.say(
            ComplexWorking::tr("N = %1 is rounded to the nearest whole number (a half to the even "
                               "one), N = %2.")
                .arg(plain(n), text(p.exponent)));
    } else {
        w.say(QStringLiteral("N = %1").arg(text(p.exponent)));
    }
    const long long fours = (static_cast<long long>(p.exponent) - p.remainder) / 4;
    const QString remainder = QString::number(p.remainder);
    if (p.exponent != p.remainder)
        //: %1 = 4 × %2 + %3 writes N with its fours taken away; i%4 is i to the power N, i%5 to
        //: the power left over
        w.say(ComplexWorking::tr("Take away fours: %1 = 4 × %2 + %3, so i%4 = i%5")
                  .arg(text(p.exponent), factor(double(fours)), remainder, k,
                       working::superscript(p.remainder)));
    else
        w.say(ComplexWorking::tr("Take away fours: %1 = 4 × %2 + %3")
                  .arg(text(p.exponent), factor(double(fours)), remainder));
    //: i%1 is i to the power N, %2 the answer
    w.say(ComplexWorking::tr("Answer: i%1 = %2").arg(k, p.text));

    Figure& f = w.figure = argand();
    f.circle(QStringLiteral("unit-circle"), 0, 0, 1, working::dashed());
    const double xs[] = {1, 0, -1, 0}, ys[] = {0, 1, 0, -1};
    // clear of the axes' numbers, which stand below the real axis and left of the other
    const Place places[] = {Place::AboveRight, Place::AboveRight, Place::AboveLeft, Place::BelowRight};
    for (int r = 0; r < 4; ++r) // the power's own point is named by the power's mark
        f.point(QStringLiteral("i%1").arg(r), xs[r], ys[r],
                r == p.remainder ? QString() : QString::fromLatin1(powers[r]),
                working::at(places[r], Ink::Faint));
    if (p.remainder > 0) {
        f.arc(QStringLiteral("turn"), 0, 0, 0.5, 0, 90.0 * p.remainder, working::ink(Ink::Third));
        f.elements.back().text = QStringLiteral("%1 × 90°").arg(p.remainder);
    }
    f.point(QStringLiteral("power"), xs[p.remainder], ys[p.remainder],
            QStringLiteral("i%1 = %2").arg(k, p.text),
            working::at(places[p.remainder], Ink::Second));
    f.view = working::Box{-1.6, -1.6, 1.6, 1.6};
    //: i%1 is i to the power N, %2 the answer, %3 the number of quarter turns (0 to 3)
    f.description = ComplexWorking::tr("Unit circle with the powers 1, i, -1 and -i; i%1 = %2, "
                                       "%3 quarter turns on from 1.")
                        .arg(k, p.text, QString::number(p.remainder));
    return w;
}

namespace {

// The angle of x + yi exactly, where it is a multiple of 45° (on an axis or on a diagonal),
// when it is the angle the window gives.
std::optional<long long> exactAngle(const Rational& x, const Rational& y, double shown) {
    if (!x.known() || !y.known()) return std::nullopt;
    long long angle;
    if (x.sign() == 0) angle = y.sign() > 0 ? 90 : y.sign() < 0 ? -90 : 0;
    else if (y.sign() == 0) angle = x.sign() > 0 ? 0 : 180;
    else if (x == y || x == -y) angle = x.sign() > 0 ? (y.sign() > 0 ? 45 : -45) : (y.sign() > 0 ? 135 : -135);
    else return std::nullopt;
    if (double(angle) != shown) return std::nullopt;
    return angle;
}

// "cos 45°", "cos(-45°)": a negative angle in brackets, as a textbook writes it
QString ofAngle(const QString& function, const QString& angle) {
    return angle.startsWith(u'-') ? QStringLiteral("%1(%2°)").arg(function, angle)
                                  : QStringLiteral("%1 %2°").arg(function, angle);
}

// "√2 × (cos 45° + i sin 45°)", "5 × (cos 53.13° + i sin 53.13°)"
QString textbookPolar(const QString& r, const QString& angle) {
    return QStringLiteral("%1 × (%2 + i %3)")
        .arg(r, ofAngle(QStringLiteral("cos"), angle), ofAngle(QStringLiteral("sin"), angle));
}

} // namespace

Working polarWorking(double x, double y, const Polar& p, const std::array<QString, 2>& typed) {
    const Pair z{x, y};
    const Rational ex = exactInput(typed[0], x), ey = exactInput(typed[1], y);
    const Rational es = ex * ex + ey * ey;
    const bool exact = es.known();
    Working w;
    w.say(QStringLiteral("z = x + yi = %1").arg(exact ? complexText(ex, ey) : complexText(z)));
    w.say(ComplexWorking::tr(
        "Its polar form is r × (cos θ + i sin θ): r = √(x² + y²) is the length "
        "of its arrow, θ its angle from the positive real axis. The window "
        "writes it Root(x² + y²)*Cos(θ) + Root(x² + y²)*i*Sin(θ), θ in degrees."));
    std::optional<Surd> r;
    const QString sText = plain(p.s);
    QString rText = sText.contains(working::times) ? QStringLiteral("√(%1)").arg(sText)
                                                   : QStringLiteral("√%1").arg(sText);
    if (exact) {
        QStringList notes;
        w.say(QStringLiteral("x² + y² = %1² + %2² = %3 + %4 = %5")
                  .arg(exactFactor(ex), exactFactor(ey), exactWritten(ex * ex), exactWritten(ey * ey),
                       valueBeside(es, p.s, notes)));
        for (const QString& note : notes) w.say(note);
        r = working::squareRoot(es);
        const QString under = exactWritten(es).contains(u'/') || exactWritten(es).contains(working::times)
                                  ? QStringLiteral("√(%1)").arg(exactWritten(es))
                                                           : QStringLiteral("√%1").arg(exactWritten(es));
        if (r) {
            rText = r->r == 1 ? exactWritten(r->q) : r->text();
            QString line = QStringLiteral("r = %1").arg(under);
            if (rText != under) line += QStringLiteral(" = %1").arg(rText);
            if (r->r != 1 || !r->q.decimalText()) line += QStringLiteral(" ≈ %1").arg(plainDigits(working::valueOf(Rational(), *r)));
            //: %1 is the calculation of r
            w.say(ComplexWorking::tr("%1, the length of the arrow").arg(line));
        } else {
            rText = under;
        }
    } else {
        w.say(QStringLiteral("x² + y² = %1² + %2² = %3 + %4 = %5")
                  .arg(bracketed(x), bracketed(y), plain(p.xSquared), plain(p.ySquared), sText));
        w.detail(ComplexWorking::tr("r = %1 = %2, the length of the arrow")
                     .arg(rText, plain(std::sqrt(p.s))));
    }

    const std::optional<long long> special = exactAngle(ex, ey, p.angle);
    if (x == 0) {
        w.say(y > 0 ? ComplexWorking::tr("x = 0 and y is more than 0: the arrow points straight "
                                         "up, so the angle is 90°.")
              : y < 0
                  ? ComplexWorking::tr("x = 0 and y is less than 0: the arrow points straight "
                                       "down, so the angle is -90°.")
                  : ComplexWorking::tr("z is 0: it points nowhere, and its angle is taken as 0°."));
    } else {
        const long long arctangent = special ? (*special == 180 ? 0 : *special == 135 ? -45 : *special == -135 ? 45 : *special) : 0;
        w.say(ComplexWorking::tr("The angle: arctan(y ÷ x) = arctan(%1 ÷ %2) = %3°")
                  .arg(exact ? exactWritten(ey) : plain(y), exact ? exactFactor(ex) : bracketed(x),
                       special ? QString::number(arctangent) : plain(p.arctangent)));
        if (x < 0)
            //: %1 %2 180 = %3° is the calculation: the arctangent, + or -, 180, the angle
            w.say(ComplexWorking::tr("x is less than 0, so the arrow points left: turn by half a "
                                     "circle, %1 %2 180 = %3°")
                      .arg(special ? QString::number(arctangent) : plain(p.arctangent),
                           y >= 0 ? QStringLiteral("+") : minus,
                           special ? QString::number(*special) : plain(p.turned)));
        if (!special) {
            // just below the negative real axis the angle rounds to -180, which is taken as 180
            const bool wrapped = p.angle == 180 && p.turned < 0;
            w.say(ComplexWorking::tr("Rounded to 2 places: %1°")
                      .arg(wrapped ? text(-180) : text(p.angle)));
            if (wrapped)
                w.say(
                    ComplexWorking::tr("-180° points the same way as 180°, so the angle is 180°."));
        }
    }
    const QString angle = text(p.angle);
    //: %1 is the window's answer, %2 the same number as a textbook writes it
    w.say(
        special
            ? ComplexWorking::tr("Answer: %1, that is %2").arg(p.text, textbookPolar(rText, angle))
            //: %1 is the window's answer, %2 the same number as a textbook writes it
            : ComplexWorking::tr("Answer: %1, that is about %2, the angle rounded to 2 places")
                  .arg(p.text, textbookPolar(rText, angle)));
    // with an angle of the exact ones, r × cos θ and r × sin θ give x and y back
    if (special && r && es.sign() != 0) {
        const Rational degrees(*special);
        const auto cosine = working::exactCos(degrees), sine = working::exactSin(degrees);
        if (cosine && sine) {
            const Surd backX = *r * *cosine, backY = *r * *sine;
            if (backX.r == 1 && backY.r == 1)
                //: %1 and %2 are cos and sin of the angle, %3 and %4 their values; %5 × (%6) = %7
                //: multiplies r out to give the number again
                w.say(ComplexWorking::tr("Check: %1 and %2 are %3 and %4, so %5 × (%6) = %7")
                          .arg(
                              ofAngle(QStringLiteral("cos"), angle),
                              ofAngle(QStringLiteral("sin"), angle), cosine->text(), sine->text(),
                              rText.contains(u' ') ? u'(' + rText + u')' : rText,
                              [&] {
                                  const QString re = cosine->text();
                                  const QString im = sine->q.sign() < 0
                                                         ? Surd{-sine->q, sine->r}.text()
                                                         : sine->text();
                                  return complexOf(re, cosine->q.sign() == 0, im,
                                                   sine->q.sign() == 0, sine->q.sign() < 0);
                              }(),
                              complexText(backX.q, backY.q)));
        }
    }

    Figure& f = w.figure = argand();
    // the right triangle of x and y under the arrow: each name outside it
    working::Look look = working::dashed();
    look.place = y < 0 ? Place::Above : Place::Below;
    f.segment(QStringLiteral("x-leg"), 0, 0, x, 0, look);
    f.elements.back().text = QStringLiteral("x = %1").arg(plain(x));
    look.place = x < 0 ? Place::Left : Place::Right;
    f.segment(QStringLiteral("y-leg"), x, 0, x, y, look);
    f.elements.back().text = QStringLiteral("y = %1").arg(plain(y));
    f.arrow(QStringLiteral("polar"), 0, 0, x, y, working::at(beyond(-x, y)));
    f.elements.back().text = QStringLiteral("r = %1").arg(rText);
    if (p.s > 0) {
        const double middle = p.angle / 2 * M_PI / 180;
        f.arc(QStringLiteral("angle"), 0, 0, std::sqrt(p.s) / 3, 0, p.angle,
              working::at(beyond(std::cos(middle), std::sin(middle)), Ink::Second));
        f.elements.back().text = angle + u'°';
    }
    //: %1 is the number, %2 the length of its arrow, %3 its angle
    f.description = ComplexWorking::tr("Argand diagram: the arrow to %1, of length %2, at %3° "
                                       "from the positive real axis.")
                        .arg(complexText(z), rText, angle);
    fitOrLeaveOut(f);
    return w;
}

working::Guide complexGuide() {
    working::Guide g;
    //: %1 tells the forms a value may take: a decimal, a fraction, ...
    g.boxes << ComplexWorking::tr("R and Im: the real part a and the imaginary part b of a number "
                                  "a + bi, each %1.")
                   .arg(working::valueForms())
            //: "Operation" is the box's label in the window
            << ComplexWorking::tr("Operation: one of + - * / on its own, with no blanks.")
            << ComplexWorking::tr("N: the power of i, a number; it is rounded to a whole number.")
            //: "To Polar" is the button's caption in the window
            << ComplexWorking::tr("To Polar: R and Im of one number.");
    const Pair z1{3, -2}, z2{6, 4};
    g.example = operationWorking(z1, QStringLiteral("+"), z2, ComplexOperate(z1, QStringLiteral("+"), z2));
    return g;
}

} // namespace sb::complex
