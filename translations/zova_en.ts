<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <translation>usage: zova [--port DEVICE|sim] [--axes N] [--machine-type T] [--lang ko|en]
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
</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>needs a device or sim</source>
        <translation>needs a device or sim</translation>
    </message>
</context>
<context>
    <name>zova::app::FileDialog</name>
    <message>
        <location filename="../src/app/qt/file_dialog.cpp" line="+53"/>
        <source>Choose</source>
        <translation>Choose</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmEditor</name>
    <message>
        <location filename="../src/app/windows/frm_editor.cpp" line="+35"/>
        <source>Program Editor</source>
        <translation>Program Editor</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 problem</source>
        <translation>1 problem</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 problems</source>
        <translation>%1 problems</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 step</source>
        <translation>1 step</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 steps</source>
        <translation>%1 steps</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cancelled before the exchange began; nothing was exchanged</source>
        <translation>Cancelled before the exchange began; nothing was exchanged</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Save the changes to %1?</source>
        <translation>Save the changes to %1?</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Step</source>
        <translation>Step</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Program</source>
        <translation>Open Program</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Find…</source>
        <translation>&amp;Find…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Find &amp;Next</source>
        <translation>Find &amp;Next</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find &amp;Previous</source>
        <translation>Find &amp;Previous</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Go to Line…</source>
        <translation>&amp;Go to Line…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Program</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Program #</source>
        <translation>Program #</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Go to line</source>
        <translation>Go to line</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Send as program %1</source>
        <translation>Send as program %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fetch program %1</source>
        <translation>Fetch program %1</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Save Program</source>
        <translation>Save Program</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Not saved: the text holds characters that %1 cannot carry.</source>
        <translation>Not saved: the text holds characters that %1 cannot carry.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>checking stopped here: the lines below were not checked</source>
        <translation>checking stopped here: the lines below were not checked</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no problems</source>
        <translation>no problems</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 · image %2 of %3 words · %4</source>
        <translation>%1 · image %2 of %3 words · %4</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;%1&quot; not found</source>
        <translation>&quot;%1&quot; not found</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Not sent: the source has %1.</source>
        <translation>Not sent: the source has %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not sent: the text holds characters that %1 cannot carry.</source>
        <translation>Not sent: the text holds characters that %1 cannot carry.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Program %1 sent</source>
        <translation>Program %1 sent</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Program %1 fetched</source>
        <translation>Program %1 fetched</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Program &amp;Editor…</source>
        <translation>Program &amp;Editor…</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmMain</name>
    <message>
        <location filename="../src/app/windows/frm_main.cpp" line="+57"/>
        <source>Simulator</source>
        <translation>Simulator</translation>
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
        <translation>&amp;Simulator</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Network Port…</source>
        <translation>&amp;Network Port…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open Last Port &amp;at Start</source>
        <translation>Open Last Port &amp;at Start</translation>
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
        <translation>&amp;View</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Line Monitor</source>
        <translation>&amp;Line Monitor</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Keyboard</source>
        <translation>&amp;Keyboard</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lan&amp;guage</source>
        <translation>Lan&amp;guage</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The language %1 is stored; it takes effect the next time the program starts.</source>
        <translation>The language %1 is stored; it takes effect the next time the program starts.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Takes effect at the next start</source>
        <translation>Takes effect at the next start</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Open &amp;Last Port: %1</source>
        <translation>Open &amp;Last Port: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No port</source>
        <translation>No port</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Busy: %1</source>
        <translation>Busy: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not connected</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Opening %1</source>
        <translation>Opening %1</translation>
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
        <translation>Choose the controller&apos;s axis count and PLC type, then press OK.</translation>
    </message>
</context>
<context>
    <name>zova::app::Keyboard</name>
    <message>
        <location filename="../src/app/widgets/keyboard.cpp" line="+22"/>
        <source>this list of keys</source>
        <translation>this list of keys</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt+letter</source>
        <translation>Alt+letter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>opens the menu whose underlined letter it is</source>
        <translation>opens the menu whose underlined letter it is</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View: Line Monitor</source>
        <translation>View: Line Monitor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel: stops the running transfer between two exchanges</source>
        <translation>Cancel: stops the running transfer between two exchanges</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LOCATION: File Open of LOC Trans</source>
        <translation>LOCATION: File Open of LOC Trans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOCATION: File Save</source>
        <translation>LOCATION: File Save</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SHIFT LOCATION: File Open of SFT LOC Trans</source>
        <translation>SHIFT LOCATION: File Open of SFT LOC Trans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SHIFT LOCATION: File Save</source>
        <translation>SHIFT LOCATION: File Save</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FILE Trans / Receive: File Open of FILE Trans</source>
        <translation>FILE Trans / Receive: File Open of FILE Trans</translation>
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
        <translation>Line Monitor: Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: New</source>
        <translation>Program Editor: New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: Open</source>
        <translation>Program Editor: Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: Save</source>
        <translation>Program Editor: Save</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Editor: Save As</source>
        <translation>Program Editor: Save As</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: Close</source>
        <translation>Program Editor: Close</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: Undo</source>
        <translation>Program Editor: Undo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: Redo</source>
        <translation>Program Editor: Redo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: Find</source>
        <translation>Program Editor: Find</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program Editor: Find Next</source>
        <translation>Program Editor: Find Next</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Editor: Find Previous</source>
        <translation>Program Editor: Find Previous</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Editor: Go to Line</source>
        <translation>Program Editor: Go to Line</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Editor: hides the Find or Go to Line row</source>
        <translation>Program Editor: hides the Find or Go to Line row</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closes this list</source>
        <translation>closes this list</translation>
    </message>
</context>
<context>
    <name>zova::app::Measurement</name>
    <message>
        <location filename="../src/app/measurement.cpp" line="+126"/>
        <source>unknown measurement: %1</source>
        <translation>unknown measurement: %1</translation>
    </message>
</context>
<context>
    <name>zova::app::Operation</name>
    <message>
        <location filename="../src/app/operation.h" line="+19"/>
        <source>Stopping after the current exchange…</source>
        <translation>Stopping after the current exchange…</translation>
    </message>
    <message>
        <location filename="../src/app/operation.cpp" line="+75"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ends the transfer after the exchange under way (Esc)</source>
        <translation>Ends the transfer after the exchange under way (Esc)</translation>
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
        <translation>%1 received</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 sent</source>
        <translation>%1 sent</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 refused for a wrong checksum; the table is as it was</source>
        <translation>%1 refused for a wrong checksum; the table is as it was</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancelled before the exchange began; nothing was exchanged</source>
        <translation>Cancelled before the exchange began; nothing was exchanged</translation>
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
        <translation>; Pick and place: takes a part and puts it on the conveyor
SPD 1 50
L01
MVE P0005 ;approach
MVS P2600 ;pick
SIGO 1 0FH ;close the gripper
WAIT 12
IF R010 = 00005
INC R1000
MVE P(R012) ;place
SIGO 1 00H ;open the gripper
F03 -2.50
GOTO 1
STOP
[EOF]
</translation>
    </message>
</context>
</TS>
