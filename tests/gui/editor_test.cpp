// The program editor: live compile marks, the step column, sending and fetching through the simulated
// controller, saving in the file's own encoding, the unsaved-changes question, find and go to line.
#include <QTextBlock>

#include "app/windows/frm_editor.h"
#include "gui_support.h"

namespace zova::test {

using app::FrmEditor;
using app::UnsavedAnswer;

struct AnsweredQuestion : Answered<app::UnsavedQuestion, QString, UnsavedAnswer> {
  explicit AnsweredQuestion(UnsavedAnswer answer) : Answered(app::AskAboutUnsavedChanges(), answer) {}
};

// Waits until the live compile after the last edit has run.
void WaitForCompile(FrmEditor* editor) {
  auto* timer = Find<QTimer>(editor, "tmrCompile");
  ASSERT_TRUE(timer->isActive()) << "an edit starts the live compile's wait";
  EXPECT_TRUE(QTest::qWaitFor([timer] { return !timer->isActive(); }, 5000));
}

// Every test leaves its text changed; closing the windows at its end gives the changes up.
class Editor : public ::testing::Test {
 protected:
  void SetUp() override {
    w = dynamic_cast<FrmEditor*>(OpenScreen(rig, "mnuEditor", "frmEditor").data());
    ASSERT_NE(w, nullptr);
  }
  AnsweredQuestion discard{UnsavedAnswer::Discard};
  MainRig rig;
  FrmEditor* w = nullptr;
};

TEST_F(Editor, MarksEachProblemWithTheCompilersMessageAndDropsAFixedOne) {
  w->editor()->insertPlainText("MVE P5\nMVE P9999\n; c\nINC R1000\nGOTO 5\nSTOP\n[EOF]\n");
  WaitForCompile(w);
  // Marked lines, the tooltip of one, and the wavy underline under the second of three.
  EXPECT_EQ(std::pair(w->editor()->markedLines(), w->editor()->problemsAt(4)),
            std::pair(QList<int>{2, 4, 5}, QStringList{"MAX_REG_LMT_OVER"}));
  const auto underlined = w->editor()->extraSelections();
  ASSERT_EQ(underlined.size(), 3);
  EXPECT_EQ(std::pair(underlined[1].format.underlineStyle(), underlined[1].cursor.selectedText()),
            std::pair(QTextCharFormat::WaveUnderline, QString("INC R1000")));
  auto* table = Find<QTableWidget>(w, "lstProblems");
  EXPECT_EQ(Rows(table), (QStringList{"2|1|LOC 번호 초과", "4|2|MAX_REG_LMT_OVER", "5|3|GOT sysntex error"}));
  const QPoint row3 = table->visualItemRect(table->item(2, 2)).center();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row3);  // a double click follows a press
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, row3);
  EXPECT_EQ(w->editor()->textCursor().blockNumber() + 1, 5);

  QTextCursor line4(w->editor()->document()->findBlockByNumber(3));
  line4.select(QTextCursor::LineUnderCursor);
  line4.insertText("INC R100");
  WaitForCompile(w);
  EXPECT_EQ(std::pair(w->editor()->markedLines(), w->editor()->extraSelections().size()),
            std::pair(QList<int>{2, 5}, qsizetype{2}));
  EXPECT_EQ(Text(w, "lblStatus"), "5 steps · image 8 of 512 words · 2 problems");

  // An unknown mnemonic ends the compile: the list says that nothing below it was checked.
  w->editor()->setPlainText("STOP\nFOO 1\nINC R1000\n[EOF]\n");
  w->compileNow();
  EXPECT_EQ(Rows(table),
            (QStringList{"2|1|해당 명령어가 없습니다", "2||checking stopped here: the lines below were not checked"}));
}

// The listing a fetch shows is the program transfer's (that it compiles back, the language tests prove); here the
// editor sends a program and fetches it back.
TEST_F(Editor, SendIsRefusedWhileProblemsRemainOrTheLineIsBusyAndAFetchBringsItBack) {
  rig.main->ports().openSimulator();
  const auto& sent = Controller(rig).programs.programs[7].block;
  Find<QSpinBox>(w, "txtProgramNo")->setValue(7);
  w->editor()->setPlainText("MVE P9999 ;첫 점\nGOTO 5\n[EOF]\n");
  Click(w, "cmdSend");
  EXPECT_EQ(std::pair(rig.taken(), sent.empty()), std::pair(Texts{"Not sent: the source has 2 problems."}, true));
  w->editor()->setPlainText("MVE P0005 ;첫 점\nSTOP\n[EOF]\n");
  for (bool busy : {true, false}) {  // while another exchange holds the line, the press does nothing
    rig.session.link.LinkBusy = busy;
    Click(w, "cmdSend");
    EXPECT_EQ(sent.empty(), busy);
  }

  w->editor()->setPlainText("");
  Click(w, "cmdFetch");
  EXPECT_EQ(w->editor()->toPlainText(), "000 MVE P0005 ;첫 점\n001 STOP \n002 [EOF] \n");
  // Named as the program's file: closing asks whether to save it, and the save dialog offers that name.
  {
    AnsweredQuestion save(UnsavedAnswer::Save);
    AnsweredDialog dialog(std::nullopt);
    EXPECT_FALSE(w->close());
    EXPECT_EQ(std::pair(save.requests.at(0), dialog.requests.at(0).selected),
              std::pair(QString("ZOVAPRG07.dat"), QString("ZOVAPRG07.dat")));
  }
}

// Saving keeps the file's own encoding, with CR LF; the program window opens its file in the editor and
// asks it before closing.
TEST_F(Editor, SaveKeepsTheFileEncodingAndTheProgramWindowAsksItBeforeClosing) {
  // Name, bytes on disk, bytes saved after "STOP" was put in front.
  const std::tuple<const char*, QByteArray, QByteArray> cases[] = {
      {"utf8", "MVE P5 ;\xEC\xB2\xAB \xEC\xA0\x90\n[EOF]\n", "STOP\r\nMVE P5 ;\xEC\xB2\xAB \xEC\xA0\x90\r\n[EOF]\r\n"},
      {"cp949", "MVE P5 ;\xC3\xB9 \xC1\xA1\r\n[EOF]\r\n", "STOP\r\nMVE P5 ;\xC3\xB9 \xC1\xA1\r\n[EOF]\r\n"},
  };
  QPointer<QWidget> file = OpenScreen(rig, "mnuFile", "frmFile");
  for (const auto& [name, original, saved] : cases) {
    const QString path = rig.file(QString(name) + ".dat");
    WriteFile(path, original.toStdString());
    const int program = name == std::string("utf8") ? 7 : 12;  // the editor sends to what TEV File # says
    Do(file, {"txtFileTrans_0=" + path, "txtFileTrans_1=" + QString::number(program), "cmdFileTransEdit"});
    w = file->findChildren<FrmEditor*>().value(name == std::string("utf8") ? 0 : 1);  // one editor for each file
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->filePath() == path && w->editor()->toPlainText().contains("첫 점") &&
                Find<QSpinBox>(w, "txtProgramNo")->value() == program)
        << name;
    QTextCursor(w->editor()->document()).insertText("STOP\n");
    ASSERT_TRUE(w->save());
    EXPECT_EQ(ReadAll(path), saved.toStdString()) << name;
  }
  // A character the legacy code page has no code for is refused, and the file stays as it was.
  QTextCursor(w->editor()->document()).insertText("; \U0001F600\n");
  EXPECT_FALSE(w->save());
  EXPECT_EQ(std::pair(ReadAll(rig.file("cp949.dat")), rig.taken()),
            std::pair(std::get<2>(cases[1]).toStdString(),
                      Texts{"Not saved: the text holds characters that CP949 cannot carry."}));
  QPointer<FrmEditor> editor = w;
  {
    AnsweredQuestion keep(UnsavedAnswer::Cancel);
    EXPECT_FALSE(rig.main->close());
    EXPECT_EQ(keep.requests, std::vector<QString>{"cp949.dat"});
    EXPECT_TRUE(file->isVisible() && editor->isVisible());
  }
  CloseScreen(file);
  EXPECT_TRUE(!file && !editor) << "the program window takes its editors along";
}

TEST_F(Editor, FindGoToLineAndTheStepColumn) {
  w->setSourceBytes("MVE P1\r\n; note\r\nMVE P1\r\n[EOF]\r\n");
  ASSERT_TRUE(Activate(w));
  QTest::keyClick(w, Qt::Key_G, Qt::ControlModifier);  // the keys the help window lists
  Type(w, "txtGoToLine", "3");
  QTest::keyClick(Find<QLineEdit>(w, "txtGoToLine"), Qt::Key_Return);
  EXPECT_EQ(w->editor()->textCursor().blockNumber(), 2);
  QTest::keyClick(w, Qt::Key_F, Qt::ControlModifier);
  Type(w, "txtFind", "P1");
  for (int line : {2, 0}) {  // past the last, the search starts again at the top
    QTest::keyClick(w, Qt::Key_F3);
    EXPECT_EQ(std::pair(w->editor()->textCursor().blockNumber(), w->editor()->textCursor().selectedText()),
              std::pair(line, QString("P1")));
  }

  auto steps = [this] {
    std::vector<int> out;
    for (int line = 1; line < w->editor()->blockCount(); ++line) out.push_back(w->editor()->stepAt(line));
    return out;
  };
  EXPECT_EQ(steps(), (std::vector<int>{0, -1, 1, 2}));
  QTextCursor cursor(w->editor()->document()->findBlockByNumber(0));
  cursor.insertText("STOP\n");
  EXPECT_EQ(steps(), (std::vector<int>{-1, 0, -1, 1, 2})) << "until the compile, each line keeps its own";
  WaitForCompile(w);
  EXPECT_EQ(steps(), (std::vector<int>{0, 1, -1, 2, 3}));
  cursor.setPosition(w->editor()->document()->findBlockByNumber(2).position());
  cursor.select(QTextCursor::BlockUnderCursor);
  cursor.removeSelectedText();  // the comment line
  WaitForCompile(w);
  EXPECT_EQ(steps(), (std::vector<int>{0, 1, 2, 3}));
}

}  // namespace zova::test
