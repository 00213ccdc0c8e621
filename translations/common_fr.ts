<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DroppedFiles</name>
    <message>
        <source>%1 is too large: the box takes files of at most %2 MB.</source>
        <translation>%1 est trop volumineux : la zone accepte des fichiers de %2 Mo au plus.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>%1 is not a text file, so nothing was taken from it.</source>
        <translation>%1 n’est pas un fichier texte : rien n’en a été repris.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Conversion : Fraction, Improper  Fractions, Decimal fractions </source>
        <translation>Conversion&#xa0;: fractions, fractions impropres, nombres décimaux</translation>
    </message>
    <message>
        <source>25/4 is 6 1/4 , 1/4 is 0.25</source>
        <translation>25/4 égale 6 1/4, 1/4 égale 0.25</translation>
    </message>
    <message>
        <source>Operators On           Fractions :                [ +, - , * , / ,&lt;  , = ,&gt; ]  Common -               Denominator   ,     Reduction              </source>
        <extracomment>the blanks only break the lines in the button; the words wrap by themselves</extracomment>
        <translation>Opérations sur les fractions&#xa0;: [ +, - , * , / ,&lt;  , = ,&gt; ] dénominateur commun, simplification</translation>
    </message>
    <message>
        <source>Areas And Perimeters</source>
        <translation>Aires et périmètres</translation>
    </message>
    <message>
        <source>Quadrilateral</source>
        <translation>Quadrilatère</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Traffic And Percentage Problems</source>
        <translation>Problèmes de vitesse et de pourcentages</translation>
    </message>
    <message>
        <source>Solving Quadratic Equation</source>
        <translation>Résoudre une équation du second degré</translation>
    </message>
    <message>
        <source>Progression: Geometric Progression , Arithmetic Progression</source>
        <translation>Suites&#xa0;: suite géométrique, suite arithmétique</translation>
    </message>
    <message>
        <source>Triangles</source>
        <translation>Triangles</translation>
    </message>
    <message>
        <source>The Law Of Sines</source>
        <translation>Loi des sinus</translation>
    </message>
    <message>
        <source>The Law Of Cosines</source>
        <translation>Loi des cosinus</translation>
    </message>
    <message>
        <source>Statistics  Mean, Standard-Deviation ,Variance</source>
        <translation>Statistiques&#xa0;: moyenne, écart type, variance</translation>
    </message>
    <message>
        <source>Complex Numbers</source>
        <translation>Nombres complexes</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Contact Me With Your Requests Suggestions , Comments</source>
        <translation>Écris-moi tes demandes, suggestions et remarques</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>Visit Sumbrook on the web: %1</source>
        <extracomment>%1 is the program&apos;s web address</extracomment>
        <translation>Visite Sumbrook sur le web&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Form14</name>
    <message>
        <source>Donate</source>
        <translation>Donner</translation>
    </message>
    <message>
        <source>Donate Using PayPal</source>
        <translation>Faire un don avec PayPal</translation>
    </message>
    <message>
        <source>If you have found this software helpful,</source>
        <translation>Si ce logiciel t&apos;a été utile,</translation>
    </message>
    <message>
        <source>Please consider to support the author.</source>
        <translation>pense à soutenir son auteur.</translation>
    </message>
    <message>
        <source>You can donate via PayPal in US dollars no</source>
        <extracomment>the first line of a sentence that the next line ends (&quot;matter what your home currency.&quot;): part the sentence between the two lines where it reads best</extracomment>
        <translation>Tu peux faire un don via PayPal en dollars US,</translation>
    </message>
    <message>
        <source>matter what  your home currency. 
</source>
        <extracomment>the second line of the sentence that the line before begins</extracomment>
        <translation>quelle que soit ta monnaie. 
</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Clique ici</translation>
    </message>
    <message>
        <source>Thank you for your support.</source>
        <translation>Merci pour ton soutien.</translation>
    </message>
</context>
<context>
    <name>SharedWorking</name>
    <message>
        <source>The exact value is %1. The window shows %2: the computer keeps about 16 digits and rounds at every step, so the last digits it shows carry that rounding.</source>
        <extracomment>%1 is the exact value, %2 the window&apos;s number</extracomment>
        <translation>La valeur exacte est %1. La fenêtre affiche %2&#xa0;: l&apos;ordinateur garde environ 16 chiffres et arrondit à chaque étape, donc les derniers chiffres affichés portent cet arrondi.</translation>
    </message>
    <message>
        <source>a whole number (-3), a decimal (%1), a fraction (1/4) or a mixed number (2/1/4)</source>
        <extracomment>what a box takes, put into sentences such as &quot;Each box takes %1.&quot; (so it must read there as it stands); %1 is 0.5 as the language writes it</extracomment>
        <translation>un nombre entier (-3), un nombre décimal (%1), une fraction (1/4) ou un nombre mixte (2/1/4)</translation>
    </message>
    <message>
        <source>Type the numbers of your exercise, then press a button.</source>
        <translation>Tape les nombres de ton exercice, puis appuie sur un bouton.</translation>
    </message>
    <message>
        <source>An example:</source>
        <translation>Un exemple&#xa0;:</translation>
    </message>
    <message>
        <source>The window said: &quot;%1&quot;</source>
        <extracomment>%1 is the window&apos;s message, word for word</extracomment>
        <translation>La fenêtre a dit&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>So there is no answer to work out. What the boxes take:</source>
        <translation>Il n&apos;y a donc pas de résultat à calculer. Ce que les cases acceptent&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ValueEntry</name>
    <message>
        <source>%1 Is not a numeric value</source>
        <extracomment>%1 is the text typed in a box, quoted as it was typed</extracomment>
        <translation>%1 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Must enter a numeric value</source>
        <translation>Tu dois entrer un nombre.</translation>
    </message>
    <message>
        <source>Must enter a positive value</source>
        <translation>Tu dois entrer une valeur positive.</translation>
    </message>
    <message>
        <source>Denominator Cant Be Zero!!!</source>
        <translation>Le dénominateur ne peut pas être zéro&#xa0;!</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Speak the language CODE (de, fr, es, pt_BR, uk, ar, en) instead of the desktop&apos;s.</source>
        <translation>Utilise la langue CODE (de, fr, es, pt_BR, uk, ar, en) au lieu de celle du bureau.</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>School mathematics homework helper</source>
        <translation>Aide aux devoirs de mathématiques</translation>
    </message>
</context>
<context>
    <name>sb::Form1</name>
    <message>
        <source>Cant Find Your Windows Calculator</source>
        <translation>Impossible de trouver la calculatrice de ton ordinateur.</translation>
    </message>
    <message>
        <source>Cant Open You Email Programe, My Email Is %1</source>
        <extracomment>%1 is the maker&apos;s email address</extracomment>
        <translation>Impossible d&apos;ouvrir ton programme de messagerie. Mon adresse e-mail est %1</translation>
    </message>
</context>
<context>
    <name>sb::ui::FigureView</name>
    <message>
        <source>Copy Figure</source>
        <translation>Copier la figure</translation>
    </message>
    <message>
        <source>Save Figure as SVG...</source>
        <translation>Enregistrer la figure en SVG...</translation>
    </message>
    <message>
        <source>Save Figure as PNG...</source>
        <translation>Enregistrer la figure en PNG...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>The figure could not be saved as %1.</source>
        <translation>Impossible d&apos;enregistrer la figure sous %1.</translation>
    </message>
</context>
<context>
    <name>sb::ui::Form</name>
    <message>
        <source>Show Working</source>
        <translation>Voir le calcul</translation>
    </message>
    <message>
        <source>Show or hide the worked steps and the figure (F2)</source>
        <translation>Afficher ou masquer les étapes du calcul et la figure (F2)</translation>
    </message>
    <message>
        <source>Hide Working</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Unreasonable Data!!!.</source>
        <translation>Ces données sont incohérentes&#xa0;!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>Impossible d&apos;imprimer le calcul.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>sb::ui::OutputLabel</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>sb::ui::WorkingPane</name>
    <message>
        <source>Working</source>
        <translation>Calcul détaillé</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>More detail</source>
        <translation>Plus de détails</translation>
    </message>
    <message>
        <source>Copy Working</source>
        <translation>Copier le calcul</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 sur %2</translation>
    </message>
    <message>
        <source>The working could not be saved as %1.</source>
        <translation>Impossible d&apos;enregistrer le calcul sous %1.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF...</translation>
    </message>
    <message>
        <source>Print the working (%1)</source>
        <translation>Imprimer le calcul (%1)</translation>
    </message>
    <message>
        <source>Save the working as a PDF file (%1)</source>
        <translation>Enregistrer le calcul dans un fichier PDF (%1)</translation>
    </message>
</context>
</TS>
