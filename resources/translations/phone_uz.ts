<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uz">
<context>
    <name>L10n</name>
    <message>
        <source>The recording is longer than 20 minutes.</source>
        <translation>Yozuv 20 daqiqadan uzun.</translation>
    </message>
</context>
</TS>
