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
    <message>
        <source>Discarded</source>
        <translation>Bekor qilinganlar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tozalash</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Tasdiqlash</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <translation>Hech narsa topilmadi.</translation>
    </message>
    <message>
        <source>Try another word or clear the search.</source>
        <translation>Boshqa soʻzni sinab koʻring yoki qidiruvni tozalang.</translation>
    </message>
    <message>
        <source>No recordings yet.</source>
        <translation>Hali yozuvlar yoʻq.</translation>
    </message>
    <message>
        <source>Hold the key and talk — the text is kept here.</source>
        <translation>Tugmani bosib turing va gapiring — matn shu yerda saqlanadi.</translation>
    </message>
    <message>
        <source>Press the key and talk — the text is kept here.</source>
        <translation>Tugmani bosing va gapiring — matn shu yerda saqlanadi.</translation>
    </message>
    <message>
        <source>History cleared</source>
        <translation>Tarix tozalandi</translation>
    </message>
    <message>
        <source>You cannot undo this</source>
        <translation>Buni qaytarib boʻlmaydi</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Nusxa olindi</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Oʻchirildi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Bekor qilish</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Saqlash</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Tahrirlash</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Nusxa olish</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Oʻchirish</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Qayta urinish</translation>
    </message>
    <message>
        <source>Transcribe</source>
        <translation>Matnga oʻgirish</translation>
    </message>
    <message>
        <source>Transcribing again…</source>
        <translation>Qayta matnga oʻgirilmoqda…</translation>
    </message>
    <message>
        <source>No internet — not transcribed</source>
        <translation>Internet yoʻq — matnga oʻgirilmadi</translation>
    </message>
    <message>
        <source>Not transcribed</source>
        <translation>Matnga oʻgirilmadi</translation>
    </message>
    <message>
        <source>Never transcribed</source>
        <translation>Hech qachon matnga oʻgirilmagan</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Bekor qilingan</translation>
    </message>
    <message>
        <source>Audio saved on your computer · %1</source>
        <translation>Audio kompyuteringizda saqlangan · %1</translation>
    </message>
    <message numerus="yes">
        <source>Today %1 · this week %2 — about %3 minutes saved</source>
        <translation>
            <numerusform>Bugun %1 · shu hafta %2 — taxminan %3 daqiqa tejaldi</numerusform>
            <numerusform>Bugun %1 · shu hafta %2 — taxminan %3 daqiqa tejaldi</numerusform>
        </translation>
    </message>
</context>
</TS>
