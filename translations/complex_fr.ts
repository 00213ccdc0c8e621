<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ComplexNumbers</name>
    <message>
        <source>Please Set the operation [+ - * / &lt; &gt; =]!!!.</source>
        <translation>Saisis l&apos;opération [+ - * / &lt; &gt; =].</translation>
    </message>
    <message>
        <source>Complex Number two csn&apos;t be zero!!!.</source>
        <translation>Le deuxième nombre complexe ne doit pas être nul.</translation>
    </message>
</context>
<context>
    <name>ComplexWorking</name>
    <message>
        <source>Re</source>
        <extracomment>the name of the real axis of an Argand diagram, as short as &quot;Re&quot;</extracomment>
        <translation>Re</translation>
    </message>
    <message>
        <source>Im</source>
        <extracomment>the name of the imaginary axis of an Argand diagram, as short as &quot;Im&quot;</extracomment>
        <translation>Im</translation>
    </message>
    <message>
        <source>These numbers are too large to draw to scale.</source>
        <translation>Ces nombres sont trop grands pour être dessinés à l&apos;échelle.</translation>
    </message>
    <message>
        <source>No figure: the numbers are too large to draw to scale.</source>
        <translation>Pas de figure : les nombres sont trop grands pour être dessinés à l&apos;échelle.</translation>
    </message>
    <message>
        <source>To add, add the real parts and add the imaginary parts: (a + bi) + (c + di) = (a + c) + (b + d)i.</source>
        <translation>Pour additionner, additionne les parties réelles et les parties imaginaires : (a + bi) + (c + di) = (a + c) + (b + d)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their sum %3, the diagonal of the dashed parallelogram.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their sum</extracomment>
        <translation>Plan complexe : z1 = %1 et z2 = %2 sous forme de flèches ; leur somme %3 est la diagonale du parallélogramme en pointillés.</translation>
    </message>
    <message>
        <source>To subtract, subtract the real parts and the imaginary parts: (a + bi) - (c + di) = (a - c) + (b - d)i.</source>
        <translation>Pour soustraire, soustrais les parties réelles et les parties imaginaires : (a + bi) - (c + di) = (a - c) + (b - d)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their difference %3, the diagonal of the dashed parallelogram.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their difference</extracomment>
        <translation>Plan complexe : z1 = %1 et z2 = %2 sous forme de flèches ; leur différence %3 est la diagonale du parallélogramme en pointillés.</translation>
    </message>
    <message>
        <source>To multiply, multiply out the brackets, with i² = -1: (a + bi)(c + di) = (ac - bd) + (bc + ad)i.</source>
        <translation>Pour multiplier, développe les parenthèses, avec i² = -1 : (a + bi)(c + di) = (ac - bd) + (bc + ad)i.</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their product %3.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their product</extracomment>
        <translation>Plan complexe : z1 = %1 et z2 = %2 sous forme de flèches ; leur produit %3.</translation>
    </message>
    <message>
        <source>To divide, multiply the top and the bottom by c - di, which makes the bottom the real number c² + d²: (a + bi) ÷ (c + di) = ((ac + bd) + (bc - ad)i) ÷ (c² + d²).</source>
        <translation>Pour diviser, multiplie le numérateur et le dénominateur par c - di ; le dénominateur devient alors le nombre réel c² + d² : (a + bi) ÷ (c + di) = ((ac + bd) + (bc - ad)i) ÷ (c² + d²).</translation>
    </message>
    <message>
        <source>Argand diagram: z1 = %1 and z2 = %2 as arrows; their quotient %3.</source>
        <extracomment>%1 and %2 are the two numbers, %3 their quotient</extracomment>
        <translation>Plan complexe : z1 = %1 et z2 = %2 sous forme de flèches ; leur quotient %3.</translation>
    </message>
    <message>
        <source>Real part: %1</source>
        <extracomment>a line of the working: %1 is the calculation of the real part of the result</extracomment>
        <translation>Partie réelle : %1</translation>
    </message>
    <message>
        <source>Imaginary part: %1</source>
        <extracomment>a line of the working: %1 is the calculation of the imaginary part of the result</extracomment>
        <translation>Partie imaginaire : %1</translation>
    </message>
    <message>
        <source>z1 = a + bi = %1 and z2 = c + di = %2</source>
        <translation>z1 = a + bi = %1 et z2 = c + di = %2</translation>
    </message>
    <message>
        <source>Answer: R = %1 and Im = %2, that is %3</source>
        <extracomment>%1 and %2 are the answers of the window, %3 the same number written a + bi</extracomment>
        <translation>Résultat : R = %1 et Im = %2, c&apos;est-à-dire %3</translation>
    </message>
    <message>
        <source>The powers of i repeat in fours: i⁰ = 1, i¹ = i, i² = -1, i³ = -i, and i⁴ = 1 again.</source>
        <translation>Les puissances de i se répètent de quatre en quatre : i⁰ = 1, i¹ = i, i² = -1, i³ = -i, puis de nouveau i⁴ = 1.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number. Rounded to the nearest one (a half to the even one) it gives %2, but the window divides with decimals rounded to about 16 digits: its N came out a hair below %1, so it rounds to N = %3.</source>
        <extracomment>%1 is the fraction typed, %2 the whole number nearest to it, %3 the whole number the window rounded to</extracomment>
        <translation>N = %1 n&apos;est pas un nombre entier. Arrondi à l&apos;entier le plus proche (une moitié vers l&apos;entier pair), il donne %2, mais la fenêtre divise avec des nombres décimaux arrondis à environ 16 chiffres : son N est un tout petit peu en dessous de %1, donc il s&apos;arrondit à N = %3.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number. Rounded to the nearest one (a half to the even one) it gives %2, but the window divides with decimals rounded to about 16 digits: its N came out a hair above %1, so it rounds to N = %3.</source>
        <extracomment>%1 is the fraction typed, %2 the whole number nearest to it, %3 the whole number the window rounded to</extracomment>
        <translation>N = %1 n&apos;est pas un nombre entier. Arrondi à l&apos;entier le plus proche (une moitié vers l&apos;entier pair), il donne %2, mais la fenêtre divise avec des nombres décimaux arrondis à environ 16 chiffres : son N est un tout petit peu au-dessus de %1, donc il s&apos;arrondit à N = %3.</translation>
    </message>
    <message>
        <source>N = %1 is no whole number: it is rounded to the nearest one (a half to the even one), N = %2.</source>
        <translation>N = %1 n&apos;est pas un nombre entier : il est arrondi à l&apos;entier le plus proche (une moitié vers l&apos;entier pair), N = %2.</translation>
    </message>
    <message>
        <source>N = %1 is rounded to the nearest whole number (a half to the even one), N = %2.</source>
        <translation>N = %1 est arrondi à l&apos;entier le plus proche (une moitié vers l&apos;entier pair), N = %2.</translation>
    </message>
    <message>
        <source>Take away fours: %1 = 4 × %2 + %3, so i%4 = i%5</source>
        <extracomment>%1 = 4 × %2 + %3 writes N with its fours taken away; i%4 is i to the power N, i%5 to the power left over</extracomment>
        <translation>On enlève des paquets de 4 : %1 = 4 × %2 + %3, donc i%4 = i%5</translation>
    </message>
    <message>
        <source>Take away fours: %1 = 4 × %2 + %3</source>
        <translation>On enlève des paquets de 4 : %1 = 4 × %2 + %3</translation>
    </message>
    <message>
        <source>Answer: i%1 = %2</source>
        <extracomment>i%1 is i to the power N, %2 the answer</extracomment>
        <translation>Résultat : i%1 = %2</translation>
    </message>
    <message>
        <source>Unit circle with the powers 1, i, -1 and -i; i%1 = %2, %3 quarter turns on from 1.</source>
        <extracomment>i%1 is i to the power N, %2 the answer, %3 the number of quarter turns (0 to 3)</extracomment>
        <translation>Cercle unité avec les puissances 1, i, -1 et -i ; i%1 = %2, à %3 quarts de tour de 1.</translation>
    </message>
    <message>
        <source>Its polar form is r × (cos θ + i sin θ): r = √(x² + y²) is the length of its arrow, θ its angle from the positive real axis. The window writes it Root(x² + y²)*Cos(θ) + Root(x² + y²)*i*Sin(θ), θ in degrees.</source>
        <translation>Sa forme trigonométrique est r × (cos θ + i sin θ) : r = √(x² + y²) est la longueur de sa flèche, θ son angle avec l&apos;axe des réels, côté positif. La fenêtre l&apos;écrit Root(x² + y²)*Cos(θ) + Root(x² + y²)*i*Sin(θ), θ en degrés.</translation>
    </message>
    <message>
        <source>%1, the length of the arrow</source>
        <extracomment>%1 is the calculation of r</extracomment>
        <translation>%1, la longueur de la flèche</translation>
    </message>
    <message>
        <source>r = %1 = %2, the length of the arrow</source>
        <translation>r = %1 = %2, la longueur de la flèche</translation>
    </message>
    <message>
        <source>x = 0 and y is more than 0: the arrow points straight up, so the angle is 90°.</source>
        <translation>x = 0 et y est supérieur à 0 : la flèche pointe tout droit vers le haut, donc l&apos;angle mesure 90°.</translation>
    </message>
    <message>
        <source>x = 0 and y is less than 0: the arrow points straight down, so the angle is -90°.</source>
        <translation>x = 0 et y est inférieur à 0 : la flèche pointe tout droit vers le bas, donc l&apos;angle mesure -90°.</translation>
    </message>
    <message>
        <source>z is 0: it points nowhere, and its angle is taken as 0°.</source>
        <translation>z vaut 0 : il ne pointe dans aucune direction, et on prend 0° comme angle.</translation>
    </message>
    <message>
        <source>The angle: arctan(y ÷ x) = arctan(%1 ÷ %2) = %3°</source>
        <translation>L&apos;angle : arctan(y ÷ x) = arctan(%1 ÷ %2) = %3°</translation>
    </message>
    <message>
        <source>x is less than 0, so the arrow points left: turn by half a circle, %1 %2 180 = %3°</source>
        <extracomment>%1 %2 180 = %3° is the calculation: the arctangent, + or -, 180, the angle</extracomment>
        <translation>x est inférieur à 0, donc la flèche pointe vers la gauche : on tourne d&apos;un demi-tour, %1 %2 180 = %3°</translation>
    </message>
    <message>
        <source>Rounded to 2 places: %1°</source>
        <translation>Arrondi à 2 décimales : %1°</translation>
    </message>
    <message>
        <source>-180° points the same way as 180°, so the angle is 180°.</source>
        <translation>-180° indique la même direction que 180°, donc l&apos;angle mesure 180°.</translation>
    </message>
    <message>
        <source>Answer: %1, that is %2</source>
        <extracomment>%1 is the window&apos;s answer, %2 the same number as a textbook writes it</extracomment>
        <translation>Résultat : %1, c&apos;est-à-dire %2</translation>
    </message>
    <message>
        <source>Answer: %1, that is about %2, the angle rounded to 2 places</source>
        <translation>Résultat : %1, c&apos;est-à-dire environ %2, avec l&apos;angle arrondi à 2 décimales</translation>
    </message>
    <message>
        <source>Check: %1 and %2 are %3 and %4, so %5 × (%6) = %7</source>
        <extracomment>%1 and %2 are cos and sin of the angle, %3 and %4 their values; %5 × (%6) = %7 multiplies r out to give the number again</extracomment>
        <translation>Vérification : %1 et %2 valent %3 et %4, donc %5 × (%6) = %7</translation>
    </message>
    <message>
        <source>Argand diagram: the arrow to %1, of length %2, at %3° from the positive real axis.</source>
        <extracomment>%1 is the number, %2 the length of its arrow, %3 its angle</extracomment>
        <translation>Plan complexe : la flèche vers %1, de longueur %2, à %3° de l&apos;axe des réels, côté positif.</translation>
    </message>
    <message>
        <source>R and Im: the real part a and the imaginary part b of a number a + bi, each %1.</source>
        <extracomment>%1 tells the forms a value may take: a decimal, a fraction, ...</extracomment>
        <translation>R et Im : la partie réelle a et la partie imaginaire b d&apos;un nombre a + bi, chacune %1.</translation>
    </message>
    <message>
        <source>Operation: one of + - * / on its own, with no blanks.</source>
        <extracomment>&quot;Operation&quot; is the box&apos;s label in the window</extracomment>
        <translation>Opération : un des signes + - * / tout seul, sans espace.</translation>
    </message>
    <message>
        <source>N: the power of i, a number; it is rounded to a whole number.</source>
        <translation>N : l&apos;exposant de i, un nombre ; il est arrondi à un nombre entier.</translation>
    </message>
    <message>
        <source>To Polar: R and Im of one number.</source>
        <translation>Convertir : R et Im d&apos;un seul nombre.</translation>
    </message>
</context>
<context>
    <name>Form13</name>
    <message>
        <source>Operations [ + - * / ] On Complex Numbers</source>
        <translation>Opérations [ + - * / ] sur les nombres complexes</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Example: (3-2*i) + (6+4*i) =&gt; &lt;3,-2&gt; + &lt;6,4&gt;   Is :   &lt;9,2&gt;</source>
        <extracomment>the numbers and the formulas stay as they are; only &quot;Example&quot; and &quot;Is&quot; are words</extracomment>
        <translation>Exemple : (3-2*i) + (6+4*i) =&gt; &lt;3,-2&gt; + &lt;6,4&gt;   Résultat :   &lt;9,2&gt;</translation>
    </message>
    <message>
        <source>Solving I power N</source>
        <translation>Calcul de i puissance N</translation>
    </message>
    <message>
        <source>i power N</source>
        <translation>i puissance N</translation>
    </message>
    <message>
        <source>Polar Representation</source>
        <translation>Forme trigonométrique</translation>
    </message>
    <message>
        <source>To Polar</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Example: 1+i =&gt; &lt;1,1&gt;   Is :   Root(2)*cos(45) + Root(2)*i*sin (45)</source>
        <extracomment>the numbers and the formulas stay as they are; only &quot;Example&quot; and &quot;Is&quot; are words</extracomment>
        <translation>Exemple : 1+i =&gt; &lt;1,1&gt;   Résultat :   Root(2)*cos(45) + Root(2)*i*sin (45)</translation>
    </message>
    <message>
        <source>Complex Numbers</source>
        <translation>Nombres complexes</translation>
    </message>
</context>
</TS>
