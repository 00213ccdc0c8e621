<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Form8</name>
    <message>
        <source>Quadrilateral - Areas And Perimeters</source>
        <translation>Чотирикутники - площі та периметри</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Квадрат</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Стор.</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Площа</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Перим.</translation>
    </message>
    <message>
        <source>Find Area</source>
        <translation>Площа</translation>
    </message>
    <message>
        <source>Find Perimeter</source>
        <translation>Периметр</translation>
    </message>
    <message>
        <source>Square from its side</source>
        <translation>Квадрат за стороною</translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation>Сторона</translation>
    </message>
    <message>
        <source>Square from its area</source>
        <translation>Квадрат за площею</translation>
    </message>
    <message>
        <source>Square from its perimeter</source>
        <translation>Квадрат за периметром</translation>
    </message>
    <message>
        <source>Trapezium</source>
        <translation>Трапеція</translation>
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
        <source>Height</source>
        <translation>Висота</translation>
    </message>
    <message>
        <source>Trapezium area</source>
        <translation>Площа трапеції</translation>
    </message>
    <message>
        <source>Quadrilateral which two of its diagonals are verticals</source>
        <translation>Чотирикутник з перпендикулярними діагоналями</translation>
    </message>
    <message>
        <source>like Rhombus , Square , Dalton </source>
        <translation>як-от ромб, квадрат, дельтоїд</translation>
    </message>
    <message>
        <source>Height A</source>
        <translation>Висота A</translation>
    </message>
    <message>
        <source>Height B</source>
        <translation>Висота B</translation>
    </message>
    <message>
        <source>Area from the diagonals</source>
        <translation>Площа за діагоналями</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямокутник</translation>
    </message>
    <message>
        <source>Rectangle from two sides</source>
        <translation>Прямокутник за двома сторонами</translation>
    </message>
    <message>
        <source>Find B</source>
        <translation>Сторона B</translation>
    </message>
    <message>
        <source>Rectangle from a side and the area</source>
        <translation>Прямокутник за стороною і площею</translation>
    </message>
    <message>
        <source>Rectangle from a side and the perimeter</source>
        <translation>Прямокутник за стороною і периметром</translation>
    </message>
    <message>
        <source>Parallelogram And Rhombus</source>
        <translation>Паралелограм і ромб</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Основа</translation>
    </message>
    <message>
        <source>Parallelogram area</source>
        <translation>Площа паралелограма</translation>
    </message>
    <message>
        <source>Base/Height</source>
        <translation>Основа/Висота</translation>
    </message>
    <message>
        <source>Find Height/Base</source>
        <translation>Висота/основа</translation>
    </message>
    <message>
        <source>Parallelogram height or base</source>
        <translation>Висота або основа паралелограма</translation>
    </message>
    <message>
        <source>Parallelogram perimeter</source>
        <translation>Периметр паралелограма</translation>
    </message>
</context>
<context>
    <name>QuadrilateralWorking</name>
    <message>
        <source>Area = side², so side = √Area</source>
        <translation>Площа = сторона², тому сторона = √Площа</translation>
    </message>
    <message>
        <source>side = √%1 = %2</source>
        <translation>сторона = √%1 = %2</translation>
    </message>
    <message>
        <source>side = √%1 ≈ %2</source>
        <translation>сторона = √%1 ≈ %2</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side, so side = Perimeter ÷ 4</source>
        <translation>Периметр = 4 × сторона, тому сторона = Периметр ÷ 4</translation>
    </message>
    <message>
        <source>side = %1 ÷ 4%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>сторона = %1 ÷ 4%2%3</translation>
    </message>
    <message>
        <source>side = %1</source>
        <translation>сторона = %1</translation>
    </message>
    <message>
        <source>Area = side² = %1²%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Площа = сторона² = %1²%2%3</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>Отже, площа дорівнює %1</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side = 4 × %1 = %2</source>
        <translation>Периметр = 4 × сторона = 4 × %1 = %2</translation>
    </message>
    <message>
        <source>The window works it out as %1 × 4%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Вікно обчислює це так: %1 × 4%2%3</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>Отже, периметр дорівнює %1</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side = 4 × %1%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Периметр = 4 × сторона = 4 × %1%2%3</translation>
    </message>
    <message>
        <source>So the side is %1</source>
        <translation>Отже, сторона дорівнює %1</translation>
    </message>
    <message>
        <source>Check: side² = %1² = %2, the area given</source>
        <translation>Перевірка: сторона² = %1² = %2, це дана площа</translation>
    </message>
    <message>
        <source>Check: 4 × side = 4 × %1 = %2, the perimeter given</source>
        <translation>Перевірка: 4 × сторона = 4 × %1 = %2, це даний периметр</translation>
    </message>
    <message>
        <source>Area of a rectangle = A × B</source>
        <translation>Площа прямокутника = A × B</translation>
    </message>
    <message>
        <source>Area of a parallelogram = base × height</source>
        <translation>Площа паралелограма = основа × висота</translation>
    </message>
    <message>
        <source>Area = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Площа = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Perimeter = (A + B) × 2: two sides A and two sides B</source>
        <translation>Периметр = (A + B) × 2: дві сторони A і дві сторони B</translation>
    </message>
    <message>
        <source>Perimeter = %1 × 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Периметр = %1 × 2%2%3</translation>
    </message>
    <message>
        <source>Area = A × B, so B = Area ÷ A</source>
        <translation>Площа = A × B, тому B = Площа ÷ A</translation>
    </message>
    <message>
        <source>So side B is %1</source>
        <translation>Отже, сторона B дорівнює %1</translation>
    </message>
    <message>
        <source>Check: A × B = %1 × %2 = %3, the area given</source>
        <translation>Перевірка: A × B = %1 × %2 = %3, це дана площа</translation>
    </message>
    <message>
        <source>Perimeter = (A + B) × 2</source>
        <translation>Периметр = (A + B) × 2</translation>
    </message>
    <message>
        <source>Area = base × height, so the one not known = Area ÷ the one known</source>
        <translation>Площа = основа × висота, тому невідома довжина = Площа ÷ відома</translation>
    </message>
    <message>
        <source>So the height (or the base) is %1</source>
        <translation>Отже, висота (або основа) дорівнює %1</translation>
    </message>
    <message>
        <source>Check: base × height = %1 × %2 = %3, the area given</source>
        <translation>Перевірка: основа × висота = %1 × %2 = %3, це дана площа</translation>
    </message>
    <message>
        <source>Perimeter = A + A + B + B, so B = (P - (A + A)) ÷ 2</source>
        <translation>Периметр = A + A + B + B, тому B = (P - (A + A)) ÷ 2</translation>
    </message>
    <message>
        <source>That leaves nothing for the two sides B: the perimeter %1 is too short for the side %2, so no rectangle has these numbers</source>
        <translation>Для двох сторін B нічого не залишається: периметр %1 закороткий для сторони %2, тому прямокутника з такими числами немає</translation>
    </message>
    <message>
        <source>A perimeter must be more than A + A = %1</source>
        <translation>Периметр має бути більшим за A + A = %1</translation>
    </message>
    <message>
        <source>The window works with B = %1</source>
        <translation>Вікно працює з B = %1</translation>
    </message>
    <message>
        <source>The window rounds B to 4 decimal places: %1</source>
        <translation>Вікно округлює B до 4 знаків після коми: %1</translation>
    </message>
    <message>
        <source>Check with B = %1: A + A + B + B = %2 + %2 + %1 + %1 = %3, the perimeter given</source>
        <translation>Перевірка з B = %1: A + A + B + B = %2 + %2 + %1 + %1 = %3, це даний периметр</translation>
    </message>
    <message>
        <source>Area = A × B = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Площа = A × B = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area of a trapezium = (A + B) × height ÷ 2</source>
        <translation>Площа трапеції = (A + B) × висота ÷ 2</translation>
    </message>
    <message>
        <source>(A + B) × height = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>(A + B) × висота = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = %1 ÷ 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Площа = %1 ÷ 2%2%3</translation>
    </message>
    <message>
        <source>The diagonals cross at a right angle: Area = d1 × d2 ÷ 2</source>
        <translation>Діагоналі перетинаються під прямим кутом: Площа = d1 × d2 ÷ 2</translation>
    </message>
    <message>
        <source>Area = %1</source>
        <translation>Площа = %1</translation>
    </message>
    <message>
        <source>Perimeter = %1</source>
        <translation>Периметр = %1</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale, its area %2 shaded</source>
        <translation>Квадрат зі стороною %1, накреслений у масштабі, його площу %2 заштриховано</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale, its perimeter %2 drawn heavy</source>
        <translation>Квадрат зі стороною %1, накреслений у масштабі, його периметр %2 виділено товстою лінією</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale: its side is %2</source>
        <translation>Квадрат зі стороною %1, накреслений у масштабі: його сторона дорівнює %2</translation>
    </message>
    <message>
        <source>Parallelogram with sides %1 and %2, drawn to scale with side B leaning at 60°, its perimeter %3 drawn heavy. Any slant gives the same sides, so the same perimeter</source>
        <translation>Паралелограм зі сторонами %1 і %2, накреслений у масштабі, сторона B нахилена під кутом 60°, його периметр %3 виділено товстою лінією. Будь-який нахил дає ті самі сторони, а отже, той самий периметр</translation>
    </message>
    <message>
        <source>base/height = %1</source>
        <translation>основа/висота = %1</translation>
    </message>
    <message>
        <source>base = %1</source>
        <translation>основа = %1</translation>
    </message>
    <message>
        <source>height/base = %1</source>
        <translation>висота/основа = %1</translation>
    </message>
    <message>
        <source>height = %1</source>
        <translation>висота = %1</translation>
    </message>
    <message>
        <source>Parallelogram with base %1 and height %2, drawn to scale and slanted, the height dashed from a top corner square to the base drawn on, its area %3 shaded. Any slant gives the same base, height and area</source>
        <translation>Паралелограм з основою %1 і висотою %2, накреслений у масштабі й нахилений, висоту проведено пунктиром з верхньої вершини перпендикулярно до продовження основи, його площу %3 заштриховано. Будь-який нахил дає ту саму основу, висоту й площу</translation>
    </message>
    <message>
        <source>Parallelogram with base %1 and height %2, drawn to scale and slanted, the height dashed from a top corner square to the base drawn on: the other length is %3. Any slant gives the same base, height and area</source>
        <translation>Паралелограм з основою %1 і висотою %2, накреслений у масштабі й нахилений, висоту проведено пунктиром з верхньої вершини перпендикулярно до продовження основи: друга довжина дорівнює %3. Будь-який нахил дає ту саму основу, висоту й площу</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale, its area %3 shaded</source>
        <translation>Прямокутник %1 на %2, накреслений у масштабі, його площу %3 заштриховано</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale, its perimeter %3 drawn heavy</source>
        <translation>Прямокутник %1 на %2, накреслений у масштабі, його периметр %3 виділено товстою лінією</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale: side B is %3</source>
        <translation>Прямокутник %1 на %2, накреслений у масштабі: сторона B дорівнює %3</translation>
    </message>
    <message>
        <source>The perimeter %1 beside the two sides A, %2 together: nothing is left for the sides B, so no rectangle has these numbers</source>
        <translation>Периметр %1 поруч із двома сторонами A, разом %2: для сторін B нічого не залишається, тому прямокутника з такими числами немає</translation>
    </message>
    <message>
        <source>Trapezium with parallel sides %1 and %2 and height %3, drawn to scale with a right angle at its left side, so that side is the height, its area %4 shaded. The exercise leaves the slant of its other sides free, and every slant gives the same area</source>
        <translation>Трапеція з паралельними сторонами %1 і %2 та висотою %3, накреслена в масштабі з прямим кутом ліворуч, тож ця сторона є висотою, її площу %4 заштриховано. Вправа залишає нахил інших сторін довільним, і будь-який нахил дає ту саму площу</translation>
    </message>
    <message>
        <source>Quadrilateral with perpendicular diagonals %1 and %2, drawn to scale, its area %3 shaded: half the %1 by %2 rectangle around it. It is drawn as a rhombus, the diagonals crossing at their middles: the exercise leaves where they cross free</source>
        <translation>Чотирикутник з перпендикулярними діагоналями %1 і %2, накреслений у масштабі, його площу %3 заштриховано: це половина прямокутника %1 на %2 навколо нього. Його накреслено як ромб, діагоналі перетинаються посередині: вправа залишає довільним місце їхнього перетину</translation>
    </message>
    <message>
        <source>6 characters</source>
        <translation>6 символів</translation>
    </message>
    <message>
        <source>Each button uses only the boxes of its own frame</source>
        <translation>Кожна кнопка використовує лише поля своєї рамки</translation>
    </message>
    <message>
        <source>Square: its side, its area or its perimeter</source>
        <translation>Квадрат: його сторона, площа або периметр</translation>
    </message>
    <message>
        <source>Trapezium: the parallel sides A and B and the height between them</source>
        <translation>Трапеція: паралельні сторони A і B та висота між ними</translation>
    </message>
    <message>
        <source>Diagonals: Height A and Height B are the two diagonals, which cross at a right angle</source>
        <translation>Діагоналі: Висота A і Висота B - це дві діагоналі, що перетинаються під прямим кутом</translation>
    </message>
    <message>
        <source>Rectangle: sides A and B; or side A and the area; or side A and the perimeter, which must be more than A + A</source>
        <translation>Прямокутник: сторони A і B; або сторона A і площа; або сторона A і периметр, який має бути більшим за A + A</translation>
    </message>
    <message>
        <source>Parallelogram: base and height; or the area and the base (or the height); or sides A and B</source>
        <translation>Паралелограм: основа і висота; або площа й основа (або висота); або сторони A і B</translation>
    </message>
    <message>
        <source>A trapezium with sides 3 and 5, height 4:</source>
        <translation>Трапеція зі сторонами 3 і 5, висота 4:</translation>
    </message>
</context>
<context>
    <name>sb::Form8</name>
    <message>
        <source>Implausible Data</source>
        <translation>Неправдоподібні дані</translation>
    </message>
</context>
</TS>
