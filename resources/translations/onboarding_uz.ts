<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uz">
<context>
    <name>L10n</name>
    <message>
        <source>Log out</source>
        <translation>Tizimdan chiqing</translation>
    </message>
    <message>
        <source>Choose an X11 session at the login screen</source>
        <translation>Kirish ekranida X11 seansini tanlang</translation>
    </message>
    <message>
        <source>Start Kesto Viruz again</source>
        <translation>Kesto Viruzni qayta ishga tushiring</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 seansi</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Ruxsat berilgan</translation>
    </message>
    <message>
        <source>No X11 session</source>
        <translation>X11 seansi yoʻq</translation>
    </message>
    <message>
        <source>Keys cannot be typed in this session</source>
        <translation>Bu seansda tugmalarni bosib boʻlmaydi</translation>
    </message>
    <message>
        <source>Paste it here</source>
        <translation>Shu yerga joylang</translation>
    </message>
    <message>
        <source>AIza…</source>
        <translation>AIza…</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Tekshirish</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Tekshirilmoqda…</translation>
    </message>
    <message>
        <source>The key works · %1</source>
        <translation>Kalit ishlayapti · %1</translation>
    </message>
    <message>
        <source>More info</source>
        <translation>Batafsil</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ochish</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>No sound server</source>
        <translation>Ovoz serveri yoʻq</translation>
    </message>
    <message>
        <source>Kesto Viruz records through PulseAudio or PipeWire, and neither answers. Start your desktop's sound server, then come back here.</source>
        <translation>Kesto Viruz PulseAudio yoki PipeWire orqali yozadi, lekin ularning hech biri javob bermayapti. Ish stolingizning ovoz serverini ishga tushiring, soʻng shu yerga qayting.</translation>
    </message>
    <message>
        <source>No microphone found</source>
        <translation>Mikrofon topilmadi</translation>
    </message>
    <message>
        <source>Plug in a microphone, or turn one on in the sound settings. This page notices it within a second.</source>
        <translation>Mikrofonni ulang yoki ovoz sozlamalarida yoqing. Bu sahifa buni bir soniya ichida sezadi.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Orqaga</translation>
    </message>
    <message>
        <source>Which languages do you speak?</source>
        <translation>Qaysi tillarda gapirasiz?</translation>
    </message>
    <message>
        <source>Keys and typing</source>
        <translation>Tugmalar va yozish</translation>
    </message>
    <message>
        <source>Gemini API key</source>
        <translation>Gemini API kaliti</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Sinab koʻring</translation>
    </message>
    <message>
        <source>You can pick more than one.</source>
        <translation>Bir nechtasini tanlashingiz mumkin.</translation>
    </message>
    <message>
        <source>Records only while you hold the key.</source>
        <translation>Faqat tugmani bosib turganingizda yozadi.</translation>
    </message>
    <message>
        <source>Records only from one key press to the next.</source>
        <translation>Faqat bir bosishdan keyingisigacha yozadi.</translation>
    </message>
    <message>
        <source>Needed to type the text where your cursor is.</source>
        <translation>Matnni kursor turgan joyga yozish uchun kerak.</translation>
    </message>
    <message>
        <source>Turning speech into text needs a free key.</source>
        <translation>Nutqni matnga aylantirish uchun bepul kalit kerak.</translation>
    </message>
    <message>
        <source>Hold the keys, talk, and let go.</source>
        <translation>Tugmalarni bosib turing, gapiring va qoʻyib yuboring.</translation>
    </message>
    <message>
        <source>Press the keys, talk, and press them again.</source>
        <translation>Tugmalarni bosing, gapiring va yana bosing.</translation>
    </message>
    <message>
        <source>Even if you mix languages in one sentence, Kesto Viruz writes each word in the language it was said in.</source>
        <translation>Bir gapda tillarni aralashtirsangiz ham, Kesto Viruz har bir soʻzni u aytilgan tilda yozadi.</translation>
    </message>
    <message>
        <source>It also records when you press the floating button on the screen. The microphone is not used at any other time.</source>
        <translation>Ekrandagi suzuvchi tugmani bosganingizda ham yozadi. Boshqa paytlarda mikrofondan foydalanilmaydi.</translation>
    </message>
    <message>
        <source>Kesto Viruz notices the talk key and types text in any app through the X11 session. What you type is never saved or sent anywhere. A Wayland session without X11 does not allow this.</source>
        <translation>Kesto Viruz X11 seansi orqali gapirish tugmasini sezadi va istalgan ilovada matn yozadi. Siz yozgan narsa hech qachon saqlanmaydi va hech qayerga yuborilmaydi. X11siz Wayland seansi bunga imkon bermaydi.</translation>
    </message>
    <message>
        <source>Getting a key takes about a minute. The free tier has a daily limit, and Google may use the requests to improve its products. With billing turned on, neither applies.</source>
        <translation>Kalit olish taxminan bir daqiqa vaqt oladi. Bepul tarifda kunlik cheklov bor va Google soʻrovlardan oʻz mahsulotlarini yaxshilash uchun foydalanishi mumkin. Toʻlov yoqilganda bularning hech biri amal qilmaydi.</translation>
    </message>
    <message>
        <source>The text appears where the cursor is — here now, and in any app later. You can also talk with the floating button at the bottom of the screen. Everything you say is kept in History.</source>
        <translation>Matn kursor turgan joyda paydo boʻladi — hozir shu yerda, keyinroq esa istalgan ilovada. Ekran pastidagi suzuvchi tugma bilan ham gapirishingiz mumkin. Aytganlaringizning hammasi Tarixda saqlanadi.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Tayyor</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Keyingi</translation>
    </message>
    <message>
        <source>Open sound settings</source>
        <translation>Ovoz sozlamalarini ochish</translation>
    </message>
    <message>
        <source>Kesto Viruz cannot dictate right now</source>
        <translation>Kesto Viruz hozir diktovka qila olmaydi</translation>
    </message>
    <message>
        <source>Something it needs has gone missing since the setup. Until it is back, the talk key and dictation do not work.</source>
        <translation>Sozlashdan beri unga kerak boʻlgan narsa yoʻqolib qoldi. U qaytmaguncha gapirish tugmasi va diktovka ishlamaydi.</translation>
    </message>
    <message>
        <source>No sound server answers. Start PulseAudio or PipeWire, and Kesto Viruz finds it within a second.</source>
        <translation>Hech qanday ovoz serveri javob bermayapti. PulseAudio yoki PipeWire’ni ishga tushiring, Kesto Viruz uni bir soniya ichida topadi.</translation>
    </message>
    <message>
        <source>No microphone found. Plug one in, or turn one on in the sound settings.</source>
        <translation>Mikrofon topilmadi. Uni ulang yoki ovoz sozlamalarida yoqing.</translation>
    </message>
    <message>
        <source>Log out, choose an X11 session at the login screen, and start Kesto Viruz again.</source>
        <translation>Tizimdan chiqing, kirish ekranida X11 seansini tanlang va Kesto Viruzni qayta ishga tushiring.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Keyinroq</translation>
    </message>
    <message>
        <source>Talk key</source>
        <translation>Gapirish tugmasi</translation>
    </message>
    <message>
        <source>Hold the keys and talk</source>
        <translation>Tugmalarni bosib turib gapiring</translation>
    </message>
    <message>
        <source>Press the keys and talk</source>
        <translation>Tugmalarni bosing va gapiring</translation>
    </message>
</context>
</TS>
