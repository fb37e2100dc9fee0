<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uz">
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
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>“%1” yozishdan himoyalangan.
Baribir oʻchirilsinmi?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
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
        <source>&lt;b&gt;The name "%1" cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
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
