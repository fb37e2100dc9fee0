<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uz">
<context>
    <name>L10n</name>
    <message>
        <source>Model instructions</source>
        <translation>Model uchun koʻrsatmalar</translation>
    </message>
    <message>
        <source>Model default</source>
        <translation>Model standarti</translation>
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
        <translation>Qoʻyish (Ctrl+V)</translation>
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
        <translation>Yozuvlar matnga aylangandan keyin ham maʼlumotlar jildida qoladi</translation>
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
        <translation>Xuddi shu Wi-Fi tarmogʻidagi telefon shu kompyuterga diktovka qila oladi</translation>
    </message>
    <message>
        <source>Type phone text into the front app</source>
        <translation>Telefondagi matnni ochiq ilovaga yozish</translation>
    </message>
    <message>
        <source>Otherwise it is only kept in History</source>
        <translation>Aks holda u faqat tarixda saqlanadi</translation>
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
        <source>Open</source>
        <translation>Ochish</translation>
    </message>
    <message>
        <source>Data folder</source>
        <translation>Maʼlumotlar jildi</translation>
    </message>
    <message>
        <source>Export all</source>
        <translation>Hammasini eksport qilish</translation>
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
        <translation>Doimiy</translation>
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
        <source>Confirm</source>
        <translation>Tasdiqlash</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Oʻchirish</translation>
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
        <translation>Parazit soʻzlarni olib tashlash</translation>
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
        <translation>Oʻz-oʻzini tuzatishni tushunish</translation>
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
        <source>Gemini API key</source>
        <translation>Gemini API kaliti</translation>
    </message>
    <message>
        <source>Paste the key here</source>
        <translation>Kalitni shu yerga qoʻying</translation>
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
        <source>Checking…</source>
        <translation>Tekshirilmoqda…</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Tekshirilmagan</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Xato</translation>
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
        <source>Microphone</source>
        <translation>Mikrofon</translation>
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
        <source>Dictation</source>
        <translation>Diktovka</translation>
    </message>
    <message>
        <source>Cancel dictation</source>
        <translation>Diktovkani bekor qilish</translation>
    </message>
    <message>
        <source>Not typed; kept in History as cancelled</source>
        <translation>Yozilmaydi; tarixda bekor qilingan sifatida saqlanadi</translation>
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
        <translation>Tugmalarni almashtirish</translation>
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
        <source>Copy</source>
        <translation>Nusxalash</translation>
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
        <translation>“Record Audio” amalini qoʻshing. U darhol boshlanadigan va bosilganda tugaydigan qilib sozlang.</translation>
    </message>
    <message>
        <source>Add “Get Contents of URL” with the address above. Method: POST. Request Body: File, with the recorded audio.</source>
        <translation>Yuqoridagi manzil bilan “Get Contents of URL” amalini qoʻshing. Method: POST. Request Body: File, yozilgan audio bilan.</translation>
    </message>
    <message>
        <source>Add “Get Dictionary Value” with the key “text”.</source>
        <translation>“text” kaliti bilan “Get Dictionary Value” amalini qoʻshing.</translation>
    </message>
    <message>
        <source>Add “Show Result” to see the text.</source>
        <translation>Matnni koʻrish uchun “Show Result” amalini qoʻshing.</translation>
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
        <source>Copied</source>
        <translation>Nusxalandi</translation>
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
</context>
</TS>
