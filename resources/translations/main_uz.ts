<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uz">
<context>
    <name>L10n</name>
    <message>
        <source>Meetings</source>
        <translation>Uchrashuvlar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Qidirish</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Qaydlar</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>Lugʻat</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Sozlamalar</translation>
    </message>
    <message>
        <source>Dictation</source>
        <translation>Diktovka</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Tayyor</translation>
    </message>
    <message>
        <source>Listening…</source>
        <translation>Tinglanmoqda…</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Xato</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Toʻxtatish</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Sinab koʻring</translation>
    </message>
    <message>
        <source>Hold and talk. When you let go, the text is typed where the cursor is.</source>
        <translation>Bosib turing va gapiring. Qoʻyib yuborganingizda matn kursor turgan joyga yoziladi.</translation>
    </message>
    <message>
        <source>Press once and talk. Press again and the text is typed.</source>
        <translation>Bir marta bosing va gapiring. Yana bosing — matn yoziladi.</translation>
    </message>
</context>
</TS>
