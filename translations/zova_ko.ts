<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>zova::app::CommandLine</name>
    <message>
        <location filename="../src/app/command_line.cpp" line="+22"/>
        <source>usage: zova [--port DEVICE|sim] [--axes N] [--machine-type T] [--lang ko|en]
       zova --help | --version

  --port DEVICE|sim   open the serial device (/dev/ttyUSB0, COM3), a serial device server
                      (tcp://HOST:PORT raw TCP, rfc2217://HOST:PORT Telnet with RFC 2217;
                      HOST a name, an IPv4 address or [IPv6]) or the built-in simulated
                      controller once the main window is shown
  --axes N            the controller&apos;s axis count, 2 to 6: no selection window
  --machine-type T    PLC family 0, 1 or 2 (default 0; without --axes the selection window
                      opens with it chosen)
  --lang ko|en        language of the windows and messages (default: the one chosen in the
                      &quot;View&quot; menu, else the system&apos;s: LC_ALL, LC_MESSAGES, LANG)
  --help              this text
  --version           the program&apos;s version

Without --port, the port last opened is opened again when &quot;Open Last Port at Start&quot; is checked
in the &quot;Comm Port&quot; menu. Options of the Qt toolkit (one dash, such as -platform offscreen) pass to it.
For measuring: --screenshots FOLDER, --measure startup|loc-receive-all|poll:SECONDS|record:SECONDS
[--monitor].
</source>
        <translation>사용법: zova [--port DEVICE|sim] [--axes N] [--machine-type T] [--lang ko|en]
       zova --help | --version

  --port DEVICE|sim   메인 창이 나타나면 시리얼 장치(/dev/ttyUSB0, COM3), 시리얼 장치 서버
                      (tcp://HOST:PORT 순수 TCP, rfc2217://HOST:PORT RFC 2217 Telnet;
                      HOST는 이름, IPv4 주소 또는 [IPv6]) 또는 내장 모의 제어기를 엽니다
  --axes N            제어기의 축 수, 2~6: 선택 창을 띄우지 않습니다
  --machine-type T    PLC 종류 0, 1 또는 2 (기본값 0; --axes가 없으면 선택 창이 이 종류를
                      고른 상태로 열립니다)
  --lang ko|en        창과 메시지의 언어 (기본값: &quot;보기&quot; 메뉴에서 고른 언어, 없으면 시스템의
                      언어: LC_ALL, LC_MESSAGES, LANG)
  --help              이 도움말
  --version           프로그램 버전

--port가 없으면 &quot;Comm Port&quot; 메뉴의 &quot;시작할 때 마지막 통신포트 열기&quot;가 선택되어 있을 때 마지막으로
연 통신포트를 다시 엽니다. Qt 툴킷의 옵션(-platform offscreen처럼 대시 하나)은 Qt에 전달됩니다.
측정용: --screenshots FOLDER, --measure startup|loc-receive-all|poll:SECONDS|record:SECONDS
[--monitor].
</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>needs a device or sim</source>
        <translation>장치 이름 또는 sim이 필요합니다</translation>
    </message>
</context>
<context>
    <name>zova::app::DlgNetworkPort</name>
    <message>
        <location filename="../src/app/windows/dlg_network_port.cpp" line="+18"/>
        <source>Network Port</source>
        <translation>네트워크 포트</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A controller wired to a serial device server:</source>
        <translation>디바이스 서버(시리얼-네트워크 변환기)에 연결된 제어기:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the bytes as they are (the server&apos;s &quot;TCP server&quot; or raw mode; its serial line is set on the server)</source>
        <translation>바이트를 그대로 주고받습니다 (서버의 &quot;TCP server&quot; 또는 raw 모드; 시리얼 통신 설정은 서버에서 합니다)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Telnet with COM Port Control: the line settings are sent to the server</source>
        <translation>COM Port Control을 쓰는 Telnet: 통신 설정을 서버에 보냅니다</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>HOST is a name, an IPv4 address or an IPv6 address in brackets, as [fd00::5].
Neither form is encrypted: use them on a closed network or through an SSH tunnel.</source>
        <translation>HOST는 이름, IPv4 주소 또는 대괄호로 묶은 IPv6 주소입니다 (예: [fd00::5]).
두 형식 모두 암호화되지 않습니다: 닫힌 네트워크에서 쓰거나 SSH 터널을 거쳐 쓰십시오.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Address:</source>
        <translation>주소(&amp;A):</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Open</source>
        <translation>열기(&amp;O)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: write %2</source>
        <translation>%1: %2 형식으로 입력하십시오</translation>
    </message>
</context>
<context>
    <name>zova::app::FileDialog</name>
    <message>
        <location filename="../src/app/qt/file_dialog.cpp" line="+53"/>
        <source>Choose</source>
        <translation>선택</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmAlarmLog</name>
    <message>
        <location filename="../src/app/windows/frm_alarm_log.cpp" line="+23"/>
        <source>Alarm Log</source>
        <translation>알람 기록</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Filter:</source>
        <translation>필터(&amp;F):</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>text, code, port or file</source>
        <translation>문자, 코드, 포트 또는 파일</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Since:</source>
        <translation>시작일(&amp;S):</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>First day</source>
        <translation>시작일</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Refresh</source>
        <translation>새로 고침(&amp;R)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Alarms, newest first</source>
        <translation>알람 (최근 것부터)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>시각</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Code</source>
        <translation>코드</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Value</source>
        <translation>값</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Recording</source>
        <translation>기록 파일</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error text</source>
        <translation>오류 내용</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Open Recording</source>
        <translation>기록 열기(&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export CSV...</source>
        <translation>CSV 내보내기(&amp;E)...</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Export Alarm Log</source>
        <translation>알람 기록 내보내기</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmBackup</name>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="+38"/>
        <location line="+77"/>
        <source>Backup</source>
        <translation>백업</translation>
    </message>
    <message>
        <location line="-76"/>
        <source>Backup folder</source>
        <translation>백업 폴더</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Backup…</source>
        <translation>백업(&amp;B)…</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+117"/>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <location line="-116"/>
        <source>Restore folder</source>
        <translation>복원할 백업 폴더</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Restore…</source>
        <translation>복원(&amp;R)…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compare Backups</source>
        <translation>백업 비교</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Old backup folder</source>
        <translation>이전 백업 폴더</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare Back&amp;ups…</source>
        <translation>백업 비교(&amp;U)…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare</source>
        <translation>비교</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare folder</source>
        <translation>비교할 백업 폴더</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Compare…</source>
        <translation>비교(&amp;C)…</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>New backup folder</source>
        <translation>새 백업 폴더</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Log</source>
        <translation>기록</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Differences</source>
        <translation>차이</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Item</source>
        <translation>항목</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Old</source>
        <translation>이전 백업</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New</source>
        <translation>새 백업</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Controller</source>
        <translation>제어기</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save…</source>
        <translation>저장…</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>system parameters</source>
        <translation>시스템 파라미터</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>axis parameters</source>
        <translation>축 파라미터</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>locations 0 to 2499</source>
        <translation>LOC 0 ~ 2499</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shifts 0 to 999</source>
        <translation>SFT 0 ~ 999</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>programs 0 to 31</source>
        <translation>프로그램 0 ~ 31</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 and %2</source>
        <translation>%1 및 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This overwrites the controller&apos;s %1 with the backup in %2.</source>
        <translation>%2 폴더의 백업으로 제어기의 다음 내용을 덮어씁니다: %1.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>stopped at the operator&apos;s request</source>
        <translation>사용자의 요청으로 중지했습니다</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save differences</source>
        <translation>차이점 저장</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmDownload</name>
    <message>
        <location filename="../src/app/windows/frm_download.cpp" line="+31"/>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Firmware</source>
        <translation>펌웨어</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Controller firmware (Intel HEX)</source>
        <translation>제어기 펌웨어 (Intel HEX)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>HEX FILE : </source>
        <translation>HEX FILE : </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>File Open</source>
        <translation>File Open</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+57"/>
        <location line="+18"/>
        <source>Down Load</source>
        <translation>Down Load</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>T_CHKSUM</source>
        <translation>T_CHKSUM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>R_CHKSUM</source>
        <translation>R_CHKSUM</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Firmware downloaded</source>
        <translation>펌웨어 다운로드 완료</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancelled before the erase; the flash is as it was</source>
        <translation>지우기 전에 취소되었습니다. 플래시는 이전 그대로입니다</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>This erases the controller&apos;s flash and writes %1.</source>
        <translation>이 작업은 컨트롤러의 플래시를 지우고 %1을(를) 씁니다.</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmEditor</name>
    <message>
        <location filename="../src/app/windows/frm_editor.cpp" line="+36"/>
        <source>Program Editor</source>
        <translation>프로그램 편집기</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 problem</source>
        <translation>문제 1개</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 problems</source>
        <translation>문제 %1개</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 step</source>
        <translation>1 스텝</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 steps</source>
        <translation>%1 스텝</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancelled before the exchange began; nothing was exchanged</source>
        <translation>통신을 시작하기 전에 취소되었습니다. 주고받은 데이터가 없습니다</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Save the changes to %1?</source>
        <translation>%1의 변경 내용을 저장하시겠습니까?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Program text</source>
        <translation>프로그램 본문</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Problems</source>
        <translation>문제</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line</source>
        <translation>줄</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Step</source>
        <translation>스텝</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>메시지</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New</source>
        <translation>새로 만들기(&amp;N)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open…</source>
        <translation>열기(&amp;O)…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Program</source>
        <translation>프로그램 열기</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As…</source>
        <translation>다른 이름으로 저장(&amp;A)…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Find…</source>
        <translation>찾기(&amp;F)…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Find &amp;Next</source>
        <translation>다음 찾기(&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find &amp;Previous</source>
        <translation>이전 찾기(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Go to Line…</source>
        <translation>줄로 이동(&amp;G)…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Program</source>
        <translation>프로그램(&amp;P)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Program #</source>
        <translation>프로그램 번호</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Program</source>
        <translation>프로그램</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comment</source>
        <translation>주석</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous</source>
        <translation>이전</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Go to line</source>
        <translation>이동할 줄</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Send as program %1</source>
        <translation>프로그램 %1번으로 전송</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fetch program %1</source>
        <translation>프로그램 %1번 수신</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Send as program %1</source>
        <translation>프로그램 %1(으)로 보내기(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Fetch program %1</source>
        <translation>프로그램 %1 가져오기(&amp;F)</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Save Program</source>
        <translation>프로그램 저장</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Not saved: the text holds characters that %1 cannot carry.</source>
        <translation>저장하지 않았습니다: %1 인코딩에 없는 문자가 텍스트에 있습니다.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>checking stopped here: the lines below were not checked</source>
        <translation>검사가 여기서 멈췄습니다: 아래 줄은 검사하지 않았습니다</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no problems</source>
        <translation>문제 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 · image %2 of %3 words · %4</source>
        <translation>%1 · 이미지 %2/%3 워드 · %4</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;%1&quot; not found</source>
        <translation>찾을 수 없습니다: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Not sent: the source has %1.</source>
        <translation>전송하지 않았습니다: 소스에 %1가 있습니다.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not sent: the text holds characters that %1 cannot carry.</source>
        <translation>전송하지 않았습니다: %1 인코딩에 없는 문자가 텍스트에 있습니다.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Program %1 sent</source>
        <translation>프로그램 %1번 전송 완료</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Program %1 fetched</source>
        <translation>프로그램 %1번 수신 완료</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Program &amp;Editor…</source>
        <translation>프로그램 편집기(&amp;E)…</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmFile</name>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="+27"/>
        <source> 숫자를 입력하십시요</source>
        <translation> 숫자를 입력하십시요</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancelled: %1 of 32 programs sent</source>
        <translation>취소되었습니다: 프로그램 32개 중 %1개 전송</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled: %1 of 32 programs received</source>
        <translation>취소되었습니다: 프로그램 32개 중 %1개 수신</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>program %1 sent</source>
        <translation>프로그램 %1 전송 완료</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>program %1 received</source>
        <translation>프로그램 %1 수신 완료</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 programs sent</source>
        <translation>프로그램 %1개 전송 완료</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 programs received</source>
        <translation>프로그램 %1개 수신 완료</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, %1 failed</source>
        <translation>, %1개 실패</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, %1 not compiled</source>
        <translation>, %1개 컴파일 안 됨</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, %1 refused for a wrong checksum</source>
        <translation>, %1개 체크섬 오류로 거부됨</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, %1 not saved</source>
        <translation>, %1개 저장 안 됨</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The written source does not compile back to what the controller holds; File &gt; Backup keeps the exact image.</source>
        <translation>저장한 소스를 다시 컴파일해도 제어기에 있는 프로그램과 같아지지 않습니다. 정확한 이미지는 File &gt; 백업으로 보관하십시오.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>FILE Trans / Receive</source>
        <translation>FILE Trans / Receive</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>FILE Receive (TEV ▶ PC)</source>
        <translation>FILE Receive (TEV ▶ PC)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>FILE Trans (PC ▶ TEV)</source>
        <translation>FILE Trans (PC ▶ TEV)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PC File Name</source>
        <translation>PC File Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TEV File #</source>
        <translation>TEV File #</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Receive </source>
        <translation>Receive </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trans</source>
        <translation>Trans</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ALL Receive</source>
        <translation>ALL Receive</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ALL Trans</source>
        <translation>ALL Trans</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>File Open</source>
        <translation>File Open</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Program Receive</source>
        <translation>프로그램 수신</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Program ALL Receive</source>
        <translation>프로그램 전체 수신</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Program Trans</source>
        <translation>프로그램 전송</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Program ALL Trans</source>
        <translation>프로그램 전체 전송</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Receive File Open</source>
        <translation>Receive File Open</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Trans File Open</source>
        <translation>Trans File Open</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmHistory</name>
    <message>
        <location filename="../src/app/windows/frm_history.cpp" line="+1"/>
        <source>History repository or fleet folder</source>
        <translation>이력 저장소 또는 플릿 폴더</translation>
    </message>
    <message>
        <source>Backup History</source>
        <translation>백업 이력</translation>
    </message>
    <message>
        <source>&amp;History:</source>
        <translation>이력(&amp;H):</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>찾아보기(&amp;B)…</translation>
    </message>
    <message>
        <source>C&amp;ontroller:</source>
        <translation>제어기(&amp;O):</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>제어기 목록</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>바뀐 항목</translation>
    </message>
    <message>
        <source>Changes of the date</source>
        <translation>그날 바뀐 항목</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>항목</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>이전 백업</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새 백업</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>비교(&amp;C)</translation>
    </message>
    <message>
        <source>Select two dates to compare their backups</source>
        <translation>두 날짜를 골라 그 백업을 비교합니다</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>first backup</source>
        <translation>첫 백업</translation>
    </message>
    <message>
        <source>%1, %2: %3 and %4</source>
        <translation>%1, %2: %3과(와) %4</translation>
    </message>
    <message>
        <source>Backup &amp;History…</source>
        <translation>백업 이력(&amp;H)…</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmLineMonitor</name>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="+57"/>
        <source>Line Monitor</source>
        <translation>통신 모니터</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>seconds since opened or cleared   &gt; PC to controller   &lt; controller to PC   byte   name</source>
        <translation>열거나 지운 뒤 지난 초   &gt; PC에서 제어기로   &lt; 제어기에서 PC로   바이트   이름</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bytes on the line</source>
        <translation>통신선의 바이트</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+44"/>
        <source>&amp;Pause</source>
        <translation>일시정지(&amp;P)</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>C&amp;lear</source>
        <translation>지우기(&amp;L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Empties the list; its seconds count from the clear</source>
        <translation>목록을 비웁니다. 초는 지운 때부터 다시 셉니다</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save...</source>
        <translation>저장(&amp;S)...</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>&amp;Resume</source>
        <translation>계속(&amp;R)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save Line Monitor</source>
        <translation>통신 모니터 저장</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trace</source>
        <translation>통신 기록</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmMain</name>
    <message>
        <location filename="../src/app/windows/port_menu.cpp" line="+24"/>
        <source>Simulator</source>
        <translation>시뮬레이터</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_main.cpp" line="+35"/>
        <source>Zova PC Communication Program</source>
        <translation>Zova PC Communication Program</translation>
    </message>
    <message>
        <location line="+48"/>
        <location line="+2"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Loc</source>
        <translation>&amp;Loc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sft</source>
        <translation>&amp;Sft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;ys Para</source>
        <translation>S&amp;ys Para</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Axis Para</source>
        <translation>&amp;Axis Para</translation>
    </message>
    <message>
        <location filename="../src/app/windows/port_menu.cpp" line="+9"/>
        <source>&amp;Comm Port</source>
        <translation>&amp;Comm Port</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Open(COM&amp;%1)</source>
        <translation>Open(COM&amp;%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Open(%1)</source>
        <translation>Open(%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Simulator</source>
        <translation>시뮬레이터(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Network Port…</source>
        <translation>네트워크 통신포트(&amp;N)…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open Last Port &amp;at Start</source>
        <translation>시작할 때 마지막 통신포트 열기(&amp;A)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_main.cpp" line="+2"/>
        <source>&amp;Download</source>
        <translation>&amp;Download</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Line Monitor</source>
        <translation>통신 모니터(&amp;L)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Recorder</source>
        <translation>레코더(&amp;R)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Alarm Log</source>
        <translation>알람 기록(&amp;A)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Keyboard</source>
        <translation>키보드(&amp;K)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>정보(&amp;A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1
Version %2
Licence: %3
Qt %4 (built with %5)</source>
        <translation>%1
버전 %2
라이선스: %3
Qt %4 (빌드: %5)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Lan&amp;guage</source>
        <translation>언어(&amp;G)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The language %1 is stored; it takes effect the next time the program starts.</source>
        <translation>언어(%1)를 저장했습니다. 프로그램을 다음에 시작할 때부터 적용됩니다.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Takes effect at the next start</source>
        <translation>다음에 시작할 때부터 적용됩니다</translation>
    </message>
    <message>
        <location filename="../src/app/windows/port_menu.cpp" line="+8"/>
        <source>Open &amp;Last Port: %1</source>
        <translation>마지막 통신포트 열기(&amp;L): %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No port</source>
        <translation>통신포트 없음</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_main.cpp" line="+25"/>
        <source>Busy: %1</source>
        <translation>작업 중: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connected</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not connected</source>
        <translation>연결 안 됨</translation>
    </message>
    <message>
        <location filename="../src/app/windows/port_menu.cpp" line="+23"/>
        <source>Opening %1</source>
        <translation>%1 여는 중</translation>
    </message>
    <message>
        <location filename="../src/app/windows/console_panel.cpp" line="+174"/>
        <source>I/O Input</source>
        <translation>I/O Input</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Module %1</source>
        <translation>Module %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>I/O Output</source>
        <translation>I/O Output</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>POS</source>
        <translation>POS</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>HOME</source>
        <translation>HOME</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>NEG</source>
        <translation>NEG</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+107"/>
        <source>%1 Axis</source>
        <translation>%1 Axis</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>AMP ON</source>
        <translation>AMP ON</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AMP OFF</source>
        <translation>AMP OFF</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ALARM RESET</source>
        <translation>ALARM RESET</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ERROR READ</source>
        <translation>ERROR READ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZR</source>
        <translation>ZR</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Program number to run</source>
        <translation>실행할 프로그램 번호</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RUN</source>
        <translation>RUN</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RUN-RESET</source>
        <translation>RUN-RESET</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Move</source>
        <translation>Move</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Command line</source>
        <translation>명령 줄</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Acceleration</source>
        <translation>가속도</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Jog</source>
        <translation>Jog</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;-  Pos</source>
        <translation>&lt;-  Pos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neg  -&gt;</source>
        <translation>Neg  -&gt;</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+19"/>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_main.cpp" line="-139"/>
        <source>none declared: ask the supplier</source>
        <translation>정해지지 않음: 공급자에게 문의하십시오</translation>
    </message>
    <message>
        <location filename="../src/app/windows/console_panel.cpp" line="+5"/>
        <source>Axis</source>
        <translation>Axis</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>NEXT</source>
        <translation>NEXT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PREV</source>
        <translation>PREV</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Actual</source>
        <translation>Actual</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>LOC #</source>
        <translation>LOC #</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SET</source>
        <translation>SET</translation>
    </message>
    <message>
        <location line="-103"/>
        <source>I/O Check Start</source>
        <translation>I/O Check Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I/O Check Stop</source>
        <translation>I/O Check Stop</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmRecorder</name>
    <message>
        <location filename="../src/app/windows/frm_recorder.cpp" line="+59"/>
        <location line="+325"/>
        <source>Recorder</source>
        <translation>레코더</translation>
    </message>
    <message>
        <location line="-284"/>
        <source>&amp;Signals:</source>
        <translation>신호(&amp;S):</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>As &amp;fast as the line allows</source>
        <translation>회선이 허용하는 최고 속도(&amp;F)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Interval:</source>
        <translation>간격(&amp;I):</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Controller error</source>
        <translation>제어기 오류</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Signal rises</source>
        <translation>신호 상승</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Signal falls</source>
        <translation>신호 하강</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Position rises to</source>
        <translation>위치 도달 (증가)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Position falls to</source>
        <translation>위치 도달 (감소)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Trigger:</source>
        <translation>트리거(&amp;T):</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Si&amp;gnal:</source>
        <translation>신호(&amp;G):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kinds of trigger</source>
        <translation>트리거 종류</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signals a trigger can watch</source>
        <translation>트리거가 볼 수 있는 신호</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Position:</source>
        <translation>위치(&amp;P):</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Before the trigger:</source>
        <translation>트리거 전(&amp;B):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;After the trigger:</source>
        <translation>트리거 후(&amp;A):</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sta&amp;rt</source>
        <translation>시작(&amp;R)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>P&amp;NG...</source>
        <translation>PNG(&amp;N)...</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>St&amp;op</source>
        <translation>정지(&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Clear</source>
        <translation>지우기(&amp;C)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Op&amp;en...</source>
        <translation>열기(&amp;E)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sa&amp;ve...</source>
        <translation>저장(&amp;V)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saves the timeline as it is shown as a PNG picture</source>
        <translation>보이는 그대로의 타임라인을 PNG 그림으로 저장합니다</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Whole recording</source>
        <translation>전체 보기(&amp;W)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Recordings</source>
        <translation>기록 파일</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open Recording</source>
        <translation>기록 열기</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save Recording</source>
        <translation>기록 저장</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Export Timeline</source>
        <translation>타임라인 내보내기</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pictures</source>
        <translation>그림</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Choose at least one signal to record.</source>
        <translation>기록할 신호를 하나 이상 선택하십시오.</translation>
    </message>
    <message>
        <location line="+180"/>
        <source>the picture could not be written</source>
        <translation>그림을 쓸 수 없습니다</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Recording: %1 samples</source>
        <translation>기록 중: 샘플 %1개</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 samples</source>
        <translation>샘플 %1개</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trigger fired: saving the seconds after it</source>
        <translation>트리거 발생: 이후 구간을 기록하는 중</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last capture: %1</source>
        <translation>최근 캡처: %1</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmSplash</name>
    <message>
        <location filename="../src/app/windows/frm_splash.cpp" line="+19"/>
        <source>Ver %1.%2%3</source>
        <translation>Ver %1.%2%3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Zova</source>
        <translation>Zova</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Multi Axis Controller</source>
        <translation>Multi Axis Controller</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>2 Axes Controller</source>
        <translation>2 Axes Controller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3 Axes Controller</source>
        <translation>3 Axes Controller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4 Axes Controller</source>
        <translation>4 Axes Controller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5 Axes Controller</source>
        <translation>5 Axes Controller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>6 Axes Controller</source>
        <translation>6 Axes Controller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>MITSUBISHI_PLC</source>
        <translation>MITSUBISHI_PLC</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pellar PLC</source>
        <translation>Pellar PLC</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OMRON PLC</source>
        <translation>OMRON PLC</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>제어기의 축 수와 PLC 종류를 고른 뒤 OK를 누르십시오.</source>
        <translation>제어기의 축 수와 PLC 종류를 고른 뒤 OK를 누르십시오.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Choose the controller&apos;s axis count first (2 to 6 axes), then OK.</source>
        <translation>먼저 제어기의 축 수(2축에서 6축)를 고른 뒤 OK를 누르십시오.</translation>
    </message>
</context>
<context>
    <name>zova::app::Keyboard</name>
    <message>
        <location filename="../src/app/widgets/keyboard.cpp" line="+25"/>
        <source>this list of keys</source>
        <translation>이 키 목록</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+letter</source>
        <translation>Alt+글자</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>opens the menu whose underlined letter it is</source>
        <translation>밑줄 친 글자의 메뉴를 엽니다</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View: Line Monitor</source>
        <translation>보기: 통신 모니터</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel: stops the running transfer between two exchanges</source>
        <translation>취소: 진행 중인 전송을 두 통신 사이에서 멈춥니다</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LOCATION: File Open of LOC Trans</source>
        <translation>LOCATION: LOC Trans의 File Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOCATION: File Save</source>
        <translation>LOCATION: File Save</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SHIFT LOCATION: File Open of SFT LOC Trans</source>
        <translation>SHIFT LOCATION: SFT LOC Trans의 File Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SHIFT LOCATION: File Save</source>
        <translation>SHIFT LOCATION: File Save</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FILE Trans / Receive: File Open of FILE Trans</source>
        <translation>FILE Trans / Receive: FILE Trans의 File Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Parameter: File Open</source>
        <translation>System Parameter: File Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Parameter: File Save</source>
        <translation>System Parameter: File Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Axis Parameter: File Open</source>
        <translation>Axis Parameter: File Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Axis Parameter: File Save</source>
        <translation>Axis Parameter: File Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download: File Open</source>
        <translation>Download: File Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line Monitor: Save</source>
        <translation>통신 모니터: 저장</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: New</source>
        <translation>프로그램 편집기: 새로 만들기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: Open</source>
        <translation>프로그램 편집기: 열기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: Save</source>
        <translation>프로그램 편집기: 저장</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Editor: Save As</source>
        <translation>프로그램 편집기: 다른 이름으로 저장</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: Close</source>
        <translation>프로그램 편집기: 닫기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: Undo</source>
        <translation>프로그램 편집기: 실행 취소</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: Redo</source>
        <translation>프로그램 편집기: 다시 실행</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: Find</source>
        <translation>프로그램 편집기: 찾기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: Find Next</source>
        <translation>프로그램 편집기: 다음 찾기</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Editor: Find Previous</source>
        <translation>프로그램 편집기: 이전 찾기</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Editor: Go to Line</source>
        <translation>프로그램 편집기: 줄로 이동</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Editor: Send as the program numbered beside it</source>
        <translation>프로그램 편집기: 옆에 적힌 번호의 프로그램으로 보내기</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Editor: Fetch the program numbered beside it</source>
        <translation>프로그램 편집기: 옆에 적힌 번호의 프로그램 가져오기</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Editor: hides the Find or Go to Line row</source>
        <translation>프로그램 편집기: 찾기 또는 줄 이동 입력줄을 숨깁니다</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closes this list</source>
        <translation>이 목록을 닫습니다</translation>
    </message>
</context>
<context>
    <name>zova::app::Measurement</name>
    <message>
        <location filename="../src/app/measurement.cpp" line="+126"/>
        <source>unknown measurement: %1</source>
        <translation>알 수 없는 측정입니다: %1</translation>
    </message>
</context>
<context>
    <name>zova::app::Operation</name>
    <message>
        <location filename="../src/app/operation.h" line="+19"/>
        <source>Stopping after the current exchange…</source>
        <translation>진행 중인 통신을 마친 뒤 멈춥니다…</translation>
    </message>
    <message>
        <location filename="../src/app/operation.cpp" line="+85"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ends the transfer after the exchange under way (Esc)</source>
        <translation>진행 중인 통신을 마친 뒤 전송을 끝냅니다 (Esc)</translation>
    </message>
</context>
<context>
    <name>zova::app::ParameterFileRow</name>
    <message>
        <location filename="../src/app/widgets/parameter_file_row.cpp" line="+17"/>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>File Open</source>
        <translation>File Open</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File Save</source>
        <translation>File Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TEV ☞ PC</source>
        <translation>TEV ☞ PC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PC ☞ TEV</source>
        <translation>PC ☞ TEV</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 received</source>
        <translation>%1 수신 완료</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 sent</source>
        <translation>%1 전송 완료</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 refused for a wrong checksum; the table is as it was</source>
        <translation>%1: 체크섬이 맞지 않아 받아들이지 않았습니다. 표는 그대로입니다</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancelled before the exchange began; nothing was exchanged</source>
        <translation>통신을 시작하기 전에 취소되었습니다. 주고받은 데이터가 없습니다</translation>
    </message>
</context>
<context>
    <name>zova::app::ParameterScreen</name>
    <message>
        <location filename="../src/app/windows/frm_ax_para.cpp" line="+44"/>
        <source>Axis Parameter</source>
        <translation>Axis Parameter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Axis Para File Open</source>
        <translation>Axis Para File Open</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Axis Parameter TEV ☞ PC</source>
        <translation>Axis Parameter TEV ☞ PC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Axis Parameter: reading the controller&apos;s block first</source>
        <translation>Axis Parameter: 컨트롤러의 블록을 먼저 읽는 중</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Axis Parameter PC ☞ TEV</source>
        <translation>Axis Parameter PC ☞ TEV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Axis parameters</source>
        <translation>축 파라미터</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ax Parameter</source>
        <translation>Ax Parameter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limit Parameter</source>
        <translation>Limit Parameter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Software Parameter</source>
        <translation>Software Parameter</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sys_para.cpp" line="+56"/>
        <source>System Parameter</source>
        <translation>System Parameter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Para File Open</source>
        <translation>System Para File Open</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>System Parameter TEV ☞ PC</source>
        <translation>System Parameter TEV ☞ PC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>System Parameter: reading the controller&apos;s block first</source>
        <translation>System Parameter: 컨트롤러의 블록을 먼저 읽는 중</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Parameter PC ☞ TEV</source>
        <translation>System Parameter PC ☞ TEV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System parameters</source>
        <translation>시스템 파라미터</translation>
    </message>
    <message>
        <location filename="../src/app/windows/parameter_screen.cpp" line="+24"/>
        <source>File Open 메뉴에서 저장할 화일명을 입력하십시요.</source>
        <translation>File Open 메뉴에서 저장할 화일명을 입력하십시요.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>%1-Axis</source>
        <translation>%1-Axis</translation>
    </message>
</context>
<context>
    <name>zova::app::PositionScreen</name>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="+12"/>
        <source>LOCATION</source>
        <translation>LOCATION</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>location</source>
        <translation>LOC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>locations</source>
        <translation>LOC</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>LOC Receive (TEV ▶ PC)</source>
        <translation>LOC Receive (TEV ▶ PC)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+15"/>
        <source>Start LOC #</source>
        <translation>Start LOC #</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+15"/>
        <source>End LOC #</source>
        <translation>End LOC #</translation>
    </message>
    <message>
        <location line="-10"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="+28"/>
        <source>Receive</source>
        <translation>Receive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Block Receive</source>
        <translation>Block Receive</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="+1"/>
        <source>ALL Receive</source>
        <translation>ALL Receive</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="+1"/>
        <location line="+13"/>
        <source>File Open</source>
        <translation>File Open</translation>
    </message>
    <message>
        <location line="-13"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="-12"/>
        <source>File Save</source>
        <translation>File Save</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LOC Trans (PC ▶ TEV)</source>
        <translation>LOC Trans (PC ▶ TEV)</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="+10"/>
        <source>Trans</source>
        <translation>Trans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Block Trans</source>
        <translation>Block Trans</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/app/windows/frm_sft.cpp" line="+1"/>
        <source>ALL Trans</source>
        <translation>ALL Trans</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LOC 1AX</source>
        <translation>LOC 1AX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOC 2AX</source>
        <translation>LOC 2AX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOC 3AX</source>
        <translation>LOC 3AX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOC 4AX</source>
        <translation>LOC 4AX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOC 5AX</source>
        <translation>LOC 5AX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOC 6AX</source>
        <translation>LOC 6AX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>LOC FILE SAVE</source>
        <translation>LOC FILE SAVE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOC FILE OPEN</source>
        <translation>LOC FILE OPEN</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="-30"/>
        <source>SHIFT LOCATION</source>
        <translation>SHIFT LOCATION</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shift</source>
        <translation>SFT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shifts</source>
        <translation>SFT</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SFT LOC Receive (TEV ▶ PC)</source>
        <translation>SFT LOC Receive (TEV ▶ PC)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+13"/>
        <source>Start Sft LOC #</source>
        <translation>Start Sft LOC #</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+13"/>
        <source>End Sft LOC #</source>
        <translation>End Sft LOC #</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>SFT LOC Trans (PC ▶ TEV)</source>
        <translation>SFT LOC Trans (PC ▶ TEV)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>SFT 1AX</source>
        <translation>SFT 1AX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2AX</source>
        <translation>2AX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3AX</source>
        <translation>3AX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4AX</source>
        <translation>4AX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5AX</source>
        <translation>5AX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>6AX</source>
        <translation>6AX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SFT LOC FILE OPEN</source>
        <translation>SFT LOC FILE OPEN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> 0 ~ 99 까지 입력하십시요.</source>
        <translation> 0 ~ 99 까지 입력하십시요.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="+25"/>
        <source> 숫자를 입력하십시요</source>
        <translation> 숫자를 입력하십시요</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> End Loc 는 Start Loc 보다 커야 합니다.</source>
        <translation> End Loc 는 Start Loc 보다 커야 합니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File Open 메뉴에서 저장할 화일명을 입력하십시요.</source>
        <translation>File Open 메뉴에서 저장할 화일명을 입력하십시요.</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Cancelled: %1 of %2 %3 sent</source>
        <translation>취소되었습니다: %3 %2개 중 %1개 전송</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled after %1 of %2 %3; the table is as it was</source>
        <translation>%3 %2개 중 %1개 수신 후 취소되었습니다. 테이블은 이전 그대로입니다</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 %2</source>
        <comment>a row and its number</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 %2</source>
        <comment>a count of rows</comment>
        <translation>%2 %1개</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 sent</source>
        <translation>%1 전송 완료</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 received</source>
        <translation>%1 수신 완료</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 refused for a wrong checksum</source>
        <translation>%1 체크섬 오류로 거부되었습니다</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 received, %2 refused for a wrong checksum</source>
        <translation>%1 수신, %2개는 체크섬 오류로 거부되었습니다</translation>
    </message>
</context>
<context>
    <name>zova::app::Screens</name>
    <message>
        <location filename="../src/app/windows/screens.cpp" line="+30"/>
        <source>모든파일(*.*)</source>
        <translation>모든파일(*.*)</translation>
    </message>
</context>
<context>
    <name>zova::app::Screenshots</name>
    <message>
        <location filename="../src/app/screenshots.cpp" line="+30"/>
        <source>; 픽 앤 플레이스: 부품을 집어 컨베이어에 놓는다
SPD 1 50
L01
MVE P0005 ;접근 위치
MVS P2600 ;집기 위치
SIGO 1 0FH ;그리퍼 닫기
WAIT 12
IF R010 = 00005
INC R1000
MVE P(R012) ;놓기 위치
SIGO 1 00H ;그리퍼 열기
F03 -2.50
GOTO 1
STOP
[EOF]
</source>
        <translation>; 픽 앤 플레이스: 부품을 집어 컨베이어에 놓는다
SPD 1 50
L01
MVE P0005 ;접근 위치
MVS P2600 ;집기 위치
SIGO 1 0FH ;그리퍼 닫기
WAIT 12
IF R010 = 00005
INC R1000
MVE P(R012) ;놓기 위치
SIGO 1 00H ;그리퍼 열기
F03 -2.50
GOTO 1
STOP
[EOF]
</translation>
    </message>
</context>
<context>
    <name>zova::app::SignalChooser</name>
    <message>
        <location filename="../src/app/widgets/signal_chooser.cpp" line="+44"/>
        <source>Signals to record</source>
        <translation>기록할 신호</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Inputs</source>
        <translation>입력</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Outputs</source>
        <translation>출력</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sensors</source>
        <translation>센서</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Positions</source>
        <translation>위치</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error report</source>
        <translation>오류 보고</translation>
    </message>
</context>
<context>
    <name>zova::app::Timeline</name>
    <message>
        <location filename="../src/app/widgets/timeline.cpp" line="+43"/>
        <source>Timeline</source>
        <translation>타임라인</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rows of the timeline</source>
        <translation>타임라인의 행</translation>
    </message>
    <message>
        <location line="+174"/>
        <source>Trigger</source>
        <translation>트리거</translation>
    </message>
</context>
</TS>
