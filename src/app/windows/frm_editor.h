// The program editor "Program Editor": robot programs written with the compiler's problems marked while
// they are typed, saved in their own encoding, and sent or fetched through the program transfer.
#pragma once

#include <QMenu>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <array>
#include <functional>
#include <vector>

#include "app/session.h"
#include "app/widgets/code_editor.h"
#include "app/widgets/dialog_control.h"
#include "app/widgets/source_text.h"
#include "language/source_check.h"

namespace zova::app {

class FrmMain;

// How long typing must pause before the text is compiled again.
inline constexpr int kLiveCompileDelayMs = 200;

class FrmEditor : public QMainWindow {
  Q_OBJECT
 public:
  explicit FrmEditor(Session& session, QWidget* parent = nullptr);

  // Reads a source file into the editor, after the unsaved-changes question; false when it stays as it was.
  bool openFile(const QString& path);
  // The text of a source file's bytes, as a new program without a file name.
  void setSourceBytes(const QByteArray& bytes);
  bool save();    // to the file it came from; Save As without one
  bool saveAs();  // asks for a name
  void newProgram();

  // The N of "Send as program N" and "Fetch program N".
  void setProgramNumber(int n);
  void sendPressed();   // "Send as program N"
  void fetchPressed();  // "Fetch program N"

  // The live compile at once, without waiting for typing to stop.
  void compileNow();
  [[nodiscard]] const language::SourceCheck& lastCheck() const { return check_; }
  [[nodiscard]] CodeEditor* editor() const { return editor_; }
  [[nodiscard]] const QString& filePath() const { return path_; }
  [[nodiscard]] SourceEncoding encoding() const { return encoding_; }

  // `window` (the one that opened the editor, the main window) asks the editor to close first, so changes
  // the operator keeps also keep that window open.
  void askBeforeClosing(QWidget* window);

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A window the editor asks to wait (see askBeforeClosing) closes only once the editor has closed.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  QWidget* buildTransferRow();
  QWidget* buildSearchRows();
  [[nodiscard]] language::LanguageConfig config() const;
  [[nodiscard]] QByteArray sourceBytes(bool* complete = nullptr) const;
  [[nodiscard]] QString displayName() const;
  void setText(const SourceText& source, const QString& path);
  void updateTitle();
  void updateStatus();
  void programNumberChanged(int n);
  bool maySetAside();              // the unsaved-changes question; false when the operator keeps the text
  bool load(const QString& path);  // reads a file, after the question was answered
  bool writeTo(const QString& path);
  void findNext(bool backward);
  // Runs one transfer with the link held, its progress on the window's bars and Cancel offered; `transfer`
  // returns its result for the status bars (empty when a message box has said why it failed).
  void runTransfer(const QPushButton* pressed, const std::function<QString()>& transfer);

  Session& session_;
  CodeEditor* editor_ = nullptr;
  QTableWidget* problems_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* encodingLabel_ = nullptr;
  QSpinBox* programNo_ = nullptr;
  QPushButton* send_ = nullptr;
  QPushButton* fetch_ = nullptr;
  QPushButton* cancel_ = nullptr;
  std::array<QProgressBar*, 2> bars_{};
  QWidget* findRow_ = nullptr;
  QLineEdit* findText_ = nullptr;
  QWidget* lineRow_ = nullptr;
  QLineEdit* lineText_ = nullptr;
  DialogControl* dialog_ = nullptr;
  QTimer* compileTimer_ = nullptr;  // "tmrCompile": the live compile, once typing pauses

  std::vector<QPointer<QWidget>> waiting_;  // windows that close only after the editor

  QString path_;
  QString untitledName_;  // a fetched program's name until it is saved
  SourceEncoding encoding_ = SourceEncoding::Utf8;
  bool byteOrderMark_ = false;
  language::ProgramStore scratch_;  // the live compile's own image: the program-wide one is the transfers'
  language::SourceCheck check_;
};

// The answer to "save the changes?" before the text is closed or replaced; replaceable, so tests answer it.
enum class UnsavedAnswer { Save, Discard, Cancel };
using UnsavedQuestion = std::function<UnsavedAnswer(QWidget* parent, const QString& name)>;
UnsavedQuestion& AskAboutUnsavedChanges();

// "Program Editor…" in the main window's "File" menu.
void AddProgramEditorMenuItem(FrmMain& main, QMenu& menu);

// Opens an editor on `path` (empty: a new program) over `owner`, which keeps it until it closes and asks it
// before closing itself; an editor of the same file already open there is brought forward instead. Either
// way its transfers go to `program`.
FrmEditor* OpenProgramEditor(Session& session, QWidget* owner, const QString& path, int program);

}  // namespace zova::app
