<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>L10n</name>
    <message numerus="yes">
        <source>The %n notes in it are deleted too.</source>
        <translation>
            <numerusform>The %n note in it is deleted too.</numerusform>
            <numerusform>The %n notes in it are deleted too.</numerusform>
        </translation>
    </message>
</context>
</TS>
