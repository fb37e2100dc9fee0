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
    <message>
        <source>%1 words</source>
        <translation>%1 ta soʻz</translation>
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
        <translation>Kompyuter band. Birozdan so'ng qayta urinib ko'ring.</translation>
    </message>
    <message>
        <source>The recording could not be read as audio.</source>
        <translation>Yozuvni audio sifatida o'qib bo'lmadi.</translation>
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
        <translation>%1-portni ochib bo'lmadi: %2</translation>
    </message>
    <message>
        <source>Could not create the HTTPS certificate.</source>
        <translation>HTTPS sertifikatini yaratib bo'lmadi.</translation>
    </message>
</context>
</TS>
