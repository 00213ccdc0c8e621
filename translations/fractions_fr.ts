<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Form4</name>
    <message>
        <source>Operators On Fractions</source>
        <translation>Opérations sur les fractions</translation>
    </message>
    <message>
        <source>Fraction 1</source>
        <translation>Fraction 1</translation>
    </message>
    <message>
        <source>Fraction 1 whole number</source>
        <translation>Fraction 1, partie entière</translation>
    </message>
    <message>
        <source>Fraction 1 numerator</source>
        <translation>Fraction 1, numérateur</translation>
    </message>
    <message>
        <source>Fraction 1 denominator</source>
        <translation>Fraction 1, dénominateur</translation>
    </message>
    <message>
        <source>The Operator</source>
        <translation>L&apos;opérateur</translation>
    </message>
    <message>
        <source>Fraction 2</source>
        <translation>Fraction 2</translation>
    </message>
    <message>
        <source>Fraction 2 whole number</source>
        <translation>Fraction 2, partie entière</translation>
    </message>
    <message>
        <source>Fraction 2 numerator</source>
        <translation>Fraction 2, numérateur</translation>
    </message>
    <message>
        <source>Fraction 2 denominator</source>
        <translation>Fraction 2, dénominateur</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Result whole number</source>
        <translation>Résultat, partie entière</translation>
    </message>
    <message>
        <source>Result numerator</source>
        <translation>Résultat, numérateur</translation>
    </message>
    <message>
        <source>Result denominator</source>
        <translation>Résultat, dénominateur</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Common Denominator</source>
        <translation>Dénominateur commun</translation>
    </message>
    <message>
        <source>Make Common Denominator</source>
        <translation>Dénominateur commun</translation>
    </message>
    <message>
        <source>Common Denominator Result</source>
        <translation>Dénominateur commun, résultat</translation>
    </message>
    <message>
        <source>Reduction</source>
        <translation>Simplifier</translation>
    </message>
    <message>
        <source>Reduction numerator</source>
        <translation>Simplification, numérateur</translation>
    </message>
    <message>
        <source>Reduction denominator</source>
        <translation>Simplification, dénominateur</translation>
    </message>
    <message>
        <source>Reduction Result numerator</source>
        <translation>Simplification, résultat, numérateur</translation>
    </message>
    <message>
        <source>Reduction Result denominator</source>
        <translation>Simplification, résultat, dénominateur</translation>
    </message>
</context>
<context>
    <name>FractionsWorking</name>
    <message>
        <source>The bars of %1 are not cut: %2 is not a whole number of parts</source>
        <extracomment>%1 is what the bars show (a fraction), %2 how many equal pieces a bar is cut into</extracomment>
        <translation>Les barres de %1 ne sont pas découpées&#xa0;: %2 n&apos;est pas un nombre entier de parts</translation>
    </message>
    <message>
        <source>The %1 bars of %2 are drawn as one length, without their parts: too many to tell apart</source>
        <extracomment>%1 is how many bars there are, %2 what they show (a fraction)</extracomment>
        <translation>Les %1 barres de %2 sont tracées d&apos;un seul tenant, sans leurs parts&#xa0;: trop nombreuses pour les distinguer</translation>
    </message>
    <message>
        <source>The bars of %1 are not cut into their %2 parts: too many to tell apart</source>
        <extracomment>%1 is what the bars show (a fraction), %2 how many equal pieces a bar is cut into</extracomment>
        <translation>Les barres de %1 ne sont pas découpées en leurs %2 parts&#xa0;: trop nombreuses pour les distinguer</translation>
    </message>
    <message>
        <source>The numbers are too large to draw.</source>
        <translation>Les nombres sont trop grands pour être dessinés.</translation>
    </message>
    <message>
        <source>Number Can&apos;t Be Zero!!!</source>
        <translation>Le nombre ne peut pas être zéro&#xa0;!</translation>
    </message>
    <message>
        <source>Please Set the operation [+ - * / &lt; &gt; =]!!!.</source>
        <translation>Tape une opération [+ - * / &lt; &gt; =]&#xa0;!</translation>
    </message>
    <message>
        <source>Fraction 2 Can&apos;t be equals to zero </source>
        <translation>La fraction 2 ne peut pas être égale à zéro.</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a mixed number: %1 is its whole number, %2 its fraction (&quot;4 and 1/6&quot;)</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The whole part is %1; it is taken as the whole number %2</source>
        <translation>La partie entière vaut %1&#xa0;; elle est prise comme le nombre entier %2</translation>
    </message>
    <message>
        <source>The numerator is %1; it is taken as the whole number %2</source>
        <translation>Le numérateur vaut %1&#xa0;; il est pris comme le nombre entier %2</translation>
    </message>
    <message>
        <source>The denominator is %1; it is taken as the whole number %2</source>
        <translation>Le dénominateur vaut %1&#xa0;; il est pris comme le nombre entier %2</translation>
    </message>
    <message>
        <source>The whole part of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>La partie entière de la fraction 1 vaut %1&#xa0;; elle est prise comme le nombre entier %2</translation>
    </message>
    <message>
        <source>The numerator of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>Le numérateur de la fraction 1 vaut %1&#xa0;; il est pris comme le nombre entier %2</translation>
    </message>
    <message>
        <source>The denominator of fraction 1 is %1; it is taken as the whole number %2</source>
        <translation>Le dénominateur de la fraction 1 vaut %1&#xa0;; il est pris comme le nombre entier %2</translation>
    </message>
    <message>
        <source>The whole part of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>La partie entière de la fraction 2 vaut %1&#xa0;; elle est prise comme le nombre entier %2</translation>
    </message>
    <message>
        <source>The numerator of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>Le numérateur de la fraction 2 vaut %1&#xa0;; il est pris comme le nombre entier %2</translation>
    </message>
    <message>
        <source>The denominator of fraction 2 is %1; it is taken as the whole number %2</source>
        <translation>Le dénominateur de la fraction 2 vaut %1&#xa0;; il est pris comme le nombre entier %2</translation>
    </message>
    <message>
        <source>The number B is %1; it is taken as the whole number %2</source>
        <translation>Le nombre B vaut %1&#xa0;; il est pris comme le nombre entier %2</translation>
    </message>
    <message>
        <source>%1 = %2: every number divides 0, so the gcd is the first number</source>
        <translation>%1 = %2&#xa0;: tout nombre divise 0, donc le plus grand commun diviseur est le premier nombre</translation>
    </message>
    <message>
        <source>Euclid: divide, then divide the divisor by the remainder, until the remainder is 0</source>
        <translation>Euclide&#xa0;: divise, puis divise le diviseur par le reste, jusqu&apos;à ce que le reste soit 0</translation>
    </message>
    <message>
        <source>The last divisor is the greatest common divisor: %1 = %2</source>
        <translation>Le dernier diviseur est le plus grand commun diviseur&#xa0;: %1 = %2</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3, remainder %4</source>
        <extracomment>a division with remainder: %1 ÷ %2 = %3 is the whole quotient, %4 what is left</extracomment>
        <translation>%1 ÷ %2 = %3, reste %4</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>Chaque partie garde son propre signe&#xa0;: %1 et %2 vaut %1 - %3 = %4, c&apos;est-à-dire moins %5 et %3</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>Chaque partie garde son propre signe&#xa0;: %1 et %2 vaut %1 + %3 = %4, et non moins %5 et %3</translation>
    </message>
    <message>
        <source>Each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>Chaque partie garde son propre signe&#xa0;: %1 et %2 vaut %1 - %3 = %4, et non %5 et %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>Dans la fraction 1, chaque partie garde son propre signe&#xa0;: %1 et %2 vaut %1 - %3 = %4, c&apos;est-à-dire moins %5 et %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>Dans la fraction 1, chaque partie garde son propre signe&#xa0;: %1 et %2 vaut %1 + %3 = %4, et non moins %5 et %3</translation>
    </message>
    <message>
        <source>In fraction 1 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>Dans la fraction 1, chaque partie garde son propre signe&#xa0;: %1 et %2 vaut %1 - %3 = %4, et non %5 et %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>Dans la fraction 2, chaque partie garde son propre signe&#xa0;: %1 et %2 vaut %1 - %3 = %4, c&apos;est-à-dire moins %5 et %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>Dans la fraction 2, chaque partie garde son propre signe&#xa0;: %1 et %2 vaut %1 + %3 = %4, et non moins %5 et %3</translation>
    </message>
    <message>
        <source>In fraction 2 each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>Dans la fraction 2, chaque partie garde son propre signe&#xa0;: %1 et %2 vaut %1 - %3 = %4, et non %5 et %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 - %3 = %4, that is minus %5 and %3</source>
        <translation>Dans le résultat, chaque partie garde son propre signe&#xa0;: %1 et %2 vaut %1 - %3 = %4, c&apos;est-à-dire moins %5 et %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 + %3 = %4, not minus %5 and %3</source>
        <translation>Dans le résultat, chaque partie garde son propre signe&#xa0;: %1 et %2 vaut %1 + %3 = %4, et non moins %5 et %3</translation>
    </message>
    <message>
        <source>In the answer each part keeps its own sign: %1 and %2 is %1 - %3 = %4, not %5 and %3</source>
        <translation>Dans le résultat, chaque partie garde son propre signe&#xa0;: %1 et %2 vaut %1 - %3 = %4, et non %5 et %3</translation>
    </message>
    <message>
        <source>For minus %1 and %2, that is %3, type %4 and %5</source>
        <translation>Pour moins %1 et %2, soit %3, tape %4 et %5</translation>
    </message>
    <message>
        <source>For %1 and %2, that is %3, type %4 and %5</source>
        <translation>Pour %1 et %2, soit %3, tape %4 et %5</translation>
    </message>
    <message>
        <source>In lowest terms: %1, that is %2</source>
        <translation>Sous forme irréductible&#xa0;: %1, soit %2</translation>
    </message>
    <message>
        <source>In lowest terms: %1 is %2, that is %3</source>
        <translation>Sous forme irréductible&#xa0;: %1 vaut %2, soit %3</translation>
    </message>
    <message>
        <source>fraction 1</source>
        <translation>fraction 1</translation>
    </message>
    <message>
        <source>fraction 2</source>
        <translation>fraction 2</translation>
    </message>
    <message>
        <source>The common denominator of %1 and %2 is C = %3</source>
        <translation>Le dénominateur commun de %1 et %2 est C = %3</translation>
    </message>
    <message>
        <source>The least common multiple: %1 × %2 ÷ %3 = %4</source>
        <translation>Le plus petit commun multiple&#xa0;: %1 × %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>Fraction 1 as an improper fraction: (%1 × %2 + %3)/%2 = %4</source>
        <translation>La fraction 1 en fraction impropre&#xa0;: (%1 × %2 + %3)/%2 = %4</translation>
    </message>
    <message>
        <source>Fraction 2 as an improper fraction: (%1 × %2 + %3)/%2 = %4</source>
        <translation>La fraction 2 en fraction impropre&#xa0;: (%1 × %2 + %3)/%2 = %4</translation>
    </message>
    <message>
        <source>The window writes the numerator %1 and reads it back as the whole number %2</source>
        <translation>La fenêtre écrit le numérateur %1 et le relit comme le nombre entier %2</translation>
    </message>
    <message>
        <source>As a mixed number: %1</source>
        <translation>En nombre mixte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Add the whole numbers and the fractions apart</source>
        <translation>Additionne séparément les nombres entiers et les fractions</translation>
    </message>
    <message>
        <source>Rule: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C, with C the common denominator of b and d</source>
        <translation>Règle&#xa0;: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C, où C est le dénominateur commun de b et d</translation>
    </message>
    <message>
        <source>So %1 + %2 = %3</source>
        <translation>Donc %1 + %2 = %3</translation>
    </message>
    <message>
        <source>The whole numbers: %1 + %2 = %3</source>
        <translation>Les nombres entiers&#xa0;: %1 + %2 = %3</translation>
    </message>
    <message>
        <source>%1 is rounded to the whole number %2</source>
        <translation>%1 est arrondi au nombre entier %2</translation>
    </message>
    <message>
        <source>With the %1 from the fraction: %2 + %3 = %4</source>
        <extracomment>%1 is the whole number the fraction part gave, added to the whole numbers&apos; sum %2</extracomment>
        <translation>Avec le %1 venu de la fraction&#xa0;: %2 + %3 = %4</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then take them away</source>
        <translation>Écris chaque nombre mixte en fraction impropre, puis soustrais</translation>
    </message>
    <message>
        <source>Rule: a/b - c/d = ((C ÷ b) × a - (C ÷ d) × c)/C, with C the common denominator of b and d</source>
        <translation>Règle&#xa0;: a/b - c/d = ((C ÷ b) × a - (C ÷ d) × c)/C, où C est le dénominateur commun de b et d</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then multiply</source>
        <translation>Écris chaque nombre mixte en fraction impropre, puis multiplie</translation>
    </message>
    <message>
        <source>Write each mixed number as an improper fraction, then divide</source>
        <translation>Écris chaque nombre mixte en fraction impropre, puis divise</translation>
    </message>
    <message>
        <source>Rule: a/b × c/d = (a × c)/(b × d)</source>
        <translation>Règle&#xa0;: a/b × c/d = (a × c)/(b × d)</translation>
    </message>
    <message>
        <source>Rule: a/b ÷ c/d = (a × d)/(b × c): multiply by the second fraction turned upside down</source>
        <translation>Règle&#xa0;: a/b ÷ c/d = (a × d)/(b × c)&#xa0;: multiplie par l&apos;inverse de la deuxième fraction</translation>
    </message>
    <message>
        <source>Numerators: %1 × %2 = %3; denominators: %4 × %5 = %6</source>
        <translation>Numérateurs&#xa0;: %1 × %2 = %3&#xa0;; dénominateurs&#xa0;: %4 × %5 = %6</translation>
    </message>
    <message>
        <source>To reduce %1, its greatest common divisor: gcd(%2, %3) = %4</source>
        <translation>Pour simplifier %1, son plus grand commun diviseur&#xa0;: gcd(%2, %3) = %4</translation>
    </message>
    <message>
        <source>Dividing by 1 changes nothing: %1 is in lowest terms already</source>
        <translation>Diviser par 1 ne change rien&#xa0;: %1 est déjà irréductible</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 and %4 ÷ %2 = %5, so %6 = %7</source>
        <translation>%1 ÷ %2 = %3 et %4 ÷ %2 = %5, donc %6 = %7</translation>
    </message>
    <message>
        <source>%1 is less than %2</source>
        <translation>%1 est inférieur à %2</translation>
    </message>
    <message>
        <source>%1 is greater than %2</source>
        <translation>%1 est supérieur à %2</translation>
    </message>
    <message>
        <source>%1 is equal to %2</source>
        <translation>%1 est égal à %2</translation>
    </message>
    <message>
        <source>Compare the exact values: write each number as one fraction</source>
        <translation>Compare les valeurs exactes&#xa0;: écris chaque nombre sous forme d&apos;une seule fraction</translation>
    </message>
    <message>
        <source>Fraction 1: %1 = %2</source>
        <translation>Fraction 1&#xa0;: %1 = %2</translation>
    </message>
    <message>
        <source>Fraction 2: %1 = %2</source>
        <translation>Fraction 2&#xa0;: %1 = %2</translation>
    </message>
    <message>
        <source>Both have the denominator %1, so compare the numerators</source>
        <translation>Les deux ont le dénominateur %1, donc compare les numérateurs</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 = %3/%1, and %4 has it already</source>
        <translation>Avec le dénominateur commun %1&#xa0;: %2 = %3/%1, et %4 l&apos;a déjà</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 has it already, and %3 = %4/%1</source>
        <translation>Avec le dénominateur commun %1&#xa0;: %2 l&apos;a déjà, et %3 = %4/%1</translation>
    </message>
    <message>
        <source>Over the common denominator %1: %2 = %3/%1 and %4 = %5/%1</source>
        <translation>Avec le dénominateur commun %1&#xa0;: %2 = %3/%1 et %4 = %5/%1</translation>
    </message>
    <message>
        <source>%1 is less than %2, so %3 is less than %4</source>
        <extracomment>%1 and %2 are the numerators over the common denominator, %3 and %4 the two numbers</extracomment>
        <translation>%1 est inférieur à %2, donc %3 est inférieur à %4</translation>
    </message>
    <message>
        <source>%1 is greater than %2, so %3 is greater than %4</source>
        <translation>%1 est supérieur à %2, donc %3 est supérieur à %4</translation>
    </message>
    <message>
        <source>%1 is equal to %2, so %3 is equal to %4</source>
        <translation>%1 est égal à %2, donc %3 est égal à %4</translation>
    </message>
    <message>
        <source>As decimals: fraction 1 is %1 and fraction 2 is %2</source>
        <translation>En nombres décimaux&#xa0;: la fraction 1 vaut %1 et la fraction 2 vaut %2</translation>
    </message>
    <message>
        <source>Written with 15 digits both are %1: the values differ beyond the digits shown</source>
        <translation>Écrits avec 15 chiffres, les deux valent %1&#xa0;: les valeurs diffèrent au-delà des chiffres affichés</translation>
    </message>
    <message>
        <source>Compare the two numbers as decimals: whole number + numerator ÷ denominator</source>
        <translation>Compare les deux nombres en nombres décimaux&#xa0;: nombre entier + numérateur ÷ dénominateur</translation>
    </message>
    <message>
        <source>Fraction 1: %1 + %2 ÷ %3 = %4</source>
        <translation>Fraction 1&#xa0;: %1 + %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>Fraction 2: %1 + %2 ÷ %3 = %4</source>
        <translation>Fraction 2&#xa0;: %1 + %2 ÷ %3 = %4</translation>
    </message>
    <message>
        <source>%1 is less than %2: they differ beyond the digits shown</source>
        <translation>%1 est inférieur à %2&#xa0;: ils diffèrent au-delà des chiffres affichés</translation>
    </message>
    <message>
        <source>%1 is greater than %2: they differ beyond the digits shown</source>
        <translation>%1 est supérieur à %2&#xa0;: ils diffèrent au-delà des chiffres affichés</translation>
    </message>
    <message>
        <source>So %1 %2 %3 is %4</source>
        <extracomment>%1 %2 %3 is the comparison typed, %4 the window&apos;s answer (True or False)</extracomment>
        <translation>Donc %1 %2 %3 est %4</translation>
    </message>
    <message>
        <source>fraction 1 = fraction 2</source>
        <translation>fraction 1 = fraction 2</translation>
    </message>
    <message>
        <source>fractions 1 and 2</source>
        <translation>fractions 1 et 2</translation>
    </message>
    <message>
        <source>fraction 1 (greater)</source>
        <translation>fraction 1 (plus grande)</translation>
    </message>
    <message>
        <source>fraction 2 (greater)</source>
        <translation>fraction 2 (plus grande)</translation>
    </message>
    <message>
        <source>Fraction bars of the same length and a number line: %1 is equal to %2, so %1 %3 %2 is %4.</source>
        <extracomment>%1 and %2 are the two numbers, %3 the comparison&apos;s sign, %4 the answer (True or False)</extracomment>
        <translation>Des barres de fraction de même longueur et une droite graduée&#xa0;: %1 est égal à %2, donc %1 %3 %2 est %4.</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 is less than %2, so %1 %3 %2 is %4.</source>
        <translation>Des barres de fraction et une droite graduée&#xa0;: %1 est inférieur à %2, donc %1 %3 %2 est %4.</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 is greater than %2, so %1 %3 %2 is %4.</source>
        <translation>Des barres de fraction et une droite graduée&#xa0;: %1 est supérieur à %2, donc %1 %3 %2 est %4.</translation>
    </message>
    <message>
        <source>result</source>
        <translation>résultat</translation>
    </message>
    <message>
        <source>Fraction bars and a number line: %1 %2 %3 = %4, which is %5.</source>
        <extracomment>%1 %2 %3 is the exercise, %4 the answer as a mixed number and %5 its value as a decimal</extracomment>
        <translation>Des barres de fraction et une droite graduée&#xa0;: %1 %2 %3 = %4, soit %5.</translation>
    </message>
    <message>
        <source>Check with the exact values: %1 %2 %3 = %4</source>
        <translation>Vérification avec les valeurs exactes&#xa0;: %1 %2 %3 = %4</translation>
    </message>
    <message>
        <source>Check with the exact values: %1 %2 %3 = %4, and %5 is %4 too</source>
        <translation>Vérification avec les valeurs exactes&#xa0;: %1 %2 %3 = %4, et %5 vaut aussi %4</translation>
    </message>
    <message>
        <source>Fraction 2 as an improper fraction: (%1 × %2 + %3)/%2 = %4, which is 0</source>
        <translation>La fraction 2 en fraction impropre&#xa0;: (%1 × %2 + %3)/%2 = %4, ce qui fait 0</translation>
    </message>
    <message>
        <source>Nothing can be divided by 0, so there is no answer</source>
        <translation>On ne peut pas diviser par 0, donc il n&apos;y a pas de résultat</translation>
    </message>
    <message>
        <source>The whole number box of fraction 1 held no number, so the window set it to 0</source>
        <translation>La case du nombre entier de la fraction 1 ne contenait pas de nombre, donc la fenêtre l&apos;a mise à 0</translation>
    </message>
    <message>
        <source>The whole number box of fraction 2 held no number, so the window set it to 0</source>
        <translation>La case du nombre entier de la fraction 2 ne contenait pas de nombre, donc la fenêtre l&apos;a mise à 0</translation>
    </message>
    <message>
        <source>The exercise: %1 %2 %3</source>
        <translation>L&apos;exercice&#xa0;: %1 %2 %3</translation>
    </message>
    <message>
        <source>The fraction part is 0, so only the whole number is left</source>
        <translation>La partie fractionnaire vaut 0, donc il ne reste que le nombre entier</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Résultat&#xa0;: %1</translation>
    </message>
    <message>
        <source>multiples of %1</source>
        <translation>multiples de %1</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line.</source>
        <translation>Multiples de %1 et de %2 sur une droite graduée.</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line, meeting at %3.</source>
        <translation>Multiples de %1 et de %2 sur une droite graduée, qui se rejoignent en %3.</translation>
    </message>
    <message>
        <source>Multiples of %1 and of %2 on a number line, and the result %3, which is not a multiple of both.</source>
        <translation>Multiples de %1 et de %2 sur une droite graduée, et le résultat %3, qui n&apos;est pas un multiple des deux.</translation>
    </message>
    <message>
        <source>The %1 multiples of %2 are too many to draw one by one.</source>
        <extracomment>%1 is how many multiples there are, %2 the number they are multiples of</extracomment>
        <translation>Les %1 multiples de %2 sont trop nombreux pour être dessinés un par un.</translation>
    </message>
    <message>
        <source>The %1 multiples of %2 are too many to draw one by one; the %3 multiples of %4 are too many to draw one by one.</source>
        <translation>Les %1 multiples de %2 sont trop nombreux pour être dessinés un par un&#xa0;; les %3 multiples de %4 sont trop nombreux pour être dessinés un par un.</translation>
    </message>
    <message>
        <source>The common denominator of A and B is A × B ÷ gcd(A, B): the smallest number both divide</source>
        <translation>Le dénominateur commun de A et B est A × B ÷ gcd(A, B)&#xa0;: le plus petit nombre divisible par les deux</translation>
    </message>
    <message>
        <source>A = %1 enters the product as typed, and its whole number %2 the greatest common divisor</source>
        <translation>A = %1 entre dans le produit tel qu&apos;il a été tapé, et son nombre entier %2 dans le plus grand commun diviseur</translation>
    </message>
    <message>
        <source>The greatest common divisor of %1 and %2 is %3</source>
        <translation>Le plus grand commun diviseur de %1 et %2 est %3</translation>
    </message>
    <message>
        <source>A common denominator is a whole number; %1 is none, because A = %2 entered the product as typed</source>
        <translation>Un dénominateur commun est un nombre entier&#xa0;; %1 n&apos;en est pas un, car A = %2 est entré dans le produit tel qu&apos;il a été tapé</translation>
    </message>
    <message>
        <source>A × B is negative, so the window&apos;s result is negative too; a common denominator is taken positive: %1</source>
        <translation>A × B est négatif, donc le résultat de la fenêtre est négatif aussi&#xa0;; un dénominateur commun se prend positif&#xa0;: %1</translation>
    </message>
    <message>
        <source>The window&apos;s greatest common divisor %1 is negative, so its result is negative too; a common denominator is taken positive: %2</source>
        <translation>Le plus grand commun diviseur de la fenêtre, %1, est négatif, donc son résultat est négatif aussi&#xa0;; un dénominateur commun se prend positif&#xa0;: %2</translation>
    </message>
    <message>
        <source>To reduce a fraction, divide its numerator and its denominator by their greatest common divisor</source>
        <translation>Pour simplifier une fraction, divise son numérateur et son dénominateur par leur plus grand commun diviseur</translation>
    </message>
    <message>
        <source>The divisor is negative, so both signs change; the value stays the same</source>
        <translation>Le diviseur est négatif, donc les deux signes changent&#xa0;; la valeur reste la même</translation>
    </message>
    <message>
        <source>Answer: %1 = %2</source>
        <translation>Résultat&#xa0;: %1 = %2</translation>
    </message>
    <message>
        <source>A numerator of 0 makes the fraction 0: the greatest common divisor of 0 and a number is that number, so %1 reduces to %2</source>
        <translation>Un numérateur égal à 0 rend la fraction égale à 0&#xa0;: le plus grand commun diviseur de 0 et d&apos;un nombre est ce nombre, donc %1 se simplifie en %2</translation>
    </message>
    <message>
        <source>The minus sign of the denominator belongs to the whole fraction; a book writes it in front: %1 = %2</source>
        <translation>Le signe moins du dénominateur appartient à toute la fraction&#xa0;; un livre l&apos;écrit devant&#xa0;: %1 = %2</translation>
    </message>
    <message>
        <source>Two bars of the same length: %1 = %2, at %3 on the number line.</source>
        <translation>Deux barres de même longueur&#xa0;: %1 = %2, en %3 sur la droite graduée.</translation>
    </message>
    <message>
        <source>Every box takes one plain number, such as 3 or 12: no fractions like 3/4</source>
        <translation>Chaque case prend un seul nombre simple, comme 3 ou 12&#xa0;: pas de fraction comme 3/4</translation>
    </message>
    <message>
        <source>Result: two mixed numbers (a whole number, a numerator and a denominator each) and one operator: + - * / &lt; &gt; =</source>
        <translation>Résultat&#xa0;: deux nombres mixtes (chacun avec un nombre entier, un numérateur et un dénominateur) et un opérateur&#xa0;: + - * / &lt; &gt; =</translation>
    </message>
    <message>
        <source>Make Common Denominator: two whole numbers A and B, not 0</source>
        <translation>Dénominateur commun&#xa0;: deux nombres entiers A et B, différents de 0</translation>
    </message>
    <message>
        <source>Reduction: a numerator and a denominator that is not 0</source>
        <translation>Simplifier&#xa0;: un numérateur et un dénominateur différent de 0</translation>
    </message>
    <message>
        <source>%1 ÷ %2 = %3 and %4 ÷ %2 = %5</source>
        <translation>%1 ÷ %2 = %3 et %4 ÷ %2 = %5</translation>
    </message>
</context>
</TS>
