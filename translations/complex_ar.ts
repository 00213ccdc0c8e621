<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>ComplexNumbers</name>
    <message>
        <source>Please Set the operation [+ - * / &lt; &gt; =]!!!.</source>
        <translation>أدخل العملية [+ - * / &lt; &gt; =].</translation>
    </message>
    <message>
        <source>Complex Number two csn&apos;t be zero!!!.</source>
        <translation>لا يجوز أن يكون العدد المركب الثاني صفرًا.</translation>
    </message>
</context>
<context>
    <name>ComplexWorking</name>
    <message>
        <source>Re</source>
        <extracomment>the name of the real axis of an Argand diagram, as short as &quot;Re&quot;</extracomment>
        <translation>Re</translation>
    </message>
    <message>
        <source>Im</source>
        <extracomment>the name of the imaginary axis of an Argand diagram, as short as &quot;Im&quot;</extracomment>
        <translation>Im</translation>
    </message>
    <message>
        <source>These numbers are too large to draw to scale.</source>
        <translation>هذه الأعداد أكبر من أن تُرسم بمقياس رسم.</translation>
    </message>
    <message>
        <source>No figure: the numbers are too large to draw to scale.</source>
        <translation>لا يوجد شكل: الأعداد أكبر من أن تُرسم بمقياس رسم.</translation>
    </message>
    <message>
        <source>To add, add the real parts and add the imaginary parts: (a + bi) + (c + di) = (a + c) + (b + d)i.</source>
        <translation>للجمع، اجمع الجزأين الحقيقيين واجمع الجزأين التخيليين: (a + bi) + (c + di) = (a + c) + (b + d)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their sum %3, the diagonal of the dashed parallelogram.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their sum</extracomment>
        <translation>مستوى أرجاند: z1 = %1 و z2 = %2 على شكل سهمين؛ مجموعهما %3 هو قطر متوازي الأضلاع المتقطع.</translation>
    </message>
    <message>
        <source>To subtract, subtract the real parts and the imaginary parts: (a + bi) - (c + di) = (a - c) + (b - d)i.</source>
        <translation>للطرح، اطرح الجزأين الحقيقيين والجزأين التخيليين: (a + bi) - (c + di) = (a - c) + (b - d)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their difference %3, the diagonal of the dashed parallelogram.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their difference</extracomment>
        <translation>مستوى أرجاند: z1 = %1 و z2 = %2 على شكل سهمين؛ الفرق بينهما %3 هو قطر متوازي الأضلاع المتقطع.</translation>
    </message>
    <message>
        <source>To multiply, multiply out the brackets, with i² = -1: (a + bi)(c + di) = (ac - bd) + (bc + ad)i.</source>
        <translation>للضرب، افتح الأقواس مع العلم أن i² = -1: (a + bi)(c + di) = (ac - bd) + (bc + ad)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their product %3.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their product</extracomment>
        <translation>مستوى أرجاند: z1 = %1 و z2 = %2 على شكل سهمين؛ حاصل ضربهما %3.</translation>
    </message>
    <message>
        <source>To divide, multiply the top and the bottom by c - di, which makes the bottom the real number c² + d²: (a + bi) ÷ (c + di) = ((ac + bd) + (bc - ad)i) ÷ (c² + d²).</source>
        <translation>للقسمة، اضرب البسط والمقام في c - di، فيصبح المقام العدد الحقيقي c² + d²: (a + bi) ÷ (c + di) = ((ac + bd) + (bc - ad)i) ÷ (c² + d²).</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their quotient %3.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their quotient</extracomment>
        <translation>مستوى أرجاند: z1 = %1 و z2 = %2 على شكل سهمين؛ خارج قسمتهما %3.</translation>
    </message>
    <message>
        <source>Real part: %1</source>
        <extracomment>a line of the working: %1 is the calculation of the real part of the result</extracomment>
        <translation>الجزء الحقيقي: %1</translation>
    </message>
    <message>
        <source>Imaginary part: %1</source>
        <extracomment>a line of the working: %1 is the calculation of the imaginary part of the result</extracomment>
        <translation>الجزء التخيلي: %1</translation>
    </message>
    <message>
        <source>z1 = a + bi = %1 and z2 = c + di = %2</source>
        <translation>z1 = a + bi = %1 و z2 = c + di = %2</translation>
    </message>
    <message>
        <source>Answer: R = %1 and Im = %2, that is %3</source>
        <extracomment>%1 and %2 are the answers of the window, %3 the same number written a + bi</extracomment>
        <translation>الناتج: R = %1 و Im = %2، أي %3</translation>
    </message>
    <message>
        <source>The powers of i repeat in fours: i⁰ = 1, i¹ = i, i² = -1, i³ = -i, and i⁴ = 1 again.</source>
        <translation>تتكرر قوى i كل أربع قوى: i⁰ = 1، i¹ = i، i² = -1، i³ = -i، ثم i⁴ = 1 من جديد.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number. Rounded to the nearest one (a half to the even one) it gives %2, but the window divides with decimals rounded to about 16 digits: its N came out a hair below %1, so it rounds to N = %3.</source>
        <extracomment>%1 is the fraction typed, %2 the whole number nearest to it, %3 the whole number the window rounded to</extracomment>
        <translation>N = %1 ليس عددًا صحيحًا. بتقريبه إلى أقرب عدد صحيح (النصف إلى العدد الزوجي) نحصل على %2، لكن النافذة تقسم بأعداد عشرية مقرَّبة إلى نحو 16 رقمًا: فخرج N عندها أقل بقليل جدًا من %1، لذلك يُقرَّب إلى N = %3.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number. Rounded to the nearest one (a half to the even one) it gives %2, but the window divides with decimals rounded to about 16 digits: its N came out a hair above %1, so it rounds to N = %3.</source>
        <extracomment>%1 is the fraction typed, %2 the whole number nearest to it, %3 the whole number the window rounded to</extracomment>
        <translation>N = %1 ليس عددًا صحيحًا. بتقريبه إلى أقرب عدد صحيح (النصف إلى العدد الزوجي) نحصل على %2، لكن النافذة تقسم بأعداد عشرية مقرَّبة إلى نحو 16 رقمًا: فخرج N عندها أكبر بقليل جدًا من %1، لذلك يُقرَّب إلى N = %3.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number: it is rounded to the nearest one (a half to the even one), N = %2.</source>
        <translation>N = %1 ليس عددًا صحيحًا: يُقرَّب إلى أقرب عدد صحيح (النصف إلى العدد الزوجي)، N = %2.</translation>
    </message>
    <message>
        <source>N = %1 is rounded to the nearest whole number (a half to the even one), N = %2.</source>
        <translation>يُقرَّب N = %1 إلى أقرب عدد صحيح (النصف إلى العدد الزوجي)، N = %2.</translation>
    </message>
    <message>
        <source>Take away fours: %1 = 4 × %2 + %3, so i%4 = i%5</source>
        <extracomment>%1 = 4 × %2 + %3 writes N with its fours taken away; i%4 is i to the power N, i%5 to the power left over</extracomment>
        <translation>اطرح مضاعفات 4: %1 = 4 × %2 + %3، إذن i%4 = i%5</translation>
    </message>
    <message>
        <source>Take away fours: %1 = 4 × %2 + %3</source>
        <translation>اطرح مضاعفات 4: %1 = 4 × %2 + %3</translation>
    </message>
    <message>
        <source>Answer: i%1 = %2</source>
        <extracomment>i%1 is i to the power N, %2 the answer</extracomment>
        <translation>الناتج: i%1 = %2</translation>
    </message>
    <message>
        <source>Unit circle with the powers 1, i, -1 and -i; i%1 = %2, %3 quarter turns on from 1.</source>
        <extracomment>i%1 is i to the power N, %2 the answer, %3 the number of quarter turns (0 to 3)</extracomment>
        <translation>دائرة الوحدة مع القوى 1 و i و -1 و -i؛ i%1 = %2، وعدد أرباع الدورة بدءًا من 1: %3.</translation>
    </message>
    <message>
        <source>Its polar form is r × (cos θ + i sin θ): r = √(x² + y²) is the length of its arrow, θ its angle from the positive real axis. The window writes it Root(x² + y²)*Cos(θ) + Root(x² + y²)*i*Sin(θ), θ in degrees.</source>
        <translation>صورته المثلثية r × (cos θ + i sin θ): حيث r = √(x² + y²) طول سهمه، و θ زاويته مع الاتجاه الموجب للمحور الحقيقي. تكتبها النافذة Root(x² + y²)*Cos(θ) + Root(x² + y²)*i*Sin(θ)، و θ بالدرجات.</translation>
    </message>
    <message>
        <source>%1, the length of the arrow</source>
        <extracomment>%1 is the calculation of r</extracomment>
        <translation>%1، طول السهم</translation>
    </message>
    <message>
        <source>r = %1 = %2, the length of the arrow</source>
        <translation>r = %1 = %2، طول السهم</translation>
    </message>
    <message>
        <source>x = 0 and y is more than 0: the arrow points straight up, so the angle is 90°.</source>
        <translation>x = 0 و y أكبر من 0: يتجه السهم إلى الأعلى مباشرة، لذا الزاوية 90°.</translation>
    </message>
    <message>
        <source>x = 0 and y is less than 0: the arrow points straight down, so the angle is -90°.</source>
        <translation>x = 0 و y أصغر من 0: يتجه السهم إلى الأسفل مباشرة، لذا الزاوية -90°.</translation>
    </message>
    <message>
        <source>z is 0: it points nowhere, and its angle is taken as 0°.</source>
        <translation>z يساوي 0: لا يتجه إلى أي جهة، وتُعدّ زاويته 0°.</translation>
    </message>
    <message>
        <source>The angle: arctan(y ÷ x) = arctan(%1 ÷ %2) = %3°</source>
        <translation>الزاوية: arctan(y ÷ x) = arctan(%1 ÷ %2) = %3°</translation>
    </message>
    <message>
        <source>x is less than 0, so the arrow points left: turn by half a circle, %1 %2 180 = %3°</source>
        <extracomment>%1 %2 180 = %3° is the calculation: the arctangent, + or -, 180, the angle</extracomment>
        <translation>x أصغر من 0، لذا يتجه السهم إلى اليسار: نُدير نصف دورة، %1 %2 180 = %3°</translation>
    </message>
    <message>
        <source>Rounded to 2 places: %1°</source>
        <translation>بالتقريب إلى منزلتين عشريتين: %1°</translation>
    </message>
    <message>
        <source>-180° points the same way as 180°, so the angle is 180°.</source>
        <translation>تشير -180° إلى الاتجاه نفسه الذي تشير إليه 180°، لذا الزاوية 180°.</translation>
    </message>
    <message>
        <source>Answer: %1, that is %2</source>
        <extracomment>%1 is the window&apos;s answer, %2 the same number as a textbook writes it</extracomment>
        <translation>الناتج: %1، أي %2</translation>
    </message>
    <message>
        <source>Answer: %1, that is about %2, the angle rounded to 2 places</source>
        <translation>الناتج: %1، أي تقريبًا %2، مع تقريب الزاوية إلى منزلتين عشريتين</translation>
    </message>
    <message>
        <source>Check: %1 and %2 are %3 and %4, so %5 × (%6) = %7</source>
        <extracomment>%1 and %2 are cos and sin of the angle, %3 and %4 their values; %5 × (%6) = %7 multiplies r out to give the number again</extracomment>
        <translation>التحقق: %1 و %2 يساويان %3 و %4، إذن %5 × (%6) = %7</translation>
    </message>
    <message>
        <source>Argand diagram: the arrow to %1, of length %2, at %3° from the positive real axis.</source>
        <extracomment>%1 is the number, %2 the length of its arrow, %3 its angle</extracomment>
        <translation>مستوى أرجاند: السهم إلى %1، وطوله %2، بزاوية %3° مع الاتجاه الموجب للمحور الحقيقي.</translation>
    </message>
    <message>
        <source>R and Im: the real part a and the imaginary part b of a number a + bi, each %1.</source>
        <extracomment>%1 tells the forms a value may take: a decimal, a fraction, ...</extracomment>
        <translation>R و Im: الجزء الحقيقي a والجزء التخيلي b للعدد a + bi، وكلٌّ منهما %1.</translation>
    </message>
    <message>
        <source>Operation: one of + - * / on its own, with no blanks.</source>
        <extracomment>&quot;Operation&quot; is the box&apos;s label in the window</extracomment>
        <translation>العملية: إحدى الإشارات + - * / وحدها، بلا مسافات.</translation>
    </message>
    <message>
        <source>N: the power of i, a number; it is rounded to a whole number.</source>
        <translation>N: أُسّ i، وهو عدد؛ يُقرَّب إلى عدد صحيح.</translation>
    </message>
    <message>
        <source>To Polar: R and Im of one number.</source>
        <translation>حوّل: R و Im لعدد واحد.</translation>
    </message>
</context>
<context>
    <name>Form13</name>
    <message>
        <source>Operations [ + - * / ] On Complex Numbers</source>
        <translation>العمليات على الأعداد المركبة [ + - * / ]</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>العملية</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>احسب</translation>
    </message>
    <message>
        <source>Example: (3-2*i) + (6+4*i) =&gt; &lt;3,-2&gt; + &lt;6,4&gt;   Is :   &lt;9,2&gt;</source>
        <extracomment>the numbers and the formulas stay as they are; only &quot;Example&quot; and &quot;Is&quot; are words</extracomment>
        <translation>مثال: (3-2*i) + (6+4*i) =&gt; &lt;3,-2&gt; + &lt;6,4&gt;   الناتج:   &lt;9,2&gt;</translation>
    </message>
    <message>
        <source>Solving I power N</source>
        <translation>حساب i مرفوعًا إلى القوة N</translation>
    </message>
    <message>
        <source>i power N</source>
        <translation>i مرفوعًا إلى القوة N</translation>
    </message>
    <message>
        <source>Polar Representation</source>
        <translation>الصورة المثلثية</translation>
    </message>
    <message>
        <source>To Polar</source>
        <translation>حوّل</translation>
    </message>
    <message>
        <source>Example: 1+i =&gt; &lt;1,1&gt;   Is :   Root(2)*cos(45) + Root(2)*i*sin (45)</source>
        <extracomment>the numbers and the formulas stay as they are; only &quot;Example&quot; and &quot;Is&quot; are words</extracomment>
        <translation>مثال: 1+i =&gt; &lt;1,1&gt;   الناتج:   Root(2)*cos(45) + Root(2)*i*sin (45)</translation>
    </message>
    <message>
        <source>Complex Numbers</source>
        <translation>الأعداد المركبة</translation>
    </message>
</context>
</TS>
