// The firmware download window against the built-in simulator, with its state texts.
#include "firmware/hex_builder.h"
#include "gui_support.h"

namespace zova::test {
namespace {

TEST(Download, FileOpenThenDownLoadShowsTheStateTexts) {
  QTemporaryDir dir;
  const QString hex = dir.filePath("zova_gui_5600.hex");
  WriteFile(hex, HexText(5600));
  SimMainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuDownload", "frmDownload");
  ClickAnswering(w, "cmdFile", hex);
  EXPECT_EQ(Label(w, "labelbyte"), "TOTAL: 5,600 bytes");
  EXPECT_TRUE(Label(w, "label_filename").startsWith("HEX FILE : "));
  Click(w, "cmdDown");
  EXPECT_EQ(Label(w, "Label_state"), "Downloading success!");
  EXPECT_EQ(Label(w, "Label2"), "0");
}

}  // namespace
}  // namespace zova::test
