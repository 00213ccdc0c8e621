<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Form4</name>
    <message>
        <source>Operators On Fractions</source>
        <translation>العمليات على الكسور</translation>
    </message>
    <message>
        <source>Fraction 1</source>
        <translation>الكسر 1</translation>
    </message>
    <message>
        <source>Fraction 1 whole number</source>
        <translation>الكسر 1، الجزء الصحيح</translation>
    </message>
    <message>
        <source>Fraction 1 numerator</source>
        <translation>الكسر 1، البسط</translation>
    </message>
    <message>
        <source>Fraction 1 denominator</source>
        <translation>الكسر 1، المقام</translation>
    </message>
    <message>
        <source>The Operator</source>
        <translation>رمز العملية</translation>
    </message>
    <message>
        <source>Fraction 2</source>
        <translation>الكسر 2</translation>
    </message>
    <message>
        <source>Fraction 2 whole number</source>
        <translation>الكسر 2، الجزء الصحيح</translation>
    </message>
    <message>
        <source>Fraction 2 numerator</source>
        <translation>الكسر 2، البسط</translation>
    </message>
    <message>
        <source>Fraction 2 denominator</source>
        <translation>الكسر 2، المقام</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>الناتج</translation>
    </message>
    <message>
        <source>Result whole number</source>
        <translation>الناتج، الجزء الصحيح</translation>
    </message>
    <message>
        <source>Result numerator</source>
        <translation>الناتج، البسط</translation>
    </message>
    <message>
        <source>Result denominator</source>
        <translation>الناتج، المقام</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>المقارنة</translation>
    </message>
    <message>
        <source>Common Denominator</source>
        <translation>المقام المشترك</translation>
    </message>
    <message>
        <source>Make Common Denominator</source>
        <translation>إيجاد المقام المشترك</translation>
    </message>
    <message>
        <source>Common Denominator Result</source>
        <translation>المقام المشترك، الناتج</translation>
    </message>
    <message>
        <source>Reduction</source>
        <translation>الاختزال</translation>
    </message>
    <message>
        <source>Reduction numerator</source>
        <translation>الاختزال، البسط</translation>
    </message>
    <message>
        <source>Reduction denominator</source>
        <translation>الاختزال، المقام</translation>
    </message>
    <message>
        <source>Reduction Result numerator</source>
        <translation>الاختزال، الناتج، البسط</translation>
    </message>
    <message>
        <source>Reduction Result denominator</source>
        <translation>الاختزال، الناتج، المقام</translation>
    </message>
</context>
<context>
    <name>FractionsWorking</name>
    <message>
        <source>The bars of %1 are not cut: %2 is not a whole number of parts</source>
        <extracomment>%1 is what the bars show (a fraction), %2 how many equal pieces a bar is cut into</extracomment>
        <translation>لم تُقسَّم أشرطة %1: فالعدد %2 ليس عددًا صحيحًا من الأجزاء</translation>
    </message>
    <message>
        <source>The %1 bars of %2 are drawn as one length, without their parts: too many to tell apart</source>
        <extracomment>%1 is how many bars there are, %2 what they show (a fraction)</extracomment>
        <translation>رُسمت أشرطة %2 وعددها %1 كطول واحد دون أجزائها: فهي أكثر من أن تُميَّز</translation>
    </message>
    <message>
        <source>The bars of %1 are not cut into their %2 parts: too many to tell apart</source>
        <extracomment>%1 is what the bars show (a fraction), %2 how many equal pieces a bar is cut into</extracomment>
        <translation>لم تُقسَّم أشرطة %1 إلى أجزائها وعددها %2: فهي أكثر من أن تُميَّز</translation>
    </message>
    <message>
        <source>The numbers are too large to draw.</source>
        <translation>الأعداد أكبر من أن تُرسم.</translation>
    </message>
    <message>
        <source>Number Can&apos;t Be Zero!!!</source>
        <translation>لا يمكن أن يكون العدد صفرًا!</translation>
    </message>
    <message>
        <source>Please Set the operation [+ - * / &lt; &gt; =]!!!.</source>
        <translation>أدخل رمز العملية [+ - * / &lt; &gt; =]!</translation>
    </message>
    <message>
        <source>Fraction 2 Can&apos;t be equals to zero </source>
        <translation>لا يمكن أن يساوي الكسر 2 صفرًا.</translation>
    </message>
    <message>
        <source>True</source>
        <translation>صحيح</translation>
    </message>
    <message>
        <source>False</source>
        <translation>خاطئ</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a mixed number: %1 is its whole number, %2 its fraction (&quot;4 and 1/6&quot;)</extracomment>
        <translation>%1 و %2</translation>
    </message>
    <message>
        <source>The whole part is %1; it is taken as the whole number %2</source>
        <translation>الجزء الصحيح هو %1؛ ويؤخذ كالعدد الصحيح %2</translation>
    </message>
    <message>
        <source>The numerator is %1; it is taken as the whole number %2</source>
        <translation>البسط هو %1؛ ويؤخذ كالعدد الصحيح %2</translation>
    </message>
    <message>
        <source>The denominator is %1; it is taken as the whole number %2</source>
        <translation>المقام هو %1؛ ويؤخذ كالعدد الصحيح %2</translation>
    </message>
    <message>
        <source>The whole part of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>الجزء الصحيح للكسر 1 هو %1؛ ويؤخذ كالعدد الصحيح %2</translation>
    </message>
    <message>
        <source>The numerator of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>بسط الكسر 1 هو %1؛ ويؤخذ كالعدد الصحيح %2</translation>
    </message>
    <message>
        <source>The denominator of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>مقام الكسر 1 هو %1؛ ويؤخذ كالعدد الصحيح %2</translation>
    </message>
    <message>
        <source>The whole part of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>الجزء الصحيح للكسر 2 هو %1؛ ويؤخذ كالعدد الصحيح %2</translation>
    </message>
    <message>
        <source>The numerator of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>بسط الكسر 2 هو %1؛ ويؤخذ كالعدد الصحيح %2</translation>
    </message>
    <message>
        <source>The denominator of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>مقام الكسر 2 هو %1؛ ويؤخذ كالعدد الصحيح %2</translation>
    </message>
    <message>
        <source>The number B is %1; it is taken as the whole number %2</source>
        <translation>العدد B هو %1؛ ويؤخذ كالعدد الصحيح %2</translation>
    </message>
    <message>
        <source>%1 = %2: every number divides 0, so the gcd is the first number</source>
        <translation>%1 = %2: كل عدد يقسم 0، لذا فالقاسم المشترك الأكبر هو العدد الأول</translation>
    </message>
    <message>
        <source>Euclid: divide, then divide the divisor by the remainder, until the remainder is 0</source>
        <translation>خوارزمية إقليدس: اقسم، ثم اقسم المقسوم عليه على الباقي، حتى يصبح الباقي 0</translation>
    </message>
    <message>
        <source>The last divisor is the greatest common divisor: %1 = %2</source>
        <translation>آخر مقسوم عليه هو القاسم المشترك الأكبر: %1 = %2</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3, remainder %4</source>
        <extracomment>a division with remainder: %1 ÷ %2 = %3 is the whole quotient, %4 what is left</extracomment>
        <translation>%1 ÷ %2 = %3، والباقي %4</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>يحتفظ كل جزء بإشارته: %1 و %2 يساوي %1 - %3 = %4، أي سالب %5 و %3</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>يحتفظ كل جزء بإشارته: %1 و %2 يساوي %1 + %3 = %4، وليس سالب %5 و %3</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>يحتفظ كل جزء بإشارته: %1 و %2 يساوي %1 - %3 = %4، وليس %5 و %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>في الكسر 1 يحتفظ كل جزء بإشارته: %1 و %2 يساوي %1 - %3 = %4، أي سالب %5 و %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>في الكسر 1 يحتفظ كل جزء بإشارته: %1 و %2 يساوي %1 + %3 = %4، وليس سالب %5 و %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>في الكسر 1 يحتفظ كل جزء بإشارته: %1 و %2 يساوي %1 - %3 = %4، وليس %5 و %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>في الكسر 2 يحتفظ كل جزء بإشارته: %1 و %2 يساوي %1 - %3 = %4، أي سالب %5 و %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>في الكسر 2 يحتفظ كل جزء بإشارته: %1 و %2 يساوي %1 + %3 = %4، وليس سالب %5 و %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>في الكسر 2 يحتفظ كل جزء بإشارته: %1 و %2 يساوي %1 - %3 = %4، وليس %5 و %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>في الناتج يحتفظ كل جزء بإشارته: %1 و %2 يساوي %1 - %3 = %4، أي سالب %5 و %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>في الناتج يحتفظ كل جزء بإشارته: %1 و %2 يساوي %1 + %3 = %4، وليس سالب %5 و %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>في الناتج يحتفظ كل جزء بإشارته: %1 و %2 يساوي %1 - %3 = %4، وليس %5 و %3</translation>
    </message>
    <message>
        <source>For minus %1 and %2, that is %3, type %4 and %5</source>
        <translation>للعدد سالب %1 و %2، أي %3، أدخل %4 و %5</translation>
    </message>
    <message>
        <source>For %1 and %2, that is %3, type %4 and %5</source>
        <translation>للعدد %1 و %2، أي %3، أدخل %4 و %5</translation>
    </message>
    <message>
        <source>In lowest terms: %1, that is %2</source>
        <translation>في أبسط صورة: %1، أي %2</translation>
    </message>
    <message>
        <source>In lowest terms: %1 is %2, that is %3</source>
        <translation>في أبسط صورة: %1 يساوي %2، أي %3</translation>
    </message>
    <message>
        <source>fraction 1</source>
        <translation>الكسر 1</translation>
    </message>
    <message>
        <source>fraction 2</source>
        <translation>الكسر 2</translation>
    </message>
    <message>
        <source>The common denominator of %1 and %2 is C = %3</source>
        <translation>المقام المشترك للعددين %1 و %2 هو C = %3</translation>
    </message>
    <message>
        <source>The least common multiple: %1 × %2 ÷ %3 = %4</source>
        <translation>المضاعف المشترك الأصغر: %1 × %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>Fraction 1 as an improper fraction: (%1 × %2 + %3)/%2 = %4</source>
        <translation>الكسر 1 ككسر غير فعلي: (%1 × %2 + %3)/%2 = %4</translation>
    </message>
    <message>
        <source>Fraction 2 as an improper fraction: (%1 × %2 + %3)/%2 = %4</source>
        <translation>الكسر 2 ككسر غير فعلي: (%1 × %2 + %3)/%2 = %4</translation>
    </message>
    <message>
        <source>The window writes the numerator %1 and reads it back as the whole number %2</source>
        <translation>تكتب النافذة البسط %1 ثم تقرؤه عددًا صحيحًا %2</translation>
    </message>
    <message>
        <source>As a mixed number: %1</source>
        <translation>كعدد كسري: %1</translation>
    </message>
    <message>
        <source>Add the whole numbers and the fractions apart</source>
        <translation>اجمع الأعداد الصحيحة والكسور كلًّا على حدة</translation>
    </message>
    <message>
        <source>Rule: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C, with C the common denominator of b and d</source>
        <translation>القاعدة: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C، حيث C هو المقام المشترك لـ b و d</translation>
    </message>
    <message>
        <source>So %1 + %2 = %3</source>
        <translation>إذن %1 + %2 = %3</translation>
    </message>
    <message>
        <source>The whole numbers: %1 + %2 = %3</source>
        <translation>الأعداد الصحيحة: %1 + %2 = %3</translation>
    </message>
    <message>
        <source>%1 is rounded to the whole number %2</source>
        <translation>يُقرَّب %1 إلى العدد الصحيح %2</translation>
    </message>
    <message>
        <source>With the %1 from the fraction: %2 + %3 = %4</source>
        <extracomment>%1 is the whole number the fraction part gave, added to the whole numbers&apos; sum %2</extracomment>
        <translation>مع العدد %1 الناتج من الكسر: %2 + %3 = %4</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then take them away</source>
        <translation>اكتب كل عدد كسري ككسر غير فعلي، ثم اطرح</translation>
    </message>
    <message>
        <source>Rule: a/b - c/d = ((C ÷ b) × a - (C ÷ d) × c)/C, with C the common denominator of b and d</source>
        <translation>القاعدة: a/b - c/d = ((C ÷ b) × a - (C ÷ d) × c)/C، حيث C هو المقام المشترك لـ b و d</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then multiply</source>
        <translation>اكتب كل عدد كسري ككسر غير فعلي، ثم اضرب</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then divide</source>
        <translation>اكتب كل عدد كسري ككسر غير فعلي، ثم اقسم</translation>
    </message>
    <message>
        <source>Rule: a/b × c/d = (a × c)/(b × d)</source>
        <translation>القاعدة: a/b × c/d = (a × c)/(b × d)</translation>
    </message>
    <message>
        <source>Rule: a/b ÷ c/d = (a × d)/(b × c): multiply by the second fraction turned upside down</source>
        <translation>القاعدة: a/b ÷ c/d = (a × d)/(b × c): اضرب في مقلوب الكسر الثاني</translation>
    </message>
    <message>
        <source>Numerators: %1 × %2 = %3; denominators: %4 × %5 = %6</source>
        <translation>البسطان: %1 × %2 = %3؛ المقامان: %4 × %5 = %6</translation>
    </message>
    <message>
        <source>To reduce %1, its greatest common divisor: gcd(%2, %3) = %4</source>
        <translation>لاختزال %1 نجد القاسم المشترك الأكبر: gcd(%2, %3) = %4</translation>
    </message>
    <message>
        <source>Dividing by 1 changes nothing: %1 is in lowest terms already</source>
        <translation>القسمة على 1 لا تغيّر شيئًا: %1 في أبسط صورة أصلًا</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 and %4 ÷ %2 = %5, so %6 = %7</source>
        <translation>%1 ÷ %2 = %3 و %4 ÷ %2 = %5، إذن %6 = %7</translation>
    </message>
    <message>
        <source>%1 is less than %2</source>
        <translation>%1 أصغر من %2</translation>
    </message>
    <message>
        <source>%1 is greater than %2</source>
        <translation>%1 أكبر من %2</translation>
    </message>
    <message>
        <source>%1 is equal to %2</source>
        <translation>%1 يساوي %2</translation>
    </message>
    <message>
        <source>Compare the exact values: write each number as one fraction</source>
        <translation>قارن القيم الدقيقة: اكتب كل عدد ككسر واحد</translation>
    </message>
    <message>
        <source>Fraction 1: %1 = %2</source>
        <translation>الكسر 1: %1 = %2</translation>
    </message>
    <message>
        <source>Fraction 2: %1 = %2</source>
        <translation>الكسر 2: %1 = %2</translation>
    </message>
    <message>
        <source>Both have the denominator %1, so compare the numerators</source>
        <translation>للعددين المقام نفسه %1، لذا قارن البسطين</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 = %3/%1, and %4 has it already</source>
        <translation>بالمقام المشترك %1: %2 = %3/%1، و %4 له هذا المقام أصلًا</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 has it already, and %3 = %4/%1</source>
        <translation>بالمقام المشترك %1: %2 له هذا المقام أصلًا، و %3 = %4/%1</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 = %3/%1 and %4 = %5/%1</source>
        <translation>بالمقام المشترك %1: %2 = %3/%1 و %4 = %5/%1</translation>
    </message>
    <message>
        <source>%1 is less than %2, so %3 is less than %4</source>
        <extracomment>%1 and %2 are the numerators over the common denominator, %3 and %4 the two numbers</extracomment>
        <translation>%1 أصغر من %2، إذن %3 أصغر من %4</translation>
    </message>
    <message>
        <source>%1 is greater than %2, so %3 is greater than %4</source>
        <translation>%1 أكبر من %2، إذن %3 أكبر من %4</translation>
    </message>
    <message>
        <source>%1 is equal to %2, so %3 is equal to %4</source>
        <translation>%1 يساوي %2، إذن %3 يساوي %4</translation>
    </message>
    <message>
        <source>As decimals: fraction 1 is %1 and fraction 2 is %2</source>
        <translation>كعددين عشريين: الكسر 1 هو %1 والكسر 2 هو %2</translation>
    </message>
    <message>
        <source>Written with 15 digits both are %1: the values differ beyond the digits shown</source>
        <translation>عند كتابتهما بـ 15 رقمًا يكون كلاهما %1: تختلف القيمتان بعد الأرقام المعروضة</translation>
    </message>
    <message>
        <source>Compare the two numbers as decimals: whole number + numerator ÷ denominator</source>
        <translation>قارن العددين كعددين عشريين: العدد الصحيح + البسط ÷ المقام</translation>
    </message>
    <message>
        <source>Fraction 1: %1 + %2 ÷ %3 = %4</source>
        <translation>الكسر 1: %1 + %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>Fraction 2: %1 + %2 ÷ %3 = %4</source>
        <translation>الكسر 2: %1 + %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>%1 is less than %2: they differ beyond the digits shown</source>
        <translation>%1 أصغر من %2: يختلفان بعد الأرقام المعروضة</translation>
    </message>
    <message>
        <source>%1 is greater than %2: they differ beyond the digits shown</source>
        <translation>%1 أكبر من %2: يختلفان بعد الأرقام المعروضة</translation>
    </message>
    <message>
        <source>So %1 %2 %3 is %4</source>
        <extracomment>%1 %2 %3 is the comparison typed, %4 the window&apos;s answer (True or False)</extracomment>
        <translation>إذن العبارة %1 %2 %3: %4</translation>
    </message>
    <message>
        <source>fraction 1 = fraction 2</source>
        <translation>الكسر 1 = الكسر 2</translation>
    </message>
    <message>
        <source>fractions 1 and 2</source>
        <translation>الكسران 1 و 2</translation>
    </message>
    <message>
        <source>fraction 1 (greater)</source>
        <translation>الكسر 1 (الأكبر)</translation>
    </message>
    <message>
        <source>fraction 2 (greater)</source>
        <translation>الكسر 2 (الأكبر)</translation>
    </message>
    <message>
        <source>Fraction bars of the same length and a number line: %1 is equal to %2, so %1 %3 %2 is %4.</source>
        <extracomment>%1 and %2 are the two numbers, %3 the comparison&apos;s sign, %4 the answer (True or False)</extracomment>
        <translation>أشرطة كسور متساوية الطول وخط الأعداد: %1 يساوي %2، إذن العبارة %1 %3 %2: %4.</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 is less than %2, so %1 %3 %2 is %4.</source>
        <translation>أشرطة الكسور وخط الأعداد: %1 أصغر من %2، إذن العبارة %1 %3 %2: %4.</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 is greater than %2, so %1 %3 %2 is %4.</source>
        <translation>أشرطة الكسور وخط الأعداد: %1 أكبر من %2، إذن العبارة %1 %3 %2: %4.</translation>
    </message>
    <message>
        <source>result</source>
        <translation>الناتج</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 %2 %3 = %4, which is %5.</source>
        <extracomment>%1 %2 %3 is the exercise, %4 the answer as a mixed number and %5 its value as a decimal</extracomment>
        <translation>أشرطة الكسور وخط الأعداد: %1 %2 %3 = %4، أي %5.</translation>
    </message>
    <message>
        <source>Check with the exact values: %1 %2 %3 = %4</source>
        <translation>التحقق بالقيم الدقيقة: %1 %2 %3 = %4</translation>
    </message>
    <message>
        <source>Check with the exact values: %1 %2 %3 = %4, and %5 is %4 too</source>
        <translation>التحقق بالقيم الدقيقة: %1 %2 %3 = %4، و %5 يساوي %4 أيضًا</translation>
    </message>
    <message>
        <source>Fraction 2 as an improper fraction: (%1 × %2 + %3)/%2 = %4, which is 0</source>
        <translation>الكسر 2 ككسر غير فعلي: (%1 × %2 + %3)/%2 = %4، وهو 0</translation>
    </message>
    <message>
        <source>Nothing can be divided by 0, so there is no answer</source>
        <translation>لا يمكن القسمة على 0، لذا لا يوجد ناتج</translation>
    </message>
    <message>
        <source>The whole number box of fraction 1 held no number, so the window set it to 0</source>
        <translation>لم تحتوِ خانة العدد الصحيح للكسر 1 على عدد، لذا وضعت النافذة فيها 0</translation>
    </message>
    <message>
        <source>The whole number box of fraction 2 held no number, so the window set it to 0</source>
        <translation>لم تحتوِ خانة العدد الصحيح للكسر 2 على عدد، لذا وضعت النافذة فيها 0</translation>
    </message>
    <message>
        <source>The exercise: %1 %2 %3</source>
        <translation>التمرين: %1 %2 %3</translation>
    </message>
    <message>
        <source>The fraction part is 0, so only the whole number is left</source>
        <translation>الجزء الكسري يساوي 0، لذا يبقى العدد الصحيح وحده</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>الناتج: %1</translation>
    </message>
    <message>
        <source>multiples of %1</source>
        <translation>مضاعفات %1</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line.</source>
        <translation>مضاعفات %1 و %2 على خط الأعداد.</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line, meeting at %3.</source>
        <translation>مضاعفات %1 و %2 على خط الأعداد، وتلتقي عند %3.</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line, and the result %3, which is not a multiple of both.</source>
        <translation>مضاعفات %1 و %2 على خط الأعداد، والناتج %3 الذي ليس مضاعفًا لكليهما.</translation>
    </message>
    <message>
        <source>The %1 multiples of %2 are too many to draw one by one.</source>
        <extracomment>%1 is how many multiples there are, %2 the number they are multiples of</extracomment>
        <translation>مضاعفات %2 وعددها %1 أكثر من أن تُرسم واحدًا واحدًا.</translation>
    </message>
    <message>
        <source>The %1 multiples of %2 are too many to draw one by one; the %3 multiples of %4 are too many to draw one by one.</source>
        <translation>مضاعفات %2 وعددها %1 أكثر من أن تُرسم واحدًا واحدًا؛ ومضاعفات %4 وعددها %3 أكثر من أن تُرسم واحدًا واحدًا.</translation>
    </message>
    <message>
        <source>The common denominator of A and B is A × B ÷ gcd(A, B): the smallest number both divide</source>
        <translation>المقام المشترك لـ A و B هو A × B ÷ gcd(A, B): أصغر عدد يقبل القسمة على كليهما</translation>
    </message>
    <message>
        <source>A = %1 enters the product as typed, and its whole number %2 the greatest common divisor</source>
        <translation>يدخل A = %1 في حاصل الضرب كما أُدخل، ويدخل عدده الصحيح %2 في القاسم المشترك الأكبر</translation>
    </message>
    <message>
        <source>The greatest common divisor of %1 and %2 is %3</source>
        <translation>القاسم المشترك الأكبر للعددين %1 و %2 هو %3</translation>
    </message>
    <message>
        <source>A common denominator is a whole number; %1 is none, because A = %2 entered the product as typed</source>
        <translation>المقام المشترك عدد صحيح؛ و %1 ليس كذلك، لأن A = %2 دخل في حاصل الضرب كما أُدخل</translation>
    </message>
    <message>
        <source>A × B is negative, so the window&apos;s result is negative too; a common denominator is taken positive: %1</source>
        <translation>A × B سالب، لذا يكون ناتج النافذة سالبًا أيضًا؛ ويؤخذ المقام المشترك موجبًا: %1</translation>
    </message>
    <message>
        <source>The window&apos;s greatest common divisor %1 is negative, so its result is negative too; a common denominator is taken positive: %2</source>
        <translation>القاسم المشترك الأكبر في النافذة %1 سالب، لذا يكون ناتجها سالبًا أيضًا؛ ويؤخذ المقام المشترك موجبًا: %2</translation>
    </message>
    <message>
        <source>To reduce a fraction, divide its numerator and its denominator by their greatest common divisor</source>
        <translation>لاختزال كسر، اقسم بسطه ومقامه على القاسم المشترك الأكبر لهما</translation>
    </message>
    <message>
        <source>The divisor is negative, so both signs change; the value stays the same</source>
        <translation>المقسوم عليه سالب، لذا تتغير الإشارتان؛ وتبقى القيمة نفسها</translation>
    </message>
    <message>
        <source>Answer: %1 = %2</source>
        <translation>الناتج: %1 = %2</translation>
    </message>
    <message>
        <source>A numerator of 0 makes the fraction 0: the greatest common divisor of 0 and a number is that number, so %1 reduces to %2</source>
        <translation>البسط 0 يجعل الكسر 0: القاسم المشترك الأكبر للعدد 0 وعدد ما هو ذلك العدد، لذا يُختزل %1 إلى %2</translation>
    </message>
    <message>
        <source>The minus sign of the denominator belongs to the whole fraction; a book writes it in front: %1 = %2</source>
        <translation>إشارة السالب في المقام تخص الكسر كله؛ ويكتبها الكتاب أمامه: %1 = %2</translation>
    </message>
    <message>
        <source>Two bars of the same length: %1 = %2, at %3 on the number line.</source>
        <translation>شريطان متساويا الطول: %1 = %2، عند %3 على خط الأعداد.</translation>
    </message>
    <message>
        <source>Every box takes one plain number, such as 3 or 12: no fractions like 3/4</source>
        <translation>تقبل كل خانة عددًا واحدًا بسيطًا مثل 3 أو 12: لا كسور مثل 3/4</translation>
    </message>
    <message>
        <source>Result: two mixed numbers (a whole number, a numerator and a denominator each) and one operator: + - * / &lt; &gt; =</source>
        <translation>الناتج: عددان كسريان (لكل منهما عدد صحيح وبسط ومقام) ورمز عملية واحد: + - * / &lt; &gt; =</translation>
    </message>
    <message>
        <source>Make Common Denominator: two whole numbers A and B, not 0</source>
        <translation>إيجاد المقام المشترك: عددان صحيحان A و B، غير 0</translation>
    </message>
    <message>
        <source>Reduction: a numerator and a denominator that is not 0</source>
        <translation>الاختزال: بسط ومقام لا يساوي 0</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 and %4 ÷ %2 = %5</source>
        <translation>%1 ÷ %2 = %3 و %4 ÷ %2 = %5</translation>
    </message>
</context>
</TS>
