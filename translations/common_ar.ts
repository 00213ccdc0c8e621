<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>sb::ui::FigureView</name>
    <message>
        <source>Copy Figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Figure as SVG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Figure as PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figure could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sb::ui::Form</name>
    <message>
        <source>Show Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the worked steps and the figure (F2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Working</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sb::ui::OutputLabel</name>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sb::ui::WorkingPane</name>
    <message>
        <source>Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Working</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
