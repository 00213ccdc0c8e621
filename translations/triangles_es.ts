<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CosineWorking</name>
    <message>
        <source>Triangle %1: the sides a and b and the angle z between them are given.</source>
        <extracomment>%1 is the panel&apos;s number</extracomment>
        <translation>Triángulo %1: se conocen los lados a y b y el ángulo z que forman.</translation>
    </message>
    <message>
        <source>The law of cosines gives the third side: c² = a² + b² - 2ab cos(z).</source>
        <translation>El teorema del coseno da el tercer lado: c² = a² + b² - 2ab cos(z).</translation>
    </message>
    <message>
        <source>With cos(90°) = 0 the law is Pythagoras&apos; theorem: c² = a² + b².</source>
        <translation>Con cos(90°) = 0 el teorema se convierte en el teorema de Pitágoras: c² = a² + b².</translation>
    </message>
    <message>
        <source>%1² = %2, %3² = %4 and 2 × %1 × %3 × %5 = %6</source>
        <extracomment>%1 is a, %3 is b, %5 is cos(z); %2, %4 and %6 what they give</extracomment>
        <translation>%1² = %2, %3² = %4 y 2 × %1 × %3 × %5 = %6</translation>
    </message>
    <message>
        <source>The same law turned round gives the angle x, opposite b:</source>
        <translation>El mismo teorema, despejando el coseno, da el ángulo x, opuesto a b:</translation>
    </message>
    <message>
        <source>The three angles make 180°: y = 180° - x - z = 180° - %1 - %2 = %3</source>
        <extracomment>%1 is the angle x, %2 the angle z, %3 the angle y</extracomment>
        <translation>Los tres ángulos suman 180°: y = 180° - x - z = 180° - %1 - %2 = %3</translation>
    </message>
    <message>
        <source>The window shows: c = %1, x = %2, y = %3.</source>
        <extracomment>%1 is the side c, %2 and %3 the angles x and y</extracomment>
        <translation>La ventana muestra: c = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Answer: c = %1, x = %2, y = %3.</source>
        <translation>Resultado: c = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Triangle 4: the three sides a, b and c are given.</source>
        <translation>Triángulo 4: se conocen los tres lados a, b y c.</translation>
    </message>
    <message>
        <source>%1 + %2 = %3 + %4 = %5 = %6: the two sides together are just as long as the third, so the triangle lies flat, with no height.</source>
        <extracomment>%1 and %2 are two sides&apos; letters, %3 and %4 their lengths, %5 the third side&apos;s length and %6 its letter</extracomment>
        <translation>%1 + %2 = %3 + %4 = %5 = %6: juntos, los dos lados miden justo lo mismo que el tercero, así que el triángulo queda plano, sin altura.</translation>
    </message>
    <message>
        <source>The law of cosines turned round gives each angle from the three sides:</source>
        <translation>El teorema del coseno, despejando el coseno, da cada ángulo a partir de los tres lados:</translation>
    </message>
    <message>
        <source>The three angles make 180°: z = 180° - x - y = 180° - %1 - %2 = %3</source>
        <extracomment>%1 is the angle x, %2 the angle y, %3 the angle z</extracomment>
        <translation>Los tres ángulos suman 180°: z = 180° - x - y = 180° - %1 - %2 = %3</translation>
    </message>
    <message>
        <source>Exactly, cos(z) = (a² + b² - c²) ÷ (2ab) = %1 ÷ %2 = %3, so z = %4.</source>
        <extracomment>%1 and %2 are the top and bottom of the fraction, %3 its value, %4 the angle z</extracomment>
        <translation>Exactamente, cos(z) = (a² + b² - c²) ÷ (2ab) = %1 ÷ %2 = %3, así que z = %4.</translation>
    </message>
    <message>
        <source>The window shows: z = %1, x = %2, y = %3.</source>
        <extracomment>%1, %2 and %3 are the angles z, x and y</extracomment>
        <translation>La ventana muestra: z = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Answer: z = %1, x = %2, y = %3.</source>
        <translation>Resultado: z = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <extracomment>a figure&apos;s label: %1 is the length the two shorter sides lack</extracomment>
        <translation>faltan %1</translation>
    </message>
    <message>
        <source>The sides %1 and %2 laid end to end beside the longest side, %3: they fall %4 short, so no triangle closes.</source>
        <extracomment>%1 and %2 are the two shorter sides (&quot;a = 2&quot;), %3 the longest, %4 what they lack</extracomment>
        <translation>Los lados %1 y %2 puestos uno tras otro junto al lado más largo, %3: les faltan %4, así que no se cierra ningún triángulo.</translation>
    </message>
    <message>
        <source>The sides %1 and %2 laid end to end beside the longest side, %3: together they are no longer than it, so the triangle is flat at best.</source>
        <extracomment>%1 and %2 are the two shorter sides (&quot;a = 2&quot;), %3 the longest</extracomment>
        <translation>Los lados %1 y %2 puestos uno tras otro junto al lado más largo, %3: juntos no son más largos que él, así que el triángulo es, como mucho, plano.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the message the window showed</extracomment>
        <translation>La ventana dijo: «%1»</translation>
    </message>
    <message>
        <source>The sides a = %1, b = %2 and c = %3 make no triangle it can solve.</source>
        <translation>Los lados a = %1, b = %2 y c = %3 no forman un triángulo que la ventana pueda resolver.</translation>
    </message>
    <message>
        <source>The side %1 is too long: the two others together reach only %2 + %3 = %4, which is %5 short of it.</source>
        <extracomment>%1 is the longest side (&quot;c = 9&quot;), %2 and %3 the two others, %4 their sum, %5 what it lacks</extracomment>
        <translation>El lado %1 es demasiado largo: los otros dos juntos solo llegan a %2 + %3 = %4, les faltan %5.</translation>
    </message>
    <message>
        <source>The two shorter sides together, %1 + %2 = %3, are just as long as the longest side, %4: the triangle is flat, with no height.</source>
        <extracomment>%1 and %2 are the two shorter sides, %3 their sum, %4 the longest side (&quot;c = 9&quot;)</extracomment>
        <translation>Los dos lados más cortos juntos, %1 + %2 = %3, miden justo lo mismo que el más largo, %4: el triángulo es plano, sin altura.</translation>
    </message>
    <message>
        <source>Its cosines are exactly 1 and -1, but the computer&apos;s rounding put one just past them, and no angle has such a cosine.</source>
        <translation>Sus cosenos son exactamente 1 y -1, pero el redondeo del ordenador dejó uno justo fuera, y ningún ángulo tiene un coseno así.</translation>
    </message>
    <message>
        <source>A cosine is never below -1 or above 1, so no angle has it.</source>
        <translation>Un coseno nunca es menor que -1 ni mayor que 1, así que ningún ángulo tiene este coseno.</translation>
    </message>
    <message>
        <source>The squares of these sides are too large for the computer.</source>
        <translation>Los cuadrados de estos lados son demasiado grandes para el ordenador.</translation>
    </message>
    <message>
        <source>No figure: the computer cannot work with these sides.</source>
        <translation>Sin figura: el ordenador no puede trabajar con estos lados.</translation>
    </message>
    <message>
        <source>In a triangle any two sides together are longer than the third.</source>
        <translation>En un triángulo, dos lados cualesquiera juntos son más largos que el tercero.</translation>
    </message>
    <message>
        <source>Triangles 1, 2 and 3 take two sides, a and b, and the angle z between them, and find the side c and the angles x and y.</source>
        <translation>Los triángulos 1, 2 y 3 piden dos lados, a y b, y el ángulo z que forman, y calculan el lado c y los ángulos x e y.</translation>
    </message>
    <message>
        <source>Triangle 4 takes the three sides a, b and c and finds the angles x, y and z.</source>
        <translation>El triángulo 4 pide los tres lados a, b y c y calcula los ángulos x, y, z.</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Triangles - The Law Of Cosines</source>
        <translation>Triángulos - Teorema del coseno</translation>
    </message>
    <message>
        <source>Solve Triangle </source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Clear Triangle</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear Triangle </source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Solve Triangle</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Important ! The angles must be in degrees  (not in radians).</source>
        <translation>¡Importante! Los ángulos deben ir en grados (no en radianes).</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>Triangles - The Law Of Sines</source>
        <translation>Triángulos - Teorema del seno</translation>
    </message>
    <message>
        <source>Solve Triangle </source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Clear Triangle</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear Triangle </source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Important ! The angles must be in degrees  (not in radians).</source>
        <translation>¡Importante! Los ángulos deben ir en grados (no en radianes).</translation>
    </message>
</context>
<context>
    <name>GeometryWorking</name>
    <message>
        <source>Each box takes one number greater than zero, at most %1: %2, a fraction such as 3/4, or a mixed number such as 2/1/3 (2 and 1/3)</source>
        <extracomment>%1 is how long a typed value may be (&quot;8 characters&quot;), %2 a decimal such as 2.5</extracomment>
        <translation>Cada casilla admite un número mayor que cero, de %1 como máximo: %2, una fracción como 3/4 o un número mixto como 2/1/3 (2 y 1/3)</translation>
    </message>
    <message>
        <source>No figure: these sizes are too large or too small to draw to scale on a screen.</source>
        <translation>Sin figura: estas medidas son demasiado grandes o demasiado pequeñas para dibujarlas a escala en una pantalla.</translation>
    </message>
</context>
<context>
    <name>SineWorking</name>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the message the window showed</extracomment>
        <translation>La ventana dijo: «%1»</translation>
    </message>
    <message>
        <source>Triangle %1: the angles %2 and %3 and the side %4 are given.</source>
        <extracomment>%1 is the panel&apos;s number, %2 and %3 the angles&apos; letters, %4 the side&apos;s letter</extracomment>
        <translation>Triángulo %1: se conocen los ángulos %2, %3 y el lado %4.</translation>
    </message>
    <message>
        <source>The three angles make 180°: %1 = 180° - %2 - %3 = 180° - %4 - %5 = %6</source>
        <extracomment>%1 is the third angle&apos;s letter, %2 and %3 the given angles&apos; letters, %4 and %5 their values, %6 the third angle</extracomment>
        <translation>Los tres ángulos suman 180°: %1 = 180° - %2 - %3 = 180° - %4 - %5 = %6</translation>
    </message>
    <message>
        <source>Each angle of a triangle is above 0°, so %1 and %2 together must be less than 180°: no triangle has these angles.</source>
        <extracomment>%1 and %2 are the given angles&apos; letters</extracomment>
        <translation>Cada ángulo de un triángulo es mayor que 0°, así que %1 + %2 debe ser menor que 180°: ningún triángulo tiene estos ángulos.</translation>
    </message>
    <message>
        <source>The computer&apos;s rounding left %1 a hair above 0°, so the window shows a triangle that is really flat: %2.</source>
        <extracomment>%1 is the third angle&apos;s letter, %2 the values the window shows</extracomment>
        <translation>El redondeo del ordenador dejó %1 apenas por encima de 0°, así que la ventana muestra un triángulo que en realidad es plano: %2.</translation>
    </message>
    <message>
        <source>No triangle to draw: %1 and %2 leave nothing for %3.</source>
        <extracomment>%1 and %2 are the given angles&apos; letters, %3 the third angle&apos;s letter</extracomment>
        <translation>No hay triángulo que dibujar: %1 + %2 no deja nada para %3.</translation>
    </message>
    <message>
        <source>The law of sines: a ÷ sin(y) = b ÷ sin(x) = c ÷ sin(z).</source>
        <translation>El teorema del seno: a ÷ sin(y) = b ÷ sin(x) = c ÷ sin(z).</translation>
    </message>
    <message>
        <source>A side that comes out 0 or less makes no triangle.</source>
        <translation>Un lado que sale 0 o menos no forma ningún triángulo.</translation>
    </message>
    <message>
        <source>The window shows: %1.</source>
        <extracomment>%1 lists the values the window shows: &quot;c = 10, a = 8.66025403784439, y = 60°&quot;</extracomment>
        <translation>La ventana muestra: %1.</translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation>Resultado: %1.</translation>
    </message>
    <message>
        <source>The sides are too large to draw.</source>
        <translation>Los lados son demasiado grandes para dibujarlos.</translation>
    </message>
    <message>
        <source>line of b</source>
        <translation>recta de b</translation>
    </message>
    <message>
        <source>short by %1</source>
        <extracomment>a figure&apos;s label: %1 is a length</extracomment>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>Side %1 swung from corner X misses the line of side b: X lies %2 from it, so a falls %3 short.</source>
        <extracomment>%1 is &quot;a = &quot; and the side&apos;s length, %2 and %3 lengths</extracomment>
        <translation>El lado %1, girado desde el vértice X, no llega a la recta del lado b: X está a %2 de ella, así que a se queda corto por %3.</translation>
    </message>
    <message>
        <source>Side %1 swung from corner X meets the line of side b only where the angle x would be 0° or less: x = %2.</source>
        <extracomment>%1 is &quot;a = &quot; and the side&apos;s length, %2 the angle x</extracomment>
        <translation>El lado %1, girado desde el vértice X, solo corta la recta del lado b donde el ángulo x sería 0° o menos: x = %2.</translation>
    </message>
    <message>
        <source>dashed: %1, %2</source>
        <extracomment>a figure&apos;s label: the angles of the second triangle, drawn dashed (&quot;x&apos; = 30°&quot;)</extracomment>
        <translation>discontinuo: %1, %2</translation>
    </message>
    <message>
        <source>A second triangle fits the same values, dashed: %1.</source>
        <extracomment>%1 lists the second triangle&apos;s values: &quot;b&apos; = 3.1, x&apos; = 30°, z&apos; = 120°&quot;</extracomment>
        <translation>Un segundo triángulo cumple los mismos valores, en discontinuo: %1.</translation>
    </message>
    <message>
        <source>Triangle %1: the angle y, the side a opposite it and the side c are given.</source>
        <translation>Triángulo %1: se conocen el ángulo y, el lado a opuesto a él y el lado c.</translation>
    </message>
    <message>
        <source>Side a runs from corner X to the line of side b. X lies c sin(y) = %1 × %2 = %3 from that line.</source>
        <extracomment>%1 is c, %2 sin(y), %3 their product</extracomment>
        <translation>El lado a va del vértice X a la recta del lado b. X está a c sin(y) = %1 × %2 = %3 de esa recta.</translation>
    </message>
    <message>
        <source>a = %1 is shorter: it falls short by c sin(y) - a = %2 - %1 = %3.</source>
        <extracomment>%1 is a, %2 is c sin(y), %3 the difference</extracomment>
        <translation>a = %1 es más corto: le faltan c sin(y) - a = %2 - %1 = %3.</translation>
    </message>
    <message>
        <source>To all its digits the computer holds c sin(y) as %1, which shows as %2.</source>
        <extracomment>%1 is a number to all its digits, %2 the same number as the steps write it</extracomment>
        <translation>Con todas sus cifras, el ordenador guarda c sin(y) como %1, que se muestra como %2.</translation>
    </message>
    <message>
        <source>So no triangle fits these values.</source>
        <translation>Así que ningún triángulo cumple estos valores.</translation>
    </message>
    <message>
        <source>a = %1 is just as long: it meets the line of b at a right angle.</source>
        <translation>a = %1 mide justo eso: corta la recta de b en ángulo recto.</translation>
    </message>
    <message>
        <source>a = %1 is longer, so it reaches the line.</source>
        <translation>a = %1 es más largo, así que llega a la recta.</translation>
    </message>
    <message>
        <source>The law of sines: sin(z) ÷ c = sin(y) ÷ a, so sin(z) = c sin(y) ÷ a = %2 × %1 ÷ %3 = %4</source>
        <extracomment>%2 is c, %1 sin(y), %3 a, %4 sin(z)</extracomment>
        <translation>El teorema del seno: sin(z) ÷ c = sin(y) ÷ a, así que sin(z) = c sin(y) ÷ a = %2 × %1 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>z = arcsin(%1) = %2, the angle up to 90° with that sine.</source>
        <extracomment>%1 is sin(z), %2 the angle z</extracomment>
        <translation>z = arcsin(%1) = %2, el ángulo de hasta 90° con ese seno.</translation>
    </message>
    <message>
        <source>The angles x and z must each be above 0°: no triangle fits these values.</source>
        <translation>Los ángulos x y z deben ser mayores que 0°: ningún triángulo cumple estos valores.</translation>
    </message>
    <message>
        <source>The computer&apos;s rounding left x a hair above 0°, so the window shows a triangle that is really flat: %1.</source>
        <extracomment>%1 lists the values the window shows</extracomment>
        <translation>El redondeo del ordenador dejó x apenas por encima de 0°, así que la ventana muestra un triángulo que en realidad es plano: %1.</translation>
    </message>
    <message>
        <source>Only this one triangle fits, with its right angle at Z.</source>
        <translation>Solo este triángulo cumple, con el ángulo recto en Z.</translation>
    </message>
    <message>
        <source>The computer&apos;s c sin(y) came out a hair above a, so the window found no triangle; exactly there is one.</source>
        <translation>En el ordenador, c sin(y) salió apenas por encima de a, así que la ventana no encontró triángulo; con valores exactos sí hay uno.</translation>
    </message>
    <message>
        <source>Near 90° the sine hardly changes, so the computer&apos;s sin(z), %1 instead of 1, moved z by %2°, and x and b with it.</source>
        <extracomment>%1 is the computer&apos;s sin(z), %2 a small number of degrees</extracomment>
        <translation>Cerca de 90° el seno apenas cambia, así que el sin(z) del ordenador, %1 en vez de 1, movió z en %2°, y con él x y b.</translation>
    </message>
    <message>
        <source>A second triangle fits too, because y is below 90° and c sin(y) = %1 &lt; a = %2 &lt; c = %3. The window shows only the first; the figure draws the second dashed.</source>
        <extracomment>%1 is c sin(y), %2 is a, %3 is c</extracomment>
        <translation>También cumple un segundo triángulo, porque el ángulo y es menor que 90° y c sin(y) = %1 &lt; a = %2 &lt; c = %3. La ventana solo muestra el primero; la figura dibuja el segundo en discontinuo.</translation>
    </message>
    <message>
        <source>In the second, z&apos; = 180° - z = 180° - %1 = %2</source>
        <extracomment>z&apos; is the angle z of the second triangle; %1 is z, %2 is z&apos;</extracomment>
        <translation>En el segundo, z&apos; = 180° - z = 180° - %1 = %2</translation>
    </message>
    <message>
        <source>Second answer: %1.</source>
        <extracomment>%1 lists the second triangle&apos;s values: &quot;x&apos; = 30°, z&apos; = 120°, b&apos; = 3.1&quot;</extracomment>
        <translation>Segundo resultado: %1.</translation>
    </message>
    <message>
        <source>Triangles 1 and 4 take two angles and a side, and find the third angle and the other two sides.</source>
        <translation>Los triángulos 1 y 4 piden dos ángulos y un lado, y calculan el tercer ángulo y los otros dos lados.</translation>
    </message>
    <message>
        <source>Triangles 2 and 3 take the angle y, the side a opposite it and the side c, and find the angles z and x and the side b.</source>
        <translation>Los triángulos 2 y 3 piden el ángulo y, el lado a opuesto a él y el lado c, y calculan los ángulos z y x y el lado b.</translation>
    </message>
</context>
<context>
    <name>SolvedTriangle</name>
    <message>
        <source>The triangle is too large to draw: its longest side is %1.</source>
        <translation>El triángulo es demasiado grande para dibujarlo: su lado más largo mide %1.</translation>
    </message>
    <message>
        <source>Triangle XYZ, too large to draw: %1.</source>
        <extracomment>%1 lists the sides and angles: &quot;a = 3, b = 4, c = 5, x = 36.87°, ...&quot;</extracomment>
        <translation>Triángulo XYZ, demasiado grande para dibujarlo: %1.</translation>
    </message>
    <message>
        <source>Triangle XYZ drawn to scale: %1.</source>
        <extracomment>%1 lists the sides and angles: &quot;a = 3, b = 4, c = 5, x = 36.87°, ...&quot;</extracomment>
        <translation>Triángulo XYZ dibujado a escala: %1.</translation>
    </message>
    <message>
        <source>The angle %1 is exactly a right angle, marked with a square.</source>
        <extracomment>%1 is the angle&apos;s letter (x, y or z)</extracomment>
        <translation>El ángulo %1 es exactamente un ángulo recto, marcado con un cuadrado.</translation>
    </message>
    <message>
        <source>At true scale the triangle is almost flat: its height is %1, its longest side %2.</source>
        <extracomment>%1 and %2 are lengths</extracomment>
        <translation>A escala real el triángulo es casi plano: su altura es %1 y su lado más largo, %2.</translation>
    </message>
    <message>
        <source>Each box takes a number above 0 of at most 5 characters: a whole number (3), a decimal (%1), a fraction (3/4) or a mixed number (2/1/3).</source>
        <extracomment>%1 is a decimal number such as 2.5</extracomment>
        <translation>Cada casilla admite un número mayor que 0 de 5 caracteres como máximo: un número entero (3), un número decimal (%1), una fracción (3/4) o un número mixto (2/1/3).</translation>
    </message>
    <message>
        <source>Angles are in degrees, above 0° and below 180°.</source>
        <translation>Los ángulos van en grados, mayores que 0° y menores que 180°.</translation>
    </message>
    <message>
        <source>Before a sine or a cosine the computer turns degrees into radians (× 3.14159265358979 ÷ 180), and an angle it finds back into degrees (× 180 ÷ 3.14159265358979).</source>
        <translation>Antes de un seno o un coseno, el ordenador pasa los grados a radianes (× 3.14159265358979 ÷ 180), y un ángulo que halla, de nuevo a grados (× 180 ÷ 3.14159265358979).</translation>
    </message>
    <message>
        <source>The same rounding is in %1: exactly %2, the window shows %3.</source>
        <extracomment>%1 names a value (x, b, ...), %2 is its exact value, %3 the value the window shows</extracomment>
        <translation>El mismo redondeo afecta a %1: exactamente %2, la ventana muestra %3.</translation>
    </message>
    <message>
        <source>Check: %1² + %2² = %3² + %4² = %5 + %6 = %7 = %8² = %9²</source>
        <extracomment>a check of a right angle by Pythagoras&apos; theorem; only the word &quot;Check&quot; is text</extracomment>
        <translation>Comprobación: %1² + %2² = %3² + %4² = %5 + %6 = %7 = %8² = %9²</translation>
    </message>
</context>
<context>
    <name>TrianglePanels</name>
    <message>
        <source>Triangle %1, angle %2</source>
        <extracomment>%1 is the panel&apos;s number, %2 the angle&apos;s letter (x, y or z)</extracomment>
        <translation>Triángulo %1, ángulo %2</translation>
    </message>
    <message>
        <source>Triangle %1, side %2</source>
        <extracomment>%1 is the panel&apos;s number, %2 the side&apos;s letter (a, b or c)</extracomment>
        <translation>Triángulo %1, lado %2</translation>
    </message>
</context>
<context>
    <name>sb::Form10</name>
    <message>
        <source>Angle Must be positive smaller than 180 degrees</source>
        <translation>El ángulo debe ser positivo y menor que 180 grados.</translation>
    </message>
    <message>
        <source>Angle Must be positive and smaller than 180 degrees</source>
        <translation>El ángulo debe ser positivo y menor que 180 grados.</translation>
    </message>
</context>
<context>
    <name>sb::Form11</name>
    <message>
        <source>There is no solution</source>
        <translation>No hay solución</translation>
    </message>
    <message>
        <source>Angle Must be positive and smaller than 180 degrees</source>
        <translation>El ángulo debe ser positivo y menor que 180 grados.</translation>
    </message>
</context>
</TS>
