<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CosineWorking</name>
    <message>
        <source>Triangle %1: the sides a and b and the angle z between them are given.</source>
        <extracomment>%1 is the panel&apos;s number</extracomment>
        <translation>Triangle %1 : on connaît les côtés a et b et l&apos;angle z compris entre eux.</translation>
    </message>
    <message>
        <source>The law of cosines gives the third side: c² = a² + b² - 2ab cos(z).</source>
        <translation>La loi des cosinus donne le troisième côté : c² = a² + b² - 2ab cos(z).</translation>
    </message>
    <message>
        <source>With cos(90°) = 0 the law is Pythagoras&apos; theorem: c² = a² + b².</source>
        <translation>Avec cos(90°) = 0, la loi devient le théorème de Pythagore : c² = a² + b².</translation>
    </message>
    <message>
        <source>%1² = %2, %3² = %4 and 2 × %1 × %3 × %5 = %6</source>
        <extracomment>%1 is a, %3 is b, %5 is cos(z); %2, %4 and %6 what they give</extracomment>
        <translation>%1² = %2, %3² = %4 et 2 × %1 × %3 × %5 = %6</translation>
    </message>
    <message>
        <source>The same law turned round gives the angle x, opposite b:</source>
        <translation>La même loi, résolue pour le cosinus, donne l&apos;angle x, opposé à b :</translation>
    </message>
    <message>
        <source>The three angles make 180°: y = 180° - x - z = 180° - %1 - %2 = %3</source>
        <extracomment>%1 is the angle x, %2 the angle z, %3 the angle y</extracomment>
        <translation>Les trois angles font 180° : y = 180° - x - z = 180° - %1 - %2 = %3</translation>
    </message>
    <message>
        <source>The window shows: c = %1, x = %2, y = %3.</source>
        <extracomment>%1 is the side c, %2 and %3 the angles x and y</extracomment>
        <translation>La fenêtre affiche : c = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Answer: c = %1, x = %2, y = %3.</source>
        <translation>Résultat : c = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Triangle 4: the three sides a, b and c are given.</source>
        <translation>Triangle 4 : on connaît les trois côtés a, b et c.</translation>
    </message>
    <message>
        <source>%1 + %2 = %3 + %4 = %5 = %6: the two sides together are just as long as the third, so the triangle lies flat, with no height.</source>
        <extracomment>%1 and %2 are two sides&apos; letters, %3 and %4 their lengths, %5 the third side&apos;s length and %6 its letter</extracomment>
        <translation>%1 + %2 = %3 + %4 = %5 = %6 : ensemble, les deux côtés sont exactement aussi longs que le troisième, donc le triangle est aplati, sans hauteur.</translation>
    </message>
    <message>
        <source>The law of cosines turned round gives each angle from the three sides:</source>
        <translation>La loi des cosinus, résolue pour le cosinus, donne chaque angle à partir des trois côtés :</translation>
    </message>
    <message>
        <source>The three angles make 180°: z = 180° - x - y = 180° - %1 - %2 = %3</source>
        <extracomment>%1 is the angle x, %2 the angle y, %3 the angle z</extracomment>
        <translation>Les trois angles font 180° : z = 180° - x - y = 180° - %1 - %2 = %3</translation>
    </message>
    <message>
        <source>Exactly, cos(z) = (a² + b² - c²) ÷ (2ab) = %1 ÷ %2 = %3, so z = %4.</source>
        <extracomment>%1 and %2 are the top and bottom of the fraction, %3 its value, %4 the angle z</extracomment>
        <translation>Exactement, cos(z) = (a² + b² - c²) ÷ (2ab) = %1 ÷ %2 = %3, donc z = %4.</translation>
    </message>
    <message>
        <source>The window shows: z = %1, x = %2, y = %3.</source>
        <extracomment>%1, %2 and %3 are the angles z, x and y</extracomment>
        <translation>La fenêtre affiche : z = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Answer: z = %1, x = %2, y = %3.</source>
        <translation>Résultat : z = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <extracomment>a figure&apos;s label: %1 is the length the two shorter sides lack</extracomment>
        <translation>il manque %1</translation>
    </message>
    <message>
        <source>The sides %1 and %2 laid end to end beside the longest side, %3: they fall %4 short, so no triangle closes.</source>
        <extracomment>%1 and %2 are the two shorter sides (&quot;a = 2&quot;), %3 the longest, %4 what they lack</extracomment>
        <translation>Les côtés %1 et %2 mis bout à bout à côté du plus long côté, %3 : il leur manque %4, donc aucun triangle ne se ferme.</translation>
    </message>
    <message>
        <source>The sides %1 and %2 laid end to end beside the longest side, %3: together they are no longer than it, so the triangle is flat at best.</source>
        <extracomment>%1 and %2 are the two shorter sides (&quot;a = 2&quot;), %3 the longest</extracomment>
        <translation>Les côtés %1 et %2 mis bout à bout à côté du plus long côté, %3 : ensemble, ils ne sont pas plus longs que lui, donc le triangle est au mieux aplati.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the message the window showed</extracomment>
        <translation>La fenêtre a affiché : « %1 »</translation>
    </message>
    <message>
        <source>The sides a = %1, b = %2 and c = %3 make no triangle it can solve.</source>
        <translation>Les côtés a = %1, b = %2 et c = %3 ne forment aucun triangle que la fenêtre puisse résoudre.</translation>
    </message>
    <message>
        <source>The side %1 is too long: the two others together reach only %2 + %3 = %4, which is %5 short of it.</source>
        <extracomment>%1 is the longest side (&quot;c = 9&quot;), %2 and %3 the two others, %4 their sum, %5 what it lacks</extracomment>
        <translation>Le côté %1 est trop long : les deux autres n&apos;atteignent ensemble que %2 + %3 = %4, soit %5 de moins.</translation>
    </message>
    <message>
        <source>The two shorter sides together, %1 + %2 = %3, are just as long as the longest side, %4: the triangle is flat, with no height.</source>
        <extracomment>%1 and %2 are the two shorter sides, %3 their sum, %4 the longest side (&quot;c = 9&quot;)</extracomment>
        <translation>Les deux côtés les plus courts ensemble, %1 + %2 = %3, sont exactement aussi longs que le plus long, %4 : le triangle est aplati, sans hauteur.</translation>
    </message>
    <message>
        <source>Its cosines are exactly 1 and -1, but the computer&apos;s rounding put one just past them, and no angle has such a cosine.</source>
        <translation>Ses cosinus valent exactement 1 et -1, mais l&apos;arrondi de l&apos;ordinateur en a poussé un juste au-delà, et aucun angle n&apos;a un tel cosinus.</translation>
    </message>
    <message>
        <source>A cosine is never below -1 or above 1, so no angle has it.</source>
        <translation>Un cosinus n&apos;est jamais inférieur à -1 ni supérieur à 1, donc aucun angle n&apos;a ce cosinus.</translation>
    </message>
    <message>
        <source>The squares of these sides are too large for the computer.</source>
        <translation>Les carrés de ces côtés sont trop grands pour l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>No figure: the computer cannot work with these sides.</source>
        <translation>Pas de figure : l&apos;ordinateur ne peut pas calculer avec ces côtés.</translation>
    </message>
    <message>
        <source>In a triangle any two sides together are longer than the third.</source>
        <translation>Dans un triangle, deux côtés quelconques sont ensemble plus longs que le troisième.</translation>
    </message>
    <message>
        <source>Triangles 1, 2 and 3 take two sides, a and b, and the angle z between them, and find the side c and the angles x and y.</source>
        <translation>Les triangles 1, 2 et 3 prennent deux côtés, a et b, et l&apos;angle z compris entre eux, et calculent le côté c et les angles x et y.</translation>
    </message>
    <message>
        <source>Triangle 4 takes the three sides a, b and c and finds the angles x, y and z.</source>
        <translation>Le triangle 4 prend les trois côtés a, b et c et calcule les angles x, y et z.</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Triangles - The Law Of Cosines</source>
        <translation>Triangles - La loi des cosinus</translation>
    </message>
    <message>
        <source>Solve Triangle </source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Clear Triangle</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear Triangle </source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Solve Triangle</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Important ! The angles must be in degrees  (not in radians).</source>
        <translation>Important ! Les angles doivent être en degrés (pas en radians).</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>Triangles - The Law Of Sines</source>
        <translation>Triangles - La loi des sinus</translation>
    </message>
    <message>
        <source>Solve Triangle </source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Clear Triangle</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear Triangle </source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Important ! The angles must be in degrees  (not in radians).</source>
        <translation>Important ! Les angles doivent être en degrés (pas en radians).</translation>
    </message>
</context>
<context>
    <name>GeometryWorking</name>
    <message>
        <source>Each box takes one number greater than zero, at most %1: %2, a fraction such as 3/4, or a mixed number such as 2/1/3 (2 and 1/3)</source>
        <extracomment>%1 is how long a typed value may be (&quot;8 characters&quot;), %2 a decimal such as 2.5</extracomment>
        <translation>Chaque case prend un nombre supérieur à zéro, d&apos;au plus %1 : %2, une fraction comme 3/4 ou un nombre mixte comme 2/1/3 (2 et 1/3)</translation>
    </message>
    <message>
        <source>No figure: these sizes are too large or too small to draw to scale on a screen.</source>
        <translation>Pas de figure : ces dimensions sont trop grandes ou trop petites pour être dessinées à l&apos;échelle sur un écran.</translation>
    </message>
</context>
<context>
    <name>SineWorking</name>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the message the window showed</extracomment>
        <translation>La fenêtre a affiché : « %1 »</translation>
    </message>
    <message>
        <source>Triangle %1: the angles %2 and %3 and the side %4 are given.</source>
        <extracomment>%1 is the panel&apos;s number, %2 and %3 the angles&apos; letters, %4 the side&apos;s letter</extracomment>
        <translation>Triangle %1 : on connaît les angles %2 et %3 et le côté %4.</translation>
    </message>
    <message>
        <source>The three angles make 180°: %1 = 180° - %2 - %3 = 180° - %4 - %5 = %6</source>
        <extracomment>%1 is the third angle&apos;s letter, %2 and %3 the given angles&apos; letters, %4 and %5 their values, %6 the third angle</extracomment>
        <translation>Les trois angles font 180° : %1 = 180° - %2 - %3 = 180° - %4 - %5 = %6</translation>
    </message>
    <message>
        <source>Each angle of a triangle is above 0°, so %1 and %2 together must be less than 180°: no triangle has these angles.</source>
        <extracomment>%1 and %2 are the given angles&apos; letters</extracomment>
        <translation>Chaque angle d&apos;un triangle est supérieur à 0°, donc %1 et %2 ensemble doivent faire moins de 180° : aucun triangle n&apos;a ces angles.</translation>
    </message>
    <message>
        <source>The computer&apos;s rounding left %1 a hair above 0°, so the window shows a triangle that is really flat: %2.</source>
        <extracomment>%1 is the third angle&apos;s letter, %2 the values the window shows</extracomment>
        <translation>L&apos;arrondi de l&apos;ordinateur a laissé %1 à peine au-dessus de 0°, donc la fenêtre affiche un triangle qui est en réalité aplati : %2.</translation>
    </message>
    <message>
        <source>No triangle to draw: %1 and %2 leave nothing for %3.</source>
        <extracomment>%1 and %2 are the given angles&apos; letters, %3 the third angle&apos;s letter</extracomment>
        <translation>Aucun triangle à dessiner : %1 et %2 ne laissent rien pour %3.</translation>
    </message>
    <message>
        <source>The law of sines: a ÷ sin(y) = b ÷ sin(x) = c ÷ sin(z).</source>
        <translation>La loi des sinus : a ÷ sin(y) = b ÷ sin(x) = c ÷ sin(z).</translation>
    </message>
    <message>
        <source>A side that comes out 0 or less makes no triangle.</source>
        <translation>Un côté qui vaut 0 ou moins ne donne aucun triangle.</translation>
    </message>
    <message>
        <source>The window shows: %1.</source>
        <extracomment>%1 lists the values the window shows: &quot;c = 10, a = 8.66025403784439, y = 60°&quot;</extracomment>
        <translation>La fenêtre affiche : %1.</translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation>Résultat : %1.</translation>
    </message>
    <message>
        <source>The sides are too large to draw.</source>
        <translation>Les côtés sont trop grands pour être dessinés.</translation>
    </message>
    <message>
        <source>line of b</source>
        <translation>droite de b</translation>
    </message>
    <message>
        <source>short by %1</source>
        <extracomment>a figure&apos;s label: %1 is a length</extracomment>
        <translation>trop court de %1</translation>
    </message>
    <message>
        <source>Side %1 swung from corner X misses the line of side b: X lies %2 from it, so a falls %3 short.</source>
        <extracomment>%1 is &quot;a = &quot; and the side&apos;s length, %2 and %3 lengths</extracomment>
        <translation>Le côté %1, pivoté autour du sommet X, n&apos;atteint pas la droite du côté b : X en est à %2, donc a est trop court de %3.</translation>
    </message>
    <message>
        <source>Side %1 swung from corner X meets the line of side b only where the angle x would be 0° or less: x = %2.</source>
        <extracomment>%1 is &quot;a = &quot; and the side&apos;s length, %2 the angle x</extracomment>
        <translation>Le côté %1, pivoté autour du sommet X, ne rencontre la droite du côté b que là où l&apos;angle x vaudrait 0° ou moins : x = %2.</translation>
    </message>
    <message>
        <source>dashed: %1, %2</source>
        <extracomment>a figure&apos;s label: the angles of the second triangle, drawn dashed (&quot;x&apos; = 30°&quot;)</extracomment>
        <translation>en pointillés : %1, %2</translation>
    </message>
    <message>
        <source>A second triangle fits the same values, dashed: %1.</source>
        <extracomment>%1 lists the second triangle&apos;s values: &quot;b&apos; = 3.1, x&apos; = 30°, z&apos; = 120°&quot;</extracomment>
        <translation>Un second triangle convient aux mêmes valeurs, en pointillés : %1.</translation>
    </message>
    <message>
        <source>Triangle %1: the angle y, the side a opposite it and the side c are given.</source>
        <translation>Triangle %1 : on connaît l&apos;angle y, le côté a qui lui est opposé et le côté c.</translation>
    </message>
    <message>
        <source>Side a runs from corner X to the line of side b. X lies c sin(y) = %1 × %2 = %3 from that line.</source>
        <extracomment>%1 is c, %2 sin(y), %3 their product</extracomment>
        <translation>Le côté a va du sommet X à la droite du côté b. X est à c sin(y) = %1 × %2 = %3 de cette droite.</translation>
    </message>
    <message>
        <source>a = %1 is shorter: it falls short by c sin(y) - a = %2 - %1 = %3.</source>
        <extracomment>%1 is a, %2 is c sin(y), %3 the difference</extracomment>
        <translation>a = %1 est plus court : il manque c sin(y) - a = %2 - %1 = %3.</translation>
    </message>
    <message>
        <source>To all its digits the computer holds c sin(y) as %1, which shows as %2.</source>
        <extracomment>%1 is a number to all its digits, %2 the same number as the steps write it</extracomment>
        <translation>Avec tous ses chiffres, l&apos;ordinateur garde c sin(y) comme %1, affiché %2.</translation>
    </message>
    <message>
        <source>So no triangle fits these values.</source>
        <translation>Donc aucun triangle ne convient à ces valeurs.</translation>
    </message>
    <message>
        <source>a = %1 is just as long: it meets the line of b at a right angle.</source>
        <translation>a = %1 a exactement cette longueur : il rencontre la droite de b à angle droit.</translation>
    </message>
    <message>
        <source>a = %1 is longer, so it reaches the line.</source>
        <translation>a = %1 est plus long, donc il atteint la droite.</translation>
    </message>
    <message>
        <source>The law of sines: sin(z) ÷ c = sin(y) ÷ a, so sin(z) = c sin(y) ÷ a = %2 × %1 ÷ %3 = %4</source>
        <extracomment>%2 is c, %1 sin(y), %3 a, %4 sin(z)</extracomment>
        <translation>La loi des sinus : sin(z) ÷ c = sin(y) ÷ a, donc sin(z) = c sin(y) ÷ a = %2 × %1 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>z = arcsin(%1) = %2, the angle up to 90° with that sine.</source>
        <extracomment>%1 is sin(z), %2 the angle z</extracomment>
        <translation>z = arcsin(%1) = %2, l&apos;angle jusqu&apos;à 90° qui a ce sinus.</translation>
    </message>
    <message>
        <source>The angles x and z must each be above 0°: no triangle fits these values.</source>
        <translation>Les angles x et z doivent chacun être supérieurs à 0° : aucun triangle ne convient à ces valeurs.</translation>
    </message>
    <message>
        <source>The computer&apos;s rounding left x a hair above 0°, so the window shows a triangle that is really flat: %1.</source>
        <extracomment>%1 lists the values the window shows</extracomment>
        <translation>L&apos;arrondi de l&apos;ordinateur a laissé x à peine au-dessus de 0°, donc la fenêtre affiche un triangle qui est en réalité aplati : %1.</translation>
    </message>
    <message>
        <source>Only this one triangle fits, with its right angle at Z.</source>
        <translation>Seul ce triangle convient, avec son angle droit en Z.</translation>
    </message>
    <message>
        <source>The computer&apos;s c sin(y) came out a hair above a, so the window found no triangle; exactly there is one.</source>
        <translation>Chez l&apos;ordinateur, c sin(y) est sorti à peine au-dessus de a, donc la fenêtre n&apos;a trouvé aucun triangle ; en valeur exacte, il y en a un.</translation>
    </message>
    <message>
        <source>Near 90° the sine hardly changes, so the computer&apos;s sin(z), %1 instead of 1, moved z by %2°, and x and b with it.</source>
        <extracomment>%1 is the computer&apos;s sin(z), %2 a small number of degrees</extracomment>
        <translation>Près de 90°, le sinus change à peine, donc le sin(z) de l&apos;ordinateur, %1 au lieu de 1, a décalé z de %2°, et x et b avec lui.</translation>
    </message>
    <message>
        <source>A second triangle fits too, because y is below 90° and c sin(y) = %1 &lt; a = %2 &lt; c = %3. The window shows only the first; the figure draws the second dashed.</source>
        <extracomment>%1 is c sin(y), %2 is a, %3 is c</extracomment>
        <translation>Un second triangle convient aussi, car y est inférieur à 90° et c sin(y) = %1 &lt; a = %2 &lt; c = %3. La fenêtre n&apos;affiche que le premier ; la figure dessine le second en pointillés.</translation>
    </message>
    <message>
        <source>In the second, z&apos; = 180° - z = 180° - %1 = %2</source>
        <extracomment>z&apos; is the angle z of the second triangle; %1 is z, %2 is z&apos;</extracomment>
        <translation>Dans le second, z&apos; = 180° - z = 180° - %1 = %2</translation>
    </message>
    <message>
        <source>Second answer: %1.</source>
        <extracomment>%1 lists the second triangle&apos;s values: &quot;x&apos; = 30°, z&apos; = 120°, b&apos; = 3.1&quot;</extracomment>
        <translation>Second résultat : %1.</translation>
    </message>
    <message>
        <source>Triangles 1 and 4 take two angles and a side, and find the third angle and the other two sides.</source>
        <translation>Les triangles 1 et 4 prennent deux angles et un côté, et calculent le troisième angle et les deux autres côtés.</translation>
    </message>
    <message>
        <source>Triangles 2 and 3 take the angle y, the side a opposite it and the side c, and find the angles z and x and the side b.</source>
        <translation>Les triangles 2 et 3 prennent l&apos;angle y, le côté a qui lui est opposé et le côté c, et calculent les angles z et x et le côté b.</translation>
    </message>
</context>
<context>
    <name>SolvedTriangle</name>
    <message>
        <source>The triangle is too large to draw: its longest side is %1.</source>
        <translation>Le triangle est trop grand pour être dessiné : son plus long côté mesure %1.</translation>
    </message>
    <message>
        <source>Triangle XYZ, too large to draw: %1.</source>
        <extracomment>%1 lists the sides and angles: &quot;a = 3, b = 4, c = 5, x = 36.87°, ...&quot;</extracomment>
        <translation>Triangle XYZ, trop grand pour être dessiné : %1.</translation>
    </message>
    <message>
        <source>Triangle XYZ drawn to scale: %1.</source>
        <extracomment>%1 lists the sides and angles: &quot;a = 3, b = 4, c = 5, x = 36.87°, ...&quot;</extracomment>
        <translation>Triangle XYZ dessiné à l&apos;échelle : %1.</translation>
    </message>
    <message>
        <source>The angle %1 is exactly a right angle, marked with a square.</source>
        <extracomment>%1 is the angle&apos;s letter (x, y or z)</extracomment>
        <translation>L&apos;angle %1 est exactement un angle droit, marqué d&apos;un petit carré.</translation>
    </message>
    <message>
        <source>At true scale the triangle is almost flat: its height is %1, its longest side %2.</source>
        <extracomment>%1 and %2 are lengths</extracomment>
        <translation>À l&apos;échelle réelle, le triangle est presque aplati : sa hauteur est %1, son plus long côté %2.</translation>
    </message>
    <message>
        <source>Each box takes a number above 0 of at most 5 characters: a whole number (3), a decimal (%1), a fraction (3/4) or a mixed number (2/1/3).</source>
        <extracomment>%1 is a decimal number such as 2.5</extracomment>
        <translation>Chaque case prend un nombre supérieur à 0 d&apos;au plus 5 caractères : un nombre entier (3), un nombre décimal (%1), une fraction (3/4) ou un nombre mixte (2/1/3).</translation>
    </message>
    <message>
        <source>Angles are in degrees, above 0° and below 180°.</source>
        <translation>Les angles sont en degrés, supérieurs à 0° et inférieurs à 180°.</translation>
    </message>
    <message>
        <source>Before a sine or a cosine the computer turns degrees into radians (× 3.14159265358979 ÷ 180), and an angle it finds back into degrees (× 180 ÷ 3.14159265358979).</source>
        <translation>Avant un sinus ou un cosinus, l&apos;ordinateur convertit les degrés en radians (× 3.14159265358979 ÷ 180), et un angle qu&apos;il trouve, de nouveau en degrés (× 180 ÷ 3.14159265358979).</translation>
    </message>
    <message>
        <source>The same rounding is in %1: exactly %2, the window shows %3.</source>
        <extracomment>%1 names a value (x, b, ...), %2 is its exact value, %3 the value the window shows</extracomment>
        <translation>Le même arrondi touche %1 : exactement %2, la fenêtre affiche %3.</translation>
    </message>
    <message>
        <source>Check: %1² + %2² = %3² + %4² = %5 + %6 = %7 = %8² = %9²</source>
        <extracomment>a check of a right angle by Pythagoras&apos; theorem; only the word &quot;Check&quot; is text</extracomment>
        <translation>Vérification : %1² + %2² = %3² + %4² = %5 + %6 = %7 = %8² = %9²</translation>
    </message>
</context>
<context>
    <name>TrianglePanels</name>
    <message>
        <source>Triangle %1, angle %2</source>
        <extracomment>%1 is the panel&apos;s number, %2 the angle&apos;s letter (x, y or z)</extracomment>
        <translation>Triangle %1, angle %2</translation>
    </message>
    <message>
        <source>Triangle %1, side %2</source>
        <extracomment>%1 is the panel&apos;s number, %2 the side&apos;s letter (a, b or c)</extracomment>
        <translation>Triangle %1, côté %2</translation>
    </message>
</context>
<context>
    <name>sb::Form10</name>
    <message>
        <source>Angle Must be positive smaller than 180 degrees</source>
        <translation>L&apos;angle doit être positif et inférieur à 180 degrés.</translation>
    </message>
    <message>
        <source>Angle Must be positive and smaller than 180 degrees</source>
        <translation>L&apos;angle doit être positif et inférieur à 180 degrés.</translation>
    </message>
</context>
<context>
    <name>sb::Form11</name>
    <message>
        <source>There is no solution</source>
        <translation>Il n&apos;y a pas de solution</translation>
    </message>
    <message>
        <source>Angle Must be positive and smaller than 180 degrees</source>
        <translation>L&apos;angle doit être positif et inférieur à 180 degrés.</translation>
    </message>
</context>
</TS>
