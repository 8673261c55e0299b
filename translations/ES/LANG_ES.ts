<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Version&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Versión&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Edition :&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Edición :&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt;&quot;&gt;Copyright © Velmora Data Recovery. All rights reserved.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt;&quot;&gt;© Velmora Data Recovery. Derechos reservados.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600;&quot;&gt;System Information&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600;&quot;&gt;Información del sistema&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Licenciado a&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600; color:#000000;&quot;&gt;Product Information&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600; color:#000000;&quot;&gt;Información del producto&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;O. S.&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;SO&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>View User License</source>
        <translation>Ver licencia de usuario</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Copyright © Velmora Data Recovery. All rights reserved.</source>
        <translation>© Velmora Data Recovery. Derechos reservados.</translation>
    </message>
    <message>
        <source>The licence document could not be opened.</source>
        <translation>No se pudo abrir el documento de licencia.</translation>
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
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Pictavo </source>
        <translation>Pictavo </translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Reparar</translation>
    </message>
    <message>
        <source>Add a sample JPEG:</source>
        <translation>Añadir un JPEG de muestra:</translation>
    </message>
    <message>
        <source>Add a sample HEIC:</source>
        <translation>Añadir un HEIC de muestra:</translation>
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
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Omitir todo</translation>
    </message>
    <message>
        <source>File Name :</source>
        <translation>Nombre de archivo :</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Renombrar todo</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Rename to :</source>
        <translation>Nuevo nombre :</translation>
    </message>
    <message>
        <source>Overwrite All</source>
        <translation>Sobrescribir todo</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>Archivo existente</translation>
    </message>
</context>
<context>
    <name>BackApplicationDlg</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>This action will clear repair results.
Do you want to go back to previous screen?</source>
        <translation>Esta acción borrará los resultados de la reparación.
¿Desea volver a la pantalla anterior?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>BrowseRepairDlg</name>
    <message>
        <source>Repair</source>
        <translation>Reparar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Save Repaired Files</source>
        <translation>Guardar archivos reparados</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source> File Name</source>
        <translation> Nombre de archivo</translation>
    </message>
    <message>
        <source> Type</source>
        <translation> Tipo</translation>
    </message>
    <message>
        <source> Resolution</source>
        <translation> Resolución</translation>
    </message>
    <message>
        <source>File name already added to list.</source>
        <translation>El archivo ya está en la lista.</translation>
    </message>
    <message>
        <source>Already added files</source>
        <translation>Archivos ya añadidos</translation>
    </message>
    <message>
        <source> Path</source>
        <translation> Ruta</translation>
    </message>
    <message>
        <source> Size (KB)</source>
        <translation> Tamaño (KB)</translation>
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
        <translation>Estado</translation>
    </message>
    <message>
        <source>TemporaryPath</source>
        <translation>TemporaryPath</translation>
    </message>
    <message>
        <source> Modified Date</source>
        <translation> Fecha de modificación</translation>
    </message>
    <message>
        <source> Created Date</source>
        <translation> Fecha de creación</translation>
    </message>
    <message>
        <source>Select Images</source>
        <translation>Seleccionar imágenes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>More Tools</source>
        <translation>Más herramientas</translation>
    </message>
    <message>
        <source>Recover Data</source>
        <translation>Recuperar datos</translation>
    </message>
    <message>
        <source>Monitor Drive</source>
        <translation>Supervisar unidad</translation>
    </message>
    <message>
        <source>Repair Video</source>
        <translation>Reparar vídeo</translation>
    </message>
    <message>
        <source>Recover Photo</source>
        <translation>Recuperar fotos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>¿Seguro que desea salir?</translation>
    </message>
    <message>
        <source>Click on the &apos;Save Repaired Files&apos; to save all your repaired photos. Click the file to preview it. </source>
        <translation>Haga clic en «Guardar archivos reparados» para guardar todas las fotos reparadas. Haga clic en un archivo para ver su vista previa. </translation>
    </message>
    <message>
        <source>Repair process completed.</source>
        <translation>Reparación completada.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Portuguese Brazil</source>
        <translation>Portugués (Brasil)</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>The repaired files cannot be saved into the program&apos;s work folder, which is emptied when you go back or exit. Please choose another folder.</source>
        <translation>Los archivos reparados no se pueden guardar en la carpeta de trabajo del programa, que se vacía al volver atrás o al salir. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>%1 file(s) could not be saved.</source>
        <translation>No se pudieron guardar %1 archivo(s).</translation>
    </message>
    <message>
        <source>Advance Repair</source>
        <translation>Reparación avanzada</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>No procesado</translation>
    </message>
    <message>
        <source>Repair process completed.

Thumbnails are listed as &apos;filename_Tx&apos; if available.
Thumbnails are small sized images of large JPEGs.</source>
        <translation>Reparación completada.

Las miniaturas aparecen como «nombrearchivo_Tx».
Son imágenes pequeñas de JPEG grandes.</translation>
    </message>
    <message>
        <source>Repairing file </source>
        <translation>Reparando archivo </translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatura</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>Reparado</translation>
    </message>
    <message>
        <source>Extracted</source>
        <translation>Extraído</translation>
    </message>
    <message>
        <source>This may take a while, depending on the number of photos and their file size. Please wait while the process is completed.</source>
        <translation>Esto puede tardar un poco, según el número de fotos y su tamaño. Espere a que termine el proceso.</translation>
    </message>
    <message>
        <source>Repairing selected photos</source>
        <translation>Reparando las fotos seleccionadas</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Advance Repair

Use this option to repair severely damaged JPEG.
Click Next to add a &apos;sample JPEG&apos; of the same format, shot using the same device. The sample and the damaged JPEGs remain unchanged during repair process.</source>
        <translation>Reparación avanzada

Use esta opción para reparar archivos JPEG muy dañados.
Haga clic en Siguiente para añadir un «JPEG de muestra» del mismo formato, tomado con el mismo dispositivo. La muestra y los JPEG dañados no se modifican durante la reparación.</translation>
    </message>
    <message>
        <source>Advance Repair

Use this option to repair severely damaged HEIC image.
Click Next to add a &apos;%1&apos; of the same format. The sample and the damaged HEIC remain unchanged during repair process.</source>
        <translation>Reparación avanzada

Use esta opción para reparar imágenes HEIC muy dañadas.
Haga clic en Siguiente para añadir una «%1» del mismo formato. La muestra y el HEIC dañado no se modifican durante la reparación.</translation>
    </message>
    <message>
        <source>sample HEIC image</source>
        <translation>imagen HEIC de muestra</translation>
    </message>
    <message>
        <source>The tool could not be started.</source>
        <translation>No se pudo iniciar la herramienta.</translation>
    </message>
    <message>
        <source>Repair process stopped.</source>
        <translation>Reparación detenida.</translation>
    </message>
    <message>
        <source>No files were saved.</source>
        <translation>No se guardó ningún archivo.</translation>
    </message>
    <message>
        <source>The sample does not match the damaged photo, so the photo could not be repaired with it. Choose a sample taken with the same camera.</source>
        <translation>La muestra no coincide con la foto dañada, por lo que no se ha podido reparar con ella. Elija una muestra tomada con la misma cámara.</translation>
    </message>
    <message>
        <source>The photo could not be repaired with this sample.</source>
        <translation>No se pudo reparar la foto con esta muestra.</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Arial&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot;font-size:13pt;&quot;&gt;&lt;span style=&quot;font-size:10pt; font-weight:600;&quot;&gt;Buscando actualizaciones...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>CloseApplicationDlg</name>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>¿Seguro que desea salir?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Nombre de carpeta : </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Rename to : </source>
        <translation>Nuevo nombre : </translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
</context>
<context>
    <name>DownloadUpdate</name>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Downloading under progress...&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Descarga en curso...&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:13pt; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Downloading Files&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:13pt; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Descargando archivos&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Update successfully installed&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;Update of Pictavo  downloaded and installed successfully.&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span&gt;Click on OK and restart &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt; to run updated &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Actualización instalada&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;La actualización de Pictavo se descargó e instaló correctamente.&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span&gt;Haga clic en Aceptar y reinicie &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt; para usar la versión actualizada de &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FolderExist</name>
    <message>
        <source>Folder Exists</source>
        <translation>Carpeta existente</translation>
    </message>
</context>
<context>
    <name>QCheckUpdate</name>
    <message>
        <source>No update available.</source>
        <translation>No hay actualizaciones.</translation>
    </message>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>The update check could not be completed.</source>
        <translation>No se pudo completar la búsqueda de actualizaciones.</translation>
    </message>
</context>
<context>
    <name>QDownloadApp</name>
    <message>
        <source>no download address is set.</source>
        <translation>no se ha definido ninguna dirección de descarga.</translation>
    </message>
    <message>
        <source>the download address is not valid.</source>
        <translation>la dirección de descarga no es válida.</translation>
    </message>
    <message>
        <source>Unable to save the file </source>
        <translation>No se puede guardar el archivo </translation>
    </message>
    <message>
        <source>Time Elapsed: </source>
        <translation>Tiempo transcurrido: </translation>
    </message>
    <message>
        <source> sec </source>
        <translation> s </translation>
    </message>
    <message>
        <source> MB copied) </source>
        <translation> MB copiados) </translation>
    </message>
    <message>
        <source>The download could not be verified.</source>
        <translation>No se pudo verificar la descarga.</translation>
    </message>
    <message>
        <source>The installer could not be started.</source>
        <translation>No se pudo iniciar el instalador.</translation>
    </message>
    <message>
        <source>The update server could not be reached.</source>
        <translation>No se puede acceder al servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>The update server refused the download or could not be trusted.</source>
        <translation>El servidor de actualizaciones rechazó la descarga o no es de confianza.</translation>
    </message>
    <message>
        <source>The update was not found on the server.</source>
        <translation>No se encontró la actualización en el servidor.</translation>
    </message>
    <message>
        <source>The download could not be saved.</source>
        <translation>No se pudo guardar la descarga.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Se canceló la descarga.</translation>
    </message>
    <message>
        <source>The download was cut short.</source>
        <translation>La descarga se interrumpió antes de terminar.</translation>
    </message>
    <message>
        <source>The download was larger than the update may be.</source>
        <translation>La descarga era más grande de lo que puede ser la actualización.</translation>
    </message>
    <message>
        <source>The update server stopped sending.</source>
        <translation>El servidor de actualizaciones dejó de enviar.</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Error de actualización</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Pictavo already running.</source>
        <translation>Pictavo ya se está ejecutando.</translation>
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
        <translation>Una actualización menor </translation>
    </message>
    <message>
        <source>A new major release </source>
        <translation>Una versión principal </translation>
    </message>
    <message>
        <source> is available. Click Update to proceed further.</source>
        <translation> está disponible. Haga clic en Actualizar para continuar.</translation>
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
        <translation>Seleccionar todo</translation>
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
        <translation>Mostrar miniaturas</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Añadir un JPEG de muestra:&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Pictavo </source>
        <translation>Pictavo </translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply to all JPEG of same format.</source>
        <translation>Aplicar a todos los JPEG del mismo formato.</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Añadir archivo</translation>
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
        <translation>Haga clic aquí</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;to open containing folder.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;para abrir la carpeta.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Saving Complete</source>
        <translation>Guardado completado</translation>
    </message>
    <message>
        <source>Image(s) saved successfully.</source>
        <translation>Imágenes guardadas correctamente.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>StopDlg</name>
    <message>
        <source>You can&apos;t resume the process from this point. The photos repaired so far are kept.</source>
        <translation>No podrá reanudar el proceso desde este punto. Las fotos reparadas hasta ahora se conservan.</translation>
    </message>
    <message>
        <source>Stop Repair</source>
        <translation>Detener reparación</translation>
    </message>
    <message>
        <source>Do you want to stop the current process?</source>
        <translation>¿Desea detener el proceso actual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Reparación completada</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Repair Stopped</source>
        <translation>Reparación detenida</translation>
    </message>
    <message>
        <source>Repair Failed</source>
        <translation>Reparación fallida</translation>
    </message>
</context>
</TS>
