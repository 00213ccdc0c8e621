<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Form6</name>
    <message>
        <source>Arithmetic And Geometric Progression</source>
        <translation>Suites arithmétiques et géométriques</translation>
    </message>
    <message>
        <source>Arithmetic Progression</source>
        <translation>Suite arithmétique</translation>
    </message>
    <message>
        <source>Find Sn</source>
        <translation>Calculer Sn</translation>
    </message>
    <message>
        <source>Find An</source>
        <translation>Calculer An</translation>
    </message>
    <message>
        <source>Find D</source>
        <translation>Calculer D</translation>
    </message>
    <message>
        <source>Find N</source>
        <translation>Calculer N</translation>
    </message>
    <message>
        <source>Geometric Progression</source>
        <translation>Suite géométrique</translation>
    </message>
    <message>
        <source>Find Sn (Infinite Progression)</source>
        <translation>Calculer Sn (suite infinie)</translation>
    </message>
    <message>
        <source>Find Q</source>
        <translation>Calculer Q</translation>
    </message>
    <message>
        <source>A1 - First Element</source>
        <translation>A1 - premier terme</translation>
    </message>
    <message>
        <source>An - Last Element</source>
        <translation>An - dernier terme</translation>
    </message>
    <message>
        <source>N - Number Of Elements</source>
        <translation>N - nombre de termes</translation>
    </message>
    <message>
        <source>D - Arithmetic Jump Size</source>
        <translation>D - raison (suite arithmétique)</translation>
    </message>
    <message>
        <source>Q - Geometric Jump Size</source>
        <translation>Q - raison (suite géométrique)</translation>
    </message>
</context>
<context>
    <name>ProgressionsWorking</name>
    <message>
        <source>The box keeps %1 characters, so %2 is read as %3</source>
        <extracomment>%1 is the number of characters, %2 the letter of the box (A1, N), %3 what it shows</extracomment>
        <translation>La case garde %1 caractères, donc %2 est lu comme %3</translation>
    </message>
    <message>
        <source>%1 = %2, written back into its box as %3</source>
        <translation>%1 = %2, réécrit dans sa case sous la forme %3</translation>
    </message>
    <message>
        <source>term</source>
        <extracomment>the name of the chart&apos;s upright axis, the value of a term</extracomment>
        <translation>terme</translation>
    </message>
    <message>
        <source>term %1</source>
        <extracomment>under the first bar after the gap: the number of its term</extracomment>
        <translation>terme %1</translation>
    </message>
    <message>
        <source>Terms %1 to %2 are left out at the gap; the bars after it are the last %3 terms, %4 to %5.</source>
        <translation>Les termes %1 à %2 sont omis à l&apos;interruption ; les barres qui suivent sont les %3 derniers termes, de %4 à %5.</translation>
    </message>
    <message>
        <source>The 1 term of the arithmetic progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>L&apos;unique terme de la suite arithmétique, de %1 à %2, en barre ; le dernier, An, vaut %3.</translation>
    </message>
    <message>
        <source>The 1 term of the arithmetic progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>L&apos;unique terme de la suite arithmétique, de %1 à %2, en barre hachurée : la somme Sn vaut %3.</translation>
    </message>
    <message>
        <source>The 1 term of the geometric progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>L&apos;unique terme de la suite géométrique, de %1 à %2, en barre ; le dernier, An, vaut %3.</translation>
    </message>
    <message>
        <source>The 1 term of the geometric progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>L&apos;unique terme de la suite géométrique, de %1 à %2, en barre hachurée : la somme Sn vaut %3.</translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the arithmetic progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>
            <numerusform>Le %n terme de la suite arithmétique, de %1 à %2, en barres ; le dernier, An, vaut %3.</numerusform>
            <numerusform>Les %n termes de la suite arithmétique, de %1 à %2, en barres ; le dernier, An, vaut %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the arithmetic progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>
            <numerusform>Le %n terme de la suite arithmétique, de %1 à %2, en barres, toutes hachurées : leur somme Sn vaut %3.</numerusform>
            <numerusform>Les %n termes de la suite arithmétique, de %1 à %2, en barres, toutes hachurées : leur somme Sn vaut %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the geometric progression from %1 to %2 as bars; the last one, An, is %3.</source>
        <translation>
            <numerusform>Le %n terme de la suite géométrique, de %1 à %2, en barres ; le dernier, An, vaut %3.</numerusform>
            <numerusform>Les %n termes de la suite géométrique, de %1 à %2, en barres ; le dernier, An, vaut %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n terms of the geometric progression from %1 to %2 as bars, all shaded: their sum Sn is %3.</source>
        <translation>
            <numerusform>Le %n terme de la suite géométrique, de %1 à %2, en barres, toutes hachurées : leur somme Sn vaut %3.</numerusform>
            <numerusform>Les %n termes de la suite géométrique, de %1 à %2, en barres, toutes hachurées : leur somme Sn vaut %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the arithmetic progression from %3 to %4 as bars; the last one, An, is %5.</source>
        <translation>Les premiers et les derniers termes de la suite arithmétique, %1 de chaque côté sur %2, de %3 à %4, en barres ; le dernier, An, vaut %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the arithmetic progression from %3 to %4 as bars, all shaded: their sum Sn is %5.</source>
        <translation>Les premiers et les derniers termes de la suite arithmétique, %1 de chaque côté sur %2, de %3 à %4, en barres, toutes hachurées : leur somme Sn vaut %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the geometric progression from %3 to %4 as bars; the last one, An, is %5.</source>
        <translation>Les premiers et les derniers termes de la suite géométrique, %1 de chaque côté sur %2, de %3 à %4, en barres ; le dernier, An, vaut %5.</translation>
    </message>
    <message>
        <source>The first and the last %1 of the %2 terms of the geometric progression from %3 to %4 as bars, all shaded: their sum Sn is %5.</source>
        <translation>Les premiers et les derniers termes de la suite géométrique, %1 de chaque côté sur %2, de %3 à %4, en barres, toutes hachurées : leur somme Sn vaut %5.</translation>
    </message>
    <message>
        <source>N = %1 is not a whole number of terms from 1 up, so there are no terms to draw.</source>
        <translation>N = %1 n&apos;est pas un nombre entier de termes à partir de 1 : il n&apos;y a donc aucun terme à dessiner.</translation>
    </message>
    <message>
        <source>The terms are %1.</source>
        <translation>Les termes sont %1.</translation>
    </message>
    <message>
        <source>The shaded trapezoid is N wide and on average (A1 + An) ÷ 2 high, so its area is the sum.</source>
        <translation>Le trapèze hachuré a une largeur N et une hauteur moyenne (A1 + An) ÷ 2 : son aire est donc la somme.</translation>
    </message>
    <message>
        <source>A trapezoid %1 wide from the first term to the last, An = %2, shaded: its area is the sum Sn = %3.</source>
        <translation>Un trapèze hachuré de largeur %1, du premier terme au dernier, An = %2 : son aire est la somme Sn = %3.</translation>
    </message>
    <message>
        <source>term, sum</source>
        <extracomment>the name of the chart&apos;s upright axis: the values of the terms and of the sums</extracomment>
        <translation>terme, somme</translation>
    </message>
    <message>
        <source>The terms of the progression as shaded bars and the partial sums S1 to S%1 as points, approaching the dashed line at the sum S = %2.</source>
        <translation>Les termes de la suite en barres hachurées et les sommes partielles S1 à S%1 en points, qui s&apos;approchent de la ligne en pointillés de la somme S = %2.</translation>
    </message>
    <message>
        <source>An = %1 is not A1 times a whole power of Q within %2 terms, so the terms are not drawn.</source>
        <translation>An = %1 n&apos;est pas A1 fois une puissance entière de Q en %2 termes au plus : les termes ne sont donc pas dessinés.</translation>
    </message>
    <message>
        <source>(%1 to the power %2)</source>
        <translation>(%1 puissance %2)</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number from 1 up; N = %1 counts no terms.</source>
        <translation>N est le nombre de termes, il devrait donc être un nombre entier à partir de 1 ; N = %1 ne compte aucun terme.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: there is no sum of %1 terms.</source>
        <translation>N est le nombre de termes, il devrait donc être un nombre entier : une somme de %1 termes n&apos;existe pas.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: there is no term number %1.</source>
        <translation>N est le nombre de termes, il devrait donc être un nombre entier : il n&apos;y a pas de terme numéro %1.</translation>
    </message>
    <message>
        <source>N is the number of terms, so it should be a whole number: %1 terms make no progression.</source>
        <translation>N est le nombre de termes, il devrait donc être un nombre entier : %1 termes ne forment pas une suite.</translation>
    </message>
    <message>
        <source>The formula gives a number with N = %1 all the same, and that number is what the window shows.</source>
        <translation>La formule donne quand même un nombre avec N = %1, et c&apos;est ce nombre que la fenêtre affiche.</translation>
    </message>
    <message>
        <source>If you meant N = %1, %2 is %3.</source>
        <translation>Si tu voulais dire N = %1, %2 vaut %3.</translation>
    </message>
    <message>
        <source>If you meant N = %1, %2 is %3; if you meant N = %4, it is %5.</source>
        <translation>Si tu voulais dire N = %1, %2 vaut %3 ; si tu voulais dire N = %4, il vaut %5.</translation>
    </message>
    <message>
        <source>2An - (N - 1)D is A1 + An: the first term plus the last.</source>
        <translation>2An - (N - 1)D vaut A1 + An : le premier terme plus le dernier.</translation>
    </message>
    <message>
        <source>Check: A1 + (N - 1)D = %1 + %2 × %3 = %4, which is An.</source>
        <translation>Vérification : A1 + (N - 1)D = %1 + %2 × %3 = %4, c&apos;est bien An.</translation>
    </message>
    <message>
        <source>N should be a whole number from 1 up, and N = %1 is not: An = %2 does not lie ahead of A1 = %3 in steps of D = %4, so it is none of the terms from A1 on.</source>
        <translation>N devrait être un nombre entier à partir de 1, et N = %1 ne l&apos;est pas : An = %2 ne se trouve pas après A1 = %3 par pas de D = %4, ce n&apos;est donc aucun des termes à partir de A1.</translation>
    </message>
    <message>
        <source>N = %1 is not a whole number: An = %2 is none of the terms.</source>
        <translation>N = %1 n&apos;est pas un nombre entier : An = %2 n&apos;est aucun des termes.</translation>
    </message>
    <message>
        <source>It lies between term %1, which is %2, and term %3, which is %4.</source>
        <translation>Il se trouve entre le terme %1, qui vaut %2, et le terme %3, qui vaut %4.</translation>
    </message>
    <message>
        <source>An = %1 is not A1 times a whole power of Q, so it is none of the terms. The formula gives a number all the same, and that number is what the window shows.</source>
        <translation>An = %1 n&apos;est pas A1 fois une puissance entière de Q : ce n&apos;est donc aucun des termes. La formule donne quand même un nombre, et c&apos;est ce nombre que la fenêtre affiche.</translation>
    </message>
    <message>
        <source>S = A1 ÷ (1 - Q), as -1 &lt; Q &lt; 1</source>
        <translation>S = A1 ÷ (1 - Q), car -1 &lt; Q &lt; 1</translation>
    </message>
    <message>
        <source>With N - 1 = 1 the root is An ÷ A1 itself.</source>
        <translation>Avec N - 1 = 1, la racine est An ÷ A1 lui-même.</translation>
    </message>
    <message>
        <source>An ÷ A1 is negative and N - 1 = %1 is odd: an odd power keeps the sign, so Q is negative.</source>
        <translation>An ÷ A1 est négatif et N - 1 = %1 est impair : une puissance impaire garde le signe, donc Q est négatif.</translation>
    </message>
    <message>
        <source>1 ÷ (N - 1) = 1 ÷ %1 = %2: the window takes the root as the power %2.</source>
        <translation>1 ÷ (N - 1) = 1 ÷ %1 = %2 : la fenêtre calcule la racine comme la puissance %2.</translation>
    </message>
    <message>
        <source>With An = 0 the ratio is 0: every term after A1 is 0.</source>
        <translation>Avec An = 0, la raison vaut 0 : chaque terme après A1 vaut 0.</translation>
    </message>
    <message>
        <source>Q = %1 fits as well: %2 × %3 = %4 too. The window shows the positive one.</source>
        <translation>Q = %1 convient aussi : %2 × %3 = %4 également. La fenêtre affiche la valeur positive.</translation>
    </message>
    <message>
        <source>Q = %1 fits as well, as an even power of a number and of its negative are the same. The window shows the positive one.</source>
        <translation>Q = %1 convient aussi, car une puissance paire d&apos;un nombre et celle de son opposé sont égales. La fenêtre affiche la valeur positive.</translation>
    </message>
    <message>
        <source>Check: A1Qᴺ⁻¹ = %1 × %2 = %3, which is An.</source>
        <translation>Vérification : A1Qᴺ⁻¹ = %1 × %2 = %3, c&apos;est bien An.</translation>
    </message>
    <message>
        <source>D = %1 a term</source>
        <extracomment>beside the dashed line from A1 to An: the terms grow by D each term</extracomment>
        <translation>D = %1 par terme</translation>
    </message>
    <message>
        <source>Along the dashed line from A1 to An the terms grow by D = %1 a term.</source>
        <translation>Le long de la ligne en pointillés de A1 à An, les termes augmentent de D = %1 à chaque terme.</translation>
    </message>
    <message>
        <source>The point on the k axis marks N = %1.</source>
        <translation>Le point sur l&apos;axe k marque N = %1.</translation>
    </message>
    <message>
        <source>The known terms A1 = %1 at 1 and An = %2 at N = %3 as bars; from one to the next the terms grow by D = %4.</source>
        <translation>Les termes connus A1 = %1 en 1 et An = %2 en N = %3, en barres ; d&apos;un terme au suivant, les termes augmentent de D = %4.</translation>
    </message>
    <message>
        <source>Each term is Q = %1 times the one before.</source>
        <translation>Chaque terme vaut Q = %1 fois le précédent.</translation>
    </message>
    <message>
        <source>The known terms A1 = %1 at 1 and An = %2 at N = %3 as bars; each term is Q = %4 times the one before.</source>
        <translation>Les termes connus A1 = %1 en 1 et An = %2 en N = %3, en barres ; chaque terme vaut Q = %4 fois le précédent.</translation>
    </message>
    <message>
        <source>The terms are too large to draw.</source>
        <translation>Les termes sont trop grands pour être dessinés.</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <translation>La fenêtre a affiché : « %1 »</translation>
    </message>
    <message>
        <source>With Q = 0 every term after A1 is 0: A1, 0, 0, and so on. The window takes no Q of 0.</source>
        <translation>Avec Q = 0, chaque terme après A1 vaut 0 : A1, 0, 0, et ainsi de suite. La fenêtre n&apos;accepte pas Q = 0.</translation>
    </message>
    <message>
        <source>So An = 0 from the second term on, and An = A1 = %1 when N = 1.</source>
        <translation>Donc An = 0 à partir du deuxième terme, et An = A1 = %1 quand N = 1.</translation>
    </message>
    <message>
        <source>So the sum is A1 = %1.</source>
        <translation>Donc la somme vaut A1 = %1.</translation>
    </message>
    <message>
        <source>With Q = 1 every term is A1 = %1: each is 1 times the one before.</source>
        <translation>Avec Q = 1, chaque terme vaut A1 = %1 : chacun vaut 1 fois le précédent.</translation>
    </message>
    <message>
        <source>So An = A1 = %1. The window takes no Q of 1 all the same.</source>
        <translation>Donc An = A1 = %1. La fenêtre n&apos;accepte pourtant pas Q = 1.</translation>
    </message>
    <message>
        <source>The formula divides by Q - 1 = 0, so it cannot be used.</source>
        <translation>La formule divise par Q - 1 = 0 : on ne peut donc pas l&apos;utiliser.</translation>
    </message>
    <message>
        <source>The sum of N terms that are all A1 is N × A1 = %1 × %2 = %3.</source>
        <translation>La somme de N termes tous égaux à A1 vaut N × A1 = %1 × %2 = %3.</translation>
    </message>
    <message>
        <source>The sum of N terms that are all A1 is N × A1.</source>
        <translation>La somme de N termes tous égaux à A1 vaut N × A1.</translation>
    </message>
    <message>
        <source>An does not tell how many terms there are.</source>
        <translation>An ne dit pas combien il y a de termes.</translation>
    </message>
    <message>
        <source>Here An = %1 is not A1, so it is none of the terms.</source>
        <translation>Ici An = %1 n&apos;est pas A1 : ce n&apos;est donc aucun des termes.</translation>
    </message>
    <message>
        <source>With A1 = 0 every term is 0, and so is their sum; the window asks for -1 &lt; Q &lt; 1 all the same.</source>
        <translation>Avec A1 = 0, chaque terme vaut 0, et leur somme aussi ; la fenêtre demande quand même -1 &lt; Q &lt; 1.</translation>
    </message>
    <message>
        <source>All the terms add up to one sum only when they shrink towards 0, that is when -1 &lt; Q &lt; 1.</source>
        <translation>Tous les termes ont une somme seulement s&apos;ils se rapprochent de 0, c&apos;est-à-dire quand -1 &lt; Q &lt; 1.</translation>
    </message>
    <message>
        <source>With Q = %1 no term is smaller in size than the one before, so the sums S1, S2, S3, and so on grow in size without end.</source>
        <translation>Avec Q = %1, aucun terme n&apos;est plus petit en valeur absolue que le précédent : les sommes S1, S2, S3, et ainsi de suite, grandissent donc sans fin.</translation>
    </message>
    <message>
        <source>With Q = %1 the terms change sign each time and do not shrink, so the sums S1, S2, S3, and so on never settle.</source>
        <translation>Avec Q = %1, les termes changent de signe à chaque fois sans diminuer : les sommes S1, S2, S3, et ainsi de suite, ne se stabilisent donc jamais.</translation>
    </message>
    <message>
        <source>With A1 = 0 every term is 0 × Q = 0, and An ÷ A1 would divide by 0, so no ratio can be found.</source>
        <translation>Avec A1 = 0, chaque terme vaut 0 × Q = 0, et An ÷ A1 diviserait par 0 : on ne peut donc trouver aucune raison.</translation>
    </message>
    <message>
        <source>N counts the terms, and a ratio needs two of them, A1 and An: N = %1 is not more than 1.</source>
        <translation>N compte les termes, et une raison en demande deux, A1 et An : N = %1 n&apos;est pas plus grand que 1.</translation>
    </message>
    <message>
        <source>N = 1 makes N - 1 = 0, and the formula divides by it: with one term there is no step from one term to the next.</source>
        <translation>N = 1 donne N - 1 = 0, et la formule divise par ce nombre : avec un seul terme, il n&apos;y a pas de pas d&apos;un terme au suivant.</translation>
    </message>
    <message>
        <source>D = 0 makes every term A1 = %1, and the formula divides by D = 0.</source>
        <translation>D = 0 rend chaque terme égal à A1 = %1, et la formule divise par D = 0.</translation>
    </message>
    <message>
        <source>Here An is A1, so every N fits.</source>
        <translation>Ici An est égal à A1 : tout N convient.</translation>
    </message>
    <message>
        <source>Here An = %1 is not A1, so no N fits.</source>
        <translation>Ici An = %1 n&apos;est pas A1 : aucun N ne convient.</translation>
    </message>
    <message>
        <source>Q = %1 is negative and %2 = %3 is not a whole number: a negative number to a power that is not whole has no real value.</source>
        <translation>Q = %1 est négatif et %2 = %3 n&apos;est pas un nombre entier : un nombre négatif élevé à une puissance non entière n&apos;a pas de valeur réelle.</translation>
    </message>
    <message>
        <source>N counts the terms, so it should be a whole number.</source>
        <translation>N compte les termes, il devrait donc être un nombre entier.</translation>
    </message>
    <message>
        <source>An ÷ A1 = %1 is negative and N - 1 = %2 is even: an even power of a real number is never negative, so no real Q fits.</source>
        <translation>An ÷ A1 = %1 est négatif et N - 1 = %2 est pair : une puissance paire d&apos;un nombre réel n&apos;est jamais négative, donc aucun Q réel ne convient.</translation>
    </message>
    <message>
        <source>An ÷ A1 = %1 is negative and N - 1 = %2 is not a whole number: such a root of a negative number has no real value.</source>
        <translation>An ÷ A1 = %1 est négatif et N - 1 = %2 n&apos;est pas un nombre entier : une telle racine d&apos;un nombre négatif n&apos;a pas de valeur réelle.</translation>
    </message>
    <message>
        <source>The box of %1 keeps only 8 characters, so it shows %2, the start of the number %3 written in E-notation. %2 is no number, and the row cannot go on with it.</source>
        <translation>La case de %1 ne garde que 8 caractères : elle affiche donc %2, le début du nombre %3 écrit en notation E. %2 n&apos;est pas un nombre, et la ligne ne peut pas continuer avec.</translation>
    </message>
    <message>
        <source>A number on the way grows beyond the largest one the computer can hold, about 1.8 × 10³⁰⁸, so there is no answer.</source>
        <translation>Un nombre du calcul dépasse le plus grand que l&apos;ordinateur peut garder, environ 1.8 × 10³⁰⁸ : il n&apos;y a donc pas de résultat.</translation>
    </message>
    <message>
        <source>Each box takes %1, at most 8 characters.</source>
        <translation>Chaque case accepte %1, 8 caractères au plus.</translation>
    </message>
    <message>
        <source>A1 is the first term, An the last, N the number of terms, D the step from one term to the next and Q the ratio of one term to the one before.</source>
        <translation>A1 est le premier terme, An le dernier, N le nombre de termes, D l&apos;écart d&apos;un terme au suivant et Q le rapport d&apos;un terme au précédent.</translation>
    </message>
    <message>
        <source>A command writes the numbers it read back into its boxes, cut to 8 characters, and goes on with what the box shows; Q, and An in the geometric rows, are used as typed.</source>
        <translation>Un bouton réécrit dans ses cases les nombres qu&apos;il a lus, coupés à 8 caractères, et continue avec ce que la case affiche ; Q, et An dans les lignes géométriques, sont utilisés tels qu&apos;ils ont été tapés.</translation>
    </message>
    <message>
        <source>A1 = 2, D = 3, N = 5, %1:</source>
        <extracomment>%1 is the window&apos;s button Find Sn</extracomment>
        <translation>A1 = 2, D = 3, N = 5, %1 :</translation>
    </message>
</context>
<context>
    <name>sb::Form6</name>
    <message>
        <source>Q Must not be equals to zero or one.!!!</source>
        <translation>Q ne doit être égal ni à 0 ni à 1 !</translation>
    </message>
    <message>
        <source>In Infinite Progression Q Must be smaller than 1 and bigger than -1 and not be equals to Zero.!!!</source>
        <translation>Pour une suite infinie, Q doit être compris entre -1 et 1 et différent de 0 !</translation>
    </message>
    <message>
        <source>A1 Must not be equals to zero And N must be bigger than one.!!!</source>
        <translation>A1 ne doit pas être égal à 0 et N doit être plus grand que 1 !</translation>
    </message>
</context>
</TS>
