<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>L10n</name>
    <message>
        <source>The file could not be read.</source>
        <translation>Не удалось прочитать файл.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Файл не является текстом в UTF-8.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Не удалось сохранить файл.</translation>
    </message>
</context>
</TS>
