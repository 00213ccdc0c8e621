<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Form2</name>
    <message>
        <source>Solving Quadratic Equation</source>
        <translation>Розв&apos;язування квадратного рівняння</translation>
    </message>
    <message>
        <source>The Quadratix Equation Formula :</source>
        <translation>Формула коренів:</translation>
    </message>
    <message>
        <source>-B +- Root(B^2 - 4*A*c)</source>
        <extracomment>the top of the formula: keep everything but the word Root</extracomment>
        <translation>-B +- Корінь(B^2 - 4*A*c)</translation>
    </message>
    <message>
        <source>Fill In The Value Of   A , B And C</source>
        <translation>Введи значення A, B і C</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Розв&apos;язати</translation>
    </message>
    <message>
        <source>Example :  -3*X^2   +   6*X   -   2 = 0</source>
        <translation>Приклад:  -3*X^2   +   6*X   -   2 = 0</translation>
    </message>
    <message>
        <source>Solutions :</source>
        <translation>Корені:</translation>
    </message>
    <message>
        <source>X1 and X2 equal minus B, plus or minus the square root of B squared minus 4 times A times C, all divided by 2 times A</source>
        <translation>X1 і X2 дорівнюють мінус B плюс або мінус квадратний корінь із B у квадраті мінус 4AC, і все це поділено на 2A</translation>
    </message>
</context>
<context>
    <name>QuadraticWorking</name>
    <message>
        <source>You typed %1 for %2, which is %3. The box keeps 5 characters, so it shows %4, and %2 = %5.</source>
        <extracomment>%1 is the text typed, %2 the letter of the box (A, B or C), %3 the number it is, %4 what the box shows, %5 the value solved with</extracomment>
        <translation>Для %2 введено %1, тобто %3. Поле зберігає 5 символів, тому показує %4, і %2 = %5.</translation>
    </message>
    <message>
        <source>You typed %1 for %2, which is %3.</source>
        <extracomment>%1 is the text typed, %2 the letter of the box (A, B or C), %3 what the box shows</extracomment>
        <translation>Для %2 введено %1, тобто %3.</translation>
    </message>
    <message>
        <source>Check %1 = %2: %3 = %4</source>
        <translation>Перевірка для %1 = %2: %3 = %4</translation>
    </message>
    <message>
        <source>Check %1 = %2: %3 = %4 = %5</source>
        <translation>Перевірка для %1 = %2: %3 = %4 = %5</translation>
    </message>
    <message>
        <source>Check %1 = %2: %1² = (%2)² = %3</source>
        <translation>Перевірка для %1 = %2: %1² = (%2)² = %3</translation>
    </message>
    <message>
        <source>So Ax² + Bx + C = %1 = %2 = %3</source>
        <translation>Отже, Ax² + Bx + C = %1 = %2 = %3</translation>
    </message>
    <message>
        <source>With the decimals the window works with: %1 = (%2 %3 %4) ÷ %5 = %6</source>
        <translation>З десятковими дробами, з якими працює вікно: %1 = (%2 %3 %4) ÷ %5 = %6</translation>
    </message>
    <message>
        <source>lowest point</source>
        <extracomment>the label at the vertex of the parabola in the figure</extracomment>
        <translation>найнижча точка</translation>
    </message>
    <message>
        <source>highest point</source>
        <translation>найвища точка</translation>
    </message>
    <message>
        <source>These numbers are too large or too small to draw to scale.</source>
        <translation>Ці числа надто великі або надто малі, щоб накреслити їх у масштабі.</translation>
    </message>
    <message>
        <source>No figure: the numbers are beyond drawing to scale.</source>
        <translation>Рисунка немає: ці числа не можна накреслити в масштабі.</translation>
    </message>
    <message>
        <source>Parabola clear of the x-axis, so no real root, lowest point %1.</source>
        <translation>Парабола не має спільних точок з віссю x, тому дійсних коренів немає; найнижча точка %1.</translation>
    </message>
    <message>
        <source>Parabola clear of the x-axis, so no real root, highest point %1.</source>
        <translation>Парабола не має спільних точок з віссю x, тому дійсних коренів немає; найвища точка %1.</translation>
    </message>
    <message>
        <source>Parabola touching the x-axis at %1, lowest point %2.</source>
        <extracomment>%1 is where it touches, %2 the vertex (x, y)</extracomment>
        <translation>Парабола дотикається до осі x у точці %1; найнижча точка %2.</translation>
    </message>
    <message>
        <source>Parabola touching the x-axis at %1, highest point %2.</source>
        <translation>Парабола дотикається до осі x у точці %1; найвища точка %2.</translation>
    </message>
    <message>
        <source>Parabola crossing the x-axis at %1 and %2, lowest point %3.</source>
        <extracomment>%1 and %2 are the roots, %3 the vertex (x, y)</extracomment>
        <translation>Парабола перетинає вісь x у точках %1 і %2; найнижча точка %3.</translation>
    </message>
    <message>
        <source>Parabola crossing the x-axis at %1 and %2, highest point %3.</source>
        <translation>Парабола перетинає вісь x у точках %1 і %2; найвища точка %3.</translation>
    </message>
    <message>
        <source>Answer: X1 = %1 and X2 = %2</source>
        <translation>Відповідь: X1 = %1 і X2 = %2</translation>
    </message>
    <message>
        <source>Put into the equation, the window&apos;s decimals give a number very near 0 but not exactly 0: they are the roots rounded to 15 digits.</source>
        <translation>Якщо підставити в рівняння десяткові дроби вікна, вийде число, дуже близьке до 0, але не точно 0: це корені, округлені до 15 цифр.</translation>
    </message>
    <message>
        <source>Beyond the real numbers, with i where i² = -1, the two roots are complex: x = p ± qi.</source>
        <translation>Поза дійсними числами, з i, де i² = -1, обидва корені — комплексні числа: x = p ± qi.</translation>
    </message>
    <message>
        <source>The complex roots: x1 ≈ %1 + %2i and x2 ≈ %1 - %2i</source>
        <translation>Комплексні корені: x1 ≈ %1 + %2i і x2 ≈ %1 - %2i</translation>
    </message>
    <message>
        <source>The complex roots: x1 = %1 and x2 = %2</source>
        <translation>Комплексні корені: x1 = %1 і x2 = %2</translation>
    </message>
    <message>
        <source>The equation: %1 = 0</source>
        <translation>Рівняння: %1 = 0</translation>
    </message>
    <message>
        <source>The formula: x = (-B ± √D) ÷ (2A), where D = B² - 4AC.</source>
        <translation>Формула: x = (-B ± √D) ÷ (2A), де D = B² - 4AC.</translation>
    </message>
    <message>
        <source>D is more than 0, so the equation has two roots.</source>
        <translation>D більше за 0, тому рівняння має два корені.</translation>
    </message>
    <message>
        <source>D is 0, so the two roots are the same: the equation has one root.</source>
        <translation>D дорівнює 0, тому обидва корені однакові: рівняння має один корінь.</translation>
    </message>
    <message>
        <source>D is less than 0. No real number squared is negative, so √D is no real number: the equation has no real solution.</source>
        <translation>D менше за 0. Квадрат дійсного числа ніколи не буває від&apos;ємним, тому √D не є дійсним числом: рівняння не має дійсних коренів.</translation>
    </message>
    <message>
        <source>The window works with decimals rounded at every step: its D came out %1 instead of exactly %2, so it shows &quot;%3&quot;.</source>
        <extracomment>%1 is the window&apos;s D, %2 the exact D, %3 the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>Вікно обчислює з десятковими дробами, округленими на кожному кроці: його D вийшло %1 замість точного %2, тому воно показує «%3».</translation>
    </message>
    <message>
        <source>The window works with decimals rounded at every step: its D came out %1 instead of exactly %2, so it shows two roots.</source>
        <translation>Вікно обчислює з десятковими дробами, округленими на кожному кроці: його D вийшло %1 замість точного %2, тому воно показує два корені.</translation>
    </message>
    <message>
        <source>Answer: X1 and X2 show &quot;%1&quot;</source>
        <extracomment>%1 is the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>Відповідь: X1 і X2 показують «%1»</translation>
    </message>
    <message>
        <source>Answer: X1 and X2 show &quot;%1&quot;: the equation has no real solution.</source>
        <extracomment>%1 is the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>Відповідь: X1 і X2 показують «%1»: рівняння не має дійсних коренів.</translation>
    </message>
    <message>
        <source>Straight line y = %1 crossing the x-axis at %2.</source>
        <translation>Пряма y = %1 перетинає вісь x у точці %2.</translation>
    </message>
    <message>
        <source>Straight line y = %1 beside the x-axis: it never meets it.</source>
        <translation>Пряма y = %1 паралельна осі x: вона ніколи її не перетинає.</translation>
    </message>
    <message>
        <source>The line y = 0 is the x-axis itself: every x is a root.</source>
        <translation>Пряма y = 0 — це сама вісь x: кожне x є коренем.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <translation>Вікно повідомило: «%1»</translation>
    </message>
    <message>
        <source>A = 0, so there is no x² term: this is no quadratic equation, and the window gives no roots. What is left is the linear equation Bx + C = 0.</source>
        <translation>A = 0, тому доданка з x² немає: це не квадратне рівняння, і вікно не дає коренів. Залишається лінійне рівняння Bx + C = 0.</translation>
    </message>
    <message>
        <source>B = 0 as well, so the left side is %1 whatever x is, and %1 is not 0: no x solves the equation.</source>
        <translation>B = 0 теж, тому ліва частина дорівнює %1 за будь-якого x, а %1 не 0: жодне x не є розв&apos;язком рівняння.</translation>
    </message>
    <message>
        <source>B = 0 and C = 0 as well, so the left side is 0 whatever x is: every x solves the equation.</source>
        <translation>B = 0 і C = 0 теж, тому ліва частина дорівнює 0 за будь-якого x: кожне x є розв&apos;язком рівняння.</translation>
    </message>
    <message>
        <source>Take C to the other side: %1x = %2</source>
        <extracomment>%1x is B times x (B left out when it is 1, &quot;-&quot; when it is -1), %2 is -C</extracomment>
        <translation>Перенеси C в іншу частину: %1x = %2</translation>
    </message>
    <message>
        <source>Divide by B: x = -C ÷ B = %1 ÷ %2 = %3</source>
        <translation>Поділи на B: x = -C ÷ B = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Check: %1 × %2%3 = %4 = 0</source>
        <extracomment>%1 × %2%3 is B × x + C, %4 its terms added</extracomment>
        <translation>Перевірка: %1 × %2%3 = %4 = 0</translation>
    </message>
    <message>
        <source>A, B and C: the numbers of Ax² + Bx + C = 0, each %1.</source>
        <extracomment>%1 says what a value may be written as (a number, a fraction ...)</extracomment>
        <translation>A, B і C: числа з Ax² + Bx + C = 0, кожне — %1.</translation>
    </message>
    <message>
        <source>A must not be 0: without x² it is no quadratic equation.</source>
        <translation>A не може дорівнювати 0: без x² це не квадратне рівняння.</translation>
    </message>
    <message>
        <source>Each box keeps 5 characters: a longer number is cut (1/3 becomes %1), and the cut number is the one solved with.</source>
        <translation>Кожне поле зберігає 5 символів: довше число обрізається (1/3 стає %1), і розв&apos;язують саме з обрізаним числом.</translation>
    </message>
</context>
<context>
    <name>sb::Form2</name>
    <message>
        <source>It Sould Be Quadratix Equation So A Value Must Not Be Zero </source>
        <translation>Це має бути квадратне рівняння, тому A не може дорівнювати 0.</translation>
    </message>
    <message>
        <source>No Solution</source>
        <translation>Немає коренів</translation>
    </message>
</context>
</TS>
