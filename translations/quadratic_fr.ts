<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Form2</name>
    <message>
        <source>Solving Quadratic Equation</source>
        <translation>Résoudre une équation du second degré</translation>
    </message>
    <message>
        <source>The Quadratix Equation Formula :</source>
        <translation>La formule du second degré :</translation>
    </message>
    <message>
        <source>-B +- Root(B^2 - 4*A*c)</source>
        <extracomment>the top of the formula: keep everything but the word Root</extracomment>
        <translation>-B +- Racine(B^2 - 4*A*c)</translation>
    </message>
    <message>
        <source>Fill In The Value Of   A , B And C</source>
        <translation>Entre les valeurs de A, B et C</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Example :  -3*X^2   +   6*X   -   2 = 0</source>
        <translation>Exemple :  -3*X^2   +   6*X   -   2 = 0</translation>
    </message>
    <message>
        <source>Solutions :</source>
        <translation>Solutions :</translation>
    </message>
    <message>
        <source>X1 and X2 equal minus B, plus or minus the square root of B squared minus 4 times A times C, all divided by 2 times A</source>
        <translation>X1 et X2 égalent moins B, plus ou moins la racine carrée de B au carré moins 4 fois A fois C, le tout divisé par 2 fois A</translation>
    </message>
</context>
<context>
    <name>QuadraticWorking</name>
    <message>
        <source>You typed %1 for %2, which is %3. The box keeps 5 characters, so it shows %4, and %2 = %5.</source>
        <extracomment>%1 is the text typed, %2 the letter of the box (A, B or C), %3 the number it is, %4 what the box shows, %5 the value solved with</extracomment>
        <translation>Tu as tapé %1 pour %2, c&apos;est-à-dire %3. La case garde 5 caractères : elle affiche donc %4, et %2 = %5.</translation>
    </message>
    <message>
        <source>You typed %1 for %2, which is %3.</source>
        <extracomment>%1 is the text typed, %2 the letter of the box (A, B or C), %3 what the box shows</extracomment>
        <translation>Tu as tapé %1 pour %2, c&apos;est-à-dire %3.</translation>
    </message>
    <message>
        <source>Check %1 = %2: %3 = %4</source>
        <translation>Vérification pour %1 = %2 : %3 = %4</translation>
    </message>
    <message>
        <source>Check %1 = %2: %3 = %4 = %5</source>
        <translation>Vérification pour %1 = %2 : %3 = %4 = %5</translation>
    </message>
    <message>
        <source>Check %1 = %2: %1² = (%2)² = %3</source>
        <translation>Vérification pour %1 = %2 : %1² = (%2)² = %3</translation>
    </message>
    <message>
        <source>So Ax² + Bx + C = %1 = %2 = %3</source>
        <translation>Donc Ax² + Bx + C = %1 = %2 = %3</translation>
    </message>
    <message>
        <source>With the decimals the window works with: %1 = (%2 %3 %4) ÷ %5 = %6</source>
        <translation>Avec les nombres décimaux de la fenêtre : %1 = (%2 %3 %4) ÷ %5 = %6</translation>
    </message>
    <message>
        <source>lowest point</source>
        <extracomment>the label at the vertex of the parabola in the figure</extracomment>
        <translation>point le plus bas</translation>
    </message>
    <message>
        <source>highest point</source>
        <translation>point le plus haut</translation>
    </message>
    <message>
        <source>These numbers are too large or too small to draw to scale.</source>
        <translation>Ces nombres sont trop grands ou trop petits pour être dessinés à l&apos;échelle.</translation>
    </message>
    <message>
        <source>No figure: the numbers are beyond drawing to scale.</source>
        <translation>Pas de figure : les nombres ne peuvent pas être dessinés à l&apos;échelle.</translation>
    </message>
    <message>
        <source>Parabola clear of the x-axis, so no real root, lowest point %1.</source>
        <translation>Parabole qui ne touche pas l&apos;axe des abscisses, donc pas de solution réelle, point le plus bas %1.</translation>
    </message>
    <message>
        <source>Parabola clear of the x-axis, so no real root, highest point %1.</source>
        <translation>Parabole qui ne touche pas l&apos;axe des abscisses, donc pas de solution réelle, point le plus haut %1.</translation>
    </message>
    <message>
        <source>Parabola touching the x-axis at %1, lowest point %2.</source>
        <extracomment>%1 is where it touches, %2 the vertex (x, y)</extracomment>
        <translation>Parabole qui touche l&apos;axe des abscisses en %1, point le plus bas %2.</translation>
    </message>
    <message>
        <source>Parabola touching the x-axis at %1, highest point %2.</source>
        <translation>Parabole qui touche l&apos;axe des abscisses en %1, point le plus haut %2.</translation>
    </message>
    <message>
        <source>Parabola crossing the x-axis at %1 and %2, lowest point %3.</source>
        <extracomment>%1 and %2 are the roots, %3 the vertex (x, y)</extracomment>
        <translation>Parabole qui coupe l&apos;axe des abscisses en %1 et %2, point le plus bas %3.</translation>
    </message>
    <message>
        <source>Parabola crossing the x-axis at %1 and %2, highest point %3.</source>
        <translation>Parabole qui coupe l&apos;axe des abscisses en %1 et %2, point le plus haut %3.</translation>
    </message>
    <message>
        <source>Answer: X1 = %1 and X2 = %2</source>
        <translation>Résultat : X1 = %1 et X2 = %2</translation>
    </message>
    <message>
        <source>Put into the equation, the window&apos;s decimals give a number very near 0 but not exactly 0: they are the roots rounded to 15 digits.</source>
        <translation>Remplacés dans l&apos;équation, les nombres décimaux de la fenêtre donnent un nombre très proche de 0, mais pas exactement 0 : ce sont les solutions arrondies à 15 chiffres.</translation>
    </message>
    <message>
        <source>Beyond the real numbers, with i where i² = -1, the two roots are complex: x = p ± qi.</source>
        <translation>Au-delà des nombres réels, avec i tel que i² = -1, les deux solutions sont des nombres complexes : x = p ± qi.</translation>
    </message>
    <message>
        <source>The complex roots: x1 ≈ %1 + %2i and x2 ≈ %1 - %2i</source>
        <translation>Les solutions complexes : x1 ≈ %1 + %2i et x2 ≈ %1 - %2i</translation>
    </message>
    <message>
        <source>The complex roots: x1 = %1 and x2 = %2</source>
        <translation>Les solutions complexes : x1 = %1 et x2 = %2</translation>
    </message>
    <message>
        <source>The equation: %1 = 0</source>
        <translation>L&apos;équation : %1 = 0</translation>
    </message>
    <message>
        <source>The formula: x = (-B ± √D) ÷ (2A), where D = B² - 4AC.</source>
        <translation>La formule : x = (-B ± √D) ÷ (2A), où D = B² - 4AC.</translation>
    </message>
    <message>
        <source>D is more than 0, so the equation has two roots.</source>
        <translation>D est supérieur à 0, donc l&apos;équation a deux solutions.</translation>
    </message>
    <message>
        <source>D is 0, so the two roots are the same: the equation has one root.</source>
        <translation>D est égal à 0, donc les deux solutions sont égales : l&apos;équation a une seule solution.</translation>
    </message>
    <message>
        <source>D is less than 0. No real number squared is negative, so √D is no real number: the equation has no real solution.</source>
        <translation>D est inférieur à 0. Le carré d&apos;un nombre réel n&apos;est jamais négatif, donc √D n&apos;est pas un nombre réel : l&apos;équation n&apos;a pas de solution réelle.</translation>
    </message>
    <message>
        <source>The window works with decimals rounded at every step: its D came out %1 instead of exactly %2, so it shows &quot;%3&quot;.</source>
        <extracomment>%1 is the window&apos;s D, %2 the exact D, %3 the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>La fenêtre calcule avec des nombres décimaux arrondis à chaque étape : son D vaut %1 au lieu de %2 exactement, donc elle affiche « %3 ».</translation>
    </message>
    <message>
        <source>The window works with decimals rounded at every step: its D came out %1 instead of exactly %2, so it shows two roots.</source>
        <translation>La fenêtre calcule avec des nombres décimaux arrondis à chaque étape : son D vaut %1 au lieu de %2 exactement, donc elle affiche deux solutions.</translation>
    </message>
    <message>
        <source>Answer: X1 and X2 show &quot;%1&quot;</source>
        <extracomment>%1 is the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>Résultat : X1 et X2 affichent « %1 »</translation>
    </message>
    <message>
        <source>Answer: X1 and X2 show &quot;%1&quot;: the equation has no real solution.</source>
        <extracomment>%1 is the window&apos;s answer &quot;No Solution&quot;</extracomment>
        <translation>Résultat : X1 et X2 affichent « %1 » : l&apos;équation n&apos;a pas de solution réelle.</translation>
    </message>
    <message>
        <source>Straight line y = %1 crossing the x-axis at %2.</source>
        <translation>Droite y = %1 qui coupe l&apos;axe des abscisses en %2.</translation>
    </message>
    <message>
        <source>Straight line y = %1 beside the x-axis: it never meets it.</source>
        <translation>Droite y = %1 parallèle à l&apos;axe des abscisses : elle ne le coupe jamais.</translation>
    </message>
    <message>
        <source>The line y = 0 is the x-axis itself: every x is a root.</source>
        <translation>La droite y = 0 est l&apos;axe des abscisses lui-même : tout x est solution.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <translation>La fenêtre a affiché : « %1 »</translation>
    </message>
    <message>
        <source>A = 0, so there is no x² term: this is no quadratic equation, and the window gives no roots. What is left is the linear equation Bx + C = 0.</source>
        <translation>A = 0, donc il n&apos;y a pas de terme en x² : ce n&apos;est pas une équation du second degré, et la fenêtre ne donne pas de solution. Il reste l&apos;équation du premier degré Bx + C = 0.</translation>
    </message>
    <message>
        <source>B = 0 as well, so the left side is %1 whatever x is, and %1 is not 0: no x solves the equation.</source>
        <translation>B = 0 aussi, donc le membre de gauche vaut %1 quel que soit x, et %1 n&apos;est pas 0 : aucun x n&apos;est solution de l&apos;équation.</translation>
    </message>
    <message>
        <source>B = 0 and C = 0 as well, so the left side is 0 whatever x is: every x solves the equation.</source>
        <translation>B = 0 et C = 0 aussi, donc le membre de gauche vaut 0 quel que soit x : tout x est solution de l&apos;équation.</translation>
    </message>
    <message>
        <source>Take C to the other side: %1x = %2</source>
        <extracomment>%1x is B times x (B left out when it is 1, &quot;-&quot; when it is -1), %2 is -C</extracomment>
        <translation>Fais passer C de l&apos;autre côté : %1x = %2</translation>
    </message>
    <message>
        <source>Divide by B: x = -C ÷ B = %1 ÷ %2 = %3</source>
        <translation>Divise par B : x = -C ÷ B = %1 ÷ %2 = %3</translation>
    </message>
    <message>
        <source>Check: %1 × %2%3 = %4 = 0</source>
        <extracomment>%1 × %2%3 is B × x + C, %4 its terms added</extracomment>
        <translation>Vérification : %1 × %2%3 = %4 = 0</translation>
    </message>
    <message>
        <source>A, B and C: the numbers of Ax² + Bx + C = 0, each %1.</source>
        <extracomment>%1 says what a value may be written as (a number, a fraction ...)</extracomment>
        <translation>A, B et C : les nombres de Ax² + Bx + C = 0, chacun pouvant être %1.</translation>
    </message>
    <message>
        <source>A must not be 0: without x² it is no quadratic equation.</source>
        <translation>A ne doit pas être 0 : sans x², ce n&apos;est pas une équation du second degré.</translation>
    </message>
    <message>
        <source>Each box keeps 5 characters: a longer number is cut (1/3 becomes %1), and the cut number is the one solved with.</source>
        <translation>Chaque case garde 5 caractères : un nombre plus long est coupé (1/3 devient %1), et c&apos;est le nombre coupé qui sert au calcul.</translation>
    </message>
</context>
<context>
    <name>sb::Form2</name>
    <message>
        <source>It Sould Be Quadratix Equation So A Value Must Not Be Zero </source>
        <translation>Ce doit être une équation du second degré : A ne doit donc pas être 0.</translation>
    </message>
    <message>
        <source>No Solution</source>
        <translation>Pas de solution</translation>
    </message>
</context>
</TS>
