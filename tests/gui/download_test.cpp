// The firmware download window against the built-in simulator, with its state texts.
#include <QFile>
#include <QLabel>

#include "app/file_dialog.h"
#include "app/qt_sim_port.h"
#include "gui_support.h"

namespace zova::test {
namespace {

// An Intel HEX file of `bytes` data bytes in 16-byte records.
QString WriteHex(const QString& path, int bytes) {
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  for (int at = 0; at < bytes; at += 16) {
    const int n = std::min(16, bytes - at);
    unsigned sum = static_cast<unsigned>(n + ((at >> 8) & 0xFF) + (at & 0xFF));
    QString line = QString(":%1%2%3").arg(n, 2, 16, QChar('0')).arg(at & 0xFFFF, 4, 16, QChar('0')).arg("00");
    for (int i = 0; i < n; ++i) {
      const int b = (at + i) & 0xFF;
      sum += static_cast<unsigned>(b);
      line += QString("%1").arg(b, 2, 16, QChar('0'));
    }
    line += QString("%1\r\n").arg((0x100 - (sum & 0xFF)) & 0xFF, 2, 16, QChar('0'));
    f.write(line.toUpper().toLatin1());
  }
  f.write(":00000001FF\r\n");
  return path;
}

TEST(Download, FileOpenThenDownLoadShowsTheStateTexts) {
  MainRig rig;
  rig.main->openSimulator();
  const QString hex = WriteHex(QDir::temp().filePath("zova_gui_5600.hex"), 5600);
  app::FileDialog() = [hex](QWidget*, const app::FileDialogRequest&) -> std::optional<QString> { return hex; };
  rig.main->openScreen("mnuDownload");
  QWidget* window = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == "frmDownload" && w->isVisible()) window = w;
  }
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(rig.main->isEnabled()) << "the main window waits while the screen is open";
  Find<QPushButton>(window, "cmdFile")->click();
  EXPECT_EQ(Find<QLabel>(window, "labelbyte")->text(), "TOTAL: 5,600 bytes");
  EXPECT_TRUE(Find<QLabel>(window, "label_filename")->text().startsWith("HEX FILE : "));
  Find<QPushButton>(window, "cmdDown")->click();
  Settle();
  EXPECT_EQ(Find<QLabel>(window, "Label_state")->text(), "Downloading success!");
  EXPECT_EQ(Find<QLabel>(window, "Label2")->text(), "0");
  EXPECT_TRUE(rig.messages.empty()) << rig.messages.front();
  auto* sim = dynamic_cast<app::QtSimPort*>(rig.session.port.current());
  EXPECT_EQ(sim->controller().machine.flash.size(), 5600u);
  window->close();
  Settle();
  EXPECT_TRUE(rig.main->isEnabled());
  QFile::remove(hex);
}

TEST(Download, UpperCaseHexNameIsRefused) {
  MainRig rig;
  app::FileDialog() = [](QWidget*, const app::FileDialogRequest&) -> std::optional<QString> {
    return QString("/tmp/FIRMWARE.HEX");
  };
  rig.main->openScreen("mnuDownload");
  QWidget* window = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == "frmDownload" && w->isVisible()) window = w;
  }
  ASSERT_NE(window, nullptr);
  Find<QPushButton>(window, "cmdFile")->click();
  EXPECT_EQ(Find<QLabel>(window, "labelbyte")->text(), "");
  Find<QPushButton>(window, "cmdDown")->click();
  EXPECT_EQ(rig.messages, std::vector<std::string>{"OPEN HEX File "});
  window->close();
}

}  // namespace
}  // namespace zova::test
