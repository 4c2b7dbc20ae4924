// The settings store: the serial settings it holds for the program (read only, section "Properties",
// keys "Settings", "CommPort", "Handshaking", under the application's title) and the desktop's own keys.
#pragma once

#include <QString>

#include "link/line_settings.h"
#include "base/ui.h"

namespace zova::app {

struct StoredSettings {
  QString settings;  // empty when not stored
  QString commPort;
  QString handshaking;
};

StoredSettings ReadStoredSettings();

// Gives the serial control the stored "Settings" and "Handshaking" (done once, when the main window
// loads). A value the control rejects is reported with its error text and the exclamation icon and
// leaves that setting as it was, so a bad store never stops a port from opening.
void ApplyStoredSettings(const StoredSettings& stored, LineSettings& line, FlowControl& flow, Ui& ui);

// The desktop program's own keys, beside the read-only ones: section "Desktop", key "LastPort" (the
// device last opened, "sim" for the built-in simulated controller) and "OpenLastPortAtStart".
QString ReadLastPort();
void WriteLastPort(const QString& device);
bool ReadOpenLastPortAtStart();
void WriteOpenLastPortAtStart(bool open);
// Key "Language" of that section: "ko" or "en" as chosen in the main window's View menu; empty when never chosen.
QString ReadStoredLanguage();
void WriteStoredLanguage(const QString& code);

// Key "LastHistory": the history repository or fleet folder the Backup History window last read.
QString ReadLastHistory();
void WriteLastHistory(const QString& place);

// Maps a port name as the operator gives it to a device: "COMn" goes through the settings store
// (section "Ports", key "COMn") and else to the n-th detected serial port; other names pass unchanged.
QString ResolvePortName(const QString& name);

}  // namespace zova::app
