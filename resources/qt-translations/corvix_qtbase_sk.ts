<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Disková jednotka</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Súbor</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>Priečinok súborov</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Priečinok</translation>
    </message>
    <message>
        <source>Alias</source>
        <comment>macOS Finder</comment>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Odkaz</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznáme</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Úloha</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Riadenie úlohy</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Plánovaná tlač:</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Fakturačné údaje:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Priorita úlohy:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Titulné strany</translation>
    </message>
    <message>
        <source>End:</source>
        <comment>Banner page at end</comment>
        <translation>Na konci:</translation>
    </message>
    <message>
        <source>Start:</source>
        <comment>Banner page at start</comment>
        <translation>Na začiatku:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Tlačiť okamžite</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Pozdržať na neurčito</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Cez deň (06:00 – 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>V noci (18:00 – 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Druhá zmena (16:00 – 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Tretia zmena (00:00 – 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Cez víkend (sobota – nedeľa)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>V určenom čase</translation>
    </message>
    <message>
        <source>None</source>
        <comment>CUPS Banner page</comment>
        <translation>Žiadna</translation>
    </message>
    <message>
        <source>Standard</source>
        <comment>CUPS Banner page</comment>
        <translation>Štandardná</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <comment>CUPS Banner page</comment>
        <translation>Neutajované</translation>
    </message>
    <message>
        <source>Confidential</source>
        <comment>CUPS Banner page</comment>
        <translation>Dôverné</translation>
    </message>
    <message>
        <source>Classified</source>
        <comment>CUPS Banner page</comment>
        <translation>Utajované</translation>
    </message>
    <message>
        <source>Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Tajné</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Prísne tajné</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>Vyžaduje sa overenie</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Na použitie %1 sa vyžaduje overenie.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Na použitie %1 na %2 sa vyžaduje overenie.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Používateľské meno:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Heslo:</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Všetky súbory (*)</translation>
    </message>
</context>
<context>
    <name>QFontDatabase</name>
    <message>
        <source>Medium</source>
        <comment>The Medium font weight</comment>
        <translation>Stredné</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Tenké</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <translation>Extra svetlé</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <translation>Extra tučné</translation>
    </message>
    <message>
        <source>Extra</source>
        <extracomment>The word for &quot;Extra&quot; as in &quot;Extra Bold, Extra Thin&quot; used as a pattern for string searches</extracomment>
        <translation>Extra</translation>
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
        <translation>&amp;Uložiť</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušiť</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zavrieť</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zavrieť bez uloženia</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <extracomment>Leave this text untranslated or include a verbatim copy of it below and note that it is the authoritative version in case of doubt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Page Layout</source>
        <translation>Rozloženie strán</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Poradie strán:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Strán na hárok:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pika (P̸)</translation>
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
        <translation>Vlastná</translation>
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
        <translation>Vlastná (%1 mm x %2 mm)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <extracomment>Custom size name in points</extracomment>
        <translation>Vlastná (%1 pt x %2 pt)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <extracomment>Custom size name in inches</extracomment>
        <translation>Vlastná (%1 in x %2 in)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <extracomment>Custom size name in picas</extracomment>
        <translation>Vlastná (%1 pc x %2 pc)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <extracomment>Custom size name in didots</extracomment>
        <translation>Vlastná (%1 DD x %2 DD)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <extracomment>Custom size name in ciceros</extracomment>
        <translation>Vlastná (%1 CC x %2 CC)</translation>
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
        <translation>Vlastná</translation>
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
        <translation>Architektonický A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Architektonický B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Architektonický C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Architektonický D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Architektonický E</translation>
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
        <translation>Pohľadnica</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Dvojitá pohľadnica</translation>
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
        <translation>Skladaný papier US (14,875 x 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Skladaný papier nemecký (8,5 x 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Skladaný papier nemecký Legal (8,5 x 13 in)</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Obálka B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Obálka B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Obálka B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Obálka C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Obálka C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Obálka C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Obálka C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Obálka C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Obálka C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Obálka C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Obálka C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Obálka C7</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Obálka DL</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Obálka US 9</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Obálka US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Obálka US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Obálka US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Obálka US 14</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Obálka Monarch</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Obálka Personal</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Obálka Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Obálka Chou 4</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Obálka Invite</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Obálka talianska</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Obálka Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Obálka Kaku 3</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Obálka PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Obálka PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Obálka PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Obálka PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Obálka PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Obálka PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Obálka PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Obálka PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Obálka PRC 9</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Obálka PRC 10</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Obálka You 4</translation>
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
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Uložiť všetko</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvoriť</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>Án&amp;o</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Áno pre &amp;všetko</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Nie pre všetk&amp;o</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prerušiť</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Skúsiť znova</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorovať</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Zahodiť</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomocník</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použiť</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nastaviť pôvodné</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Obnoviť štandardné</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>All Pages</source>
        <translation>Všetky strany</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Nepárne strany</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Párne strany</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Neplatné určenie strán</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 nemá správny tvar. Jednotlivé strany a rozsahy oddeľte čiarkou „,“, rozsahy zapíšte pomocou spojovníka „-“ a dbajte, aby sa rozsahy neprekrývali.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Rozpor v nastavení obojstrannej tlače</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Nastavenia obojstrannej tlače si odporujú. Chcete ich opraviť?</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Možnosti „Strán na hárok“ a „Sada strán“ nemožno použiť súčasne.
Vypnite, prosím, jednu z nich.</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Zľava doprava, zhora nadol</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Zľava doprava, zdola nahor</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Sprava doľava, zdola nahor</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Sprava doľava, zhora nadol</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Zdola nahor, zľava doprava</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Zdola nahor, sprava doľava</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Zhora nadol, zľava doprava</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Zhora nadol, sprava doľava</translation>
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
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Vlastnosti tlačiarne</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Možnosti úlohy</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Rozpor v nastavení strany</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Nastavenia strany si odporujú. Chcete ich opraviť?</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Rozpor v rozšírených možnostiach</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Niektoré rozšírené možnosti si odporujú. Chcete ich opraviť?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Rozšírené</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Niektoré možnosti si odporujú. Opravte ich, prosím.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>Strany</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Zadajte strany alebo rozsahy oddelené čiarkami. Rozsah sa zapisuje ako dve čísla oddelené spojovníkom. Napr. 3,5-7,9 vytlačí strany 3, 5, 6, 7 a 9.</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Sada strán:</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Obojstranná tlač</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnutá</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Väzba po dlhej strane</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Väzba po krátkej strane</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Izolácia zľava doprava</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Izolácia sprava doľava</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Izolácia podľa prvého silného znaku</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Koniec smerovej izolácie</translation>
    </message>
</context>
</TS>
