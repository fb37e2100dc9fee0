<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>L10n</name>
    <message>
        <source>Vocabulary</source>
        <translation>Словарь</translation>
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
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
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
        <source>Exported</source>
        <translation>Экспортировано</translation>
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
        <source>Text files (*.txt *.csv)</source>
        <translation>Текстовые файлы (*.txt *.csv)</translation>
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
        <translation>Скопировать ссылку</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Как это работает</translation>
    </message>
    <message>
        <source>Scan the QR code with your phone's camera.</source>
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
        <translation>Скопировать текст</translation>
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
</context>
</TS>
