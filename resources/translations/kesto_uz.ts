<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uz">
<context>
    <name>L10n</name>
    <message>
        <source>The file could not be read.</source>
        <translation>Faylni oʻqib boʻlmadi.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Fayl UTF-8 matni emas.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Faylni saqlab boʻlmadi.</translation>
    </message>
    <message>
        <source>From phone</source>
        <translation>Telefondan</translation>
    </message>
    <message>
        <source>Preparing audio…</source>
        <translation>Audio tayyorlanmoqda…</translation>
    </message>
    <message>
        <source>Shortening silence…</source>
        <translation>Jimlik qisqartirilmoqda…</translation>
    </message>
    <message>
        <source>Turning speech into text…</source>
        <translation>Nutq matnga oʻgirilmoqda…</translation>
    </message>
    <message>
        <source>Waiting for the transcript…</source>
        <translation>Matn kutilmoqda…</translation>
    </message>
    <message>
        <source>Still processing your audio…</source>
        <translation>Audio hali qayta ishlanmoqda…</translation>
    </message>
    <message>
        <source>Trying again…</source>
        <translation>Qayta urinilmoqda…</translation>
    </message>
    <message>
        <source>Organizing your note…</source>
        <translation>Qayd tartibga solinmoqda…</translation>
    </message>
    <message>
        <source>Preparing the result…</source>
        <translation>Natija tayyorlanmoqda…</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Bugun</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Kecha</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Tizim</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Shaxsiy</translation>
    </message>
    <message>
        <source>Ideas</source>
        <translation>Gʻoyalar</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Barcha tillar</translation>
    </message>
    <message>
        <source>Uzbek</source>
        <translation>Oʻzbekcha</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruscha</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglizcha</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>Uchrashuv</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Vazifalar</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Kundalik</translation>
    </message>
    <message>
        <source>Idea</source>
        <translation>Gʻoya</translation>
    </message>
    <message>
        <source>Add your Gemini API key in Settings.</source>
        <translation>Sozlamalarda Gemini API kalitingizni qoʻshing.</translation>
    </message>
    <message numerus="yes">
        <source>%1 words</source>
        <translation>
            <numerusform>%1 ta soʻz</numerusform>
            <numerusform>%1 ta soʻz</numerusform>
        </translation>
    </message>
    <message>
        <source>Added to the note</source>
        <translation>Qaydga qoʻshildi</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Tarix</translation>
    </message>
    <message>
        <source>The note was deleted</source>
        <translation>Qayd oʻchirilgan</translation>
    </message>
    <message>
        <source>The text is saved in History</source>
        <translation>Matn Tarixda saqlandi</translation>
    </message>
    <message>
        <source>Saved to folder</source>
        <translation>Jildga saqlandi</translation>
    </message>
    <message>
        <source>Transcribed</source>
        <translation>Matnga oʻgirildi</translation>
    </message>
    <message>
        <source>Not transcribed</source>
        <translation>Matnga oʻgirilmadi</translation>
    </message>
    <message>
        <source>The audio is saved. Try again from History.</source>
        <translation>Audio saqlandi. Tarixdan qayta urinib koʻring.</translation>
    </message>
    <message>
        <source>The microphone did not start</source>
        <translation>Mikrofon ishga tushmadi</translation>
    </message>
    <message>
        <source>The application was closed before the transcript arrived.</source>
        <translation>Matn kelishidan oldin ilova yopildi.</translation>
    </message>
    <message>
        <source>The computer is busy. Try again in a moment.</source>
        <translation>Kompyuter band. Birozdan soʻng qayta urinib koʻring.</translation>
    </message>
    <message>
        <source>The recording could not be read as audio.</source>
        <translation>Yozuvni audio sifatida oʻqib boʻlmadi.</translation>
    </message>
    <message>
        <source>Port %1 is not a valid port number.</source>
        <translation>%1 — yaroqli port raqami emas.</translation>
    </message>
    <message>
        <source>Port %1 is already in use.</source>
        <translation>%1-port allaqachon band.</translation>
    </message>
    <message>
        <source>Port %1 needs administrator rights. Choose a port above 1023.</source>
        <translation>%1-port uchun administrator huquqlari kerak. 1023 dan katta portni tanlang.</translation>
    </message>
    <message>
        <source>Could not create the HTTPS certificate.</source>
        <translation>HTTPS sertifikatini yaratib boʻlmadi.</translation>
    </message>
    <message>
        <source>The microphone could not be added.</source>
        <translation>Mikrofonni ulab boʻlmadi.</translation>
    </message>
    <message>
        <source>Could not start the microphone. %1</source>
        <translation>Mikrofonni ishga tushirib boʻlmadi. %1</translation>
    </message>
    <message>
        <source>The chosen microphone is not available. Pick another one in Settings.</source>
        <translation>Tanlangan mikrofon mavjud emas. Sozlamalarda boshqasini tanlang.</translation>
    </message>
    <message>
        <source>A recording is already running.</source>
        <translation>Yozib olish allaqachon davom etmoqda.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Tizimdagi standart</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Ulanmagan</translation>
    </message>
    <message>
        <source>Gemini returned %1: %2</source>
        <translation>Gemini %1 xatosini qaytardi: %2</translation>
    </message>
    <message>
        <source>Could not read the Gemini response: %1</source>
        <translation>Gemini javobini oʻqib boʻlmadi: %1</translation>
    </message>
    <message>
        <source>No API key. Add it in Settings, or set GEMINI_API_KEY.</source>
        <translation>API kaliti yoʻq. Uni sozlamalarda qoʻshing yoki GEMINI_API_KEY oʻzgaruvchisini bering.</translation>
    </message>
    <message>
        <source>Gemini returned no text.</source>
        <translation>Gemini matn qaytarmadi.</translation>
    </message>
    <message>
        <source>The Gemini response is not valid JSON: %1</source>
        <translation>Gemini javobi yaroqli JSON emas: %1</translation>
    </message>
    <message>
        <source>Could not read the recording: %1</source>
        <translation>Yozuvni oʻqib boʻlmadi: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Bekor qilindi.</translation>
    </message>
    <message>
        <source>Listening…</source>
        <translation>Tinglanmoqda…</translation>
    </message>
    <message>
        <source>Cancel (Esc)</source>
        <translation>Bekor qilish (Esc)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Toʻxtatish</translation>
    </message>
    <message>
        <source>Right Alt</source>
        <translation>Oʻng Alt</translation>
    </message>
    <message>
        <source>Click to record, or press %1</source>
        <translation>Yozish uchun bosing yoki %1 tugmasini bosing</translation>
    </message>
    <message>
        <source>Click to record, or hold %1</source>
        <translation>Yozish uchun bosing yoki %1 tugmasini bosib turing</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Nimadir notoʻgʻri ketdi</translation>
    </message>
    <message>
        <source>Microphone: %1</source>
        <translation>Mikrofon: %1</translation>
    </message>
    <message>
        <source>Recording... (Esc to cancel)</source>
        <translation>Yozilmoqda... (bekor qilish uchun Esc)</translation>
    </message>
    <message>
        <source>Transcribing...</source>
        <translation>Matnga oʻgirilmoqda...</translation>
    </message>
    <message>
        <source>Press %1 to talk</source>
        <translation>Gapirish uchun %1 tugmasini bosing</translation>
    </message>
    <message>
        <source>Hold %1 to talk</source>
        <translation>Gapirish uchun %1 tugmasini bosib turing</translation>
    </message>
    <message>
        <source>Open Kesto Viruz</source>
        <translation>Kesto Viruzni ochish</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Sozlamalar…</translation>
    </message>
    <message>
        <source>Set up again</source>
        <translation>Qaytadan sozlash</translation>
    </message>
    <message>
        <source>Hide button</source>
        <translation>Tugmani yashirish</translation>
    </message>
    <message>
        <source>Show button</source>
        <translation>Tugmani koʻrsatish</translation>
    </message>
    <message>
        <source>Last text: %1</source>
        <translation>Oxirgi matn: %1</translation>
    </message>
    <message>
        <source>Insert last text again</source>
        <translation>Oxirgi matnni qayta kiritish</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Yangilanishlarni tekshirish</translation>
    </message>
    <message>
        <source>Open logs</source>
        <translation>Jurnalni ochish</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Chiqish</translation>
    </message>
    <message>
        <source>The sound server does not answer.</source>
        <translation>Ovoz serveri javob bermayapti.</translation>
    </message>
    <message>
        <source>The sound server has no microphone.</source>
        <translation>Ovoz serverida mikrofon yoʻq.</translation>
    </message>
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
        <source>Error</source>
        <translation>Xato</translation>
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
        <translation>Nusxalandi</translation>
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
        <translation>Nusxalash</translation>
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
        <source>Never transcribed</source>
        <translation>Hali matnga oʻgirilmagan</translation>
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
    <message>
        <source>New note</source>
        <translation>Yangi qayd</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>Qaydlardan qidirish</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Jildlar</translation>
    </message>
    <message>
        <source>Add folder</source>
        <translation>Jild qoʻshish</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Barchasi</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Yangi jild</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Nomini oʻzgartirish</translation>
    </message>
    <message>
        <source>Delete the folder “%1”?</source>
        <translation>«%1» jildi oʻchirilsinmi?</translation>
    </message>
    <message numerus="yes">
        <source>The %n notes in it are deleted too.</source>
        <translation>
            <numerusform>Undagi %n ta qayd ham oʻchiriladi.</numerusform>
            <numerusform>Undagi %n ta qayd ham oʻchiriladi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Untitled note</source>
        <translation>Nomsiz qayd</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Boʻsh</translation>
    </message>
    <message>
        <source>No notes in this folder yet.</source>
        <translation>Bu jildda hali qayd yoʻq.</translation>
    </message>
    <message>
        <source>Create the first note, or say it with dictation.</source>
        <translation>Birinchi qaydni yarating yoki uni ovoz bilan ayting.</translation>
    </message>
    <message>
        <source>Create note</source>
        <translation>Qayd yaratish</translation>
    </message>
    <message>
        <source>Write by voice</source>
        <translation>Ovoz bilan yozish</translation>
    </message>
    <message>
        <source>Note deleted</source>
        <translation>Qayd oʻchirildi</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Sarlavha</translation>
    </message>
    <message>
        <source>Write, or press the dictation button and speak…</source>
        <translation>Yozing yoki diktovka tugmasini bosib gapiring…</translation>
    </message>
    <message>
        <source>Find in note</source>
        <translation>Qayddan topish</translation>
    </message>
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
        <translation>Bu seansda matn yozib boʻlmaydi</translation>
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
        <source>Kesto Viruz records through PulseAudio or PipeWire, and neither answers. Start your desktop&apos;s sound server, then come back here.</source>
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
        <translation>Nutqni matnga oʻgirish uchun bepul kalit kerak.</translation>
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
        <translation>Kesto Viruz hozir diktovkani qabul qila olmaydi</translation>
    </message>
    <message>
        <source>Something it needs has gone missing since the setup. Until it is back, the talk key and dictation do not work.</source>
        <translation>Sozlashdan beri unga kerak boʻlgan narsa yoʻqolib qoldi. U qaytmaguncha gapirish tugmasi va diktovka ishlamaydi.</translation>
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
    <message>
        <source>The recording is longer than 20 minutes.</source>
        <translation>Yozuv 20 daqiqadan uzun.</translation>
    </message>
    <message>
        <source>Model instructions</source>
        <translation>Model uchun koʻrsatmalar</translation>
    </message>
    <message>
        <source>Model default</source>
        <translation>Standart (model tanlaydi)</translation>
    </message>
    <message>
        <source>Low (fastest)</source>
        <translation>Past (eng tez)</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Yuqori</translation>
    </message>
    <message>
        <source>Thinking level</source>
        <translation>Oʻylash darajasi</translation>
    </message>
    <message>
        <source>How much the model thinks before it writes</source>
        <translation>Model yozishdan oldin qancha oʻylaydi</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Prompt</translation>
    </message>
    <message>
        <source>The cleanup switches and the vocabulary are added to it by themselves</source>
        <translation>Tozalash sozlamalari va lugʻat unga oʻzi qoʻshiladi</translation>
    </message>
    <message>
        <source>Paste (Ctrl+V)</source>
        <translation>Joylash (Ctrl+V)</translation>
    </message>
    <message>
        <source>Type it out</source>
        <translation>Harfma-harf yozish</translation>
    </message>
    <message>
        <source>Text insertion</source>
        <translation>Matnni kiritish</translation>
    </message>
    <message>
        <source>How the text gets into the app</source>
        <translation>Matn ilovaga qanday tushadi</translation>
    </message>
    <message>
        <source>Shift + Enter (does not send)</source>
        <translation>Shift + Enter (yubormaydi)</translation>
    </message>
    <message>
        <source>A space instead</source>
        <translation>Oʻrniga boʻsh joy</translation>
    </message>
    <message>
        <source>Line break</source>
        <translation>Yangi qator</translation>
    </message>
    <message>
        <source>A plain Enter sends the message in a chat</source>
        <translation>Chatda oddiy Enter xabarni yuborib yuboradi</translation>
    </message>
    <message>
        <source>Keep audio files</source>
        <translation>Audio fayllarni saqlash</translation>
    </message>
    <message>
        <source>Recordings stay in the data folder after they are written out</source>
        <translation>Yozuvlar matnga oʻgirilgandan keyin ham maʼlumotlar jildida qoladi</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Phone server</source>
        <translation>Telefon serveri</translation>
    </message>
    <message>
        <source>A phone on the same Wi-Fi can dictate into this computer</source>
        <translation>Xuddi shu Wi-Fi tarmogʻidagi telefon orqali shu kompyuterga diktovka qilish mumkin</translation>
    </message>
    <message>
        <source>Type phone text into the front app</source>
        <translation>Telefondan kelgan matnni faol ilovaga yozish</translation>
    </message>
    <message>
        <source>Otherwise it is only kept in History</source>
        <translation>Aks holda u faqat Tarixda saqlanadi</translation>
    </message>
    <message>
        <source>HTTP for iOS Shortcuts</source>
        <translation>iOS Shortcuts uchun HTTP</translation>
    </message>
    <message>
        <source>Shortcuts cannot use the secure address; this one is not encrypted</source>
        <translation>Shortcuts himoyalangan manzildan foydalana olmaydi; bu manzil shifrlanmagan</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Maʼlumotlar</translation>
    </message>
    <message>
        <source>Keep history</source>
        <translation>Tarixni saqlash</translation>
    </message>
    <message>
        <source>Older entries are deleted automatically</source>
        <translation>Eskiroq yozuvlar avtomatik oʻchiriladi</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Maʼlumotlar jildi</translation>
    </message>
    <message>
        <source>Export all</source>
        <translation>Eksport qilish</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Save history, notes and vocabulary in one file</source>
        <translation>Tarix, qaydlar va lugʻatni bitta faylga saqlash</translation>
    </message>
    <message>
        <source>Delete all data</source>
        <translation>Barcha maʼlumotlarni oʻchirish</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>Muddatsiz</translation>
    </message>
    <message>
        <source>Confirm — this cannot be undone</source>
        <translation>Tasdiqlang — buni ortga qaytarib boʻlmaydi</translation>
    </message>
    <message>
        <source>History, notes and vocabulary</source>
        <translation>Tarix, qaydlar va lugʻat</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Barcha maʼlumotlarni eksport qilish</translation>
    </message>
    <message>
        <source>ZIP archive (*.zip)</source>
        <translation>ZIP arxiv (*.zip)</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Eksport qilib boʻlmadi</translation>
    </message>
    <message>
        <source>Exported</source>
        <translation>Eksport qilindi</translation>
    </message>
    <message>
        <source>Data deleted</source>
        <translation>Maʼlumotlar oʻchirildi</translation>
    </message>
    <message>
        <source>History, notes and vocabulary were cleared</source>
        <translation>Tarix, qaydlar va lugʻat tozalandi</translation>
    </message>
    <message>
        <source>Not everything was deleted</source>
        <translation>Hammasi ham oʻchirilmadi</translation>
    </message>
    <message>
        <source>Could not delete: %1</source>
        <translation>Oʻchirib boʻlmadi: %1</translation>
    </message>
    <message>
        <source>Add a language</source>
        <translation>Til qoʻshish</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Flash — faster, Pro — more accurate</source>
        <translation>Flash — tezroq, Pro — aniqroq</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Tillar</translation>
    </message>
    <message>
        <source>Understands you even when you mix languages</source>
        <translation>Tillarni aralashtirib gapirsangiz ham tushunadi</translation>
    </message>
    <message>
        <source>Text cleanup</source>
        <translation>Matnni tozalash</translation>
    </message>
    <message>
        <source>Remove filler words</source>
        <translation>Ortiqcha soʻzlarni olib tashlash</translation>
    </message>
    <message>
        <source>Words like «uh», «um» and «like» are left out</source>
        <translation>«aa», «mm», «haligi» kabi soʻzlar tushirib qoldiriladi</translation>
    </message>
    <message>
        <source>Punctuation</source>
        <translation>Tinish belgilari</translation>
    </message>
    <message>
        <source>Puts in commas, full stops and question marks by itself</source>
        <translation>Vergul, nuqta va soʻroq belgilarini oʻzi qoʻyadi</translation>
    </message>
    <message>
        <source>Understand self-corrections</source>
        <translation>Gap orasidagi tuzatishlarni tushunish</translation>
    </message>
    <message>
        <source>«at ten, no, at eleven» — only the last one is written</source>
        <translation>«soat oʻnda, yoʻq, oʻn birda» — faqat oxirgisi yoziladi</translation>
    </message>
    <message>
        <source>Your voice goes straight to Google, with your own key. If you go over the free limit, you pay Google directly.</source>
        <translation>Ovozingiz oʻz kalitingiz bilan toʻgʻridan-toʻgʻri Googlega boradi. Bepul limitdan oshsangiz, Googlega bevosita oʻzingiz toʻlaysiz.</translation>
    </message>
    <message>
        <source>Paste the key here</source>
        <translation>Kalitni shu yerga joylang</translation>
    </message>
    <message>
        <source>Get a key for free:</source>
        <translation>Kalitni bepul oling:</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Yashirish</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Koʻrsatish</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Ulangan</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Tekshirilmagan</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Yorugʻ</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Qorongʻi</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Avto</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Mavzu</translation>
    </message>
    <message>
        <source>Light, dark or match the system</source>
        <translation>Yorugʻ, qorongʻi yoki tizimga moslash</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ovoz</translation>
    </message>
    <message>
        <source>Dictation sounds</source>
        <translation>Diktovka ovozlari</translation>
    </message>
    <message>
        <source>A short signal when recording starts and ends</source>
        <translation>Yozuv boshlanganda va tugaganda qisqa signal</translation>
    </message>
    <message>
        <source>Pause music</source>
        <translation>Musiqani pauza qilish</translation>
    </message>
    <message>
        <source>Pauses music and video while you dictate</source>
        <translation>Diktovka paytida musiqa va videoni toʻxtatib turadi</translation>
    </message>
    <message>
        <source>Turn off notifications</source>
        <translation>Bildirishnomalarni oʻchirish</translation>
    </message>
    <message>
        <source>Kesto Viruz shows no notifications at all</source>
        <translation>Kesto Viruz hech qanday bildirishnoma koʻrsatmaydi</translation>
    </message>
    <message>
        <source>Start with the computer</source>
        <translation>Kompyuter bilan birga ishga tushish</translation>
    </message>
    <message>
        <source>The app waits in the background</source>
        <translation>Ilova fonda kutib turadi</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfeys</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Interfeys tili</translation>
    </message>
    <message>
        <source>The app restarts to switch the language</source>
        <translation>Tilni almashtirish uchun ilova qayta ishga tushadi</translation>
    </message>
    <message>
        <source>Floating button</source>
        <translation>Suzuvchi tugma</translation>
    </message>
    <message>
        <source>Sits at the bottom of the screen; click it to dictate</source>
        <translation>Ekranning pastida turadi; diktovka uchun ustiga bosing</translation>
    </message>
    <message>
        <source>For dictation</source>
        <translation>Diktovka uchun</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Ovoz darajasi</translation>
    </message>
    <message>
        <source>Noise reduction</source>
        <translation>Shovqinni kamaytirish</translation>
    </message>
    <message>
        <source>Lowers background noise and keyboard sounds</source>
        <translation>Atrofdagi shovqin va klaviatura tovushlarini pasaytiradi</translation>
    </message>
    <message>
        <source>Shorten long pauses</source>
        <translation>Uzun pauzalarni qisqartirish</translation>
    </message>
    <message>
        <source>Long silences are cut before the audio is sent</source>
        <translation>Audio yuborilishidan oldin uzun jimliklar qirqib tashlanadi</translation>
    </message>
    <message>
        <source>Microphone not connected</source>
        <translation>Mikrofon ulanmagan</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Sinash</translation>
    </message>
    <message>
        <source>Speak — the green bars follow your voice.</source>
        <translation>Gapiring — yashil ustunlar ovozingizga ergashadi.</translation>
    </message>
    <message>
        <source>Press Test and say a few words.</source>
        <translation>«Sinash»ni bosing va bir necha soʻz ayting.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Yopish</translation>
    </message>
    <message>
        <source>Cancel dictation</source>
        <translation>Diktovkani bekor qilish</translation>
    </message>
    <message>
        <source>Not typed; kept in History as cancelled</source>
        <translation>Yozilmaydi; Tarixda bekor qilingan sifatida saqlanadi</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Qidirish</translation>
    </message>
    <message>
        <source>In history</source>
        <translation>Tarixda</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Bosib turish</translation>
    </message>
    <message>
        <source>Press once</source>
        <translation>Bir marta bosish</translation>
    </message>
    <message>
        <source>Dictation mode</source>
        <translation>Diktovka rejimi</translation>
    </message>
    <message>
        <source>Change keys</source>
        <translation>Tugmani oʻzgartirish</translation>
    </message>
    <message>
        <source>Hold time</source>
        <translation>Bosib turish vaqti</translation>
    </message>
    <message>
        <source>How long to hold the keys before recording starts</source>
        <translation>Yozuv boshlanishidan oldin tugmalarni qancha bosib turish kerak</translation>
    </message>
    <message>
        <source>Hold and talk</source>
        <translation>Bosib turing va gapiring</translation>
    </message>
    <message>
        <source>Press once, talk, press again</source>
        <translation>Bir marta bosing, gapiring, yana bosing</translation>
    </message>
    <message>
        <source>Recording stops when you let go</source>
        <translation>Qoʻyib yuborganingizda yozuv toʻxtaydi</translation>
    </message>
    <message>
        <source>Recording stops when you press again</source>
        <translation>Yana bosganingizda yozuv toʻxtaydi</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Ilova</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Kompyuter</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Umumiy</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tugmalar</translation>
    </message>
    <message>
        <source>AI and languages</source>
        <translation>AI va tillar</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Qoʻshimcha</translation>
    </message>
    <message>
        <source>Shortcut address</source>
        <translation>Shortcut manzili</translation>
    </message>
    <message>
        <source>Make the Shortcut</source>
        <translation>Shortcut yarating</translation>
    </message>
    <message>
        <source>In the Shortcuts app on the iPhone</source>
        <translation>iPhonedagi Shortcuts ilovasida</translation>
    </message>
    <message>
        <source>Create a new shortcut.</source>
        <translation>Yangi shortcut yarating.</translation>
    </message>
    <message>
        <source>Add “Record Audio”. Set it to start right away and to finish on tap.</source>
        <translation>«Record Audio» amalini qoʻshing. Uni darhol boshlanadigan va bosilganda tugaydigan qilib sozlang.</translation>
    </message>
    <message>
        <source>Add “Get Contents of URL” with the address above. Method: POST. Request Body: File, with the recorded audio.</source>
        <translation>Yuqoridagi manzil bilan «Get Contents of URL» amalini qoʻshing. Method: POST. Request Body: File, yozilgan audio bilan.</translation>
    </message>
    <message>
        <source>Add “Get Dictionary Value” with the key “text”.</source>
        <translation>«text» kaliti bilan «Get Dictionary Value» amalini qoʻshing.</translation>
    </message>
    <message>
        <source>Add “Show Result” to see the text.</source>
        <translation>Matnni koʻrish uchun «Show Result» amalini qoʻshing.</translation>
    </message>
    <message>
        <source>Put the shortcut on the Action Button, Back Tap or the Home Screen.</source>
        <translation>Shortcutni Action tugmasiga, Back Tapga yoki bosh ekranga joylang.</translation>
    </message>
    <message>
        <source>The address appears once this computer is on Wi-Fi</source>
        <translation>Manzil bu kompyuter Wi-Fi tarmogʻiga ulangach paydo boʻladi</translation>
    </message>
    <message>
        <source>The address appears once the phone server is on</source>
        <translation>Manzil telefon serveri yoqilgach paydo boʻladi</translation>
    </message>
    <message>
        <source>The language changes at the next start</source>
        <translation>Til keyingi ishga tushirishda almashadi</translation>
    </message>
    <message>
        <source>Kesto Viruz could not restart by itself.</source>
        <translation>Kesto Viruz oʻzini qayta ishga tushira olmadi.</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The secure address of the phone page</source>
        <translation>Telefon sahifasining himoyalangan manzili</translation>
    </message>
    <message>
        <source>HTTP port</source>
        <translation>HTTP porti</translation>
    </message>
    <message>
        <source>The address for iOS Shortcuts</source>
        <translation>iOS Shortcuts uchun manzil</translation>
    </message>
    <message>
        <source>Use a number from 1024 to 65535</source>
        <translation>1024 dan 65535 gacha boʻlgan son kiriting</translation>
    </message>
    <message>
        <source>The two ports must differ</source>
        <translation>Ikki port har xil boʻlishi kerak</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n kun</numerusform>
            <numerusform>%n kun</numerusform>
        </translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Soʻzlar</translation>
    </message>
    <message>
        <source>Snippets</source>
        <translation>Shablonlar</translation>
    </message>
    <message>
        <source>Kesto Viruz always spells these words right — names, terms, brands.</source>
        <translation>Kesto Viruz bu soʻzlarni doim toʻgʻri yozadi — ismlar, atamalar, brendlar.</translation>
    </message>
    <message>
        <source>Say a short phrase — the full text is typed.</source>
        <translation>Qisqa ibora ayting — toʻliq matn yoziladi.</translation>
    </message>
    <message>
        <source>Type words separated by commas — for example, kesto, Gemini, Zarvina</source>
        <translation>Soʻzlarni vergul bilan ajratib yozing — masalan, kesto, Gemini, Zarvina</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Qoʻshish</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Your vocabulary</source>
        <translation>Sizning lugʻatingiz</translation>
    </message>
    <message>
        <source>Saved on this computer</source>
        <translation>Shu kompyuterda saqlangan</translation>
    </message>
    <message>
        <source>The vocabulary is empty. Add names, terms and brands — Kesto Viruz will always spell them right.</source>
        <translation>Lugʻat boʻsh. Ismlar, atamalar va brendlarni qoʻshing — Kesto Viruz ularni doim toʻgʻri yozadi.</translation>
    </message>
    <message>
        <source>Already in the vocabulary</source>
        <translation>Lugʻatda allaqachon bor</translation>
    </message>
    <message>
        <source>Added to the vocabulary</source>
        <translation>Lugʻatga qoʻshildi</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Import qilindi</translation>
    </message>
    <message>
        <source>No new words</source>
        <translation>Yangi soʻz yoʻq</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Eksport qilinadigan narsa yoʻq</translation>
    </message>
    <message>
        <source>The vocabulary is empty.</source>
        <translation>Lugʻat boʻsh.</translation>
    </message>
    <message>
        <source>Could not import</source>
        <translation>Import qilib boʻlmadi</translation>
    </message>
    <message>
        <source>Could not export</source>
        <translation>Eksport qilib boʻlmadi</translation>
    </message>
    <message>
        <source>Import words</source>
        <translation>Soʻzlarni import qilish</translation>
    </message>
    <message>
        <source>Export words</source>
        <translation>Soʻzlarni eksport qilish</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Matn fayllari (*.txt)</translation>
    </message>
    <message>
        <source>New snippet</source>
        <translation>Yangi shablon</translation>
    </message>
    <message>
        <source>for example, my address</source>
        <translation>masalan, mening manzilim</translation>
    </message>
    <message>
        <source>Full text to type</source>
        <translation>Yoziladigan toʻliq matn</translation>
    </message>
    <message>
        <source>No snippets yet. Add a short phrase and the full text it stands for.</source>
        <translation>Hozircha shablon yoʻq. Qisqa ibora va uning oʻrniga yoziladigan toʻliq matnni qoʻshing.</translation>
    </message>
    <message>
        <source>Record from your phone</source>
        <translation>Telefondan yozib oling</translation>
    </message>
    <message>
        <source>Talk even when you are away from the computer — the text appears here.</source>
        <translation>Kompyuterdan uzoqda boʻlsangiz ham gapiring — matn shu yerda paydo boʻladi.</translation>
    </message>
    <message>
        <source>The phone server is off</source>
        <translation>Telefon serveri oʻchiq</translation>
    </message>
    <message>
        <source>It works only on this Wi-Fi, through a secret link.</source>
        <translation>Faqat shu Wi-Fi tarmogʻida, maxfiy havola orqali ishlaydi.</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Yoqish</translation>
    </message>
    <message>
        <source>Phone connected — you can talk</source>
        <translation>Telefon ulandi — gapirishingiz mumkin</translation>
    </message>
    <message>
        <source>Waiting for the phone</source>
        <translation>Telefon kutilmoqda</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Uzish</translation>
    </message>
    <message>
        <source>New code</source>
        <translation>Yangi kod</translation>
    </message>
    <message>
        <source>Phone connected</source>
        <translation>Telefon ulandi</translation>
    </message>
    <message>
        <source>QR code for the phone</source>
        <translation>Telefon uchun QR kod</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Havolani nusxalash</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Qanday ishlaydi</translation>
    </message>
    <message>
        <source>Scan the QR code with your phone&apos;s camera.</source>
        <translation>QR kodni telefon kamerasi bilan skanerlang.</translation>
    </message>
    <message>
        <source>On the page that opens, tap the microphone and talk.</source>
        <translation>Ochilgan sahifada mikrofonni bosing va gapiring.</translation>
    </message>
    <message>
        <source>Tap «Kompyuterga yuborish» — the text appears in History.</source>
        <translation>«Kompyuterga yuborish» tugmasini bosing — matn Tarixda paydo boʻladi.</translation>
    </message>
    <message>
        <source>Nothing needs to be installed on the phone. The audio comes straight to your computer.</source>
        <translation>Telefonga hech narsa oʻrnatish shart emas. Ovoz toʻgʻridan-toʻgʻri kompyuteringizga keladi.</translation>
    </message>
    <message>
        <source>Recordings from the phone</source>
        <translation>Telefondan kelgan yozuvlar</translation>
    </message>
    <message>
        <source>No recordings from the phone yet.</source>
        <translation>Telefondan hali yozuv kelmagan.</translation>
    </message>
    <message>
        <source>Copy text</source>
        <translation>Matnni nusxalash</translation>
    </message>
    <message numerus="yes">
        <source>%n new words</source>
        <translation>
            <numerusform>%n ta yangi soʻz</numerusform>
            <numerusform>%n ta yangi soʻz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 · %n words</source>
        <translation>
            <numerusform>%1 · %n ta soʻz</numerusform>
            <numerusform>%1 · %n ta soʻz</numerusform>
        </translation>
    </message>
    <message>
        <source>No sound server answers. Start PulseAudio or PipeWire.</source>
        <translation>Hech qanday ovoz serveri javob bermayapti. PulseAudio yoki PipeWireni ishga tushiring.</translation>
    </message>
    <message>
        <source>No microphone found. Plug one in or turn one on.</source>
        <translation>Mikrofon topilmadi. Uni ulang yoki yoqing.</translation>
    </message>
    <message>
        <source>Log in to an X11 session, then start Kesto Viruz again.</source>
        <translation>X11 seansiga kiring va Kesto Viruzni qayta ishga tushiring.</translation>
    </message>
    <message>
        <source>The language was not changed</source>
        <translation>Til oʻzgartirilmadi</translation>
    </message>
    <message>
        <source>Kesto Viruz cannot write to %1.</source>
        <translation>Kesto Viruz %1 fayliga yoza olmaydi.</translation>
    </message>
    <message>
        <source>Could not reach Gemini: no internet connection.</source>
        <translation>Gemini bilan bogʻlanib boʻlmadi: internet aloqasi yoʻq.</translation>
    </message>
    <message>
        <source>Could not reach Gemini: the connection timed out.</source>
        <translation>Gemini bilan bogʻlanib boʻlmadi: kutish vaqti tugadi.</translation>
    </message>
    <message>
        <source>Could not reach Gemini: the connection was refused.</source>
        <translation>Gemini bilan bogʻlanib boʻlmadi: ulanish rad etildi.</translation>
    </message>
    <message>
        <source>Could not reach Gemini: the connection was lost.</source>
        <translation>Gemini bilan bogʻlanib boʻlmadi: aloqa uzilib qoldi.</translation>
    </message>
    <message>
        <source>Could not reach Gemini.</source>
        <translation>Gemini bilan bogʻlanib boʻlmadi.</translation>
    </message>
    <message>
        <source>Port %1 could not be opened.</source>
        <translation>%1-portni ochib boʻlmadi.</translation>
    </message>
    <message>
        <source>The phone server stopped accepting connections.</source>
        <translation>Telefon serveri ulanishlarni qabul qilishni toʻxtatdi.</translation>
    </message>
    <message>
        <source>This Wayland session has no X11 display, so Kesto Viruz cannot type text or watch the talk key.</source>
        <translation>Bu Wayland seansida X11 displeyi yoʻq, shuning uchun Kesto Viruz matn yoza olmaydi va gapirish tugmasini kuzata olmaydi.</translation>
    </message>
    <message>
        <source>There is no X11 session, so Kesto Viruz cannot type text or watch the talk key.</source>
        <translation>X11 seansi yoʻq, shuning uchun Kesto Viruz matn yoza olmaydi va gapirish tugmasini kuzata olmaydi.</translation>
    </message>
    <message>
        <source>The X11 display does not answer, so Kesto Viruz cannot type text or watch the talk key.</source>
        <translation>X11 displeyi javob bermayapti, shuning uchun Kesto Viruz matn yoza olmaydi va gapirish tugmasini kuzata olmaydi.</translation>
    </message>
    <message>
        <source>The X11 session has no XTEST extension, so Kesto Viruz cannot type text.</source>
        <translation>X11 seansida XTEST kengaytmasi yoʻq, shuning uchun Kesto Viruz matn yoza olmaydi.</translation>
    </message>
    <message>
        <source>The X11 session has no XInput 2.2 extension, so Kesto Viruz cannot watch the talk key.</source>
        <translation>X11 seansida XInput 2.2 kengaytmasi yoʻq, shuning uchun Kesto Viruz gapirish tugmasini kuzata olmaydi.</translation>
    </message>
    <message>
        <source>Kesto Viruz cannot type text or watch the talk key without X11.</source>
        <translation>X11siz Kesto Viruz matn yoza olmaydi va gapirish tugmasini kuzata olmaydi.</translation>
    </message>
    <message>
        <source>Typing and the talk key need X11</source>
        <translation>Matn yozish va gapirish tugmasi uchun X11 kerak</translation>
    </message>
    <message>
        <source>The update server answered with an error (HTTP %1).</source>
        <translation>Yangilanish serveri xato bilan javob berdi (HTTP %1).</translation>
    </message>
    <message>
        <source>The computer is offline. Connect to the internet and try again.</source>
        <translation>Kompyuter internetga ulanmagan. Internetga ulaning va qayta urinib koʻring.</translation>
    </message>
    <message>
        <source>Could not reach the update server. Try again later.</source>
        <translation>Yangilanish serveriga ulanib boʻlmadi. Keyinroq qayta urinib koʻring.</translation>
    </message>
    <message>
        <source>The update information could not be read.</source>
        <translation>Yangilanish haqidagi maʼlumotni oʻqib boʻlmadi.</translation>
    </message>
    <message>
        <source>The downloaded update is damaged or was not signed by Kesto Viruz. It was deleted and nothing was installed.</source>
        <translation>Yuklab olingan yangilanish shikastlangan yoki Kesto Viruz tomonidan imzolanmagan. U oʻchirildi va hech narsa oʻrnatilmadi.</translation>
    </message>
    <message>
        <source>The update could not be saved: %1</source>
        <translation>Yangilanishni saqlab boʻlmadi: %1</translation>
    </message>
    <message>
        <source>The download of the update failed. Try again later.</source>
        <translation>Yangilanishni yuklab olib boʻlmadi. Keyinroq qayta urinib koʻring.</translation>
    </message>
    <message>
        <source>The update could not be installed: the program&apos;s folder was left as it was.</source>
        <translation>Yangilanishni oʻrnatib boʻlmadi: dastur papkasi oʻzgarmadi.</translation>
    </message>
    <message>
        <source>The update is installed. Quit and start Kesto Viruz again to use it.</source>
        <translation>Yangilanish oʻrnatildi. Undan foydalanish uchun Kesto Viruzdan chiqing va uni qayta ishga tushiring.</translation>
    </message>
    <message>
        <source>Install Kesto Viruz %1…</source>
        <translation>Kesto Viruz %1 ni oʻrnatish…</translation>
    </message>
    <message>
        <source>Kesto Viruz %1 is available</source>
        <translation>Kesto Viruz %1 chiqdi</translation>
    </message>
    <message>
        <source>You have version %1.</source>
        <translation>Sizdagi versiya: %1.</translation>
    </message>
    <message>
        <source>Show update</source>
        <translation>Yangilanishni koʻrish</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Dasturni yangilash</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>Nimalar yangi</translation>
    </message>
    <message>
        <source>Skip this version</source>
        <translation>Bu versiyani oʻtkazib yuborish</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Keyinroq eslatish</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Oʻrnatish</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Yangilanishlar tekshirilmoqda…</translation>
    </message>
    <message>
        <source>Kesto Viruz is up to date</source>
        <translation>Kesto Viruz eng soʻnggi versiyada</translation>
    </message>
    <message>
        <source>Version %1 is the newest version.</source>
        <translation>%1 — eng yangi versiya.</translation>
    </message>
    <message>
        <source>Downloading Kesto Viruz %1</source>
        <translation>Kesto Viruz %1 yuklab olinmoqda</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Installing Kesto Viruz %1</source>
        <translation>Kesto Viruz %1 oʻrnatilmoqda</translation>
    </message>
    <message>
        <source>Checking the signature of the download…</source>
        <translation>Yuklab olingan faylning imzosi tekshirilmoqda…</translation>
    </message>
    <message>
        <source>Updating did not work</source>
        <translation>Yangilab boʻlmadi</translation>
    </message>
    <message>
        <source>The sound system could not open it.</source>
        <translation>Ovoz tizimi uni ocha olmadi.</translation>
    </message>
    <message>
        <source>Noise reduction could not be switched on.</source>
        <translation>Shovqinni kamaytirishni yoqib boʻlmadi.</translation>
    </message>
    <message>
        <source>The recording could not be saved to a temporary file.</source>
        <translation>Yozuvni vaqtinchalik faylga saqlab boʻlmadi.</translation>
    </message>
    <message>
        <source>The previous version was put back as it was.</source>
        <translation>Oldingi versiya avvalgidek qaytarildi.</translation>
    </message>
    <message>
        <source>The downloaded update is not the version that was offered, or is not newer than this one. It was deleted and nothing was installed.</source>
        <translation>Yuklab olingan yangilanish taklif qilingan versiya emas yoki bu versiyadan yangi emas. U oʻchirildi va hech narsa oʻrnatilmadi.</translation>
    </message>
    <message>
        <source>The update could not replace %1.</source>
        <translation>Yangilanish %1 ni almashtira olmadi.</translation>
    </message>
    <message>
        <source>The new version did not start.</source>
        <translation>Yangi versiya ishga tushmadi.</translation>
    </message>
    <message>
        <source>The update could not be installed, and the previous version could not be put back whole. Install Kesto Viruz again.</source>
        <translation>Yangilanishni oʻrnatib boʻlmadi va oldingi versiyani toʻliq qaytarib boʻlmadi. Kesto Viruzni qayta oʻrnating.</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Fayl menejerida koʻrsatish</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Yangilanishlarni tekshirib boʻlmadi</translation>
    </message>
    <message>
        <source>Kesto Viruz %1 is in your Downloads folder</source>
        <translation>Kesto Viruz %1 Yuklanmalar jildingizda</translation>
    </message>
    <message>
        <source>This copy was installed by the package manager, so it does not replace itself.</source>
        <translation>Bu nusxa paket menejeri orqali oʻrnatilgan, shuning uchun u oʻzini oʻzi almashtirmaydi.</translation>
    </message>
    <message>
        <source>This copy cannot replace itself: its folder is read-only.</source>
        <translation>Bu nusxa oʻzini oʻzi almashtira olmaydi: uning jildi faqat oʻqish uchun.</translation>
    </message>
    <message>
        <source>The update was downloaded, checked and saved as “%1”.</source>
        <translation>Yangilanish yuklab olindi, tekshirildi va “%1” sifatida saqlandi.</translation>
    </message>
    <message>
        <source>Changes are not being saved</source>
        <translation>Oʻzgarishlar saqlanmayapti</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 faylini yozib boʻlmadi: %2</translation>
    </message>
    <message>
        <source>%1 could not be read and was left as it is; changes to it are not saved.</source>
        <translation>%1 faylini oʻqib boʻlmadi va u oʻz holicha qoldirildi; undagi oʻzgarishlar saqlanmaydi.</translation>
    </message>
    <message>
        <source>%1 could not be read; it was kept as %2 in %3.</source>
        <translation>%1 faylini oʻqib boʻlmadi; u %3 jildida %2 nomi bilan saqlab qoʻyildi.</translation>
    </message>
    <message>
        <source>Some data could not be read</source>
        <translation>Baʼzi maʼlumotlarni oʻqib boʻlmadi</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk for the update. Free some space and try again.</source>
        <translation>Yangilanish uchun diskda boʻsh joy yetarli emas. Joy boʻshating va qayta urinib koʻring.</translation>
    </message>
    <message>
        <source>Another copy of Kesto Viruz is installing an update. Nothing was changed.</source>
        <translation>Kesto Viruzning boshqa nusxasi yangilanishni oʻrnatmoqda. Hech narsa oʻzgartirilmadi.</translation>
    </message>
    <message>
        <source>Kesto Viruz was updated</source>
        <translation>Kesto Viruz yangilandi</translation>
    </message>
    <message>
        <source>You now have version %1.</source>
        <translation>Endi sizda %1-versiya.</translation>
    </message>
    <message>
        <source>Putting the new version in place. Kesto Viruz restarts when it is done.</source>
        <translation>Yangi versiya oʻrnatilmoqda. Tugagach, Kesto Viruz qayta ishga tushadi.</translation>
    </message>
    <message>
        <source>This is not a word list. Choose a text file with one word per line, or the vocabulary.json of a Kesto Viruz export.</source>
        <translation>Bu soʻzlar roʻyxati emas. Har qatorda bitta soʻz yozilgan matn faylini yoki Kesto Viruz eksportidagi vocabulary.json faylini tanlang.</translation>
    </message>
    <message>
        <source>This archive is not a Kesto Viruz export.</source>
        <translation>Bu arxiv Kesto Viruz eksporti emas.</translation>
    </message>
    <message>
        <source>The audio file is missing · %1</source>
        <translation>Audio fayl topilmadi · %1</translation>
    </message>
    <message>
        <source>Word lists and exports (*.txt *.csv *.json *.zip)</source>
        <translation>Soʻzlar roʻyxatlari va eksportlar (*.txt *.csv *.json *.zip)</translation>
    </message>
    <message numerus="yes">
        <source>%n new snippets</source>
        <translation>
            <numerusform>%n ta yangi shablon</numerusform>
            <numerusform>%n ta yangi shablon</numerusform>
        </translation>
    </message>
    <message>
        <source>The API key, words and snippets it held were taken back from it.</source>
        <translation>Undagi API kaliti, soʻzlar va shablonlar qayta tiklandi.</translation>
    </message>
    <message>
        <source>The last dictation is still being transcribed</source>
        <translation>Oldingi diktovka hali matnga oʻgirilmoqda</translation>
    </message>
    <message>
        <source>Stopped before the transcript arrived.</source>
        <translation>Matn kelishidan oldin toʻxtatildi.</translation>
    </message>
    <message>
        <source>The folder does not exist any more.</source>
        <translation>Bu jild endi mavjud emas.</translation>
    </message>
    <message>
        <source>There is no permission to write there.</source>
        <translation>U yerga yozishga ruxsat yoʻq.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disk toʻlgan.</translation>
    </message>
    <message>
        <source>The disk can only be read.</source>
        <translation>Diskni faqat oʻqish mumkin.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Nom juda uzun.</translation>
    </message>
    <message>
        <source>The disk did not answer.</source>
        <translation>Disk javob bermadi.</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Yigʻish</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Yoyish</translation>
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
        <translation>Orqaga</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fayl</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ochish</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ochish</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Saqlash</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Taxallus</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fayllar</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Koʻrsatish </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>“%1” yozishdan himoyalangan.
Baribir oʻchirilsinmi?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>“%1” oʻchirilsinmi?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Joylar va xatchoʻplar</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Fayl &amp;nomi:</translation>
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
        <translation>Fayl jildi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Oʻchirish</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Yangi jild</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Jild</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Yuqori jild</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Yangi jild</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Olib tashlash</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Mening kompyuterim</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Qayerda:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Yangi jild yaratish</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1 fayli</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fayl turi:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Jildni topish</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>&amp;Yashirin fayllarni koʻrsatish</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Boshqacha saqlash</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Jild topilmadi.
Jild nomi toʻgʻri kiritilganini tekshiring.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Yon panel</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Roʻyxat</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Tanlash</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Oʻchirish</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Barcha fayllar (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Barcha fayllar (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Jildlar</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Nomini oʻzgartirish</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Jildni oʻchirib boʻlmadi.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Jild:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nomaʼlum</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 allaqachon mavjud.
Uning oʻrniga yozilsinmi?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Oldinga</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Oldinga oʻtish</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Yuqori jildga oʻtish</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Soʻnggi joylar</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Orqaga qaytish</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Batafsil koʻrinishga oʻtish</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Yangi jild yaratish</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Yorliq</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Batafsil koʻrinish</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fayl topilmadi.
Fayl nomi toʻgʻri kiritilganini tekshiring.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Roʻyxat koʻrinishiga oʻtish</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Turi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Hajmi</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Turi</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Mening kompyuterim</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Kompyuter</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Fayl nomi yaroqsiz</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;“%1” nomidan foydalanib boʻlmaydi.&lt;/b&gt;&lt;p&gt;Qisqaroq yoki tinish belgilarisiz boshqa nom tanlang.</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Oʻzgartirilgan sana</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Kesib olish</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Nusxa olish</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Qaytarish</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Bekor qilish</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Qoʻyish</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Oʻchirish</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Hammasini belgilash</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Batafsil koʻrsatish...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Batafsilni yashirish...</translation>
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
        <translation>&amp;Yoʻq</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ha</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yordam</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ochish</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Saqlash</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Toʻxtatish</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Qoʻllash</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Yopish</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Asliga qaytarish</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Qayta urinish</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standart holatga qaytarish</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Bekor qilish</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Eʼtiborsiz qoldirish</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Hammasiga &amp;yoʻq</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Hammasini saqlash</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Saqlamaslik</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Hammasiga &amp;ha</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Top</source>
        <translation>Tepaga</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Pastga aylantirish</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Shu yerga aylantirish</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Chapga aylantirish</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Pastga</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Bir sahifa yuqoriga</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Bir sahifa oʻngga</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Yuqoriga aylantirish</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Oʻngga aylantirish</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Chap chekka</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Bir sahifa pastga</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Bir sahifa chapga</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Oʻng chekka</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Kesib olish</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Nusxa olish</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Qaytarish</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Bekor qilish</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Qoʻyish</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Oʻchirish</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Hammasini belgilash</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>&amp;Havola manzilidan nusxa olish</translation>
    </message>
</context>
</TS>
