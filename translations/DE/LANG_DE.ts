<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Version&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Version&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Edition :&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Edition :&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt;&quot;&gt;Copyright © Velmora Data Recovery. All rights reserved.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt;&quot;&gt;© Velmora Data Recovery. Alle Rechte vorbehalten.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600;&quot;&gt;System Information&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600;&quot;&gt;Systeminformationen&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>8.0.0.0</source>
        <translation>8.0.0.0</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600;&quot;&gt;Pictavo&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600;&quot;&gt;Pictavo&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Licensed to&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Lizenziert für&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600; color:#000000;&quot;&gt;Product Information&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600; color:#000000;&quot;&gt;Produktinformationen&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;O. S.&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;BS&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>View User License</source>
        <translation>Benutzerlizenz anzeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
</context>
<context>
    <name>AboutDlg</name>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Copyright © Velmora Data Recovery. All rights reserved.</source>
        <translation>© Velmora Data Recovery. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>The licence document could not be opened.</source>
        <translation>Das Lizenzdokument konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>AdvancedRepair</name>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
</context>
<context>
    <name>AdvancedRepairDlg</name>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Pictavo </source>
        <translation>Pictavo </translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparieren</translation>
    </message>
    <message>
        <source>Add a sample JPEG:</source>
        <translation>Beispiel-JPEG hinzufügen:</translation>
    </message>
    <message>
        <source>Add a sample HEIC:</source>
        <translation>Beispiel-HEIC hinzufügen:</translation>
    </message>
</context>
<context>
    <name>AlreadyExistFileDlg</name>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Alle überspringen</translation>
    </message>
    <message>
        <source>File Name :</source>
        <translation>Dateiname :</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Alle umbenennen</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Rename to :</source>
        <translation>Umbenennen in :</translation>
    </message>
    <message>
        <source>Overwrite All</source>
        <translation>Alle überschreiben</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>Datei vorhanden</translation>
    </message>
</context>
<context>
    <name>BackApplicationDlg</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>This action will clear repair results.
Do you want to go back to previous screen?</source>
        <translation>Diese Aktion löscht die Reparaturergebnisse.
Möchten Sie zur vorherigen Ansicht zurückkehren?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>BrowseRepairDlg</name>
    <message>
        <source>Repair</source>
        <translation>Reparieren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Save Repaired Files</source>
        <translation>Reparierte Dateien speichern</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source> File Name</source>
        <translation> Dateiname</translation>
    </message>
    <message>
        <source> Type</source>
        <translation> Typ</translation>
    </message>
    <message>
        <source> Resolution</source>
        <translation> Auflösung</translation>
    </message>
    <message>
        <source>File name already added to list.</source>
        <translation>Der Dateiname ist bereits in der Liste.</translation>
    </message>
    <message>
        <source>Already added files</source>
        <translation>Bereits hinzugefügte Dateien</translation>
    </message>
    <message>
        <source> Path</source>
        <translation> Pfad</translation>
    </message>
    <message>
        <source> Size (KB)</source>
        <translation> Größe (KB)</translation>
    </message>
    <message>
        <source>FileID</source>
        <translation>FileID</translation>
    </message>
    <message>
        <source>ParentID</source>
        <translation>ParentID</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>TemporaryPath</source>
        <translation>TemporaryPath</translation>
    </message>
    <message>
        <source> Modified Date</source>
        <translation> Änderungsdatum</translation>
    </message>
    <message>
        <source> Created Date</source>
        <translation> Erstellungsdatum</translation>
    </message>
    <message>
        <source>Select Images</source>
        <translation>Bilder auswählen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>More Tools</source>
        <translation>Weitere Tools</translation>
    </message>
    <message>
        <source>Recover Data</source>
        <translation>Daten wiederherstellen</translation>
    </message>
    <message>
        <source>Monitor Drive</source>
        <translation>Laufwerk überwachen</translation>
    </message>
    <message>
        <source>Repair Video</source>
        <translation>Video reparieren</translation>
    </message>
    <message>
        <source>Recover Photo</source>
        <translation>Fotos wiederherstellen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Click on the &apos;Save Repaired Files&apos; to save all your repaired photos. Click the file to preview it. </source>
        <translation>Klicken Sie auf „Reparierte Dateien speichern“, um alle reparierten Fotos zu speichern. Klicken Sie auf eine Datei, um sie in der Vorschau zu sehen. </translation>
    </message>
    <message>
        <source>Repair process completed.</source>
        <translation>Reparatur abgeschlossen.</translation>
    </message>
    <message>
        <source>Repair process stopped.</source>
        <translation>Reparatur angehalten.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Portuguese Brazil</source>
        <translation>Portugiesisch (Brasilien)</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>The repaired files cannot be saved into the program&apos;s work folder, which is emptied when you go back or exit. Please choose another folder.</source>
        <translation>Die reparierten Dateien können nicht im Arbeitsordner des Programms gespeichert werden, der beim Zurückgehen und beim Beenden geleert wird. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>%1 file(s) could not be saved.</source>
        <translation>%1 Datei(en) konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Advance Repair</source>
        <translation>Erweiterte Reparatur</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Nicht verarbeitet</translation>
    </message>
    <message>
        <source>Repair process completed.

Thumbnails are listed as &apos;filename_Tx&apos; if available.
Thumbnails are small sized images of large JPEGs.</source>
        <translation>Reparatur abgeschlossen.

Miniaturansichten heißen „Dateiname_Tx“.
Sie sind kleine Bilder großer JPEG-Dateien.</translation>
    </message>
    <message>
        <source>Repairing file </source>
        <translation>Repariere Datei </translation>
    </message>
    <message>
        <source>of</source>
        <translation>von</translation>
    </message>
    <message>
        <source>Thumbnail</source>
        <translation>Miniaturansicht</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>Repariert</translation>
    </message>
    <message>
        <source>Extracted</source>
        <translation>Extrahiert</translation>
    </message>
    <message>
        <source>This may take a while, depending on the number of photos and their file size. Please wait while the process is completed.</source>
        <translation>Dies kann je nach Anzahl und Größe der Fotos eine Weile dauern. Bitte warten Sie, bis der Vorgang abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Repairing selected photos</source>
        <translation>Ausgewählte Fotos werden repariert</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Advance Repair

Use this option to repair severely damaged JPEG.
Click Next to add a &apos;sample JPEG&apos; of the same format, shot using the same device. The sample and the damaged JPEGs remain unchanged during repair process.</source>
        <translation>Erweiterte Reparatur

Mit dieser Option reparieren Sie stark beschädigte JPEGs.
Klicken Sie auf Weiter, um ein &apos;Beispiel-JPEG&apos; desselben Formats hinzuzufügen, aufgenommen mit demselben Gerät. Das Beispiel und die beschädigten JPEGs bleiben bei der Reparatur unverändert.</translation>
    </message>
    <message>
        <source>Advance Repair

Use this option to repair severely damaged HEIC image.
Click Next to add a &apos;%1&apos; of the same format. The sample and the damaged HEIC remain unchanged during repair process.</source>
        <translation>Erweiterte Reparatur

Mit dieser Option reparieren Sie stark beschädigte HEIC-Bilder.
Klicken Sie auf Weiter, um ein &apos;%1&apos; desselben Formats hinzuzufügen. Das Beispiel und das beschädigte HEIC bleiben bei der Reparatur unverändert.</translation>
    </message>
    <message>
        <source>sample HEIC image</source>
        <translation>Beispiel-HEIC-Bild</translation>
    </message>
    <message>
        <source>The tool could not be started.</source>
        <translation>Das Tool konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>No files were saved.</source>
        <translation>Es wurden keine Dateien gespeichert.</translation>
    </message>
    <message>
        <source>The sample does not match the damaged photo, so the photo could not be repaired with it. Choose a sample taken with the same camera.</source>
        <translation>Die Beispieldatei passt nicht zum beschädigten Foto, daher konnte es damit nicht repariert werden. Wählen Sie eine Beispieldatei, die mit derselben Kamera aufgenommen wurde.</translation>
    </message>
    <message>
        <source>The photo could not be repaired with this sample.</source>
        <translation>Das Foto konnte mit diesem Beispiel nicht repariert werden.</translation>
    </message>
</context>
<context>
    <name>CheckUpdate</name>
    <message>
        <source>Pictavo </source>
        <translation>Pictavo </translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Arial&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot;font-size:13pt;&quot;&gt;&lt;span style=&quot;font-size:10pt; font-weight:600;&quot;&gt;Checking For Update ...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Arial&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot;font-size:13pt;&quot;&gt;&lt;span style=&quot;font-size:10pt; font-weight:600;&quot;&gt;Suche nach Updates ...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>CloseApplicationDlg</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>Folder Name : </source>
        <translation>Ordnername : </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Rename to : </source>
        <translation>Umbenennen in : </translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
</context>
<context>
    <name>DownloadUpdate</name>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Downloading under progress...&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Download läuft...&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:13pt; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Downloading Files&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:13pt; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Dateien werden heruntergeladen&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Update successfully installed&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;Update of Pictavo  downloaded and installed successfully.&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span&gt;Click on OK and restart &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt; to run updated &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Update erfolgreich installiert&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;Das Update von Pictavo wurde erfolgreich heruntergeladen und installiert.&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span&gt;Klicken Sie auf OK und starten Sie &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt; neu, um das aktualisierte &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt;auszuführen.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FolderExist</name>
    <message>
        <source>Folder Exists</source>
        <translation>Ordner vorhanden</translation>
    </message>
</context>
<context>
    <name>QCheckUpdate</name>
    <message>
        <source>No update available.</source>
        <translation>Kein Update verfügbar.</translation>
    </message>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>The update check could not be completed.</source>
        <translation>Die Suche nach Updates konnte nicht abgeschlossen werden.</translation>
    </message>
</context>
<context>
    <name>QDownloadApp</name>
    <message>
        <source>no download address is set.</source>
        <translation>es ist keine Download-Adresse festgelegt.</translation>
    </message>
    <message>
        <source>the download address is not valid.</source>
        <translation>die Download-Adresse ist ungültig.</translation>
    </message>
    <message>
        <source>Unable to save the file </source>
        <translation>Die Datei kann nicht gespeichert werden </translation>
    </message>
    <message>
        <source>Time Elapsed: </source>
        <translation>Verstrichene Zeit: </translation>
    </message>
    <message>
        <source> sec </source>
        <translation> s </translation>
    </message>
    <message>
        <source> MB copied) </source>
        <translation> MB kopiert) </translation>
    </message>
    <message>
        <source>The download could not be verified.</source>
        <translation>Der Download konnte nicht überprüft werden.</translation>
    </message>
    <message>
        <source>The installer could not be started.</source>
        <translation>Das Installationsprogramm konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The update server could not be reached.</source>
        <translation>Der Update-Server ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The update server refused the download or could not be trusted.</source>
        <translation>Der Update-Server hat den Download abgelehnt oder ist nicht vertrauenswürdig.</translation>
    </message>
    <message>
        <source>The update was not found on the server.</source>
        <translation>Das Update wurde auf dem Server nicht gefunden.</translation>
    </message>
    <message>
        <source>The download could not be saved.</source>
        <translation>Der Download konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The download was cut short.</source>
        <translation>Der Download wurde vorzeitig unterbrochen.</translation>
    </message>
    <message>
        <source>The download was larger than the update may be.</source>
        <translation>Der Download war größer, als das Update sein darf.</translation>
    </message>
    <message>
        <source>The update server stopped sending.</source>
        <translation>Der Update-Server hat aufgehört zu senden.</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Update fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Pictavo already running.</source>
        <translation>Pictavo wird bereits ausgeführt.</translation>
    </message>
</context>
<context>
    <name>QShowUpdate</name>
    <message>
        <source>Pictavo </source>
        <translation>Pictavo </translation>
    </message>
    <message>
        <source>A new minor update </source>
        <translation>Ein neues Update </translation>
    </message>
    <message>
        <source>A new major release </source>
        <translation>Eine neue Hauptversion </translation>
    </message>
    <message>
        <source> is available. Click Update to proceed further.</source>
        <translation> ist verfügbar. Klicken Sie auf „Aktualisieren“, um fortzufahren.</translation>
    </message>
</context>
<context>
    <name>Q_Dialog</name>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Pictavo </source>
        <translation>Pictavo </translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Show Thumbnail</source>
        <translation>Miniaturansicht zeigen</translation>
    </message>
</context>
<context>
    <name>ReferenceFileDlg</name>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Add a sample JPEG:&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Beispiel-JPEG hinzufügen:&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Pictavo </source>
        <translation>Pictavo </translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply to all JPEG of same format.</source>
        <translation>Auf alle JPEG-Dateien desselben Formats anwenden.</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Datei hinzufügen</translation>
    </message>
</context>
<context>
    <name>SavingFinishDlg</name>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>Click here</source>
        <translation>Klicken Sie hier</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;to open containing folder.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;um den Ordner zu öffnen.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Saving Complete</source>
        <translation>Speichern abgeschlossen</translation>
    </message>
    <message>
        <source>Image(s) saved successfully.</source>
        <translation>Bild(er) erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ShowUpdateAvail</name>
    <message>
        <source>Pictavo </source>
        <translation>Pictavo </translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;Pictavo &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:10pt; font-weight:600;&quot;&gt;Pictavo &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>StopDlg</name>
    <message>
        <source>You can&apos;t resume the process from this point. The photos repaired so far are kept.</source>
        <translation>Der Vorgang kann ab hier nicht fortgesetzt werden. Die bisher reparierten Fotos bleiben erhalten.</translation>
    </message>
    <message>
        <source>Stop Repair</source>
        <translation>Reparatur anhalten</translation>
    </message>
    <message>
        <source>Do you want to stop the current process?</source>
        <translation>Möchten Sie den laufenden Vorgang anhalten?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>repairFinishDialog</name>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>Repair Complete</source>
        <translation>Reparatur abgeschlossen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Repair Stopped</source>
        <translation>Reparatur angehalten</translation>
    </message>
    <message>
        <source>Repair Failed</source>
        <translation>Reparatur fehlgeschlagen</translation>
    </message>
</context>
</TS>
