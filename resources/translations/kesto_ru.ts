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
    <message>
        <source>%1 words</source>
        <translation>Слов: %1</translation>
    </message>
    <message>
        <source>Added to the note</source>
        <translation>Добавлено в заметку</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>The note was deleted</source>
        <translation>Заметка удалена</translation>
    </message>
    <message>
        <source>The text is saved in History</source>
        <translation>Текст сохранён в истории</translation>
    </message>
    <message>
        <source>Saved to folder</source>
        <translation>Сохранено в папку</translation>
    </message>
    <message>
        <source>Transcribed</source>
        <translation>Расшифровано</translation>
    </message>
    <message>
        <source>Not transcribed</source>
        <translation>Не расшифровано</translation>
    </message>
    <message>
        <source>The audio is saved. Try again from History.</source>
        <translation>Аудио сохранено. Повторите попытку из истории.</translation>
    </message>
    <message>
        <source>The microphone did not start</source>
        <translation>Микрофон не запустился</translation>
    </message>
    <message>
        <source>The application was closed before the transcript arrived.</source>
        <translation>Приложение было закрыто до получения расшифровки.</translation>
    </message>
    <message>
        <source>The computer is busy. Try again in a moment.</source>
        <translation>Компьютер занят. Попробуйте ещё раз чуть позже.</translation>
    </message>
    <message>
        <source>The recording could not be read as audio.</source>
        <translation>Не удалось прочитать запись как аудио.</translation>
    </message>
    <message>
        <source>Port %1 is not a valid port number.</source>
        <translation>Порт %1 — недопустимый номер порта.</translation>
    </message>
    <message>
        <source>Port %1 is already in use.</source>
        <translation>Порт %1 уже занят.</translation>
    </message>
    <message>
        <source>Port %1 needs administrator rights. Choose a port above 1023.</source>
        <translation>Для порта %1 нужны права администратора. Выберите порт выше 1023.</translation>
    </message>
    <message>
        <source>Port %1 could not be opened: %2</source>
        <translation>Не удалось открыть порт %1: %2</translation>
    </message>
    <message>
        <source>Could not create the HTTPS certificate.</source>
        <translation>Не удалось создать сертификат HTTPS.</translation>
    </message>
</context>
</TS>
