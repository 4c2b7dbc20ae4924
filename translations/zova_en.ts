<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
For measuring: --screenshots FOLDER, --measure startup|loc-receive-all|poll:SECONDS|record:SECONDS
[--monitor].
</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>needs a device or sim</source>
        <translation>needs a device or sim</translation>
    </message>
</context>
<context>
    <name>zova::app::DlgNetworkPort</name>
    <message>
        <location filename="../src/app/windows/dlg_network_port.cpp" line="+18"/>
        <source>Network Port</source>
        <translation>Network Port</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A controller wired to a serial device server:</source>
        <translation>A controller wired to a serial device server:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the bytes as they are (the server&apos;s &quot;TCP server&quot; or raw mode; its serial line is set on the server)</source>
        <translation>the bytes as they are (the server&apos;s &quot;TCP server&quot; or raw mode; its serial line is set on the server)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Telnet with COM Port Control: the line settings are sent to the server</source>
        <translation>Telnet with COM Port Control: the line settings are sent to the server</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>HOST is a name, an IPv4 address or an IPv6 address in brackets, as [fd00::5].
Neither form is encrypted: use them on a closed network or through an SSH tunnel.</source>
        <translation>HOST is a name, an IPv4 address or an IPv6 address in brackets, as [fd00::5].
Neither form is encrypted: use them on a closed network or through an SSH tunnel.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Address:</source>
        <translation>&amp;Address:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: write %2</source>
        <translation>%1: write %2</translation>
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
    <name>zova::app::FrmAlarmLog</name>
    <message>
        <location filename="../src/app/windows/frm_alarm_log.cpp" line="+23"/>
        <source>Alarm Log</source>
        <translation>Alarm Log</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>text, code, port or file</source>
        <translation>text, code, port or file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Since:</source>
        <translation>&amp;Since:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>First day</source>
        <translation>First day</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Refresh</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Alarms, newest first</source>
        <translation>Alarms, newest first</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Recording</source>
        <translation>Recording</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error text</source>
        <translation>Error text</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Open Recording</source>
        <translation>&amp;Open Recording</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Export CSV...</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Export Alarm Log</source>
        <translation>Export Alarm Log</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmBackup</name>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="+38"/>
        <location line="+77"/>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <location line="-76"/>
        <source>Backup folder</source>
        <translation>Backup folder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Backup…</source>
        <translation>&amp;Backup…</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+117"/>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <location line="-116"/>
        <source>Restore folder</source>
        <translation>Restore folder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Restore…</source>
        <translation>&amp;Restore…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compare Backups</source>
        <translation>Compare Backups</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Old backup folder</source>
        <translation>Old backup folder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare Back&amp;ups…</source>
        <translation>Compare Back&amp;ups…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare</source>
        <translation>Compare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare folder</source>
        <translation>Compare folder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Compare…</source>
        <translation>&amp;Compare…</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>New backup folder</source>
        <translation>New backup folder</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Differences</source>
        <translation>Differences</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Old</source>
        <translation>Old</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>system parameters</source>
        <translation>system parameters</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>axis parameters</source>
        <translation>axis parameters</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>locations 0 to 2499</source>
        <translation>locations 0 to 2499</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shifts 0 to 999</source>
        <translation>shifts 0 to 999</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>programs 0 to 31</source>
        <translation>programs 0 to 31</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This overwrites the controller&apos;s %1 with the backup in %2.</source>
        <translation>This overwrites the controller&apos;s %1 with the backup in %2.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>stopped at the operator&apos;s request</source>
        <translation>stopped at the operator&apos;s request</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save differences</source>
        <translation>Save differences</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text</source>
        <translation>Text</translation>
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
        <translation>Firmware</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Controller firmware (Intel HEX)</source>
        <translation>Controller firmware (Intel HEX)</translation>
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
        <translation>Download</translation>
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
        <translation>Firmware downloaded</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancelled before the erase; the flash is as it was</source>
        <translation>Cancelled before the erase; the flash is as it was</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>This erases the controller&apos;s flash and writes %1.</source>
        <translation>This erases the controller&apos;s flash and writes %1.</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmEditor</name>
    <message>
        <location filename="../src/app/windows/frm_editor.cpp" line="+36"/>
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
        <location line="+7"/>
        <source>Save the changes to %1?</source>
        <translation>Save the changes to %1?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Program text</source>
        <translation>Program text</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Problems</source>
        <translation>Problems</translation>
    </message>
    <message>
        <location line="+2"/>
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
        <location line="+10"/>
        <source>Program #</source>
        <translation>Program #</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message>
        <location line="+37"/>
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
        <location line="+11"/>
        <source>Send as program %1</source>
        <translation>Send as program %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fetch program %1</source>
        <translation>Fetch program %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Send as program %1</source>
        <translation>&amp;Send as program %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Fetch program %1</source>
        <translation>&amp;Fetch program %1</translation>
    </message>
    <message>
        <location line="+61"/>
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
        <location line="+24"/>
        <source>Not sent: the source has %1.</source>
        <translation>Not sent: the source has %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not sent: the text holds characters that %1 cannot carry.</source>
        <translation>Not sent: the text holds characters that %1 cannot carry.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Program %1 sent</source>
        <translation>Program %1 sent</translation>
    </message>
    <message>
        <location line="+19"/>
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
    <name>zova::app::FrmFile</name>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="+27"/>
        <source> 숫자를 입력하십시요</source>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancelled: %1 of 32 programs sent</source>
        <translation>Cancelled: %1 of 32 programs sent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled: %1 of 32 programs received</source>
        <translation>Cancelled: %1 of 32 programs received</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>program %1 sent</source>
        <translation>program %1 sent</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>program %1 received</source>
        <translation>program %1 received</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 programs sent</source>
        <translation>%1 programs sent</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 programs received</source>
        <translation>%1 programs received</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, %1 failed</source>
        <translation>, %1 failed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, %1 not compiled</source>
        <translation>, %1 not compiled</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, %1 refused for a wrong checksum</source>
        <translation>, %1 refused for a wrong checksum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, %1 not saved</source>
        <translation>, %1 not saved</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The written source does not compile back to what the controller holds; File &gt; Backup keeps the exact image.</source>
        <translation>The written source does not compile back to what the controller holds; File &gt; Backup keeps the exact image.</translation>
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
        <translation>Edit</translation>
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
        <translation>Program Receive</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Program ALL Receive</source>
        <translation>Program ALL Receive</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Program Trans</source>
        <translation>Program Trans</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Program ALL Trans</source>
        <translation>Program ALL Trans</translation>
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
        <translation>History repository or fleet folder</translation>
    </message>
    <message>
        <source>Backup History</source>
        <translation>Backup History</translation>
    </message>
    <message>
        <source>&amp;History:</source>
        <translation>&amp;History:</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Browse…</translation>
    </message>
    <message>
        <source>C&amp;ontroller:</source>
        <translation>C&amp;ontroller:</translation>
    </message>
    <message>
        <source>Controllers</source>
        <translation>Controllers</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Changes of the date</source>
        <translation>Changes of the date</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Old</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Compare</translation>
    </message>
    <message>
        <source>Select two dates to compare their backups</source>
        <translation>Select two dates to compare their backups</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>first backup</source>
        <translation>first backup</translation>
    </message>
    <message>
        <source>%1, %2: %3 and %4</source>
        <translation>%1, %2: %3 and %4</translation>
    </message>
    <message>
        <source>Backup &amp;History…</source>
        <translation>Backup &amp;History…</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmLineMonitor</name>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="+57"/>
        <source>Line Monitor</source>
        <translation>Line Monitor</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>seconds since opened or cleared   &gt; PC to controller   &lt; controller to PC   byte   name</source>
        <translation>seconds since opened or cleared   &gt; PC to controller   &lt; controller to PC   byte   name</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bytes on the line</source>
        <translation>Bytes on the line</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+44"/>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>C&amp;lear</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Empties the list; its seconds count from the clear</source>
        <translation>Empties the list; its seconds count from the clear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>&amp;Resume</source>
        <translation>&amp;Resume</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save Line Monitor</source>
        <translation>Save Line Monitor</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trace</source>
        <translation>Trace</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmMain</name>
    <message>
        <location filename="../src/app/windows/port_menu.cpp" line="+24"/>
        <source>Simulator</source>
        <translation>Simulator</translation>
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
        <location filename="../src/app/windows/frm_main.cpp" line="+2"/>
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
        <location line="+3"/>
        <source>&amp;Recorder</source>
        <translation>&amp;Recorder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Alarm Log</source>
        <translation>&amp;Alarm Log</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Keyboard</source>
        <translation>&amp;Keyboard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1
Version %2
Licence: %3
Qt %4 (built with %5)</source>
        <translation>%1
Version %2
Licence: %3
Qt %4 (built with %5)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <location line="+6"/>
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
        <location filename="../src/app/windows/port_menu.cpp" line="+8"/>
        <source>Open &amp;Last Port: %1</source>
        <translation>Open &amp;Last Port: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No port</source>
        <translation>No port</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_main.cpp" line="+25"/>
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
        <location filename="../src/app/windows/port_menu.cpp" line="+23"/>
        <source>Opening %1</source>
        <translation>Opening %1</translation>
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
        <translation>Program number to run</translation>
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
        <translation>Command line</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Acceleration</source>
        <translation>Acceleration</translation>
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
        <translation>none declared: ask the supplier</translation>
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
        <translation>Recorder</translation>
    </message>
    <message>
        <location line="-284"/>
        <source>&amp;Signals:</source>
        <translation>&amp;Signals:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>As &amp;fast as the line allows</source>
        <translation>As &amp;fast as the line allows</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Interval:</source>
        <translation>&amp;Interval:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Controller error</source>
        <translation>Controller error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Signal rises</source>
        <translation>Signal rises</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Signal falls</source>
        <translation>Signal falls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Position rises to</source>
        <translation>Position rises to</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Position falls to</source>
        <translation>Position falls to</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Trigger:</source>
        <translation>&amp;Trigger:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Si&amp;gnal:</source>
        <translation>Si&amp;gnal:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kinds of trigger</source>
        <translation>Kinds of trigger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signals a trigger can watch</source>
        <translation>Signals a trigger can watch</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Position:</source>
        <translation>&amp;Position:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Before the trigger:</source>
        <translation>&amp;Before the trigger:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;After the trigger:</source>
        <translation>&amp;After the trigger:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sta&amp;rt</source>
        <translation>Sta&amp;rt</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>P&amp;NG...</source>
        <translation>P&amp;NG...</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>St&amp;op</source>
        <translation>St&amp;op</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Clear</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Op&amp;en...</source>
        <translation>Op&amp;en...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sa&amp;ve...</source>
        <translation>Sa&amp;ve...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saves the timeline as it is shown as a PNG picture</source>
        <translation>Saves the timeline as it is shown as a PNG picture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Whole recording</source>
        <translation>&amp;Whole recording</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Recordings</source>
        <translation>Recordings</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open Recording</source>
        <translation>Open Recording</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save Recording</source>
        <translation>Save Recording</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Export Timeline</source>
        <translation>Export Timeline</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pictures</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Choose at least one signal to record.</source>
        <translation>Choose at least one signal to record.</translation>
    </message>
    <message>
        <location line="+180"/>
        <source>the picture could not be written</source>
        <translation>the picture could not be written</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Recording: %1 samples</source>
        <translation>Recording: %1 samples</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 samples</source>
        <translation>%1 samples</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trigger fired: saving the seconds after it</source>
        <translation>Trigger fired: saving the seconds after it</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last capture: %1</source>
        <translation>Last capture: %1</translation>
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
    <message>
        <location line="+39"/>
        <source>Choose the controller&apos;s axis count first (2 to 6 axes), then OK.</source>
        <translation>Choose the controller&apos;s axis count first (2 to 6 axes), then OK.</translation>
    </message>
</context>
<context>
    <name>zova::app::Keyboard</name>
    <message>
        <location filename="../src/app/widgets/keyboard.cpp" line="+25"/>
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
        <source>Program Editor: Send as the program numbered beside it</source>
        <translation>Program Editor: Send as the program numbered beside it</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program Editor: Fetch the program numbered beside it</source>
        <translation>Program Editor: Fetch the program numbered beside it</translation>
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
        <location filename="../src/app/operation.cpp" line="+85"/>
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
        <translation>Axis Parameter: reading the controller&apos;s block first</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Axis Parameter PC ☞ TEV</source>
        <translation>Axis Parameter PC ☞ TEV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Axis parameters</source>
        <translation>Axis parameters</translation>
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
        <translation>System Parameter: reading the controller&apos;s block first</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Parameter PC ☞ TEV</source>
        <translation>System Parameter PC ☞ TEV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System parameters</source>
        <translation>System parameters</translation>
    </message>
    <message>
        <location filename="../src/app/windows/parameter_screen.cpp" line="+24"/>
        <source>File Open 메뉴에서 저장할 화일명을 입력하십시요.</source>
        <translation>In the File Open menu, enter the name of the file to save to.</translation>
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
        <translation>location</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>locations</source>
        <translation>locations</translation>
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
        <translation>shift</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shifts</source>
        <translation>shifts</translation>
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
        <translation> Enter a number from 0 to 99.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="+25"/>
        <source> 숫자를 입력하십시요</source>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> End Loc 는 Start Loc 보다 커야 합니다.</source>
        <translation> End Loc must not be less than Start Loc.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File Open 메뉴에서 저장할 화일명을 입력하십시요.</source>
        <translation>In the File Open menu, enter the name of the file to save to.</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Cancelled: %1 of %2 %3 sent</source>
        <translation>Cancelled: %1 of %2 %3 sent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled after %1 of %2 %3; the table is as it was</source>
        <translation>Cancelled after %1 of %2 %3; the table is as it was</translation>
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
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 sent</source>
        <translation>%1 sent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 received</source>
        <translation>%1 received</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 refused for a wrong checksum</source>
        <translation>%1 refused for a wrong checksum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 received, %2 refused for a wrong checksum</source>
        <translation>%1 received, %2 refused for a wrong checksum</translation>
    </message>
</context>
<context>
    <name>zova::app::Screens</name>
    <message>
        <location filename="../src/app/windows/screens.cpp" line="+30"/>
        <source>모든파일(*.*)</source>
        <translation>All files (*.*)</translation>
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
<context>
    <name>zova::app::SignalChooser</name>
    <message>
        <location filename="../src/app/widgets/signal_chooser.cpp" line="+44"/>
        <source>Signals to record</source>
        <translation>Signals to record</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Inputs</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Outputs</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sensors</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Positions</source>
        <translation>Positions</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Error report</source>
        <translation>Error report</translation>
    </message>
</context>
<context>
    <name>zova::app::Timeline</name>
    <message>
        <location filename="../src/app/widgets/timeline.cpp" line="+43"/>
        <source>Timeline</source>
        <translation>Timeline</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rows of the timeline</source>
        <translation>Rows of the timeline</translation>
    </message>
    <message>
        <location line="+174"/>
        <source>Trigger</source>
        <translation>Trigger</translation>
    </message>
</context>
</TS>
