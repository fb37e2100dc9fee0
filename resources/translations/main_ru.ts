<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>L10n</name>
    <message>
        <source>Meetings</source>
        <translation>Встречи</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>Словарь</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Dictation</source>
        <translation>Диктовка</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готова</translation>
    </message>
    <message>
        <source>Listening…</source>
        <translation>Слушаю…</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Попробовать</translation>
    </message>
    <message>
        <source>Hold and talk. When you let go, the text is typed where the cursor is.</source>
        <translation>Удерживайте и говорите. Когда отпустите, текст напечатается там, где стоит курсор.</translation>
    </message>
    <message>
        <source>Press once and talk. Press again and the text is typed.</source>
        <translation>Нажмите один раз и говорите. Нажмите ещё раз — и текст напечатается.</translation>
    </message>
</context>
</TS>
