// The program editor: live compile marks, the step column, sending and fetching through the simulated
// controller, saving in the file's own encoding, the unsaved-changes question, find and go to line.
#include <QAction>
#include <QTableWidget>
#include <QTextBlock>

#include "app/windows/frm_editor.h"
#include "gui_support.h"
#include "language/compiler.h"
#include "language/transfer/program_wire.h"
#include "link/link_error.h"

namespace zova::test {
namespace {

using app::FrmEditor;
using app::UnsavedAnswer;

FrmEditor* OpenEditor(MainRig& rig) {
  return dynamic_cast<FrmEditor*>(OpenScreen(rig, "mnuEditor", "frmEditor").data());
}

// Waits until the live compile after the last edit has run.
void WaitForCompile(FrmEditor* editor) {
  auto* timer = Find<QTimer>(editor, "tmrCompile");
  ASSERT_TRUE(timer->isActive()) << "an edit starts the live compile's wait";
  EXPECT_TRUE(QTest::qWaitFor([timer] { return !timer->isActive(); }, 5000));
}

void ReplaceLine(FrmEditor* editor, int line, const QString& text) {
  QTextCursor cursor(editor->editor()->document()->findBlockByNumber(line - 1));
  cursor.select(QTextCursor::LineUnderCursor);
  cursor.insertText(text);
}

std::vector<QStringList> ProblemRows(FrmEditor* editor) {
  auto* table = Find<QTableWidget>(editor, "lstProblems");
  std::vector<QStringList> rows;
  for (int r = 0; r < table->rowCount(); ++r) {
    rows.push_back({table->item(r, 0)->text(), table->item(r, 1)->text(), table->item(r, 2)->text()});
  }
  return rows;
}

// Answers the unsaved-changes question and counts it; the real question comes back when it goes.
class AnsweredQuestion {
 public:
  explicit AnsweredQuestion(UnsavedAnswer answer) : saved_(app::AskAboutUnsavedChanges()) {
    app::AskAboutUnsavedChanges() = [this, answer](QWidget*, const QString& name) {
      names.push_back(name);
      return answer;
    };
  }
  ~AnsweredQuestion() { app::AskAboutUnsavedChanges() = saved_; }
  AnsweredQuestion(const AnsweredQuestion&) = delete;
  AnsweredQuestion& operator=(const AnsweredQuestion&) = delete;
  QStringList names;

 private:
  app::UnsavedQuestion saved_;
};

// Every test leaves its text changed; closing the windows at its end gives the changes up.
class Editor : public ::testing::Test {
 protected:
  AnsweredQuestion discard{UnsavedAnswer::Discard};
  MainRig rig;
};

TEST_F(Editor, MarksEachProblemWithTheCompilersMessageAndDropsAFixedOne) {
  EXPECT_EQ(Find<QAction>(rig.main.get(), "mnuEditor")->text().remove(QChar('&')), "Program Editor…");
  FrmEditor* w = OpenEditor(rig);
  ASSERT_NE(w, nullptr);
  w->editor()->insertPlainText("MVE P5\nMVE P9999\n; c\nINC R1000\nGOTO 5\nSTOP\n[EOF]\n");
  WaitForCompile(w);

  EXPECT_EQ(w->editor()->markedLines(), (QList<int>{2, 4, 5}));
  EXPECT_EQ(w->editor()->problemsAt(2), QStringList{"LOC 번호 초과"});
  EXPECT_EQ(w->editor()->problemsAt(4), QStringList{"MAX_REG_LMT_OVER"});
  EXPECT_EQ(w->editor()->problemsAt(5), QStringList{"GOT sysntex error"});
  QStringList underlined;
  for (const auto& s : w->editor()->extraSelections()) {
    EXPECT_EQ(s.format.underlineStyle(), QTextCharFormat::WaveUnderline);
    underlined << s.cursor.selectedText();
  }
  EXPECT_EQ(underlined, (QStringList{"MVE P9999", "INC R1000", "GOTO 5"}));
  EXPECT_EQ(ProblemRows(w),
            (std::vector<QStringList>{
                {"2", "1", "LOC 번호 초과"}, {"4", "2", "MAX_REG_LMT_OVER"}, {"5", "3", "GOT sysntex error"}}));
  auto* table = Find<QTableWidget>(w, "lstProblems");
  const QPoint row3 = table->visualItemRect(table->item(2, 2)).center();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row3);  // a double click follows a press
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, row3);
  EXPECT_EQ(w->editor()->textCursor().blockNumber() + 1, 5);

  ReplaceLine(w, 4, "INC R100");
  WaitForCompile(w);
  EXPECT_EQ(w->editor()->markedLines(), (QList<int>{2, 5}));
  EXPECT_EQ(w->editor()->extraSelections().size(), 2);
  EXPECT_EQ(Find<QLabel>(w, "lblStatus")->text(), "5 steps · image 8 of 512 words · 2 problems");

  AnsweredQuestion keep(UnsavedAnswer::Cancel);
  EXPECT_FALSE(rig.main->close()) << "changes the operator keeps keep the program open";
  EXPECT_EQ(keep.names, QStringList{"Untitled"});
}

TEST_F(Editor, StepColumnFollowsInsertedAndDeletedLines) {
  FrmEditor* w = OpenEditor(rig);
  ASSERT_NE(w, nullptr);
  w->setSourceBytes("MVE P1\r\n; note\r\nMVE P2\r\n[EOF]\r\n");
  auto steps = [w] {
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

TEST_F(Editor, SendIsRefusedWhileProblemsRemain) {
  rig.main->openSimulator();
  FrmEditor* w = OpenEditor(rig);
  ASSERT_NE(w, nullptr);
  Find<QSpinBox>(w, "txtProgramNo")->setValue(7);
  EXPECT_EQ(Find<QPushButton>(w, "cmdSend")->text(), "Send as program 7");
  w->editor()->setPlainText("MVE P9999\nGOTO 5\n[EOF]\n");
  Click(w, "cmdSend");
  EXPECT_EQ(rig.messages, std::vector<std::string>{"Not sent: the source has 2 problems."});
  EXPECT_TRUE(Controller(rig).programs.programs[7].block.empty()) << "nothing went on the line";

  rig.messages.clear();
  ReplaceLine(w, 1, "MVE P999");
  ReplaceLine(w, 2, "GOTO L5");
  rig.session.link.LinkBusy = true;  // another exchange holds the line: the press does nothing
  Click(w, "cmdSend");
  EXPECT_TRUE(Controller(rig).programs.programs[7].block.empty());
  rig.session.link.LinkBusy = false;
  Click(w, "cmdSend");
  EXPECT_TRUE(rig.messages.empty()) << rig.messages.front();
  language::ProgramStore store;
  RecordingUi ui;
  ASSERT_TRUE(
      language::Compiler(store, ui, rig.session.languageConfig()).compileSource(7, "MVE P999\nGOTO L5\n[EOF]\n"));
  const auto expected = programs::PackProgramBlock(store, 7);
  EXPECT_EQ(Controller(rig).programs.programs[7].block, std::vector<std::uint8_t>(expected.begin(), expected.end()));
  EXPECT_FALSE(rig.session.link.LinkBusy);
  EXPECT_TRUE(Find<QPushButton>(w, "cmdSend")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(w, "cmdCancel")->isEnabled());
}

TEST_F(Editor, FetchedProgramOpensAndCompilesBackToTheSameImage) {
  rig.main->openSimulator();
  language::ProgramStore held;
  RecordingUi ui;
  const std::string source = "; 집기 동작\r\nMVE P0005 ;첫 점\r\n\r\nIF R010 = 5\r\nF3 -2.5\r\n[EOF]\r\n";
  ASSERT_TRUE(language::Compiler(held, ui, rig.session.languageConfig()).compileSource(5, source));
  const auto block = programs::PackProgramBlock(held, 5);
  Controller(rig).programs.programs[5] = {{block.begin(), block.end()}, programs::PackCommentBlock(held)};

  FrmEditor* w = OpenEditor(rig);
  ASSERT_NE(w, nullptr);
  Find<QSpinBox>(w, "txtProgramNo")->setValue(5);
  Click(w, "cmdFetch");
  EXPECT_TRUE(rig.messages.empty()) << rig.messages.front();
  EXPECT_EQ(w->editor()->toPlainText(),
            "; 집기 동작\n000 MVE P0005 ;첫 점\n\n001 IF R010 = 00005 \n002 F03 -2.50 \n003 [EOF] \n");
  EXPECT_TRUE(w->windowTitle().contains("ZOVAPRG05.dat"));
  EXPECT_TRUE(w->editor()->document()->isModified()) << "closing asks whether to save it";
  EXPECT_TRUE(w->lastCheck().problems.empty());

  language::ProgramStore again;
  const QByteArray shown = w->editor()->toPlainText().toUtf8();
  ASSERT_TRUE(language::Compiler(again, ui, rig.session.languageConfig())
                  .compileSource(5, std::string_view(shown.constData(), static_cast<std::size_t>(shown.size()))));
  EXPECT_EQ(again.image, held.image);
  EXPECT_EQ(programs::PackCommentBlock(again), programs::PackCommentBlock(held));
}

TEST_F(Editor, SaveKeepsTheFileEncodingWithCrLf) {
  struct Case {
    const char* name;
    QByteArray original, saved;
  } cases[] = {
      {"utf8", "MVE P5 ;\xEC\xB2\xAB \xEC\xA0\x90\n[EOF]\n", "STOP\r\nMVE P5 ;\xEC\xB2\xAB \xEC\xA0\x90\r\n[EOF]\r\n"},
      {"cp949", "MVE P5 ;\xC3\xB9 \xC1\xA1\r\n[EOF]\r\n", "STOP\r\nMVE P5 ;\xC3\xB9 \xC1\xA1\r\n[EOF]\r\n"},
  };
  QTemporaryDir dir;
  FrmEditor* w = OpenEditor(rig);
  ASSERT_NE(w, nullptr);
  for (const Case& c : cases) {
    const QString path = dir.filePath(QString(c.name) + ".dat");
    WriteFile(path, c.original.toStdString());
    ASSERT_TRUE(w->openFile(path));
    EXPECT_TRUE(w->editor()->toPlainText().contains("첫 점")) << c.name;
    QTextCursor(w->editor()->document()).insertText("STOP\n");
    ASSERT_TRUE(w->save());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), c.saved) << c.name;
  }
  // A character the legacy code page has no code for is refused, and the file stays as it was.
  QTextCursor(w->editor()->document()).insertText("; \U0001F600\n");
  EXPECT_FALSE(w->save());
  QFile kept(dir.filePath("cp949.dat"));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), cases[1].saved);
  EXPECT_EQ(rig.messages, std::vector<std::string>{"Not saved: the text holds characters that CP949 cannot carry."});
}

TEST_F(Editor, OpensFromTheProgramWindowWhichAsksItBeforeClosing) {
  QTemporaryDir dir;
  const QString path = dir.filePath("prog.dat");
  WriteFile(path, "STOP\r\n[EOF]\r\n");
  QPointer<QWidget> file = OpenScreen(rig, "mnuFile", "frmFile");
  ASSERT_NE(file, nullptr);
  Find<QLineEdit>(file, "txtFileTrans_0")->setText(path);
  Click(file, "cmdFileTransEdit");
  QPointer<FrmEditor> w = file->findChild<FrmEditor*>();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->filePath(), path);
  w->editor()->insertPlainText("; more\n");
  {
    AnsweredQuestion keep(UnsavedAnswer::Cancel);
    EXPECT_FALSE(rig.main->close());
    EXPECT_EQ(keep.names, QStringList{"prog.dat"});
    EXPECT_TRUE(file->isVisible());
    EXPECT_TRUE(w->isVisible());
  }
  CloseScreen(file);
  EXPECT_EQ(file, nullptr);
  EXPECT_EQ(w, nullptr);
}

TEST_F(Editor, FindAndGoToLine) {
  FrmEditor* w = OpenEditor(rig);
  ASSERT_NE(w, nullptr);
  w->setSourceBytes("MVE P1\r\nMVE P2\r\nMVE P1\r\n[EOF]\r\n");
  auto* goTo = Find<QAction>(w, "mnuEditorGoToLine");
  EXPECT_EQ(goTo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
  goTo->trigger();
  rig.type(w, "txtGoToLine", "3");
  QTest::keyClick(Find<QLineEdit>(w, "txtGoToLine"), Qt::Key_Return);
  EXPECT_EQ(w->editor()->textCursor().blockNumber(), 2);

  auto* find = Find<QAction>(w, "mnuEditorFind");
  EXPECT_EQ(find->shortcut(), QKeySequence(QKeySequence::Find));
  find->trigger();
  rig.type(w, "txtFind", "P1");
  QTest::keyClick(Find<QLineEdit>(w, "txtFind"), Qt::Key_Return);
  EXPECT_EQ(w->editor()->textCursor().blockNumber(), 2);
  QTest::keyClick(Find<QLineEdit>(w, "txtFind"), Qt::Key_Return);
  const QTextCursor found = w->editor()->textCursor();
  EXPECT_EQ(found.selectedText(), "P1");
  EXPECT_EQ(found.blockNumber(), 0) << "past the last, the search starts again at the top";
}

}  // namespace
}  // namespace zova::test
