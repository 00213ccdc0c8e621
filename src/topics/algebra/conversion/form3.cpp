// SPDX-License-Identifier: GPL-3.0-or-later
#include "form3.h"

#include "conversion_working.h"
#include "fraction_conversion.h"

#include <QLabel>
#include <QLineEdit>

namespace sb {

namespace {

using namespace ui;

FormSpec form3Spec() {
    ControlTable controls{
        // the frame and the four panels
        line("Line2", 0, 240, 11640, 240),
        line("Line3", 0, 5280, 11640, 5280),
        line("Line4", 0, 240, 0, 5280),
        line("Line9", 11640, 240, 11640, 5280),
        line("Line11", 0, 2760, 11640, 2760),
        line("Line12", 5640, 240, 5640, 5280),
        // a mixed number to an improper fraction
        label("Label1", QT_TRANSLATE_NOOP("Form3", "Converts Simple Fraction To Improper Fraction"),
              {240, 360, 5415, 615}),
        textBox("in1s", {240, 1560, 615, 495}, 8).named(QT_TRANSLATE_NOOP("Form3", "Whole part")),
        textBox("in1m", {1200, 1200, 615, 495}, 8).named(QT_TRANSLATE_NOOP("Form3", "Numerator")),
        line("Line1", 1200, 1808, 1815, 1808),
        textBox("in1d", {1200, 1920, 615, 495}, 8).named(QT_TRANSLATE_NOOP("Form3", "Denominator")),
        button("Command1", QT_TRANSLATE_NOOP("Form3", " Fraction To Improper "),
               {2040, 1560, 1695, 495}),
        output("sol1m", {3960, 1320, 1575, 375}).named(QT_TRANSLATE_NOOP("Form3", "Numerator")),
        line("Line5", 3960, 1868, 5535, 1868),
        output("sol1d", {3960, 2040, 1575, 375}).named(QT_TRANSLATE_NOOP("Form3", "Denominator")),
        // an improper fraction to a mixed number
        label("Label5",
              QT_TRANSLATE_NOOP("Form3", "Converts Improper Fraction To Simple  Fraction"),
              {6000, 360, 5175, 615}),
        textBox("in2m", {6120, 1200, 615, 495}, 6).named(QT_TRANSLATE_NOOP("Form3", "Numerator")),
        line("Line7", 6120, 1808, 6735, 1808),
        textBox("in2d", {6120, 1920, 615, 495}, 6).named(QT_TRANSLATE_NOOP("Form3", "Denominator")),
        button("Command2", QT_TRANSLATE_NOOP("Form3", "Improper To Fraction"),
               {7080, 1440, 1695, 495}),
        output("sol2s", {8880, 1440, 975, 375}).named(QT_TRANSLATE_NOOP("Form3", "Whole part")),
        output("sol2m", {10080, 1200, 1575, 495}).named(QT_TRANSLATE_NOOP("Form3", "Numerator")),
        line("Line6", 10080, 1868, 11520, 1868),
        output("sol2d", {10080, 2040, 1575, 495}).named(QT_TRANSLATE_NOOP("Form3", "Denominator")),
        // a mixed number to a decimal
        label("Label2", QT_TRANSLATE_NOOP("Form3", "Converts Simple Fraction To Decimal Fruction"),
              {240, 2880, 5295, 615}),
        textBox("in3s", {240, 3960, 615, 495}, 8).named(QT_TRANSLATE_NOOP("Form3", "Whole part")),
        textBox("in3m", {1200, 3720, 615, 495}, 8).named(QT_TRANSLATE_NOOP("Form3", "Numerator")),
        line("Line8", 1200, 4328, 1815, 4328),
        textBox("in3d", {1200, 4440, 615, 495}, 8).named(QT_TRANSLATE_NOOP("Form3", "Denominator")),
        button("Command3", QT_TRANSLATE_NOOP("Form3", "Fraction To Decimal"),
               {2040, 3960, 1575, 495}),
        output("out3", {3840, 4080, 1695, 375}).named(QT_TRANSLATE_NOOP("Form3", "Decimal")),
        // a decimal to a mixed number
        label("Label3",
              QT_TRANSLATE_NOOP("Form3", "Converts Decimal Fruction To  Simple Fraction "),
              {6000, 2880, 5295, 615}),
        textBox("in4", {6000, 3840, 1335, 375}, 9).named(QT_TRANSLATE_NOOP("Form3", "Decimal")),
        button("Command4", QT_TRANSLATE_NOOP("Form3", "Decimal To Fraction"),
               {7680, 3720, 1575, 495}),
        output("out4s", {9480, 3840, 855, 375}).named(QT_TRANSLATE_NOOP("Form3", "Whole part")),
        output("out4m", {10440, 3480, 1215, 495}).named(QT_TRANSLATE_NOOP("Form3", "Numerator")),
        line("Line10", 10440, 4088, 11520, 4088),
        output("out4d", {10440, 4200, 1215, 495}).named(QT_TRANSLATE_NOOP("Form3", "Denominator")),
    };
    // the whole window writes in bold
    for (Control& c : controls) c = c.bold();
    FormSpec paper{"Form3",
                   QT_TRANSLATE_NOOP("Form3", "Fraction Conversion"),
                   11670,
                   5580,
                   QColor(0x80FFFF),
                   controls,
                   {}};
    paper.guide = conversion::conversionGuide;
    return paper.withExercises(
        // a fraction is written whole part first, then numerator over denominator, whatever
        // the height its boxes stand at
        {
            exercise("in1s in1m in1d", "Command1", "sol1m sol1d"),
            exercise("in2m in2d", "Command2", "sol2s sol2m sol2d"),
            exercise("in3s in3m in3d", "Command3", "out3"),
            exercise("in4", "Command4", "out4s out4m out4d"),
        },
        Tab::Exercises);
}

void showMixed(QLabel* whole, QLabel* numerator, QLabel* denominator,
               const conversion::Fraction& f) {
    whole->setText(f.whole);
    numerator->setText(f.numerator);
    denominator->setText(f.denominator);
}

} // namespace

// A refused or faulted command leaves every output as it was: each core computes all of
// its panel's results before the first is written.
ui::FormSpec Form3::paper() { return form3Spec(); }

Form3::Form3() : Form(paper()) {
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Command2", [this] { Command2_Click(); });
    onClick("Command3", [this] { Command3_Click(); });
    onClick("Command4", [this] { Command4_Click(); });
}

void Form3::Command1_Click() {
    const QString whole = box("in1s")->text();
    const auto f = conversion::FractionToImproper(whole, box("in1m")->text(), box("in1d")->text());
    if (f.refusal) return say(*f.refusal);
    label("sol1m")->setText(f.numerator);
    label("sol1d")->setText(f.denominator);
    showWorking([whole, f] { return conversion::improperWorking(whole, f); });
}

void Form3::Command2_Click() {
    const QString numerator = box("in2m")->text(), denominator = box("in2d")->text();
    const auto f = conversion::ImproperToFraction(numerator, denominator);
    if (f.refusal) return say(*f.refusal);
    showMixed(label("sol2s"), label("sol2m"), label("sol2d"), f);
    showWorking([=] { return conversion::mixedWorking(numerator, denominator, f); });
}

void Form3::Command3_Click() {
    const QString whole = box("in3s")->text(), numerator = box("in3m")->text();
    const auto d = conversion::FractionToDecimal(whole, numerator, box("in3d")->text());
    if (d.refusal) return say(*d.refusal);
    if (d.whole && *d.whole != box("in3s")->text()) box("in3s")->setText(*d.whole);
    if (d.decimal) label("out3")->setText(*d.decimal);
    showWorking([=] { return conversion::decimalWorking(whole, numerator, d); });
}

void Form3::Command4_Click() {
    const QString decimal = box("in4")->text();
    const auto f = conversion::DecimalToFraction(decimal);
    if (f.refusal) return say(*f.refusal);
    showMixed(label("out4s"), label("out4m"), label("out4d"), f);
    showWorking([decimal, f] { return conversion::decimalFractionWorking(decimal, f); });
}

} // namespace sb
