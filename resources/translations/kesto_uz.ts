<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uz">
<context>
    <name>L10n</name>
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
        <translation>Nutq matnga aylantirilmoqda…</translation>
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
        <source>the request timed out</source>
        <translation>soʻrovning kutish vaqti tugadi</translation>
    </message>
    <message>
        <source>Add your Gemini API key in Settings.</source>
        <translation>Sozlamalarda Gemini API kalitingizni qoʻshing.</translation>
    </message>
    <message>
        <source>Waiting for Accessibility permission.</source>
        <translation>Maxsus imkoniyatlar ruxsati kutilmoqda.</translation>
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
        <translation>Matn tarixda saqlandi</translation>
    </message>
    <message>
        <source>Saved to folder</source>
        <translation>Jildga saqlandi</translation>
    </message>
    <message>
        <source>Transcribed</source>
        <translation>Matnga aylantirildi</translation>
    </message>
    <message>
        <source>Not transcribed</source>
        <translation>Matnga aylantirilmadi</translation>
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
        <source>Port %1 could not be opened: %2</source>
        <translation>%1-portni ochib boʻlmadi: %2</translation>
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
        <source>Could not reach Gemini: %1</source>
        <translation>Gemini bilan bogʻlanib boʻlmadi: %1</translation>
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
        <translation>Matnga aylantirilmoqda...</translation>
    </message>
    <message>
        <source>Accessibility permission needed</source>
        <translation>Maxsus imkoniyatlar ruxsati kerak</translation>
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
        <source>This Wayland session offers no X11 display, so keys cannot be typed or watched.</source>
        <translation>Bu Wayland seansida X11 displeyi yoʻq, shuning uchun tugmalarni bosib ham, kuzatib ham boʻlmaydi.</translation>
    </message>
    <message>
        <source>There is no X11 display, so keys cannot be typed or watched.</source>
        <translation>X11 displeyi yoʻq, shuning uchun tugmalarni bosib ham, kuzatib ham boʻlmaydi.</translation>
    </message>
    <message>
        <source>The X11 display does not answer, so keys cannot be typed or watched.</source>
        <translation>X11 displeyi javob bermayapti, shuning uchun tugmalarni bosib ham, kuzatib ham boʻlmaydi.</translation>
    </message>
    <message>
        <source>The X11 display does not allow typing keys (no XTEST extension).</source>
        <translation>X11 displeyi tugmalarni bosishga ruxsat bermaydi (XTEST kengaytmasi yoʻq).</translation>
    </message>
    <message>
        <source>The X11 display does not allow watching keys (no XInput2 extension).</source>
        <translation>X11 displeyi tugmalarni kuzatishga ruxsat bermaydi (XInput2 kengaytmasi yoʻq).</translation>
    </message>
    <message>
        <source>The sound server does not answer.</source>
        <translation>Ovoz serveri javob bermayapti.</translation>
    </message>
    <message>
        <source>The sound server has no microphone.</source>
        <translation>Ovoz serverida mikrofon yoʻq.</translation>
    </message>
</context>
</TS>
