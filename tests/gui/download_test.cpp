// The firmware download window against the built-in simulator, with its state texts.
#include <QLabel>

#include "firmware/hex_builder.h"
#include "gui_support.h"

namespace zova::test {
namespace {

TEST(Download, FileOpenThenDownLoadShowsTheStateTexts) {
  QTemporaryDir dir;
  const QString hex = dir.filePath("zova_gui_5600.hex");
  WriteFile(hex, HexText(5600));
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
}

}  // namespace
}  // namespace zova::test
