<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uz">
<context>
    <name>L10n</name>
    <message>
        <source>The file could not be read.</source>
        <translation>Faylni oʻqib boʻlmadi.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Fayl UTF-8 matni emas.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Faylni saqlab boʻlmadi.</translation>
    </message>
</context>
</TS>
