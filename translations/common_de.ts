<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DroppedFiles</name>
    <message>
        <source>%1 is too large: the box takes files of at most %2 MB.</source>
        <translation>%1 ist zu groß: Das Feld nimmt Dateien bis höchstens %2 MB.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is not a text file, so nothing was taken from it.</source>
        <translation>%1 ist keine Textdatei, daher wurde nichts daraus übernommen.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Conversion : Fraction, Improper  Fractions, Decimal fractions </source>
        <translation>Umwandeln: Brüche, unechte Brüche, Dezimalzahlen</translation>
    </message>
    <message>
        <source>25/4 is 6 1/4 , 1/4 is 0.25</source>
        <translation>25/4 ist 6 1/4, 1/4 ist 0.25</translation>
    </message>
    <message>
        <source>Operators On           Fractions :                [ +, - , * , / ,&lt;  , = ,&gt; ]  Common -               Denominator   ,     Reduction              </source>
        <extracomment>the blanks only break the lines in the button; the words wrap by themselves</extracomment>
        <translation>Rechnen mit Brüchen: [ +, - , * , / ,&lt;  , = ,&gt; ] Hauptnenner, Kürzen</translation>
    </message>
    <message>
        <source>Areas And Perimeters</source>
        <translation>Flächeninhalt und Umfang</translation>
    </message>
    <message>
        <source>Quadrilateral</source>
        <translation>Viereck</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Traffic And Percentage Problems</source>
        <translation>Aufgaben zu Bewegung und Prozenten</translation>
    </message>
    <message>
        <source>Solving Quadratic Equation</source>
        <translation>Quadratische Gleichung lösen</translation>
    </message>
    <message>
        <source>Progression: Geometric Progression , Arithmetic Progression</source>
        <translation>Folgen: geometrische Folge, arithmetische Folge</translation>
    </message>
    <message>
        <source>Triangles</source>
        <translation>Dreiecke</translation>
    </message>
    <message>
        <source>The Law Of Sines</source>
        <translation>Sinussatz</translation>
    </message>
    <message>
        <source>The Law Of Cosines</source>
        <translation>Kosinussatz</translation>
    </message>
    <message>
        <source>Statistics  Mean, Standard-Deviation ,Variance</source>
        <translation>Statistik: Mittelwert, Standardabweichung, Varianz</translation>
    </message>
    <message>
        <source>Complex Numbers</source>
        <translation>Komplexe Zahlen</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Taschenrechner</translation>
    </message>
    <message>
        <source>Contact Me With Your Requests Suggestions , Comments</source>
        <translation>Schreib mir deine Wünsche, Vorschläge und Anmerkungen</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Visit Sumbrook on the web: %1</source>
        <extracomment>%1 is the program&apos;s web address</extracomment>
        <translation>Besuche Sumbrook im Internet: %1</translation>
    </message>
</context>
<context>
    <name>Form14</name>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Donate Using PayPal</source>
        <translation>Spenden über PayPal</translation>
    </message>
    <message>
        <source>If you have found this software helpful,</source>
        <translation>Wenn dir dieses Programm geholfen hat,</translation>
    </message>
    <message>
        <source>Please consider to support the author.</source>
        <translation>unterstütze bitte seinen Autor.</translation>
    </message>
    <message>
        <source>You can donate via PayPal in US dollars no</source>
        <extracomment>the first line of a sentence that the next line ends (&quot;matter what your home currency.&quot;): part the sentence between the two lines where it reads best</extracomment>
        <translation>Du kannst über PayPal in US-Dollar spenden,</translation>
    </message>
    <message>
        <source>matter what  your home currency. 
</source>
        <extracomment>the second line of the sentence that the line before begins</extracomment>
        <translation>ganz gleich, welche Währung du hast. 
</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Hier klicken</translation>
    </message>
    <message>
        <source>Thank you for your support.</source>
        <translation>Danke für deine Unterstützung.</translation>
    </message>
</context>
<context>
    <name>SharedWorking</name>
    <message>
        <source>The exact value is %1. The window shows %2: the computer keeps about 16 digits and rounds at every step, so the last digits it shows carry that rounding.</source>
        <extracomment>%1 is the exact value, %2 the window&apos;s number</extracomment>
        <translation>Der exakte Wert ist %1. Das Fenster zeigt %2: Der Computer rechnet mit etwa 16 Stellen und rundet bei jedem Schritt, deshalb steckt diese Rundung in den letzten Stellen.</translation>
    </message>
    <message>
        <source>a whole number (-3), a decimal (%1), a fraction (1/4) or a mixed number (2/1/4)</source>
        <extracomment>what a box takes, put into sentences such as &quot;Each box takes %1.&quot; (so it must read there as it stands); %1 is 0.5 as the language writes it</extracomment>
        <translation>eine ganze Zahl (-3), eine Dezimalzahl (%1), eine Zahl als Bruch (1/4) oder eine gemischte Zahl (2/1/4)</translation>
    </message>
    <message>
        <source>Type the numbers of your exercise, then press a button.</source>
        <translation>Gib die Zahlen deiner Aufgabe ein und drücke dann eine Schaltfläche.</translation>
    </message>
    <message>
        <source>An example:</source>
        <translation>Ein Beispiel:</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the window&apos;s message, word for word</extracomment>
        <translation>Das Fenster meldete: „%1“</translation>
    </message>
    <message>
        <source>So there is no answer to work out. What the boxes take:</source>
        <translation>Deshalb gibt es kein Ergebnis zu berechnen. Das gehört in die Felder:</translation>
    </message>
</context>
<context>
    <name>ValueEntry</name>
    <message>
        <source>%1 Is not a numeric value</source>
        <extracomment>%1 is the text typed in a box, quoted as it was typed</extracomment>
        <translation>%1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>Must enter a numeric value</source>
        <translation>Gib eine Zahl ein.</translation>
    </message>
    <message>
        <source>Must enter a positive value</source>
        <translation>Gib einen positiven Wert ein.</translation>
    </message>
    <message>
        <source>Denominator Cant Be Zero!!!</source>
        <translation>Der Nenner darf nicht null sein!</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Speak the language CODE (de, fr, es, pt_BR, uk, ar, en) instead of the desktop&apos;s.</source>
        <translation>Verwendet die Sprache CODE (de, fr, es, pt_BR, uk, ar, en) statt der Sprache der Arbeitsumgebung.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>School mathematics homework helper</source>
        <translation>Hilfe bei den Mathematik-Hausaufgaben</translation>
    </message>
</context>
<context>
    <name>sb::Form1</name>
    <message>
        <source>Cant Find Your Windows Calculator</source>
        <translation>Der Taschenrechner deines Computers wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Cant Open You Email Programe, My Email Is %1</source>
        <extracomment>%1 is the maker&apos;s email address</extracomment>
        <translation>Dein E-Mail-Programm lässt sich nicht öffnen. Meine E-Mail-Adresse ist %1</translation>
    </message>
</context>
<context>
    <name>sb::ui::FigureView</name>
    <message>
        <source>Copy Figure</source>
        <translation>Skizze kopieren</translation>
    </message>
    <message>
        <source>Save Figure as SVG...</source>
        <translation>Skizze als SVG speichern...</translation>
    </message>
    <message>
        <source>Save Figure as PNG...</source>
        <translation>Skizze als PNG speichern...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Skizze</translation>
    </message>
    <message>
        <source>The figure could not be saved as %1.</source>
        <translation>Die Skizze konnte nicht als %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>sb::ui::Form</name>
    <message>
        <source>Show Working</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Show or hide the worked steps and the figure (F2)</source>
        <translation>Rechenweg und Skizze zeigen oder ausblenden (F2)</translation>
    </message>
    <message>
        <source>Hide Working</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Unreasonable Data!!!.</source>
        <translation>Diese Werte ergeben keinen Sinn!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>Der Rechenweg konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
</context>
<context>
    <name>sb::ui::OutputLabel</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
</context>
<context>
    <name>sb::ui::WorkingPane</name>
    <message>
        <source>Working</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>More detail</source>
        <translation>Mehr Details</translation>
    </message>
    <message>
        <source>Copy Working</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>The working could not be saved as %1.</source>
        <translation>Der Rechenweg konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF...</translation>
    </message>
    <message>
        <source>Print the working (%1)</source>
        <translation>Rechenweg drucken (%1)</translation>
    </message>
    <message>
        <source>Save the working as a PDF file (%1)</source>
        <translation>Rechenweg als PDF-Datei speichern (%1)</translation>
    </message>
</context>
</TS>
