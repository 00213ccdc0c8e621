<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>CircleWorking</name>
    <message>
        <source>Area = πr², with π = %1</source>
        <translation>Площа = πr², де π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, with π = %1</source>
        <translation>Периметр = 2πr, де π = %1</translation>
    </message>
    <message>
        <source>The radius is half the diameter, r = d ÷ 2; then Area = πr², with π = %1</source>
        <translation>Радіус дорівнює половині діаметра, r = d ÷ 2; тоді площа = πr², де π = %1</translation>
    </message>
    <message>
        <source>The radius is half the diameter, r = d ÷ 2; then Perimeter = 2πr, with π = %1</source>
        <translation>Радіус дорівнює половині діаметра, r = d ÷ 2; тоді периметр = 2πr, де π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π), with π = %1</source>
        <translation>Площа = πr², тому r = √(A ÷ π), де π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π), and d = 2r, with π = %1</source>
        <translation>Площа = πr², тому r = √(A ÷ π), і d = 2r, де π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π); then Perimeter = 2πr, with π = %1</source>
        <translation>Площа = πr², тому r = √(A ÷ π); тоді периметр = 2πr, де π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, so r = P ÷ (2π), with π = %1</source>
        <translation>Периметр = 2πr, тому r = P ÷ (2π), де π = %1</translation>
    </message>
    <message>
        <source>Perimeter = πd, so d = P ÷ π, with π = %1</source>
        <translation>Периметр = πd, тому d = P ÷ π, де π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, so r = P ÷ (2π); then Area = πr², with π = %1</source>
        <translation>Периметр = 2πr, тому r = P ÷ (2π); тоді площа = πr², де π = %1</translation>
    </message>
    <message>
        <source>So the radius is %1 ≈ %2</source>
        <extracomment>%1 is the exact radius, %2 the window&apos;s</extracomment>
        <translation>Отже, радіус дорівнює %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the radius is %1</source>
        <translation>Отже, радіус дорівнює %1</translation>
    </message>
    <message>
        <source>So the diameter is %1 ≈ %2</source>
        <extracomment>%1 is the exact diameter, %2 the window&apos;s</extracomment>
        <translation>Отже, діаметр дорівнює %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the diameter is %1</source>
        <translation>Отже, діаметр дорівнює %1</translation>
    </message>
    <message>
        <source>So the area is %1 ≈ %2</source>
        <extracomment>%1 is the exact area, %2 the window&apos;s</extracomment>
        <translation>Отже, площа дорівнює %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>Отже, площа дорівнює %1</translation>
    </message>
    <message>
        <source>So the perimeter is %1 ≈ %2</source>
        <extracomment>%1 is the exact perimeter, %2 the window&apos;s</extracomment>
        <translation>Отже, периметр дорівнює %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>Отже, периметр дорівнює %1</translation>
    </message>
    <message>
        <source>The window&apos;s π, %1, also stops a little below the true π, 3.14159265358979323…</source>
        <translation>Крім того, π вікна, %1, трохи менше за справжнє π, 3.14159265358979323…</translation>
    </message>
    <message>
        <source>Area = π × %1² = %2</source>
        <translation>Площа = π × %1² = %2</translation>
    </message>
    <message>
        <source>Perimeter = 2 × π × %1 = %2</source>
        <translation>Периметр = 2 × π × %1 = %2</translation>
    </message>
    <message>
        <source>With the window&apos;s π: πr = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;</extracomment>
        <translation>З π вікна: πr = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = πr × r = %1 × %2%3%4</source>
        <translation>Площа = πr × r = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Perimeter = πr × 2 = %1 × 2%2%3</source>
        <translation>Периметр = πr × 2 = %1 × 2%2%3</translation>
    </message>
    <message>
        <source>Perimeter = 2r × π = %1 × %2%3%4</source>
        <translation>Периметр = 2r × π = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = π × r² = %1 × %2%3%4</source>
        <translation>Площа = π × r² = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Circle with radius %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the radius typed, %2 the area found</extracomment>
        <translation>Коло з радіусом %1, накреслене в масштабі разом із центром: площу круга %2 заштриховано</translation>
    </message>
    <message>
        <source>Circle with radius %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <translation>Коло з радіусом %1, накреслене в масштабі разом із центром: лінію кола (периметр %2) накреслено жирною</translation>
    </message>
    <message>
        <source>Circle with diameter %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the diameter typed, %2 the area found</extracomment>
        <translation>Коло з діаметром %1, накреслене в масштабі разом із центром: площу круга %2 заштриховано</translation>
    </message>
    <message>
        <source>Circle with diameter %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <translation>Коло з діаметром %1, накреслене в масштабі разом із центром: лінію кола (периметр %2) накреслено жирною</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its radius is %2</source>
        <extracomment>%1 is the area typed, %2 the radius found</extracomment>
        <translation>Круг площею %1, накреслений у масштабі разом із центром: його радіус дорівнює %2</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its diameter is %2</source>
        <extracomment>%1 is the area typed, %2 the diameter found</extracomment>
        <translation>Круг площею %1, накреслений у масштабі разом із центром: його діаметр дорівнює %2</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <extracomment>%1 is the area typed, %2 the perimeter found</extracomment>
        <translation>Круг площею %1, накреслений у масштабі разом із центром: лінію кола (периметр %2) накреслено жирною</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its radius is %2</source>
        <extracomment>%1 is the perimeter typed, %2 the radius found</extracomment>
        <translation>Коло з периметром %1, накреслене в масштабі разом із центром: його радіус дорівнює %2</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its diameter is %2</source>
        <extracomment>%1 is the perimeter typed, %2 the diameter found</extracomment>
        <translation>Коло з периметром %1, накреслене в масштабі разом із центром: його діаметр дорівнює %2</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the perimeter typed, %2 the area found</extracomment>
        <translation>Коло з периметром %1, накреслене в масштабі разом із центром: площу круга %2 заштриховано</translation>
    </message>
    <message>
        <source>centre</source>
        <extracomment>the label of the circle&apos;s centre in the figure</extracomment>
        <translation>центр</translation>
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
        <source>8 characters</source>
        <extracomment>how long a typed value may be; it ends the sentence &quot;Each box takes one number greater than zero, at most %1: ...&quot;</extracomment>
        <translation>8 символів</translation>
    </message>
    <message>
        <source>Each button uses only the box of its own row, and answers beside it</source>
        <translation>Кожна кнопка бере тільки поле свого рядка й показує відповідь поруч</translation>
    </message>
    <message>
        <source>Radius or Diameter: find the area or the perimeter</source>
        <extracomment>Radius, Diameter: the boxes&apos; headings in the window</extracomment>
        <translation>Радіус або Діаметр: знайди площу або периметр</translation>
    </message>
    <message>
        <source>Area: find the radius or the diameter; the lower Area box finds the perimeter</source>
        <extracomment>Area: the boxes&apos; heading in the window</extracomment>
        <translation>Площа: знайди радіус або діаметр; нижнє поле «Площа» знаходить периметр</translation>
    </message>
    <message>
        <source>Perimeter: find the radius or the diameter; the lower Perimeter box finds the area</source>
        <extracomment>Perimeter: the boxes&apos; heading in the window</extracomment>
        <translation>Периметр: знайди радіус або діаметр; нижнє поле «Периметр» знаходить площу</translation>
    </message>
    <message>
        <source>Radius 5, then Find Area:</source>
        <extracomment>the example worked: Radius is the box&apos;s heading, Find Area the button&apos;s caption</extracomment>
        <translation>Радіус 5, потім кнопка «Площа»:</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Circle - Areas And Perimeters</source>
        <translation>Круг - площа і периметр</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Радіус</translation>
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
        <source>Answer from the radius</source>
        <translation>Відповідь за радіусом</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Площа</translation>
    </message>
    <message>
        <source>Find Radius</source>
        <translation>Радіус</translation>
    </message>
    <message>
        <source>Find Diameter</source>
        <translation>Діаметр</translation>
    </message>
    <message>
        <source>Answer from the area</source>
        <translation>Відповідь за площею</translation>
    </message>
    <message>
        <source>Perimeter from the area</source>
        <translation>Периметр за площею</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Діаметр</translation>
    </message>
    <message>
        <source>Answer from the diameter</source>
        <translation>Відповідь за діаметром</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Периметр</translation>
    </message>
    <message>
        <source>Answer from the perimeter</source>
        <translation>Відповідь за периметром</translation>
    </message>
    <message>
        <source>Area from the perimeter</source>
        <translation>Площа за периметром</translation>
    </message>
</context>
</TS>
