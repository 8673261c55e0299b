<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Version&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Versão&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Edition :&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Edição :&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt;&quot;&gt;Copyright © Velmora Data Recovery. All rights reserved.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt;&quot;&gt;© Velmora Data Recovery. Direitos reservados.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600;&quot;&gt;System Information&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600;&quot;&gt;Dados do sistema&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Licenciado para&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600; color:#000000;&quot;&gt;Product Information&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600; color:#000000;&quot;&gt;Dados do produto&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Ver licença de uso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Copyright © Velmora Data Recovery. All rights reserved.</source>
        <translation>© Velmora Data Recovery. Direitos reservados.</translation>
    </message>
    <message>
        <source>The licence document could not be opened.</source>
        <translation>Não foi possível abrir o documento de licença.</translation>
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
        <translation>Avançar</translation>
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
        <translation>Adicionar JPEG de exemplo:</translation>
    </message>
    <message>
        <source>Add a sample HEIC:</source>
        <translation>Adicionar HEIC de exemplo:</translation>
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
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Ignorar todos</translation>
    </message>
    <message>
        <source>File Name :</source>
        <translation>Nome do arquivo :</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>Renomear todos</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Rename to :</source>
        <translation>Renomear para :</translation>
    </message>
    <message>
        <source>Overwrite All</source>
        <translation>Substituir todos</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>Arquivo existente</translation>
    </message>
</context>
<context>
    <name>BackApplicationDlg</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>This action will clear repair results.
Do you want to go back to previous screen?</source>
        <translation>Esta ação apagará os resultados do reparo.
Deseja voltar à tela anterior?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
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
        <translation>Parar</translation>
    </message>
    <message>
        <source>Save Repaired Files</source>
        <translation>Salvar arquivos reparados</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source> File Name</source>
        <translation> Nome do arquivo</translation>
    </message>
    <message>
        <source> Type</source>
        <translation> Tipo</translation>
    </message>
    <message>
        <source> Resolution</source>
        <translation> Resolução</translation>
    </message>
    <message>
        <source>File name already added to list.</source>
        <translation>O arquivo já está na lista.</translation>
    </message>
    <message>
        <source>Already added files</source>
        <translation>Arquivos já adicionados</translation>
    </message>
    <message>
        <source> Path</source>
        <translation> Caminho</translation>
    </message>
    <message>
        <source> Size (KB)</source>
        <translation> Tamanho (KB)</translation>
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
        <translation> Data de modificação</translation>
    </message>
    <message>
        <source> Created Date</source>
        <translation> Data de criação</translation>
    </message>
    <message>
        <source>Select Images</source>
        <translation>Selecionar imagens</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>More Tools</source>
        <translation>Mais ferramentas</translation>
    </message>
    <message>
        <source>Recover Data</source>
        <translation>Recuperar dados</translation>
    </message>
    <message>
        <source>Monitor Drive</source>
        <translation>Monitorar unidade</translation>
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
        <translation>Tem certeza de que deseja sair?</translation>
    </message>
    <message>
        <source>Click on the &apos;Save Repaired Files&apos; to save all your repaired photos. Click the file to preview it. </source>
        <translation>Clique em &quot;Salvar arquivos reparados&quot; para salvar todas as fotos reparadas. Clique em um arquivo para visualizá-lo. </translation>
    </message>
    <message>
        <source>Repair process completed.</source>
        <translation>Reparo concluído.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Holandês</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinês</translation>
    </message>
    <message>
        <source>Portuguese Brazil</source>
        <translation>Português (Brasil)</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>The repaired files cannot be saved into the program&apos;s work folder, which is emptied when you go back or exit. Please choose another folder.</source>
        <translation>Os arquivos reparados não podem ser salvos na pasta de trabalho do programa, que é esvaziada ao voltar ou sair. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>%1 file(s) could not be saved.</source>
        <translation>Não foi possível salvar %1 arquivo(s).</translation>
    </message>
    <message>
        <source>Advance Repair</source>
        <translation>Reparo avançado</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Não processado</translation>
    </message>
    <message>
        <source>Repair process completed.

Thumbnails are listed as &apos;filename_Tx&apos; if available.
Thumbnails are small sized images of large JPEGs.</source>
        <translation>Reparo concluído.

As miniaturas, se houver, aparecem como &quot;nomedoarquivo_Tx&quot;.
Miniaturas são imagens pequenas de JPEGs grandes.</translation>
    </message>
    <message>
        <source>Repairing file </source>
        <translation>Reparando arquivo </translation>
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
        <translation>Isso pode levar algum tempo, dependendo do número e do tamanho das fotos. Aguarde a conclusão do processo.</translation>
    </message>
    <message>
        <source>Repairing selected photos</source>
        <translation>Reparando as fotos selecionadas</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Advance Repair

Use this option to repair severely damaged JPEG.
Click Next to add a &apos;sample JPEG&apos; of the same format, shot using the same device. The sample and the damaged JPEGs remain unchanged during repair process.</source>
        <translation>Reparo avançado

Use esta opção para reparar JPEGs muito danificados.
Clique em Avançar para adicionar um &quot;JPEG de exemplo&quot; do mesmo formato, tirado com o mesmo dispositivo. O exemplo e os JPEGs danificados não são alterados durante o reparo.</translation>
    </message>
    <message>
        <source>Advance Repair

Use this option to repair severely damaged HEIC image.
Click Next to add a &apos;%1&apos; of the same format. The sample and the damaged HEIC remain unchanged during repair process.</source>
        <translation>Reparo avançado

Use esta opção para reparar imagens HEIC muito danificadas.
Clique em Avançar para adicionar uma &quot;%1&quot; do mesmo formato. O exemplo e o HEIC danificado não são alterados durante o reparo.</translation>
    </message>
    <message>
        <source>sample HEIC image</source>
        <translation>imagem HEIC de exemplo</translation>
    </message>
    <message>
        <source>The tool could not be started.</source>
        <translation>Não foi possível iniciar a ferramenta.</translation>
    </message>
    <message>
        <source>Repair process stopped.</source>
        <translation>Reparo interrompido.</translation>
    </message>
    <message>
        <source>No files were saved.</source>
        <translation>Nenhum arquivo foi salvo.</translation>
    </message>
    <message>
        <source>The sample does not match the damaged photo, so the photo could not be repaired with it. Choose a sample taken with the same camera.</source>
        <translation>O exemplo não corresponde à foto danificada, por isso não foi possível repará-la com ele. Escolha um exemplo tirado com a mesma câmera.</translation>
    </message>
    <message>
        <source>The photo could not be repaired with this sample.</source>
        <translation>Não foi possível reparar a foto com este exemplo.</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Arial&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot;font-size:13pt;&quot;&gt;&lt;span style=&quot;font-size:10pt; font-weight:600;&quot;&gt;Verificando atualizações...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>CloseApplicationDlg</name>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Tem certeza de que deseja sair?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
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
        <translation>Nome da pasta : </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Rename to : </source>
        <translation>Renomear para : </translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Substituir</translation>
    </message>
</context>
<context>
    <name>DownloadUpdate</name>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Downloading under progress...&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Download em andamento...&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:13pt; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Downloading Files&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:13pt; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Baixando arquivos&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Update successfully installed&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;Update of Pictavo  downloaded and installed successfully.&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span&gt;Click on OK and restart &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt; to run updated &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Atualização instalada&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;A atualização do Pictavo foi baixada e instalada.&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span&gt;Clique em OK e reinicie o &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt; para usar a versão atualizada do &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Pasta existente</translation>
    </message>
</context>
<context>
    <name>QCheckUpdate</name>
    <message>
        <source>No update available.</source>
        <translation>Nenhuma atualização disponível.</translation>
    </message>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>The update check could not be completed.</source>
        <translation>Não foi possível concluir a verificação de atualizações.</translation>
    </message>
</context>
<context>
    <name>QDownloadApp</name>
    <message>
        <source>no download address is set.</source>
        <translation>nenhum endereço de download definido.</translation>
    </message>
    <message>
        <source>the download address is not valid.</source>
        <translation>o endereço de download não é válido.</translation>
    </message>
    <message>
        <source>Unable to save the file </source>
        <translation>Não foi possível salvar o arquivo </translation>
    </message>
    <message>
        <source>Time Elapsed: </source>
        <translation>Tempo decorrido: </translation>
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
        <translation>Não foi possível verificar o download.</translation>
    </message>
    <message>
        <source>The installer could not be started.</source>
        <translation>Não foi possível iniciar o instalador.</translation>
    </message>
    <message>
        <source>The update server could not be reached.</source>
        <translation>Não foi possível acessar o servidor de atualização.</translation>
    </message>
    <message>
        <source>The update server refused the download or could not be trusted.</source>
        <translation>O servidor de atualização recusou o download ou não é confiável.</translation>
    </message>
    <message>
        <source>The update was not found on the server.</source>
        <translation>A atualização não foi encontrada no servidor.</translation>
    </message>
    <message>
        <source>The download could not be saved.</source>
        <translation>Não foi possível salvar o download.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>O download foi cancelado.</translation>
    </message>
    <message>
        <source>The download was cut short.</source>
        <translation>O download foi interrompido antes do fim.</translation>
    </message>
    <message>
        <source>The download was larger than the update may be.</source>
        <translation>O download era maior do que a atualização pode ser.</translation>
    </message>
    <message>
        <source>The update server stopped sending.</source>
        <translation>O servidor de atualização parou de enviar.</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Falha na atualização</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Pictavo already running.</source>
        <translation>O Pictavo já está em execução.</translation>
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
        <translation>Uma atualização secundária </translation>
    </message>
    <message>
        <source>A new major release </source>
        <translation>Uma versão principal </translation>
    </message>
    <message>
        <source> is available. Click Update to proceed further.</source>
        <translation> está disponível. Clique em Atualizar para continuar.</translation>
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
        <translation>Selecionar tudo</translation>
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
        <translation>Ver miniaturas</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Adicionar JPEG de exemplo:&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Pictavo </source>
        <translation>Pictavo </translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply to all JPEG of same format.</source>
        <translation>Aplicar a todos os JPEGs do mesmo formato.</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Adicionar arquivo</translation>
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
        <translation>Clique aqui</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;to open containing folder.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;para abrir a pasta.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Saving Complete</source>
        <translation>Salvamento concluído</translation>
    </message>
    <message>
        <source>Image(s) saved successfully.</source>
        <translation>Imagens salvas com sucesso.</translation>
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
        <translation>Atualizar</translation>
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
        <translation>Não será possível retomar o processo. As fotos reparadas até agora são mantidas.</translation>
    </message>
    <message>
        <source>Stop Repair</source>
        <translation>Parar reparo</translation>
    </message>
    <message>
        <source>Do you want to stop the current process?</source>
        <translation>Deseja parar o processo atual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
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
        <translation>Reparo concluído</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Repair Stopped</source>
        <translation>Reparo interrompido</translation>
    </message>
    <message>
        <source>Repair Failed</source>
        <translation>Falha no reparo</translation>
    </message>
</context>
</TS>
