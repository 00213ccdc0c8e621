<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Form9</name>
    <message>
        <source>Triangle - Areas And Perimeters</source>
        <translation>Triangles - Aires et périmètres</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Find Area</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Find Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Find Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Side A</source>
        <translation>Côté A</translation>
    </message>
    <message>
        <source>Side B</source>
        <translation>Côté B</translation>
    </message>
    <message>
        <source>Side C</source>
        <translation>Côté C</translation>
    </message>
    <message>
        <source>Find Perimeter</source>
        <translation>Périmètre</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Périmètre</translation>
    </message>
    <message>
        <source>Heron&apos;s Formula  For Finding Area Of A Triangle</source>
        <translation>Formule de Héron pour l&apos;aire d&apos;un triangle</translation>
    </message>
    <message>
        <source>Area by Heron&apos;s formula</source>
        <translation>Aire par la formule de Héron</translation>
    </message>
</context>
<context>
    <name>TriangleAreasWorking</name>
    <message>
        <source>Area = base × height ÷ 2</source>
        <translation>Aire = base × hauteur ÷ 2</translation>
    </message>
    <message>
        <source>base × height = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>base × hauteur = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = %1 ÷ 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Aire = %1 ÷ 2%2%3</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>L&apos;aire est donc %1</translation>
    </message>
    <message>
        <source>Area = base × height ÷ 2, so height = (Area + Area) ÷ base</source>
        <translation>Aire = base × hauteur ÷ 2, donc hauteur = (Aire + Aire) ÷ base</translation>
    </message>
    <message>
        <source>Area = base × height ÷ 2, so base = (Area + Area) ÷ height</source>
        <translation>Aire = base × hauteur ÷ 2, donc base = (Aire + Aire) ÷ hauteur</translation>
    </message>
    <message>
        <source>Area + Area = %1 + %1%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Aire + Aire = %1 + %1%2%3</translation>
    </message>
    <message>
        <source>height = %1 ÷ %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>hauteur = %1 ÷ %2%3%4</translation>
    </message>
    <message>
        <source>base = %1 ÷ %2%3%4</source>
        <translation>base = %1 ÷ %2%3%4</translation>
    </message>
    <message>
        <source>So the height is %1</source>
        <translation>La hauteur est donc %1</translation>
    </message>
    <message>
        <source>So the base is %1</source>
        <translation>La base est donc %1</translation>
    </message>
    <message>
        <source>Check: base × height ÷ 2 = %1 × %2 ÷ 2 = %3, the area given</source>
        <translation>Vérification&#xa0;: base × hauteur ÷ 2 = %1 × %2 ÷ 2 = %3, l&apos;aire donnée</translation>
    </message>
    <message>
        <source>base = %1</source>
        <translation>base = %1</translation>
    </message>
    <message>
        <source>height = %1</source>
        <translation>hauteur = %1</translation>
    </message>
    <message>
        <source>Area = %1</source>
        <translation>Aire = %1</translation>
    </message>
    <message>
        <source>Triangle with base %1 and height %2, area %3, drawn to scale. Its top stands above the middle of the base: the exercise leaves it free, and every such top gives the same area</source>
        <translation>Triangle de base %1 et de hauteur %2, d&apos;aire %3, dessiné à l&apos;échelle. Son sommet est au-dessus du milieu de la base&#xa0;: l&apos;exercice le laisse libre, et tout sommet placé ainsi donne la même aire</translation>
    </message>
    <message>
        <source>%1; %2 and %3</source>
        <extracomment>the three sides of a triangle, &quot;3, 4 and 5&quot;</extracomment>
        <translation>%1&#xa0;; %2 et %3</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 et %3</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, longer than %4 = %5, so these sides make a triangle</source>
        <translation>Dans un triangle, les deux côtés les plus courts ensemble doivent être plus longs que le plus long&#xa0;: %1 + %2 = %3, plus long que %4 = %5, donc ces côtés forment un triangle</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, only as long as %4 = %5. These sides lie flat along one line, so they make no triangle: only a flat one, with nothing inside</source>
        <translation>Dans un triangle, les deux côtés les plus courts ensemble doivent être plus longs que le plus long&#xa0;: %1 + %2 = %3, seulement aussi long que %4 = %5. Ces côtés sont à plat sur une même droite, donc ils ne forment pas de triangle&#xa0;: seulement un triangle plat, sans intérieur</translation>
    </message>
    <message>
        <source>A triangle needs its two shorter sides together to be longer than the longest: %1 + %2 = %3, shorter than %4 = %5 by %6. Side %4 is too long: the other two do not reach across it, so these sides make no triangle</source>
        <translation>Dans un triangle, les deux côtés les plus courts ensemble doivent être plus longs que le plus long&#xa0;: %1 + %2 = %3, plus court que %4 = %5 de %6. Le côté %4 est trop long&#xa0;: les deux autres ne vont pas d&apos;un bout à l&apos;autre, donc ces côtés ne forment pas de triangle</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it, perimeter %2</source>
        <translation>Triangle de côtés %1, dessiné à l&apos;échelle sur son plus long côté&#xa0;: plat, les deux autres couchés le long de celui-ci, périmètre %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side, perimeter %2</source>
        <translation>Triangle de côtés %1, dessiné à l&apos;échelle sur son plus long côté, périmètre %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it, area %2</source>
        <translation>Triangle de côtés %1, dessiné à l&apos;échelle sur son plus long côté&#xa0;: plat, les deux autres couchés le long de celui-ci, aire %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side, area %2</source>
        <translation>Triangle de côtés %1, dessiné à l&apos;échelle sur son plus long côté, aire %2</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side: flat, the two others lying along it</source>
        <translation>Triangle de côtés %1, dessiné à l&apos;échelle sur son plus long côté&#xa0;: plat, les deux autres couchés le long de celui-ci</translation>
    </message>
    <message>
        <source>Triangle with sides %1, drawn to scale on its longest side</source>
        <translation>Triangle de côtés %1, dessiné à l&apos;échelle sur son plus long côté</translation>
    </message>
    <message>
        <source>short by %1</source>
        <translation>trop court de %1</translation>
    </message>
    <message>
        <source>Sides %1 laid end to end: the two shorter are %2 short of the longest, so they make no triangle</source>
        <translation>Côtés %1 mis bout à bout&#xa0;: il manque %2 aux deux plus courts pour égaler le plus long, donc ils ne forment pas de triangle</translation>
    </message>
    <message>
        <source>Perimeter = a + b + c</source>
        <translation>Périmètre = a + b + c</translation>
    </message>
    <message>
        <source>Perimeter = %1 + %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Périmètre = %1 + %2%3%4</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>Le périmètre est donc %1</translation>
    </message>
    <message>
        <source>The perimeter is the three sides&apos; total all the same</source>
        <translation>Le périmètre reste quand même la somme des trois côtés</translation>
    </message>
    <message>
        <source>Heron&apos;s formula: the half perimeter s = (a + b + c) ÷ 2,</source>
        <translation>Formule de Héron&#xa0;: le demi-périmètre s = (a + b + c) ÷ 2,</translation>
    </message>
    <message>
        <source>then Area = √(s(s - a)(s - b)(s - c))</source>
        <translation>puis Aire = √(s(s - a)(s - b)(s - c))</translation>
    </message>
    <message>
        <source>The sides are added b + a first: %1 + %2%3%4, then %4 + %5%6%7</source>
        <extracomment>%3 and %6 are &quot; = &quot; or &quot; ≈ &quot;, %4 and %7 the results</extracomment>
        <translation>Les côtés sont additionnés d&apos;abord b + a&#xa0;: %1 + %2%3%4, puis %4 + %5%6%7</translation>
    </message>
    <message>
        <source>%1 is below zero, and no number times itself is below zero: there is no area</source>
        <translation>%1 est inférieur à zéro, et aucun nombre multiplié par lui-même n&apos;est inférieur à zéro&#xa0;: il n&apos;y a pas d&apos;aire</translation>
    </message>
    <message>
        <source>Area = √%1 = %2</source>
        <translation>Aire = √%1 = %2</translation>
    </message>
    <message>
        <source>Area = √%1 %2</source>
        <translation>Aire = √%1 %2</translation>
    </message>
    <message>
        <source>The window rounds at every step, and its product came out a hair below zero instead of %1. Below zero has no square root, so it gave its message instead of an area</source>
        <translation>La fenêtre arrondit à chaque étape, et son produit est tombé juste en dessous de zéro au lieu de %1. Un nombre sous zéro n&apos;a pas de racine carrée, donc elle a donné son message au lieu d&apos;une aire</translation>
    </message>
    <message>
        <source>7 characters (6 in Heron&apos;s row)</source>
        <translation>7 caractères (6 dans la ligne de Héron)</translation>
    </message>
    <message>
        <source>Each button uses only the boxes of its own row</source>
        <translation>Chaque bouton n&apos;utilise que les cases de sa propre ligne</translation>
    </message>
    <message>
        <source>Base and Height: Find Area. Area and Base: Find Height. Area and Height: Find Base</source>
        <translation>Base et hauteur&#xa0;: bouton Aire. Aire et base&#xa0;: bouton Hauteur. Aire et hauteur&#xa0;: bouton Base</translation>
    </message>
    <message>
        <source>Side A, Side B and Side C: Find Perimeter, or the area by Heron&apos;s formula</source>
        <translation>Côté A, Côté B et Côté C&#xa0;: bouton Périmètre, ou l&apos;aire par la formule de Héron</translation>
    </message>
    <message>
        <source>Heron&apos;s formula with the sides 3, 4 and 5:</source>
        <translation>Formule de Héron avec les côtés 3, 4 et 5&#xa0;:</translation>
    </message>
</context>
</TS>
