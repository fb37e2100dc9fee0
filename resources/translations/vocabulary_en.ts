<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>L10n</name>
    <message numerus="yes">
        <source>%n new words</source>
        <translation>
            <numerusform>%n new word</numerusform>
            <numerusform>%n new words</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n words</source>
        <translation>
            <numerusform>%1 · %n word</numerusform>
            <numerusform>%1 · %n words</numerusform>
        </translation>
    </message>
</context>
</TS>
