<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Form9</name>
    <message>
        <source>Triangle - Areas And Perimeters</source>
        <translation>المثلثات - المساحات والمحيطات</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>القاعدة</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Find Area</source>
        <translation>المساحة</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>المساحة</translation>
    </message>
    <message>
        <source>Find Height</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Find Base</source>
        <translation>القاعدة</translation>
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
        <source>Side C</source>
        <translation>الضلع C</translation>
    </message>
    <message>
        <source>Find Perimeter</source>
        <translation>المحيط</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>المحيط</translation>
    </message>
    <message>
        <source>Heron&apos;s Formula  For Finding Area Of A Triangle</source>
        <translation>صيغة هيرون لإيجاد مساحة المثلث</translation>
    </message>
    <message>
        <source>Area by Heron&apos;s formula</source>
        <translation>المساحة بصيغة هيرون</translation>
    </message>
</context>
<context>
    <name>TriangleAreasWorking</name>
    <message>
        <source>Area = base × height ÷ 2</source>
        <translation>المساحة = القاعدة × الارتفاع ÷ 2</translation>
    </message>
    <message>
        <source>base × height = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>القاعدة × الارتفاع = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = %1 ÷ 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>المساحة = %1 ÷ 2%2%3</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>إذن المساحة تساوي %1</translation>
    </message>
    <message>
        <source>Area = base × height ÷ 2, so height = (Area + Area) ÷ base</source>
        <translation>المساحة = القاعدة × الارتفاع ÷ 2، إذن الارتفاع = (المساحة + المساحة) ÷ القاعدة</translation>
    </message>
    <message>
        <source>Area = base × height ÷ 2, so base = (Area + Area) ÷ height</source>
        <translation>المساحة = القاعدة × الارتفاع ÷ 2، إذن القاعدة = (المساحة + المساحة) ÷ الارتفاع</translation>
    </message>
    <message>
        <source>Area + Area = %1 + %1%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>المساحة + المساحة = %1 + %1%2%3</translation>
    </message>
    <message>
        <source>height = %1 ÷ %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>الارتفاع = %1 ÷ %2%3%4</translation>
    </message>
    <message>
        <source>base = %1 ÷ %2%3%4</source>
        <translation>القاعدة = %1 ÷ %2%3%4</translation>
    </message>
    <message>
        <source>So the height is %1</source>
        <translation>إذن الارتفاع يساوي %1</translation>
    </message>
    <message>
        <source>So the base is %1</source>
        <translation>إذن القاعدة تساوي %1</translation>
    </message>
    <message>
        <source>Check: base × height ÷ 2 = %1 × %2 ÷ 2 = %3, the area given</source>
        <translation>التحقق: القاعدة × الارتفاع ÷ 2 = %1 × %2 ÷ 2 = %3، وهي المساحة المعطاة</translation>
    </message>
    <message>
        <source>base = %1</source>
        <translation>القاعدة = %1</translation>
    </message>
    <message>
        <source>height = %1</source>
        <translation>الارتفاع = %1</translation>
    </message>
    <message>
        <source>Area = %1</source>
        <translation>المساحة = %1</translation>
    </message>
    <message>
        <source>Triangle with base %1 and height %2, area %3, drawn to scale. Its top stands above the middle of the base: the exercise leaves it free, and every such top gives the same area</source>
        <translation>مثلث قاعدته %1 وارتفاعه %2 ومساحته %3، مرسوم بمقياس رسم. رأسه العلوي فوق منتصف القاعدة: التمرين يتركه حرًّا، وكل رأس كهذا يعطي المساحة نفسها</translation>
    </message>
    <message>
        <source>%1; %2 and %3</source>
        <extracomment>the three sides of a triangle, &quot;3, 4 and 5&quot;</extracomment>
        <translation>%1؛ %2 و%3</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1، %2 و%3</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, longer than %4 = %5, so these sides make a triangle</source>
        <translation>في المثلث يجب أن يكون مجموع الضلعين الأقصرين أطول من الضلع الأطول: %1 + %2 = %3، وهو أطول من %4 = %5، إذن هذه الأضلاع تكوّن مثلثًا</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, only as long as %4 = %5. These sides lie flat along one line, so they make no triangle: only a flat one, with nothing inside</source>
        <translation>في المثلث يجب أن يكون مجموع الضلعين الأقصرين أطول من الضلع الأطول: %1 + %2 = %3، وهو يساوي فقط %4 = %5. هذه الأضلاع تقع مسطّحة على خط واحد، إذن لا تكوّن مثلثًا: بل مثلثًا مسطّحًا لا شيء داخله</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, shorter than %4 = %5 by %6. Side %4 is too long: the other two do not reach across it, so these sides make no triangle</source>
        <translation>في المثلث يجب أن يكون مجموع الضلعين الأقصرين أطول من الضلع الأطول: %1 + %2 = %3، وهو أقصر من %4 = %5 بمقدار %6. الضلع %4 أطول من اللازم: الضلعان الآخران لا يصلان بين طرفيه، إذن هذه الأضلاع لا تكوّن مثلثًا</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it, perimeter %2</source>
        <translation>مثلث أضلاعه %1، مرسوم بمقياس رسم على أطول أضلاعه: مسطّح، والضلعان الآخران ممتدان عليه، المحيط %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side, perimeter %2</source>
        <translation>مثلث أضلاعه %1، مرسوم بمقياس رسم على أطول أضلاعه، المحيط %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it, area %2</source>
        <translation>مثلث أضلاعه %1، مرسوم بمقياس رسم على أطول أضلاعه: مسطّح، والضلعان الآخران ممتدان عليه، المساحة %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side, area %2</source>
        <translation>مثلث أضلاعه %1، مرسوم بمقياس رسم على أطول أضلاعه، المساحة %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it</source>
        <translation>مثلث أضلاعه %1، مرسوم بمقياس رسم على أطول أضلاعه: مسطّح، والضلعان الآخران ممتدان عليه</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side</source>
        <translation>مثلث أضلاعه %1، مرسوم بمقياس رسم على أطول أضلاعه</translation>
    </message>
    <message>
        <source>short by %1</source>
        <translation>ينقص %1</translation>
    </message>
    <message>
        <source>Sides %1 laid end to end: the two shorter are %2 short of the longest, so they make no triangle</source>
        <translation>الأضلاع %1 موضوعة طرفًا لطرف: ينقص الضلعين الأقصرين %2 ليبلغا الضلع الأطول، إذن لا تكوّن مثلثًا</translation>
    </message>
    <message>
        <source>Perimeter = a + b + c</source>
        <translation>المحيط = a + b + c</translation>
    </message>
    <message>
        <source>Perimeter = %1 + %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>المحيط = %1 + %2%3%4</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>إذن المحيط يساوي %1</translation>
    </message>
    <message>
        <source>The perimeter is the three sides&apos; total all the same</source>
        <translation>ومع ذلك فالمحيط هو مجموع الأضلاع الثلاثة</translation>
    </message>
    <message>
        <source>Heron&apos;s formula: the half perimeter s = (a + b + c) ÷ 2,</source>
        <translation>صيغة هيرون: نصف المحيط s = (a + b + c) ÷ 2،</translation>
    </message>
    <message>
        <source>then Area = √(s(s - a)(s - b)(s - c))</source>
        <translation>ثم المساحة = √(s(s - a)(s - b)(s - c))</translation>
    </message>
    <message>
        <source>The sides are added b + a first: %1 + %2%3%4, then %4 + %5%6%7</source>
        <extracomment>%3 and %6 are &quot; = &quot; or &quot; ≈ &quot;, %4 and %7 the results</extracomment>
        <translation>تُجمع الأضلاع أولًا b + a: %1 + %2%3%4، ثم %4 + %5%6%7</translation>
    </message>
    <message>
        <source>%1 is below zero, and no number times itself is below zero: there is no area</source>
        <translation>%1 أقل من الصفر، ولا يوجد عدد مضروب في نفسه يعطي أقل من الصفر: لا توجد مساحة</translation>
    </message>
    <message>
        <source>Area = √%1 = %2</source>
        <translation>المساحة = √%1 = %2</translation>
    </message>
    <message>
        <source>Area = √%1 %2</source>
        <translation>المساحة = √%1 %2</translation>
    </message>
    <message>
        <source>The window rounds at every step, and its product came out a hair below zero instead of %1. Below zero has no square root, so it gave its message instead of an area</source>
        <translation>تقرّب النافذة في كل خطوة، فجاء ناتج الضرب عندها أقل من الصفر بقليل بدلًا من %1. ما هو أقل من الصفر ليس له جذر تربيعي، لذلك أظهرت رسالتها بدلًا من المساحة</translation>
    </message>
    <message>
        <source>7 characters (6 in Heron&apos;s row)</source>
        <translation>7 رموز (6 في صف هيرون)</translation>
    </message>
    <message>
        <source>Each button uses only the boxes of its own row</source>
        <translation>كل زر يستخدم خانات صفه فقط</translation>
    </message>
    <message>
        <source>Base and Height: Find Area. Area and Base: Find Height. Area and Height: Find Base</source>
        <translation>القاعدة والارتفاع: زر المساحة. المساحة والقاعدة: زر الارتفاع. المساحة والارتفاع: زر القاعدة</translation>
    </message>
    <message>
        <source>Side A, Side B and Side C: Find Perimeter, or the area by Heron&apos;s formula</source>
        <translation>الضلع A والضلع B والضلع C: زر المحيط، أو المساحة بصيغة هيرون</translation>
    </message>
    <message>
        <source>Heron&apos;s formula with the sides 3, 4 and 5:</source>
        <translation>صيغة هيرون للأضلاع 3 و4 و5:</translation>
    </message>
</context>
</TS>
