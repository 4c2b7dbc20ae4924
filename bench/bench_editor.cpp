// The program editor's speed on a 300-line source: the compile alone, the recompile-and-mark that runs
// when typing pauses, and one keystroke with its repaint. Runs on the offscreen platform.
// Build with -DZOVA_BENCH=ON (and the desktop program); see bench/README.md.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <string>

#include "app/windows/frm_editor.h"
#include "language/source_check.h"

namespace {

// 300 lines: instructions of mixed kinds with Korean comments, comment and blank lines, three lines that
// draw a message, and the end.
std::string Source300() {
  static const char* const kLines[] = {
      "MVE P%04d ;접근 위치", "MVS P(R%03d)",   "IF R%03d = 00005", "ADD R001 %05d", "SIGO 1 0FH ;그리퍼",
      "WAIT -%02d",           "SETL R002 %09d", "F%02d -2.50",      "; 구간 %d",     "",
  };
  std::string text;
  for (int line = 0; line < 299; ++line) {
    char buffer[128];
    if (line == 40 || line == 140 || line == 240) {
      std::snprintf(buffer, sizeof buffer, "MVE P%d", 9000 + line);  // beyond the location table
    } else {
      std::snprintf(buffer, sizeof buffer, kLines[line % 10], line % 48 + 1);
    }
    text += buffer;
    text += "\r\n";
  }
  return text + "[EOF]\r\n";
}

struct EditorRig {
  EditorRig() : editor(session) {
    session.axes = 6;
    editor.setSourceBytes(QByteArray::fromStdString(Source300()));
    editor.show();
    QApplication::processEvents();
    if (editor.lastCheck().problems.size() != 3) std::fprintf(stderr, "the source should draw three messages\n");
  }
  zova::app::Session session;
  zova::app::FrmEditor editor;
};

void CompileOnly(benchmark::State& state) {
  const std::string source = Source300();
  zova::language::ProgramStore store;
  for (auto _ : state) {
    const auto check = zova::language::CheckSource(source, {6, 0}, store);
    benchmark::DoNotOptimize(check.problems.data());
  }
}
BENCHMARK(CompileOnly)->Unit(benchmark::kMillisecond);

void RecompileAndMark(benchmark::State& state) {
  EditorRig rig;
  for (auto _ : state) {
    rig.editor.compileNow();        // text to bytes, compile, marks, problem list, status line
    QApplication::processEvents();  // and the repaint
  }
}
BENCHMARK(RecompileAndMark)->Unit(benchmark::kMillisecond);

void Keystroke(benchmark::State& state) {
  EditorRig rig;
  QWidget* text = rig.editor.editor();
  rig.editor.editor()->goToLine(150);
  text->setFocus();
  QTest::keyClick(text, Qt::Key_X);
  if (!rig.editor.editor()->document()->isModified()) state.SkipWithError("the keystroke did not reach the text");
  QTest::keyClick(text, Qt::Key_Backspace);
  bool typed = false;
  for (auto _ : state) {
    // Typing and deleting in turn keeps the text as it was; the live compile never fires meanwhile.
    QTest::keyClick(text, typed ? Qt::Key_Backspace : Qt::Key_X);
    QApplication::processEvents();
    typed = !typed;
  }
}
BENCHMARK(Keystroke)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
