<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Датотека</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>Фасцикла датотека</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Фасцикла</translation>
    </message>
    <message>
        <source>Alias</source>
        <comment>macOS Finder</comment>
        <translation>Алијас</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Пречица</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Непознато</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Изабери све</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Повећај</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>С&amp;мањи</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Задатак</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Контрола задатка</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Заказано штампање:</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Подаци за наплату:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Приоритет задатка:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Насловне странице</translation>
    </message>
    <message>
        <source>End:</source>
        <comment>Banner page at end</comment>
        <translation>Крај:</translation>
    </message>
    <message>
        <source>Start:</source>
        <comment>Banner page at start</comment>
        <translation>Почетак:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Штампај одмах</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Задржи на неодређено време</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Дан (06:00 до 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Ноћ (18:00 до 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Друга смена (16:00 до 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Трећа смена (00:00 до 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Викенд (субота и недеља)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Одређено време</translation>
    </message>
    <message>
        <source>None</source>
        <comment>CUPS Banner page</comment>
        <translation>Без</translation>
    </message>
    <message>
        <source>Standard</source>
        <comment>CUPS Banner page</comment>
        <translation>Стандардна</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <comment>CUPS Banner page</comment>
        <translation>Некласификовано</translation>
    </message>
    <message>
        <source>Confidential</source>
        <comment>CUPS Banner page</comment>
        <translation>Поверљиво</translation>
    </message>
    <message>
        <source>Classified</source>
        <comment>CUPS Banner page</comment>
        <translation>Класификовано</translation>
    </message>
    <message>
        <source>Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Тајно</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Строго поверљиво</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>Потребна је потврда идентитета</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Потребна је потврда идентитета за коришћење ресурса %1.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Потребна је потврда идентитета за коришћење ресурса %1 на рачунару %2.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Корисничко име:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Лозинка:</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Тражи у:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Иди назад</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Напред</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Иди напред</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Надређена фасцикла</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Иди у надређену фасциклу</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Направи нову фасциклу</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Направите нову фасциклу</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Приказ листе</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Пребаци на приказ листе</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Детаљан приказ</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Пребаци на детаљан приказ</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Бочна трака</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Списак места и обележивача</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Датотеке</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Датотеке типа:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Пронађи фасциклу</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Отвори</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сачувај као</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Фасцикла:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Име датотеке:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Отвори</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Изабери</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сачувај</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Прикажи </translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Преименуј</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Обриши</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Прикажи &amp;скривене датотеке</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Нова фасцикла</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Све датотеке (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Фасцикле</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Фасцикла није пронађена.
Проверите да ли сте унели исправно име фасцикле.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 већ постоји.
Да ли желите да је замените?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Датотека није пронађена.
Проверите да ли сте унели исправно име датотеке.</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Нова фасцикла</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Брисање</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>„%1“ је заштићено од уписа.
Да ли ипак желите да га обришете?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Да ли сте сигурни да желите да обришете „%1“?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Фасцикла не може да се обрише.</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Недавна места</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Уклони</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Све датотеке (*)</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Име</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Величина</translation>
    </message>
    <message>
        <source>Kind</source>
        <comment>Match OS X Finder</comment>
        <translation>Врста</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Датум измене</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Мој рачунар</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Рачунар</translation>
    </message>
</context>
<context>
    <name>QFontDatabase</name>
    <message>
        <source>Normal</source>
        <comment>The Normal or Regular font weight</comment>
        <translation>Нормално</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Подебљано</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <translation>Полуподебљано</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>The Medium font weight</comment>
        <translation>Средње</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Црно</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Лако</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Танко</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <translation>Екстра лако</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <translation>Екстра подебљано</translation>
    </message>
    <message>
        <source>Extra</source>
        <extracomment>The word for &quot;Extra&quot; as in &quot;Extra Bold, Extra Thin&quot; used as a pattern for string searches</extracomment>
        <translation>Екстра</translation>
    </message>
    <message>
        <source>Demi</source>
        <extracomment>The word for &quot;Demi&quot; as in &quot;Demi Bold&quot; used as a pattern for string searches</extracomment>
        <translation>Полу</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курзив</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>Косо</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Било које</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Латиница</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Грчко</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Ћирилица</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Јерменско</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Хебрејско</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арапско</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>Сиријско</translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation>Тана</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>Деванагари</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Бенгалско</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>Гурмуки</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Гуџарати</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>Орија</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Тамилско</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Телугу</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Канада</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>Малајалам</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>Синхалско</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Тајландско</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>Лаошко</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Тибетанско</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>Бурманско</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Грузијско</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>Кмерско</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Поједностављено кинеско</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Традиционално кинеско</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Јапанско</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корејско</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Вијетнамско</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Симболи</translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation>Огамско</translation>
    </message>
    <message>
        <source>Runic</source>
        <translation>Рунско</translation>
    </message>
    <message>
        <source>N&apos;Ko</source>
        <translation>Нко</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>Select Font</source>
        <translation>Избор фонта</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Фонт</translation>
    </message>
    <message>
        <source>Font st&amp;yle</source>
        <translation>&amp;Стил фонта</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Величина</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Ефекти</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>Пре&amp;цртано</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Подвучено</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Пример</translation>
    </message>
    <message>
        <source>Wr&amp;iting System</source>
        <translation>Систем п&amp;исања</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;У реду</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сачувај</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Откажи</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Затвори</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Затвори без чувања</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Опозови</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Понови</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Исеци</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копирај</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Налепи</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Обриши</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Изабери све</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Прикажи детаље...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Сакриј детаље...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;О Qt-у&lt;/h3&gt;&lt;p&gt;Овај програм користи Qt верзије %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <extracomment>Leave this text untranslated or include a verbatim copy of it below and note that it is the authoritative version in case of doubt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>О Qt-у</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Form</source>
        <translation>Образац</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Папир</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Величина странице:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Висина:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Извор папира:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Оријентација</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Усправно</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Положено</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Обрнуто положено</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Обрнуто усправно</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Маргине</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>горња маргина</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>лева маргина</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>десна маргина</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>доња маргина</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Распоред на страници</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Редослед страница:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Страница по листу:</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Милиметри (mm)</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Инчи (in)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Тачке (pt)</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Пика (P̸)</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Дидо (DD)</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Цицеро (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Прилагођено</translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>Unit &apos;Millimeter&apos;</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <extracomment>Unit &apos;Points&apos;</extracomment>
        <translation>pt</translation>
    </message>
    <message>
        <source>in</source>
        <extracomment>Unit &apos;Inch&apos;</extracomment>
        <translation>in</translation>
    </message>
    <message>
        <source>P̸</source>
        <extracomment>Unit &apos;Pica&apos;</extracomment>
        <translation>P̸</translation>
    </message>
    <message>
        <source>DD</source>
        <extracomment>Unit &apos;Didot&apos;</extracomment>
        <translation>DD</translation>
    </message>
    <message>
        <source>CC</source>
        <extracomment>Unit &apos;Cicero&apos;</extracomment>
        <translation>CC</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <extracomment>Custom size name in millimeters</extracomment>
        <translation>Прилагођено (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <extracomment>Custom size name in points</extracomment>
        <translation>Прилагођено (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <extracomment>Custom size name in inches</extracomment>
        <translation>Прилагођено (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <extracomment>Custom size name in picas</extracomment>
        <translation>Прилагођено (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <extracomment>Custom size name in didots</extracomment>
        <translation>Прилагођено (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <extracomment>Custom size name in ciceros</extracomment>
        <translation>Прилагођено (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <extracomment>Page size in &apos;Inch&apos;.</extracomment>
        <translation>%1 x %2 in</translation>
    </message>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>A10</source>
        <translation>A10</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7,5 x 10 in)</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7,25 x 10,5 in)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8,27 x 13 in)</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Ledger / ANSI B</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Прилагођено</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 Extra</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 Extra</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 Plus</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 Small</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 Extra</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 Extra</translation>
    </message>
    <message>
        <source>JIS B0</source>
        <translation>JIS B0</translation>
    </message>
    <message>
        <source>JIS B1</source>
        <translation>JIS B1</translation>
    </message>
    <message>
        <source>JIS B2</source>
        <translation>JIS B2</translation>
    </message>
    <message>
        <source>JIS B3</source>
        <translation>JIS B3</translation>
    </message>
    <message>
        <source>JIS B4</source>
        <translation>JIS B4</translation>
    </message>
    <message>
        <source>JIS B5</source>
        <translation>JIS B5</translation>
    </message>
    <message>
        <source>JIS B6</source>
        <translation>JIS B6</translation>
    </message>
    <message>
        <source>JIS B7</source>
        <translation>JIS B7</translation>
    </message>
    <message>
        <source>JIS B8</source>
        <translation>JIS B8</translation>
    </message>
    <message>
        <source>JIS B9</source>
        <translation>JIS B9</translation>
    </message>
    <message>
        <source>JIS B10</source>
        <translation>JIS B10</translation>
    </message>
    <message>
        <source>ANSI C</source>
        <translation>ANSI C</translation>
    </message>
    <message>
        <source>ANSI D</source>
        <translation>ANSI D</translation>
    </message>
    <message>
        <source>ANSI E</source>
        <translation>ANSI E</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal Extra</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter Extra</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter Plus</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter Small</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid Extra</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Архитектонски A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Архитектонски B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Архитектонски C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Архитектонски D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Архитектонски E</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>Super A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>Super B</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Разгледница</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Двострука разгледница</translation>
    </message>
    <message>
        <source>PRC 16K</source>
        <translation>PRC 16K</translation>
    </message>
    <message>
        <source>PRC 32K</source>
        <translation>PRC 32K</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K Big</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Бескрајни папир САД (14,875 x 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Бескрајни папир немачки (8,5 x 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Бескрајни папир немачки Legal (8,5 x 13 in)</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Коверат B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Коверат B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Коверат B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Коверат C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Коверат C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Коверат C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Коверат C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Коверат C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Коверат C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Коверат C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Коверат C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Коверат C7</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Коверат DL</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Коверат US 9</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Коверат US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Коверат US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Коверат US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Коверат US 14</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Коверат Monarch</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Коверат Personal</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Коверат Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Коверат Chou 4</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Коверат Invite</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Коверат италијански</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Коверат Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Коверат Kaku 3</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Коверат PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Коверат PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Коверат PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Коверат PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Коверат PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Коверат PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Коверат PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Коверат PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Коверат PRC 9</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Коверат PRC 10</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Коверат You 4</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сачувај</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Сачувај све</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Отвори</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Да за &amp;све</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Не</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Н&amp;е за све</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прекини</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Покушај поново</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Занемари</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Одбаци</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помоћ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Примени</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ресетуј</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Врати подразумевано</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Штампање</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Све странице</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Непарне странице</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Парне странице</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Опције &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Штампај</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Опције &lt;&lt;</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Неисправно задате странице</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 не поштује исправну синтаксу. Користите „,“ за раздвајање опсега и страница, „-“ за задавање опсега и пазите да се опсези међусобно не преклапају.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Сукоби у подешавањима двостраног штампања</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Постоје сукоби у подешавањима двостраног штампања. Да ли желите да их исправите?</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Штампај у датотеку (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Локална датотека</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Упис PDF датотеке</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Штампај у датотеку...</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 је фасцикла.
Изаберите друго име датотеке.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>У датотеку %1 не може да се пише.
Изаберите друго име датотеке.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 већ постоји.
Да ли желите да је препишете?</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Опције „Страница по листу“ и „Скуп страница“ не могу да се користе заједно.
Искључите једну од њих.</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Слева надесно, одозго надоле</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Слева надесно, одоздо нагоре</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Здесна налево, одоздо нагоре</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Здесна налево, одозго надоле</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Одоздо нагоре, слева надесно</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Одоздо нагоре, здесна налево</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Одозго надоле, слева надесно</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Одозго надоле, здесна налево</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>Вредност „Од“ не може да буде већа од вредности „До“.</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page Setup</source>
        <translation>Подешавање странице</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Својства штампача</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Опције задатка</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Сукоби у подешавању странице</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Постоје сукоби у опцијама подешавања странице. Да ли желите да их исправите?</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Сукоби у напредним опцијама</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Постоје сукоби у неким напредним опцијама. Да ли желите да их исправите?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Образац</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Страница</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Напредно</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Постоје сукоби у неким опцијама. Исправите их.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Form</source>
        <translation>Образац</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Примерци</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Опсег штампања</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Штампај све</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Странице од</translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Странице</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Наведите странице или опсеге раздвојене зарезима. Опсег се задаје са два броја раздвојена цртицом. На пример, 3,5-7,9 штампа странице 3, 5, 6, 7 и 9.</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Тренутна страница</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Избор</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Скуп страница:</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Подешавања излаза</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Примерци:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Сложи по примерцима</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Обрнутим редом</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опције</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Режим боја</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>У боји</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Нијансе сиве</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Двострано штампање</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Искључено</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Повез по дужој ивици</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Повез по краћој ивици</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Образац</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Штампач</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Име:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Својства</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Локација:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Преглед</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Излазна &amp;датотека:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Помери овде</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Леви крај</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Врх</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Десни крај</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Дно</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Страница лево</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Страница горе</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Страница десно</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Страница доле</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Помери лево</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Помери горе</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Помери десно</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Помери доле</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Ознака слева надесно</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Ознака здесна налево</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Спојник нулте ширине</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Неспојник нулте ширине</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Размак нулте ширине</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Почетак уметања слева надесно</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Почетак уметања здесна налево</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Почетак наметања слева надесно</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Почетак наметања здесна налево</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Крај смерног форматирања</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Издвајање слева надесно</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Издвајање здесна налево</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Издвајање по првом јаком знаку</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Крај смерног издвајања</translation>
    </message>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Уметни контролни знак Уникода</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Опозови</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Понови</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Исеци</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копирај</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Копирај &amp;адресу везе</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Налепи</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Обриши</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Изабери све</translation>
    </message>
</context>
</TS>
