// SPDX-License-Identifier: GPL-3.0-or-later
#include "form14.h"

#include "artwork.h"

#include <QPushButton>

namespace sb {

namespace {

using namespace ui;

FormSpec form14Spec() {
    const QString on = "picOptions";
    return {
        "Form14",
        QT_TRANSLATE_NOOP("Form14", "Donate Using PayPal"),
        6990,
        2355,
        std::nullopt,
        {
            picture("picOptions", {0, 0, 6885, 2385}),
            label("Label12",
                  QT_TRANSLATE_NOOP("Form14", "If you have found this software helpful,"),
                  {720, 120, 5655, 255})
                .in(on),
            label("Label11", QT_TRANSLATE_NOOP("Form14", "Please consider to support the author."),
                  {720, 480, 5055, 255})
                .in(on),
            //: the first line of a sentence that the next line ends ("matter what your home
            //: currency."): part the sentence between the two lines where it reads best
            label("Label15",
                  QT_TRANSLATE_NOOP("Form14", "You can donate via PayPal in US dollars no"),
                  {720, 840, 5895, 255})
                .in(on),
            //: the second line of the sentence that the line before begins
            label("Label16", QT_TRANSLATE_NOOP("Form14", "matter what  your home currency. \n"),
                  {720, 1200, 5775, 255})
                .in(on),
            label("Label13", QT_TRANSLATE_NOOP("Form14", "Press Here"), {3480, 1680, 1455, 375})
                .in(on),
            // the button shows only its picture, so a screen reader reads the picture's word
            button("Command", "", {4920, 1560, 1455, 495})
                .in(on)
                .named(QT_TRANSLATE_NOOP("Form14", "Donate")),
            label("Label14", QT_TRANSLATE_NOOP("Form14", "Thank you for your support."),
                  {600, 2040, 2895, 375})
                .in(on),
        },
        std::nullopt,
    };
}

} // namespace

ui::FormSpec Form14::paper() { return form14Spec(); }

Form14::Form14() : Form(paper()) {
    auto* donate = control<QPushButton>("Command");
    donate->setIcon(artwork::donationButton());
    donate->setIconSize(artwork::donationSize);
}

} // namespace sb
