<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>L10n</name>
    <message>
        <source>The recording is longer than 20 minutes.</source>
        <translation>Запись длиннее 20 минут.</translation>
    </message>
</context>
</TS>
