<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uz">
<context>
    <name>L10n</name>
    <message>
        <source>Vocabulary</source>
        <translation>Lugʻat</translation>
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
        <source>Clear</source>
        <translation>Tozalash</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Tasdiqlash</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Oʻchirish</translation>
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
        <source>Exported</source>
        <translation>Eksport qilindi</translation>
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
        <source>Text files (*.txt *.csv)</source>
        <translation>Matn fayllari (*.txt *.csv)</translation>
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
        <source>Scan the QR code with your phone's camera.</source>
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
</context>
</TS>
