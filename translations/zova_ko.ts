<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>zova::app::CommandLine</name>
    <message>
        <location filename="../src/app/command_line.cpp" line="+21"/>
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
For measuring: --screenshots FOLDER, --measure startup|loc-receive-all|poll:SECONDS [--monitor].
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
측정용: --screenshots FOLDER, --measure startup|loc-receive-all|poll:SECONDS [--monitor].
</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>needs a device or sim</source>
        <translation>장치 이름 또는 sim이 필요합니다</translation>
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
    <name>zova::app::FrmEditor</name>
    <message>
        <location filename="../src/app/windows/frm_editor.cpp" line="+35"/>
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
        <location line="+25"/>
        <source>Save the changes to %1?</source>
        <translation>%1의 변경 내용을 저장하시겠습니까?</translation>
    </message>
    <message>
        <location line="+19"/>
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
        <location line="+9"/>
        <source>Program #</source>
        <translation>프로그램 번호</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Program</source>
        <translation>프로그램</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comment</source>
        <translation>주석</translation>
    </message>
    <message>
        <location line="+32"/>
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
        <location line="+9"/>
        <source>Send as program %1</source>
        <translation>프로그램 %1번으로 전송</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fetch program %1</source>
        <translation>프로그램 %1번 수신</translation>
    </message>
    <message>
        <location line="+65"/>
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
        <location line="+25"/>
        <source>Not sent: the source has %1.</source>
        <translation>전송하지 않았습니다: 소스에 %1가 있습니다.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not sent: the text holds characters that %1 cannot carry.</source>
        <translation>전송하지 않았습니다: %1 인코딩에 없는 문자가 텍스트에 있습니다.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Program %1 sent</source>
        <translation>프로그램 %1번 전송 완료</translation>
    </message>
    <message>
        <location line="+22"/>
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
    <name>zova::app::FrmMain</name>
    <message>
        <location filename="../src/app/windows/frm_main.cpp" line="+57"/>
        <source>Simulator</source>
        <translation>시뮬레이터</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Zova PC Communication Program</source>
        <translation>Zova PC Communication Program</translation>
    </message>
    <message>
        <location line="+214"/>
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
        <location line="+2"/>
        <source>&amp;Comm Port</source>
        <translation>&amp;Comm Port</translation>
    </message>
    <message>
        <location line="+10"/>
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
        <location line="+2"/>
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
        <translation>라인 모니터(&amp;L)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Keyboard</source>
        <translation>키보드(&amp;K)</translation>
    </message>
    <message>
        <location line="+5"/>
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
        <location line="+10"/>
        <source>Open &amp;Last Port: %1</source>
        <translation>마지막 통신포트 열기(&amp;L): %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No port</source>
        <translation>통신포트 없음</translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location line="+57"/>
        <source>Opening %1</source>
        <translation>%1 여는 중</translation>
    </message>
    <message>
        <location line="+60"/>
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
        <location line="+3"/>
        <location line="+80"/>
        <source>%1 Axis</source>
        <translation>%1 Axis</translation>
    </message>
    <message>
        <location line="-58"/>
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
        <location line="+4"/>
        <source>RUN</source>
        <translation>RUN</translation>
    </message>
    <message>
        <location line="+3"/>
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
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+5"/>
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
        <location line="+3"/>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Axis</source>
        <translation>Axis</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>NEXT</source>
        <translation>NEXT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PREV</source>
        <translation>PREV</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Actual</source>
        <translation>Actual</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>LOC #</source>
        <translation>LOC #</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SET</source>
        <translation>SET</translation>
    </message>
    <message>
        <location line="+7"/>
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
</context>
<context>
    <name>zova::app::Keyboard</name>
    <message>
        <location filename="../src/app/widgets/keyboard.cpp" line="+22"/>
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
        <translation>보기: 라인 모니터</translation>
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
        <translation>라인 모니터: 저장</translation>
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
        <location filename="../src/app/operation.cpp" line="+75"/>
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
        <location filename="../src/app/widgets/parameter_file_row.cpp" line="+16"/>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <location line="+8"/>
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
    <name>zova::app::Screenshots</name>
    <message>
        <location filename="../src/app/screenshots.cpp" line="+21"/>
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
</TS>
