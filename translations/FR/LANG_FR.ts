<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Édition :&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt;&quot;&gt;Copyright © Velmora Data Recovery. All rights reserved.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt;&quot;&gt;© Velmora Data Recovery. Tous droits réservés.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600;&quot;&gt;System Information&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600;&quot;&gt;Informations système&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Licencié à&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600; color:#000000;&quot;&gt;Product Information&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600; color:#000000;&quot;&gt;Informations produit&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;O. S.&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;SE&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>View User License</source>
        <translation>Afficher la licence</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>À propos</translation>
    </message>
    <message>
        <source>Copyright © Velmora Data Recovery. All rights reserved.</source>
        <translation>© Velmora Data Recovery. Tous droits réservés.</translation>
    </message>
    <message>
        <source>The licence document could not be opened.</source>
        <translation>Le document de licence n&apos;a pas pu être ouvert.</translation>
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
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Pictavo </source>
        <translation>Pictavo </translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Réparer</translation>
    </message>
    <message>
        <source>Add a sample JPEG:</source>
        <translation>Ajouter un JPEG d&apos;exemple :</translation>
    </message>
    <message>
        <source>Add a sample HEIC:</source>
        <translation>Ajouter un HEIC d&apos;exemple :</translation>
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
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Tout ignorer</translation>
    </message>
    <message>
        <source>File Name :</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Tout renommer</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Rename to :</source>
        <translation>Renommer en :</translation>
    </message>
    <message>
        <source>Overwrite All</source>
        <translation>Tout remplacer</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>Fichier existant</translation>
    </message>
</context>
<context>
    <name>BackApplicationDlg</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>This action will clear repair results.
Do you want to go back to previous screen?</source>
        <translation>Cette action efface les résultats de la réparation.
Voulez-vous revenir à l&apos;écran précédent ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>BrowseRepairDlg</name>
    <message>
        <source>Repair</source>
        <translation>Réparer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Save Repaired Files</source>
        <translation>Enregistrer les fichiers réparés</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source> File Name</source>
        <translation> Nom du fichier</translation>
    </message>
    <message>
        <source> Type</source>
        <translation> Type</translation>
    </message>
    <message>
        <source> Resolution</source>
        <translation> Résolution</translation>
    </message>
    <message>
        <source>File name already added to list.</source>
        <translation>Ce fichier est déjà dans la liste.</translation>
    </message>
    <message>
        <source>Already added files</source>
        <translation>Fichiers déjà ajoutés</translation>
    </message>
    <message>
        <source> Path</source>
        <translation> Chemin</translation>
    </message>
    <message>
        <source> Size (KB)</source>
        <translation> Taille (Ko)</translation>
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
        <translation>État</translation>
    </message>
    <message>
        <source>TemporaryPath</source>
        <translation>TemporaryPath</translation>
    </message>
    <message>
        <source> Modified Date</source>
        <translation> Date de modification</translation>
    </message>
    <message>
        <source> Created Date</source>
        <translation> Date de création</translation>
    </message>
    <message>
        <source>Select Images</source>
        <translation>Sélectionner des images</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>More Tools</source>
        <translation>Autres outils</translation>
    </message>
    <message>
        <source>Recover Data</source>
        <translation>Récupérer des données</translation>
    </message>
    <message>
        <source>Monitor Drive</source>
        <translation>Surveiller le disque</translation>
    </message>
    <message>
        <source>Repair Video</source>
        <translation>Réparer une vidéo</translation>
    </message>
    <message>
        <source>Recover Photo</source>
        <translation>Récupérer des photos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>Click on the &apos;Save Repaired Files&apos; to save all your repaired photos. Click the file to preview it. </source>
        <translation>Cliquez sur « Enregistrer les fichiers réparés » pour enregistrer toutes vos photos réparées. Cliquez sur un fichier pour l&apos;afficher. </translation>
    </message>
    <message>
        <source>Repair process completed.</source>
        <translation>Réparation terminée.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Portuguese Brazil</source>
        <translation>Portugais (Brésil)</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>The repaired files cannot be saved into the program&apos;s work folder, which is emptied when you go back or exit. Please choose another folder.</source>
        <translation>Les fichiers réparés ne peuvent pas être enregistrés dans le dossier de travail du programme, qui est vidé au retour ou à la fermeture. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>%1 file(s) could not be saved.</source>
        <translation>Impossible d&apos;enregistrer %1 fichier(s).</translation>
    </message>
    <message>
        <source>Advance Repair</source>
        <translation>Réparation avancée</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Non traité</translation>
    </message>
    <message>
        <source>Repair process completed.

Thumbnails are listed as &apos;filename_Tx&apos; if available.
Thumbnails are small sized images of large JPEGs.</source>
        <translation>Réparation terminée.

Les miniatures sont nommées « nomfichier_Tx ».
Les miniatures sont de petites images de grands JPEG.</translation>
    </message>
    <message>
        <source>Repairing file </source>
        <translation>Réparation du fichier </translation>
    </message>
    <message>
        <source>of</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>Thumbnail</source>
        <translation>Miniature</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>Réparé</translation>
    </message>
    <message>
        <source>Extracted</source>
        <translation>Extrait</translation>
    </message>
    <message>
        <source>This may take a while, depending on the number of photos and their file size. Please wait while the process is completed.</source>
        <translation>Cela peut prendre un moment selon le nombre et la taille des photos. Veuillez patienter jusqu&apos;à la fin du processus.</translation>
    </message>
    <message>
        <source>Repairing selected photos</source>
        <translation>Réparation des photos sélectionnées</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Advance Repair

Use this option to repair severely damaged JPEG.
Click Next to add a &apos;sample JPEG&apos; of the same format, shot using the same device. The sample and the damaged JPEGs remain unchanged during repair process.</source>
        <translation>Réparation avancée

Cette option répare les JPEG gravement endommagés.
Cliquez sur Suivant pour ajouter un « JPEG d&apos;exemple » du même format, pris avec le même appareil. L&apos;exemple et les JPEG endommagés restent inchangés pendant la réparation.</translation>
    </message>
    <message>
        <source>Advance Repair

Use this option to repair severely damaged HEIC image.
Click Next to add a &apos;%1&apos; of the same format. The sample and the damaged HEIC remain unchanged during repair process.</source>
        <translation>Réparation avancée

Cette option répare les images HEIC gravement endommagées.
Cliquez sur Suivant pour ajouter une « %1 » du même format. L&apos;exemple et l&apos;image HEIC endommagée restent inchangés pendant la réparation.</translation>
    </message>
    <message>
        <source>sample HEIC image</source>
        <translation>image HEIC d&apos;exemple</translation>
    </message>
    <message>
        <source>The tool could not be started.</source>
        <translation>Impossible de lancer l'outil.</translation>
    </message>
    <message>
        <source>Repair process stopped.</source>
        <translation>Réparation arrêtée.</translation>
    </message>
    <message>
        <source>No files were saved.</source>
        <translation>Aucun fichier n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The sample does not match the damaged photo, so the photo could not be repaired with it. Choose a sample taken with the same camera.</source>
        <translation>L&apos;exemple ne correspond pas à la photo endommagée, elle n&apos;a donc pas pu être réparée avec lui. Choisissez un exemple pris avec le même appareil photo.</translation>
    </message>
    <message>
        <source>The photo could not be repaired with this sample.</source>
        <translation>La photo n&apos;a pas pu être réparée avec cet exemple.</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Arial&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot;font-size:13pt;&quot;&gt;&lt;span style=&quot;font-size:10pt; font-weight:600;&quot;&gt;Recherche de mises à jour...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>CloseApplicationDlg</name>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>Nom du dossier : </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Rename to : </source>
        <translation>Renommer en : </translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Remplacer</translation>
    </message>
</context>
<context>
    <name>DownloadUpdate</name>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Downloading under progress...&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Téléchargement en cours...&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:13pt; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Downloading Files&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:13pt; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Téléchargement des fichiers&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Update successfully installed&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;Update of Pictavo  downloaded and installed successfully.&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span&gt;Click on OK and restart &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt; to run updated &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Mise à jour installée&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;La mise à jour de Pictavo a bien été téléchargée et installée.&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span&gt;Cliquez sur OK et redémarrez &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt; pour lancer la nouvelle version de &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>FolderExist</name>
    <message>
        <source>Folder Exists</source>
        <translation>Dossier existant</translation>
    </message>
</context>
<context>
    <name>QCheckUpdate</name>
    <message>
        <source>No update available.</source>
        <translation>Aucune mise à jour disponible.</translation>
    </message>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>The update check could not be completed.</source>
        <translation>Impossible de terminer la recherche de mises à jour.</translation>
    </message>
</context>
<context>
    <name>QDownloadApp</name>
    <message>
        <source>no download address is set.</source>
        <translation>aucune adresse de téléchargement n&apos;est définie.</translation>
    </message>
    <message>
        <source>the download address is not valid.</source>
        <translation>l&apos;adresse de téléchargement n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Unable to save the file </source>
        <translation>Impossible d&apos;enregistrer le fichier </translation>
    </message>
    <message>
        <source>Time Elapsed: </source>
        <translation>Temps écoulé : </translation>
    </message>
    <message>
        <source> sec </source>
        <translation> s </translation>
    </message>
    <message>
        <source> MB copied) </source>
        <translation> Mo copiés) </translation>
    </message>
    <message>
        <source>The download could not be verified.</source>
        <translation>Impossible de vérifier le téléchargement.</translation>
    </message>
    <message>
        <source>The installer could not be started.</source>
        <translation>Impossible de lancer le programme d'installation.</translation>
    </message>
    <message>
        <source>The update server could not be reached.</source>
        <translation>Le serveur de mise à jour est injoignable.</translation>
    </message>
    <message>
        <source>The update server refused the download or could not be trusted.</source>
        <translation>Le serveur de mise à jour a refusé le téléchargement ou n&apos;est pas digne de confiance.</translation>
    </message>
    <message>
        <source>The update was not found on the server.</source>
        <translation>La mise à jour est introuvable sur le serveur.</translation>
    </message>
    <message>
        <source>The download could not be saved.</source>
        <translation>Le téléchargement n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Le téléchargement a été annulé.</translation>
    </message>
    <message>
        <source>The download was cut short.</source>
        <translation>Le téléchargement a été interrompu avant la fin.</translation>
    </message>
    <message>
        <source>The download was larger than the update may be.</source>
        <translation>Le téléchargement était plus volumineux que la mise à jour ne peut l&apos;être.</translation>
    </message>
    <message>
        <source>The update server stopped sending.</source>
        <translation>Le serveur de mise à jour a cessé d&apos;envoyer.</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Échec de la mise à jour</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Pictavo already running.</source>
        <translation>Pictavo est déjà en cours d&apos;exécution.</translation>
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
        <translation>Une mise à jour mineure </translation>
    </message>
    <message>
        <source>A new major release </source>
        <translation>Une version majeure </translation>
    </message>
    <message>
        <source> is available. Click Update to proceed further.</source>
        <translation> est disponible. Cliquez sur Mise à jour pour continuer.</translation>
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
        <translation>Tout cocher</translation>
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
        <translation>Afficher les miniatures</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ajouter un JPEG d&apos;exemple :&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Pictavo </source>
        <translation>Pictavo </translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply to all JPEG of same format.</source>
        <translation>Appliquer à tous les JPEG du même format.</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Ajouter un fichier</translation>
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
        <translation>Cliquez ici</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;to open containing folder.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;pour ouvrir le dossier.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Saving Complete</source>
        <translation>Enregistrement terminé</translation>
    </message>
    <message>
        <source>Image(s) saved successfully.</source>
        <translation>Image(s) enregistrée(s).</translation>
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
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>StopDlg</name>
    <message>
        <source>You can&apos;t resume the process from this point. The photos repaired so far are kept.</source>
        <translation>Le processus ne pourra pas être repris. Les photos déjà réparées sont conservées.</translation>
    </message>
    <message>
        <source>Stop Repair</source>
        <translation>Arrêter la réparation</translation>
    </message>
    <message>
        <source>Do you want to stop the current process?</source>
        <translation>Voulez-vous arrêter le processus en cours ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>Réparation terminée</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Repair Stopped</source>
        <translation>Réparation arrêtée</translation>
    </message>
    <message>
        <source>Repair Failed</source>
        <translation>Échec de la réparation</translation>
    </message>
</context>
</TS>
