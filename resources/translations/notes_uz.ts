<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uz">
<context>
    <name>L10n</name>
    <message>
        <source>New note</source>
        <translation>Yangi qayd</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Qaydlardan qidirish</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Jildlar</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Jild qoʻshish</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Barchasi</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Qaydlar</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Yangi jild</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Nomini oʻzgartirish</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Oʻchirish</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Bekor qilish</translation>
    </message>
    <message>
        <source>Delete the folder “%1”?</source>
        <translation>«%1» jildi oʻchirilsinmi?</translation>
    </message>
    <message numerus="yes">
        <source>The %n notes in it are deleted too.</source>
        <translation>
            <numerusform>Undagi %n ta qayd ham oʻchiriladi.</numerusform>
            <numerusform>Undagi %n ta qayd ham oʻchiriladi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Untitled note</source>
        <translation>Nomsiz qayd</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Boʻsh</translation>
    </message>
    <message>
        <source>No notes in this folder yet.</source>
        <translation>Bu jildda hali qayd yoʻq.</translation>
    </message>
    <message>
        <source>Create the first note, or say it with dictation.</source>
        <translation>Birinchi qaydni yarating yoki uni ovoz bilan ayting.</translation>
    </message>
    <message>
        <source>Create note</source>
        <translation>Qayd yaratish</translation>
    </message>
    <message>
        <source>Write by voice</source>
        <translation>Ovoz bilan yozish</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Toʻxtatish</translation>
    </message>
    <message>
        <source>Note deleted</source>
        <translation>Qayd oʻchirildi</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Sarlavha</translation>
    </message>
    <message>
        <source>Write, or press the dictation button and speak…</source>
        <translation>Yozing yoki diktovka tugmasini bosib gapiring…</translation>
    </message>
    <message>
        <source>Find in note</source>
        <translation>Qayddan topish</translation>
    </message>
</context>
</TS>
