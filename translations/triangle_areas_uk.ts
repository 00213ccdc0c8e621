<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Form9</name>
    <message>
        <source>Triangle - Areas And Perimeters</source>
        <translation>Трикутники - площі та периметри</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Основа</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Висота</translation>
    </message>
    <message>
        <source>Find Area</source>
        <translation>Площа</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Площа</translation>
    </message>
    <message>
        <source>Find Height</source>
        <translation>Висота</translation>
    </message>
    <message>
        <source>Find Base</source>
        <translation>Основа</translation>
    </message>
    <message>
        <source>Side A</source>
        <translation>Стор.&#xa0;A</translation>
    </message>
    <message>
        <source>Side B</source>
        <translation>Стор.&#xa0;B</translation>
    </message>
    <message>
        <source>Side C</source>
        <translation>Стор.&#xa0;C</translation>
    </message>
    <message>
        <source>Find Perimeter</source>
        <translation>Периметр</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Периметр</translation>
    </message>
    <message>
        <source>Heron&apos;s Formula  For Finding Area Of A Triangle</source>
        <translation>Формула Герона для площі трикутника</translation>
    </message>
    <message>
        <source>Area by Heron&apos;s formula</source>
        <translation>Площа за формулою Герона</translation>
    </message>
</context>
<context>
    <name>TriangleAreasWorking</name>
    <message>
        <source>Area = base × height ÷ 2</source>
        <translation>Площа = основа × висота ÷ 2</translation>
    </message>
    <message>
        <source>base × height = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>основа × висота = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = %1 ÷ 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Площа = %1 ÷ 2%2%3</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>Отже, площа дорівнює %1</translation>
    </message>
    <message>
        <source>Area = base × height ÷ 2, so height = (Area + Area) ÷ base</source>
        <translation>Площа = основа × висота ÷ 2, тому висота = (Площа + Площа) ÷ основа</translation>
    </message>
    <message>
        <source>Area = base × height ÷ 2, so base = (Area + Area) ÷ height</source>
        <translation>Площа = основа × висота ÷ 2, тому основа = (Площа + Площа) ÷ висота</translation>
    </message>
    <message>
        <source>Area + Area = %1 + %1%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Площа + Площа = %1 + %1%2%3</translation>
    </message>
    <message>
        <source>height = %1 ÷ %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>висота = %1 ÷ %2%3%4</translation>
    </message>
    <message>
        <source>base = %1 ÷ %2%3%4</source>
        <translation>основа = %1 ÷ %2%3%4</translation>
    </message>
    <message>
        <source>So the height is %1</source>
        <translation>Отже, висота дорівнює %1</translation>
    </message>
    <message>
        <source>So the base is %1</source>
        <translation>Отже, основа дорівнює %1</translation>
    </message>
    <message>
        <source>Check: base × height ÷ 2 = %1 × %2 ÷ 2 = %3, the area given</source>
        <translation>Перевірка: основа × висота ÷ 2 = %1 × %2 ÷ 2 = %3, це дана площа</translation>
    </message>
    <message>
        <source>base = %1</source>
        <translation>основа = %1</translation>
    </message>
    <message>
        <source>height = %1</source>
        <translation>висота = %1</translation>
    </message>
    <message>
        <source>Area = %1</source>
        <translation>Площа = %1</translation>
    </message>
    <message>
        <source>Triangle with base %1 and height %2, area %3, drawn to scale. Its top stands above the middle of the base: the exercise leaves it free, and every such top gives the same area</source>
        <translation>Трикутник з основою %1 і висотою %2, площа %3, накреслений у масштабі. Його верхня вершина стоїть над серединою основи: вправа залишає її довільною, і будь-яка така вершина дає ту саму площу</translation>
    </message>
    <message>
        <source>%1; %2 and %3</source>
        <extracomment>the three sides of a triangle, &quot;3, 4 and 5&quot;</extracomment>
        <translation>%1; %2 і %3</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 і %3</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, longer than %4 = %5, so these sides make a triangle</source>
        <translation>У трикутнику дві коротші сторони разом мають бути довшими за найдовшу: %1 + %2 = %3, це більше, ніж %4 = %5, тож ці сторони утворюють трикутник</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, only as long as %4 = %5. These sides lie flat along one line, so they make no triangle: only a flat one, with nothing inside</source>
        <translation>У трикутнику дві коротші сторони разом мають бути довшими за найдовшу: %1 + %2 = %3, це лише стільки ж, скільки %4 = %5. Ці сторони лежать на одній прямій, тож трикутника вони не утворюють: лише плаский, без нічого всередині</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, shorter than %4 = %5 by %6. Side %4 is too long: the other two do not reach across it, so these sides make no triangle</source>
        <translation>У трикутнику дві коротші сторони разом мають бути довшими за найдовшу: %1 + %2 = %3, це на %6 менше, ніж %4 = %5. Сторона %4 задовга: дві інші не дотягуються від одного її кінця до іншого, тож ці сторони не утворюють трикутника</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it, perimeter %2</source>
        <translation>Трикутник зі сторонами %1, накреслений у масштабі на найдовшій стороні: плаский, дві інші лежать уздовж неї, периметр %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side, perimeter %2</source>
        <translation>Трикутник зі сторонами %1, накреслений у масштабі на найдовшій стороні, периметр %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it, area %2</source>
        <translation>Трикутник зі сторонами %1, накреслений у масштабі на найдовшій стороні: плаский, дві інші лежать уздовж неї, площа %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side, area %2</source>
        <translation>Трикутник зі сторонами %1, накреслений у масштабі на найдовшій стороні, площа %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it</source>
        <translation>Трикутник зі сторонами %1, накреслений у масштабі на найдовшій стороні: плаский, дві інші лежать уздовж неї</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side</source>
        <translation>Трикутник зі сторонами %1, накреслений у масштабі на найдовшій стороні</translation>
    </message>
    <message>
        <source>short by %1</source>
        <translation>бракує %1</translation>
    </message>
    <message>
        <source>Sides %1 laid end to end: the two shorter are %2 short of the longest, so they make no triangle</source>
        <translation>Сторони %1, покладені одна за одною: двом коротшим бракує %2 до найдовшої, тож вони не утворюють трикутника</translation>
    </message>
    <message>
        <source>Perimeter = a + b + c</source>
        <translation>Периметр = a + b + c</translation>
    </message>
    <message>
        <source>Perimeter = %1 + %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Периметр = %1 + %2%3%4</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>Отже, периметр дорівнює %1</translation>
    </message>
    <message>
        <source>The perimeter is the three sides&apos; total all the same</source>
        <translation>Периметр усе одно є сумою трьох сторін</translation>
    </message>
    <message>
        <source>Heron&apos;s formula: the half perimeter s = (a + b + c) ÷ 2,</source>
        <translation>Формула Герона: півпериметр s = (a + b + c) ÷ 2,</translation>
    </message>
    <message>
        <source>then Area = √(s(s - a)(s - b)(s - c))</source>
        <translation>тоді Площа = √(s(s - a)(s - b)(s - c))</translation>
    </message>
    <message>
        <source>The sides are added b + a first: %1 + %2%3%4, then %4 + %5%6%7</source>
        <extracomment>%3 and %6 are &quot; = &quot; or &quot; ≈ &quot;, %4 and %7 the results</extracomment>
        <translation>Сторони додаються спершу b + a: %1 + %2%3%4, потім %4 + %5%6%7</translation>
    </message>
    <message>
        <source>%1 is below zero, and no number times itself is below zero: there is no area</source>
        <translation>%1 менше від нуля, а жодне число, помножене саме на себе, не буває меншим від нуля: площі немає</translation>
    </message>
    <message>
        <source>Area = √%1 = %2</source>
        <translation>Площа = √%1 = %2</translation>
    </message>
    <message>
        <source>Area = √%1 %2</source>
        <translation>Площа = √%1 %2</translation>
    </message>
    <message>
        <source>The window rounds at every step, and its product came out a hair below zero instead of %1. Below zero has no square root, so it gave its message instead of an area</source>
        <translation>Вікно округлює на кожному кроці, і його добуток вийшов трохи меншим від нуля замість %1. Число, менше від нуля, не має квадратного кореня, тому вікно показало повідомлення замість площі</translation>
    </message>
    <message>
        <source>7 characters (6 in Heron&apos;s row)</source>
        <translation>7 символів (6 у рядку Герона)</translation>
    </message>
    <message>
        <source>Each button uses only the boxes of its own row</source>
        <translation>Кожна кнопка використовує лише поля свого рядка</translation>
    </message>
    <message>
        <source>Base and Height: Find Area. Area and Base: Find Height. Area and Height: Find Base</source>
        <translation>Основа і висота: кнопка «Площа». Площа й основа: кнопка «Висота». Площа й висота: кнопка «Основа»</translation>
    </message>
    <message>
        <source>Side A, Side B and Side C: Find Perimeter, or the area by Heron&apos;s formula</source>
        <translation>Сторона A, сторона B і сторона C: кнопка «Периметр», або площа за формулою Герона</translation>
    </message>
    <message>
        <source>Heron&apos;s formula with the sides 3, 4 and 5:</source>
        <translation>Формула Герона зі сторонами 3, 4 і 5:</translation>
    </message>
</context>
</TS>
