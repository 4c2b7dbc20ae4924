<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>zova::app::DlgNetworkPort</name>
    <message>
        <location filename="../src/app/windows/dlg_network_port.cpp" line="16"/>
        <source>Network Port</source>
        <translation>Network Port</translation>
    </message>
    <message>
        <location filename="../src/app/windows/dlg_network_port.cpp" line="19"/>
        <source>A controller wired to a serial device server:
  tcp://HOST:PORT      the bytes as they are (the server&apos;s &quot;TCP server&quot; or raw mode;
                       its serial line is set on the server)
  rfc2217://HOST:PORT  Telnet with COM Port Control: the line settings are set on the server
HOST is a name, an IPv4 address or an IPv6 address in brackets, as [fd00::5].
Neither form is encrypted: use them on a closed network or through an SSH tunnel.</source>
        <translation>A controller wired to a serial device server:
  tcp://HOST:PORT      the bytes as they are (the server&apos;s &quot;TCP server&quot; or raw mode;
                       its serial line is set on the server)
  rfc2217://HOST:PORT  Telnet with COM Port Control: the line settings are set on the server
HOST is a name, an IPv4 address or an IPv6 address in brackets, as [fd00::5].
Neither form is encrypted: use them on a closed network or through an SSH tunnel.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/dlg_network_port.cpp" line="38"/>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <location filename="../src/app/windows/dlg_network_port.cpp" line="54"/>
        <source>%1: write %2</source>
        <translation>%1: write %2</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmAxPara</name>
    <message>
        <location filename="../src/app/windows/frm_ax_para.cpp" line="24"/>
        <source>File Open 메뉴에서 저장할 화일명을 입력하십시요.</source>
        <translation>Choose the file to save to with File Open.</translation>
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
        <translation>Axis parameters</translation>
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
        <translation>Backup</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="38"/>
        <source>Backup folder</source>
        <translation>Backup folder</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="39"/>
        <source>&amp;Backup…</source>
        <translation>&amp;Backup…</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="41"/>
        <location filename="../src/app/windows/frm_backup.cpp" line="157"/>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="42"/>
        <source>Restore folder</source>
        <translation>Restore folder</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="43"/>
        <source>&amp;Restore…</source>
        <translation>&amp;Restore…</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="47"/>
        <source>Compare Backups</source>
        <translation>Compare Backups</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="48"/>
        <source>Old backup folder</source>
        <translation>Old backup folder</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="49"/>
        <source>&amp;Compare Backups…</source>
        <translation>&amp;Compare Backups…</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="51"/>
        <source>Compare</source>
        <translation>Compare</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="52"/>
        <source>Compare folder</source>
        <translation>Compare folder</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="53"/>
        <source>&amp;Compare…</source>
        <translation>&amp;Compare…</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="68"/>
        <source>New backup folder</source>
        <translation>New backup folder</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="114"/>
        <location filename="../src/app/windows/frm_backup.cpp" line="115"/>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="114"/>
        <source>Old</source>
        <translation>Old</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="114"/>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="115"/>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="121"/>
        <source>Save…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="144"/>
        <source>system parameters</source>
        <translation>system parameters</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="145"/>
        <source>axis parameters</source>
        <translation>axis parameters</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="146"/>
        <source>locations 0 to 2499</source>
        <translation>locations 0 to 2499</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="147"/>
        <source>shifts 0 to 999</source>
        <translation>shifts 0 to 999</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="148"/>
        <source>programs 0 to 31</source>
        <translation>programs 0 to 31</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="154"/>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="155"/>
        <source>This overwrites the controller&apos;s %1 with the backup in %2.</source>
        <translation>This overwrites the controller&apos;s %1 with the backup in %2.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="174"/>
        <source>Stopping after the current exchange…</source>
        <translation>Stopping after the current exchange…</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="194"/>
        <source>stopped at the operator&apos;s request</source>
        <translation>stopped at the operator&apos;s request</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="214"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="222"/>
        <source>Save differences</source>
        <translation>Save differences</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_backup.cpp" line="222"/>
        <source>Text</source>
        <translation>Text</translation>
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
        <translation>Firmware</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_download.cpp" line="36"/>
        <source>Controller firmware (Intel HEX)</source>
        <translation>Controller firmware (Intel HEX)</translation>
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
        <translation>Download</translation>
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
        <translation>Firmware downloaded</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_download.cpp" line="117"/>
        <source>Cancelled before the erase; the flash is as it was</source>
        <translation>Cancelled before the erase; the flash is as it was</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmFile</name>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="26"/>
        <source> 숫자를 입력하십시요</source>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="32"/>
        <source>Cancelled: %1 of 32 programs sent</source>
        <translation>Cancelled: %1 of 32 programs sent</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="33"/>
        <source>Cancelled: %1 of 32 programs received</source>
        <translation>Cancelled: %1 of 32 programs received</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="39"/>
        <source>program %1 sent</source>
        <translation>program %1 sent</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="39"/>
        <source>program %1 received</source>
        <translation>program %1 received</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="41"/>
        <source>%1 programs sent</source>
        <translation>%1 programs sent</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="41"/>
        <source>%1 programs received</source>
        <translation>%1 programs received</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="42"/>
        <source>, %1 failed</source>
        <translation>, %1 failed</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="43"/>
        <source>, %1 not compiled</source>
        <translation>, %1 not compiled</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="44"/>
        <source>, %1 refused for a wrong checksum</source>
        <translation>, %1 refused for a wrong checksum</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="45"/>
        <source>, %1 not saved</source>
        <translation>, %1 not saved</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="54"/>
        <source>The written source does not compile back to what the controller holds; File &gt; Backup keeps the exact image.</source>
        <translation>The written source does not compile back to what the controller holds; File &gt; Backup keeps the exact image.</translation>
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
        <translation>Edit</translation>
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
        <translation>Program Receive</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="174"/>
        <source>Program ALL Receive</source>
        <translation>Program ALL Receive</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="197"/>
        <source>Program Trans</source>
        <translation>Program Trans</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_file.cpp" line="205"/>
        <source>Program ALL Trans</source>
        <translation>Program ALL Trans</translation>
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
        <translation>Line Monitor</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="59"/>
        <source>seconds since opened or cleared   &gt; PC to controller   &lt; controller to PC   byte   name</source>
        <translation>seconds since opened or cleared   &gt; PC to controller   &lt; controller to PC   byte   name</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="72"/>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="116"/>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="74"/>
        <source>C&amp;lear</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="75"/>
        <source>Empties the list; its seconds count from the clear</source>
        <translation>Empties the list; its seconds count from the clear</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="76"/>
        <source>&amp;Save...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="116"/>
        <source>&amp;Resume</source>
        <translation>&amp;Resume</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="125"/>
        <source>Save Line Monitor</source>
        <translation>Save Line Monitor</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_line_monitor.cpp" line="125"/>
        <source>Trace</source>
        <translation>Trace</translation>
    </message>
</context>
<context>
    <name>zova::app::FrmSysPara</name>
    <message>
        <location filename="../src/app/windows/frm_sys_para.cpp" line="25"/>
        <source>File Open 메뉴에서 저장할 화일명을 입력하십시요.</source>
        <translation>Choose the file to save to with File Open.</translation>
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
        <translation>System parameters</translation>
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
        <translation>location</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_loc.cpp" line="15"/>
        <source>locations</source>
        <translation>locations</translation>
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
        <translation>shift</translation>
    </message>
    <message>
        <location filename="../src/app/windows/frm_sft.cpp" line="15"/>
        <source>shifts</source>
        <translation>shifts</translation>
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
        <translation>Enter a number from 0 to 99.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="24"/>
        <source> 숫자를 입력하십시요</source>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="26"/>
        <source> End Loc 는 Start Loc 보다 커야 합니다.</source>
        <translation>End Loc must not be smaller than Start Loc.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="28"/>
        <source>File Open 메뉴에서 저장할 화일명을 입력하십시요.</source>
        <translation>Choose the file to save to with File Open.</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="107"/>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="209"/>
        <source>Cancelled: %1 of %2 %3 sent</source>
        <translation>Cancelled: %1 of %2 %3 sent</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="210"/>
        <source>Cancelled after %1 of %2 %3; the table is as it was</source>
        <translation>Cancelled after %1 of %2 %3; the table is as it was</translation>
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
        <translation>%1 %2</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="222"/>
        <source>%1 sent</source>
        <translation>%1 sent</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="223"/>
        <source>%1 received</source>
        <translation>%1 received</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="224"/>
        <source>%1 refused for a wrong checksum</source>
        <translation>%1 refused for a wrong checksum</translation>
    </message>
    <message>
        <location filename="../src/app/windows/position_screen.cpp" line="225"/>
        <source>%1 received, %2 refused for a wrong checksum</source>
        <translation>%1 received, %2 refused for a wrong checksum</translation>
    </message>
</context>
<context>
    <name>zova::app::Screens</name>
    <message>
        <location filename="../src/app/windows/screens.cpp" line="29"/>
        <source>모든파일(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
</context>
</TS>
