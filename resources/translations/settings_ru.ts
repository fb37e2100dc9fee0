<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>L10n</name>
    <message>
        <source>Model instructions</source>
        <translation>Инструкции для модели</translation>
    </message>
    <message>
        <source>Model default</source>
        <translation>Как у модели</translation>
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
        <translation>Shift + Enter (не отправляет)</translation>
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
        <translation>Телефон в той же сети Wi-Fi может диктовать на этот компьютер</translation>
    </message>
    <message>
        <source>Type phone text into the front app</source>
        <translation>Печатать текст с телефона в активное приложение</translation>
    </message>
    <message>
        <source>Otherwise it is only kept in History</source>
        <translation>Иначе он только сохраняется в истории</translation>
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
        <source>Open</source>
        <translation>Открыть</translation>
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
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
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
        <translation>Понимать самоисправления</translation>
    </message>
    <message>
        <source>«at ten, no, at eleven» — only the last one is written</source>
        <translation>«в десять, нет, в одиннадцать» — пишется только последнее</translation>
    </message>
    <message>
        <source>Your voice goes straight to Google, with your own key. If you go over the free limit, you pay Google directly.</source>
        <translation>Ваш голос уходит напрямую в Google, с вашим собственным ключом. Если вы превысите бесплатный лимит, вы платите Google напрямую.</translation>
    </message>
    <message>
        <source>Gemini API key</source>
        <translation>Ключ Gemini API</translation>
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
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Проверяем…</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Не проверен</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
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
        <source>Microphone</source>
        <translation>Микрофон</translation>
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
        <translation>Длинная тишина вырезается перед отправкой аудио</translation>
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
        <source>Dictation</source>
        <translation>Диктовка</translation>
    </message>
    <message>
        <source>Cancel dictation</source>
        <translation>Отменить диктовку</translation>
    </message>
    <message>
        <source>Not typed; kept in History as cancelled</source>
        <translation>Не печатается; сохраняется в истории как отменённая</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>In history</source>
        <translation>В истории</translation>
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
        <source>Copy</source>
        <translation>Копировать</translation>
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
        <source>Copied</source>
        <translation>Скопировано</translation>
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
</context>
</TS>
