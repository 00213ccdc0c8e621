<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ConversionWorking</name>
    <message>
        <source>Fraction bars of the same length: %1.</source>
        <extracomment>%1 is the forms of one value, joined by &quot; = &quot;</extracomment>
        <translation>Bandes de fraction de même longueur : %1.</translation>
    </message>
    <message>
        <source>Fraction bars of the same length: %1, at %2 on the number line.</source>
        <extracomment>%1 is the forms of one value, joined by &quot; = &quot;, %2 the value</extracomment>
        <translation>Bandes de fraction de même longueur : %1, en %2 sur la droite graduée.</translation>
    </message>
    <message>
        <source>The exact value is %1: its decimal never ends, so the window shows it rounded to 15 digits, %2</source>
        <translation>La valeur exacte est %1 : son écriture décimale ne s&apos;arrête jamais, donc la fenêtre l&apos;affiche arrondie à 15 chiffres, %2</translation>
    </message>
    <message>
        <source>As a fraction in lowest terms: %1 = %2</source>
        <translation>En fraction irréductible : %1 = %2</translation>
    </message>
    <message>
        <source>A mixed number as an improper fraction: whole number × denominator + numerator, over the same denominator</source>
        <translation>Un nombre mixte en fraction impropre : nombre entier × dénominateur + numérateur, sur le même dénominateur</translation>
    </message>
    <message>
        <source>The exercise: %1</source>
        <translation>L&apos;exercice : %1</translation>
    </message>
    <message>
        <source>The denominator stays as it was typed: %1</source>
        <translation>Le dénominateur reste tel qu&apos;il a été tapé : %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Résultat : %1</translation>
    </message>
    <message>
        <source>An improper fraction as a mixed number: divide the numerator by the denominator; the quotient is the whole number, the remainder the new numerator</source>
        <translation>Une fraction impropre en nombre mixte : divise le numérateur par le dénominateur ; le quotient est le nombre entier, le reste le nouveau numérateur</translation>
    </message>
    <message>
        <source>Check: %1 × %2 + %3 = %4</source>
        <translation>Vérification : %1 × %2 + %3 = %4</translation>
    </message>
    <message>
        <source>The remainder is 0, so there is no fraction part</source>
        <translation>Le reste est 0, donc il n&apos;y a pas de partie fractionnaire</translation>
    </message>
    <message>
        <source>The window writes the denominator as it was typed: %1</source>
        <translation>La fenêtre écrit le dénominateur tel qu&apos;il a été tapé : %1</translation>
    </message>
    <message>
        <source>The whole number box held &quot;%1&quot;, which is no number, so the window set it to 0 and worked nothing out</source>
        <translation>La case du nombre entier contenait « %1 », qui n&apos;est pas un nombre : la fenêtre y a donc mis 0 et n&apos;a rien calculé</translation>
    </message>
    <message>
        <source>Press the button again to convert with the whole number 0</source>
        <translation>Appuie de nouveau sur le bouton pour convertir avec le nombre entier 0</translation>
    </message>
    <message>
        <source>A mixed number as a decimal: divide the numerator by the denominator, then add the whole number</source>
        <translation>Un nombre mixte en nombre décimal : divise le numérateur par le dénominateur, puis ajoute le nombre entier</translation>
    </message>
    <message>
        <source>The whole number box was empty, so it is 0</source>
        <translation>La case du nombre entier était vide, donc il vaut 0</translation>
    </message>
    <message>
        <source>A decimal as a fraction: the digits after the decimal point, over 1 with as many zeros as there are digits</source>
        <translation>Un nombre décimal en fraction : les chiffres après la virgule, sur 1 suivi d&apos;autant de zéros qu&apos;il y a de chiffres</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n digit after the decimal point: %2</source>
        <extracomment>%1 is the decimal typed, %n the number of digits after its point, %2 those digits</extracomment>
        <translation>
            <numerusform>%1 a %n chiffre après la virgule : %2</numerusform>
            <numerusform>%1 a %n chiffres après la virgule : %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n digits after the decimal point: %2</source>
        <translation>
            <numerusform>%1 a %n chiffre après la virgule : %2</numerusform>
            <numerusform>%1 a %n chiffres après la virgule : %2</numerusform>
        </translation>
    </message>
    <message>
        <source>10 to the power %1 is %2, so the digits make %3</source>
        <extracomment>%1 is the number of digits, %2 that power of 10, %3 the fraction the digits make</extracomment>
        <translation>10 puissance %1 vaut %2, donc les chiffres donnent %3</translation>
    </message>
    <message>
        <source>The whole number is the part before the decimal point: %1</source>
        <translation>Le nombre entier est la partie avant la virgule : %1</translation>
    </message>
    <message>
        <source>Here the minus sign stands for the whole number and the fraction together: %1 is %2</source>
        <translation>Ici, le signe moins porte à la fois sur le nombre entier et sur la fraction : %1 vaut %2</translation>
    </message>
    <message>
        <source>The digits after the decimal point make 0, so there is no fraction part</source>
        <translation>Les chiffres après la virgule donnent 0, donc il n&apos;y a pas de partie fractionnaire</translation>
    </message>
    <message>
        <source>In the other panels each part keeps its own sign: there %1 is typed %2 and -%3/%4</source>
        <extracomment>%1 is the decimal, %2 its whole part, -%3/%4 its fraction part</extracomment>
        <translation>Dans les autres cadres, chaque partie garde son propre signe : %1 s&apos;y tape %2 et -%3/%4</translation>
    </message>
    <message>
        <source>The window does not reduce the fraction</source>
        <translation>La fenêtre ne simplifie pas la fraction</translation>
    </message>
    <message>
        <source>The greatest common divisor of %1 and %2 is 1, so %3 is in lowest terms already</source>
        <translation>Le plus grand commun diviseur de %1 et %2 est 1, donc %3 est déjà une fraction irréductible</translation>
    </message>
    <message>
        <source>Divided by their greatest common divisor %1, in lowest terms: %2 = %3</source>
        <translation>Divisée par le plus grand commun diviseur %1, la fraction devient irréductible : %2 = %3</translation>
    </message>
    <message>
        <source>Every box takes one plain number, such as 3 or %1: no fractions like 3/4</source>
        <translation>Chaque case prend un seul nombre, comme 3 ou %1 : pas de fraction comme 3/4</translation>
    </message>
    <message>
        <source>%1: the whole number (0 when there is none), the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Fraction To Improper&quot;</extracomment>
        <translation>%1 : le nombre entier (0 s&apos;il n&apos;y en a pas), le numérateur et le dénominateur</translation>
    </message>
    <message>
        <source>%1: the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Improper To Fraction&quot;</extracomment>
        <translation>%1 : le numérateur et le dénominateur</translation>
    </message>
    <message>
        <source>%1: the whole number (it may be empty), the numerator and the denominator</source>
        <extracomment>%1 is the button &quot;Fraction To Decimal&quot;</extracomment>
        <translation>%1 : le nombre entier (la case peut rester vide), le numérateur et le dénominateur</translation>
    </message>
    <message>
        <source>%1: a decimal number with a decimal point, such as %2</source>
        <extracomment>%1 is the button &quot;Decimal To Fraction&quot;, %2 a decimal number</extracomment>
        <translation>%1 : un nombre décimal avec une virgule, comme %2</translation>
    </message>
    <message>
        <source>You must enter a decimal number in form ab.def</source>
        <translation>Tu dois entrer un nombre décimal de la forme ab.def</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source> Fraction To Improper </source>
        <translation>En fraction impropre</translation>
    </message>
    <message>
        <source>Improper To Fraction</source>
        <translation>En nombre mixte</translation>
    </message>
    <message>
        <source>Fraction To Decimal</source>
        <translation>En décimal</translation>
    </message>
    <message>
        <source>Decimal To Fraction</source>
        <translation>En nombre mixte</translation>
    </message>
    <message>
        <source>Converts Simple Fraction To Improper Fraction</source>
        <translation>Convertit un nombre mixte en fraction impropre</translation>
    </message>
    <message>
        <source>Whole part</source>
        <translation>Partie entière</translation>
    </message>
    <message>
        <source>Numerator</source>
        <translation>Numérateur</translation>
    </message>
    <message>
        <source>Denominator</source>
        <translation>Dénominateur</translation>
    </message>
    <message>
        <source>Converts Improper Fraction To Simple  Fraction</source>
        <translation>Convertit une fraction impropre en nombre mixte</translation>
    </message>
    <message>
        <source>Converts Simple Fraction To Decimal Fruction</source>
        <translation>Convertit un nombre mixte en nombre décimal</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Nombre décimal</translation>
    </message>
    <message>
        <source>Converts Decimal Fruction To  Simple Fraction </source>
        <translation>Convertit un nombre décimal en nombre mixte</translation>
    </message>
    <message>
        <source>Fraction Conversion</source>
        <translation>Conversion de fractions</translation>
    </message>
</context>
</TS>
