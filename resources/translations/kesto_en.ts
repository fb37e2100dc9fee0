<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>L10n</name>
    <message numerus="yes">
        <source>%1 words</source>
        <translation>
            <numerusform>%1 word</numerusform>
            <numerusform>%1 words</numerusform>
        </translation>
    </message>
</context>
</TS>
