<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form5</name>
    <message>
        <source>Fill in the numbers separated by space in form:  1 4 65 898 5 2 6 88</source>
        <translation>Gib die Zahlen durch Leerzeichen getrennt ein, zum Beispiel: 1 4 65 898 5 2 6 88</translation>
    </message>
    <message>
        <source>Fill in the weight according to the order of the numbers above in form 9 8 3 1 7 6 9 1 </source>
        <translation>Gib die Gewichte in der Reihenfolge der Zahlen oben ein, zum Beispiel: 9 8 3 1 7 6 9 1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>If You Dont Have weight , Dont Fill In the lower filed and the weights will be set to 1.</source>
        <translation>Ohne Gewichte lass das untere Feld leer: Dann ist jedes Gewicht 1.</translation>
    </message>
    <message>
        <source>Calculate Mean</source>
        <translation>Mittelwert berechnen</translation>
    </message>
    <message>
        <source>Calculate Variance</source>
        <translation>Varianz berechnen</translation>
    </message>
    <message>
        <source>w1*(a1-average)^2+w2*(a2-average)^2+ ... +wn*(an-average^2)</source>
        <translation>w1*(a1-Mittelwert)^2+w2*(a2-Mittelwert)^2+ ... +wn*(an-Mittelwert^2)</translation>
    </message>
    <message>
        <source>Calculate Standard-Deviation</source>
        <translation>Standardabweichung berechnen</translation>
    </message>
    <message>
        <source>Root(Different)</source>
        <translation>Wurzel(Varianz)</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>SharedStatisticsWorking</name>
    <message>
        <source>%1 to 15 digits</source>
        <extracomment>%1 is a decimal written out to 15 significant digits</extracomment>
        <translation>%1 (auf 15 Stellen)</translation>
    </message>
    <message>
        <source>The window writes this as %1: E%2 means × 10%3.</source>
        <extracomment>%1 is a number as the window shows it (2E+25), %2 its power of ten (+25), %3 that power as a superscript</extracomment>
        <translation>Das Fenster schreibt diese Zahl als %1: E%2 bedeutet × 10%3.</translation>
    </message>
    <message>
        <source>The window writes this as %1: E%2 means × 10%3, so %1 is %4.</source>
        <extracomment>%1 is a number as the window shows it (2E-06), %2 its power of ten (-06), %3 that power as a superscript, %4 the number written out (0.000002)</extracomment>
        <translation>Das Fenster schreibt diese Zahl als %1: E%2 bedeutet × 10%3, also ist %1 gleich %4.</translation>
    </message>
</context>
<context>
    <name>StatisticsLists</name>
    <message>
        <source>Number Of Elements In Both Fileds Must Be Equals. If There Is No Weight Leave The Weight Filed Empty!</source>
        <translation>In beiden Feldern müssen gleich viele Zahlen stehen. Ohne Gewichte lass das Feld der Gewichte leer!</translation>
    </message>
    <message>
        <source>Please Fill The Numbers Filed, It Is Empty!!!</source>
        <translation>Das Feld der Zahlen ist leer. Bitte gib die Zahlen ein!</translation>
    </message>
</context>
<context>
    <name>StatisticsWorking</name>
    <message>
        <source>Bar chart of the %1 values from %2 to %3, one bar for each of the %4 different values, as high as its total weight; the mean %5 is marked.</source>
        <extracomment>%1 is the count of values, %2 the smallest, %3 the largest, %4 the count of different values, %5 the mean</extracomment>
        <translation>Säulendiagramm der %1 Werte von %2 bis %3, eine Säule für jeden der %4 verschiedenen Werte, so hoch wie sein Gesamtgewicht; der Mittelwert %5 ist markiert.</translation>
    </message>
    <message>
        <source>Bar chart of the %1 values from %2 to %3, one bar for each of the %4 different values, as high as the number of times it occurs; the mean %5 is marked.</source>
        <translation>Säulendiagramm der %1 Werte von %2 bis %3, eine Säule für jeden der %4 verschiedenen Werte, so hoch wie seine Häufigkeit; der Mittelwert %5 ist markiert.</translation>
    </message>
    <message>
        <source>Histogram of the %1 values from %2 to %3 in %4 bins of width %5 (Sturges&apos; rule: 1 + log2 of the number of values bins, the width rounded up to 1, 2 or 5 times a power of ten), each bar as high as the total weight in its bin; the mean %6 is marked.</source>
        <extracomment>%1 is the count of values, %2 the smallest, %3 the largest, %4 the count of bins, %5 their width, %6 the mean</extracomment>
        <translation>Histogramm der %1 Werte von %2 bis %3 in %4 Klassen der Breite %5 (Regel von Sturges: Anzahl der Klassen = 1 + log2 der Anzahl der Werte, die Breite aufgerundet auf 1, 2 oder 5 mal eine Zehnerpotenz), jede Säule so hoch wie das Gesamtgewicht in ihrer Klasse; der Mittelwert %6 ist markiert.</translation>
    </message>
    <message>
        <source>Histogram of the %1 values from %2 to %3 in %4 bins of width %5 (Sturges&apos; rule: 1 + log2 of the number of values bins, the width rounded up to 1, 2 or 5 times a power of ten), each bar as high as the number of values in its bin; the mean %6 is marked.</source>
        <translation>Histogramm der %1 Werte von %2 bis %3 in %4 Klassen der Breite %5 (Regel von Sturges: Anzahl der Klassen = 1 + log2 der Anzahl der Werte, die Breite aufgerundet auf 1, 2 oder 5 mal eine Zehnerpotenz), jede Säule so hoch wie die Anzahl der Werte in ihrer Klasse; der Mittelwert %6 ist markiert.</translation>
    </message>
    <message>
        <source>count</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>mean %1</source>
        <extracomment>the label of the mean&apos;s line in the figure; %1 is the mean</extracomment>
        <translation>Mittelwert %1</translation>
    </message>
    <message>
        <source>The values lie too far apart, or weigh too much, to be drawn to scale; only the mean is marked.</source>
        <translation>Die Werte liegen zu weit auseinander oder wiegen zu viel, um sie maßstabsgetreu zu zeichnen; nur der Mittelwert ist markiert.</translation>
    </message>
    <message>
        <source>The mean %1 on a number line.</source>
        <translation>Der Mittelwert %1 auf einem Zahlenstrahl.</translation>
    </message>
    <message>
        <source>The band from mean - σ to mean + σ is hatched, %1.</source>
        <extracomment>%1 is the standard deviation, or the variance and the standard deviation, as formulas (&quot;σ = 2&quot;, &quot;σ² = 4, σ = 2&quot;)</extracomment>
        <translation>Der Streifen von Mittelwert - σ bis Mittelwert + σ ist schraffiert, %1.</translation>
    </message>
    <message>
        <source>The mean is %1</source>
        <translation>Der Mittelwert ist %1</translation>
    </message>
    <message>
        <source>The variance is %1</source>
        <translation>Die Varianz ist %1</translation>
    </message>
    <message>
        <source>The standard deviation is %1</source>
        <translation>Die Standardabweichung ist %1</translation>
    </message>
    <message>
        <source>The mean adds value × weight for every value and divides by the sum of the weights.</source>
        <translation>Für den Mittelwert addiert man Wert × Gewicht für jeden Wert und teilt durch die Summe der Gewichte.</translation>
    </message>
    <message>
        <source>Sum of value × weight over the %1 value: %2</source>
        <extracomment>%1 is 1, the count of values; %2 the sum</extracomment>
        <translation>Summe von Wert × Gewicht über den %1 Wert: %2</translation>
    </message>
    <message numerus="yes">
        <source>Sum of value × weight over the %1 values: %2</source>
        <translation>
            <numerusform>Summe von Wert × Gewicht über den %1 Wert: %2</numerusform>
            <numerusform>Summe von Wert × Gewicht über die %1 Werte: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Sum of the weights: %1</source>
        <translation>Summe der Gewichte: %1</translation>
    </message>
    <message>
        <source>The mean adds the values and divides by how many there are.</source>
        <translation>Für den Mittelwert addiert man die Werte und teilt durch ihre Anzahl.</translation>
    </message>
    <message>
        <source>Sum of the %1 value: %2</source>
        <extracomment>%1 is 1, the count of values; %2 the sum</extracomment>
        <translation>Summe von %1 Wert: %2</translation>
    </message>
    <message numerus="yes">
        <source>Sum of the %1 values: %2</source>
        <translation>
            <numerusform>Summe von %1 Wert: %2</numerusform>
            <numerusform>Summe der %1 Werte: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>With no weights every value counts once, so the total weight is %1</source>
        <translation>Ohne Gewichte zählt jeder Wert einmal, also ist das Gesamtgewicht %1</translation>
    </message>
    <message>
        <source>The weights add up to exactly 0, so the mean has no value: nothing can be divided by 0.</source>
        <translation>Die Gewichte ergeben zusammen genau 0, also hat der Mittelwert keinen Wert: Durch 0 kann man nicht teilen.</translation>
    </message>
    <message>
        <source>The window adds the weights with rounding, gets %1 and divides by that, so its answer %2 comes from rounding alone.</source>
        <extracomment>%1 is the rounded sum of the weights, %2 the window&apos;s answer</extracomment>
        <translation>Das Fenster addiert die Gewichte mit Rundung, erhält %1 und teilt dadurch; sein Ergebnis %2 entsteht also nur durch die Rundung.</translation>
    </message>
    <message>
        <source>Mean = %1 ÷ %2 %3</source>
        <extracomment>%1 is the sum, %2 the sum of the weights, %3 &quot;= &quot; and the mean</extracomment>
        <translation>Mittelwert = %1 ÷ %2 %3</translation>
    </message>
    <message>
        <source>The variance is the mean of the squared distances from the mean, each counted by its weight:</source>
        <translation>Die Varianz ist der Mittelwert der quadrierten Abweichungen vom Mittelwert, jede mit ihrem Gewicht gezählt:</translation>
    </message>
    <message>
        <source>The variance is the mean of the squared distances from the mean:</source>
        <translation>Die Varianz ist der Mittelwert der quadrierten Abweichungen vom Mittelwert:</translation>
    </message>
    <message>
        <source>%1; squared × %2: %3</source>
        <translation>%1; quadriert × %2: %3</translation>
    </message>
    <message>
        <source>%1; squared × %2 ≈ %3</source>
        <translation>%1; quadriert × %2 ≈ %3</translation>
    </message>
    <message>
        <source>%1; squared: %2</source>
        <translation>%1; quadriert: %2</translation>
    </message>
    <message>
        <source>%1; squared ≈ %2</source>
        <translation>%1; quadriert ≈ %2</translation>
    </message>
    <message>
        <source>Check: the distances from the mean, each × its weight, add up to 0: %1 = 0</source>
        <translation>Probe: Die Abweichungen vom Mittelwert, jede × ihr Gewicht, ergeben zusammen 0: %1 = 0</translation>
    </message>
    <message>
        <source>Check: the distances from the mean add up to 0: %1 = 0</source>
        <translation>Probe: Die Abweichungen vom Mittelwert ergeben zusammen 0: %1 = 0</translation>
    </message>
    <message>
        <source>… %1 more value</source>
        <extracomment>the rows of the table left out; %1 is 1</extracomment>
        <translation>… %1 weiterer Wert</translation>
    </message>
    <message numerus="yes">
        <source>… %1 more values</source>
        <translation>
            <numerusform>… %1 weiterer Wert</numerusform>
            <numerusform>… %1 weitere Werte</numerusform>
        </translation>
    </message>
    <message>
        <source>Sum of the squares × weights: %1</source>
        <translation>Summe der Quadrate × Gewichte: %1</translation>
    </message>
    <message>
        <source>Sum of the squares × weights ≈ %1</source>
        <translation>Summe der Quadrate × Gewichte ≈ %1</translation>
    </message>
    <message>
        <source>Sum of the squares: %1</source>
        <translation>Summe der Quadrate: %1</translation>
    </message>
    <message>
        <source>Sum of the squares ≈ %1</source>
        <translation>Summe der Quadrate ≈ %1</translation>
    </message>
    <message>
        <source>Variance = %1 ÷ %2 %3</source>
        <extracomment>%1 is the sum of the squares, %2 the sum of the weights, %3 &quot;= &quot; and the variance</extracomment>
        <translation>Varianz = %1 ÷ %2 %3</translation>
    </message>
    <message>
        <source>A negative weight made the variance negative, so it has no square root: there is no standard deviation.</source>
        <translation>Ein negatives Gewicht hat die Varianz negativ gemacht, also hat sie keine Quadratwurzel: Es gibt keine Standardabweichung.</translation>
    </message>
    <message>
        <source>Standard deviation σ = √%1 %2</source>
        <extracomment>%1 is the variance, %2 &quot;= &quot; and its root</extracomment>
        <translation>Standardabweichung σ = √%1 %2</translation>
    </message>
    <message>
        <source>Standard deviation σ = √%1 ≈ %2</source>
        <translation>Standardabweichung σ = √%1 ≈ %2</translation>
    </message>
    <message>
        <source>The numbers box takes the values separated by single blanks, such as 1 4 65 898.</source>
        <translation>Ins Feld der Zahlen kommen die Werte, getrennt durch je ein Leerzeichen, zum Beispiel 1 4 65 898.</translation>
    </message>
    <message>
        <source>Each value may be %1; it counts as its decimal to 15 digits.</source>
        <extracomment>%1 lists the forms a typed value may take (&quot;a whole number, a decimal, ...&quot;)</extracomment>
        <translation>Jeder Wert darf %1 sein; er zählt als seine Dezimalzahl auf 15 Stellen.</translation>
    </message>
    <message>
        <source>The weights box stays empty (every weight is 1), or takes one weight per value, in the same order.</source>
        <translation>Das Feld der Gewichte bleibt leer (jedes Gewicht ist 1) oder bekommt ein Gewicht je Wert, in derselben Reihenfolge.</translation>
    </message>
    <message>
        <source>Numbers 2 4 4 4 5 5 7 9, Calculate Standard-Deviation:</source>
        <extracomment>the example worked out; &quot;Calculate Standard-Deviation&quot; is the button, translated as on the button</extracomment>
        <translation>Zahlen 2 4 4 4 5 5 7 9, Standardabweichung berechnen:</translation>
    </message>
    <message>
        <source>A column or a row copied from a spreadsheet can be pasted into either box: its line breaks and tabs become blanks.</source>
        <translation>Eine Spalte oder Zeile aus einer Tabellenkalkulation kannst du in beide Felder einfügen: Zeilenumbrüche und Tabulatoren werden zu Leerzeichen.</translation>
    </message>
    <message>
        <source>A .txt or .csv file dropped on a box gives its values; commas between values count as blanks.</source>
        <translation>Eine .txt- oder .csv-Datei, die du auf ein Feld ziehst, liefert ihre Werte; Kommas zwischen Werten zählen als Leerzeichen.</translation>
    </message>
</context>
</TS>
