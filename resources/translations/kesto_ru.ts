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
        <source>Add your Gemini API key in Settings.</source>
        <translation>Добавьте ключ Gemini API в настройках.</translation>
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
        <translation>Текст сохранён в Истории</translation>
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
        <translation>Аудио сохранено. Повторите попытку из Истории.</translation>
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
        <translation>%1 — недопустимый номер порта.</translation>
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
        <source>Could not read the recording: %1</source>
        <translation>Не удалось прочитать запись: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>Listening…</source>
        <translation>Слушаем…</translation>
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
        <source>The sound server does not answer.</source>
        <translation>Звуковой сервер не отвечает.</translation>
    </message>
    <message>
        <source>The sound server has no microphone.</source>
        <translation>У звукового сервера нет микрофона.</translation>
    </message>
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
        <source>Error</source>
        <translation>Ошибка</translation>
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
        <source>Never transcribed</source>
        <translation>Ещё не расшифровано</translation>
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
        <source>New folder</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
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
        <source>Note deleted</source>
        <translation>Заметка удалена</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Write, or press the dictation button and speak…</source>
        <translation>Пишите или нажмите кнопку диктовки и говорите…</translation>
    </message>
    <message>
        <source>Find in note</source>
        <translation>Найти в заметке</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Выйдите из системы</translation>
    </message>
    <message>
        <source>Choose an X11 session at the login screen</source>
        <translation>На экране входа выберите сеанс X11</translation>
    </message>
    <message>
        <source>Start Kesto Viruz again</source>
        <translation>Снова запустите Kesto Viruz</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>Сеанс X11</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Разрешено</translation>
    </message>
    <message>
        <source>No X11 session</source>
        <translation>Нет сеанса X11</translation>
    </message>
    <message>
        <source>Keys cannot be typed in this session</source>
        <translation>В этом сеансе нельзя печатать текст</translation>
    </message>
    <message>
        <source>Paste it here</source>
        <translation>Вставьте его сюда</translation>
    </message>
    <message>
        <source>AIza…</source>
        <translation>AIza…</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Проверяем…</translation>
    </message>
    <message>
        <source>The key works · %1</source>
        <translation>Ключ работает · %1</translation>
    </message>
    <message>
        <source>More info</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Микрофон</translation>
    </message>
    <message>
        <source>No sound server</source>
        <translation>Нет звукового сервера</translation>
    </message>
    <message>
        <source>Kesto Viruz records through PulseAudio or PipeWire, and neither answers. Start your desktop&apos;s sound server, then come back here.</source>
        <translation>Kesto Viruz записывает через PulseAudio или PipeWire, но ни один из них не отвечает. Запустите звуковой сервер вашего рабочего стола и вернитесь сюда.</translation>
    </message>
    <message>
        <source>No microphone found</source>
        <translation>Микрофон не найден</translation>
    </message>
    <message>
        <source>Plug in a microphone, or turn one on in the sound settings. This page notices it within a second.</source>
        <translation>Подключите микрофон или включите его в настройках звука. Эта страница заметит это в течение секунды.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Which languages do you speak?</source>
        <translation>На каких языках вы говорите?</translation>
    </message>
    <message>
        <source>Keys and typing</source>
        <translation>Клавиши и набор текста</translation>
    </message>
    <message>
        <source>Gemini API key</source>
        <translation>API-ключ Gemini</translation>
    </message>
    <message>
        <source>You can pick more than one.</source>
        <translation>Можно выбрать несколько.</translation>
    </message>
    <message>
        <source>Records only while you hold the key.</source>
        <translation>Записывает, только пока вы держите клавишу.</translation>
    </message>
    <message>
        <source>Records only from one key press to the next.</source>
        <translation>Записывает только от одного нажатия клавиши до следующего.</translation>
    </message>
    <message>
        <source>Needed to type the text where your cursor is.</source>
        <translation>Нужно, чтобы печатать текст там, где стоит курсор.</translation>
    </message>
    <message>
        <source>Turning speech into text needs a free key.</source>
        <translation>Чтобы превращать речь в текст, нужен бесплатный ключ.</translation>
    </message>
    <message>
        <source>Hold the keys, talk, and let go.</source>
        <translation>Зажмите клавиши, говорите и отпустите.</translation>
    </message>
    <message>
        <source>Press the keys, talk, and press them again.</source>
        <translation>Нажмите клавиши, говорите и нажмите их снова.</translation>
    </message>
    <message>
        <source>Even if you mix languages in one sentence, Kesto Viruz writes each word in the language it was said in.</source>
        <translation>Даже если вы смешиваете языки в одном предложении, Kesto Viruz пишет каждое слово на том языке, на котором оно сказано.</translation>
    </message>
    <message>
        <source>It also records when you press the floating button on the screen. The microphone is not used at any other time.</source>
        <translation>Запись идёт и когда вы нажимаете плавающую кнопку на экране. В остальное время микрофон не используется.</translation>
    </message>
    <message>
        <source>Kesto Viruz notices the talk key and types text in any app through the X11 session. What you type is never saved or sent anywhere. A Wayland session without X11 does not allow this.</source>
        <translation>Kesto Viruz замечает клавишу записи и печатает текст в любом приложении через сеанс X11. То, что вы печатаете, никогда не сохраняется и никуда не отправляется. Сеанс Wayland без X11 этого не позволяет.</translation>
    </message>
    <message>
        <source>Getting a key takes about a minute. The free tier has a daily limit, and Google may use the requests to improve its products. With billing turned on, neither applies.</source>
        <translation>Получение ключа занимает около минуты. У бесплатного тарифа есть дневной лимит, и Google может использовать запросы для улучшения своих продуктов. С включённой оплатой ни то, ни другое не действует.</translation>
    </message>
    <message>
        <source>The text appears where the cursor is — here now, and in any app later. You can also talk with the floating button at the bottom of the screen. Everything you say is kept in History.</source>
        <translation>Текст появляется там, где стоит курсор, — сейчас здесь, а потом в любом приложении. Говорить можно и с помощью плавающей кнопки внизу экрана. Всё сказанное сохраняется в Истории.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Open sound settings</source>
        <translation>Открыть настройки звука</translation>
    </message>
    <message>
        <source>Kesto Viruz cannot dictate right now</source>
        <translation>Kesto Viruz сейчас не может принимать диктовку</translation>
    </message>
    <message>
        <source>Something it needs has gone missing since the setup. Until it is back, the talk key and dictation do not work.</source>
        <translation>После настройки пропало то, что ему нужно. Пока это не вернётся, клавиша записи и диктовка не работают.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>Talk key</source>
        <translation>Клавиша записи</translation>
    </message>
    <message>
        <source>Hold the keys and talk</source>
        <translation>Зажмите клавиши и говорите</translation>
    </message>
    <message>
        <source>Press the keys and talk</source>
        <translation>Нажмите клавиши и говорите</translation>
    </message>
    <message>
        <source>The recording is longer than 20 minutes.</source>
        <translation>Запись длиннее 20 минут.</translation>
    </message>
    <message>
        <source>Model instructions</source>
        <translation>Инструкции для модели</translation>
    </message>
    <message>
        <source>Model default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Low (fastest)</source>
        <translation>Низкий (быстрее всего)</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокий</translation>
    </message>
    <message>
        <source>Thinking level</source>
        <translation>Уровень размышлений</translation>
    </message>
    <message>
        <source>How much the model thinks before it writes</source>
        <translation>Сколько модель думает, прежде чем писать</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Промпт</translation>
    </message>
    <message>
        <source>The cleanup switches and the vocabulary are added to it by themselves</source>
        <translation>Настройки очистки и словарь добавляются к нему сами</translation>
    </message>
    <message>
        <source>Paste (Ctrl+V)</source>
        <translation>Вставить (Ctrl+V)</translation>
    </message>
    <message>
        <source>Type it out</source>
        <translation>Напечатать</translation>
    </message>
    <message>
        <source>Text insertion</source>
        <translation>Вставка текста</translation>
    </message>
    <message>
        <source>How the text gets into the app</source>
        <translation>Как текст попадает в приложение</translation>
    </message>
    <message>
        <source>Shift + Enter (does not send)</source>
        <translation>Shift + Enter (без отправки)</translation>
    </message>
    <message>
        <source>A space instead</source>
        <translation>Пробел вместо него</translation>
    </message>
    <message>
        <source>Line break</source>
        <translation>Перенос строки</translation>
    </message>
    <message>
        <source>A plain Enter sends the message in a chat</source>
        <translation>В чате обычный Enter отправляет сообщение</translation>
    </message>
    <message>
        <source>Keep audio files</source>
        <translation>Сохранять аудиофайлы</translation>
    </message>
    <message>
        <source>Recordings stay in the data folder after they are written out</source>
        <translation>Записи остаются в папке данных после расшифровки</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Phone server</source>
        <translation>Сервер для телефона</translation>
    </message>
    <message>
        <source>A phone on the same Wi-Fi can dictate into this computer</source>
        <translation>С телефона в той же сети Wi-Fi можно диктовать на этот компьютер</translation>
    </message>
    <message>
        <source>Type phone text into the front app</source>
        <translation>Печатать текст с телефона в активное приложение</translation>
    </message>
    <message>
        <source>Otherwise it is only kept in History</source>
        <translation>Иначе он только сохраняется в Истории</translation>
    </message>
    <message>
        <source>HTTP for iOS Shortcuts</source>
        <translation>HTTP для «Быстрых команд» iOS</translation>
    </message>
    <message>
        <source>Shortcuts cannot use the secure address; this one is not encrypted</source>
        <translation>«Быстрые команды» не работают с защищённым адресом; этот адрес не шифруется</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Данные</translation>
    </message>
    <message>
        <source>Keep history</source>
        <translation>Хранить историю</translation>
    </message>
    <message>
        <source>Older entries are deleted automatically</source>
        <translation>Более старые записи удаляются автоматически</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Папка данных</translation>
    </message>
    <message>
        <source>Export all</source>
        <translation>Экспортировать всё</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Save history, notes and vocabulary in one file</source>
        <translation>Сохранить историю, заметки и словарь в одном файле</translation>
    </message>
    <message>
        <source>Delete all data</source>
        <translation>Удалить все данные</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>Всегда</translation>
    </message>
    <message>
        <source>Confirm — this cannot be undone</source>
        <translation>Подтвердите — это нельзя отменить</translation>
    </message>
    <message>
        <source>History, notes and vocabulary</source>
        <translation>История, заметки и словарь</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Экспорт всех данных</translation>
    </message>
    <message>
        <source>ZIP archive (*.zip)</source>
        <translation>Архив ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Не удалось экспортировать</translation>
    </message>
    <message>
        <source>Exported</source>
        <translation>Экспортировано</translation>
    </message>
    <message>
        <source>Data deleted</source>
        <translation>Данные удалены</translation>
    </message>
    <message>
        <source>History, notes and vocabulary were cleared</source>
        <translation>История, заметки и словарь очищены</translation>
    </message>
    <message>
        <source>Not everything was deleted</source>
        <translation>Удалено не всё</translation>
    </message>
    <message>
        <source>Could not delete: %1</source>
        <translation>Не удалось удалить: %1</translation>
    </message>
    <message>
        <source>Add a language</source>
        <translation>Добавить язык</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Flash — faster, Pro — more accurate</source>
        <translation>Flash — быстрее, Pro — точнее</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>Understands you even when you mix languages</source>
        <translation>Понимает, даже когда вы смешиваете языки</translation>
    </message>
    <message>
        <source>Text cleanup</source>
        <translation>Очистка текста</translation>
    </message>
    <message>
        <source>Remove filler words</source>
        <translation>Убирать слова-паразиты</translation>
    </message>
    <message>
        <source>Words like «uh», «um» and «like» are left out</source>
        <translation>Слова вроде «э», «ну» и «как бы» пропускаются</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>Пунктуация</translation>
    </message>
    <message>
        <source>Puts in commas, full stops and question marks by itself</source>
        <translation>Сама ставит запятые, точки и вопросительные знаки</translation>
    </message>
    <message>
        <source>Understand self-corrections</source>
        <translation>Учитывать оговорки</translation>
    </message>
    <message>
        <source>«at ten, no, at eleven» — only the last one is written</source>
        <translation>«в десять, нет, в одиннадцать» — пишется только последнее</translation>
    </message>
    <message>
        <source>Your voice goes straight to Google, with your own key. If you go over the free limit, you pay Google directly.</source>
        <translation>Ваш голос уходит напрямую в Google, с вашим собственным ключом. Если вы превысите бесплатный лимит, то будете платить Google напрямую.</translation>
    </message>
    <message>
        <source>Paste the key here</source>
        <translation>Вставьте ключ сюда</translation>
    </message>
    <message>
        <source>Get a key for free:</source>
        <translation>Получите ключ бесплатно:</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключён</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Не проверен</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Light, dark or match the system</source>
        <translation>Светлая, тёмная или как в системе</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Dictation sounds</source>
        <translation>Звуки диктовки</translation>
    </message>
    <message>
        <source>A short signal when recording starts and ends</source>
        <translation>Короткий сигнал в начале и в конце записи</translation>
    </message>
    <message>
        <source>Pause music</source>
        <translation>Ставить музыку на паузу</translation>
    </message>
    <message>
        <source>Pauses music and video while you dictate</source>
        <translation>Приостанавливает музыку и видео, пока вы диктуете</translation>
    </message>
    <message>
        <source>Turn off notifications</source>
        <translation>Отключить уведомления</translation>
    </message>
    <message>
        <source>Kesto Viruz shows no notifications at all</source>
        <translation>Kesto Viruz совсем не показывает уведомления</translation>
    </message>
    <message>
        <source>Start with the computer</source>
        <translation>Запускать вместе с компьютером</translation>
    </message>
    <message>
        <source>The app waits in the background</source>
        <translation>Приложение ждёт в фоне</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <source>The app restarts to switch the language</source>
        <translation>Чтобы сменить язык, приложение перезапустится</translation>
    </message>
    <message>
        <source>Floating button</source>
        <translation>Плавающая кнопка</translation>
    </message>
    <message>
        <source>Sits at the bottom of the screen; click it to dictate</source>
        <translation>Находится внизу экрана; нажмите, чтобы диктовать</translation>
    </message>
    <message>
        <source>For dictation</source>
        <translation>Для диктовки</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Уровень звука</translation>
    </message>
    <message>
        <source>Noise reduction</source>
        <translation>Шумоподавление</translation>
    </message>
    <message>
        <source>Lowers background noise and keyboard sounds</source>
        <translation>Приглушает фоновый шум и звуки клавиатуры</translation>
    </message>
    <message>
        <source>Shorten long pauses</source>
        <translation>Сокращать длинные паузы</translation>
    </message>
    <message>
        <source>Long silences are cut before the audio is sent</source>
        <translation>Длинные паузы вырезаются перед отправкой аудио</translation>
    </message>
    <message>
        <source>Microphone not connected</source>
        <translation>Микрофон не подключён</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Speak — the green bars follow your voice.</source>
        <translation>Говорите — зелёные полоски следуют за голосом.</translation>
    </message>
    <message>
        <source>Press Test and say a few words.</source>
        <translation>Нажмите «Проверить» и скажите несколько слов.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Cancel dictation</source>
        <translation>Отменить диктовку</translation>
    </message>
    <message>
        <source>Not typed; kept in History as cancelled</source>
        <translation>Не печатается; сохраняется в Истории как отменённая</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>In history</source>
        <translation>В Истории</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Удерживать</translation>
    </message>
    <message>
        <source>Press once</source>
        <translation>Нажать один раз</translation>
    </message>
    <message>
        <source>Dictation mode</source>
        <translation>Режим диктовки</translation>
    </message>
    <message>
        <source>Change keys</source>
        <translation>Сменить клавиши</translation>
    </message>
    <message>
        <source>Hold time</source>
        <translation>Время удержания</translation>
    </message>
    <message>
        <source>How long to hold the keys before recording starts</source>
        <translation>Сколько держать клавиши, прежде чем начнётся запись</translation>
    </message>
    <message>
        <source>Hold and talk</source>
        <translation>Удерживайте и говорите</translation>
    </message>
    <message>
        <source>Press once, talk, press again</source>
        <translation>Нажмите, говорите, нажмите ещё раз</translation>
    </message>
    <message>
        <source>Recording stops when you let go</source>
        <translation>Запись останавливается, когда вы отпускаете клавиши</translation>
    </message>
    <message>
        <source>Recording stops when you press again</source>
        <translation>Запись останавливается при повторном нажатии</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>AI and languages</source>
        <translation>ИИ и языки</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Shortcut address</source>
        <translation>Адрес для быстрой команды</translation>
    </message>
    <message>
        <source>Make the Shortcut</source>
        <translation>Создайте быструю команду</translation>
    </message>
    <message>
        <source>In the Shortcuts app on the iPhone</source>
        <translation>В приложении «Быстрые команды» на iPhone</translation>
    </message>
    <message>
        <source>Create a new shortcut.</source>
        <translation>Создайте новую быструю команду.</translation>
    </message>
    <message>
        <source>Add “Record Audio”. Set it to start right away and to finish on tap.</source>
        <translation>Добавьте «Записать аудио». Пусть запись начинается сразу и заканчивается по нажатию.</translation>
    </message>
    <message>
        <source>Add “Get Contents of URL” with the address above. Method: POST. Request Body: File, with the recorded audio.</source>
        <translation>Добавьте «Получить содержимое URL» с адресом выше. Метод: POST. Тело запроса: файл, с записанным аудио.</translation>
    </message>
    <message>
        <source>Add “Get Dictionary Value” with the key “text”.</source>
        <translation>Добавьте «Получить значение из словаря» с ключом «text».</translation>
    </message>
    <message>
        <source>Add “Show Result” to see the text.</source>
        <translation>Добавьте «Показать результат», чтобы увидеть текст.</translation>
    </message>
    <message>
        <source>Put the shortcut on the Action Button, Back Tap or the Home Screen.</source>
        <translation>Поместите быструю команду на кнопку действия, в «Касание задней панели» или на экран «Домой».</translation>
    </message>
    <message>
        <source>The address appears once this computer is on Wi-Fi</source>
        <translation>Адрес появится, когда этот компьютер подключится к Wi-Fi</translation>
    </message>
    <message>
        <source>The address appears once the phone server is on</source>
        <translation>Адрес появится, когда сервер для телефона будет включён</translation>
    </message>
    <message>
        <source>The language changes at the next start</source>
        <translation>Язык сменится при следующем запуске</translation>
    </message>
    <message>
        <source>Kesto Viruz could not restart by itself.</source>
        <translation>Kesto Viruz не смог перезапуститься сам.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>The secure address of the phone page</source>
        <translation>Защищённый адрес страницы для телефона</translation>
    </message>
    <message>
        <source>HTTP port</source>
        <translation>Порт HTTP</translation>
    </message>
    <message>
        <source>The address for iOS Shortcuts</source>
        <translation>Адрес для «Быстрых команд» iOS</translation>
    </message>
    <message>
        <source>Use a number from 1024 to 65535</source>
        <translation>Введите число от 1024 до 65535</translation>
    </message>
    <message>
        <source>The two ports must differ</source>
        <translation>Порты должны различаться</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Слова</translation>
    </message>
    <message>
        <source>Snippets</source>
        <translation>Шаблоны</translation>
    </message>
    <message>
        <source>Kesto Viruz always spells these words right — names, terms, brands.</source>
        <translation>Kesto Viruz всегда пишет эти слова правильно — имена, термины, бренды.</translation>
    </message>
    <message>
        <source>Say a short phrase — the full text is typed.</source>
        <translation>Скажите короткую фразу — напечатается полный текст.</translation>
    </message>
    <message>
        <source>Type words separated by commas — for example, kesto, Gemini, Zarvina</source>
        <translation>Введите слова через запятую — например, kesto, Gemini, Zarvina</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Your vocabulary</source>
        <translation>Ваш словарь</translation>
    </message>
    <message>
        <source>Saved on this computer</source>
        <translation>Сохранено на этом компьютере</translation>
    </message>
    <message>
        <source>The vocabulary is empty. Add names, terms and brands — Kesto Viruz will always spell them right.</source>
        <translation>Словарь пуст. Добавьте имена, термины и бренды — Kesto Viruz всегда напишет их правильно.</translation>
    </message>
    <message>
        <source>Already in the vocabulary</source>
        <translation>Уже есть в словаре</translation>
    </message>
    <message>
        <source>Added to the vocabulary</source>
        <translation>Добавлено в словарь</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Импортировано</translation>
    </message>
    <message>
        <source>No new words</source>
        <translation>Новых слов нет</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Нечего экспортировать</translation>
    </message>
    <message>
        <source>The vocabulary is empty.</source>
        <translation>Словарь пуст.</translation>
    </message>
    <message>
        <source>Could not import</source>
        <translation>Не удалось импортировать</translation>
    </message>
    <message>
        <source>Could not export</source>
        <translation>Не удалось экспортировать</translation>
    </message>
    <message>
        <source>Import words</source>
        <translation>Импорт слов</translation>
    </message>
    <message>
        <source>Export words</source>
        <translation>Экспорт слов</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>New snippet</source>
        <translation>Новый шаблон</translation>
    </message>
    <message>
        <source>for example, my address</source>
        <translation>например, мой адрес</translation>
    </message>
    <message>
        <source>Full text to type</source>
        <translation>Полный текст для ввода</translation>
    </message>
    <message>
        <source>No snippets yet. Add a short phrase and the full text it stands for.</source>
        <translation>Шаблонов пока нет. Добавьте короткую фразу и полный текст, который она заменяет.</translation>
    </message>
    <message>
        <source>Record from your phone</source>
        <translation>Записывайте с телефона</translation>
    </message>
    <message>
        <source>Talk even when you are away from the computer — the text appears here.</source>
        <translation>Говорите, даже когда вы не у компьютера, — текст появится здесь.</translation>
    </message>
    <message>
        <source>The phone server is off</source>
        <translation>Сервер для телефона выключен</translation>
    </message>
    <message>
        <source>It works only on this Wi-Fi, through a secret link.</source>
        <translation>Работает только в этой сети Wi-Fi, по секретной ссылке.</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Phone connected — you can talk</source>
        <translation>Телефон подключён — можно говорить</translation>
    </message>
    <message>
        <source>Waiting for the phone</source>
        <translation>Ждём телефон</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>New code</source>
        <translation>Новый код</translation>
    </message>
    <message>
        <source>Phone connected</source>
        <translation>Телефон подключён</translation>
    </message>
    <message>
        <source>QR code for the phone</source>
        <translation>QR-код для телефона</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Копировать ссылку</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Как это работает</translation>
    </message>
    <message>
        <source>Scan the QR code with your phone&apos;s camera.</source>
        <translation>Отсканируйте QR-код камерой телефона.</translation>
    </message>
    <message>
        <source>On the page that opens, tap the microphone and talk.</source>
        <translation>На открывшейся странице нажмите на микрофон и говорите.</translation>
    </message>
    <message>
        <source>Tap «Kompyuterga yuborish» — the text appears in History.</source>
        <translation>Нажмите «Kompyuterga yuborish» — текст появится в Истории.</translation>
    </message>
    <message>
        <source>Nothing needs to be installed on the phone. The audio comes straight to your computer.</source>
        <translation>На телефон ничего устанавливать не нужно. Звук приходит прямо на ваш компьютер.</translation>
    </message>
    <message>
        <source>Recordings from the phone</source>
        <translation>Записи с телефона</translation>
    </message>
    <message>
        <source>No recordings from the phone yet.</source>
        <translation>С телефона пока нет записей.</translation>
    </message>
    <message>
        <source>Copy text</source>
        <translation>Копировать текст</translation>
    </message>
    <message numerus="yes">
        <source>%n new words</source>
        <translation>
            <numerusform>%n новое слово</numerusform>
            <numerusform>%n новых слова</numerusform>
            <numerusform>%n новых слов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n words</source>
        <translation>
            <numerusform>%1 · %n слово</numerusform>
            <numerusform>%1 · %n слова</numerusform>
            <numerusform>%1 · %n слов</numerusform>
        </translation>
    </message>
    <message>
        <source>No sound server answers. Start PulseAudio or PipeWire.</source>
        <translation>Ни один звуковой сервер не отвечает. Запустите PulseAudio или PipeWire.</translation>
    </message>
    <message>
        <source>No microphone found. Plug one in or turn one on.</source>
        <translation>Микрофон не найден. Подключите или включите его.</translation>
    </message>
    <message>
        <source>Log in to an X11 session, then start Kesto Viruz again.</source>
        <translation>Войдите в сеанс X11 и снова запустите Kesto Viruz.</translation>
    </message>
    <message>
        <source>The language was not changed</source>
        <translation>Язык не изменён</translation>
    </message>
    <message>
        <source>Kesto Viruz cannot write to %1.</source>
        <translation>Kesto Viruz не может записать %1.</translation>
    </message>
    <message>
        <source>Could not reach Gemini: no internet connection.</source>
        <translation>Не удалось связаться с Gemini: нет подключения к интернету.</translation>
    </message>
    <message>
        <source>Could not reach Gemini: the connection timed out.</source>
        <translation>Не удалось связаться с Gemini: время ожидания истекло.</translation>
    </message>
    <message>
        <source>Could not reach Gemini: the connection was refused.</source>
        <translation>Не удалось связаться с Gemini: соединение отклонено.</translation>
    </message>
    <message>
        <source>Could not reach Gemini: the connection was lost.</source>
        <translation>Не удалось связаться с Gemini: соединение прервалось.</translation>
    </message>
    <message>
        <source>Could not reach Gemini.</source>
        <translation>Не удалось связаться с Gemini.</translation>
    </message>
    <message>
        <source>Port %1 could not be opened.</source>
        <translation>Не удалось открыть порт %1.</translation>
    </message>
    <message>
        <source>The phone server stopped accepting connections.</source>
        <translation>Сервер для телефона перестал принимать подключения.</translation>
    </message>
    <message>
        <source>This Wayland session has no X11 display, so Kesto Viruz cannot type text or watch the talk key.</source>
        <translation>В этом сеансе Wayland нет дисплея X11, поэтому Kesto Viruz не может печатать текст и следить за клавишей записи.</translation>
    </message>
    <message>
        <source>There is no X11 session, so Kesto Viruz cannot type text or watch the talk key.</source>
        <translation>Нет сеанса X11, поэтому Kesto Viruz не может печатать текст и следить за клавишей записи.</translation>
    </message>
    <message>
        <source>The X11 display does not answer, so Kesto Viruz cannot type text or watch the talk key.</source>
        <translation>Дисплей X11 не отвечает, поэтому Kesto Viruz не может печатать текст и следить за клавишей записи.</translation>
    </message>
    <message>
        <source>The X11 session has no XTEST extension, so Kesto Viruz cannot type text.</source>
        <translation>В сеансе X11 нет расширения XTEST, поэтому Kesto Viruz не может печатать текст.</translation>
    </message>
    <message>
        <source>The X11 session has no XInput 2.2 extension, so Kesto Viruz cannot watch the talk key.</source>
        <translation>В сеансе X11 нет расширения XInput 2.2, поэтому Kesto Viruz не может следить за клавишей записи.</translation>
    </message>
    <message>
        <source>Kesto Viruz cannot type text or watch the talk key without X11.</source>
        <translation>Без X11 Kesto Viruz не может печатать текст и следить за клавишей записи.</translation>
    </message>
    <message>
        <source>Typing and the talk key need X11</source>
        <translation>Для набора текста и клавиши записи нужен X11</translation>
    </message>
    <message>
        <source>The update server answered with an error (HTTP %1).</source>
        <translation>Сервер обновлений ответил ошибкой (HTTP %1).</translation>
    </message>
    <message>
        <source>The computer is offline. Connect to the internet and try again.</source>
        <translation>Компьютер не в сети. Подключитесь к интернету и попробуйте снова.</translation>
    </message>
    <message>
        <source>Could not reach the update server. Try again later.</source>
        <translation>Не удалось связаться с сервером обновлений. Попробуйте позже.</translation>
    </message>
    <message>
        <source>The update information could not be read.</source>
        <translation>Не удалось прочитать сведения об обновлении.</translation>
    </message>
    <message>
        <source>The downloaded update is damaged or was not signed by Kesto Viruz. It was deleted and nothing was installed.</source>
        <translation>Загруженное обновление повреждено или не подписано Kesto Viruz. Оно удалено, ничего не установлено.</translation>
    </message>
    <message>
        <source>The update could not be saved: %1</source>
        <translation>Не удалось сохранить обновление: %1</translation>
    </message>
    <message>
        <source>The download of the update failed. Try again later.</source>
        <translation>Не удалось загрузить обновление. Попробуйте позже.</translation>
    </message>
    <message>
        <source>The update could not be installed: the program&apos;s folder was left as it was.</source>
        <translation>Не удалось установить обновление: папка программы осталась без изменений.</translation>
    </message>
    <message>
        <source>The update is installed. Quit and start Kesto Viruz again to use it.</source>
        <translation>Обновление установлено. Чтобы им воспользоваться, закройте Kesto Viruz и запустите снова.</translation>
    </message>
    <message>
        <source>Install Kesto Viruz %1…</source>
        <translation>Установить Kesto Viruz %1…</translation>
    </message>
    <message>
        <source>Kesto Viruz %1 is available</source>
        <translation>Доступна версия Kesto Viruz %1</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>У вас версия %1.</translation>
    </message>
    <message>
        <source>Show update</source>
        <translation>Показать обновление</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Обновление программы</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>Что нового</translation>
    </message>
    <message>
        <source>Skip this version</source>
        <translation>Пропустить эту версию</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Напомнить позже</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Проверка обновлений…</translation>
    </message>
    <message>
        <source>Kesto Viruz is up to date</source>
        <translation>Kesto Viruz обновлён</translation>
    </message>
    <message>
        <source>Version %1 is the newest version.</source>
        <translation>Версия %1 — самая новая.</translation>
    </message>
    <message>
        <source>Downloading Kesto Viruz %1</source>
        <translation>Загрузка Kesto Viruz %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Installing Kesto Viruz %1</source>
        <translation>Установка Kesto Viruz %1</translation>
    </message>
    <message>
        <source>Checking the signature of the download…</source>
        <translation>Проверка подписи загруженного файла…</translation>
    </message>
    <message>
        <source>Updating did not work</source>
        <translation>Обновить не удалось</translation>
    </message>
    <message>
        <source>The sound system could not open it.</source>
        <translation>Звуковая система не смогла его открыть.</translation>
    </message>
    <message>
        <source>Noise reduction could not be switched on.</source>
        <translation>Не удалось включить шумоподавление.</translation>
    </message>
    <message>
        <source>The recording could not be saved to a temporary file.</source>
        <translation>Не удалось сохранить запись во временный файл.</translation>
    </message>
    <message>
        <source>The previous version was put back as it was.</source>
        <translation>Предыдущая версия возвращена в прежнем виде.</translation>
    </message>
    <message>
        <source>The downloaded update is not the version that was offered, or is not newer than this one. It was deleted and nothing was installed.</source>
        <translation>Загруженное обновление — не та версия, что была предложена, или не новее этой. Оно удалено, ничего не установлено.</translation>
    </message>
    <message>
        <source>The update could not replace %1.</source>
        <translation>Обновлению не удалось заменить %1.</translation>
    </message>
    <message>
        <source>The new version did not start.</source>
        <translation>Новая версия не запустилась.</translation>
    </message>
    <message>
        <source>The update could not be installed, and the previous version could not be put back whole. Install Kesto Viruz again.</source>
        <translation>Обновление установить не удалось, и предыдущую версию не удалось вернуть целиком. Установите Kesto Viruz заново.</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Показать в файловом менеджере</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Не удалось проверить обновления</translation>
    </message>
    <message>
        <source>Kesto Viruz %1 is in your Downloads folder</source>
        <translation>Kesto Viruz %1 — в папке «Загрузки»</translation>
    </message>
    <message>
        <source>This copy was installed by the package manager, so it does not replace itself.</source>
        <translation>Эта копия установлена менеджером пакетов, поэтому она не заменяет себя сама.</translation>
    </message>
    <message>
        <source>This copy cannot replace itself: its folder is read-only.</source>
        <translation>Эта копия не может заменить себя: её папка доступна только для чтения.</translation>
    </message>
    <message>
        <source>The update was downloaded, checked and saved as “%1”.</source>
        <translation>Обновление загружено, проверено и сохранено как «%1».</translation>
    </message>
    <message>
        <source>Changes are not being saved</source>
        <translation>Изменения не сохраняются</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read and was left as it is; changes to it are not saved.</source>
        <translation>Не удалось прочитать %1; файл оставлен как есть, и изменения в нём не сохраняются.</translation>
    </message>
    <message>
        <source>%1 could not be read; it was kept as %2 in %3.</source>
        <translation>Не удалось прочитать %1; он сохранён как %2 в папке %3.</translation>
    </message>
    <message>
        <source>Some data could not be read</source>
        <translation>Часть данных не удалось прочитать</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for the update. Free some space and try again.</source>
        <translation>На диске не хватает места для обновления. Освободите место и попробуйте снова.</translation>
    </message>
    <message>
        <source>Another copy of Kesto Viruz is installing an update. Nothing was changed.</source>
        <translation>Другая копия Kesto Viruz уже устанавливает обновление. Ничего не изменено.</translation>
    </message>
    <message>
        <source>Kesto Viruz was updated</source>
        <translation>Kesto Viruz обновлён</translation>
    </message>
    <message>
        <source>You now have version %1.</source>
        <translation>Теперь у вас версия %1.</translation>
    </message>
    <message>
        <source>Putting the new version in place. Kesto Viruz restarts when it is done.</source>
        <translation>Устанавливаем новую версию. Когда всё будет готово, Kesto Viruz перезапустится.</translation>
    </message>
    <message>
        <source>This is not a word list. Choose a text file with one word per line, or the vocabulary.json of a Kesto Viruz export.</source>
        <translation>Это не список слов. Выберите текстовый файл с одним словом в строке или файл vocabulary.json из экспорта Kesto Viruz.</translation>
    </message>
    <message>
        <source>This archive is not a Kesto Viruz export.</source>
        <translation>Этот архив не является экспортом Kesto Viruz.</translation>
    </message>
    <message>
        <source>The audio file is missing · %1</source>
        <translation>Аудиофайл не найден · %1</translation>
    </message>
    <message>
        <source>Word lists and exports (*.txt *.csv *.json *.zip)</source>
        <translation>Списки слов и экспорт (*.txt *.csv *.json *.zip)</translation>
    </message>
    <message numerus="yes">
        <source>%n new snippets</source>
        <translation>
            <numerusform>%n новый шаблон</numerusform>
            <numerusform>%n новых шаблона</numerusform>
            <numerusform>%n новых шаблонов</numerusform>
        </translation>
    </message>
    <message>
        <source>The API key, words and snippets it held were taken back from it.</source>
        <translation>Ключ API, слова и шаблоны из него восстановлены.</translation>
    </message>
    <message>
        <source>The last dictation is still being transcribed</source>
        <translation>Предыдущая диктовка ещё расшифровывается</translation>
    </message>
    <message>
        <source>Stopped before the transcript arrived.</source>
        <translation>Остановлено до получения расшифровки.</translation>
    </message>
    <message>
        <source>The folder does not exist any more.</source>
        <translation>Папки больше нет.</translation>
    </message>
    <message>
        <source>There is no permission to write there.</source>
        <translation>Нет прав на запись в это место.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Диск заполнен.</translation>
    </message>
    <message>
        <source>The disk can only be read.</source>
        <translation>Диск доступен только для чтения.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Слишком длинное имя.</translation>
    </message>
    <message>
        <source>The disk did not answer.</source>
        <translation>Диск не отвечает.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Псевдоним</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Показать </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>«%1» защищён от записи.
Действительно удалить?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Действительно удалить «%1»?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Места и закладки</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Имя файла:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Папка с файлами</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Родительский каталог</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Новая папка</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Мой компьютер</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Перейти к:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Создать новую папку</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Файл %1</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Типы файлов:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Найти каталог</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Показать ск&amp;рытые файлы</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Каталог не найден.
Проверьте правильность указанного имени каталога.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Боковая панель</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Выбрать</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Каталоги</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Переименовать</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Не удалось удалить каталог.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Каталог:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестный</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Перейти в родительский каталог</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Недавние документы</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Переключить в подробный режим</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Создать папку</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Ярлык</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Подробный вид</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Файл не найден.
Проверьте правильность указанного имени файла.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Переключить в режим списка</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Мой компьютер</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Некорректное имя файла</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;Имя «%1» не может быть использовано.&lt;/b&gt;&lt;p&gt;Попробуйте использовать имя меньшей длины и/или без символов пунктуации.</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Дата изменения</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить действие</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить действие</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>В&amp;ставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Показать подробности...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Скрыть подробности...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Н&amp;ет для всех</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Сохранить все</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Отклонить</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Да для &amp;всех</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Top</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Прокрутить вниз</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Прокрутить сюда</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Прокрутить влево</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>На страницу вверх</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>На страницу вправо</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Прокрутить вверх</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Прокрутить вправо</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>К левой границе</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>На страницу вниз</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>На страницу влево</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>К правой границе</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить действие</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить действие</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>В&amp;ставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Скопировать &amp;адрес ссылки</translation>
    </message>
</context>
</TS>
