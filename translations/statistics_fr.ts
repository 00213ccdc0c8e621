<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Form5</name>
    <message>
        <source>Fill in the numbers separated by space in form:  1 4 65 898 5 2 6 88</source>
        <translation>Tape les nombres séparés par des espaces, par exemple : 1 4 65 898 5 2 6 88</translation>
    </message>
    <message>
        <source>Fill in the weight according to the order of the numbers above in form 9 8 3 1 7 6 9 1 </source>
        <translation>Tape les coefficients dans l&apos;ordre des nombres ci-dessus, par exemple : 9 8 3 1 7 6 9 1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>If You Dont Have weight , Dont Fill In the lower filed and the weights will be set to 1.</source>
        <translation>Sans coefficients, laisse la case du bas vide : chaque coefficient vaut alors 1.</translation>
    </message>
    <message>
        <source>Calculate Mean</source>
        <translation>Calculer la moyenne</translation>
    </message>
    <message>
        <source>Calculate Variance</source>
        <translation>Calculer la variance</translation>
    </message>
    <message>
        <source>w1*(a1-average)^2+w2*(a2-average)^2+ ... +wn*(an-average^2)</source>
        <translation>w1*(a1-moyenne)^2+w2*(a2-moyenne)^2+ ... +wn*(an-moyenne^2)</translation>
    </message>
    <message>
        <source>Calculate Standard-Deviation</source>
        <translation>Calculer l&apos;écart type</translation>
    </message>
    <message>
        <source>Root(Different)</source>
        <translation>Racine(variance)</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>SharedStatisticsWorking</name>
    <message>
        <source>%1 to 15 digits</source>
        <extracomment>%1 is a decimal written out to 15 significant digits</extracomment>
        <translation>%1 (à 15 chiffres)</translation>
    </message>
    <message>
        <source>The window writes this as %1: E%2 means × 10%3.</source>
        <extracomment>%1 is a number as the window shows it (2E+25), %2 its power of ten (+25), %3 that power as a superscript</extracomment>
        <translation>La fenêtre écrit ce nombre sous la forme %1 : E%2 signifie × 10%3.</translation>
    </message>
    <message>
        <source>The window writes this as %1: E%2 means × 10%3, so %1 is %4.</source>
        <extracomment>%1 is a number as the window shows it (2E-06), %2 its power of ten (-06), %3 that power as a superscript, %4 the number written out (0.000002)</extracomment>
        <translation>La fenêtre écrit ce nombre sous la forme %1 : E%2 signifie × 10%3, donc %1 vaut %4.</translation>
    </message>
</context>
<context>
    <name>StatisticsLists</name>
    <message>
        <source>Number Of Elements In Both Fileds Must Be Equals. If There Is No Weight Leave The Weight Filed Empty!</source>
        <translation>Les deux cases doivent contenir autant de nombres l&apos;une que l&apos;autre. Sans coefficients, laisse la case des coefficients vide !</translation>
    </message>
    <message>
        <source>Please Fill The Numbers Filed, It Is Empty!!!</source>
        <translation>La case des nombres est vide. Tape les nombres !</translation>
    </message>
</context>
<context>
    <name>StatisticsWorking</name>
    <message>
        <source>Bar chart of the %1 values from %2 to %3, one bar for each of the %4 different values, as high as its total weight; the mean %5 is marked.</source>
        <extracomment>%1 is the count of values, %2 the smallest, %3 the largest, %4 the count of different values, %5 the mean</extracomment>
        <translation>Diagramme en barres des %1 valeurs de %2 à %3, une barre pour chacune des %4 valeurs différentes, aussi haute que la somme de ses coefficients ; la moyenne %5 est marquée.</translation>
    </message>
    <message>
        <source>Bar chart of the %1 values from %2 to %3, one bar for each of the %4 different values, as high as the number of times it occurs; the mean %5 is marked.</source>
        <translation>Diagramme en barres des %1 valeurs de %2 à %3, une barre pour chacune des %4 valeurs différentes, aussi haute que son effectif ; la moyenne %5 est marquée.</translation>
    </message>
    <message>
        <source>Histogram of the %1 values from %2 to %3 in %4 bins of width %5 (Sturges&apos; rule: 1 + log2 of the number of values bins, the width rounded up to 1, 2 or 5 times a power of ten), each bar as high as the total weight in its bin; the mean %6 is marked.</source>
        <extracomment>%1 is the count of values, %2 the smallest, %3 the largest, %4 the count of bins, %5 their width, %6 the mean</extracomment>
        <translation>Histogramme des %1 valeurs de %2 à %3 en %4 classes d&apos;amplitude %5 (règle de Sturges : nombre de classes = 1 + log2 de l&apos;effectif, l&apos;amplitude arrondie au-dessus à 1, 2 ou 5 fois une puissance de dix), chaque barre aussi haute que la somme des coefficients de sa classe ; la moyenne %6 est marquée.</translation>
    </message>
    <message>
        <source>Histogram of the %1 values from %2 to %3 in %4 bins of width %5 (Sturges&apos; rule: 1 + log2 of the number of values bins, the width rounded up to 1, 2 or 5 times a power of ten), each bar as high as the number of values in its bin; the mean %6 is marked.</source>
        <translation>Histogramme des %1 valeurs de %2 à %3 en %4 classes d&apos;amplitude %5 (règle de Sturges : nombre de classes = 1 + log2 de l&apos;effectif, l&apos;amplitude arrondie au-dessus à 1, 2 ou 5 fois une puissance de dix), chaque barre aussi haute que l&apos;effectif de sa classe ; la moyenne %6 est marquée.</translation>
    </message>
    <message>
        <source>count</source>
        <translation>effectif</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>coefficient</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valeur</translation>
    </message>
    <message>
        <source>mean %1</source>
        <extracomment>the label of the mean&apos;s line in the figure; %1 is the mean</extracomment>
        <translation>moyenne %1</translation>
    </message>
    <message>
        <source>The values lie too far apart, or weigh too much, to be drawn to scale; only the mean is marked.</source>
        <translation>Les valeurs sont trop éloignées, ou leurs coefficients trop grands, pour être dessinées à l&apos;échelle ; seule la moyenne est marquée.</translation>
    </message>
    <message>
        <source>The mean %1 on a number line.</source>
        <translation>La moyenne %1 sur une droite graduée.</translation>
    </message>
    <message>
        <source>The band from mean - σ to mean + σ is hatched, %1.</source>
        <extracomment>%1 is the standard deviation, or the variance and the standard deviation, as formulas (&quot;σ = 2&quot;, &quot;σ² = 4, σ = 2&quot;)</extracomment>
        <translation>La bande de moyenne - σ à moyenne + σ est hachurée, %1.</translation>
    </message>
    <message>
        <source>The mean is %1</source>
        <translation>La moyenne est %1</translation>
    </message>
    <message>
        <source>The variance is %1</source>
        <translation>La variance est %1</translation>
    </message>
    <message>
        <source>The standard deviation is %1</source>
        <translation>L&apos;écart type est %1</translation>
    </message>
    <message>
        <source>The mean adds value × weight for every value and divides by the sum of the weights.</source>
        <translation>Pour la moyenne, on additionne valeur × coefficient pour chaque valeur et on divise par la somme des coefficients.</translation>
    </message>
    <message>
        <source>Sum of value × weight over the %1 value: %2</source>
        <extracomment>%1 is 1, the count of values; %2 the sum</extracomment>
        <translation>Somme des produits valeur × coefficient sur %1 valeur : %2</translation>
    </message>
    <message numerus="yes">
        <source>Sum of value × weight over the %1 values: %2</source>
        <translation>
            <numerusform>Somme des produits valeur × coefficient sur %1 valeur : %2</numerusform>
            <numerusform>Somme des produits valeur × coefficient sur les %1 valeurs : %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Sum of the weights: %1</source>
        <translation>Somme des coefficients : %1</translation>
    </message>
    <message>
        <source>The mean adds the values and divides by how many there are.</source>
        <translation>Pour la moyenne, on additionne les valeurs et on divise par leur effectif.</translation>
    </message>
    <message>
        <source>Sum of the %1 value: %2</source>
        <extracomment>%1 is 1, the count of values; %2 the sum</extracomment>
        <translation>Somme de %1 valeur : %2</translation>
    </message>
    <message numerus="yes">
        <source>Sum of the %1 values: %2</source>
        <translation>
            <numerusform>Somme de %1 valeur : %2</numerusform>
            <numerusform>Somme des %1 valeurs : %2</numerusform>
        </translation>
    </message>
    <message>
        <source>With no weights every value counts once, so the total weight is %1</source>
        <translation>Sans coefficients, chaque valeur compte une fois, donc la somme des coefficients est %1</translation>
    </message>
    <message>
        <source>The weights add up to exactly 0, so the mean has no value: nothing can be divided by 0.</source>
        <translation>La somme des coefficients vaut exactement 0, donc la moyenne n&apos;existe pas : on ne peut pas diviser par 0.</translation>
    </message>
    <message>
        <source>The window adds the weights with rounding, gets %1 and divides by that, so its answer %2 comes from rounding alone.</source>
        <extracomment>%1 is the rounded sum of the weights, %2 the window&apos;s answer</extracomment>
        <translation>La fenêtre additionne les coefficients avec des arrondis, obtient %1 et divise par ce nombre : son résultat %2 ne vient donc que des arrondis.</translation>
    </message>
    <message>
        <source>Mean = %1 ÷ %2 %3</source>
        <extracomment>%1 is the sum, %2 the sum of the weights, %3 &quot;= &quot; and the mean</extracomment>
        <translation>Moyenne = %1 ÷ %2 %3</translation>
    </message>
    <message>
        <source>The variance is the mean of the squared distances from the mean, each counted by its weight:</source>
        <translation>La variance est la moyenne des carrés des écarts à la moyenne, chacun compté avec son coefficient :</translation>
    </message>
    <message>
        <source>The variance is the mean of the squared distances from the mean:</source>
        <translation>La variance est la moyenne des carrés des écarts à la moyenne :</translation>
    </message>
    <message>
        <source>%1; squared × %2: %3</source>
        <translation>%1 ; au carré × %2 : %3</translation>
    </message>
    <message>
        <source>%1; squared × %2 ≈ %3</source>
        <translation>%1 ; au carré × %2 ≈ %3</translation>
    </message>
    <message>
        <source>%1; squared: %2</source>
        <translation>%1 ; au carré : %2</translation>
    </message>
    <message>
        <source>%1; squared ≈ %2</source>
        <translation>%1 ; au carré ≈ %2</translation>
    </message>
    <message>
        <source>Check: the distances from the mean, each × its weight, add up to 0: %1 = 0</source>
        <translation>Vérification : la somme des écarts à la moyenne, chacun × son coefficient, vaut 0 : %1 = 0</translation>
    </message>
    <message>
        <source>Check: the distances from the mean add up to 0: %1 = 0</source>
        <translation>Vérification : la somme des écarts à la moyenne vaut 0 : %1 = 0</translation>
    </message>
    <message>
        <source>… %1 more value</source>
        <extracomment>the rows of the table left out; %1 is 1</extracomment>
        <translation>… %1 valeur de plus</translation>
    </message>
    <message numerus="yes">
        <source>… %1 more values</source>
        <translation>
            <numerusform>… %1 valeur de plus</numerusform>
            <numerusform>… %1 valeurs de plus</numerusform>
        </translation>
    </message>
    <message>
        <source>Sum of the squares × weights: %1</source>
        <translation>Somme des carrés × coefficients : %1</translation>
    </message>
    <message>
        <source>Sum of the squares × weights ≈ %1</source>
        <translation>Somme des carrés × coefficients ≈ %1</translation>
    </message>
    <message>
        <source>Sum of the squares: %1</source>
        <translation>Somme des carrés : %1</translation>
    </message>
    <message>
        <source>Sum of the squares ≈ %1</source>
        <translation>Somme des carrés ≈ %1</translation>
    </message>
    <message>
        <source>Variance = %1 ÷ %2 %3</source>
        <extracomment>%1 is the sum of the squares, %2 the sum of the weights, %3 &quot;= &quot; and the variance</extracomment>
        <translation>Variance = %1 ÷ %2 %3</translation>
    </message>
    <message>
        <source>A negative weight made the variance negative, so it has no square root: there is no standard deviation.</source>
        <translation>Un coefficient négatif a rendu la variance négative : elle n&apos;a pas de racine carrée, donc il n&apos;y a pas d&apos;écart type.</translation>
    </message>
    <message>
        <source>Standard deviation σ = √%1 %2</source>
        <extracomment>%1 is the variance, %2 &quot;= &quot; and its root</extracomment>
        <translation>Écart type σ = √%1 %2</translation>
    </message>
    <message>
        <source>Standard deviation σ = √%1 ≈ %2</source>
        <translation>Écart type σ = √%1 ≈ %2</translation>
    </message>
    <message>
        <source>The numbers box takes the values separated by single blanks, such as 1 4 65 898.</source>
        <translation>Dans la case des nombres, tape les valeurs séparées par une seule espace, par exemple 1 4 65 898.</translation>
    </message>
    <message>
        <source>Each value may be %1; it counts as its decimal to 15 digits.</source>
        <extracomment>%1 lists the forms a typed value may take (&quot;a whole number, a decimal, ...&quot;)</extracomment>
        <translation>Chaque valeur peut être %1 ; elle compte comme son écriture décimale à 15 chiffres.</translation>
    </message>
    <message>
        <source>The weights box stays empty (every weight is 1), or takes one weight per value, in the same order.</source>
        <translation>La case des coefficients reste vide (chaque coefficient vaut 1) ou reçoit un coefficient par valeur, dans le même ordre.</translation>
    </message>
    <message>
        <source>Numbers 2 4 4 4 5 5 7 9, Calculate Standard-Deviation:</source>
        <extracomment>the example worked out; &quot;Calculate Standard-Deviation&quot; is the button, translated as on the button</extracomment>
        <translation>Nombres 2 4 4 4 5 5 7 9, Calculer l&apos;écart type :</translation>
    </message>
    <message>
        <source>A column or a row copied from a spreadsheet can be pasted into either box: its line breaks and tabs become blanks.</source>
        <translation>Tu peux coller dans l’une ou l’autre case une colonne ou une ligne copiée d’un tableur : ses retours à la ligne et ses tabulations deviennent des espaces.</translation>
    </message>
    <message>
        <source>A .txt or .csv file dropped on a box gives its values; commas between values count as blanks.</source>
        <translation>Un fichier .txt ou .csv déposé sur une case donne ses valeurs ; les virgules entre les valeurs comptent comme des espaces.</translation>
    </message>
</context>
</TS>
