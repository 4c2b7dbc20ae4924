<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>zova::app::DlgNetworkPort</name>
    <message>
        <location filename="../src/app/windows/dlg_network_port.cpp" line="16"/>
        <source>Network Port</source>
        <translation>네트워크 포트</translation>
    </message>
    <message>
        <location filename="../src/app/windows/dlg_network_port.cpp" line="19"/>
        <source>A controller wired to a serial device server:
  tcp://HOST:PORT      the bytes as they are (the server&apos;s &quot;TCP server&quot; or raw mode;
                       its serial line is set on the server)
  rfc2217://HOST:PORT  Telnet with COM Port Control: the line settings are set on the server
HOST is a name, an IPv4 address or an IPv6 address in brackets, as [fd00::5].
Neither form is encrypted: use them on a closed network or through an SSH tunnel.</source>
        <translation>디바이스 서버(시리얼-네트워크 변환기)에 연결된 컨트롤러:
  tcp://HOST:PORT      바이트를 그대로 주고받습니다 (서버의 &quot;TCP server&quot; 또는 raw 모드;
                       시리얼 통신 설정은 서버에서 합니다)
  rfc2217://HOST:PORT  COM Port Control을 쓰는 Telnet: 통신 설정을 서버에 보냅니다
HOST는 이름, IPv4 주소 또는 대괄호로 묶은 IPv6 주소입니다 (예: [fd00::5]).
두 형식 모두 암호화되지 않습니다: 닫힌 네트워크에서 쓰거나 SSH 터널을 거쳐 쓰십시오.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/dlg_network_port.cpp" line="38"/>
        <source>&amp;Open</source>
        <translation>열기(&amp;O)</translation>
    </message>
    <message>
        <location filename="../src/app/windows/dlg_network_port.cpp" line="54"/>
        <source>%1: write %2</source>
        <translation>%1: %2 형식으로 입력하십시오</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmAxPara</name>
    <message>
        <location filename="../src/app/windows/frm_ax_para.cpp" line="24"/>
        <source>File Open 메뉴에서 저장할 화일명을 입력하십시요.</source>
        <translation>File Open 메뉴에서 저장할 화일명을 입력하십시요.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_ax_para.cpp" line="47"/>
        <source>Axis Parameter</source>
        <translation>Axis Parameter</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_ax_para.cpp" line="52"/>
        <source>%1-Axis</source>
        <translation>%1-Axis</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_ax_para.cpp" line="65"/>
        <source>Ax Parameter</source>
        <translation>Ax Parameter</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_ax_para.cpp" line="67"/>
        <source>Limit Parameter</source>
        <translation>Limit Parameter</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_ax_para.cpp" line="82"/>
        <source>Software Parameter</source>
        <translation>Software Parameter</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_ax_para.cpp" line="159"/>
        <source>Axis Para File Open</source>
        <translation>Axis Para File Open</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_ax_para.cpp" line="185"/>
        <source>Axis Parameter TEV ☞ PC</source>
        <translation>Axis Parameter TEV ☞ PC</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_ax_para.cpp" line="187"/>
        <location filename="../src/app/windows/frm_ax_para.cpp" line="198"/>
        <source>Axis parameters</source>
        <translation>축 파라미터</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_ax_para.cpp" line="196"/>
        <source>Axis Parameter PC ☞ TEV</source>
        <translation>Axis Parameter PC ☞ TEV</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmBackup</name>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="37"/>
        <location filename="../src/app/windows/frm_backup.cpp" line="115"/>
        <source>Backup</source>
        <translation>백업</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="38"/>
        <source>Backup folder</source>
        <translation>백업 폴더</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="39"/>
        <source>&amp;Backup…</source>
        <translation>백업(&amp;B)…</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="41"/>
        <location filename="../src/app/windows/frm_backup.cpp" line="157"/>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="42"/>
        <source>Restore folder</source>
        <translation>복원할 백업 폴더</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="43"/>
        <source>&amp;Restore…</source>
        <translation>복원(&amp;R)…</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="47"/>
        <source>Compare Backups</source>
        <translation>백업 비교</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="48"/>
        <source>Old backup folder</source>
        <translation>이전 백업 폴더</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="49"/>
        <source>&amp;Compare Backups…</source>
        <translation>백업 비교(&amp;C)…</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="51"/>
        <source>Compare</source>
        <translation>비교</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="52"/>
        <source>Compare folder</source>
        <translation>비교할 백업 폴더</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="53"/>
        <source>&amp;Compare…</source>
        <translation>비교(&amp;C)…</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="68"/>
        <source>New backup folder</source>
        <translation>새 백업 폴더</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="114"/>
        <location filename="../src/app/windows/frm_backup.cpp" line="115"/>
        <source>Item</source>
        <translation>항목</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="114"/>
        <source>Old</source>
        <translation>이전 백업</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="114"/>
        <source>New</source>
        <translation>새 백업</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="115"/>
        <source>Controller</source>
        <translation>컨트롤러</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="121"/>
        <source>Save…</source>
        <translation>저장…</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="144"/>
        <source>system parameters</source>
        <translation>시스템 파라미터</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="145"/>
        <source>axis parameters</source>
        <translation>축 파라미터</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="146"/>
        <source>locations 0 to 2499</source>
        <translation>LOC 0 ~ 2499</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="147"/>
        <source>shifts 0 to 999</source>
        <translation>SFT 0 ~ 999</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="148"/>
        <source>programs 0 to 31</source>
        <translation>프로그램 0 ~ 31</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="154"/>
        <source>%1 and %2</source>
        <translation>%1 및 %2</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="155"/>
        <source>This overwrites the controller&apos;s %1 with the backup in %2.</source>
        <translation>%2 폴더의 백업으로 컨트롤러의 다음 내용을 덮어씁니다: %1.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="174"/>
        <source>Stopping after the current exchange…</source>
        <translation>현재 전송을 마친 후 중지합니다…</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="194"/>
        <source>stopped at the operator&apos;s request</source>
        <translation>사용자의 요청으로 중지했습니다</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="214"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="222"/>
        <source>Save differences</source>
        <translation>차이점 저장</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="222"/>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmDownload</name>
    <message>
        <location filename="../src/app/windows/frm_download.cpp" line="31"/>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_download.cpp" line="33"/>
        <source>Firmware</source>
        <translation>펌웨어</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_download.cpp" line="36"/>
        <source>Controller firmware (Intel HEX)</source>
        <translation>컨트롤러 펌웨어 (Intel HEX)</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_download.cpp" line="37"/>
        <source>HEX FILE : </source>
        <translation>HEX FILE : </translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_download.cpp" line="41"/>
        <source>File Open</source>
        <translation>File Open</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_download.cpp" line="43"/>
        <location filename="../src/app/windows/frm_download.cpp" line="111"/>
        <source>Down Load</source>
        <translation>Down Load</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_download.cpp" line="55"/>
        <source>T_CHKSUM</source>
        <translation>T_CHKSUM</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_download.cpp" line="56"/>
        <source>R_CHKSUM</source>
        <translation>R_CHKSUM</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_download.cpp" line="114"/>
        <source>Firmware downloaded</source>
        <translation>펌웨어 다운로드 완료</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_download.cpp" line="117"/>
        <source>Cancelled before the erase; the flash is as it was</source>
        <translation>지우기 전에 취소되었습니다. 플래시는 이전 그대로입니다</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmFile</name>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="26"/>
        <source> 숫자를 입력하십시요</source>
        <translation> 숫자를 입력하십시요</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="32"/>
        <source>Cancelled: %1 of 32 programs sent</source>
        <translation>취소되었습니다: 프로그램 32개 중 %1개 전송</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="33"/>
        <source>Cancelled: %1 of 32 programs received</source>
        <translation>취소되었습니다: 프로그램 32개 중 %1개 수신</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="39"/>
        <source>program %1 sent</source>
        <translation>프로그램 %1 전송 완료</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="39"/>
        <source>program %1 received</source>
        <translation>프로그램 %1 수신 완료</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="41"/>
        <source>%1 programs sent</source>
        <translation>프로그램 %1개 전송 완료</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="41"/>
        <source>%1 programs received</source>
        <translation>프로그램 %1개 수신 완료</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="42"/>
        <source>, %1 failed</source>
        <translation>, %1개 실패</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="43"/>
        <source>, %1 not compiled</source>
        <translation>, %1개 컴파일 안 됨</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="44"/>
        <source>, %1 refused for a wrong checksum</source>
        <translation>, %1개 체크섬 오류로 거부됨</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="45"/>
        <source>, %1 not saved</source>
        <translation>, %1개 저장 안 됨</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="54"/>
        <source>The written source does not compile back to what the controller holds; File &gt; Backup keeps the exact image.</source>
        <translation>저장한 소스를 다시 컴파일해도 컨트롤러에 있는 프로그램과 같아지지 않습니다. 정확한 이미지는 File &gt; 백업으로 보관하십시오.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="77"/>
        <source>FILE Trans / Receive</source>
        <translation>FILE Trans / Receive</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="104"/>
        <source>FILE Receive (TEV ▶ PC)</source>
        <translation>FILE Receive (TEV ▶ PC)</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="104"/>
        <source>FILE Trans (PC ▶ TEV)</source>
        <translation>FILE Trans (PC ▶ TEV)</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="108"/>
        <source>PC File Name</source>
        <translation>PC File Name</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="108"/>
        <source>TEV File #</source>
        <translation>TEV File #</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="117"/>
        <source>Receive </source>
        <translation>Receive </translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="117"/>
        <source>Trans</source>
        <translation>Trans</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="117"/>
        <source>ALL Receive</source>
        <translation>ALL Receive</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="117"/>
        <source>ALL Trans</source>
        <translation>ALL Trans</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="126"/>
        <source>File Open</source>
        <translation>File Open</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="132"/>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="138"/>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="138"/>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="174"/>
        <source>Program Receive</source>
        <translation>프로그램 수신</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="174"/>
        <source>Program ALL Receive</source>
        <translation>프로그램 전체 수신</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="197"/>
        <source>Program Trans</source>
        <translation>프로그램 전송</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="205"/>
        <source>Program ALL Trans</source>
        <translation>프로그램 전체 전송</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="213"/>
        <source>Receive File Open</source>
        <translation>Receive File Open</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="221"/>
        <source>Trans File Open</source>
        <translation>Trans File Open</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmLineMonitor</name>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="56"/>
        <source>Line Monitor</source>
        <translation>통신 모니터</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="59"/>
        <source>seconds since opened or cleared   &gt; PC to controller   &lt; controller to PC   byte   name</source>
        <translation>열거나 지운 뒤 지난 초   &gt; PC에서 컨트롤러로   &lt; 컨트롤러에서 PC로   바이트   이름</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="72"/>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="116"/>
        <source>&amp;Pause</source>
        <translation>일시정지(&amp;P)</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="74"/>
        <source>C&amp;lear</source>
        <translation>지우기(&amp;L)</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="75"/>
        <source>Empties the list; its seconds count from the clear</source>
        <translation>목록을 비웁니다. 초는 지운 때부터 다시 셉니다</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="76"/>
        <source>&amp;Save...</source>
        <translation>저장(&amp;S)...</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="116"/>
        <source>&amp;Resume</source>
        <translation>계속(&amp;R)</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="125"/>
        <source>Save Line Monitor</source>
        <translation>통신 모니터 저장</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="125"/>
        <source>Trace</source>
        <translation>통신 기록</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmSysPara</name>
    <message>
        <location filename="../src/app/windows/frm_sys_para.cpp" line="25"/>
        <source>File Open 메뉴에서 저장할 화일명을 입력하십시요.</source>
        <translation>File Open 메뉴에서 저장할 화일명을 입력하십시요.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sys_para.cpp" line="47"/>
        <source>System Parameter</source>
        <translation>System Parameter</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sys_para.cpp" line="119"/>
        <source>System Para File Open</source>
        <translation>System Para File Open</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sys_para.cpp" line="145"/>
        <source>System Parameter TEV ☞ PC</source>
        <translation>System Parameter TEV ☞ PC</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sys_para.cpp" line="147"/>
        <location filename="../src/app/windows/frm_sys_para.cpp" line="158"/>
        <source>System parameters</source>
        <translation>시스템 파라미터</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sys_para.cpp" line="156"/>
        <source>System Parameter PC ☞ TEV</source>
        <translation>System Parameter PC ☞ TEV</translation>
    </message>
</context>
<context>
    <name>zova::app::IoLabels</name>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="14"/>
        <location filename="../src/app/windows/io_labels.cpp" line="30"/>
        <source>E-STOP</source>
        <translation>E-STOP</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="14"/>
        <source>NC</source>
        <translation>NC</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="15"/>
        <location filename="../src/app/windows/io_labels.cpp" line="30"/>
        <source>ZR</source>
        <translation>ZR</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="15"/>
        <source>RUN/STOP</source>
        <translation>RUN/STOP</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="16"/>
        <location filename="../src/app/windows/io_labels.cpp" line="29"/>
        <source>PAUSE</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="16"/>
        <source>ERR_RST</source>
        <translation>ERR_RST</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="17"/>
        <location filename="../src/app/windows/io_labels.cpp" line="27"/>
        <source>EXT</source>
        <translation>EXT</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="17"/>
        <source>SVON/OFF</source>
        <translation>SVON/OFF</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="19"/>
        <source>INT %1</source>
        <translation>INT %1</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="21"/>
        <source>PSEL %1</source>
        <translation>PSEL %1</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="22"/>
        <source>UIN %1</source>
        <translation>UIN %1</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="27"/>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="28"/>
        <source>SERVO ON</source>
        <translation>SERVO ON</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="28"/>
        <source>READY</source>
        <translation>READY</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="29"/>
        <source>RUN</source>
        <translation>RUN</translation>
    </message>
    <message>
        <location filename="../src/app/windows/io_labels.cpp" line="32"/>
        <source>UOUT %1</source>
        <translation>UOUT %1</translation>
    </message>
</context>
<context>
    <name>zova::app::PositionScreen</name>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="12"/>
        <source>LOCATION</source>
        <translation>LOCATION</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="14"/>
        <source>location</source>
        <translation>LOC</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="15"/>
        <source>locations</source>
        <translation>LOC</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="24"/>
        <source>LOC Receive (TEV ▶ PC)</source>
        <translation>LOC Receive (TEV ▶ PC)</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="26"/>
        <location filename="../src/app/windows/frm_loc.cpp" line="40"/>
        <source>Start LOC #</source>
        <translation>Start LOC #</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="27"/>
        <location filename="../src/app/windows/frm_loc.cpp" line="41"/>
        <source>End LOC #</source>
        <translation>End LOC #</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="31"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="31"/>
        <source>Receive</source>
        <translation>Receive</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="32"/>
        <source>Block Receive</source>
        <translation>Block Receive</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="34"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="32"/>
        <source>ALL Receive</source>
        <translation>ALL Receive</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="35"/>
        <location filename="../src/app/windows/frm_loc.cpp" line="48"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="33"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="45"/>
        <source>File Open</source>
        <translation>File Open</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="36"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="34"/>
        <source>File Save</source>
        <translation>File Save</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="38"/>
        <source>LOC Trans (PC ▶ TEV)</source>
        <translation>LOC Trans (PC ▶ TEV)</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="45"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="43"/>
        <source>Trans</source>
        <translation>Trans</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="46"/>
        <source>Block Trans</source>
        <translation>Block Trans</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="47"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="44"/>
        <source>ALL Trans</source>
        <translation>ALL Trans</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="49"/>
        <source>LOC 1AX</source>
        <translation>LOC 1AX</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="50"/>
        <source>LOC 2AX</source>
        <translation>LOC 2AX</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="51"/>
        <source>LOC 3AX</source>
        <translation>LOC 3AX</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="52"/>
        <source>LOC 4AX</source>
        <translation>LOC 4AX</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="53"/>
        <source>LOC 5AX</source>
        <translation>LOC 5AX</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="54"/>
        <source>LOC 6AX</source>
        <translation>LOC 6AX</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="57"/>
        <source>LOC FILE SAVE</source>
        <translation>LOC FILE SAVE</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="58"/>
        <source>LOC FILE OPEN</source>
        <translation>LOC FILE OPEN</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="12"/>
        <source>SHIFT LOCATION</source>
        <translation>SHIFT LOCATION</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="14"/>
        <source>shift</source>
        <translation>SFT</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="15"/>
        <source>shifts</source>
        <translation>SFT</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="24"/>
        <source>SFT LOC Receive (TEV ▶ PC)</source>
        <translation>SFT LOC Receive (TEV ▶ PC)</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="26"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="38"/>
        <source>Start Sft LOC #</source>
        <translation>Start Sft LOC #</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="27"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="39"/>
        <source>End Sft LOC #</source>
        <translation>End Sft LOC #</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="36"/>
        <source>SFT LOC Trans (PC ▶ TEV)</source>
        <translation>SFT LOC Trans (PC ▶ TEV)</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="46"/>
        <source>SFT 1AX</source>
        <translation>SFT 1AX</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="47"/>
        <source>2AX</source>
        <translation>2AX</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="48"/>
        <source>3AX</source>
        <translation>3AX</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="49"/>
        <source>4AX</source>
        <translation>4AX</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="50"/>
        <source>5AX</source>
        <translation>5AX</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="51"/>
        <source>6AX</source>
        <translation>6AX</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="54"/>
        <source>SFT LOC FILE OPEN</source>
        <translation>SFT LOC FILE OPEN</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="58"/>
        <source> 0 ~ 99 까지 입력하십시요.</source>
        <translation> 0 ~ 99 까지 입력하십시요.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="24"/>
        <source> 숫자를 입력하십시요</source>
        <translation> 숫자를 입력하십시요</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="26"/>
        <source> End Loc 는 Start Loc 보다 커야 합니다.</source>
        <translation> End Loc 는 Start Loc 보다 커야 합니다.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="28"/>
        <source>File Open 메뉴에서 저장할 화일명을 입력하십시요.</source>
        <translation>File Open 메뉴에서 저장할 화일명을 입력하십시요.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="107"/>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="209"/>
        <source>Cancelled: %1 of %2 %3 sent</source>
        <translation>취소되었습니다: %3 %2개 중 %1개 전송</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="210"/>
        <source>Cancelled after %1 of %2 %3; the table is as it was</source>
        <translation>%3 %2개 중 %1개 수신 후 취소되었습니다. 테이블은 이전 그대로입니다</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="218"/>
        <source>%1 %2</source>
        <comment>a row and its number</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="221"/>
        <source>%1 %2</source>
        <comment>a count of rows</comment>
        <translation>%2 %1개</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="222"/>
        <source>%1 sent</source>
        <translation>%1 전송 완료</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="223"/>
        <source>%1 received</source>
        <translation>%1 수신 완료</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="224"/>
        <source>%1 refused for a wrong checksum</source>
        <translation>%1 체크섬 오류로 거부되었습니다</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="225"/>
        <source>%1 received, %2 refused for a wrong checksum</source>
        <translation>%1 수신, %2개는 체크섬 오류로 거부되었습니다</translation>
    </message>
</context>
<context>
    <name>zova::app::Screens</name>
    <message>
        <location filename="../src/app/windows/screens.cpp" line="29"/>
        <source>모든파일(*.*)</source>
        <translation>모든파일(*.*)</translation>
    </message>
</context>
</TS>
