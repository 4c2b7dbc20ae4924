// Settings store access.
#include "app/qt/stored_settings.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QSettings>

namespace zova::app {

namespace {
QSettings store() {
  const QString title = QString::fromUtf8(kAppTitle.data(), static_cast<qsizetype>(kAppTitle.size()));
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, title, title);
}
}  // namespace

StoredSettings ReadStoredSettings() {
  QSettings s = store();
  return {s.value("Properties/Settings").toString(), s.value("Properties/CommPort").toString(),
          s.value("Properties/Handshaking").toString()};
}

void ApplyStoredSettings(const StoredSettings& stored, LineSettings& line, FlowControl& flow, Ui& ui) {
  std::string error;
  if (!stored.settings.isEmpty() && !ParseLineSettings(stored.settings.toStdString(), line, error)) {
    ui.messageBox(error, {}, MessageButtons::Ok, MessageIcon::Exclamation);
  }
  if (!stored.handshaking.isEmpty() && !ParseFlowControl(stored.handshaking.toStdString(), flow, error)) {
    ui.messageBox(error, {}, MessageButtons::Ok, MessageIcon::Exclamation);
  }
}

QString ReadLastPort() { return store().value("Desktop/LastPort").toString(); }

void WriteLastPort(const QString& device) { store().setValue("Desktop/LastPort", device); }

bool ReadOpenLastPortAtStart() { return store().value("Desktop/OpenLastPortAtStart", false).toBool(); }

void WriteOpenLastPortAtStart(bool open) { store().setValue("Desktop/OpenLastPortAtStart", open); }

QString ReadStoredLanguage() { return store().value("Desktop/Language").toString(); }

void WriteStoredLanguage(const QString& code) { store().setValue("Desktop/Language", code); }

QString ReadLastHistory() { return store().value("Desktop/LastHistory").toString(); }

void WriteLastHistory(const QString& place) { store().setValue("Desktop/LastHistory", place); }

QString ResolvePortName(const QString& name) {
  static const QRegularExpression com("^COM([1-9][0-9]*)$", QRegularExpression::CaseInsensitiveOption);
  auto match = com.match(name);
#ifdef Q_OS_WIN
  return name;
#else
  if (!match.hasMatch()) return name;
  QSettings s = store();
  const QString mapped = s.value("Ports/" + name.toUpper()).toString();
  if (!mapped.isEmpty()) return mapped;
  const int n = match.captured(1).toInt();
  const auto ports = QSerialPortInfo::availablePorts();
  if (n >= 1 && n <= ports.size()) return ports[n - 1].systemLocation();
  return name;
#endif
}

}  // namespace zova::app
