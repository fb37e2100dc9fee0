<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>L10n</name>
    <message>
        <source>New note</source>
        <translation>Новая заметка</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Поиск по заметкам</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Delete the folder “%1”?</source>
        <translation>Удалить папку «%1»?</translation>
    </message>
    <message numerus="yes">
        <source>The %n notes in it are deleted too.</source>
        <translation>
            <numerusform>Вместе с ней будет удалена %n заметка.</numerusform>
            <numerusform>Вместе с ней будут удалены %n заметки.</numerusform>
            <numerusform>Вместе с ней будут удалены %n заметок.</numerusform>
        </translation>
    </message>
    <message>
        <source>Untitled note</source>
        <translation>Без названия</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Пусто</translation>
    </message>
    <message>
        <source>No notes in this folder yet.</source>
        <translation>В этой папке пока нет заметок.</translation>
    </message>
    <message>
        <source>Create the first note, or say it with dictation.</source>
        <translation>Создайте первую заметку или продиктуйте её.</translation>
    </message>
    <message>
        <source>Create note</source>
        <translation>Создать заметку</translation>
    </message>
    <message>
        <source>Write by voice</source>
        <translation>Надиктовать</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Note deleted</source>
        <translation>Заметка удалена</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Write, or press the dictation button and speak…</source>
        <translation>Пишите или нажмите кнопку диктовки и говорите…</translation>
    </message>
    <message>
        <source>Find in note</source>
        <translation>Найти в заметке</translation>
    </message>
</context>
</TS>
