// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/bidi.h"

#include <gtest/gtest.h>

namespace {

// [ and ] stand for the isolate and its end
QString marked(QString text) {
    return text.replace(QChar(0x2066), u'[').replace(QChar(0x2069), u']');
}

TEST(IsolateFormulas, KeepsFormulasLeftToRightAmongArabicWords) {
    const struct {
        const char16_t* line;
        const char16_t* isolated;
    } cases[] = {
        {u"التباين = 32 ÷ 8 = 4", u"التباين = [32 ÷ 8 = 4]"},
        // the sentence's own punctuation stays with the words
        {u"المساحة = πr²، حيث π = 3.14.", u"المساحة = [πr²]، حيث [π = 3.14]."},
        {u"الحل: x = -0.5", u"الحل: [x = -0.5]"},
        {u"(N - 1)D = 4 × 3 = 12", u"[(N - 1)D = 4 × 3 = 12]"}, // a formula alone
        {u"-2 و 1/3", u"[-2] و [1/3]"},
        {u"قيمة 'a' ليست عددًا", u"قيمة ['a'] ليست عددًا"},
        {u"مثال", u"مثال"},
        {u"بالدرجات (لا بالراديان).", u"بالدرجات (لا بالراديان)."}, // brackets of the words
        {u"عشريًا (2.5)، أو", u"عشريًا [(2.5)]، أو"},
        {u"أوجد Sn (متتالية لا نهائية)", u"أوجد [Sn] (متتالية لا نهائية)"},
        {u"D - الفرق بين حدين", u"[D] - الفرق بين حدين"}, // a dash between words and a letter
        {u"", u""},
    };
    for (const auto& c : cases) {
        const QString line = QString::fromUtf16(c.line);
        EXPECT_EQ(marked(sb::working::isolateFormulas(line)), QString::fromUtf16(c.isolated))
            << qPrintable(line);
        // isolating twice changes nothing
        EXPECT_EQ(sb::working::isolateFormulas(sb::working::isolateFormulas(line)),
                  sb::working::isolateFormulas(line));
    }
}

} // namespace
