<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CosineWorking</name>
    <message>
        <source>Triangle %1: the sides a and b and the angle z between them are given.</source>
        <extracomment>%1 is the panel&apos;s number</extracomment>
        <translation>Dreieck %1: Gegeben sind die Seiten a und b und der Winkel z zwischen ihnen.</translation>
    </message>
    <message>
        <source>The law of cosines gives the third side: c² = a² + b² - 2ab cos(z).</source>
        <translation>Der Kosinussatz liefert die dritte Seite: c² = a² + b² - 2ab cos(z).</translation>
    </message>
    <message>
        <source>With cos(90°) = 0 the law is Pythagoras&apos; theorem: c² = a² + b².</source>
        <translation>Mit cos(90°) = 0 wird der Kosinussatz zum Satz des Pythagoras: c² = a² + b².</translation>
    </message>
    <message>
        <source>%1² = %2, %3² = %4 and 2 × %1 × %3 × %5 = %6</source>
        <extracomment>%1 is a, %3 is b, %5 is cos(z); %2, %4 and %6 what they give</extracomment>
        <translation>%1² = %2, %3² = %4 und 2 × %1 × %3 × %5 = %6</translation>
    </message>
    <message>
        <source>The same law turned round gives the angle x, opposite b:</source>
        <translation>Derselbe Satz, nach dem Kosinus umgestellt, liefert den Winkel x gegenüber von b:</translation>
    </message>
    <message>
        <source>The three angles make 180°: y = 180° - x - z = 180° - %1 - %2 = %3</source>
        <extracomment>%1 is the angle x, %2 the angle z, %3 the angle y</extracomment>
        <translation>Die drei Winkel ergeben zusammen 180°: y = 180° - x - z = 180° - %1 - %2 = %3</translation>
    </message>
    <message>
        <source>The window shows: c = %1, x = %2, y = %3.</source>
        <extracomment>%1 is the side c, %2 and %3 the angles x and y</extracomment>
        <translation>Das Fenster zeigt: c = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Answer: c = %1, x = %2, y = %3.</source>
        <translation>Ergebnis: c = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Triangle 4: the three sides a, b and c are given.</source>
        <translation>Dreieck 4: Gegeben sind die drei Seiten a, b und c.</translation>
    </message>
    <message>
        <source>%1 + %2 = %3 + %4 = %5 = %6: the two sides together are just as long as the third, so the triangle lies flat, with no height.</source>
        <extracomment>%1 and %2 are two sides&apos; letters, %3 and %4 their lengths, %5 the third side&apos;s length and %6 its letter</extracomment>
        <translation>%1 + %2 = %3 + %4 = %5 = %6: Die beiden Seiten sind zusammen genau so lang wie die dritte, also ist das Dreieck flach und hat keine Höhe.</translation>
    </message>
    <message>
        <source>The law of cosines turned round gives each angle from the three sides:</source>
        <translation>Der Kosinussatz, nach dem Kosinus umgestellt, liefert jeden Winkel aus den drei Seiten:</translation>
    </message>
    <message>
        <source>The three angles make 180°: z = 180° - x - y = 180° - %1 - %2 = %3</source>
        <extracomment>%1 is the angle x, %2 the angle y, %3 the angle z</extracomment>
        <translation>Die drei Winkel ergeben zusammen 180°: z = 180° - x - y = 180° - %1 - %2 = %3</translation>
    </message>
    <message>
        <source>Exactly, cos(z) = (a² + b² - c²) ÷ (2ab) = %1 ÷ %2 = %3, so z = %4.</source>
        <extracomment>%1 and %2 are the top and bottom of the fraction, %3 its value, %4 the angle z</extracomment>
        <translation>Exakt gilt cos(z) = (a² + b² - c²) ÷ (2ab) = %1 ÷ %2 = %3, also z = %4.</translation>
    </message>
    <message>
        <source>The window shows: z = %1, x = %2, y = %3.</source>
        <extracomment>%1, %2 and %3 are the angles z, x and y</extracomment>
        <translation>Das Fenster zeigt: z = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>Answer: z = %1, x = %2, y = %3.</source>
        <translation>Ergebnis: z = %1, x = %2, y = %3.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <extracomment>a figure&apos;s label: %1 is the length the two shorter sides lack</extracomment>
        <translation>es fehlen %1</translation>
    </message>
    <message>
        <source>The sides %1 and %2 laid end to end beside the longest side, %3: they fall %4 short, so no triangle closes.</source>
        <extracomment>%1 and %2 are the two shorter sides (&quot;a = 2&quot;), %3 the longest, %4 what they lack</extracomment>
        <translation>Die Seiten %1 und %2, aneinandergelegt neben der längsten Seite %3: Ihnen fehlen %4, also schließt sich kein Dreieck.</translation>
    </message>
    <message>
        <source>The sides %1 and %2 laid end to end beside the longest side, %3: together they are no longer than it, so the triangle is flat at best.</source>
        <extracomment>%1 and %2 are the two shorter sides (&quot;a = 2&quot;), %3 the longest</extracomment>
        <translation>Die Seiten %1 und %2, aneinandergelegt neben der längsten Seite %3: Zusammen sind sie nicht länger als diese, also ist das Dreieck höchstens flach.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the message the window showed</extracomment>
        <translation>Das Fenster meldete: „%1“</translation>
    </message>
    <message>
        <source>The sides a = %1, b = %2 and c = %3 make no triangle it can solve.</source>
        <translation>Die Seiten a = %1, b = %2 und c = %3 ergeben kein Dreieck, das das Fenster lösen kann.</translation>
    </message>
    <message>
        <source>The side %1 is too long: the two others together reach only %2 + %3 = %4, which is %5 short of it.</source>
        <extracomment>%1 is the longest side (&quot;c = 9&quot;), %2 and %3 the two others, %4 their sum, %5 what it lacks</extracomment>
        <translation>Die Seite %1 ist zu lang: Die beiden anderen reichen zusammen nur bis %2 + %3 = %4, es fehlen also %5.</translation>
    </message>
    <message>
        <source>The two shorter sides together, %1 + %2 = %3, are just as long as the longest side, %4: the triangle is flat, with no height.</source>
        <extracomment>%1 and %2 are the two shorter sides, %3 their sum, %4 the longest side (&quot;c = 9&quot;)</extracomment>
        <translation>Die beiden kürzeren Seiten zusammen, %1 + %2 = %3, sind genau so lang wie die längste Seite %4: Das Dreieck ist flach und hat keine Höhe.</translation>
    </message>
    <message>
        <source>Its cosines are exactly 1 and -1, but the computer&apos;s rounding put one just past them, and no angle has such a cosine.</source>
        <translation>Seine Kosinuswerte sind genau 1 und -1, aber durch die Rundung des Computers liegt einer knapp darüber hinaus, und kein Winkel hat einen solchen Kosinus.</translation>
    </message>
    <message>
        <source>A cosine is never below -1 or above 1, so no angle has it.</source>
        <translation>Ein Kosinus ist nie kleiner als -1 oder größer als 1, also hat kein Winkel diesen Kosinus.</translation>
    </message>
    <message>
        <source>The squares of these sides are too large for the computer.</source>
        <translation>Die Quadrate dieser Seiten sind für den Computer zu groß.</translation>
    </message>
    <message>
        <source>No figure: the computer cannot work with these sides.</source>
        <translation>Keine Skizze: Mit diesen Seiten kann der Computer nicht rechnen.</translation>
    </message>
    <message>
        <source>In a triangle any two sides together are longer than the third.</source>
        <translation>In einem Dreieck sind je zwei Seiten zusammen länger als die dritte.</translation>
    </message>
    <message>
        <source>Triangles 1, 2 and 3 take two sides, a and b, and the angle z between them, and find the side c and the angles x and y.</source>
        <translation>Die Dreiecke 1, 2 und 3 nehmen zwei Seiten, a und b, und den Winkel z zwischen ihnen und berechnen die Seite c und die Winkel x und y.</translation>
    </message>
    <message>
        <source>Triangle 4 takes the three sides a, b and c and finds the angles x, y and z.</source>
        <translation>Dreieck 4 nimmt die drei Seiten a, b und c und berechnet die Winkel x, y und z.</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Triangles - The Law Of Cosines</source>
        <translation>Dreiecke - Der Kosinussatz</translation>
    </message>
    <message>
        <source>Solve Triangle </source>
        <translation>Dreieck lösen</translation>
    </message>
    <message>
        <source>Clear Triangle</source>
        <translation>Dreieck leeren</translation>
    </message>
    <message>
        <source>Clear Triangle </source>
        <translation>Dreieck leeren</translation>
    </message>
    <message>
        <source>Solve Triangle</source>
        <translation>Dreieck lösen</translation>
    </message>
    <message>
        <source>Important ! The angles must be in degrees  (not in radians).</source>
        <translation>Wichtig! Die Winkel müssen in Grad sein (nicht im Bogenmaß).</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>Triangles - The Law Of Sines</source>
        <translation>Dreiecke - Der Sinussatz</translation>
    </message>
    <message>
        <source>Solve Triangle </source>
        <translation>Dreieck lösen</translation>
    </message>
    <message>
        <source>Clear Triangle</source>
        <translation>Dreieck leeren</translation>
    </message>
    <message>
        <source>Clear Triangle </source>
        <translation>Dreieck leeren</translation>
    </message>
    <message>
        <source>Important ! The angles must be in degrees  (not in radians).</source>
        <translation>Wichtig! Die Winkel müssen in Grad sein (nicht im Bogenmaß).</translation>
    </message>
</context>
<context>
    <name>GeometryWorking</name>
    <message>
        <source>Each box takes one number greater than zero, at most %1: %2, a fraction such as 3/4, or a mixed number such as 2/1/3 (2 and 1/3)</source>
        <extracomment>%1 is how long a typed value may be (&quot;8 characters&quot;), %2 a decimal such as 2.5</extracomment>
        <translation>Jedes Feld nimmt eine Zahl größer als null, höchstens %1: %2, einen Bruch wie 3/4 oder eine gemischte Zahl wie 2/1/3 (2 und 1/3)</translation>
    </message>
    <message>
        <source>No figure: these sizes are too large or too small to draw to scale on a screen.</source>
        <translation>Keine Skizze: Diese Größen sind zu groß oder zu klein, um sie maßstabsgetreu auf einem Bildschirm zu zeichnen.</translation>
    </message>
</context>
<context>
    <name>SineWorking</name>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the message the window showed</extracomment>
        <translation>Das Fenster meldete: „%1“</translation>
    </message>
    <message>
        <source>Triangle %1: the angles %2 and %3 and the side %4 are given.</source>
        <extracomment>%1 is the panel&apos;s number, %2 and %3 the angles&apos; letters, %4 the side&apos;s letter</extracomment>
        <translation>Dreieck %1: Gegeben sind die Winkel %2 und %3 und die Seite %4.</translation>
    </message>
    <message>
        <source>The three angles make 180°: %1 = 180° - %2 - %3 = 180° - %4 - %5 = %6</source>
        <extracomment>%1 is the third angle&apos;s letter, %2 and %3 the given angles&apos; letters, %4 and %5 their values, %6 the third angle</extracomment>
        <translation>Die drei Winkel ergeben zusammen 180°: %1 = 180° - %2 - %3 = 180° - %4 - %5 = %6</translation>
    </message>
    <message>
        <source>Each angle of a triangle is above 0°, so %1 and %2 together must be less than 180°: no triangle has these angles.</source>
        <extracomment>%1 and %2 are the given angles&apos; letters</extracomment>
        <translation>Jeder Winkel eines Dreiecks ist größer als 0°, also müssen %1 und %2 zusammen kleiner als 180° sein: Kein Dreieck hat diese Winkel.</translation>
    </message>
    <message>
        <source>The computer&apos;s rounding left %1 a hair above 0°, so the window shows a triangle that is really flat: %2.</source>
        <extracomment>%1 is the third angle&apos;s letter, %2 the values the window shows</extracomment>
        <translation>Durch die Rundung des Computers blieb %1 ganz knapp über 0°, deshalb zeigt das Fenster ein Dreieck, das in Wahrheit flach ist: %2.</translation>
    </message>
    <message>
        <source>No triangle to draw: %1 and %2 leave nothing for %3.</source>
        <extracomment>%1 and %2 are the given angles&apos; letters, %3 the third angle&apos;s letter</extracomment>
        <translation>Kein Dreieck zu zeichnen: %1 und %2 lassen für %3 nichts übrig.</translation>
    </message>
    <message>
        <source>The law of sines: a ÷ sin(y) = b ÷ sin(x) = c ÷ sin(z).</source>
        <translation>Der Sinussatz: a ÷ sin(y) = b ÷ sin(x) = c ÷ sin(z).</translation>
    </message>
    <message>
        <source>A side that comes out 0 or less makes no triangle.</source>
        <translation>Ist eine Seite 0 oder kleiner, gibt es kein Dreieck.</translation>
    </message>
    <message>
        <source>The window shows: %1.</source>
        <extracomment>%1 lists the values the window shows: &quot;c = 10, a = 8.66025403784439, y = 60°&quot;</extracomment>
        <translation>Das Fenster zeigt: %1.</translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation>Ergebnis: %1.</translation>
    </message>
    <message>
        <source>The sides are too large to draw.</source>
        <translation>Die Seiten sind zu groß zum Zeichnen.</translation>
    </message>
    <message>
        <source>line of b</source>
        <translation>Gerade von b</translation>
    </message>
    <message>
        <source>short by %1</source>
        <extracomment>a figure&apos;s label: %1 is a length</extracomment>
        <translation>zu kurz um %1</translation>
    </message>
    <message>
        <source>Side %1 swung from corner X misses the line of side b: X lies %2 from it, so a falls %3 short.</source>
        <extracomment>%1 is &quot;a = &quot; and the side&apos;s length, %2 and %3 lengths</extracomment>
        <translation>Die Seite %1, um die Ecke X geschwenkt, verfehlt die Gerade der Seite b: X liegt %2 von ihr entfernt, also fehlen a %3.</translation>
    </message>
    <message>
        <source>Side %1 swung from corner X meets the line of side b only where the angle x would be 0° or less: x = %2.</source>
        <extracomment>%1 is &quot;a = &quot; and the side&apos;s length, %2 the angle x</extracomment>
        <translation>Die Seite %1, um die Ecke X geschwenkt, trifft die Gerade der Seite b nur dort, wo der Winkel x 0° oder kleiner wäre: x = %2.</translation>
    </message>
    <message>
        <source>dashed: %1, %2</source>
        <extracomment>a figure&apos;s label: the angles of the second triangle, drawn dashed (&quot;x&apos; = 30°&quot;)</extracomment>
        <translation>gestrichelt: %1, %2</translation>
    </message>
    <message>
        <source>A second triangle fits the same values, dashed: %1.</source>
        <extracomment>%1 lists the second triangle&apos;s values: &quot;b&apos; = 3.1, x&apos; = 30°, z&apos; = 120°&quot;</extracomment>
        <translation>Ein zweites Dreieck passt zu denselben Werten, gestrichelt: %1.</translation>
    </message>
    <message>
        <source>Triangle %1: the angle y, the side a opposite it and the side c are given.</source>
        <translation>Dreieck %1: Gegeben sind der Winkel y, die gegenüberliegende Seite a und die Seite c.</translation>
    </message>
    <message>
        <source>Side a runs from corner X to the line of side b. X lies c sin(y) = %1 × %2 = %3 from that line.</source>
        <extracomment>%1 is c, %2 sin(y), %3 their product</extracomment>
        <translation>Die Seite a führt von der Ecke X zur Geraden der Seite b. X liegt c sin(y) = %1 × %2 = %3 von dieser Geraden entfernt.</translation>
    </message>
    <message>
        <source>a = %1 is shorter: it falls short by c sin(y) - a = %2 - %1 = %3.</source>
        <extracomment>%1 is a, %2 is c sin(y), %3 the difference</extracomment>
        <translation>a = %1 ist kürzer: Es fehlen c sin(y) - a = %2 - %1 = %3.</translation>
    </message>
    <message>
        <source>To all its digits the computer holds c sin(y) as %1, which shows as %2.</source>
        <extracomment>%1 is a number to all its digits, %2 the same number as the steps write it</extracomment>
        <translation>Mit allen Stellen speichert der Computer c sin(y) als %1; angezeigt wird %2.</translation>
    </message>
    <message>
        <source>So no triangle fits these values.</source>
        <translation>Also passt kein Dreieck zu diesen Werten.</translation>
    </message>
    <message>
        <source>a = %1 is just as long: it meets the line of b at a right angle.</source>
        <translation>a = %1 ist genau so lang: Sie trifft die Gerade von b im rechten Winkel.</translation>
    </message>
    <message>
        <source>a = %1 is longer, so it reaches the line.</source>
        <translation>a = %1 ist länger, also erreicht sie die Gerade.</translation>
    </message>
    <message>
        <source>The law of sines: sin(z) ÷ c = sin(y) ÷ a, so sin(z) = c sin(y) ÷ a = %2 × %1 ÷ %3 = %4</source>
        <extracomment>%2 is c, %1 sin(y), %3 a, %4 sin(z)</extracomment>
        <translation>Der Sinussatz: sin(z) ÷ c = sin(y) ÷ a, also sin(z) = c sin(y) ÷ a = %2 × %1 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>z = arcsin(%1) = %2, the angle up to 90° with that sine.</source>
        <extracomment>%1 is sin(z), %2 the angle z</extracomment>
        <translation>z = arcsin(%1) = %2, der Winkel bis 90° mit diesem Sinus.</translation>
    </message>
    <message>
        <source>The angles x and z must each be above 0°: no triangle fits these values.</source>
        <translation>Die Winkel x und z müssen beide größer als 0° sein: Kein Dreieck passt zu diesen Werten.</translation>
    </message>
    <message>
        <source>The computer&apos;s rounding left x a hair above 0°, so the window shows a triangle that is really flat: %1.</source>
        <extracomment>%1 lists the values the window shows</extracomment>
        <translation>Durch die Rundung des Computers blieb x ganz knapp über 0°, deshalb zeigt das Fenster ein Dreieck, das in Wahrheit flach ist: %1.</translation>
    </message>
    <message>
        <source>Only this one triangle fits, with its right angle at Z.</source>
        <translation>Nur dieses eine Dreieck passt, mit dem rechten Winkel bei Z.</translation>
    </message>
    <message>
        <source>The computer&apos;s c sin(y) came out a hair above a, so the window found no triangle; exactly there is one.</source>
        <translation>Beim Computer kam c sin(y) ganz knapp größer als a heraus, deshalb fand das Fenster kein Dreieck; exakt gerechnet gibt es eines.</translation>
    </message>
    <message>
        <source>Near 90° the sine hardly changes, so the computer&apos;s sin(z), %1 instead of 1, moved z by %2°, and x and b with it.</source>
        <extracomment>%1 is the computer&apos;s sin(z), %2 a small number of degrees</extracomment>
        <translation>Nahe 90° ändert sich der Sinus kaum, deshalb hat der sin(z) des Computers, %1 statt 1, z um %2° verschoben und x und b mit.</translation>
    </message>
    <message>
        <source>A second triangle fits too, because y is below 90° and c sin(y) = %1 &lt; a = %2 &lt; c = %3. The window shows only the first; the figure draws the second dashed.</source>
        <extracomment>%1 is c sin(y), %2 is a, %3 is c</extracomment>
        <translation>Auch ein zweites Dreieck passt, weil y kleiner als 90° ist und c sin(y) = %1 &lt; a = %2 &lt; c = %3. Das Fenster zeigt nur das erste; die Skizze zeichnet das zweite gestrichelt.</translation>
    </message>
    <message>
        <source>In the second, z&apos; = 180° - z = 180° - %1 = %2</source>
        <extracomment>z&apos; is the angle z of the second triangle; %1 is z, %2 is z&apos;</extracomment>
        <translation>Im zweiten gilt z&apos; = 180° - z = 180° - %1 = %2</translation>
    </message>
    <message>
        <source>Second answer: %1.</source>
        <extracomment>%1 lists the second triangle&apos;s values: &quot;x&apos; = 30°, z&apos; = 120°, b&apos; = 3.1&quot;</extracomment>
        <translation>Zweites Ergebnis: %1.</translation>
    </message>
    <message>
        <source>Triangles 1 and 4 take two angles and a side, and find the third angle and the other two sides.</source>
        <translation>Die Dreiecke 1 und 4 nehmen zwei Winkel und eine Seite und berechnen den dritten Winkel und die beiden anderen Seiten.</translation>
    </message>
    <message>
        <source>Triangles 2 and 3 take the angle y, the side a opposite it and the side c, and find the angles z and x and the side b.</source>
        <translation>Die Dreiecke 2 und 3 nehmen den Winkel y, die gegenüberliegende Seite a und die Seite c und berechnen die Winkel z und x und die Seite b.</translation>
    </message>
</context>
<context>
    <name>SolvedTriangle</name>
    <message>
        <source>The triangle is too large to draw: its longest side is %1.</source>
        <translation>Das Dreieck ist zu groß zum Zeichnen: Seine längste Seite ist %1.</translation>
    </message>
    <message>
        <source>Triangle XYZ, too large to draw: %1.</source>
        <extracomment>%1 lists the sides and angles: &quot;a = 3, b = 4, c = 5, x = 36.87°, ...&quot;</extracomment>
        <translation>Dreieck XYZ, zu groß zum Zeichnen: %1.</translation>
    </message>
    <message>
        <source>Triangle XYZ drawn to scale: %1.</source>
        <extracomment>%1 lists the sides and angles: &quot;a = 3, b = 4, c = 5, x = 36.87°, ...&quot;</extracomment>
        <translation>Dreieck XYZ, maßstabsgetreu gezeichnet: %1.</translation>
    </message>
    <message>
        <source>The angle %1 is exactly a right angle, marked with a square.</source>
        <extracomment>%1 is the angle&apos;s letter (x, y or z)</extracomment>
        <translation>Der Winkel %1 ist genau ein rechter Winkel, mit einem Quadrat markiert.</translation>
    </message>
    <message>
        <source>At true scale the triangle is almost flat: its height is %1, its longest side %2.</source>
        <extracomment>%1 and %2 are lengths</extracomment>
        <translation>Maßstabsgetreu ist das Dreieck fast flach: Seine Höhe ist %1, seine längste Seite %2.</translation>
    </message>
    <message>
        <source>Each box takes a number above 0 of at most 5 characters: a whole number (3), a decimal (%1), a fraction (3/4) or a mixed number (2/1/3).</source>
        <extracomment>%1 is a decimal number such as 2.5</extracomment>
        <translation>Jedes Feld nimmt eine Zahl größer als 0 mit höchstens 5 Zeichen: eine ganze Zahl (3), eine Dezimalzahl (%1), einen Bruch (3/4) oder eine gemischte Zahl (2/1/3).</translation>
    </message>
    <message>
        <source>Angles are in degrees, above 0° and below 180°.</source>
        <translation>Winkel werden in Grad angegeben, größer als 0° und kleiner als 180°.</translation>
    </message>
    <message>
        <source>Before a sine or a cosine the computer turns degrees into radians (× 3.14159265358979 ÷ 180), and an angle it finds back into degrees (× 180 ÷ 3.14159265358979).</source>
        <translation>Vor einem Sinus oder Kosinus rechnet der Computer Grad ins Bogenmaß um (× 3.14159265358979 ÷ 180) und einen gefundenen Winkel zurück in Grad (× 180 ÷ 3.14159265358979).</translation>
    </message>
    <message>
        <source>The same rounding is in %1: exactly %2, the window shows %3.</source>
        <extracomment>%1 names a value (x, b, ...), %2 is its exact value, %3 the value the window shows</extracomment>
        <translation>Dieselbe Rundung steckt in %1: exakt %2, das Fenster zeigt %3.</translation>
    </message>
    <message>
        <source>Check: %1² + %2² = %3² + %4² = %5 + %6 = %7 = %8² = %9²</source>
        <extracomment>a check of a right angle by Pythagoras&apos; theorem; only the word &quot;Check&quot; is text</extracomment>
        <translation>Probe: %1² + %2² = %3² + %4² = %5 + %6 = %7 = %8² = %9²</translation>
    </message>
</context>
<context>
    <name>TrianglePanels</name>
    <message>
        <source>Triangle %1, angle %2</source>
        <extracomment>%1 is the panel&apos;s number, %2 the angle&apos;s letter (x, y or z)</extracomment>
        <translation>Dreieck %1, Winkel %2</translation>
    </message>
    <message>
        <source>Triangle %1, side %2</source>
        <extracomment>%1 is the panel&apos;s number, %2 the side&apos;s letter (a, b or c)</extracomment>
        <translation>Dreieck %1, Seite %2</translation>
    </message>
</context>
<context>
    <name>sb::Form10</name>
    <message>
        <source>Angle Must be positive smaller than 180 degrees</source>
        <translation>Der Winkel muss größer als 0 und kleiner als 180 Grad sein.</translation>
    </message>
    <message>
        <source>Angle Must be positive and smaller than 180 degrees</source>
        <translation>Der Winkel muss größer als 0 und kleiner als 180 Grad sein.</translation>
    </message>
</context>
<context>
    <name>sb::Form11</name>
    <message>
        <source>There is no solution</source>
        <translation>Es gibt keine Lösung</translation>
    </message>
    <message>
        <source>Angle Must be positive and smaller than 180 degrees</source>
        <translation>Der Winkel muss größer als 0 und kleiner als 180 Grad sein.</translation>
    </message>
</context>
</TS>
