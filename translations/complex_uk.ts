<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>ComplexNumbers</name>
    <message>
        <source>Please Set the operation [+ - * / &lt; &gt; =]!!!.</source>
        <translation>Введи дію [+ - * / &lt; &gt; =].</translation>
    </message>
    <message>
        <source>Complex Number two csn&apos;t be zero!!!.</source>
        <translation>Друге комплексне число не може дорівнювати нулю.</translation>
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
        <translation>Ці числа завеликі, щоб накреслити їх у масштабі.</translation>
    </message>
    <message>
        <source>No figure: the numbers are too large to draw to scale.</source>
        <translation>Рисунка немає: числа завеликі, щоб накреслити їх у масштабі.</translation>
    </message>
    <message>
        <source>To add, add the real parts and add the imaginary parts: (a + bi) + (c + di) = (a + c) + (b + d)i.</source>
        <translation>Щоб додати, додай дійсні частини й окремо уявні частини: (a + bi) + (c + di) = (a + c) + (b + d)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their sum %3, the diagonal of the dashed parallelogram.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their sum</extracomment>
        <translation>Комплексна площина: z1 = %1 і z2 = %2 як стрілки; їхня сума %3 — діагональ паралелограма, накресленого штрихами.</translation>
    </message>
    <message>
        <source>To subtract, subtract the real parts and the imaginary parts: (a + bi) - (c + di) = (a - c) + (b - d)i.</source>
        <translation>Щоб відняти, відніми дійсні частини й окремо уявні частини: (a + bi) - (c + di) = (a - c) + (b - d)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their difference %3, the diagonal of the dashed parallelogram.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their difference</extracomment>
        <translation>Комплексна площина: z1 = %1 і z2 = %2 як стрілки; їхня різниця %3 — діагональ паралелограма, накресленого штрихами.</translation>
    </message>
    <message>
        <source>To multiply, multiply out the brackets, with i² = -1: (a + bi)(c + di) = (ac - bd) + (bc + ad)i.</source>
        <translation>Щоб помножити, розкрий дужки, пам&apos;ятаючи, що i² = -1: (a + bi)(c + di) = (ac - bd) + (bc + ad)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their product %3.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their product</extracomment>
        <translation>Комплексна площина: z1 = %1 і z2 = %2 як стрілки; їхній добуток %3.</translation>
    </message>
    <message>
        <source>To divide, multiply the top and the bottom by c - di, which makes the bottom the real number c² + d²: (a + bi) ÷ (c + di) = ((ac + bd) + (bc - ad)i) ÷ (c² + d²).</source>
        <translation>Щоб поділити, помнож чисельник і знаменник на c - di; тоді знаменник стане дійсним числом c² + d²: (a + bi) ÷ (c + di) = ((ac + bd) + (bc - ad)i) ÷ (c² + d²).</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their quotient %3.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their quotient</extracomment>
        <translation>Комплексна площина: z1 = %1 і z2 = %2 як стрілки; їхня частка %3.</translation>
    </message>
    <message>
        <source>Real part: %1</source>
        <extracomment>a line of the working: %1 is the calculation of the real part of the result</extracomment>
        <translation>Дійсна частина: %1</translation>
    </message>
    <message>
        <source>Imaginary part: %1</source>
        <extracomment>a line of the working: %1 is the calculation of the imaginary part of the result</extracomment>
        <translation>Уявна частина: %1</translation>
    </message>
    <message>
        <source>z1 = a + bi = %1 and z2 = c + di = %2</source>
        <translation>z1 = a + bi = %1 і z2 = c + di = %2</translation>
    </message>
    <message>
        <source>Answer: R = %1 and Im = %2, that is %3</source>
        <extracomment>%1 and %2 are the answers of the window, %3 the same number written a + bi</extracomment>
        <translation>Відповідь: R = %1 і Im = %2, тобто %3</translation>
    </message>
    <message>
        <source>The powers of i repeat in fours: i⁰ = 1, i¹ = i, i² = -1, i³ = -i, and i⁴ = 1 again.</source>
        <translation>Степені i повторюються через кожні чотири: i⁰ = 1, i¹ = i, i² = -1, i³ = -i, і знову i⁴ = 1.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number. Rounded to the nearest one (a half to the even one) it gives %2, but the window divides with decimals rounded to about 16 digits: its N came out a hair below %1, so it rounds to N = %3.</source>
        <extracomment>%1 is the fraction typed, %2 the whole number nearest to it, %3 the whole number the window rounded to</extracomment>
        <translation>N = %1 — не ціле число. Якщо округлити його до найближчого цілого (половину — до парного), вийде %2, але вікно ділить десяткові дроби, округлені приблизно до 16 цифр: його N вийшло трохи менше за %1, тому воно округлюється до N = %3.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number. Rounded to the nearest one (a half to the even one) it gives %2, but the window divides with decimals rounded to about 16 digits: its N came out a hair above %1, so it rounds to N = %3.</source>
        <extracomment>%1 is the fraction typed, %2 the whole number nearest to it, %3 the whole number the window rounded to</extracomment>
        <translation>N = %1 — не ціле число. Якщо округлити його до найближчого цілого (половину — до парного), вийде %2, але вікно ділить десяткові дроби, округлені приблизно до 16 цифр: його N вийшло трохи більше за %1, тому воно округлюється до N = %3.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number: it is rounded to the nearest one (a half to the even one), N = %2.</source>
        <translation>N = %1 — не ціле число: його округлюють до найближчого цілого (половину — до парного), N = %2.</translation>
    </message>
    <message>
        <source>N = %1 is rounded to the nearest whole number (a half to the even one), N = %2.</source>
        <translation>N = %1 округлюють до найближчого цілого числа (половину — до парного), N = %2.</translation>
    </message>
    <message>
        <source>Take away fours: %1 = 4 × %2 + %3, so i%4 = i%5</source>
        <extracomment>%1 = 4 × %2 + %3 writes N with its fours taken away; i%4 is i to the power N, i%5 to the power left over</extracomment>
        <translation>Відкинь четвірки: %1 = 4 × %2 + %3, тому i%4 = i%5</translation>
    </message>
    <message>
        <source>Take away fours: %1 = 4 × %2 + %3</source>
        <translation>Відкинь четвірки: %1 = 4 × %2 + %3</translation>
    </message>
    <message>
        <source>Answer: i%1 = %2</source>
        <extracomment>i%1 is i to the power N, %2 the answer</extracomment>
        <translation>Відповідь: i%1 = %2</translation>
    </message>
    <message>
        <source>Unit circle with the powers 1, i, -1 and -i; i%1 = %2, %3 quarter turns on from 1.</source>
        <extracomment>i%1 is i to the power N, %2 the answer, %3 the number of quarter turns (0 to 3)</extracomment>
        <translation>Одиничне коло зі степенями 1, i, -1 і -i; i%1 = %2, чвертей оберту від 1: %3.</translation>
    </message>
    <message>
        <source>Its polar form is r × (cos θ + i sin θ): r = √(x² + y²) is the length of its arrow, θ its angle from the positive real axis. The window writes it Root(x² + y²)*Cos(θ) + Root(x² + y²)*i*Sin(θ), θ in degrees.</source>
        <translation>Його тригонометрична форма — r × (cos θ + i sin θ): r = √(x² + y²) — довжина його стрілки, θ — кут між нею і додатним напрямом дійсної осі. Вікно записує її як Root(x² + y²)*Cos(θ) + Root(x² + y²)*i*Sin(θ), θ у градусах.</translation>
    </message>
    <message>
        <source>%1, the length of the arrow</source>
        <extracomment>%1 is the calculation of r</extracomment>
        <translation>%1 — довжина стрілки</translation>
    </message>
    <message>
        <source>r = %1 = %2, the length of the arrow</source>
        <translation>r = %1 = %2 — довжина стрілки</translation>
    </message>
    <message>
        <source>x = 0 and y is more than 0: the arrow points straight up, so the angle is 90°.</source>
        <translation>x = 0, а y більше за 0: стрілка напрямлена прямо вгору, тому кут дорівнює 90°.</translation>
    </message>
    <message>
        <source>x = 0 and y is less than 0: the arrow points straight down, so the angle is -90°.</source>
        <translation>x = 0, а y менше за 0: стрілка напрямлена прямо вниз, тому кут дорівнює -90°.</translation>
    </message>
    <message>
        <source>z is 0: it points nowhere, and its angle is taken as 0°.</source>
        <translation>z дорівнює 0: воно нікуди не напрямлене, і його кут вважають рівним 0°.</translation>
    </message>
    <message>
        <source>The angle: arctan(y ÷ x) = arctan(%1 ÷ %2) = %3°</source>
        <translation>Кут: arctan(y ÷ x) = arctan(%1 ÷ %2) = %3°</translation>
    </message>
    <message>
        <source>x is less than 0, so the arrow points left: turn by half a circle, %1 %2 180 = %3°</source>
        <extracomment>%1 %2 180 = %3° is the calculation: the arctangent, + or -, 180, the angle</extracomment>
        <translation>x менше за 0, тому стрілка напрямлена вліво: повертаємо на півоберта, %1 %2 180 = %3°</translation>
    </message>
    <message>
        <source>Rounded to 2 places: %1°</source>
        <translation>Округлено до 2 знаків після коми: %1°</translation>
    </message>
    <message>
        <source>-180° points the same way as 180°, so the angle is 180°.</source>
        <translation>-180° вказує той самий напрям, що й 180°, тому кут дорівнює 180°.</translation>
    </message>
    <message>
        <source>Answer: %1, that is %2</source>
        <extracomment>%1 is the window&apos;s answer, %2 the same number as a textbook writes it</extracomment>
        <translation>Відповідь: %1, тобто %2</translation>
    </message>
    <message>
        <source>Answer: %1, that is about %2, the angle rounded to 2 places</source>
        <translation>Відповідь: %1, тобто приблизно %2, кут округлено до 2 знаків після коми</translation>
    </message>
    <message>
        <source>Check: %1 and %2 are %3 and %4, so %5 × (%6) = %7</source>
        <extracomment>%1 and %2 are cos and sin of the angle, %3 and %4 their values; %5 × (%6) = %7 multiplies r out to give the number again</extracomment>
        <translation>Перевірка: %1 і %2 дорівнюють %3 і %4, тому %5 × (%6) = %7</translation>
    </message>
    <message>
        <source>Argand diagram: the arrow to %1, of length %2, at %3° from the positive real axis.</source>
        <extracomment>%1 is the number, %2 the length of its arrow, %3 its angle</extracomment>
        <translation>Комплексна площина: стрілка до %1 довжиною %2 під кутом %3° до додатного напряму дійсної осі.</translation>
    </message>
    <message>
        <source>R and Im: the real part a and the imaginary part b of a number a + bi, each %1.</source>
        <extracomment>%1 tells the forms a value may take: a decimal, a fraction, ...</extracomment>
        <translation>R і Im: дійсна частина a та уявна частина b числа a + bi, кожна — %1.</translation>
    </message>
    <message>
        <source>Operation: one of + - * / on its own, with no blanks.</source>
        <extracomment>&quot;Operation&quot; is the box&apos;s label in the window</extracomment>
        <translation>Дія: один зі знаків + - * / окремо, без пропусків.</translation>
    </message>
    <message>
        <source>N: the power of i, a number; it is rounded to a whole number.</source>
        <translation>N: показник степеня i, число; його округлюють до цілого числа.</translation>
    </message>
    <message>
        <source>To Polar: R and Im of one number.</source>
        <translation>Перетворити: R і Im одного числа.</translation>
    </message>
</context>
<context>
    <name>Form13</name>
    <message>
        <source>Operations [ + - * / ] On Complex Numbers</source>
        <translation>Дії [ + - * / ] з комплексними числами</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Обчислити</translation>
    </message>
    <message>
        <source>Example: (3-2*i) + (6+4*i) =&gt; &lt;3,-2&gt; + &lt;6,4&gt;   Is :   &lt;9,2&gt;</source>
        <extracomment>the numbers and the formulas stay as they are; only &quot;Example&quot; and &quot;Is&quot; are words</extracomment>
        <translation>Приклад: (3-2*i) + (6+4*i) =&gt; &lt;3,-2&gt; + &lt;6,4&gt;   Відповідь:   &lt;9,2&gt;</translation>
    </message>
    <message>
        <source>Solving I power N</source>
        <translation>Обчислення i у степені N</translation>
    </message>
    <message>
        <source>i power N</source>
        <translation>i у степені N</translation>
    </message>
    <message>
        <source>Polar Representation</source>
        <translation>Тригонометрична форма</translation>
    </message>
    <message>
        <source>To Polar</source>
        <translation>Перетворити</translation>
    </message>
    <message>
        <source>Example: 1+i =&gt; &lt;1,1&gt;   Is :   Root(2)*cos(45) + Root(2)*i*sin (45)</source>
        <extracomment>the numbers and the formulas stay as they are; only &quot;Example&quot; and &quot;Is&quot; are words</extracomment>
        <translation>Приклад: 1+i =&gt; &lt;1,1&gt;   Відповідь:   Root(2)*cos(45) + Root(2)*i*sin (45)</translation>
    </message>
    <message>
        <source>Complex Numbers</source>
        <translation>Комплексні числа</translation>
    </message>
</context>
</TS>
