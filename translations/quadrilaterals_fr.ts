<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Form8</name>
    <message>
        <source>Quadrilateral - Areas And Perimeters</source>
        <translation>Quadrilatères - Aires et périmètres</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation>Périmètre</translation>
    </message>
    <message>
        <source>Find Area</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Find Perimeter</source>
        <translation>Périmètre</translation>
    </message>
    <message>
        <source>Square from its side</source>
        <translation>Carré à partir du côté</translation>
    </message>
    <message>
        <source>Find Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>Square from its area</source>
        <translation>Carré à partir de l&apos;aire</translation>
    </message>
    <message>
        <source>Square from its perimeter</source>
        <translation>Carré à partir du périmètre</translation>
    </message>
    <message>
        <source>Trapezium</source>
        <translation>Trapèze</translation>
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
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Trapezium area</source>
        <translation>Aire du trapèze</translation>
    </message>
    <message>
        <source>Quadrilateral which two of its diagonals are verticals</source>
        <translation>Quadrilatère aux diagonales perpendiculaires</translation>
    </message>
    <message>
        <source>like Rhombus , Square , Dalton </source>
        <translation>comme le losange, le carré, le cerf-volant</translation>
    </message>
    <message>
        <source>Height A</source>
        <translation>Hauteur A</translation>
    </message>
    <message>
        <source>Height B</source>
        <translation>Hauteur B</translation>
    </message>
    <message>
        <source>Area from the diagonals</source>
        <translation>Aire à partir des diagonales</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Rectangle from two sides</source>
        <translation>Rectangle à partir de deux côtés</translation>
    </message>
    <message>
        <source>Find B</source>
        <translation>Côté B</translation>
    </message>
    <message>
        <source>Rectangle from a side and the area</source>
        <translation>Rectangle à partir d&apos;un côté et de l&apos;aire</translation>
    </message>
    <message>
        <source>Rectangle from a side and the perimeter</source>
        <translation>Rectangle à partir d&apos;un côté et du périmètre</translation>
    </message>
    <message>
        <source>Parallelogram And Rhombus</source>
        <translation>Parallélogramme et losange</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Parallelogram area</source>
        <translation>Aire du parallélogramme</translation>
    </message>
    <message>
        <source>Base/Height</source>
        <translation>Base/Hauteur</translation>
    </message>
    <message>
        <source>Find Height/Base</source>
        <translation>Hauteur/base</translation>
    </message>
    <message>
        <source>Parallelogram height or base</source>
        <translation>Hauteur ou base du parallélogramme</translation>
    </message>
    <message>
        <source>Parallelogram perimeter</source>
        <translation>Périmètre du parallélogramme</translation>
    </message>
</context>
<context>
    <name>QuadrilateralWorking</name>
    <message>
        <source>Area = side², so side = √Area</source>
        <translation>Aire = côté², donc côté = √Aire</translation>
    </message>
    <message>
        <source>side = √%1 = %2</source>
        <translation>côté = √%1 = %2</translation>
    </message>
    <message>
        <source>side = √%1 ≈ %2</source>
        <translation>côté = √%1 ≈ %2</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side, so side = Perimeter ÷ 4</source>
        <translation>Périmètre = 4 × côté, donc côté = Périmètre ÷ 4</translation>
    </message>
    <message>
        <source>side = %1 ÷ 4%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>côté = %1 ÷ 4%2%3</translation>
    </message>
    <message>
        <source>side = %1</source>
        <translation>côté = %1</translation>
    </message>
    <message>
        <source>Area = side² = %1²%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Aire = côté² = %1²%2%3</translation>
    </message>
    <message>
        <source>So the area is %1</source>
        <translation>L&apos;aire est donc %1</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side = 4 × %1 = %2</source>
        <translation>Périmètre = 4 × côté = 4 × %1 = %2</translation>
    </message>
    <message>
        <source>The window works it out as %1 × 4%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>La fenêtre calcule %1 × 4%2%3</translation>
    </message>
    <message>
        <source>So the perimeter is %1</source>
        <translation>Le périmètre est donc %1</translation>
    </message>
    <message>
        <source>Perimeter = 4 × side = 4 × %1%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Périmètre = 4 × côté = 4 × %1%2%3</translation>
    </message>
    <message>
        <source>So the side is %1</source>
        <translation>Le côté est donc %1</translation>
    </message>
    <message>
        <source>Check: side² = %1² = %2, the area given</source>
        <translation>Vérification&#xa0;: côté² = %1² = %2, l&apos;aire donnée</translation>
    </message>
    <message>
        <source>Check: 4 × side = 4 × %1 = %2, the perimeter given</source>
        <translation>Vérification&#xa0;: 4 × côté = 4 × %1 = %2, le périmètre donné</translation>
    </message>
    <message>
        <source>Area of a rectangle = A × B</source>
        <translation>Aire d&apos;un rectangle = A × B</translation>
    </message>
    <message>
        <source>Area of a parallelogram = base × height</source>
        <translation>Aire d&apos;un parallélogramme = base × hauteur</translation>
    </message>
    <message>
        <source>Area = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Aire = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Perimeter = (A + B) × 2: two sides A and two sides B</source>
        <translation>Périmètre = (A + B) × 2&#xa0;: deux côtés A et deux côtés B</translation>
    </message>
    <message>
        <source>Perimeter = %1 × 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Périmètre = %1 × 2%2%3</translation>
    </message>
    <message>
        <source>Area = A × B, so B = Area ÷ A</source>
        <translation>Aire = A × B, donc B = Aire ÷ A</translation>
    </message>
    <message>
        <source>So side B is %1</source>
        <translation>Le côté B est donc %1</translation>
    </message>
    <message>
        <source>Check: A × B = %1 × %2 = %3, the area given</source>
        <translation>Vérification&#xa0;: A × B = %1 × %2 = %3, l&apos;aire donnée</translation>
    </message>
    <message>
        <source>Perimeter = (A + B) × 2</source>
        <translation>Périmètre = (A + B) × 2</translation>
    </message>
    <message>
        <source>Area = base × height, so the one not known = Area ÷ the one known</source>
        <translation>Aire = base × hauteur, donc la longueur inconnue = Aire ÷ la longueur connue</translation>
    </message>
    <message>
        <source>So the height (or the base) is %1</source>
        <translation>La hauteur (ou la base) est donc %1</translation>
    </message>
    <message>
        <source>Check: base × height = %1 × %2 = %3, the area given</source>
        <translation>Vérification&#xa0;: base × hauteur = %1 × %2 = %3, l&apos;aire donnée</translation>
    </message>
    <message>
        <source>Perimeter = A + A + B + B, so B = (P - (A + A)) ÷ 2</source>
        <translation>Périmètre = A + A + B + B, donc B = (P - (A + A)) ÷ 2</translation>
    </message>
    <message>
        <source>That leaves nothing for the two sides B: the perimeter %1 is too short for the side %2, so no rectangle has these numbers</source>
        <translation>Il ne reste rien pour les deux côtés B&#xa0;: le périmètre %1 est trop court pour le côté %2, donc aucun rectangle n&apos;a ces nombres</translation>
    </message>
    <message>
        <source>A perimeter must be more than A + A = %1</source>
        <translation>Le périmètre doit être plus grand que A + A = %1</translation>
    </message>
    <message>
        <source>The window works with B = %1</source>
        <translation>La fenêtre calcule avec B = %1</translation>
    </message>
    <message>
        <source>The window rounds B to 4 decimal places: %1</source>
        <translation>La fenêtre arrondit B à 4 décimales&#xa0;: %1</translation>
    </message>
    <message>
        <source>Check with B = %1: A + A + B + B = %2 + %2 + %1 + %1 = %3, the perimeter given</source>
        <translation>Vérification avec B = %1&#xa0;: A + A + B + B = %2 + %2 + %1 + %1 = %3, le périmètre donné</translation>
    </message>
    <message>
        <source>Area = A × B = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>Aire = A × B = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area of a trapezium = (A + B) × height ÷ 2</source>
        <translation>Aire d&apos;un trapèze = (A + B) × hauteur ÷ 2</translation>
    </message>
    <message>
        <source>(A + B) × height = %1 × %2%3%4</source>
        <extracomment>%3 is &quot; = &quot; or &quot; ≈ &quot;, %4 the result</extracomment>
        <translation>(A + B) × hauteur = %1 × %2%3%4</translation>
    </message>
    <message>
        <source>Area = %1 ÷ 2%2%3</source>
        <extracomment>%2 is &quot; = &quot; or &quot; ≈ &quot;, %3 the result</extracomment>
        <translation>Aire = %1 ÷ 2%2%3</translation>
    </message>
    <message>
        <source>The diagonals cross at a right angle: Area = d1 × d2 ÷ 2</source>
        <translation>Les diagonales se coupent à angle droit&#xa0;: Aire = d1 × d2 ÷ 2</translation>
    </message>
    <message>
        <source>Area = %1</source>
        <translation>Aire = %1</translation>
    </message>
    <message>
        <source>Perimeter = %1</source>
        <translation>Périmètre = %1</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale, its area %2 shaded</source>
        <translation>Carré de côté %1, dessiné à l&apos;échelle, son aire %2 ombrée</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale, its perimeter %2 drawn heavy</source>
        <translation>Carré de côté %1, dessiné à l&apos;échelle, son périmètre %2 tracé en gras</translation>
    </message>
    <message>
        <source>Square with side %1, drawn to scale: its side is %2</source>
        <translation>Carré de côté %1, dessiné à l&apos;échelle&#xa0;: son côté mesure %2</translation>
    </message>
    <message>
        <source>Parallelogram with sides %1 and %2, drawn to scale with side B leaning at 60°, its perimeter %3 drawn heavy. Any slant gives the same sides, so the same perimeter</source>
        <translation>Parallélogramme de côtés %1 et %2, dessiné à l&apos;échelle avec le côté B incliné à 60°, son périmètre %3 tracé en gras. Toute inclinaison donne les mêmes côtés, donc le même périmètre</translation>
    </message>
    <message>
        <source>base/height = %1</source>
        <translation>base/hauteur = %1</translation>
    </message>
    <message>
        <source>base = %1</source>
        <translation>base = %1</translation>
    </message>
    <message>
        <source>height/base = %1</source>
        <translation>hauteur/base = %1</translation>
    </message>
    <message>
        <source>height = %1</source>
        <translation>hauteur = %1</translation>
    </message>
    <message>
        <source>Parallelogram with base %1 and height %2, drawn to scale and slanted, the height dashed from a top corner square to the base drawn on, its area %3 shaded. Any slant gives the same base, height and area</source>
        <translation>Parallélogramme de base %1 et de hauteur %2, dessiné à l&apos;échelle et penché, la hauteur en pointillés d&apos;un coin du haut, perpendiculaire à la base prolongée, son aire %3 ombrée. Toute inclinaison donne la même base, la même hauteur et la même aire</translation>
    </message>
    <message>
        <source>Parallelogram with base %1 and height %2, drawn to scale and slanted, the height dashed from a top corner square to the base drawn on: the other length is %3. Any slant gives the same base, height and area</source>
        <translation>Parallélogramme de base %1 et de hauteur %2, dessiné à l&apos;échelle et penché, la hauteur en pointillés d&apos;un coin du haut, perpendiculaire à la base prolongée&#xa0;: l&apos;autre longueur est %3. Toute inclinaison donne la même base, la même hauteur et la même aire</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale, its area %3 shaded</source>
        <translation>Rectangle de %1 sur %2, dessiné à l&apos;échelle, son aire %3 ombrée</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale, its perimeter %3 drawn heavy</source>
        <translation>Rectangle de %1 sur %2, dessiné à l&apos;échelle, son périmètre %3 tracé en gras</translation>
    </message>
    <message>
        <source>Rectangle %1 by %2, drawn to scale: side B is %3</source>
        <translation>Rectangle de %1 sur %2, dessiné à l&apos;échelle&#xa0;: le côté B mesure %3</translation>
    </message>
    <message>
        <source>The perimeter %1 beside the two sides A, %2 together: nothing is left for the sides B, so no rectangle has these numbers</source>
        <translation>Le périmètre %1 à côté des deux côtés A, %2 ensemble&#xa0;: il ne reste rien pour les côtés B, donc aucun rectangle n&apos;a ces nombres</translation>
    </message>
    <message>
        <source>Trapezium with parallel sides %1 and %2 and height %3, drawn to scale with a right angle at its left side, so that side is the height, its area %4 shaded. The exercise leaves the slant of its other sides free, and every slant gives the same area</source>
        <translation>Trapèze de côtés parallèles %1 et %2 et de hauteur %3, dessiné à l&apos;échelle avec un angle droit à gauche, si bien que ce côté est la hauteur, son aire %4 ombrée. L&apos;exercice laisse libre l&apos;inclinaison des autres côtés, et toute inclinaison donne la même aire</translation>
    </message>
    <message>
        <source>Quadrilateral with perpendicular diagonals %1 and %2, drawn to scale, its area %3 shaded: half the %1 by %2 rectangle around it. It is drawn as a rhombus, the diagonals crossing at their middles: the exercise leaves where they cross free</source>
        <translation>Quadrilatère aux diagonales perpendiculaires %1 et %2, dessiné à l&apos;échelle, son aire %3 ombrée&#xa0;: la moitié du rectangle de %1 sur %2 qui l&apos;entoure. Il est dessiné comme un losange, les diagonales se coupant en leur milieu&#xa0;: l&apos;exercice laisse libre l&apos;endroit où elles se coupent</translation>
    </message>
    <message>
        <source>6 characters</source>
        <translation>6 caractères</translation>
    </message>
    <message>
        <source>Each button uses only the boxes of its own frame</source>
        <translation>Chaque bouton n&apos;utilise que les cases de son propre cadre</translation>
    </message>
    <message>
        <source>Square: its side, its area or its perimeter</source>
        <translation>Carré&#xa0;: son côté, son aire ou son périmètre</translation>
    </message>
    <message>
        <source>Trapezium: the parallel sides A and B and the height between them</source>
        <translation>Trapèze&#xa0;: les côtés parallèles A et B et la hauteur entre eux</translation>
    </message>
    <message>
        <source>Diagonals: Height A and Height B are the two diagonals, which cross at a right angle</source>
        <translation>Diagonales&#xa0;: Hauteur A et Hauteur B sont les deux diagonales, qui se coupent à angle droit</translation>
    </message>
    <message>
        <source>Rectangle: sides A and B; or side A and the area; or side A and the perimeter, which must be more than A + A</source>
        <translation>Rectangle&#xa0;: côtés A et B&#xa0;; ou côté A et l&apos;aire&#xa0;; ou côté A et le périmètre, qui doit être plus grand que A + A</translation>
    </message>
    <message>
        <source>Parallelogram: base and height; or the area and the base (or the height); or sides A and B</source>
        <translation>Parallélogramme&#xa0;: base et hauteur&#xa0;; ou l&apos;aire et la base (ou la hauteur)&#xa0;; ou côtés A et B</translation>
    </message>
    <message>
        <source>A trapezium with sides 3 and 5, height 4:</source>
        <translation>Un trapèze de côtés 3 et 5, de hauteur 4&#xa0;:</translation>
    </message>
</context>
<context>
    <name>sb::Form8</name>
    <message>
        <source>Implausible Data</source>
        <translation>Données invraisemblables</translation>
    </message>
</context>
</TS>
