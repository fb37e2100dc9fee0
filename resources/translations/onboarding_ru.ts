<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>L10n</name>
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
        <translation>В этом сеансе нельзя набирать клавиши</translation>
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
        <source>Kesto Viruz records through PulseAudio or PipeWire, and neither answers. Start your desktop's sound server, then come back here.</source>
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
        <source>Try it</source>
        <translation>Попробуйте</translation>
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
        <source>No sound server answers. Start PulseAudio or PipeWire, and Kesto Viruz finds it within a second.</source>
        <translation>Ни один звуковой сервер не отвечает. Запустите PulseAudio или PipeWire, и Kesto Viruz найдёт его в течение секунды.</translation>
    </message>
    <message>
        <source>No microphone found. Plug one in, or turn one on in the sound settings.</source>
        <translation>Микрофон не найден. Подключите его или включите в настройках звука.</translation>
    </message>
    <message>
        <source>Log out, choose an X11 session at the login screen, and start Kesto Viruz again.</source>
        <translation>Выйдите из системы, на экране входа выберите сеанс X11 и снова запустите Kesto Viruz.</translation>
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
</context>
</TS>
