<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>L10n</name>
    <message numerus="yes">
        <source>Today %1 · this week %2 — about %3 minutes saved</source>
        <translation>
            <numerusform>Today %1 · this week %2 — about %3 minute saved</numerusform>
            <numerusform>Today %1 · this week %2 — about %3 minutes saved</numerusform>
        </translation>
    </message>
</context>
</TS>
