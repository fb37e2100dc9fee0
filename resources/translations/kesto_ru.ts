<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>L10n</name>
    <message>
        <source>From phone</source>
        <translation>С телефона</translation>
    </message>
    <message>
        <source>Preparing audio…</source>
        <translation>Готовим аудио…</translation>
    </message>
    <message>
        <source>Shortening silence…</source>
        <translation>Сокращаем паузы…</translation>
    </message>
    <message>
        <source>Turning speech into text…</source>
        <translation>Превращаем речь в текст…</translation>
    </message>
    <message>
        <source>Waiting for the transcript…</source>
        <translation>Ждём расшифровку…</translation>
    </message>
    <message>
        <source>Still processing your audio…</source>
        <translation>Всё ещё обрабатываем аудио…</translation>
    </message>
    <message>
        <source>Trying again…</source>
        <translation>Пробуем ещё раз…</translation>
    </message>
    <message>
        <source>Organizing your note…</source>
        <translation>Упорядочиваем заметку…</translation>
    </message>
    <message>
        <source>Preparing the result…</source>
        <translation>Готовим результат…</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Вчера</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системный</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Личное</translation>
    </message>
    <message>
        <source>Ideas</source>
        <translation>Идеи</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Все языки</translation>
    </message>
    <message>
        <source>Uzbek</source>
        <translation>Узбекский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>Встреча</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Задачи</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Дневник</translation>
    </message>
    <message>
        <source>Idea</source>
        <translation>Идея</translation>
    </message>
    <message>
        <source>the request timed out</source>
        <translation>время ожидания запроса истекло</translation>
    </message>
    <message>
        <source>Add your Gemini API key in Settings.</source>
        <translation>Добавьте ключ Gemini API в настройках.</translation>
    </message>
    <message>
        <source>Waiting for Accessibility permission.</source>
        <translation>Ждём разрешения на специальные возможности.</translation>
    </message>
</context>
</TS>
