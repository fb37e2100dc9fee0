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
    <message numerus="yes">
        <source>%1 words</source>
        <translation>
            <numerusform>%1 слово</numerusform>
            <numerusform>%1 слова</numerusform>
            <numerusform>%1 слов</numerusform>
        </translation>
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
    <message>
        <source>The microphone could not be added.</source>
        <translation>Не удалось подключить микрофон.</translation>
    </message>
    <message>
        <source>Could not start the microphone. %1</source>
        <translation>Не удалось запустить микрофон. %1</translation>
    </message>
    <message>
        <source>The chosen microphone is not available. Pick another one in Settings.</source>
        <translation>Выбранный микрофон недоступен. Выберите другой в настройках.</translation>
    </message>
    <message>
        <source>A recording is already running.</source>
        <translation>Запись уже идёт.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Системный по умолчанию</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не подключён</translation>
    </message>
    <message>
        <source>Gemini returned %1: %2</source>
        <translation>Gemini вернул ошибку %1: %2</translation>
    </message>
    <message>
        <source>Could not read the Gemini response: %1</source>
        <translation>Не удалось прочитать ответ Gemini: %1</translation>
    </message>
    <message>
        <source>No API key. Add it in Settings, or set GEMINI_API_KEY.</source>
        <translation>Нет ключа API. Добавьте его в настройках или задайте GEMINI_API_KEY.</translation>
    </message>
    <message>
        <source>Gemini returned no text.</source>
        <translation>Gemini не вернул текст.</translation>
    </message>
    <message>
        <source>The Gemini response is not valid JSON: %1</source>
        <translation>Ответ Gemini — некорректный JSON: %1</translation>
    </message>
    <message>
        <source>Could not reach Gemini: %1</source>
        <translation>Не удалось связаться с Gemini: %1</translation>
    </message>
    <message>
        <source>Could not read the recording: %1</source>
        <translation>Не удалось прочитать запись: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>Listening…</source>
        <translation>Слушаю…</translation>
    </message>
    <message>
        <source>Cancel (Esc)</source>
        <translation>Отмена (Esc)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Правый Alt</translation>
    </message>
    <message>
        <source>Click to record, or press %1</source>
        <translation>Щёлкните, чтобы записать, или нажмите %1</translation>
    </message>
    <message>
        <source>Click to record, or hold %1</source>
        <translation>Щёлкните, чтобы записать, или удерживайте %1</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Что-то пошло не так</translation>
    </message>
    <message>
        <source>Microphone: %1</source>
        <translation>Микрофон: %1</translation>
    </message>
    <message>
        <source>Recording... (Esc to cancel)</source>
        <translation>Идёт запись... (Esc — отмена)</translation>
    </message>
    <message>
        <source>Transcribing...</source>
        <translation>Расшифровка...</translation>
    </message>
    <message>
        <source>Accessibility permission needed</source>
        <translation>Нужно разрешение на специальные возможности</translation>
    </message>
    <message>
        <source>Press %1 to talk</source>
        <translation>Нажмите %1, чтобы говорить</translation>
    </message>
    <message>
        <source>Hold %1 to talk</source>
        <translation>Удерживайте %1, чтобы говорить</translation>
    </message>
    <message>
        <source>Open Kesto Viruz</source>
        <translation>Открыть Kesto Viruz</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Set up again</source>
        <translation>Настроить заново</translation>
    </message>
    <message>
        <source>Hide button</source>
        <translation>Скрыть кнопку</translation>
    </message>
    <message>
        <source>Show button</source>
        <translation>Показать кнопку</translation>
    </message>
    <message>
        <source>Last text: %1</source>
        <translation>Последний текст: %1</translation>
    </message>
    <message>
        <source>Insert last text again</source>
        <translation>Вставить последний текст ещё раз</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Open logs</source>
        <translation>Открыть журнал</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>This Wayland session offers no X11 display, so keys cannot be typed or watched.</source>
        <translation>В этом сеансе Wayland нет дисплея X11, поэтому нельзя ни нажимать клавиши, ни отслеживать их.</translation>
    </message>
    <message>
        <source>There is no X11 display, so keys cannot be typed or watched.</source>
        <translation>Нет дисплея X11, поэтому нельзя ни нажимать клавиши, ни отслеживать их.</translation>
    </message>
    <message>
        <source>The X11 display does not answer, so keys cannot be typed or watched.</source>
        <translation>Дисплей X11 не отвечает, поэтому нельзя ни нажимать клавиши, ни отслеживать их.</translation>
    </message>
    <message>
        <source>The X11 display does not allow typing keys (no XTEST extension).</source>
        <translation>Дисплей X11 не даёт нажимать клавиши (нет расширения XTEST).</translation>
    </message>
    <message>
        <source>The X11 display does not allow watching keys (no XInput2 extension).</source>
        <translation>Дисплей X11 не даёт отслеживать клавиши (нет расширения XInput2).</translation>
    </message>
    <message>
        <source>The sound server does not answer.</source>
        <translation>Звуковой сервер не отвечает.</translation>
    </message>
    <message>
        <source>The sound server has no microphone.</source>
        <translation>У звукового сервера нет микрофона.</translation>
    </message>
</context>
</TS>
