// The firmware download window against the built-in simulator, with its state texts.
#include <QFile>
#include <QLabel>

#include "firmware/hex_builder.h"
#include "gui_support.h"

namespace zova::test {
namespace {

TEST(Download, FileOpenThenDownLoadShowsTheStateTexts) {
  QTemporaryDir dir;
  const QString hex = dir.filePath("zova_gui_5600.hex");
  {
    QFile f(hex);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromStdString(HexText(5600)));
  }
  MainRig rig;
  rig.main->openSimulator();
  AnsweredDialog dialog(hex);
  QPointer<QWidget> window = OpenScreen(rig, "mnuDownload", "frmDownload");
  ASSERT_NE(window, nullptr);
  Click(window, "cmdFile");
  EXPECT_EQ(Find<QLabel>(window, "labelbyte")->text(), "TOTAL: 5,600 bytes");
  EXPECT_TRUE(Find<QLabel>(window, "label_filename")->text().startsWith("HEX FILE : "));
  Click(window, "cmdDown");
  EXPECT_EQ(Find<QLabel>(window, "Label_state")->text(), "Downloading success!");
  EXPECT_EQ(Find<QLabel>(window, "Label2")->text(), "0");
  EXPECT_TRUE(rig.messages.empty()) << rig.messages.front();
  EXPECT_EQ(Controller(rig).machine.flash.size(), 5600u);
}

TEST(Download, UpperCaseHexNameIsRefused) {
  MainRig rig;
  AnsweredDialog dialog(QString("/tmp/FIRMWARE.HEX"));
  QPointer<QWidget> window = OpenScreen(rig, "mnuDownload", "frmDownload");
  ASSERT_NE(window, nullptr);
  Click(window, "cmdFile");
  EXPECT_EQ(Find<QLabel>(window, "labelbyte")->text(), "");
  Click(window, "cmdDown");
  EXPECT_EQ(rig.messages, std::vector<std::string>{"OPEN HEX File "});
}

}  // namespace
}  // namespace zova::test
