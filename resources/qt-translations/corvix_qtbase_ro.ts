<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Unitate</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fișier</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>Folder de fișiere</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Alias</source>
        <comment>macOS Finder</comment>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Comandă rapidă</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Necunoscut</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Selectare totală</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Creștere</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>Scă&amp;dere</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Lucrare</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Controlul lucrării</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Imprimare programată:</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Informații de facturare:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prioritatea lucrării:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Pagini de separare</translation>
    </message>
    <message>
        <source>End:</source>
        <comment>Banner page at end</comment>
        <translation>Sfârșit:</translation>
    </message>
    <message>
        <source>Start:</source>
        <comment>Banner page at start</comment>
        <translation>Început:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Imprimare imediată</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Reținere pe termen nedefinit</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Zi (06:00 - 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Noapte (18:00 - 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Tura a doua (16:00 - 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Tura a treia (00:00 - 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Sfârșit de săptămână (sâmbătă - duminică)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>La o anumită oră</translation>
    </message>
    <message>
        <source>None</source>
        <comment>CUPS Banner page</comment>
        <translation>Niciuna</translation>
    </message>
    <message>
        <source>Standard</source>
        <comment>CUPS Banner page</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <comment>CUPS Banner page</comment>
        <translation>Neclasificat</translation>
    </message>
    <message>
        <source>Confidential</source>
        <comment>CUPS Banner page</comment>
        <translation>Confidențial</translation>
    </message>
    <message>
        <source>Classified</source>
        <comment>CUPS Banner page</comment>
        <translation>Clasificat</translation>
    </message>
    <message>
        <source>Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Secret</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Strict secret</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>Este necesară autentificarea</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Este necesară autentificarea pentru a utiliza %1.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Este necesară autentificarea pentru a utiliza %1 pe %2.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nume utilizator:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parolă:</translation>
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
        <source>Look in:</source>
        <translation>Căutare în:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Mergeți înapoi</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Înainte</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Mergeți înainte</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Folderul părinte</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Mergeți la folderul părinte</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Creare folder nou</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Creați un folder nou</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Vizualizare listă</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Comutați la vizualizarea listă</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Vizualizare detaliată</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Comutați la vizualizarea detaliată</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bară laterală</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista locurilor și a marcajelor</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fișiere</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fișiere de tipul:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Găsire folder</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschidere</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvare ca</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nume fișier:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Deschidere</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Alegere</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvare</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Afișare </translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Redenumire</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ș&amp;tergere</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Afișare fișiere &amp;ascunse</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Folder &amp;nou</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Toate fișierele (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Foldere</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Folderul nu a fost găsit.
Verificați dacă ați introdus corect numele folderului.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 există deja.
Doriți să îl înlocuiți?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fișierul nu a fost găsit.
Verificați dacă ați introdus corect numele fișierului.</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Folder nou</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ștergere</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>„%1” este protejat la scriere.
Doriți să îl ștergeți oricum?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Sigur doriți să ștergeți „%1”?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Folderul nu a putut fi șters.</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Locuri recente</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminare</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Toate fișierele (*)</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensiune</translation>
    </message>
    <message>
        <source>Kind</source>
        <comment>Match OS X Finder</comment>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data modificării</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Computerul meu</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
</context>
<context>
    <name>QFontDatabase</name>
    <message>
        <source>Normal</source>
        <comment>The Normal or Regular font weight</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Aldin</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <translation>Semialdin</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>The Medium font weight</comment>
        <translation>Mediu</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negru</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ușor</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Subțire</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <translation>Extra ușor</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <translation>Extra aldin</translation>
    </message>
    <message>
        <source>Extra</source>
        <extracomment>The word for &quot;Extra&quot; as in &quot;Extra Bold, Extra Thin&quot; used as a pattern for string searches</extracomment>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Demi</source>
        <extracomment>The word for &quot;Demi&quot; as in &quot;Demi Bold&quot; used as a pattern for string searches</extracomment>
        <translation>Semi</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiv</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>Oblic</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Oricare</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latin</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Chirilic</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armean</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Ebraic</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arab</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>Siriac</translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation>Thaana</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>Devanagari</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengali</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>Gurmukhi</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Gujarati</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>Oriya</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamil</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Telugu</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Kannada</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>Malayalam</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>Singalez</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailandez</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>Laoțian</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibetan</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>Birmanez</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgian</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>Khmer</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinez simplificat</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinez tradițional</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonez</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreean</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamez</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simboluri</translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation>Ogham</translation>
    </message>
    <message>
        <source>Runic</source>
        <translation>Runic</translation>
    </message>
    <message>
        <source>N&apos;Ko</source>
        <translation>N&apos;Ko</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>Select Font</source>
        <translation>Selectare font</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>Font st&amp;yle</source>
        <translation>St&amp;il font</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Dimensiune</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efecte</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Tăiat</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>S&amp;ubliniat</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Eșantion</translation>
    </message>
    <message>
        <source>Wr&amp;iting System</source>
        <translation>Sistem de &amp;scriere</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvare</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anulare</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Î&amp;nchidere</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Închidere fără salvare</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anulare</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refacere</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Decupare</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiere</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipire</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ștergere</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selectare totală</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Afișare detalii...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ascundere detalii...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Despre Qt&lt;/h3&gt;&lt;p&gt;Acest program folosește Qt versiunea %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <extracomment>Leave this text untranslated or include a verbatim copy of it below and note that it is the authoritative version in case of doubt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Despre Qt</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Hârtie</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Dimensiune pagină:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Lățime:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Înălțime:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Sursă hârtie:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientare</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portret</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Vedere</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Vedere inversată</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Portret inversat</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>marginea de sus</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>marginea din stânga</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>marginea din dreapta</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>marginea de jos</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Aspect pagină</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Ordinea paginilor:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Pagini pe foaie:</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetri (mm)</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inchi (in)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Puncte (pt)</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizat</translation>
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
        <translation>Personalizat (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <extracomment>Custom size name in points</extracomment>
        <translation>Personalizat (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <extracomment>Custom size name in inches</extracomment>
        <translation>Personalizat (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <extracomment>Custom size name in picas</extracomment>
        <translation>Personalizat (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <extracomment>Custom size name in didots</extracomment>
        <translation>Personalizat (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <extracomment>Custom size name in ciceros</extracomment>
        <translation>Personalizat (%1CC x %2CC)</translation>
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
        <translation>Personalizat</translation>
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
        <translation>Arhitectură A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Arhitectură B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Arhitectură C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Arhitectură D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Arhitectură E</translation>
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
        <translation>Carte poștală</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Carte poștală dublă</translation>
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
        <translation>Hârtie continuă SUA (14,875 x 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Hârtie continuă germană (8,5 x 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Hârtie continuă germană Legal (8,5 x 13 in)</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Plic B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Plic B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Plic B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Plic C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Plic C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Plic C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Plic C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Plic C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Plic C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Plic C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Plic C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Plic C7</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Plic DL</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Plic US 9</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Plic US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Plic US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Plic US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Plic US 14</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Plic Monarch</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Plic Personal</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Plic Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Plic Chou 4</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Plic Invite</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Plic italian</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Plic Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Plic Kaku 3</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Plic PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Plic PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Plic PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Plic PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Plic PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Plic PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Plic PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Plic PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Plic PRC 9</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Plic PRC 10</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Plic You 4</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salvare totală</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschidere</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da pentru &amp;toate</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;u pentru toate</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandon</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reîncercare</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorare</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închidere</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Renunțare</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetare</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restabilire valori implicite</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimare</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Toate paginile</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Pagini impare</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Pagini pare</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Opțiuni &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimare</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Opțiuni &lt;&lt;</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Pagini specificate greșit</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 nu respectă sintaxa corectă. Folosiți „,” pentru a separa intervalele și paginile, „-” pentru a defini intervale și asigurați-vă că intervalele nu se suprapun.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Conflicte în setările față-verso</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Există conflicte în setările față-verso. Doriți să le remediați?</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Imprimare în fișier (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Fișier local</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Scriere fișier PDF</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Imprimare în fișier...</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 este un folder.
Alegeți alt nume de fișier.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Fișierul %1 nu poate fi scris.
Alegeți alt nume de fișier.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 există deja.
Doriți să îl suprascrieți?</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Opțiunile „Pagini pe foaie” și „Set de pagini” nu pot fi folosite împreună.
Dezactivați una dintre ele.</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>De la stânga la dreapta, de sus în jos</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>De la stânga la dreapta, de jos în sus</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>De la dreapta la stânga, de jos în sus</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>De la dreapta la stânga, de sus în jos</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>De jos în sus, de la stânga la dreapta</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>De jos în sus, de la dreapta la stânga</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>De sus în jos, de la stânga la dreapta</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>De sus în jos, de la dreapta la stânga</translation>
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
        <translation>Valoarea „De la” nu poate fi mai mare decât valoarea „Până la”.</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page Setup</source>
        <translation>Inițializare pagină</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Proprietăți imprimantă</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Opțiuni lucrare</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Conflicte în inițializarea paginii</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Există conflicte în opțiunile de inițializare a paginii. Doriți să le remediați?</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Conflicte în opțiunile avansate</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Există conflicte în unele opțiuni avansate. Doriți să le remediați?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagină</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansat</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Există conflicte în unele opțiuni. Remediați-le.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Exemplare</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Interval de imprimare</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Imprimare totală</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Paginile de la</translation>
    </message>
    <message>
        <source>to</source>
        <translation>până la</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagini</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Specificați pagini sau intervale separate prin virgulă. Un interval se specifică prin două numere separate de cratimă. De exemplu, 3,5-7,9 imprimă paginile 3, 5, 6, 7 și 9.</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Pagina curentă</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selecție</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Set de pagini:</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Setări de ieșire</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Exemplare:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Colaționare</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Ordine inversă</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opțiuni</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Mod culoare</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Tonuri de gri</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Imprimare față-verso</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Dezactivată</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Legare pe latura lungă</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Legare pe latura scurtă</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimantă</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nume:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;roprietăți</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Locație:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Previzualizare</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Fișier de ieșire:</translation>
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
        <translation>Derulare aici</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Marginea din stânga</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Marginea de sus</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Marginea din dreapta</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Marginea de jos</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>O pagină la stânga</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>O pagină în sus</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>O pagină la dreapta</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>O pagină în jos</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Derulare la stânga</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Derulare în sus</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Derulare la dreapta</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Derulare în jos</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Marcaj stânga-dreapta</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Marcaj dreapta-stânga</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Element de unire de lățime zero</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Element de neunire de lățime zero</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Spațiu de lățime zero</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Început de încorporare stânga-dreapta</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Început de încorporare dreapta-stânga</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Început de forțare stânga-dreapta</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Început de forțare dreapta-stânga</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Sfârșit de formatare direcțională</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Izolare stânga-dreapta</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Izolare dreapta-stânga</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Izolare după primul caracter puternic</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Sfârșit de izolare direcțională</translation>
    </message>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Inserare caracter de control Unicode</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anulare</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refacere</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Decupare</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiere</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiere adresă le&amp;gătură</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipire</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ștergere</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selectare totală</translation>
    </message>
</context>
</TS>
