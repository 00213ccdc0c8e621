<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Form8</name>
    <message>
        <source>Quadrilateral - Areas And Perimeters</source>
        <translation>الأشكال الرباعية - المساحات والمحيطات</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>المربع</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>الضلع</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>المساحة</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>المحيط</translation>
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
        <source>Square from its side</source>
        <translation>المربع من ضلعه</translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation>الضلع</translation>
    </message>
    <message>
        <source>Square from its area</source>
        <translation>المربع من مساحته</translation>
    </message>
    <message>
        <source>Square from its perimeter</source>
        <translation>المربع من محيطه</translation>
    </message>
    <message>
        <source>Trapezium</source>
        <translation>شبه المنحرف</translation>
    </message>
    <message>
        <source>Side A</source>
        <translation>الضلع A</translation>
    </message>
    <message>
        <source>Side B</source>
        <translation>الضلع B</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Trapezium area</source>
        <translation>مساحة شبه المنحرف</translation>
    </message>
    <message>
        <source>Quadrilateral which two of its diagonals are verticals</source>
        <translation>شكل رباعي قطراه متعامدان</translation>
    </message>
    <message>
        <source>like Rhombus , Square , Dalton </source>
        <translation>مثل المعيّن والمربع والطائرة الورقية</translation>
    </message>
    <message>
        <source>Height A</source>
        <translation>الارتفاع A</translation>
    </message>
    <message>
        <source>Height B</source>
        <translation>الارتفاع B</translation>
    </message>
    <message>
        <source>Area from the diagonals</source>
        <translation>المساحة من القطرين</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>المستطيل</translation>
    </message>
    <message>
        <source>Rectangle from two sides</source>
        <translation>المستطيل من ضلعين</translation>
    </message>
    <message>
        <source>Find B</source>
        <translation>الضلع B</translation>
    </message>
    <message>
        <source>Rectangle from a side and the area</source>
        <translation>المستطيل من ضلع والمساحة</translation>
    </message>
    <message>
        <source>Rectangle from a side and the perimeter</source>
        <translation>المستطيل من ضلع والمحيط</translation>
    </message>
    <message>
        <source>Parallelogram And Rhombus</source>
        <translation>متوازي الأضلاع والمعيّن</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>القاعدة</translation>
    </message>
    <message>
        <source>Parallelogram area</source>
        <translation>مساحة متوازي الأضلاع</translation>
    </message>
    <message>
        <source>Base/Height</source>
        <translation>القاعدة/الارتفاع</translation>
    </message>
    <message>
        <source>Find Height/Base</source>
        <translation>الارتفاع/القاعدة</translation>
    </message>
    <message>
        <source>Parallelogram height or base</source>
        <translation>ارتفاع متوازي الأضلاع أو قاعدته</translation>
    </message>
    <message>
        <source>Parallelogram perimeter</source>
        <translation>محيط متوازي الأضلاع</translation>
    </message>
</context>
<context>
    <name>QuadrilateralWorking</name>
    <message>
        <source>Area = side², so side = √Area</source>
        <translation>المساحة = الضلع²، إذن الضلع = √المساحة</translation>
    </message>
    <message>
        <source>side = √%1 = %2</source>
        <translation>الضلع = √%1 = %2</translation>
    </message>
    <message>
        <source>side = √%1 ≈ %2</source>
        <translation>الضلع = √%1 ≈ %2</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side, so side = Perimeter ÷ 4</source>
        <translation>المحيط = 4 × الضلع، إذن الضلع = المحيط ÷ 4</translation>
    </message>
    <message>
        <source>side = %1 ÷ 4%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>الضلع = %1 ÷ 4%2%3</translation>
    </message>
    <message>
        <source>side = %1</source>
        <translation>الضلع = %1</translation>
    </message>
    <message>
        <source>Area = side² = %1²%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>المساحة = الضلع² = %1²%2%3</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>إذن المساحة تساوي %1</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side = 4 × %1 = %2</source>
        <translation>المحيط = 4 × الضلع = 4 × %1 = %2</translation>
    </message>
    <message>
        <source>The window works it out as %1 × 4%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>تحسبها النافذة هكذا: %1 × 4%2%3</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>إذن المحيط يساوي %1</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side = 4 × %1%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>المحيط = 4 × الضلع = 4 × %1%2%3</translation>
    </message>
    <message>
        <source>So the side is %1</source>
        <translation>إذن الضلع يساوي %1</translation>
    </message>
    <message>
        <source>Check: side² = %1² = %2, the area given</source>
        <translation>التحقق: الضلع² = %1² = %2، وهي المساحة المعطاة</translation>
    </message>
    <message>
        <source>Check: 4 × side = 4 × %1 = %2, the perimeter given</source>
        <translation>التحقق: 4 × الضلع = 4 × %1 = %2، وهو المحيط المعطى</translation>
    </message>
    <message>
        <source>Area of a rectangle = A × B</source>
        <translation>مساحة المستطيل = A × B</translation>
    </message>
    <message>
        <source>Area of a parallelogram = base × height</source>
        <translation>مساحة متوازي الأضلاع = القاعدة × الارتفاع</translation>
    </message>
    <message>
        <source>Area = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>المساحة = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Perimeter = (A + B) × 2: two sides A and two sides B</source>
        <translation>المحيط = (A + B) × 2: ضلعان A وضلعان B</translation>
    </message>
    <message>
        <source>Perimeter = %1 × 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>المحيط = %1 × 2%2%3</translation>
    </message>
    <message>
        <source>Area = A × B, so B = Area ÷ A</source>
        <translation>المساحة = A × B، إذن B = المساحة ÷ A</translation>
    </message>
    <message>
        <source>So side B is %1</source>
        <translation>إذن الضلع B يساوي %1</translation>
    </message>
    <message>
        <source>Check: A × B = %1 × %2 = %3, the area given</source>
        <translation>التحقق: A × B = %1 × %2 = %3، وهي المساحة المعطاة</translation>
    </message>
    <message>
        <source>Perimeter = (A + B) × 2</source>
        <translation>المحيط = (A + B) × 2</translation>
    </message>
    <message>
        <source>Area = base × height, so the one not known = Area ÷ the one known</source>
        <translation>المساحة = القاعدة × الارتفاع، إذن الطول المجهول = المساحة ÷ الطول المعلوم</translation>
    </message>
    <message>
        <source>So the height (or the base) is %1</source>
        <translation>إذن الارتفاع (أو القاعدة) يساوي %1</translation>
    </message>
    <message>
        <source>Check: base × height = %1 × %2 = %3, the area given</source>
        <translation>التحقق: القاعدة × الارتفاع = %1 × %2 = %3، وهي المساحة المعطاة</translation>
    </message>
    <message>
        <source>Perimeter = A + A + B + B, so B = (P - (A + A)) ÷ 2</source>
        <translation>المحيط = A + A + B + B، إذن B = (P - (A + A)) ÷ 2</translation>
    </message>
    <message>
        <source>That leaves nothing for the two sides B: the perimeter %1 is too short for the side %2, so no rectangle has these numbers</source>
        <translation>لا يبقى شيء للضلعين B: المحيط %1 أقصر من أن يكفي للضلع %2، إذن لا يوجد مستطيل بهذه الأعداد</translation>
    </message>
    <message>
        <source>A perimeter must be more than A + A = %1</source>
        <translation>يجب أن يكون المحيط أكبر من A + A = %1</translation>
    </message>
    <message>
        <source>The window works with B = %1</source>
        <translation>تعمل النافذة بالقيمة B = %1</translation>
    </message>
    <message>
        <source>The window rounds B to 4 decimal places: %1</source>
        <translation>تقرّب النافذة B إلى 4 منازل عشرية: %1</translation>
    </message>
    <message>
        <source>Check with B = %1: A + A + B + B = %2 + %2 + %1 + %1 = %3, the perimeter given</source>
        <translation>التحقق مع B = %1: A + A + B + B = %2 + %2 + %1 + %1 = %3، وهو المحيط المعطى</translation>
    </message>
    <message>
        <source>Area = A × B = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>المساحة = A × B = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area of a trapezium = (A + B) × height ÷ 2</source>
        <translation>مساحة شبه المنحرف = (A + B) × الارتفاع ÷ 2</translation>
    </message>
    <message>
        <source>(A + B) × height = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>(A + B) × الارتفاع = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = %1 ÷ 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>المساحة = %1 ÷ 2%2%3</translation>
    </message>
    <message>
        <source>The diagonals cross at a right angle: Area = d1 × d2 ÷ 2</source>
        <translation>يتقاطع القطران بزاوية قائمة: المساحة = d1 × d2 ÷ 2</translation>
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
        <source>Square with side %1, drawn to scale, its area %2 shaded</source>
        <translation>مربع طول ضلعه %1، مرسوم بمقياس رسم، ومساحته %2 مظلَّلة</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale, its perimeter %2 drawn heavy</source>
        <translation>مربع طول ضلعه %1، مرسوم بمقياس رسم، ومحيطه %2 مرسوم بخط عريض</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale: its side is %2</source>
        <translation>مربع طول ضلعه %1، مرسوم بمقياس رسم: طول ضلعه %2</translation>
    </message>
    <message>
        <source>Parallelogram with sides %1 and %2, drawn to scale with side B leaning at 60°, its perimeter %3 drawn heavy. Any slant gives the same sides, so the same perimeter</source>
        <translation>متوازي أضلاع طولا ضلعيه %1 و%2، مرسوم بمقياس رسم والضلع B مائل بزاوية 60°، ومحيطه %3 مرسوم بخط عريض. أي ميل يعطي الأضلاع نفسها، إذن المحيط نفسه</translation>
    </message>
    <message>
        <source>base/height = %1</source>
        <translation>القاعدة/الارتفاع = %1</translation>
    </message>
    <message>
        <source>base = %1</source>
        <translation>القاعدة = %1</translation>
    </message>
    <message>
        <source>height/base = %1</source>
        <translation>الارتفاع/القاعدة = %1</translation>
    </message>
    <message>
        <source>height = %1</source>
        <translation>الارتفاع = %1</translation>
    </message>
    <message>
        <source>Parallelogram with base %1 and height %2, drawn to scale and slanted, the height dashed from a top corner square to the base drawn on, its area %3 shaded. Any slant gives the same base, height and area</source>
        <translation>متوازي أضلاع قاعدته %1 وارتفاعه %2، مرسوم بمقياس رسم ومائل، والارتفاع متقطع من رأس علوي عموديًّا على امتداد القاعدة، ومساحته %3 مظلَّلة. أي ميل يعطي القاعدة والارتفاع والمساحة نفسها</translation>
    </message>
    <message>
        <source>Parallelogram with base %1 and height %2, drawn to scale and slanted, the height dashed from a top corner square to the base drawn on: the other length is %3. Any slant gives the same base, height and area</source>
        <translation>متوازي أضلاع قاعدته %1 وارتفاعه %2، مرسوم بمقياس رسم ومائل، والارتفاع متقطع من رأس علوي عموديًّا على امتداد القاعدة: الطول الآخر %3. أي ميل يعطي القاعدة والارتفاع والمساحة نفسها</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale, its area %3 shaded</source>
        <translation>مستطيل بُعداه %1 و%2، مرسوم بمقياس رسم، ومساحته %3 مظلَّلة</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale, its perimeter %3 drawn heavy</source>
        <translation>مستطيل بُعداه %1 و%2، مرسوم بمقياس رسم، ومحيطه %3 مرسوم بخط عريض</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale: side B is %3</source>
        <translation>مستطيل بُعداه %1 و%2، مرسوم بمقياس رسم: طول الضلع B هو %3</translation>
    </message>
    <message>
        <source>The perimeter %1 beside the two sides A, %2 together: nothing is left for the sides B, so no rectangle has these numbers</source>
        <translation>المحيط %1 بجانب الضلعين A ومجموعهما %2: لا يبقى شيء للضلعين B، إذن لا يوجد مستطيل بهذه الأعداد</translation>
    </message>
    <message>
        <source>Trapezium with parallel sides %1 and %2 and height %3, drawn to scale with a right angle at its left side, so that side is the height, its area %4 shaded. The exercise leaves the slant of its other sides free, and every slant gives the same area</source>
        <translation>شبه منحرف ضلعاه المتوازيان %1 و%2 وارتفاعه %3، مرسوم بمقياس رسم بزاوية قائمة عند ضلعه الأيسر، فيكون هذا الضلع هو الارتفاع، ومساحته %4 مظلَّلة. التمرين يترك ميل الضلعين الآخرين حرًّا، وكل ميل يعطي المساحة نفسها</translation>
    </message>
    <message>
        <source>Quadrilateral with perpendicular diagonals %1 and %2, drawn to scale, its area %3 shaded: half the %1 by %2 rectangle around it. It is drawn as a rhombus, the diagonals crossing at their middles: the exercise leaves where they cross free</source>
        <translation>شكل رباعي قطراه المتعامدان %1 و%2، مرسوم بمقياس رسم، ومساحته %3 مظلَّلة: نصف المستطيل الذي بُعداه %1 و%2 المحيط به. رُسم على شكل معيّن يتقاطع قطراه في منتصفيهما: التمرين يترك موضع تقاطعهما حرًّا</translation>
    </message>
    <message>
        <source>6 characters</source>
        <translation>6 رموز</translation>
    </message>
    <message>
        <source>Each button uses only the boxes of its own frame</source>
        <translation>كل زر يستخدم خانات إطاره فقط</translation>
    </message>
    <message>
        <source>Square: its side, its area or its perimeter</source>
        <translation>المربع: ضلعه أو مساحته أو محيطه</translation>
    </message>
    <message>
        <source>Trapezium: the parallel sides A and B and the height between them</source>
        <translation>شبه المنحرف: الضلعان المتوازيان A وB والارتفاع بينهما</translation>
    </message>
    <message>
        <source>Diagonals: Height A and Height B are the two diagonals, which cross at a right angle</source>
        <translation>القطران: الارتفاع A والارتفاع B هما القطران، ويتقاطعان بزاوية قائمة</translation>
    </message>
    <message>
        <source>Rectangle: sides A and B; or side A and the area; or side A and the perimeter, which must be more than A + A</source>
        <translation>المستطيل: الضلعان A وB؛ أو الضلع A والمساحة؛ أو الضلع A والمحيط، ويجب أن يكون أكبر من A + A</translation>
    </message>
    <message>
        <source>Parallelogram: base and height; or the area and the base (or the height); or sides A and B</source>
        <translation>متوازي الأضلاع: القاعدة والارتفاع؛ أو المساحة والقاعدة (أو الارتفاع)؛ أو الضلعان A وB</translation>
    </message>
    <message>
        <source>A trapezium with sides 3 and 5, height 4:</source>
        <translation>شبه منحرف طولا ضلعيه 3 و5، وارتفاعه 4:</translation>
    </message>
</context>
<context>
    <name>sb::Form8</name>
    <message>
        <source>Implausible Data</source>
        <translation>بيانات غير معقولة</translation>
    </message>
</context>
</TS>
