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
    <message>
        <source>Discarded</source>
        <translation>Отменённые</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <translation>Ничего не найдено.</translation>
    </message>
    <message>
        <source>Try another word or clear the search.</source>
        <translation>Попробуйте другое слово или очистите поиск.</translation>
    </message>
    <message>
        <source>No recordings yet.</source>
        <translation>Записей пока нет.</translation>
    </message>
    <message>
        <source>Hold the key and talk — the text is kept here.</source>
        <translation>Удерживайте клавишу и говорите — текст сохранится здесь.</translation>
    </message>
    <message>
        <source>Press the key and talk — the text is kept here.</source>
        <translation>Нажмите клавишу и говорите — текст сохранится здесь.</translation>
    </message>
    <message>
        <source>History cleared</source>
        <translation>История очищена</translation>
    </message>
    <message>
        <source>You cannot undo this</source>
        <translation>Это нельзя отменить</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопировано</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Удалено</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Transcribe</source>
        <translation>Расшифровать</translation>
    </message>
    <message>
        <source>Transcribing again…</source>
        <translation>Расшифровываем заново…</translation>
    </message>
    <message>
        <source>No internet — not transcribed</source>
        <translation>Нет интернета — не расшифровано</translation>
    </message>
    <message>
        <source>Not transcribed</source>
        <translation>Не расшифровано</translation>
    </message>
    <message>
        <source>Never transcribed</source>
        <translation>Не расшифровывалось</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Audio saved on your computer · %1</source>
        <translation>Аудио сохранено на компьютере · %1</translation>
    </message>
    <message numerus="yes">
        <source>Today %1 · this week %2 — about %3 minutes saved</source>
        <translation>
            <numerusform>Сегодня %1 · за неделю %2 — сэкономлена примерно %3 минута</numerusform>
            <numerusform>Сегодня %1 · за неделю %2 — сэкономлено примерно %3 минуты</numerusform>
            <numerusform>Сегодня %1 · за неделю %2 — сэкономлено примерно %3 минут</numerusform>
        </translation>
    </message>
</context>
</TS>
