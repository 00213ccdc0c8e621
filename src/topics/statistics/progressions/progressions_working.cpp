// SPDX-License-Identifier: GPL-3.0-or-later
#include "progressions_working.h"

#include "entry/conversions.h"
#include "entry/fault.h"
#include "working/exact.h"
#include "working/exact_text.h"
#include "working/formula_text.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace sb::progressions {

using working::Figure;
using working::Ink;
using working::Look;
using working::Place;
using working::plain;
using working::Working;

namespace {

// the context of the texts of the progressions' working
struct ProgressionsWorking {
    Q_DECLARE_TR_FUNCTIONS(ProgressionsWorking)
};

constexpr int boxLength = 8;         // every box keeps at most 8 characters
constexpr int endsShown = 20;        // beyond mostTermsDrawn, the first and the last 20 terms
constexpr double mostCounted = 1e15; // beyond this, whole numbers of terms blur together

QString shown(double value) { return resultText(value); }
QString counted(double n) { return QLocale().toString(qulonglong(n)); }

// How a box was read: as typed, written back, or written back and cut to the box.
void tellBox(Working& w, const Box& b) {
    const QString value = plain(b.value);
    if (b.written.isEmpty()) {
        w.say(b.typed.trimmed() == value
                  ? QStringLiteral("%1 = %2").arg(b.letter, value)
                  : QStringLiteral("%1 = %2%3%4")
                        .arg(b.letter, b.typed.trimmed(),
                             working::equalsSign(working::Rational::ofText(b.typed), b.value),
                             value));
    } else if (b.written != b.shown) {
        w.say(b.typed == b.written ? QStringLiteral("%1 = %2").arg(b.letter, b.written)
                                   : QStringLiteral("%1 = %2%3%4")
                                         .arg(b.letter, b.typed.trimmed(),
                                              working::Rational::ofText(b.typed) ==
                                                      working::Rational::ofText(b.written)
                                                  ? QStringLiteral(" = ")
                                                  : QStringLiteral(" ≈ "),
                                              b.written));
        //: %1 is the number of characters, %2 the letter of the box (A1, N), %3 what it shows
        w.say(ProgressionsWorking::tr("The box keeps %1 characters, so %2 is read as %3")
                  .arg(QString::number(boxLength), b.letter, b.shown));
    } else if (b.typed != b.shown) {
        w.say(ProgressionsWorking::tr("%1 = %2, written back into its box as %3")
                  .arg(b.letter, b.typed.trimmed(), b.shown));
    } else {
        w.say(QStringLiteral("%1 = %2").arg(b.letter, b.shown));
    }
}

bool wholeCount(double n) { return n >= 1 && n == std::floor(n) && n <= mostCounted; }

Look bars(Ink ink, bool shaded) {
    Look look = working::ink(ink);
    look.filled = look.hatched = shaded;
    look.place = Place::Above;
    return look;
}

Figure termChart() {
    //: the name of the chart's upright axis, the value of a term
    return Figure::chart(QStringLiteral("k"), ProgressionsWorking::tr("term"));
}

// A view of the chart with room for texts: the elements with the usual margin, and besides
// it the given shares of their height above the highest and below the lowest, and right of
// the last bar the given width in terms, so the axis name "k" stands clear of it.
void makeRoom(Figure& f, double above, double below, double right) {
    const working::Box b = f.extent();
    const double w = b.right - b.left, h = b.top - b.bottom;
    if (!(w > 0) || !(h > 0) || !std::isfinite(w) || !std::isfinite(h)) return;
    f.view = working::Box{b.left - 0.06 * w, b.bottom - (0.08 + below) * h,
                          b.right + 0.06 * w + right, b.top + (0.08 + above) * h};
}

// The terms' texts stand side by side over their bars: at most this many characters
// together, with two between each, fit across the chart.
constexpr qsizetype mostBarCharacters = 48;

// The values of the terms 1 .. n (n whole) as written, while they are few.
QStringList termTexts(double n, const std::function<double(double)>& term) {
    QStringList texts;
    for (double k = 1; k <= n && n <= 12; ++k) texts << plain(term(k));
    return texts;
}

// True when each bar can carry its value beside the last one's text lastText.
bool barsLabelled(const QStringList& texts, const QString& lastText) {
    if (texts.isEmpty()) return false;
    qsizetype width = lastText.size();
    for (qsizetype k = 0; k + 1 < texts.size(); ++k) width += texts[k].size() + 2;
    return width <= mostBarCharacters;
}

// The bars term 1 .. term n (n whole), standing at k: every one up to mostTermsDrawn, else the
// first and the last 20 with a marked gap between them. Each bar gets its value when labelled;
// the last one is drawn with lastLook and labelled lastText.
void drawTerms(Figure& f, double n, const std::function<double(double)>& term, Look look,
               Look lastLook, const QString& lastText, bool labelled) {
    const bool all = n <= mostTermsDrawn;
    auto drawAt = [&](double x, double k) {
        const double value = term(k);
        f.bar(QStringLiteral("term"), x - 0.4, 0, 0.8, value, k == n ? lastLook : look);
        if (k == n) f.elements.back().text = lastText;
        else if (labelled) f.elements.back().text = plain(value);
    };
    if (all) {
        for (double k = 1; k <= n; ++k) drawAt(k, k);
        return;
    }
    for (int k = 1; k <= endsShown; ++k) drawAt(k, k);
    const double gapAt = endsShown + 1.5, firstAfter = endsShown + 3;
    f.label(QStringLiteral("gap"), gapAt, 0, QStringLiteral("…"), working::at(Place::Above));
    for (int j = 0; j < endsShown; ++j) drawAt(firstAfter + j, n - (endsShown - 1) + j);
    f.label(QStringLiteral("after-gap"), firstAfter, 0,
            //: under the first bar after the gap: the number of its term
            ProgressionsWorking::tr("term %1").arg(counted(n - (endsShown - 1))),
            working::at(Place::Below));
    f.note = ProgressionsWorking::tr("Terms %1 to %2 are left out at the gap; the bars after it "
                                     "are the last %3 terms, %4 to %5.")
                 .arg(counted(endsShown + 1), counted(n - endsShown), QString::number(endsShown),
                      counted(n - (endsShown - 1)), counted(n));
}

// What termsFigure draws, one whole sentence for each kind of progression, number of terms
// (one, all of them, the first and the last endsShown) and what was found (the sum, the last
// term), indexed [geometric][sum].
constexpr const char* oneTerm[2][2] = {
    {QT_TRANSLATE_NOOP("ProgressionsWorking",
                       "The 1 term of the arithmetic progression from %1 to %2 as bars; the last "
                       "one, An, is %3."),
     QT_TRANSLATE_NOOP("ProgressionsWorking",
                       "The 1 term of the arithmetic progression from %1 to %2 as bars, all "
                       "shaded: their sum Sn is %3.")},
    {QT_TRANSLATE_NOOP("ProgressionsWorking",
                       "The 1 term of the geometric progression from %1 to %2 as bars; the last "
                       "one, An, is %3."),
     QT_TRANSLATE_NOOP("ProgressionsWorking",
                       "The 1 term of the geometric progression from %1 to %2 as bars, all "
                       "shaded: their sum Sn is %3.")},
};
constexpr const char* allTerms[2][2] = {
    {QT_TRANSLATE_N_NOOP("ProgressionsWorking",
                         "The %n terms of the arithmetic progression from %1 to %2 as bars; the "
                         "last one, An, is %3."),
     QT_TRANSLATE_N_NOOP("ProgressionsWorking",
                         "The %n terms of the arithmetic progression from %1 to %2 as bars, all "
                         "shaded: their sum Sn is %3.")},
    {QT_TRANSLATE_N_NOOP("ProgressionsWorking",
                         "The %n terms of the geometric progression from %1 to %2 as bars; the "
                         "last one, An, is %3."),
     QT_TRANSLATE_N_NOOP("ProgressionsWorking",
                         "The %n terms of the geometric progression from %1 to %2 as bars, all "
                         "shaded: their sum Sn is %3.")},
};
constexpr const char* endTerms[2][2] = {
    {QT_TRANSLATE_NOOP("ProgressionsWorking",
                       "The first and the last %1 of the %2 terms of the arithmetic progression "
                       "from %3 to %4 as bars; the last one, An, is %5."),
     QT_TRANSLATE_NOOP("ProgressionsWorking",
                       "The first and the last %1 of the %2 terms of the arithmetic progression "
                       "from %3 to %4 as bars, all shaded: their sum Sn is %5.")},
    {QT_TRANSLATE_NOOP("ProgressionsWorking",
                       "The first and the last %1 of the %2 terms of the geometric progression "
                       "from %3 to %4 as bars; the last one, An, is %5."),
     QT_TRANSLATE_NOOP("ProgressionsWorking",
                       "The first and the last %1 of the %2 terms of the geometric progression "
                       "from %3 to %4 as bars, all shaded: their sum Sn is %5.")},
};

// The sentence that tells termsFigure's n terms (n whole) from first to last.
QString termsDescription(bool geometric, bool sum, double n, const QString& first,
                         const QString& last, const QString& answerText) {
    if (n == 1)
        return ProgressionsWorking::tr(oneTerm[geometric][sum]).arg(first, last, answerText);
    if (n <= mostTermsDrawn)
        return ProgressionsWorking::tr(allTerms[geometric][sum], nullptr, int(n))
            .arg(first, last, answerText);
    return ProgressionsWorking::tr(endTerms[geometric][sum])
        .arg(QString::number(endsShown), counted(n), first, last, answerText);
}

// A row that has every term from A1, D or Q and N: the terms as bars, all shaded for a sum,
// the last one marked when it is what was found.
Figure termsFigure(bool geometric, double n, const std::function<double(double)>& term, bool sum,
                   const QString& answerText) {
    Figure f = termChart();
    if (!wholeCount(n)) {
        f.note = ProgressionsWorking::tr("N = %1 is not a whole number of terms from 1 up, so "
                                         "there are no terms to draw.")
                     .arg(plain(n));
        f.description = f.note;
        return f;
    }
    const QString lastText = sum ? plain(term(n)) : QStringLiteral("An = ") + answerText;
    const QStringList texts = termTexts(n, term);
    const bool labelled = barsLabelled(texts, lastText);
    drawTerms(f, n, term, bars(Ink::Main, sum), bars(sum ? Ink::Main : Ink::Second, true), lastText,
              labelled);
    // room right of the last bar for the axis name, above or below it for its text
    makeRoom(f, 0.04, 0.04, 0.6);
    f.description = termsDescription(geometric, sum, n, plain(term(1)), plain(term(n)), answerText);
    // the values too wide to stand over their bars
    if (!labelled && texts.size() > 2)
        f.description +=
            u' ' +
            ProgressionsWorking::tr("The terms are %1.").arg(texts.join(QStringLiteral(", ")));
    return f;
}

// The sum as a trapezoid N wide, first at one end and last at the other: its area is
// N × (first + last) ÷ 2, the sum. The known terms stand as bars one wide.
Figure trapezoidFigure(double n, double first, double last, bool firstKnown,
                       const QString& answerText) {
    Figure f = termChart();
    Look shape = bars(Ink::Main, true);
    f.polygon(QStringLiteral("sum"), {0.5, 0, 0.5, first, n + 0.5, last, n + 0.5, 0}, shape);
    if (firstKnown) {
        f.bar(QStringLiteral("known"), 0.5, 0, 1, first, bars(Ink::Second, false));
        f.elements.back().text = QStringLiteral("A1 = ") + plain(first);
    } else {
        f.label(QStringLiteral("first"), 0.5, first, QStringLiteral("A1"),
                working::at(Place::Left));
    }
    f.bar(QStringLiteral("known"), n - 0.5, 0, 1, last, bars(Ink::Second, false));
    f.elements.back().text = QStringLiteral("An = ") + plain(last);
    f.note = ProgressionsWorking::tr("The shaded trapezoid is N wide and on average (A1 + An) ÷ 2 "
                                     "high, so its area is the sum.");
    f.description = ProgressionsWorking::tr("A trapezoid %1 wide from the first term to the last, "
                                            "An = %2, shaded: its area is the sum Sn = %3.")
                        .arg(plain(n), plain(last), answerText);
    return f;
}

// Two known terms, A1 at 1 and An at N, and what lies between them. Bars 0.8 wide, narrower
// when N is less than a term from 1, so that the two stand apart.
Figure knownTermsFigure(double a1, double n, double an) {
    Figure f = termChart();
    const double apart = std::abs(n - 1), w = apart > 0 && apart < 1 ? 0.8 * apart : 0.8;
    f.bar(QStringLiteral("known"), 1 - w / 2, 0, w, a1, bars(Ink::Main, true));
    f.elements.back().text = QStringLiteral("A1 = ") + plain(a1);
    f.bar(QStringLiteral("known"), n - w / 2, 0, w, an, bars(Ink::Main, true));
    f.elements.back().text = QStringLiteral("An = ") + plain(an);
    return f;
}

// The terms between the two known ones, dashed, when N is a whole number of few terms.
void drawBetween(Figure& f, double n, const std::function<double(double)>& term) {
    if (!wholeCount(n) || n > mostTermsDrawn) return;
    for (double k = 2; k < n; ++k)
        f.bar(QStringLiteral("between"), k - 0.4, 0, 0.8, term(k), working::dashed(Ink::Faint));
}

// The partial sums S1, S2, ... of an infinite progression, approaching the sum: until they
// are within 1% of it, at least 5 and at most 40 of them.
Figure partialSumsFigure(double a1, double q, double sum, const QString& answerText) {
    Figure f = termChart();
    //: the name of the chart's upright axis: the values of the terms and of the sums
    f.yName = ProgressionsWorking::tr("term, sum");
    int count = 0;
    for (int k = 1; k <= 40; ++k) {
        const double term = GeomLastA1QN(a1, q, k), partial = GeomSumA1QN(a1, q, k);
        f.bar(QStringLiteral("term"), k - 0.4, 0, 0.8, term, bars(Ink::Main, true));
        f.point(QStringLiteral("partial"), k, partial,
                k <= 3 ? QStringLiteral("S%1").arg(k) : QString(), working::ink(Ink::Second));
        count = k;
        if (k >= 5 && std::abs(sum - partial) <= 0.01 * std::abs(sum)) break;
    }
    working::Look limit = working::dashed(Ink::Third);
    limit.place = Place::Above;
    f.segment(QStringLiteral("limit"), 0.5, sum, count + 0.5, sum, limit);
    f.elements.back().text = QStringLiteral("S = ") + answerText;
    f.description = ProgressionsWorking::tr("The terms of the progression as shaded bars and the "
                                            "partial sums S1 to S%1 as points, approaching the "
                                            "dashed line at the sum S = %2.")
                        .arg(QString::number(count), answerText);
    return f;
}

// The terms from A1 while they reach An within mostTermsDrawn terms, found by the ratio.
Figure geometricSumToFigure(double a1, double q, double an, const QString& answerText) {
    for (double k = 1; k <= mostTermsDrawn; ++k)
        if (working::withinRounding(GeomLastA1QN(a1, q, k), an))
            return termsFigure(
                true, k, [&](double j) { return GeomLastA1QN(a1, q, j); }, true, answerText);
    Figure f = termChart();
    f.note = ProgressionsWorking::tr("An = %1 is not A1 times a whole power of Q within %2 terms, "
                                     "so the terms are not drawn.")
                 .arg(plain(an), QString::number(mostTermsDrawn));
    f.description = f.note;
    return f;
}

// --- exact values

using working::Rational;

// A box's value exactly: a written-back box as the text it shows (the computation took
// that), a box used as typed as the typed text.
Rational exactOf(const Box& b) {
    return Rational::ofText(b.written.isEmpty() ? b.typed.trimmed() : b.shown);
}

// A value of the working: exactly, where that is known, and as the window's computation
// found it.
struct Value {
    Rational exact;
    double computed = 0;
};

// An exact value as a pupil's book writes it: the decimal that ends, a short fraction, else
// the decimal to 15 digits.
QString exactOrDecimal(const Rational& x) {
    return working::exactText(x).value_or(plain(x.toDouble()));
}

QString text(const Value& v) {
    return v.exact.known() && std::isfinite(v.exact.toDouble()) ? exactOrDecimal(v.exact)
                                                                : plain(v.computed);
}

// As a factor or the base of a power: in brackets when negative or a fraction.
QString factorOf(const Value& v) {
    const QString t = text(v);
    return t.startsWith(u'-') || t.contains(u'/') ? u'(' + t + u')' : t;
}

// As the number divided: in brackets when a fraction, so "(-26/3) ÷ (-2/3)" reads right.
QString dividendOf(const Value& v) {
    const QString t = text(v);
    return t.contains(u'/') ? u'(' + t + u')' : t;
}

bool isWhole(const Value& v) {
    return v.exact.known() ? v.exact.isWhole() : v.computed == std::floor(v.computed);
}

// base to the power e: 2¹⁰, (-3)⁴, (1/3)², or in words when e is not whole.
QString powerText(const Value& base, const Value& e) {
    if (e.exact.isWhole())
        return factorOf(base) + working::superscript(static_cast<long long>(e.exact.numerator()));
    return ProgressionsWorking::tr("(%1 to the power %2)").arg(factorOf(base), text(e));
}

constexpr Rational::Int mostExponent = 1000;

// b to the whole power e exactly; unknown for a power that is not whole or too large.
Rational powerExact(const Rational& b, const Rational& e) {
    if (!b.known() || !e.isWhole() || e.numerator() > mostExponent ||
        e.numerator() < -mostExponent || (b.sign() == 0 && e.sign() < 0))
        return Rational::unknown();
    return b.power(int(e.numerator()));
}

Rational::Int magnitude(Rational::Int x) { return x < 0 ? -x : x; }

// The whole number whose k-th power is x (x not negative), if there is one.
std::optional<Rational::Int> wholeRoot(Rational::Int x, int k) {
    const double guess = std::round(std::pow(double(x), 1.0 / k));
    for (double y = std::max(0.0, guess - 1); y <= guess + 1 && y < 9e18; ++y) {
        const Rational p = Rational(static_cast<long long>(y)).power(k);
        if (p.known() && p == Rational::of(x, 1)) return Rational::Int(y);
    }
    return std::nullopt;
}

// The real k-th root of r exactly, when it is a fraction (k whole from 1 up, r not negative
// unless k is odd); unknown otherwise.
Rational rootExact(const Rational& r, const Rational& k) {
    if (!r.known() || !k.isWhole() || k.numerator() < 1 || k.numerator() > mostExponent)
        return Rational::unknown();
    const int degree = int(k.numerator());
    if (r.sign() < 0 && degree % 2 == 0) return Rational::unknown();
    const auto top = wholeRoot(magnitude(r.numerator()), degree);
    const auto bottom = wholeRoot(r.denominator(), degree);
    if (!top || !bottom) return Rational::unknown();
    return Rational::of(r.sign() < 0 ? -*top : *top, *bottom);
}

// The answer as the window shows it, after the computation that gave it. Where the window's
// number carries rounding, the exact value first and then why the two differ; a fraction
// that the decimal cannot hold is written beside it.
void tellAnswer(Working& out, const QString& lead, const Rational& exact, double answer) {
    const QString answerText = shown(answer);
    if (!exact.known() || !std::isfinite(exact.toDouble())) {
        out.say(QStringLiteral("%1 = %2").arg(lead, answerText));
        return;
    }
    const auto text = working::exactText(exact);
    const bool fraction = text && working::isFraction(exact);
    if (working::shownRight(working::valueOf(exact), answer)) {
        out.say(fraction ? QStringLiteral("%1 = %2 ≈ %3").arg(lead, *text, answerText)
                         : QStringLiteral("%1 = %2").arg(lead, answerText));
        return;
    }
    const QString exactValue =
        fraction ? *working::exactBeside(exact) : working::plainDigits(working::valueOf(exact));
    out.say(QStringLiteral("%1 = %2").arg(lead, exactValue));
    out.say(working::roundingNote(exactValue, answerText));
}

// What a non-whole N means in each kind of row.
enum class Counted { Sum, Term, Progression };

// N counts the terms, so it is a whole number from 1 up: where it is not, say so before it
// is used, that the formula gives a number all the same, and what the nearest whole N give.
void tellCount(Working& out, const Value& n, Counted kind,
               const std::function<Rational(const Rational&)>& withN = {}) {
    const bool whole = isWhole(n);
    const double size = n.computed;
    if (whole && size >= 1) return;
    const QString value = text(n);
    if (size <= 0) {
        out.say(ProgressionsWorking::tr(
                    "N is the number of terms, so it should be a whole number from 1 "
                    "up; N = %1 counts no terms.")
                    .arg(value));
    } else if (kind == Counted::Sum) {
        out.say(ProgressionsWorking::tr(
                    "N is the number of terms, so it should be a whole number: there is "
                    "no sum of %1 terms.")
                    .arg(value));
    } else if (kind == Counted::Term) {
        out.say(ProgressionsWorking::tr(
                    "N is the number of terms, so it should be a whole number: there is "
                    "no term number %1.")
                    .arg(value));
    } else {
        out.say(
            ProgressionsWorking::tr("N is the number of terms, so it should be a whole number: %1 "
                                    "terms make no progression.")
                .arg(value));
    }
    out.say(ProgressionsWorking::tr(
                "The formula gives a number with N = %1 all the same, and that number "
                "is what the window shows.")
                .arg(value));
    if (!withN || size <= 0 || !n.exact.known() || size > mostCounted) return;
    const QString name = kind == Counted::Sum ? QStringLiteral("Sn") : QStringLiteral("An");
    const double below = std::floor(size), above = below + 1;
    const Rational atAbove = withN(Rational(static_cast<long long>(above)));
    if (!atAbove.known()) return;
    if (below < 1) {
        out.say(ProgressionsWorking::tr("If you meant N = %1, %2 is %3.")
                    .arg(counted(above), name, exactOrDecimal(atAbove)));
        return;
    }
    const Rational atBelow = withN(Rational(static_cast<long long>(below)));
    if (!atBelow.known()) return;
    out.say(ProgressionsWorking::tr("If you meant N = %1, %2 is %3; if you meant N = %4, it is %5.")
                .arg(counted(below), name, exactOrDecimal(atBelow), counted(above),
                     exactOrDecimal(atAbove)));
}

Working steps(Row row, const std::vector<Box>& boxes, const Worked& w) {
    Working out;
    const auto& s = w.steps;
    auto box = [&](const char* letter) -> const Box& {
        return boxOf(boxes, QString::fromLatin1(letter));
    };
    auto tell = [&](std::initializer_list<const char*> letters) {
        for (const char* letter : letters) tellBox(out, box(letter));
    };
    auto in = [&](const char* letter) {
        const Box& b = box(letter);
        return Value{exactOf(b), b.value};
    };
    const Rational one = 1, two = 2;
    switch (row) {
    case Row::ArithSumA1DN: {
        const Value a1 = in("A1"), d = in("D"), n = in("N");
        const Value t{n.exact - one, s[0]};
        const Value u{d.exact * t.exact, s[1]};
        const Value v{a1.exact + a1.exact + u.exact, s[2]};
        const Value nv{n.exact * v.exact, s[3]};
        out.say(QStringLiteral("Sn = N(2A1 + (N - 1)D) ÷ 2"));
        tell({"A1", "D", "N"});
        tellCount(out, n, Counted::Sum, [&](const Rational& k) {
            return k * (a1.exact + a1.exact + d.exact * (k - one)) / two;
        });
        out.say(QStringLiteral("N - 1 = %1 - 1 = %2").arg(text(n), text(t)));
        out.say(QStringLiteral("(N - 1)D = %1 × %2 = %3").arg(factorOf(t), factorOf(d), text(u)));
        out.say(QStringLiteral("2A1 + (N - 1)D = %1 + %2 + %3 = %4")
                    .arg(text(a1), factorOf(a1), factorOf(u), text(v)));
        out.detail(QStringLiteral("%1 × %2 = %3").arg(text(n), factorOf(v), text(nv)));
        tellAnswer(out, QStringLiteral("Sn = %1 × %2 ÷ 2").arg(text(n), factorOf(v)),
                   nv.exact / two, w.answer);
        break;
    }
    case Row::ArithSumA1AnN: {
        const Value a1 = in("A1"), an = in("An"), n = in("N");
        const Value sum{a1.exact + an.exact, s[0]};
        const Value ns{n.exact * sum.exact, s[1]};
        out.say(QStringLiteral("Sn = N(A1 + An) ÷ 2"));
        tell({"A1", "An", "N"});
        tellCount(out, n, Counted::Sum,
                  [&](const Rational& k) { return k * (a1.exact + an.exact) / two; });
        out.say(QStringLiteral("A1 + An = %1 + %2 = %3").arg(text(a1), factorOf(an), text(sum)));
        out.detail(QStringLiteral("%1 × %2 = %3").arg(text(n), factorOf(sum), text(ns)));
        tellAnswer(out, QStringLiteral("Sn = %1 × %2 ÷ 2").arg(text(n), factorOf(sum)),
                   ns.exact / two, w.answer);
        break;
    }
    case Row::ArithSumDAnN: {
        const Value d = in("D"), an = in("An"), n = in("N");
        const Value v{an.exact + an.exact, s[0]};
        const Value t{n.exact - one, s[1]};
        const Value dw{d.exact * t.exact, s[2]};
        const Value b{v.exact - dw.exact, s[3]};
        const Value nb{n.exact * b.exact, s[4]};
        out.say(QStringLiteral("Sn = N(2An - (N - 1)D) ÷ 2"));
        tell({"An", "D", "N"});
        tellCount(out, n, Counted::Sum, [&](const Rational& k) {
            return k * (an.exact + an.exact - d.exact * (k - one)) / two;
        });
        out.say(QStringLiteral("2An = %1 + %2 = %3").arg(text(an), factorOf(an), text(v)));
        out.say(QStringLiteral("N - 1 = %1 - 1 = %2").arg(text(n), text(t)));
        out.say(QStringLiteral("(N - 1)D = %1 × %2 = %3").arg(factorOf(t), factorOf(d), text(dw)));
        out.say(
            QStringLiteral("2An - (N - 1)D = %1 - %2 = %3").arg(text(v), factorOf(dw), text(b)));
        out.detail(
            ProgressionsWorking::tr("2An - (N - 1)D is A1 + An: the first term plus the last."));
        out.detail(QStringLiteral("%1 × %2 = %3").arg(text(n), factorOf(b), text(nb)));
        tellAnswer(out, QStringLiteral("Sn = %1 × %2 ÷ 2").arg(text(n), factorOf(b)),
                   nb.exact / two, w.answer);
        break;
    }
    case Row::ArithLastA1DN: {
        const Value a1 = in("A1"), d = in("D"), n = in("N");
        const Value t{n.exact - one, s[0]};
        const Value u{d.exact * t.exact, s[1]};
        out.say(QStringLiteral("An = A1 + (N - 1)D"));
        tell({"A1", "D", "N"});
        tellCount(out, n, Counted::Term,
                  [&](const Rational& k) { return a1.exact + d.exact * (k - one); });
        out.say(QStringLiteral("N - 1 = %1 - 1 = %2").arg(text(n), text(t)));
        out.say(QStringLiteral("(N - 1)D = %1 × %2 = %3").arg(factorOf(t), factorOf(d), text(u)));
        tellAnswer(out, QStringLiteral("An = %1 + %2").arg(text(a1), factorOf(u)),
                   a1.exact + u.exact, w.answer);
        break;
    }
    case Row::ArithDiffA1AnN: {
        const Value a1 = in("A1"), an = in("An"), n = in("N");
        const Value t{an.exact - a1.exact, s[0]};
        const Value n1{n.exact - one, s[1]};
        const Value d{t.exact / n1.exact, w.answer};
        out.say(QStringLiteral("D = (An - A1) ÷ (N - 1)"));
        tell({"A1", "An", "N"});
        tellCount(out, n, Counted::Progression);
        out.say(QStringLiteral("An - A1 = %1 - %2 = %3").arg(text(an), factorOf(a1), text(t)));
        out.say(QStringLiteral("N - 1 = %1 - 1 = %2").arg(text(n), text(n1)));
        tellAnswer(out, QStringLiteral("D = %1 ÷ %2").arg(dividendOf(t), factorOf(n1)), d.exact,
                   w.answer);
        if (d.exact.known() && n.exact.isWhole() && n.computed >= 2)
            out.say(
                ProgressionsWorking::tr("Check: A1 + (N - 1)D = %1 + %2 × %3 = %4, which is An.")
                    .arg(text(a1), factorOf(n1), factorOf(d),
                         exactOrDecimal(a1.exact + n1.exact * d.exact)));
        break;
    }
    case Row::ArithCountA1DAn: {
        const Value a1 = in("A1"), d = in("D"), an = in("An");
        const Value t{an.exact - a1.exact, s[0]};
        const Value u{t.exact + d.exact, s[1]};
        const Value n{u.exact / d.exact, w.answer};
        out.say(QStringLiteral("N = (An - A1 + D) ÷ D"));
        tell({"A1", "D", "An"});
        out.say(QStringLiteral("An - A1 = %1 - %2 = %3").arg(text(an), factorOf(a1), text(t)));
        out.say(QStringLiteral("An - A1 + D = %1 + %2 = %3").arg(text(t), factorOf(d), text(u)));
        tellAnswer(out, QStringLiteral("N = %1 ÷ %2").arg(dividendOf(u), factorOf(d)), n.exact,
                   w.answer);
        const bool whole = isWhole(n);
        if (whole && n.computed >= 1) {
            if (n.exact.known())
                out.say(ProgressionsWorking::tr(
                            "Check: A1 + (N - 1)D = %1 + %2 × %3 = %4, which is An.")
                            .arg(text(a1), exactOrDecimal(n.exact - one), factorOf(d),
                                 exactOrDecimal(a1.exact + (n.exact - one) * d.exact)));
        } else if (n.computed < 1) {
            out.say(ProgressionsWorking::tr(
                        "N should be a whole number from 1 up, and N = %1 is not: An = "
                        "%2 does not lie ahead of A1 = %3 in steps of D = %4, so it is "
                        "none of the terms from A1 on.")
                        .arg(text(n), text(an), text(a1), text(d)));
        } else {
            out.say(ProgressionsWorking::tr(
                        "N = %1 is not a whole number: An = %2 is none of the terms.")
                        .arg(text(n), text(an)));
            const double below = std::floor(n.computed);
            if (n.exact.known() && below <= mostCounted) {
                const Rational k = Rational(static_cast<long long>(below));
                out.say(ProgressionsWorking::tr(
                            "It lies between term %1, which is %2, and term %3, which "
                            "is %4.")
                            .arg(counted(below), exactOrDecimal(a1.exact + (k - one) * d.exact),
                                 counted(below + 1), exactOrDecimal(a1.exact + k * d.exact)));
            }
        }
        break;
    }
    case Row::GeomSumA1QN: {
        const Value a1 = in("A1"), q = in("Q"), n = in("N");
        const Value p{powerExact(q.exact, n.exact), s[0]};
        const Value sm{p.exact - one, working::tidy(s[1], std::abs(s[0]) + 1)};
        const Value m{a1.exact * sm.exact, s[2]};
        const Value q1{q.exact - one, s[3]};
        out.say(QStringLiteral("Sn = A1(Qᴺ - 1) ÷ (Q - 1)"));
        tell({"A1", "Q", "N"});
        tellCount(out, n, Counted::Sum, [&](const Rational& k) {
            return a1.exact * (powerExact(q.exact, k) - one) / (q.exact - one);
        });
        out.say(QStringLiteral("Qᴺ = %1 = %2").arg(powerText(q, n), text(p)));
        out.say(QStringLiteral("Qᴺ - 1 = %1 - 1 = %2").arg(text(p), text(sm)));
        out.say(QStringLiteral("A1(Qᴺ - 1) = %1 × %2 = %3").arg(text(a1), factorOf(sm), text(m)));
        out.say(QStringLiteral("Q - 1 = %1 - 1 = %2").arg(text(q), text(q1)));
        tellAnswer(out, QStringLiteral("Sn = %1 ÷ %2").arg(dividendOf(m), factorOf(q1)),
                   m.exact / q1.exact, w.answer);
        break;
    }
    case Row::GeomSumA1QAn: {
        const Value a1 = in("A1"), q = in("Q"), an = in("An");
        const Value m{an.exact * q.exact, s[0]};
        const Value sm{m.exact - a1.exact,
                       working::tidy(s[1], std::abs(s[0]) + std::abs(a1.computed))};
        const Value q1{q.exact - one, s[2]};
        out.say(QStringLiteral("Sn = (QAn - A1) ÷ (Q - 1)"));
        tell({"A1", "Q", "An"});
        // An is a term when it is A1 times a whole power of Q: the terms from A1 on, until one
        // is An or they have passed it in size (Q = -1 and Q = 0 come back to a term after two)
        auto size = [](const Rational& x) { return x.sign() < 0 ? -x : x; };
        const Rational qSize = size(q.exact), anSize = size(an.exact);
        Rational term = a1.exact;
        bool found = false, passed = false;
        for (int k = 0; k <= 200 && term.known() && !found && !passed; ++k, term = term * q.exact) {
            found = term == an.exact;
            passed = !found &&
                     (term.sign() == 0 || (k > 2 && qSize == one) ||
                      (qSize > one && size(term) > anSize) || (qSize < one && size(term) < anSize));
        }
        if (passed)
            out.say(ProgressionsWorking::tr(
                        "An = %1 is not A1 times a whole power of Q, so it is none of "
                        "the terms. The formula gives a number all the same, and that "
                        "number is what the window shows.")
                        .arg(text(an)));
        out.say(QStringLiteral("QAn = %1 × %2 = %3").arg(factorOf(q), factorOf(an), text(m)));
        out.say(QStringLiteral("QAn - A1 = %1 - %2 = %3").arg(text(m), factorOf(a1), text(sm)));
        out.say(QStringLiteral("Q - 1 = %1 - 1 = %2").arg(text(q), text(q1)));
        tellAnswer(out, QStringLiteral("Sn = %1 ÷ %2").arg(dividendOf(sm), factorOf(q1)),
                   sm.exact / q1.exact, w.answer);
        break;
    }
    case Row::GeomSumInfinite: {
        const Value a1 = in("A1"), q = in("Q");
        const Value d{one - q.exact, s[0]};
        out.say(ProgressionsWorking::tr("S = A1 ÷ (1 - Q), as -1 < Q < 1"));
        tell({"A1", "Q"});
        out.say(QStringLiteral("1 - Q = 1 - %1 = %2").arg(factorOf(q), text(d)));
        tellAnswer(out, QStringLiteral("S = %1 ÷ %2").arg(dividendOf(a1), factorOf(d)),
                   a1.exact / d.exact, w.answer);
        break;
    }
    case Row::GeomLastA1QN: {
        const Value a1 = in("A1"), q = in("Q"), n = in("N");
        const Value e{n.exact - one, s[0]};
        const Value p{powerExact(q.exact, e.exact), s[1]};
        out.say(QStringLiteral("An = A1Qᴺ⁻¹"));
        tell({"A1", "Q", "N"});
        tellCount(out, n, Counted::Term,
                  [&](const Rational& k) { return a1.exact * powerExact(q.exact, k - one); });
        out.say(QStringLiteral("N - 1 = %1 - 1 = %2").arg(text(n), text(e)));
        out.say(QStringLiteral("Qᴺ⁻¹ = %1 = %2").arg(powerText(q, e), text(p)));
        tellAnswer(out, QStringLiteral("An = %1 × %2").arg(text(a1), factorOf(p)),
                   a1.exact * p.exact, w.answer);
        break;
    }
    case Row::GeomRatioA1AnN: {
        const Value a1 = in("A1"), an = in("An"), n = in("N");
        const Value n1{n.exact - one, s[0]};
        const Value e{one / n1.exact, s[1]};
        const Value r{an.exact / a1.exact, s[2]};
        const Value q{rootExact(r.exact, n1.exact), w.answer};
        out.say(QStringLiteral("Q = ᴺ⁻¹√(An ÷ A1)"));
        tell({"A1", "An", "N"});
        tellCount(out, n, Counted::Progression);
        out.say(QStringLiteral("N - 1 = %1 - 1 = %2").arg(text(n), text(n1)));
        out.say(
            QStringLiteral("An ÷ A1 = %1 ÷ %2 = %3").arg(dividendOf(an), factorOf(a1), text(r)));
        const bool negative = r.computed < 0;
        const bool whole = n1.exact.isWhole();
        if (whole && n1.computed == 1) {
            out.say(ProgressionsWorking::tr("With N - 1 = 1 the root is An ÷ A1 itself."));
            tellAnswer(out, QStringLiteral("Q"), q.exact, w.answer);
        } else if (whole) {
            const Value size{negative ? -r.exact : r.exact, std::abs(r.computed)};
            const QString root =
                n1.computed == 2
                    ? QStringLiteral("√%1").arg(factorOf(size))
                    : working::superscript(static_cast<long long>(n1.exact.numerator())) + u'√' +
                          factorOf(size);
            if (negative)
                out.say(ProgressionsWorking::tr(
                            "An ÷ A1 is negative and N - 1 = %1 is odd: an odd power "
                            "keeps the sign, so Q is negative.")
                            .arg(text(n1)));
            out.detail(
                ProgressionsWorking::tr("1 ÷ (N - 1) = 1 ÷ %1 = %2: the window takes the root as "
                                        "the power %2.")
                    .arg(text(n1), text(e)));
            tellAnswer(out, QStringLiteral("Q = %1%2").arg(negative ? u"-" : u"", root), q.exact,
                       w.answer);
        } else {
            out.say(QStringLiteral("1 ÷ (N - 1) = 1 ÷ %1 = %2").arg(factorOf(n1), text(e)));
            tellAnswer(out, QStringLiteral("Q = %1").arg(powerText(r, e)), q.exact, w.answer);
        }
        if (r.computed == 0)
            out.say(
                ProgressionsWorking::tr("With An = 0 the ratio is 0: every term after A1 is 0."));
        const bool even = whole && !oddWhole(n1.computed);
        if (even && w.answer != 0) {
            if (q.exact.known()) {
                const Value twin{-q.exact, -w.answer};
                out.say(ProgressionsWorking::tr(
                            "Q = %1 fits as well: %2 × %3 = %4 too. The window shows "
                            "the positive one.")
                            .arg(text(twin), factorOf(a1), powerText(twin, n1),
                                 exactOrDecimal(a1.exact * powerExact(twin.exact, n1.exact))));
            } else {
                out.say(ProgressionsWorking::tr(
                            "Q = %1 fits as well, as an even power of a number and of "
                            "its negative are the same. The window shows the positive "
                            "one.")
                            .arg(text(Value{Rational::unknown(), -w.answer})));
            }
        }
        if (q.exact.known() && whole)
            out.say(ProgressionsWorking::tr("Check: A1Qᴺ⁻¹ = %1 × %2 = %3, which is An.")
                        .arg(factorOf(a1), powerText(q, n1),
                             exactOrDecimal(a1.exact * powerExact(q.exact, n1.exact))));
        break;
    }
    }
    return out;
}

Figure figure(Row row, const std::vector<Box>& boxes, const Worked& w) {
    auto value = [&](const char* letter) {
        return boxOf(boxes, QString::fromLatin1(letter)).value;
    };
    const QString answer = shown(w.answer);
    switch (row) {
    case Row::ArithSumA1DN:
    case Row::ArithLastA1DN: {
        const double a1 = value("A1"), d = value("D");
        return termsFigure(
            false, value("N"), [=](double k) { return ArithLastA1DN(a1, d, k); },
            row == Row::ArithSumA1DN, answer);
    }
    case Row::GeomSumA1QN:
    case Row::GeomLastA1QN: {
        const double a1 = value("A1"), q = value("Q");
        return termsFigure(
            true, value("N"), [=](double k) { return GeomLastA1QN(a1, q, k); },
            row == Row::GeomSumA1QN, answer);
    }
    case Row::ArithSumA1AnN:
        return trapezoidFigure(value("N"), value("A1"), value("An"), true, answer);
    case Row::ArithSumDAnN: // b = 2An - (N - 1)D is A1 + An
        return trapezoidFigure(value("N"), w.steps[3] - value("An"), value("An"), false, answer);
    case Row::ArithDiffA1AnN:
    case Row::ArithCountA1DAn: {
        const bool findsN = row == Row::ArithCountA1DAn;
        const double a1 = value("A1"), an = value("An");
        const double n = findsN ? w.answer : value("N"), d = findsN ? value("D") : w.answer;
        Figure f = knownTermsFigure(a1, n, an);
        drawBetween(f, n, [=](double k) { return ArithLastA1DN(a1, d, k); });
        Look slope = working::dashed(Ink::Second);
        slope.place = Place::AboveLeft;
        f.segment(QStringLiteral("slope"), 1, a1, n, an, slope);
        const QString step = findsN ? plain(d) : answer;
        // with N below 2 the bars stand less than a term apart, or on both sides of the axis,
        // among the axis's numbers, and an N between 2 and 3 sets the second bar where the
        // slope's text would go: the texts of the slope and of N have no room by them, and the
        // note says them. N = 2 leaves the text room above the lower bar.
        const bool room = n == 2 || n >= 3;
        //: beside the dashed line from A1 to An: the terms grow by D each term
        if (room) f.elements.back().text = ProgressionsWorking::tr("D = %1 a term").arg(step);
        else
            f.note = ProgressionsWorking::tr(
                         "Along the dashed line from A1 to An the terms grow by D = %1 "
                         "a term.")
                         .arg(step);
        if (findsN) {
            f.point(QStringLiteral("found"), n, 0,
                    room ? QStringLiteral("N = ") + answer : QString(),
                    working::at(Place::Below, Ink::Second));
            if (!room)
                f.note +=
                    u' ' +
                    ProgressionsWorking::tr("The point on the k axis marks N = %1.").arg(answer);
        }
        makeRoom(f, 0.15, 0, 0);
        f.description =
            ProgressionsWorking::tr("The known terms A1 = %1 at 1 and An = %2 at N = %3 as "
                                    "bars; from one to the next the terms grow by D = %4.")
                .arg(plain(a1), plain(an), findsN ? answer : plain(n), findsN ? plain(d) : answer);
        return f;
    }
    case Row::GeomRatioA1AnN: {
        const double a1 = value("A1"), an = value("An"), n = value("N"), q = w.answer;
        Figure f = knownTermsFigure(a1, n, an);
        drawBetween(f, n, [=](double k) { return GeomLastA1QN(a1, q, k); });
        // above every bar: with a negative Q a term between can stand higher than both ends
        double top = std::max({a1, an, 0.0});
        for (const working::Element& e : f.elements) top = std::max(top, e.numbers[3]);
        // the sentence is wider than the chart: the label says Q, the note says what it means
        f.label(QStringLiteral("ratio"), (1 + n) / 2, top, QStringLiteral("Q = ") + answer,
                working::at(Place::Above));
        f.note = ProgressionsWorking::tr("Each term is Q = %1 times the one before.").arg(answer);
        makeRoom(f, 0.15, 0, 0);
        f.description =
            ProgressionsWorking::tr("The known terms A1 = %1 at 1 and An = %2 at N = %3 as "
                                    "bars; each term is Q = %4 times the one before.")
                .arg(plain(a1), plain(an), plain(n), answer);
        return f;
    }
    case Row::GeomSumA1QAn:
        return geometricSumToFigure(value("A1"), value("Q"), value("An"), answer);
    case Row::GeomSumInfinite: return partialSumsFigure(value("A1"), value("Q"), w.answer, answer);
    }
    return {};
}

bool finite(const Figure& f) {
    for (const working::Element& e : f.elements)
        for (const double n : e.numbers)
            if (!std::isfinite(n)) return false;
    return true;
}

} // namespace

const Box& boxOf(const std::vector<Box>& boxes, QStringView letter) {
    return *std::find_if(boxes.begin(), boxes.end(),
                         [&](const Box& b) { return b.letter == letter; });
}

Working progressionWorking(Row row, const std::vector<Box>& boxes, const Worked& worked) {
    Working w = steps(row, boxes, worked);
    try {
        w.figure = figure(row, boxes, worked);
    } catch (const ArithmeticFault&) {
        w.figure = {}; // a term beyond the range of a double: no figure, and why
    }
    if (!finite(w.figure) || (w.figure.empty() && w.figure.note.isEmpty())) {
        w.figure = termChart();
        w.figure.elements.clear();
        w.figure.note = ProgressionsWorking::tr("The terms are too large to draw.");
        w.figure.description = w.figure.note;
    }
    return w;
}

Working unansweredWorking(Row row, const std::vector<Box>& boxes, const QStringList& said) {
    Working out;
    for (const QString& message : said)
        out.say(ProgressionsWorking::tr("The window said: \"%1\"").arg(message));
    auto has = [&](const char* letter) {
        return std::any_of(boxes.begin(), boxes.end(),
                           [&](const Box& b) { return b.letter == QLatin1String(letter); });
    };
    auto in = [&](const char* letter) {
        const Box& b = boxOf(boxes, QString::fromLatin1(letter));
        return Value{exactOf(b), b.value};
    };
    const Value none{Rational::unknown(), 0};
    const Value a1 = has("A1") ? in("A1") : none, q = has("Q") ? in("Q") : none;
    const Value n = has("N") ? in("N") : none, an = has("An") ? in("An") : none;
    const Value d = has("D") ? in("D") : none;
    const bool geometric = row == Row::GeomSumA1QN || row == Row::GeomSumA1QAn ||
                           row == Row::GeomLastA1QN || row == Row::GeomSumInfinite;
    // the window's own tests, on the numbers it took
    if (geometric && q.computed == 0) {
        out.say(
            ProgressionsWorking::tr("With Q = 0 every term after A1 is 0: A1, 0, 0, and so on. The "
                                    "window takes no Q of 0."));
        if (row == Row::GeomLastA1QN)
            out.say(
                ProgressionsWorking::tr("So An = 0 from the second term on, and An = A1 = %1 when "
                                        "N = 1.")
                    .arg(text(a1)));
        else out.say(ProgressionsWorking::tr("So the sum is A1 = %1.").arg(text(a1)));
        return out;
    }
    if (geometric && row != Row::GeomSumInfinite && q.computed == 1) {
        out.say(ProgressionsWorking::tr(
                    "With Q = 1 every term is A1 = %1: each is 1 times the one before.")
                    .arg(text(a1)));
        if (row == Row::GeomLastA1QN) {
            out.say(
                ProgressionsWorking::tr("So An = A1 = %1. The window takes no Q of 1 all the same.")
                    .arg(text(a1)));
            return out;
        }
        out.say(ProgressionsWorking::tr("The formula divides by Q - 1 = 0, so it cannot be used."));
        const Rational all = n.exact * a1.exact;
        if (row == Row::GeomSumA1QN && isWhole(n) && n.computed >= 1 && all.known())
            out.say(ProgressionsWorking::tr(
                        "The sum of N terms that are all A1 is N × A1 = %1 × %2 = %3.")
                        .arg(text(n), factorOf(a1), exactOrDecimal(all)));
        else out.say(ProgressionsWorking::tr("The sum of N terms that are all A1 is N × A1."));
        if (row == Row::GeomSumA1QAn) {
            out.say(ProgressionsWorking::tr("An does not tell how many terms there are."));
            if (an.computed != a1.computed)
                out.say(
                    ProgressionsWorking::tr("Here An = %1 is not A1, so it is none of the terms.")
                        .arg(text(an)));
        }
        return out;
    }
    if (row == Row::GeomSumInfinite) {
        if (a1.computed == 0) {
            out.say(ProgressionsWorking::tr(
                "With A1 = 0 every term is 0, and so is their sum; the window "
                "asks for -1 < Q < 1 all the same."));
            return out;
        }
        out.say(ProgressionsWorking::tr(
            "All the terms add up to one sum only when they shrink towards 0, "
            "that is when -1 < Q < 1."));
        if (q.computed >= 1)
            out.say(ProgressionsWorking::tr(
                        "With Q = %1 no term is smaller in size than the one before, so "
                        "the sums S1, S2, S3, and so on grow in size without end.")
                        .arg(text(q)));
        else
            out.say(ProgressionsWorking::tr(
                        "With Q = %1 the terms change sign each time and do not shrink, "
                        "so the sums S1, S2, S3, and so on never settle.")
                        .arg(text(q)));
        return out;
    }
    if (row == Row::GeomRatioA1AnN && (a1.computed == 0 || n.computed <= 1)) {
        if (a1.computed == 0)
            out.say(ProgressionsWorking::tr(
                "With A1 = 0 every term is 0 × Q = 0, and An ÷ A1 would divide "
                "by 0, so no ratio can be found."));
        if (n.computed <= 1)
            out.say(ProgressionsWorking::tr(
                        "N counts the terms, and a ratio needs two of them, A1 and An: "
                        "N = %1 is not more than 1.")
                        .arg(text(n)));
        return out;
    }
    // the faults of the computations
    if (row == Row::ArithDiffA1AnN && n.computed == 1) {
        out.say(ProgressionsWorking::tr(
            "N = 1 makes N - 1 = 0, and the formula divides by it: with one "
            "term there is no step from one term to the next."));
        return out;
    }
    if (row == Row::ArithCountA1DAn && d.computed == 0) {
        out.say(ProgressionsWorking::tr(
                    "D = 0 makes every term A1 = %1, and the formula divides by D = 0.")
                    .arg(text(a1)));
        out.say(
            an.computed == a1.computed
                ? ProgressionsWorking::tr("Here An is A1, so every N fits.")
                : ProgressionsWorking::tr("Here An = %1 is not A1, so no N fits.").arg(text(an)));
        return out;
    }
    if ((row == Row::GeomSumA1QN || row == Row::GeomLastA1QN) && q.computed < 0) {
        const Value power =
            row == Row::GeomSumA1QN ? n : Value{n.exact - Rational(1), n.computed - 1};
        if (!isWhole(power)) {
            out.say(ProgressionsWorking::tr(
                        "Q = %1 is negative and %2 = %3 is not a whole number: a "
                        "negative number to a power that is not whole has no real value.")
                        .arg(text(q), row == Row::GeomSumA1QN ? u"N" : u"N - 1", text(power)));
            out.say(ProgressionsWorking::tr("N counts the terms, so it should be a whole number."));
            return out;
        }
    }
    const double ratio = an.computed / a1.computed; // in Find Q, where A1 = 0 is refused
    if (row == Row::GeomRatioA1AnN && ratio < 0 && std::isfinite(ratio)) {
        const Value r{an.exact / a1.exact, ratio};
        const Value n1{n.exact - Rational(1), n.computed - 1};
        if (isWhole(n1))
            out.say(ProgressionsWorking::tr(
                        "An ÷ A1 = %1 is negative and N - 1 = %2 is even: an even power "
                        "of a real number is never negative, so no real Q fits.")
                        .arg(text(r), text(n1)));
        else
            out.say(ProgressionsWorking::tr(
                        "An ÷ A1 = %1 is negative and N - 1 = %2 is not a whole "
                        "number: such a root of a negative number has no real value.")
                        .arg(text(r), text(n1)));
        return out;
    }
    // a written-back box that its 8 characters cut to a text that is no number
    for (const Box& b : boxes) {
        if (b.written.isEmpty() || isNumeric(b.shown)) continue;
        out.say(ProgressionsWorking::tr(
                    "The box of %1 keeps only 8 characters, so it shows %2, the start "
                    "of the number %3 written in E-notation. %2 is no number, and the "
                    "row cannot go on with it.")
                    .arg(b.letter, b.shown, plain(numberOf(b.written))));
        return out;
    }
    out.say(ProgressionsWorking::tr("A number on the way grows beyond the largest one the computer "
                                    "can hold, about 1.8 × 10³⁰⁸, so there is no answer."));
    return out;
}

working::Guide progressionsGuide() {
    auto typed = [](const char* letter, double value) {
        const QString text = shown(value);
        return Box{QString::fromLatin1(letter), text, text, text, value};
    };
    return working::guide(
        {
            ProgressionsWorking::tr("Each box takes %1, at most 8 characters.")
                .arg(working::valueForms()),
            ProgressionsWorking::tr(
                "A1 is the first term, An the last, N the number of terms, D the step "
                "from one term to the next and Q the ratio of one term to the one "
                "before."),
            ProgressionsWorking::tr(
                "A command writes the numbers it read back into its boxes, cut to 8 "
                "characters, and goes on with what the box shows; Q, and An in the "
                "geometric rows, are used as typed."),
        },
        //: %1 is the window's button Find Sn
        ProgressionsWorking::tr("A1 = 2, D = 3, N = 5, %1:")
            .arg(QCoreApplication::translate("Form6", "Find Sn")),
        progressionWorking(Row::ArithSumA1DN, {typed("A1", 2), typed("D", 3), typed("N", 5)},
                           ArithSumA1DNWorked(2, 3, 5)));
}

} // namespace sb::progressions
