// SPDX-License-Identifier: GPL-3.0-or-later
#include "progressions_working.h"

#include "entry/conversions.h"
#include "entry/fault.h"
#include "working/formula_text.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <functional>

namespace sb::progressions {

using working::Figure;
using working::Ink;
using working::Look;
using working::Place;
using working::Working;

namespace {

constexpr int boxLength = 8;         // every box keeps at most 8 characters
constexpr int endsShown = 20;        // beyond mostTermsDrawn, the first and the last 20 terms
constexpr double mostCounted = 1e15; // beyond this, whole numbers of terms blur together

QString shown(double value) { return resultText(value); }
QString counted(double n) { return QLocale().toString(qulonglong(n)); }

// How a box was read: as typed, written back, or written back and cut to the box.
void tellBox(Working& w, const Box& b) {
    const QString value = shown(b.value);
    if (b.written.isEmpty()) {
        w.say(b.typed.trimmed() == value
                  ? QStringLiteral("%1 = %2").arg(b.letter, value)
                  : QStringLiteral("%1 = %2 = %3").arg(b.letter, b.typed.trimmed(), value));
    } else if (b.written != b.shown) {
        w.say(b.typed == b.written
                  ? QStringLiteral("%1 = %2").arg(b.letter, b.written)
                  : QStringLiteral("%1 = %2 = %3").arg(b.letter, b.typed.trimmed(), b.written));
        w.say(QStringLiteral("The box keeps %1 characters, so %2 is read as %3")
                  .arg(boxLength)
                  .arg(b.letter, b.shown));
    } else if (b.typed != b.shown) {
        w.say(QStringLiteral("%1 = %2, written back into its box as %3")
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

Figure termChart() { return Figure::chart(QStringLiteral("k"), QStringLiteral("term")); }

// The bars term 1 .. term n (n whole), standing at k: every one up to mostTermsDrawn, else the
// first and the last 20 with a marked gap between them. Each bar gets its value while there
// are few; the last one is drawn with lastLook and labelled lastText.
void drawTerms(Figure& f, double n, const std::function<double(double)>& term, Look look,
               Look lastLook, const QString& lastText) {
    const bool all = n <= mostTermsDrawn;
    const bool labelled = n <= 12;
    auto drawAt = [&](double x, double k) {
        const double value = term(k);
        f.bar(QStringLiteral("term"), x - 0.4, 0, 0.8, value, k == n ? lastLook : look);
        if (k == n) f.elements.back().text = lastText;
        else if (labelled) f.elements.back().text = shown(value);
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
            QStringLiteral("term %1").arg(counted(n - (endsShown - 1))), working::at(Place::Below));
    f.note = QStringLiteral("Terms %1 to %2 are left out at the gap; the bars after it are the "
                            "last %3 terms, %4 to %5.")
                 .arg(counted(endsShown + 1), counted(n - endsShown), QString::number(endsShown),
                      counted(n - (endsShown - 1)), counted(n));
}

QString termsPhrase(double n) {
    return n <= mostTermsDrawn
               ? QStringLiteral("The %1 %2").arg(counted(n), n == 1 ? u"term" : u"terms")
               : QStringLiteral("The first and the last %1 of the %2 terms")
                     .arg(endsShown)
                     .arg(counted(n));
}

// A row that has every term from A1, D or Q and N: the terms as bars, all shaded for a sum,
// the last one marked when it is what was found.
Figure termsFigure(const QString& kind, double n, const std::function<double(double)>& term,
                   bool sum, const QString& answerText) {
    Figure f = termChart();
    if (!wholeCount(n)) {
        f.note = QStringLiteral("N = %1 is not a whole number of terms from 1 up, so there are no "
                                "terms to draw.")
                     .arg(shown(n));
        f.description = f.note;
        return f;
    }
    drawTerms(f, n, term, bars(Ink::Main, sum), bars(sum ? Ink::Main : Ink::Second, true),
              sum ? shown(term(n)) : QStringLiteral("An = ") + answerText);
    f.description = QStringLiteral("%1 of the %2 progression from %3 to %4 as bars")
                        .arg(termsPhrase(n), kind, shown(term(1)), shown(term(n)));
    f.description += sum ? QStringLiteral(", all shaded: their sum Sn is %1.").arg(answerText)
                         : QStringLiteral("; the last one, An, is %1.").arg(answerText);
    return f;
}

// The sum as a trapezoid N wide, first at one end and last at the other: its area is
// N · (first + last) / 2, the sum. The known terms stand as bars one wide.
Figure trapezoidFigure(double n, double first, double last, bool firstKnown,
                       const QString& answerText) {
    Figure f = termChart();
    Look shape = bars(Ink::Main, true);
    f.polygon(QStringLiteral("sum"), {0.5, 0, 0.5, first, n + 0.5, last, n + 0.5, 0}, shape);
    if (firstKnown) {
        f.bar(QStringLiteral("known"), 0.5, 0, 1, first, bars(Ink::Second, false));
        f.elements.back().text = QStringLiteral("A1 = ") + shown(first);
    } else {
        f.label(QStringLiteral("first"), 0.5, first, QStringLiteral("A1"),
                working::at(Place::Left));
    }
    f.bar(QStringLiteral("known"), n - 0.5, 0, 1, last, bars(Ink::Second, false));
    f.elements.back().text = QStringLiteral("An = ") + shown(last);
    f.note = QStringLiteral("The shaded trapezoid is N wide and on average (A1 + An) / 2 high, "
                            "so its area is the sum.");
    f.description = QStringLiteral("A trapezoid %1 wide from the first term to the last, An = "
                                   "%2, shaded: its area is the sum Sn = %3.")
                        .arg(shown(n), shown(last), answerText);
    return f;
}

// Two known terms, A1 at 1 and An at N, and what lies between them.
Figure knownTermsFigure(double a1, double n, double an) {
    Figure f = termChart();
    f.bar(QStringLiteral("known"), 0.6, 0, 0.8, a1, bars(Ink::Main, true));
    f.elements.back().text = QStringLiteral("A1 = ") + shown(a1);
    f.bar(QStringLiteral("known"), n - 0.4, 0, 0.8, an, bars(Ink::Main, true));
    f.elements.back().text = QStringLiteral("An = ") + shown(an);
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
    f.yName = QStringLiteral("term, sum");
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
    f.description = QStringLiteral("The terms of the progression as shaded bars and the partial "
                                   "sums S1 to S%1 as points, approaching the dashed line at the "
                                   "sum S = %2.")
                        .arg(count)
                        .arg(answerText);
    return f;
}

// The terms from A1 while they reach An within mostTermsDrawn terms, found by the ratio.
Figure geometricSumToFigure(double a1, double q, double an, const QString& answerText) {
    const double near = 1e-9 * std::max(std::abs(an), 1e-300);
    for (double k = 1; k <= mostTermsDrawn; ++k)
        if (std::abs(GeomLastA1QN(a1, q, k) - an) <= near)
            return termsFigure(
                QStringLiteral("geometric"), k, [&](double j) { return GeomLastA1QN(a1, q, j); },
                true, answerText);
    Figure f = termChart();
    f.note = QStringLiteral("An = %1 is not A1 times a whole power of Q within %2 terms, so the "
                            "terms are not drawn.")
                 .arg(shown(an))
                 .arg(mostTermsDrawn);
    f.description = f.note;
    return f;
}

Working steps(Row row, const std::vector<Box>& boxes, const Worked& w) {
    Working out;
    const auto& s = w.steps;
    const QString answer = shown(w.answer);
    auto box = [&](const char* letter) { return boxOf(boxes, QString::fromLatin1(letter)); };
    auto tell = [&](std::initializer_list<const char*> letters) {
        for (const char* letter : letters) tellBox(out, box(letter));
    };
    auto v = [&](const char* letter) { return shown(box(letter).value); };
    auto o = [&](const char* letter) { return working::factor(box(letter).value); };
    switch (row) {
    case Row::ArithSumA1DN:
        out.say(QStringLiteral("Sn = N/2 · (2·A1 + (N - 1)·D)"));
        tell({"A1", "D", "N"});
        out.say(QStringLiteral("N - 1 = %1 - 1 = %2").arg(v("N"), shown(s[0])));
        out.say(QStringLiteral("(N - 1)·D = %1 × %2 = %3")
                    .arg(working::factor(s[0]), o("D"), shown(s[1])));
        out.say(QStringLiteral("2·A1 + (N - 1)·D = %1 + %2 + %3 = %4")
                    .arg(v("A1"), o("A1"), working::factor(s[1]), shown(s[2])));
        out.detail(QStringLiteral("N × %1 = %2").arg(working::factor(s[2]), shown(s[3])));
        out.say(QStringLiteral("Sn = %1 × %2 / 2 = %3").arg(v("N"), working::factor(s[2]), answer));
        break;
    case Row::ArithSumA1AnN:
        out.say(QStringLiteral("Sn = N/2 · (A1 + An)"));
        tell({"A1", "An", "N"});
        out.say(QStringLiteral("A1 + An = %1 + %2 = %3").arg(v("A1"), o("An"), shown(s[0])));
        out.detail(QStringLiteral("N × %1 = %2").arg(working::factor(s[0]), shown(s[1])));
        out.say(QStringLiteral("Sn = %1 × %2 / 2 = %3").arg(v("N"), working::factor(s[0]), answer));
        break;
    case Row::ArithSumDAnN:
        out.say(QStringLiteral("Sn = N/2 · (2·An - (N - 1)·D)"));
        tell({"An", "D", "N"});
        out.say(QStringLiteral("2·An = %1 + %2 = %3").arg(v("An"), o("An"), shown(s[0])));
        out.say(QStringLiteral("N - 1 = %1 - 1 = %2").arg(v("N"), shown(s[1])));
        out.say(QStringLiteral("(N - 1)·D = %1 × %2 = %3")
                    .arg(working::factor(s[1]), o("D"), shown(s[2])));
        out.say(QStringLiteral("2·An - (N - 1)·D = %1 - %2 = %3")
                    .arg(shown(s[0]), working::factor(s[2]), shown(s[3])));
        out.detail(QStringLiteral("2·An - (N - 1)·D is A1 + An: the first term plus the last."));
        out.detail(QStringLiteral("N × %1 = %2").arg(working::factor(s[3]), shown(s[4])));
        out.say(QStringLiteral("Sn = %1 × %2 / 2 = %3").arg(v("N"), working::factor(s[3]), answer));
        break;
    case Row::ArithLastA1DN:
        out.say(QStringLiteral("An = A1 + (N - 1)·D"));
        tell({"A1", "D", "N"});
        out.say(QStringLiteral("N - 1 = %1 - 1 = %2").arg(v("N"), shown(s[0])));
        out.say(QStringLiteral("(N - 1)·D = %1 × %2 = %3")
                    .arg(working::factor(s[0]), o("D"), shown(s[1])));
        out.say(QStringLiteral("An = %1 + %2 = %3").arg(v("A1"), working::factor(s[1]), answer));
        break;
    case Row::ArithDiffA1AnN:
        out.say(QStringLiteral("D = (An - A1) / (N - 1)"));
        tell({"A1", "An", "N"});
        out.say(QStringLiteral("An - A1 = %1 - %2 = %3").arg(v("An"), o("A1"), shown(s[0])));
        out.say(QStringLiteral("N - 1 = %1 - 1 = %2").arg(v("N"), shown(s[1])));
        out.say(QStringLiteral("D = %1 / %2 = %3").arg(shown(s[0]), working::factor(s[1]), answer));
        break;
    case Row::ArithCountA1DAn:
        out.say(QStringLiteral("N = (An - A1 + D) / D"));
        tell({"A1", "D", "An"});
        out.say(QStringLiteral("An - A1 = %1 - %2 = %3").arg(v("An"), o("A1"), shown(s[0])));
        out.say(QStringLiteral("An - A1 + D = %1 + %2 = %3").arg(shown(s[0]), o("D"), shown(s[1])));
        out.say(QStringLiteral("N = %1 / %2 = %3").arg(shown(s[1]), o("D"), answer));
        if (w.answer != std::floor(w.answer))
            out.say(QStringLiteral("N is not a whole number: An is not exactly one of the terms."));
        break;
    case Row::GeomSumA1QN:
        out.say(QStringLiteral("Sn = A1 · (Q^N - 1) / (Q - 1)"));
        tell({"A1", "Q", "N"});
        out.say(QStringLiteral("Q^N = %1^%2 = %3").arg(o("Q"), o("N"), shown(s[0])));
        out.say(QStringLiteral("Q^N - 1 = %1").arg(shown(s[1])));
        out.say(QStringLiteral("A1 · (Q^N - 1) = %1 × %2 = %3")
                    .arg(v("A1"), working::factor(s[1]), shown(s[2])));
        out.say(QStringLiteral("Q - 1 = %1").arg(shown(s[3])));
        out.say(
            QStringLiteral("Sn = %1 / %2 = %3").arg(shown(s[2]), working::factor(s[3]), answer));
        break;
    case Row::GeomSumA1QAn:
        out.say(QStringLiteral("Sn = (An·Q - A1) / (Q - 1)"));
        tell({"A1", "Q", "An"});
        out.say(QStringLiteral("An·Q = %1 × %2 = %3").arg(v("An"), o("Q"), shown(s[0])));
        out.say(QStringLiteral("An·Q - A1 = %1 - %2 = %3").arg(shown(s[0]), o("A1"), shown(s[1])));
        out.say(QStringLiteral("Q - 1 = %1").arg(shown(s[2])));
        out.say(
            QStringLiteral("Sn = %1 / %2 = %3").arg(shown(s[1]), working::factor(s[2]), answer));
        break;
    case Row::GeomSumInfinite:
        out.say(QStringLiteral("S = A1 / (1 - Q), as -1 < Q < 1"));
        tell({"A1", "Q"});
        out.say(QStringLiteral("1 - Q = 1 - %1 = %2").arg(o("Q"), shown(s[0])));
        out.say(QStringLiteral("S = %1 / %2 = %3").arg(v("A1"), working::factor(s[0]), answer));
        break;
    case Row::GeomLastA1QN:
        out.say(QStringLiteral("An = A1 · Q^(N - 1)"));
        tell({"A1", "Q", "N"});
        out.say(QStringLiteral("N - 1 = %1 - 1 = %2").arg(v("N"), shown(s[0])));
        out.say(QStringLiteral("Q^(N - 1) = %1^%2 = %3")
                    .arg(o("Q"), working::factor(s[0]), shown(s[1])));
        out.say(QStringLiteral("An = %1 × %2 = %3").arg(v("A1"), working::factor(s[1]), answer));
        break;
    case Row::GeomRatioA1AnN:
        out.say(QStringLiteral("Q = (An / A1)^(1 / (N - 1))"));
        tell({"A1", "An", "N"});
        out.say(QStringLiteral("N - 1 = %1 - 1 = %2").arg(v("N"), shown(s[0])));
        out.say(QStringLiteral("1 / (N - 1) = %1").arg(shown(s[1])));
        out.say(QStringLiteral("An / A1 = %1 / %2 = %3").arg(v("An"), o("A1"), shown(s[2])));
        out.say(QStringLiteral("Q = %1^%2 = %3").arg(working::factor(s[2]), shown(s[1]), answer));
        out.detail(QStringLiteral("A power gives the positive root only, even where a negative Q "
                                  "would fit as well."));
        break;
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
            QStringLiteral("arithmetic"), value("N"),
            [=](double k) { return ArithLastA1DN(a1, d, k); }, row == Row::ArithSumA1DN, answer);
    }
    case Row::GeomSumA1QN:
    case Row::GeomLastA1QN: {
        const double a1 = value("A1"), q = value("Q");
        return termsFigure(
            QStringLiteral("geometric"), value("N"),
            [=](double k) { return GeomLastA1QN(a1, q, k); }, row == Row::GeomSumA1QN, answer);
    }
    case Row::ArithSumA1AnN:
        return trapezoidFigure(value("N"), value("A1"), value("An"), true, answer);
    case Row::ArithSumDAnN: // b = 2·An - (N - 1)·D is A1 + An
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
        f.elements.back().text = QStringLiteral("D = %1 a term").arg(shown(d));
        if (findsN)
            f.point(QStringLiteral("found"), n, 0, QStringLiteral("N = ") + answer,
                    working::at(Place::Below, Ink::Second));
        f.description = QStringLiteral("The known terms A1 = %1 at 1 and An = %2 at N = %3 as "
                                       "bars; from one to the next the terms grow by D = %4.")
                            .arg(shown(a1), shown(an), shown(n), shown(d));
        return f;
    }
    case Row::GeomRatioA1AnN: {
        const double a1 = value("A1"), an = value("An"), n = value("N"), q = w.answer;
        Figure f = knownTermsFigure(a1, n, an);
        drawBetween(f, n, [=](double k) { return GeomLastA1QN(a1, q, k); });
        f.label(QStringLiteral("ratio"), (1 + n) / 2, std::max({a1, an, 0.0}),
                QStringLiteral("Q = %1: each term is Q times the one before").arg(answer),
                working::at(Place::Above));
        f.description = QStringLiteral("The known terms A1 = %1 at 1 and An = %2 at N = %3 as "
                                       "bars; each term is Q = %4 times the one before.")
                            .arg(shown(a1), shown(an), shown(n), answer);
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
        w.figure.note = QStringLiteral("The terms are too large to draw.");
        w.figure.description = w.figure.note;
    }
    return w;
}

working::Guide progressionsGuide() {
    auto typed = [](const char* letter, double value) {
        const QString text = shown(value);
        return Box{QString::fromLatin1(letter), text, text, text, value};
    };
    return working::guide(
        {
            QStringLiteral("Each box takes %1, at most 8 characters.").arg(working::valueForms()),
            QStringLiteral("A1 is the first term, An the last, N the number of terms, D the step "
                           "from one term to the next and Q the ratio of one term to the one "
                           "before."),
            QStringLiteral("A command writes the numbers it read back into its boxes, cut to 8 "
                           "characters, and goes on with what the box shows; Q and the An of the "
                           "geometric sums are used as typed."),
        },
        QStringLiteral("A1 = 2, D = 3, N = 5, Find Sn:"),
        progressionWorking(Row::ArithSumA1DN, {typed("A1", 2), typed("D", 3), typed("N", 5)},
                           ArithSumA1DNWorked(2, 3, 5)));
}

} // namespace sb::progressions
