<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>ConversionWorking</name>
    <message>
        <source>Fraction bars of the same length: %1.</source>
        <extracomment>%1 is the forms of one value, joined by &quot; = &quot;</extracomment>
        <translation>أشرطة كسور متساوية الطول: %1.</translation>
    </message>
    <message>
        <source>Fraction bars of the same length: %1, at %2 on the number line.</source>
        <extracomment>%1 is the forms of one value, joined by &quot; = &quot;, %2 the value</extracomment>
        <translation>أشرطة كسور متساوية الطول: %1، عند %2 على خط الأعداد.</translation>
    </message>
    <message>
        <source>The exact value is %1: its decimal never ends, so the window shows it rounded to 15 digits, %2</source>
        <translation>القيمة الدقيقة هي %1: وكتابتها العشرية لا تنتهي، لذلك تعرضها النافذة مقرَّبة إلى 15 رقمًا، %2</translation>
    </message>
    <message>
        <source>As a fraction in lowest terms: %1 = %2</source>
        <translation>في أبسط صورة: %1 = %2</translation>
    </message>
    <message>
        <source>A mixed number as an improper fraction: whole number × denominator + numerator, over the same denominator</source>
        <translation>العدد الكسري ككسر غير فعلي: العدد الصحيح × المقام + البسط، على المقام نفسه</translation>
    </message>
    <message>
        <source>The exercise: %1</source>
        <translation>التمرين: %1</translation>
    </message>
    <message>
        <source>The denominator stays as it was typed: %1</source>
        <translation>يبقى المقام كما كُتب: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>الناتج: %1</translation>
    </message>
    <message>
        <source>An improper fraction as a mixed number: divide the numerator by the denominator; the quotient is the whole number, the remainder the new numerator</source>
        <translation>الكسر غير الفعلي كعدد كسري: اقسم البسط على المقام؛ خارج القسمة هو العدد الصحيح، والباقي هو البسط الجديد</translation>
    </message>
    <message>
        <source>Check: %1 × %2 + %3 = %4</source>
        <translation>التحقق: %1 × %2 + %3 = %4</translation>
    </message>
    <message>
        <source>The remainder is 0, so there is no fraction part</source>
        <translation>الباقي 0، لذلك لا يوجد جزء كسري</translation>
    </message>
    <message>
        <source>The window writes the denominator as it was typed: %1</source>
        <translation>تكتب النافذة المقام كما كُتب: %1</translation>
    </message>
    <message>
        <source>The whole number box held &quot;%1&quot;, which is no number, so the window set it to 0 and worked nothing out</source>
        <translation>كانت خانة العدد الصحيح تحوي «%1»، وهذا ليس عددًا، لذلك وضعت النافذة فيها 0 ولم تحسب شيئًا</translation>
    </message>
    <message>
        <source>Press the button again to convert with the whole number 0</source>
        <translation>اضغط الزر مرة أخرى للتحويل بالعدد الصحيح 0</translation>
    </message>
    <message>
        <source>A mixed number as a decimal: divide the numerator by the denominator, then add the whole number</source>
        <translation>العدد الكسري كعدد عشري: اقسم البسط على المقام، ثم أضف العدد الصحيح</translation>
    </message>
    <message>
        <source>The whole number box was empty, so it is 0</source>
        <translation>كانت خانة العدد الصحيح فارغة، لذلك هو 0</translation>
    </message>
    <message>
        <source>A decimal as a fraction: the digits after the decimal point, over 1 with as many zeros as there are digits</source>
        <translation>العدد العشري ككسر: الأرقام بعد الفاصلة العشرية، على 1 متبوعًا بعدد من الأصفار يساوي عدد الأرقام</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n digit after the decimal point: %2</source>
        <extracomment>%1 is the decimal typed, %n the number of digits after its point, %2 those digits</extracomment>
        <translation>
            <numerusform>عدد الأرقام بعد الفاصلة العشرية في %1 هو %n: %2</numerusform>
            <numerusform>عدد الأرقام بعد الفاصلة العشرية في %1 هو %n: %2</numerusform>
            <numerusform>عدد الأرقام بعد الفاصلة العشرية في %1 هو %n: %2</numerusform>
            <numerusform>عدد الأرقام بعد الفاصلة العشرية في %1 هو %n: %2</numerusform>
            <numerusform>عدد الأرقام بعد الفاصلة العشرية في %1 هو %n: %2</numerusform>
            <numerusform>عدد الأرقام بعد الفاصلة العشرية في %1 هو %n: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n digits after the decimal point: %2</source>
        <translation>
            <numerusform>عدد الأرقام بعد الفاصلة العشرية في %1 هو %n: %2</numerusform>
            <numerusform>عدد الأرقام بعد الفاصلة العشرية في %1 هو %n: %2</numerusform>
            <numerusform>عدد الأرقام بعد الفاصلة العشرية في %1 هو %n: %2</numerusform>
            <numerusform>عدد الأرقام بعد الفاصلة العشرية في %1 هو %n: %2</numerusform>
            <numerusform>عدد الأرقام بعد الفاصلة العشرية في %1 هو %n: %2</numerusform>
            <numerusform>عدد الأرقام بعد الفاصلة العشرية في %1 هو %n: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>10 to the power %1 is %2, so the digits make %3</source>
        <extracomment>%1 is the number of digits, %2 that power of 10, %3 the fraction the digits make</extracomment>
        <translation>العدد 10 مرفوعًا للقوة %1 يساوي %2، لذلك تكوّن الأرقام %3</translation>
    </message>
    <message>
        <source>The whole number is the part before the decimal point: %1</source>
        <translation>العدد الصحيح هو الجزء قبل الفاصلة العشرية: %1</translation>
    </message>
    <message>
        <source>Here the minus sign stands for the whole number and the fraction together: %1 is %2</source>
        <translation>هنا تخص إشارة السالب العدد الصحيح والكسر معًا: %1 هو %2</translation>
    </message>
    <message>
        <source>The digits after the decimal point make 0, so there is no fraction part</source>
        <translation>الأرقام بعد الفاصلة العشرية تساوي 0، لذلك لا يوجد جزء كسري</translation>
    </message>
    <message>
        <source>In the other panels each part keeps its own sign: there %1 is typed %2 and -%3/%4</source>
        <extracomment>%1 is the decimal, %2 its whole part, -%3/%4 its fraction part</extracomment>
        <translation>في اللوحات الأخرى يحتفظ كل جزء بإشارته: هناك يُكتب %1 على الصورة %2 و -%3/%4</translation>
    </message>
    <message>
        <source>The window does not reduce the fraction</source>
        <translation>لا تختزل النافذة الكسر</translation>
    </message>
    <message>
        <source>The greatest common divisor of %1 and %2 is 1, so %3 is in lowest terms already</source>
        <translation>القاسم المشترك الأكبر للعددين %1 و %2 هو 1، لذلك %3 في أبسط صورة</translation>
    </message>
    <message>
        <source>Divided by their greatest common divisor %1, in lowest terms: %2 = %3</source>
        <translation>بالقسمة على القاسم المشترك الأكبر %1 نحصل على أبسط صورة: %2 = %3</translation>
    </message>
    <message>
        <source>Every box takes one plain number, such as 3 or %1: no fractions like 3/4</source>
        <translation>تقبل كل خانة عددًا واحدًا بسيطًا، مثل 3 أو %1: لا كسور مثل 3/4</translation>
    </message>
    <message>
        <source>%1: the whole number (0 when there is none), the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Fraction To Improper&quot;</extracomment>
        <translation>%1: العدد الصحيح (0 إن لم يوجد)، والبسط، والمقام</translation>
    </message>
    <message>
        <source>%1: the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Improper To Fraction&quot;</extracomment>
        <translation>%1: البسط والمقام</translation>
    </message>
    <message>
        <source>%1: the whole number (it may be empty), the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Fraction To Decimal&quot;</extracomment>
        <translation>%1: العدد الصحيح (يمكن أن تبقى خانته فارغة)، والبسط، والمقام</translation>
    </message>
    <message>
        <source>%1: a decimal number with a decimal point, such as %2</source>
        <extracomment>%1 is the button &quot;Decimal To Fraction&quot;, %2 a decimal number</extracomment>
        <translation>%1: عدد عشري فيه فاصلة عشرية، مثل %2</translation>
    </message>
    <message>
        <source>You must enter a decimal number in form ab.def</source>
        <translation>يجب أن تدخل عددًا عشريًا على الصورة ab.def</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source> Fraction To Improper </source>
        <translation>إلى كسر غير فعلي</translation>
    </message>
    <message>
        <source>Improper To Fraction</source>
        <translation>إلى عدد كسري</translation>
    </message>
    <message>
        <source>Fraction To Decimal</source>
        <translation>إلى عدد عشري</translation>
    </message>
    <message>
        <source>Decimal To Fraction</source>
        <translation>إلى عدد كسري</translation>
    </message>
    <message>
        <source>Converts Simple Fraction To Improper Fraction</source>
        <translation>تحويل عدد كسري إلى كسر غير فعلي</translation>
    </message>
    <message>
        <source>Whole part</source>
        <translation>الجزء الصحيح</translation>
    </message>
    <message>
        <source>Numerator</source>
        <translation>البسط</translation>
    </message>
    <message>
        <source>Denominator</source>
        <translation>المقام</translation>
    </message>
    <message>
        <source>Converts Improper Fraction To Simple  Fraction</source>
        <translation>تحويل كسر غير فعلي إلى عدد كسري</translation>
    </message>
    <message>
        <source>Converts Simple Fraction To Decimal Fruction</source>
        <translation>تحويل عدد كسري إلى عدد عشري</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>العدد العشري</translation>
    </message>
    <message>
        <source>Converts Decimal Fruction To  Simple Fraction </source>
        <translation>تحويل عدد عشري إلى عدد كسري</translation>
    </message>
    <message>
        <source>Fraction Conversion</source>
        <translation>تحويل الكسور</translation>
    </message>
</context>
</TS>
