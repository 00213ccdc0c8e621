<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>CircleWorking</name>
    <message>
        <source>Area = πr², with π = %1</source>
        <translation>المساحة = πr²، حيث π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, with π = %1</source>
        <translation>المحيط = 2πr، حيث π = %1</translation>
    </message>
    <message>
        <source>The radius is half the diameter, r = d ÷ 2; then Area = πr², with π = %1</source>
        <translation>نصف القطر يساوي نصف طول القطر، r = d ÷ 2؛ ثم المساحة = πr²، حيث π = %1</translation>
    </message>
    <message>
        <source>The radius is half the diameter, r = d ÷ 2; then Perimeter = 2πr, with π = %1</source>
        <translation>نصف القطر يساوي نصف طول القطر، r = d ÷ 2؛ ثم المحيط = 2πr، حيث π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π), with π = %1</source>
        <translation>المساحة = πr²، إذن r = √(A ÷ π)، حيث π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π), and d = 2r, with π = %1</source>
        <translation>المساحة = πr²، إذن r = √(A ÷ π)، و d = 2r، حيث π = %1</translation>
    </message>
    <message>
        <source>Area = πr², so r = √(A ÷ π); then Perimeter = 2πr, with π = %1</source>
        <translation>المساحة = πr²، إذن r = √(A ÷ π)؛ ثم المحيط = 2πr، حيث π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, so r = P ÷ (2π), with π = %1</source>
        <translation>المحيط = 2πr، إذن r = P ÷ (2π)، حيث π = %1</translation>
    </message>
    <message>
        <source>Perimeter = πd, so d = P ÷ π, with π = %1</source>
        <translation>المحيط = πd، إذن d = P ÷ π، حيث π = %1</translation>
    </message>
    <message>
        <source>Perimeter = 2πr, so r = P ÷ (2π); then Area = πr², with π = %1</source>
        <translation>المحيط = 2πr، إذن r = P ÷ (2π)؛ ثم المساحة = πr²، حيث π = %1</translation>
    </message>
    <message>
        <source>So the radius is %1 ≈ %2</source>
        <extracomment>%1 is the exact radius, %2 the window&apos;s</extracomment>
        <translation>إذن نصف القطر يساوي %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the radius is %1</source>
        <translation>إذن نصف القطر يساوي %1</translation>
    </message>
    <message>
        <source>So the diameter is %1 ≈ %2</source>
        <extracomment>%1 is the exact diameter, %2 the window&apos;s</extracomment>
        <translation>إذن القطر يساوي %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the diameter is %1</source>
        <translation>إذن القطر يساوي %1</translation>
    </message>
    <message>
        <source>So the area is %1 ≈ %2</source>
        <extracomment>%1 is the exact area, %2 the window&apos;s</extracomment>
        <translation>إذن المساحة تساوي %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>إذن المساحة تساوي %1</translation>
    </message>
    <message>
        <source>So the perimeter is %1 ≈ %2</source>
        <extracomment>%1 is the exact perimeter, %2 the window&apos;s</extracomment>
        <translation>إذن المحيط يساوي %1 ≈ %2</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>إذن المحيط يساوي %1</translation>
    </message>
    <message>
        <source>The window&apos;s π, %1, also stops a little below the true π, 3.14159265358979323…</source>
        <translation>كما أن π في النافذة، %1، أصغر قليلًا من π الحقيقي، 3.14159265358979323…</translation>
    </message>
    <message>
        <source>Area = π × %1² = %2</source>
        <translation>المساحة = π × %1² = %2</translation>
    </message>
    <message>
        <source>Perimeter = 2 × π × %1 = %2</source>
        <translation>المحيط = 2 × π × %1 = %2</translation>
    </message>
    <message>
        <source>With the window&apos;s π: πr = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;</extracomment>
        <translation>باستخدام π في النافذة: πr = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = πr × r = %1 × %2%3%4</source>
        <translation>المساحة = πr × r = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Perimeter = πr × 2 = %1 × 2%2%3</source>
        <translation>المحيط = πr × 2 = %1 × 2%2%3</translation>
    </message>
    <message>
        <source>Perimeter = 2r × π = %1 × %2%3%4</source>
        <translation>المحيط = 2r × π = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = π × r² = %1 × %2%3%4</source>
        <translation>المساحة = π × r² = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Circle with radius %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the radius typed, %2 the area found</extracomment>
        <translation>دائرة نصف قطرها %1، مرسومة بمقياس رسم مع مركزها: مساحتها %2 مظللة</translation>
    </message>
    <message>
        <source>Circle with radius %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <translation>دائرة نصف قطرها %1، مرسومة بمقياس رسم مع مركزها: خطها، أي المحيط %2، مرسوم بخط عريض</translation>
    </message>
    <message>
        <source>Circle with diameter %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the diameter typed, %2 the area found</extracomment>
        <translation>دائرة قطرها %1، مرسومة بمقياس رسم مع مركزها: مساحتها %2 مظللة</translation>
    </message>
    <message>
        <source>Circle with diameter %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <translation>دائرة قطرها %1، مرسومة بمقياس رسم مع مركزها: خطها، أي المحيط %2، مرسوم بخط عريض</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its radius is %2</source>
        <extracomment>%1 is the area typed, %2 the radius found</extracomment>
        <translation>دائرة مساحتها %1، مرسومة بمقياس رسم مع مركزها: نصف قطرها %2</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its diameter is %2</source>
        <extracomment>%1 is the area typed, %2 the diameter found</extracomment>
        <translation>دائرة مساحتها %1، مرسومة بمقياس رسم مع مركزها: قطرها %2</translation>
    </message>
    <message>
        <source>Circle with area %1, drawn to scale with its centre: its rim, the perimeter %2, drawn heavy</source>
        <extracomment>%1 is the area typed, %2 the perimeter found</extracomment>
        <translation>دائرة مساحتها %1، مرسومة بمقياس رسم مع مركزها: خطها، أي المحيط %2، مرسوم بخط عريض</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its radius is %2</source>
        <extracomment>%1 is the perimeter typed, %2 the radius found</extracomment>
        <translation>دائرة محيطها %1، مرسومة بمقياس رسم مع مركزها: نصف قطرها %2</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its diameter is %2</source>
        <extracomment>%1 is the perimeter typed, %2 the diameter found</extracomment>
        <translation>دائرة محيطها %1، مرسومة بمقياس رسم مع مركزها: قطرها %2</translation>
    </message>
    <message>
        <source>Circle with perimeter %1, drawn to scale with its centre: its area %2 shaded</source>
        <extracomment>%1 is the perimeter typed, %2 the area found</extracomment>
        <translation>دائرة محيطها %1، مرسومة بمقياس رسم مع مركزها: مساحتها %2 مظللة</translation>
    </message>
    <message>
        <source>centre</source>
        <extracomment>the label of the circle&apos;s centre in the figure</extracomment>
        <translation>المركز</translation>
    </message>
    <message>
        <source>Area = %1</source>
        <translation>المساحة = %1</translation>
    </message>
    <message>
        <source>Perimeter = %1</source>
        <translation>المحيط = %1</translation>
    </message>
    <message>
        <source>8 characters</source>
        <extracomment>how long a typed value may be; it ends the sentence &quot;Each box takes one number greater than zero, at most %1: ...&quot;</extracomment>
        <translation>8 رموز</translation>
    </message>
    <message>
        <source>Each button uses only the box of its own row, and answers beside it</source>
        <translation>كل زر يستخدم خانة صفه فقط، ويعرض الناتج بجانبها</translation>
    </message>
    <message>
        <source>Radius or Diameter: find the area or the perimeter</source>
        <extracomment>Radius, Diameter: the boxes&apos; headings in the window</extracomment>
        <translation>نصف القطر أو القطر: أوجد المساحة أو المحيط</translation>
    </message>
    <message>
        <source>Area: find the radius or the diameter; the lower Area box finds the perimeter</source>
        <extracomment>Area: the boxes&apos; heading in the window</extracomment>
        <translation>المساحة: أوجد نصف القطر أو القطر؛ وخانة «المساحة» السفلى تُوجِد المحيط</translation>
    </message>
    <message>
        <source>Perimeter: find the radius or the diameter; the lower Perimeter box finds the area</source>
        <extracomment>Perimeter: the boxes&apos; heading in the window</extracomment>
        <translation>المحيط: أوجد نصف القطر أو القطر؛ وخانة «المحيط» السفلى تُوجِد المساحة</translation>
    </message>
    <message>
        <source>Radius 5, then Find Area:</source>
        <extracomment>the example worked: Radius is the box&apos;s heading, Find Area the button&apos;s caption</extracomment>
        <translation>نصف القطر 5، ثم زر «المساحة»:</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Circle - Areas And Perimeters</source>
        <translation>الدائرة - المساحة والمحيط</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>نصف القطر</translation>
    </message>
    <message>
        <source>Find Area</source>
        <translation>المساحة</translation>
    </message>
    <message>
        <source>Find Perimeter</source>
        <translation>المحيط</translation>
    </message>
    <message>
        <source>Answer from the radius</source>
        <translation>الناتج من نصف القطر</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>المساحة</translation>
    </message>
    <message>
        <source>Find Radius</source>
        <translation>نصف القطر</translation>
    </message>
    <message>
        <source>Find Diameter</source>
        <translation>القطر</translation>
    </message>
    <message>
        <source>Answer from the area</source>
        <translation>الناتج من المساحة</translation>
    </message>
    <message>
        <source>Perimeter from the area</source>
        <translation>المحيط من المساحة</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>القطر</translation>
    </message>
    <message>
        <source>Answer from the diameter</source>
        <translation>الناتج من القطر</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>المحيط</translation>
    </message>
    <message>
        <source>Answer from the perimeter</source>
        <translation>الناتج من المحيط</translation>
    </message>
    <message>
        <source>Area from the perimeter</source>
        <translation>المساحة من المحيط</translation>
    </message>
</context>
</TS>
