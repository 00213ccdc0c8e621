// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadratic_working.h"

#include "entry/conversions.h"
#include "topics/algebra/exact_forms.h"
#include "working/formula_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace sb::quadratic {

using algebra::exactFactor;
using working::exactWritten;
using working::Figure;
using working::minus;
using working::Place;
using working::Rational;
using working::Surd;
using working::Working;
using working::plain;
using working::plainDigits;

namespace {

struct QuadraticWorking {
    Q_DECLARE_TR_FUNCTIONS(QuadraticWorking)
};

// the window's answer when it finds no real root, in the window's own words
QString noSolution() { return QCoreApplication::translate("sb::Form2", "No Solution"); }

QString text(double value) { return resultText(value); }

// a coefficient or a value of the steps: as the window writes numbers, but never in
// E-notation, which a pupil's book does not use (1E-05 is 0.00001)
// the same as a factor or a base: in brackets when negative
QString fac(double value) {
    const QString t = plain(value);
    return t.startsWith(u'-') || t.contains(working::times) ? u'(' + t + u')' : t;
}

// a value the window does not show, to its 15 digits and never in E-notation

// "-3x² + 6x - 2", "x² - x", "2x + 3": each coefficient as the window shows it, 1 and -1 as
// a textbook writes them, terms with 0 left out
QString polynomial(double a, double b, double c) {
    const std::pair<double, QString> terms[] = {
        {a, QStringLiteral("x²")}, {b, QStringLiteral("x")}, {c, QString()}};
    QString written;
    for (const auto& [value, letter] : terms) {
        if (value == 0) continue;
        const double size = std::abs(value);
        const QString number = size == 1 && !letter.isEmpty() ? QString() : plain(size);
        if (written.isEmpty()) written = (value < 0 ? minus : QString()) + number + letter;
        else written += (value < 0 ? u' ' + minus + u' ' : QStringLiteral(" + ")) + number + letter;
    }
    return written.isEmpty() ? QStringLiteral("0") : written;
}

QString polynomial(const Solution& s) { return polynomial(s.a, s.b, s.c); }

// How each box gave its coefficient, where the box changed what was typed.
void sayHowRead(Working& w, const double (&values)[3], const std::array<BoxText, 3>& boxes) {
    for (int i = 0; i < 3; ++i) {
        const QString name(QChar(u'A' + i));
        const BoxText& box = boxes[size_t(i)];
        if (!box.whole.isEmpty() && box.whole != box.shown) {
            // the whole number never stood in the box: written as a book writes it
            const auto whole = parseNumber(box.whole);
            //: %1 is the text typed, %2 the letter of the box (A, B or C), %3 the number it is,
            //: %4 what the box shows, %5 the value solved with
            w.say(QuadraticWorking::tr("You typed %1 for %2, which is %3. The box keeps 5 "
                                       "characters, so it shows %4, and %2 = %5.")
                      .arg(box.typed.trimmed(), name, whole ? plain(*whole) : box.whole, box.shown,
                           plain(values[i])));
        }
        else if (!box.typed.isEmpty() && box.typed.trimmed() != box.shown)
            //: %1 is the text typed, %2 the letter of the box (A, B or C), %3 what the box shows
            w.say(QuadraticWorking::tr("You typed %1 for %2, which is %3.")
                      .arg(box.typed.trimmed(), name, box.shown));
    }
}

// The coefficients as the boxes show them are short decimals, so everything the formula
// does with them is exact: the sign of D, whether √D is whole, the roots as fractions or
// roots. Unknown parts (numbers beyond 128-bit fractions) fall back to the window's decimals.
struct Exact {
    Rational a, b, c, bSquared, fourAC, d, twoA;
    bool known() const { return d.known() && twoA.known(); }
};

Exact exactOf(const Solution& s) {
    Exact e;
    e.a = Rational::ofShown(s.a), e.b = Rational::ofShown(s.b), e.c = Rational::ofShown(s.c);
    e.bSquared = e.b * e.b;
    e.fourAC = Rational(4) * e.a * e.c;
    e.d = e.bSquared - e.fourAC;
    e.twoA = Rational(2) * e.a;
    return e;
}

// "√12", "√(9/4)"
QString rootOf(const Rational& value) {
    const QString t = exactWritten(value);
    return t.contains(u'/') || t.contains(working::times) ? QStringLiteral("√(%1)").arg(t)
                                                          : QStringLiteral("√%1").arg(t);
}

// a root's exact form and, where it is no decimal that ends, the window's number beside it;
// the rounding said when the window's number is off in its last digits
void sayRoot(Working& w, const QString& name, const QString& sign, const Exact& e,
             const Surd& root, double shown, bool windowShowsIt) {
    const Rational p = -e.b / e.twoA;
    const Surd t{sign == u"+" ? root.q / e.twoA : -root.q / e.twoA, root.r};
    const QString exact = algebra::sumText(p, t);
    const QString rootText = root.r == 1 ? exactWritten(root.q) : rootOf(e.d);
    QString line = QStringLiteral("%1 = (-B %2 √D) ÷ (2A) = (%3 %2 %4) ÷ %5 = %6")
                       .arg(name, sign, exactWritten(-e.b), rootText, exactFactor(e.twoA), exact);
    const working::Precise value = working::valueOf(p, t);
    const bool ends = root.r == 1 && (p + t.q).decimalText().has_value();
    const bool right = windowShowsIt && working::shownRight(value, shown);
    if (right && !(ends && exact == text(shown)))
        line += QStringLiteral(" ≈ %1").arg(text(shown));
    w.say(line);
    if (windowShowsIt && !right)
        w.say(working::roundingNote(ends ? exact : QStringLiteral("%1 ≈ %2").arg(exact, plainDigits(value)),
                                    text(shown)));
}

// x put back into the equation, exactly: Ax² + Bx + C comes to 0
void sayCheck(Working& w, const QString& name, const Exact& e, const Rational& p, const Surd& t) {
    const auto termOf = [](const Rational& coefficient, const QString& x) {
        return coefficient.sign() == 0 ? QString()
               : coefficient.sign() < 0 ? QStringLiteral(" - %1 × %2").arg(exactWritten(-coefficient), x)
                                        : QStringLiteral(" + %1 × %2").arg(exactWritten(coefficient), x);
    };
    if (t.r == 1) { // a rational root
        const Rational x = p + t.q;
        const QString xf = exactFactor(x);
        QString left = QStringLiteral("%1 × %2²").arg(exactWritten(e.a), xf) + termOf(e.b, xf);
        if (e.c.sign() != 0) left += (e.c.sign() < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) +
                                     exactWritten(e.c.sign() < 0 ? -e.c : e.c);
        const Rational ax2 = e.a * x * x, bx = e.b * x;
        const Rational total = ax2 + bx + e.c;
        if (!total.known()) return;
        const QString terms = algebra::termsText({Surd{ax2, 1}, Surd{bx, 1}, Surd{e.c, 1}});
        w.say(terms == exactWritten(total)
                  ? QuadraticWorking::tr("Check %1 = %2: %3 = %4").arg(name, exactWritten(x), left, terms)
                  : QuadraticWorking::tr("Check %1 = %2: %3 = %4 = %5")
                        .arg(name, exactWritten(x), left, terms, exactWritten(total)));
        return;
    }
    // x = p + t: x² = p² + t² + 2pt
    const Rational square = p * p + t.q * t.q * Rational(t.r), twice = Rational(2) * p * t.q;
    const Surd x2root{twice, t.r};
    const QString x = algebra::sumText(p, t);
    const Rational rational = e.a * square + e.b * p + e.c;
    const Rational roots = e.a * twice + e.b * t.q;
    if (!rational.known() || !roots.known()) return;
    w.say(QuadraticWorking::tr("Check %1 = %2: %1² = (%2)² = %3")
              .arg(name, x, algebra::termsText({Surd{square, 1}, x2root})));
    QString left = QStringLiteral("%1 × (%2)").arg(exactWritten(e.a), algebra::termsText({Surd{square, 1}, x2root}));
    left += termOf(e.b, u'(' + x + u')');
    if (e.c.sign() != 0) left += (e.c.sign() < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) +
                                 exactWritten(e.c.sign() < 0 ? -e.c : e.c);
    w.say(QuadraticWorking::tr("So Ax² + Bx + C = %1 = %2 = %3")
              .arg(left,
                   algebra::termsText({Surd{e.a * square, 1}, Surd{e.a * twice, t.r},
                                       Surd{e.b * p, 1}, Surd{e.b * t.q, t.r}, Surd{e.c, 1}}),
                   algebra::termsText({Surd{rational, 1}, Surd{roots, t.r}})));
}

// The window's own computing with decimals: the numbers it shows come from these.
void sayWindowDecimals(Working& w, const Solution& s, const Roots& r, bool main) {
    const QString line =
        QuadraticWorking::tr("With the decimals the window works with: %1 = (%2 %3 %4) ÷ %5 = %6");
    const QString x1 = line.arg(QStringLiteral("x1"), plain(-s.b), QStringLiteral("+"),
                                plain(s.rootOfD), fac(s.twoA), text(r.x1));
    const QString x2 = line.arg(QStringLiteral("x2"), plain(-s.b), minus,
                                plain(s.rootOfD), fac(s.twoA), text(r.x2));
    if (main) w.say(x1).say(x2);
    else w.detail(x1).detail(x2);
}

void sayDiscriminant(Working& w, const Solution& s, const Exact& e) {
    if (e.known()) {
        w.say(QStringLiteral("D = B² - 4AC = %1² - 4 × %2 × %3 = %4 - %5 = %6")
                  .arg(fac(s.b), fac(s.a), fac(s.c), exactWritten(e.bSquared),
                       exactFactor(e.fourAC), exactWritten(e.d)));
        return;
    }
    const double scale = std::max(std::abs(s.bSquared), std::abs(s.fourAC));
    // beyond exact fractions: the window's decimals, rounded
    w.say(QStringLiteral("D = B² - 4AC = %1² - 4 × %2 × %3 ≈ %4 - %5 ≈ %6")
              .arg(fac(s.b), fac(s.a), fac(s.c), plain(s.bSquared), fac(s.fourAC), plain(working::tidy(s.d, scale))));
}

// Whether every number of the figure is one the painter can place: far from the ends of
// the doubles, so the spans and ticks it works out stay finite.
bool drawable(const Figure& f) {
    for (const working::Element& e : f.elements)
        for (double n : e.numbers)
            if (!(std::abs(n) < 1e150)) return false;
    return true;
}

// A graph's equation stands at the end of its curve on the side of the y-axis with more room,
// and reads from there towards the axis. That side is widened, where it must be, until the
// equation does not reach the axis or its numbers. True when that side is the left one.
bool roomForEquation(double& x0, double& x1, const QString& equation) {
    const double axis = working::Box{x0, 0, x1, 0}.yAxisX();
    const bool fromLeft = axis - x0 > x1 - axis;
    const double share = working::textShare(equation.size());
    if (fromLeft && axis - x0 < share * (x1 - x0)) x0 = axis - share / (1 - share) * (x1 - axis);
    if (!fromLeft && x1 - axis < share * (x1 - x0)) x1 = axis + share / (1 - share) * (axis - x0);
    return fromLeft;
}

} // namespace

Figure parabolaFigure(const Solution& s) {
    Figure f = Figure::chart(QStringLiteral("x"), QStringLiteral("y"));
    const auto* roots = std::get_if<Roots>(&s.outcome);
    if (s.a == 0 || !std::isfinite(s.twoA)) return f;
    const auto y = [&s](double x) { return s.a * x * x + s.b * x + s.c; };
    const double vx = -s.b / s.twoA, vy = y(vx);

    // the roots and the vertex, or without roots as far either side as the parabola takes
    // to climb as high again from the vertex as the vertex stands clear of the axis
    double left = vx, right = vx;
    if (roots)
        left = std::min({roots->x1, roots->x2, vx}), right = std::max({roots->x1, roots->x2, vx});
    else {
        const double reach = std::sqrt(std::abs(vy / s.a));
        left = vx - reach, right = vx + reach;
    }
    const double middle = (left + right) / 2;
    double half = (right - left) / 2;
    // touching the axis, or roots too close to tell apart: a width of its own
    if (!(half > 1e-6 * std::abs(middle))) half = std::max(1.0, std::abs(middle) / 2);
    double x0 = middle - 1.5 * half, x1 = middle + 1.5 * half;
    // the y-axis too, when it is near
    if (x0 > 0 && x0 <= x1 - x0) x0 = 0;
    if (x1 < 0 && -x1 <= x1 - x0) x1 = 0;

    const QString equation = QStringLiteral("y = ") + polynomial(s);
    const bool fromLeft = roomForEquation(x0, x1, equation);

    const bool opensUp = s.a > 0;
    // the curve is drawn towards the end the equation stands at
    f.curve(QStringLiteral("parabola"),
            fromLeft ? working::sample(x1, x0, 101, y) : working::sample(x0, x1, 101, y),
            working::at(opensUp ? (fromLeft ? Place::BelowRight : Place::BelowLeft)
                                : (fromLeft ? Place::AboveRight : Place::AboveLeft)));
    f.elements.back().text = equation;
    if (roots) {
        const bool same = roots->x1 == roots->x2;
        // x1 is the right root when the parabola opens upwards
        const Place right = opensUp ? Place::BelowRight : Place::AboveRight;
        const Place leftOf = opensUp ? Place::BelowLeft : Place::AboveLeft;
        const bool x1Right = roots->x1 >= roots->x2;
        // one root where the parabola touches: its name inside the bowl, clear of the vertex's
        const Place inside = opensUp ? Place::Above : Place::Below;
        f.point(QStringLiteral("root1"), roots->x1, 0,
                same ? QStringLiteral("X1 = X2") : QStringLiteral("X1"),
                working::at(same ? inside : x1Right ? right : leftOf, working::Ink::Second));
        f.point(QStringLiteral("root2"), roots->x2, 0, same ? QString() : QStringLiteral("X2"),
                working::at(x1Right ? leftOf : right, working::Ink::Second));
    }
    //: the label at the vertex of the parabola in the figure
    const QString turning =
        opensUp ? QuadraticWorking::tr("lowest point") : QuadraticWorking::tr("highest point");
    f.point(QStringLiteral("vertex"), vx, vy, turning,
            working::at(opensUp ? Place::Below : Place::Above, working::Ink::Third));

    double bottom = 0, top = 0; // the x-axis is always in sight
    const auto& xy = f.find(QStringLiteral("parabola"))->numbers;
    for (size_t i = 1; i < xy.size(); i += 2)
        bottom = std::min(bottom, xy[i]), top = std::max(top, xy[i]);
    const double margin = (top - bottom) * 0.08;
    f.view = working::Box{x0, bottom - margin, x1, top + margin};
    if (!drawable(f) || !std::isfinite(margin)) {
        f.elements.clear();
        f.view.reset();
        f.note = QuadraticWorking::tr("These numbers are too large or too small to draw to scale.");
        f.description = QuadraticWorking::tr("No figure: the numbers are beyond drawing to scale.");
        return f;
    }

    // what the description states is decided on the exact coefficients, and the vertex
    // (-B ÷ 2A, -D ÷ 4A) written without the rounding of the window's decimals
    const Exact e = exactOf(s);
    int sign = roots ? (roots->x1 == roots->x2 ? 0 : 1) : -1;
    double vxShown = vx, vyShown = vy;
    if (e.known()) {
        sign = e.d.sign();
        const double ex = working::nearest15(working::valueOf(-e.b / e.twoA));
        const double ey = working::nearest15(working::valueOf(-e.d / (Rational(2) * e.twoA)));
        // an exact vertex no double holds (B tiny beside A) is told as it was computed
        if (std::isfinite(ex) && std::isfinite(ey)) vxShown = ex, vyShown = ey;
    }
    // one whole sentence for each shape and each turning point; %1 is the vertex (x, y)
    const QString vertex = working::pointText(vxShown, vyShown);
    if (sign < 0 || (sign > 0 && !roots))
        f.description =
            (opensUp ? QuadraticWorking::tr("Parabola clear of the x-axis, so no real root, "
                                            "lowest point %1.")
                     : QuadraticWorking::tr("Parabola clear of the x-axis, so no real root, "
                                            "highest point %1."))
                .arg(vertex);
    else if (sign == 0)
        //: %1 is where it touches, %2 the vertex (x, y)
        f.description = (opensUp ? QuadraticWorking::tr("Parabola touching the x-axis at %1, "
                                                        "lowest point %2.")
                                 : QuadraticWorking::tr("Parabola touching the x-axis at %1, "
                                                        "highest point %2."))
                            .arg(text(vxShown), vertex);
    else
        //: %1 and %2 are the roots, %3 the vertex (x, y)
        f.description = (opensUp ? QuadraticWorking::tr("Parabola crossing the x-axis at %1 and "
                                                        "%2, lowest point %3.")
                                 : QuadraticWorking::tr("Parabola crossing the x-axis at %1 and "
                                                        "%2, highest point %3."))
                            .arg(text(std::min(roots->x1, roots->x2)),
                                 text(std::max(roots->x1, roots->x2)), vertex);
    return f;
}

namespace {

// The roots, exact where the numbers allow, beside the window's numbers; then the check.
void sayRealRoots(Working& w, const Solution& s, const Exact& e, const Roots* shown) {
    const std::optional<Surd> root = e.known() ? working::squareRoot(e.d) : std::nullopt;
    if (!root) { // beyond exact fractions: the window's decimals alone
        if (e.known())
            w.say(QStringLiteral("√D = %1 ≈ %2").arg(rootOf(e.d), plainDigits(working::rootValue(e.d))));
        else
            w.say(QStringLiteral("√D ≈ √%1 ≈ %2").arg(fac(s.d), plain(s.rootOfD)));
        w.say(QStringLiteral("2A = 2 × %1 = %2").arg(fac(s.a), e.known() ? exactWritten(e.twoA) : plain(s.twoA)));
        if (shown) {
            sayWindowDecimals(w, s, *shown, true);
            w.say(QuadraticWorking::tr("Answer: X1 = %1 and X2 = %2")
                      .arg(text(shown->x1), text(shown->x2)));
        }
        return;
    }
    if (e.d.sign() > 0)
        w.say(root->r == 1 ? QStringLiteral("√D = %1 = %2").arg(rootOf(e.d), exactWritten(root->q))
              : root->text() == rootOf(e.d)
                  ? QStringLiteral("√D = %1 ≈ %2").arg(rootOf(e.d), plainDigits(working::valueOf(Rational(), *root)))
                  : QStringLiteral("√D = %1 = %2 ≈ %3")
                        .arg(rootOf(e.d), root->text(), plainDigits(working::valueOf(Rational(), *root))));
    w.say(QStringLiteral("2A = 2 × %1 = %2").arg(fac(s.a), exactWritten(e.twoA)));
    const Rational p = -e.b / e.twoA;
    const Surd t{root->q / e.twoA, root->r};
    if (e.d.sign() == 0) {
        w.say(QStringLiteral("x = -B ÷ (2A) = %1 ÷ %2 = %3")
                  .arg(exactWritten(-e.b), exactFactor(e.twoA), exactWritten(p)));
        if (shown && !working::shownRight(working::valueOf(p), shown->x1))
            w.say(working::roundingNote(exactWritten(p), text(shown->x1)));
    } else {
        sayRoot(w, QStringLiteral("x1"), QStringLiteral("+"), e, *root, shown ? shown->x1 : 0, shown);
        sayRoot(w, QStringLiteral("x2"), minus, e, *root, shown ? shown->x2 : 0, shown);
    }
    if (shown) {
        // the window's decimals, for the pupil who asks for more detail
        sayWindowDecimals(w, s, *shown, false);
        w.say(QuadraticWorking::tr("Answer: X1 = %1 and X2 = %2")
                  .arg(text(shown->x1), text(shown->x2)));
    }
    // the check ends the working, as in a pupil's book
    if (e.d.sign() == 0) {
        sayCheck(w, QStringLiteral("x"), e, p, Surd{0, 1});
    } else {
        sayCheck(w, QStringLiteral("x1"), e, p, t);
        sayCheck(w, QStringLiteral("x2"), e, p, Surd{-t.q, t.r});
    }
    const bool decimalsExact = shown && root->r == 1 &&
                               Rational::ofShown(shown->x1) == p + t.q &&
                               Rational::ofShown(shown->x2) == p - t.q;
    if (shown && !decimalsExact)
        w.say(QuadraticWorking::tr("Put into the equation, the window's decimals give a number very "
                                   "near 0 but not exactly 0: they are the roots rounded to 15 "
                                   "digits."));
}

// "2i", "-i", "(√7/4)i", "0.5i"
QString timesI(const Surd& q) {
    if (q.r == 1) {
        if (q.q == Rational(1)) return QStringLiteral("i");
        if (q.q == Rational(-1)) return minus + u'i';
        const QString t = exactWritten(q.q);
        return (t.contains(u'/') ? u'(' + t + u')' : t) + u'i';
    }
    return u'(' + q.text() + QStringLiteral(")i");
}

QString complexText(const Rational& p, const Surd& q) {
    const QString qi = timesI(Surd{q.q.sign() < 0 ? -q.q : q.q, q.r});
    if (p.sign() == 0) return (q.q.sign() < 0 ? minus : QString()) + qi;
    return QStringLiteral("%1 %2 %3").arg(exactWritten(p), q.q.sign() < 0 ? minus : QStringLiteral("+"), qi);
}

void sayComplexRoots(Working& w, const Solution& s, const Exact& e, const NoRealRoot& r) {
    w.say(QuadraticWorking::tr("Beyond the real numbers, with i where i² = -1, the two roots are "
                               "complex: x = p ± qi."));
    const Rational twoA = e.twoA.sign() < 0 ? -e.twoA : e.twoA;
    const std::optional<Surd> root = e.known() ? working::squareRoot(-e.d) : std::nullopt;
    if (!root) { // √(-D) too large to take apart: p exactly, q to its 15 digits
        const Rational p = e.known() ? -e.b / e.twoA : Rational::unknown();
        const QString pText = p.known() ? exactWritten(p) : plain(r.re);
        QString pLine = QStringLiteral("p = -B ÷ (2A) = %1 ÷ %2 = %3")
                            .arg(p.known() ? exactWritten(-e.b) : plain(-s.b),
                                 p.known() ? exactFactor(e.twoA) : fac(s.twoA), pText);
        if (p.known() && !p.decimalText()) pLine += QStringLiteral(" ≈ %1").arg(plainDigits(working::valueOf(p)));
        w.say(pLine);
        const QString q = e.known() ? plainDigits(working::rootValue(-e.d) / working::valueOf(twoA))
                                    : plain(r.im);
        w.say(QStringLiteral("q = √(-D) ÷ |2A| = %1 ÷ %2 ≈ %3")
                  .arg(e.known() ? rootOf(-e.d) : QStringLiteral("√%1").arg(plain(-s.d)),
                       e.known() ? exactWritten(twoA) : plain(std::abs(s.twoA)), q));
        w.say(QuadraticWorking::tr("The complex roots: x1 ≈ %1 + %2i and x2 ≈ %1 - %2i")
                  .arg(pText, q));
        return;
    }
    const Rational p = -e.b / e.twoA;
    const Surd q = *root / twoA;
    QString pLine = QStringLiteral("p = -B ÷ (2A) = %1 ÷ %2 = %3").arg(exactWritten(-e.b), exactFactor(e.twoA), exactWritten(p));
    if (!p.decimalText()) pLine += QStringLiteral(" ≈ %1").arg(plainDigits(working::valueOf(p)));
    w.say(pLine);
    QString qLine = QStringLiteral("q = √(-D) ÷ |2A| = %1 ÷ %2 = %3")
                        .arg(rootOf(-e.d), exactWritten(twoA), q.r == 1 ? exactWritten(q.q) : q.text());
    if (q.r != 1 || !q.q.decimalText()) qLine += QStringLiteral(" ≈ %1").arg(plainDigits(working::valueOf(Rational(), q)));
    w.say(qLine);
    w.say(QuadraticWorking::tr("The complex roots: x1 = %1 and x2 = %2")
              .arg(complexText(p, q), complexText(p, Surd{-q.q, q.r})));
}

} // namespace

Working quadraticWorking(const Solution& s, const std::array<BoxText, 3>& boxes) {
    Working w;
    // what the boxes made of the numbers typed comes first: the equation is the one solved
    const double values[] = {s.a, s.b, s.c};
    sayHowRead(w, values, boxes);
    w.say(QuadraticWorking::tr("The equation: %1 = 0").arg(polynomial(s)));
    w.say(QStringLiteral("A = %1, B = %2, C = %3").arg(plain(s.a), plain(s.b), plain(s.c)));
    w.say(QuadraticWorking::tr("The formula: x = (-B ± √D) ÷ (2A), where D = B² - 4AC."));
    const Exact e = exactOf(s);
    sayDiscriminant(w, s, e);

    const auto* roots = std::get_if<Roots>(&s.outcome);
    const auto* none = std::get_if<NoRealRoot>(&s.outcome);
    // the sign of D decided on the exact numbers, or within the rounding when they are out of reach
    const double scale = std::max(std::abs(s.bSquared), std::abs(s.fourAC));
    const int sign = e.known() ? e.d.sign() : working::compareWithinRounding(s.d, 0, scale);
    if (sign > 0) w.say(QuadraticWorking::tr("D is more than 0, so the equation has two roots."));
    else if (sign == 0)
        w.say(QuadraticWorking::tr("D is 0, so the two roots are the same: the equation has one "
                                   "root."));
    else
        w.say(QuadraticWorking::tr("D is less than 0. No real number squared is negative, so √D is "
                                   "no real number: the equation has no real solution."));
    // the window decides on its decimals, rounded at every step; where they tip D the other
    // way it shows what they give
    if (e.known() && ((sign < 0) != (s.d < 0))) {
        //: %1 is the window's D, %2 the exact D, %3 the window's answer "No Solution"
        if (none)
            w.say(QuadraticWorking::tr("The window works with decimals rounded at every step: its "
                                       "D came out %1 instead of exactly %2, so it shows \"%3\".")
                      .arg(plain(s.d), exactWritten(e.d), noSolution()));
        else
            w.say(QuadraticWorking::tr("The window works with decimals rounded at every step: its "
                                       "D came out %1 instead of exactly %2, so it shows two roots.")
                      .arg(plain(s.d), exactWritten(e.d)));
    }
    if (sign >= 0) {
        sayRealRoots(w, s, e, roots);
        //: %1 is the window's answer "No Solution"
        if (none) w.say(QuadraticWorking::tr("Answer: X1 and X2 show \"%1\"").arg(noSolution()));
    } else {
        if (roots) {
            sayWindowDecimals(w, s, *roots, true);
            w.say(QuadraticWorking::tr("Answer: X1 = %1 and X2 = %2")
                      .arg(text(roots->x1), text(roots->x2)));
        } else {
            //: %1 is the window's answer "No Solution"
            w.say(QuadraticWorking::tr("Answer: X1 and X2 show \"%1\": the equation has no real "
                                       "solution.")
                      .arg(noSolution()));
            sayComplexRoots(w, s, e, *none);
        }
    }
    w.figure = parabolaFigure(s);
    return w;
}

Figure lineFigure(double b, double c) {
    Figure f = Figure::chart(QStringLiteral("x"), QStringLiteral("y"));
    const double root = b != 0 ? -c / b : 0;
    const double span = std::max(1.0, std::abs(root) / 2);
    double x0 = std::min(root, 0.0) - span, x1 = std::max(root, 0.0) + span;
    const auto y = [b, c](double x) { return b * x + c; };
    const QString equation = QStringLiteral("y = ") + polynomial(0, b, c);
    // drawn towards the end its equation stands at
    if (roomForEquation(x0, x1, equation))
        f.curve(QStringLiteral("line"), {x1, y(x1), x0, y(x0)}, working::at(Place::AboveRight));
    else
        f.curve(QStringLiteral("line"), {x0, y(x0), x1, y(x1)}, working::at(Place::AboveLeft));
    f.elements.back().text = equation;
    if (b != 0)
        f.point(QStringLiteral("root"), root, 0, QStringLiteral("x = %1").arg(plain(root)),
                working::at(b > 0 ? Place::BelowRight : Place::AboveRight, working::Ink::Second));
    if (!drawable(f) || !std::isfinite(span)) {
        f.elements.clear();
        f.note = QuadraticWorking::tr("These numbers are too large or too small to draw to scale.");
        f.description = QuadraticWorking::tr("No figure: the numbers are beyond drawing to scale.");
        return f;
    }
    f.description =
        b != 0   ? QuadraticWorking::tr("Straight line y = %1 crossing the x-axis at %2.")
                       .arg(polynomial(0, b, c), plain(root))
        : c != 0 ? QuadraticWorking::tr("Straight line y = %1 beside the x-axis: it never meets it.")
                       .arg(plain(c))
                 : QuadraticWorking::tr("The line y = 0 is the x-axis itself: every x is a root.");
    return f;
}

Working linearWorking(const QString& message, double b, double c, const std::array<BoxText, 3>& boxes) {
    Working w;
    w.say(QuadraticWorking::tr("The window said: \"%1\"").arg(message));
    const double values[] = {0, b, c};
    sayHowRead(w, values, boxes);
    w.say(QuadraticWorking::tr("A = 0, so there is no x² term: this is no quadratic equation, and "
                               "the window gives no roots. What is left is the linear equation "
                               "Bx + C = 0."));
    // with B = 0 too the x stays in sight: "0x + 5 = 0"
    w.say(QuadraticWorking::tr("The equation: %1 = 0")
              .arg(b != 0 ? polynomial(0, b, c)
                          : QStringLiteral("0x") + (c == 0 ? QString() : working::nextTerm(c, {}))));
    const Rational eb = Rational::ofShown(b), ec = Rational::ofShown(c);
    if (b == 0) {
        w.say(c != 0 ? QuadraticWorking::tr("B = 0 as well, so the left side is %1 whatever x is, "
                                            "and %1 is not 0: no x solves the equation.")
                           .arg(plain(c))
                     : QuadraticWorking::tr("B = 0 and C = 0 as well, so the left side is 0 "
                                            "whatever x is: every x solves the equation."));
    } else {
        //: %1x is B times x (B left out when it is 1, "-" when it is -1), %2 is -C
        w.say(QuadraticWorking::tr("Take C to the other side: %1x = %2").arg(b == 1 ? QString() : b == -1 ? minus : plain(b),
                                                                     eb.known() && ec.known() ? exactWritten(-ec) : plain(-c)));
        const Rational x = -ec / eb;
        if (x.known()) {
            QString line = QuadraticWorking::tr("Divide by B: x = -C ÷ B = %1 ÷ %2 = %3")
                               .arg(exactWritten(-ec), exactFactor(eb), exactWritten(x));
            if (!x.decimalText()) line += QStringLiteral(" ≈ %1").arg(plainDigits(working::valueOf(x)));
            w.say(line);
            const Rational bx = eb * x;
            //: %1 × %2%3 is B × x + C, %4 its terms added
            w.say(QuadraticWorking::tr("Check: %1 × %2%3 = %4 = 0")
                      .arg(exactWritten(eb), exactFactor(x),
                           ec.sign() == 0 ? QString()
                           : ec.sign() < 0 ? QStringLiteral(" - %1").arg(exactWritten(-ec))
                                           : QStringLiteral(" + %1").arg(exactWritten(ec)),
                           algebra::termsText({Surd{bx, 1}, Surd{ec, 1}})));
        } else {
            w.say(QuadraticWorking::tr("Divide by B: x = -C ÷ B = %1 ÷ %2 = %3")
                      .arg(plain(-c), fac(b), plain(-c / b)));
        }
    }
    w.figure = lineFigure(b, c);
    return w;
}

working::Guide quadraticGuide() {
    working::Guide g;
    //: %1 says what a value may be written as (a number, a fraction ...)
    g.boxes << QuadraticWorking::tr("A, B and C: the numbers of Ax² + Bx + C = 0, each %1.")
                   .arg(working::valueForms())
            << QuadraticWorking::tr("A must not be 0: without x² it is no quadratic equation.")
            << QuadraticWorking::tr("Each box keeps 5 characters: a longer number is cut (1/3 "
                                    "becomes %1), and the cut number is the one solved with.")
                   .arg(text(0.333));
    g.example = quadraticWorking(Solve(-3, 6, -2));
    return g;
}

} // namespace sb::quadratic
