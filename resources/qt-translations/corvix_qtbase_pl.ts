<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Napęd</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>Katalog plików</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Alias</source>
        <comment>macOS Finder</comment>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Skrót</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>Wymagane uwierzytelnienie</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Użycie %1 wymaga uwierzytelnienia.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Użycie %1 na %2 wymaga uwierzytelnienia.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nazwa użytkownika:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
</context>
<context>
    <name>QFontDatabase</name>
    <message>
        <source>Thin</source>
        <translation>Najcieńszy</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <translation>Ekstra cienki</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <translation>Ekstra pogrubiony</translation>
    </message>
    <message>
        <source>Extra</source>
        <extracomment>The word for &quot;Extra&quot; as in &quot;Extra Bold, Extra Thin&quot; used as a pattern for string searches</extracomment>
        <translation>Ekstra</translation>
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
    <name>QPrintDialog</name>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Nieprawidłowo określone strony</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 ma nieprawidłową składnię. Strony i zakresy oddziel przecinkiem „,”, zakresy zapisz z łącznikiem „-” i upewnij się, że zakresy nie zachodzą na siebie.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Sprzeczne ustawienia druku dwustronnego</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Ustawienia druku dwustronnego są ze sobą sprzeczne. Czy chcesz je poprawić?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Sprzeczne ustawienia strony</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Opcje ustawień strony są ze sobą sprzeczne. Czy chcesz je poprawić?</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Sprzeczne opcje zaawansowane</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Niektóre opcje zaawansowane są ze sobą sprzeczne. Czy chcesz je poprawić?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Niektóre opcje są ze sobą sprzeczne. Popraw je.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Podaj strony lub zakresy oddzielone przecinkami. Zakres to dwie liczby połączone łącznikiem. Np. 3,5-7,9 drukuje strony 3, 5, 6, 7 i 9.</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Druk dwustronny</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączony</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Oprawa wzdłuż dłuższej krawędzi</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Oprawa wzdłuż krótszej krawędzi</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Izolacja od lewej do prawej</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Izolacja od prawej do lewej</translation>
    </message>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Izolacja według pierwszego silnego znaku</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Koniec izolacji kierunkowej</translation>
    </message>
</context>
</TS>
