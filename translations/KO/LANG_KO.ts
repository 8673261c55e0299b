<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Version&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;버전&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;Edition :&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;에디션 :&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt;&quot;&gt;Copyright © Velmora Data Recovery. All rights reserved.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt;&quot;&gt;© Velmora Data Recovery. 모든 권리 보유.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600;&quot;&gt;System Information&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600;&quot;&gt;시스템 정보&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;사용권자&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600; color:#000000;&quot;&gt;Product Information&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:10pt; font-weight:600; color:#000000;&quot;&gt;제품 정보&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;O. S.&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt;&quot;&gt;OS&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:600;&quot;&gt; : &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>View User License</source>
        <translation>사용권 계약 보기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
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
        <translation>정보</translation>
    </message>
    <message>
        <source>Copyright © Velmora Data Recovery. All rights reserved.</source>
        <translation>© Velmora Data Recovery. 모든 권리 보유.</translation>
    </message>
    <message>
        <source>The licence document could not be opened.</source>
        <translation>라이선스 문서를 열 수 없습니다.</translation>
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
        <translation>다음</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Pictavo </source>
        <translation>Pictavo </translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>복구</translation>
    </message>
    <message>
        <source>Add a sample JPEG:</source>
        <translation>샘플 JPEG 추가:</translation>
    </message>
    <message>
        <source>Add a sample HEIC:</source>
        <translation>샘플 HEIC 추가:</translation>
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
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>모두 건너뛰기</translation>
    </message>
    <message>
        <source>File Name :</source>
        <translation>파일 이름 :</translation>
    </message>
    <message>
        <source>Rename All</source>
        <translation>모두 이름 바꾸기</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>덮어쓰기</translation>
    </message>
    <message>
        <source>Rename to :</source>
        <translation>새 이름 :</translation>
    </message>
    <message>
        <source>Overwrite All</source>
        <translation>모두 덮어쓰기</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>파일이 이미 있음</translation>
    </message>
</context>
<context>
    <name>BackApplicationDlg</name>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>This action will clear repair results.
Do you want to go back to previous screen?</source>
        <translation>복구 결과가 지워집니다.
이전 화면으로 돌아가시겠습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
</context>
<context>
    <name>BrowseRepairDlg</name>
    <message>
        <source>Repair</source>
        <translation>복구</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Save Repaired Files</source>
        <translation>복구된 파일 저장</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source> File Name</source>
        <translation> 파일 이름</translation>
    </message>
    <message>
        <source> Type</source>
        <translation> 유형</translation>
    </message>
    <message>
        <source> Resolution</source>
        <translation> 해상도</translation>
    </message>
    <message>
        <source>File name already added to list.</source>
        <translation>이미 목록에 있는 파일입니다.</translation>
    </message>
    <message>
        <source>Already added files</source>
        <translation>이미 추가된 파일</translation>
    </message>
    <message>
        <source> Path</source>
        <translation> 경로</translation>
    </message>
    <message>
        <source> Size (KB)</source>
        <translation> 크기(KB)</translation>
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
        <translation>상태</translation>
    </message>
    <message>
        <source>TemporaryPath</source>
        <translation>TemporaryPath</translation>
    </message>
    <message>
        <source> Modified Date</source>
        <translation> 수정한 날짜</translation>
    </message>
    <message>
        <source> Created Date</source>
        <translation> 만든 날짜</translation>
    </message>
    <message>
        <source>Select Images</source>
        <translation>이미지 선택</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>More Tools</source>
        <translation>기타 도구</translation>
    </message>
    <message>
        <source>Recover Data</source>
        <translation>데이터 복원</translation>
    </message>
    <message>
        <source>Monitor Drive</source>
        <translation>드라이브 모니터링</translation>
    </message>
    <message>
        <source>Repair Video</source>
        <translation>동영상 복구</translation>
    </message>
    <message>
        <source>Recover Photo</source>
        <translation>사진 복원</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Click on the &apos;Save Repaired Files&apos; to save all your repaired photos. Click the file to preview it. </source>
        <translation>&apos;복구된 파일 저장&apos;을 클릭하면 복구된 사진을 모두 저장합니다. 파일을 클릭하면 미리 볼 수 있습니다. </translation>
    </message>
    <message>
        <source>Repair process completed.</source>
        <translation>복구가 완료되었습니다.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>네덜란드어</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>중국어</translation>
    </message>
    <message>
        <source>Portuguese Brazil</source>
        <translation>포르투갈어(브라질)</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>힌디어</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>The repaired files cannot be saved into the program&apos;s work folder, which is emptied when you go back or exit. Please choose another folder.</source>
        <translation>복구된 파일은 프로그램의 작업 폴더에 저장할 수 없습니다. 이 폴더는 뒤로 가거나 종료할 때 비워집니다. 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>%1 file(s) could not be saved.</source>
        <translation>파일 %1개를 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>Advance Repair</source>
        <translation>고급 복구</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>처리되지 않음</translation>
    </message>
    <message>
        <source>Repair process completed.

Thumbnails are listed as &apos;filename_Tx&apos; if available.
Thumbnails are small sized images of large JPEGs.</source>
        <translation>복구가 완료되었습니다.

썸네일이 있으면 &apos;파일이름_Tx&apos;로 표시됩니다.
썸네일은 큰 JPEG의 작은 이미지입니다.</translation>
    </message>
    <message>
        <source>Repairing file </source>
        <translation>파일 복구 중 </translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Thumbnail</source>
        <translation>썸네일</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>복구됨</translation>
    </message>
    <message>
        <source>Extracted</source>
        <translation>추출됨</translation>
    </message>
    <message>
        <source>This may take a while, depending on the number of photos and their file size. Please wait while the process is completed.</source>
        <translation>사진 수와 파일 크기에 따라 시간이 걸릴 수 있습니다. 작업이 완료될 때까지 기다려 주세요.</translation>
    </message>
    <message>
        <source>Repairing selected photos</source>
        <translation>선택한 사진을 복구하는 중</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Advance Repair

Use this option to repair severely damaged JPEG.
Click Next to add a &apos;sample JPEG&apos; of the same format, shot using the same device. The sample and the damaged JPEGs remain unchanged during repair process.</source>
        <translation>고급 복구

심하게 손상된 JPEG를 복구하는 옵션입니다.
[다음]을 클릭하여 같은 장치로 촬영한 같은 형식의 &apos;샘플 JPEG&apos;를 추가하세요. 복구 중에 샘플과 손상된 JPEG는 변경되지 않습니다.</translation>
    </message>
    <message>
        <source>Advance Repair

Use this option to repair severely damaged HEIC image.
Click Next to add a &apos;%1&apos; of the same format. The sample and the damaged HEIC remain unchanged during repair process.</source>
        <translation>고급 복구

심하게 손상된 HEIC 이미지를 복구하는 옵션입니다.
[다음]을 클릭하여 같은 형식의 &apos;%1&apos;를 추가하세요. 복구 중에 샘플과 손상된 HEIC는 변경되지 않습니다.</translation>
    </message>
    <message>
        <source>sample HEIC image</source>
        <translation>샘플 HEIC 이미지</translation>
    </message>
    <message>
        <source>The tool could not be started.</source>
        <translation>도구를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>Repair process stopped.</source>
        <translation>복구가 중지되었습니다.</translation>
    </message>
    <message>
        <source>No files were saved.</source>
        <translation>저장된 파일이 없습니다.</translation>
    </message>
    <message>
        <source>The sample does not match the damaged photo, so the photo could not be repaired with it. Choose a sample taken with the same camera.</source>
        <translation>샘플이 손상된 사진과 일치하지 않아 이 샘플로 복구할 수 없습니다. 같은 카메라로 촬영한 샘플을 선택하세요.</translation>
    </message>
    <message>
        <source>The photo could not be repaired with this sample.</source>
        <translation>이 샘플로는 사진을 복구할 수 없습니다.</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Arial&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot;font-size:13pt;&quot;&gt;&lt;span style=&quot;font-size:10pt; font-weight:600;&quot;&gt;업데이트 확인 중...&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>CloseApplicationDlg</name>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
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
        <translation>폴더 이름 : </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Rename to : </source>
        <translation>새 이름 : </translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>덮어쓰기</translation>
    </message>
</context>
<context>
    <name>DownloadUpdate</name>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Downloading under progress...&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;다운로드 중...&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:13pt; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Downloading Files&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:13pt; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;파일 다운로드 중&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Update successfully installed&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;Update of Pictavo  downloaded and installed successfully.&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span&gt;Click on OK and restart &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt; to run updated &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt;&quot;&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;업데이트 설치 완료&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;Pictavo 업데이트를 다운로드하여 설치했습니다.&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;p style=&quot; font-family:&apos;Arial&apos;; font-size:10pt;&quot;&gt;&lt;span&gt;[확인]을 클릭하고 &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt; 프로그램을 다시 시작하면 업데이트된 &lt;/span&gt;&lt;span&gt;Pictavo &lt;/span&gt;&lt;span&gt;버전이 실행됩니다.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>FolderExist</name>
    <message>
        <source>Folder Exists</source>
        <translation>폴더가 이미 있음</translation>
    </message>
</context>
<context>
    <name>QCheckUpdate</name>
    <message>
        <source>No update available.</source>
        <translation>업데이트가 없습니다.</translation>
    </message>
    <message>
        <source>Pictavo</source>
        <translation>Pictavo</translation>
    </message>
    <message>
        <source>The update check could not be completed.</source>
        <translation>업데이트 확인을 완료할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>QDownloadApp</name>
    <message>
        <source>no download address is set.</source>
        <translation>다운로드 주소가 설정되지 않았습니다.</translation>
    </message>
    <message>
        <source>the download address is not valid.</source>
        <translation>다운로드 주소가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Unable to save the file </source>
        <translation>파일을 저장할 수 없습니다 </translation>
    </message>
    <message>
        <source>Time Elapsed: </source>
        <translation>경과 시간: </translation>
    </message>
    <message>
        <source> sec </source>
        <translation>초 </translation>
    </message>
    <message>
        <source> MB copied) </source>
        <translation> MB 복사됨) </translation>
    </message>
    <message>
        <source>The download could not be verified.</source>
        <translation>다운로드를 검증할 수 없습니다.</translation>
    </message>
    <message>
        <source>The installer could not be started.</source>
        <translation>설치 프로그램을 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>The update server could not be reached.</source>
        <translation>업데이트 서버에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>The update server refused the download or could not be trusted.</source>
        <translation>업데이트 서버가 다운로드를 거부했거나 신뢰할 수 없습니다.</translation>
    </message>
    <message>
        <source>The update was not found on the server.</source>
        <translation>서버에서 업데이트를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>The download could not be saved.</source>
        <translation>다운로드를 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>다운로드가 취소되었습니다.</translation>
    </message>
    <message>
        <source>The download was cut short.</source>
        <translation>다운로드가 도중에 중단되었습니다.</translation>
    </message>
    <message>
        <source>The download was larger than the update may be.</source>
        <translation>다운로드가 업데이트에 허용된 크기보다 컸습니다.</translation>
    </message>
    <message>
        <source>The update server stopped sending.</source>
        <translation>업데이트 서버가 전송을 멈추었습니다.</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>업데이트 실패</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Pictavo already running.</source>
        <translation>Pictavo가 이미 실행 중입니다.</translation>
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
        <translation>새 마이너 업데이트 </translation>
    </message>
    <message>
        <source>A new major release </source>
        <translation>새 메이저 릴리스 </translation>
    </message>
    <message>
        <source> is available. Click Update to proceed further.</source>
        <translation> 버전을 사용할 수 있습니다. [업데이트]를 클릭하여 계속하세요.</translation>
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
        <translation>모두 선택</translation>
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
        <translation>썸네일 표시</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;샘플 JPEG 추가:&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Pictavo </source>
        <translation>Pictavo </translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>찾아보기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Apply to all JPEG of same format.</source>
        <translation>같은 형식의 모든 JPEG에 적용</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>파일 추가</translation>
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
        <translation>여기를 클릭</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;to open containing folder.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;하면 폴더가 열립니다.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Saving Complete</source>
        <translation>저장 완료</translation>
    </message>
    <message>
        <source>Image(s) saved successfully.</source>
        <translation>이미지를 저장했습니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
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
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>StopDlg</name>
    <message>
        <source>You can&apos;t resume the process from this point. The photos repaired so far are kept.</source>
        <translation>여기서부터는 작업을 다시 시작할 수 없습니다. 지금까지 복구된 사진은 유지됩니다.</translation>
    </message>
    <message>
        <source>Stop Repair</source>
        <translation>복구 중지</translation>
    </message>
    <message>
        <source>Do you want to stop the current process?</source>
        <translation>현재 작업을 중지하시겠습니까?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
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
        <translation>복구 완료</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Repair Stopped</source>
        <translation>복구 중지됨</translation>
    </message>
    <message>
        <source>Repair Failed</source>
        <translation>복구 실패</translation>
    </message>
</context>
</TS>
