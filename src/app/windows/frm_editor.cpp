// The program editor window.
#include "app/windows/frm_editor.h"

#include <QApplication>
#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBlock>
#include <QVBoxLayout>

#include "app/widgets/handler_lock.h"
#include "app/widgets/keyboard.h"
#include "app/widgets/source_highlighter.h"
#include "app/widgets/window_util.h"
#include "app/windows/frm_main.h"
#include "app/windows/screens.h"
#include "programs/program_files.h"
#include "base/atomic_file.h"
#include "base/text_lines.h"
#include "link/line_owner.h"

namespace zova::app {

namespace {

constexpr const char* kEditorBarName = "ProgressBarEditor";

QString Title() { return FrmEditor::tr("Program Editor"); }

// One text for one and one for more: the written English reads right with no translation installed.
QString Problems(qsizetype n) { return n == 1 ? FrmEditor::tr("1 problem") : FrmEditor::tr("%1 problems").arg(n); }
QString Steps(qsizetype n) { return n == 1 ? FrmEditor::tr("1 step") : FrmEditor::tr("%1 steps").arg(n); }

// Empty when a message box has said why the program did not go.
QString TransferResult(const programs::TransferReport& report, const QString& done) {
  if (report.transferred == 1) return done;
  return report.cancelled ? FrmEditor::tr("Cancelled before the exchange began; nothing was exchanged") : QString();
}

}  // namespace

UnsavedQuestion& AskAboutUnsavedChanges() {
  static UnsavedQuestion question = [](QWidget* parent, const QString& name) {
    const auto answer = QMessageBox::question(parent, Title(), FrmEditor::tr("Save the changes to %1?").arg(name),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    return answer == QMessageBox::Save      ? UnsavedAnswer::Save
           : answer == QMessageBox::Discard ? UnsavedAnswer::Discard
                                            : UnsavedAnswer::Cancel;
  };
  return question;
}

FrmEditor::FrmEditor(Session& session, QWidget* parent) : QMainWindow(parent, Qt::Window), session_(session) {
  setObjectName("frmEditor");
  dialog_ = new DialogControl(this, "cmdDlgEditor", "*.dat");

  editor_ = new CodeEditor(this);
  editor_->setAccessibleName(tr("Program text"));
  editor_->setObjectName("txtSource");
  new SourceHighlighter(editor_->document());

  problems_ = new QTableWidget(0, 3, this);
  problems_->setAccessibleName(tr("Problems"));
  problems_->setObjectName("lstProblems");
  problems_->setHorizontalHeaderLabels({tr("Line"), tr("Step"), tr("Message")});
  problems_->horizontalHeader()->setStretchLastSection(true);
  problems_->verticalHeader()->hide();
  problems_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  problems_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  problems_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  problems_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  problems_->setSelectionBehavior(QAbstractItemView::SelectRows);
  connect(problems_, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int) { editor_->goToLine(problems_->item(row, 0)->text().toInt()); });

  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->addWidget(editor_);
  splitter->addWidget(problems_);
  splitter->setStretchFactor(0, 4);
  splitter->setStretchFactor(1, 1);

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(buildTransferRow());
  layout->addWidget(splitter, 1);
  layout->addWidget(buildSearchRows());
  setCentralWidget(central);

  status_ = new QLabel(this);
  status_->setObjectName("lblStatus");
  encodingLabel_ = new QLabel(this);
  encodingLabel_->setObjectName("lblEncoding");
  statusBar()->addWidget(status_, 1);
  statusBar()->addPermanentWidget(encodingLabel_);
  buildMenus();

  compileTimer_ = new QTimer(this);
  compileTimer_->setObjectName("tmrCompile");
  compileTimer_->setSingleShot(true);
  compileTimer_->setInterval(kLiveCompileDelayMs);
  connect(compileTimer_, &QTimer::timeout, this, [this] { compileNow(); });
  connect(editor_, &QPlainTextEdit::textChanged, compileTimer_, qOverload<>(&QTimer::start));
  connect(editor_->document(), &QTextDocument::modificationChanged, this, [this] { updateTitle(); });

  resize(900, 700);
  CentreOnScreen(this);
  newProgram();
}

void FrmEditor::buildMenus() {
  // The keys come from the program's one table of shortcuts, which the help window lists.
  auto add = [this](QMenu* menu, const char* name, const QString& caption, auto slot) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  QMenu* file = menuBar()->addMenu(tr("&File"));
  add(file, "mnuEditorNew", tr("&New"), [this] {
    if (maySetAside()) newProgram();
  });
  add(file, "mnuEditorOpen", tr("&Open…"), [this] {
    if (!maySetAside()) return;
    if (auto chosen = dialog_->open(tr("Open Program"), FileDialogForm::Open, false)) load(*chosen);
  });
  add(file, "mnuEditorSave", tr("&Save"), [this] { save(); });
  add(file, "mnuEditorSaveAs", tr("Save &As…"), [this] { saveAs(); });
  file->addSeparator();
  add(file, "mnuEditorClose", tr("&Close"), [this] { close(); });

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  QAction* undo = add(edit, "mnuEditorUndo", tr("&Undo"), [this] { editor_->undo(); });
  QAction* redo = add(edit, "mnuEditorRedo", tr("&Redo"), [this] { editor_->redo(); });
  undo->setEnabled(false);
  redo->setEnabled(false);
  connect(editor_, &QPlainTextEdit::undoAvailable, undo, &QAction::setEnabled);
  connect(editor_, &QPlainTextEdit::redoAvailable, redo, &QAction::setEnabled);
  edit->addSeparator();
  add(edit, "mnuEditorFind", tr("&Find…"), [this] {
    lineRow_->hide();
    findRow_->show();
    findText_->setFocus();
    findText_->selectAll();
  });
  add(edit, "mnuEditorFindNext", tr("Find &Next"), [this] { findNext(false); });
  add(edit, "mnuEditorFindPrevious", tr("Find &Previous"), [this] { findNext(true); });
  add(edit, "mnuEditorGoToLine", tr("&Go to Line…"), [this] {
    findRow_->hide();
    lineRow_->show();
    lineText_->setFocus();
    lineText_->selectAll();
  });

  QMenu* program = menuBar()->addMenu(tr("&Program"));
  add(program, "mnuEditorSend", {}, [this] { sendPressed(); });
  add(program, "mnuEditorFetch", {}, [this] { fetchPressed(); });
  programNumberChanged(programNo_->value());
}

QWidget* FrmEditor::buildTransferRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* numberLabel = new QLabel(tr("Program #"), row);
  layout->addWidget(numberLabel);
  programNo_ = new QSpinBox(row);
  numberLabel->setBuddy(programNo_);
  programNo_->setObjectName("txtProgramNo");
  programNo_->setRange(programs::kFirstProgram, programs::kLastProgram);
  layout->addWidget(programNo_);
  send_ = MakeButton(row, "cmdSend", "");
  fetch_ = MakeButton(row, "cmdFetch", "");
  cancel_ = MakeCancelButton(session_, row, "cmdCancel");
  connect(send_, &QPushButton::clicked, this, [this] { sendPressed(); });
  connect(fetch_, &QPushButton::clicked, this, [this] { fetchPressed(); });
  connect(programNo_, &QSpinBox::valueChanged, this, [this](int n) { programNumberChanged(n); });
  programNumberChanged(0);
  layout->addWidget(send_);
  layout->addWidget(fetch_);
  layout->addWidget(cancel_);
  const QString labels[] = {tr("Program"), tr("Comment")};
  for (int i = 0; i < 2; ++i) {
    auto* bar = new QProgressBar(row);
    bar->setObjectName(ArrayName(kEditorBarName, i));
    bar->setValue(0);
    bar->setMaximumWidth(140);
    bars_[static_cast<std::size_t>(i)] = bar;
    // The editor's transfers go on its own bars, whatever the program window shows.
    session_.ui.showProgressOn(Job::SourceSend, i, bar);
    session_.ui.showProgressOn(Job::SourceReceive, i, bar);
    layout->addWidget(new QLabel(labels[i], row));
    layout->addWidget(bar);
  }
  layout->addStretch();
  return row;
}

QWidget* FrmEditor::buildSearchRows() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  auto makeRow = [box, layout](const QString& caption, QLineEdit*& text, const char* name) {
    auto* row = new QWidget(box);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption, row);
    rowLayout->addWidget(label);
    text = new QLineEdit(row);
    label->setBuddy(text);
    text->setObjectName(name);
    rowLayout->addWidget(text, 1);
    auto* hide = new QShortcut(QKeySequence(Qt::Key_Escape), row, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    QObject::connect(hide, &QShortcut::activated, row, &QWidget::hide);
    row->hide();
    layout->addWidget(row);
    return row;
  };
  findRow_ = makeRow(tr("Find"), findText_, "txtFind");
  auto* next = MakeButton(findRow_, "cmdFindNext", tr("Next"));
  auto* previous = MakeButton(findRow_, "cmdFindPrevious", tr("Previous"));
  findRow_->layout()->addWidget(next);
  findRow_->layout()->addWidget(previous);
  connect(findText_, &QLineEdit::returnPressed, this, [this] { findNext(false); });
  connect(next, &QPushButton::clicked, this, [this] { findNext(false); });
  connect(previous, &QPushButton::clicked, this, [this] { findNext(true); });

  lineRow_ = makeRow(tr("Go to line"), lineText_, "txtGoToLine");
  lineText_->setValidator(new QIntValidator(1, 1 << 20, lineText_));
  connect(lineText_, &QLineEdit::returnPressed, this, [this] {
    lineRow_->hide();
    editor_->goToLine(lineText_->text().toInt());
  });
  return box;
}

language::LanguageConfig FrmEditor::config() const {
  // Before the selection window has chosen (never in the program itself), the largest machine.
  return session_.axes > 0 ? session_.languageConfig() : language::LanguageConfig{6, session_.machineType};
}

QByteArray FrmEditor::sourceBytes(bool* complete) const {
  return EncodeSource(editor_->document()->toRawText(), encoding_, byteOrderMark_, complete);
}

QString FrmEditor::displayName() const {
  if (!path_.isEmpty()) return QFileInfo(path_).fileName();
  return untitledName_.isEmpty() ? tr("Untitled") : untitledName_;
}

void FrmEditor::updateTitle() {
  setWindowTitle(QString("%1 - %2[*]").arg(Title(), displayName()));
  setWindowModified(editor_->document()->isModified());
}

void FrmEditor::setProgramNumber(int n) { programNo_->setValue(n); }

void FrmEditor::programNumberChanged(int n) {
  const QString send = tr("Send as program %1").arg(n);
  const QString fetch = tr("Fetch program %1").arg(n);
  send_->setText(send);
  fetch_->setText(fetch);
  // The menu items have their own Alt letters: on the buttons they would take the menu bar's.
  if (auto* action = findChild<QAction*>("mnuEditorSend")) action->setText(tr("&Send as program %1").arg(n));
  if (auto* action = findChild<QAction*>("mnuEditorFetch")) action->setText(tr("&Fetch program %1").arg(n));
}

void FrmEditor::setText(const SourceText& source, const QString& path) {
  path_ = path;
  encoding_ = source.encoding;
  byteOrderMark_ = source.byteOrderMark;
  editor_->setPlainText(source.text);  // also forgets the undo history of the text before
  editor_->document()->setModified(false);
  encodingLabel_->setText(EncodingName(encoding_));
  updateTitle();
  compileNow();
}

void FrmEditor::newProgram() {
  untitledName_.clear();
  setText(SourceText{}, QString());
}

void FrmEditor::setSourceBytes(const QByteArray& bytes) {
  untitledName_.clear();
  setText(DecodeSource(bytes), QString());
}

bool FrmEditor::openFile(const QString& path) { return maySetAside() && load(path); }

bool FrmEditor::load(const QString& path) {
  std::string bytes;
  std::string error;
  const std::string name = path.toStdString();
  if (!ReadTextFile(name, language::kSourceFileMaxBytes, bytes, error)) {
    Ui& ui = session_.ui;
    ui.messageBox(FormatFileFault(name, error));
    return false;
  }
  untitledName_.clear();
  setText(DecodeSource(QByteArray::fromStdString(bytes)), path);
  return true;
}

bool FrmEditor::maySetAside() {
  if (!editor_->document()->isModified()) return true;
  switch (AskAboutUnsavedChanges()(this, displayName())) {
    case UnsavedAnswer::Save:
      return save();
    case UnsavedAnswer::Discard:
      return true;
    case UnsavedAnswer::Cancel:
      break;
  }
  return false;
}

bool FrmEditor::save() { return path_.isEmpty() ? saveAs() : writeTo(path_); }

bool FrmEditor::saveAs() {
  // A fetched program is offered under the name the unsaved-changes question gave it.
  if (path_.isEmpty() && !untitledName_.isEmpty()) {
    const QString before = dialog_->fileName();
    dialog_->setFileName(before.isEmpty() ? untitledName_ : QFileInfo(before).dir().filePath(untitledName_));
  }
  auto chosen = dialog_->open(tr("Save Program"), FileDialogForm::Save, true);
  return chosen && writeTo(*chosen);
}

bool FrmEditor::writeTo(const QString& path) {
  Ui& ui = session_.ui;
  bool complete = true;
  const QByteArray bytes = sourceBytes(&complete);
  if (!complete) {
    ui.messageBox(
        tr("Not saved: the text holds characters that %1 cannot carry.").arg(EncodingName(encoding_)).toStdString());
    return false;
  }
  std::string error;
  SaveFailure where;
  if (!SaveFileAtomically(path.toStdString(),
                          std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), error, where)) {
    ui.messageBox(programs::ListingWriteErrorText(where.errorNumber, programs::kErrorComponent, error),
                  Tr(programs::kListingErrorTitle));
    return false;
  }
  path_ = path;
  untitledName_.clear();
  editor_->document()->setModified(false);
  updateTitle();
  return true;
}

void FrmEditor::compileNow() {
  compileTimer_->stop();
  const QByteArray bytes = sourceBytes();
  check_ = language::CheckSource(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), config(),
                                 scratch_);
  editor_->setMarks(check_);
  // An unknown mnemonic ends the compile: nothing below its line was looked at, which its row must not hide.
  const bool stopped = check_.end == language::CompileEnd::Stopped && !check_.problems.empty();
  problems_->setRowCount(static_cast<int>(check_.problems.size()) + (stopped ? 1 : 0));
  int row = 0;
  auto addRow = [this, &row](int line, const QString& step, const QString& message) {
    const QString cells[] = {QString::number(line), step, message};
    for (int column = 0; column < 3; ++column) problems_->setItem(row, column, new QTableWidgetItem(cells[column]));
    ++row;
  };
  for (const language::SourceProblem& p : check_.problems) {
    addRow(p.line, p.step == language::kNoStep ? QString() : QString::number(p.step), Qs(p.message));
  }
  if (stopped) addRow(check_.problems.back().line, {}, tr("checking stopped here: the lines below were not checked"));
  updateStatus();
}

void FrmEditor::updateStatus() {
  const QString problems =
      check_.problems.empty() ? tr("no problems") : Problems(static_cast<qsizetype>(check_.problems.size()));
  status_->setText(tr("%1 · image %2 of %3 words · %4")
                       .arg(Steps(check_.steps))
                       .arg(check_.imageWords)
                       .arg(language::kImageWords)
                       .arg(problems));
}

void FrmEditor::findNext(bool backward) {
  const QString text = findText_->text();
  if (text.isEmpty()) return;
  const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  if (editor_->find(text, flags)) return;
  // From the other end once, as editors do.
  QTextCursor wrap = editor_->textCursor();
  wrap.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
  const QTextCursor before = editor_->textCursor();
  editor_->setTextCursor(wrap);
  if (!editor_->find(text, flags)) {
    editor_->setTextCursor(before);
    statusBar()->showMessage(tr("\"%1\" not found").arg(text), 3000);
  }
}

void FrmEditor::runTransfer(const QPushButton* pressed, const std::function<QString()>& transfer) {
  HandlerLock lock(session_, {send_, fetch_});
  (void)HoldLine(session_.link, [&] {
    const bool wasReadOnly = editor_->isReadOnly();
    editor_->setReadOnly(true);
    Operation operation(session_, pressed->text(), {cancel_});
    if (session_.axes > 0) session_.programTransfer.setConfig(session_.languageConfig());
    const QString result = transfer();
    operation.finish(result);
    if (!result.isEmpty()) statusBar()->showMessage(result, 5000);
    editor_->setReadOnly(wasReadOnly);
    return Outcome();
  });
}

void FrmEditor::sendPressed() {
  Ui& ui = session_.ui;
  compileNow();
  if (!check_.problems.empty()) {
    ui.messageBox(
        tr("Not sent: the source has %1.").arg(Problems(static_cast<qsizetype>(check_.problems.size()))).toStdString());
    return;
  }
  bool complete = true;
  const QByteArray bytes = sourceBytes(&complete);
  if (!complete) {
    ui.messageBox(
        tr("Not sent: the text holds characters that %1 cannot carry.").arg(EncodingName(encoding_)).toStdString());
    return;
  }
  if (!LineOpen(session_.link)) return;
  const int n = programNo_->value();
  runTransfer(send_, [&] {
    programs::ProgramTransfer& transfer = session_.programTransfer;
    transfer.TxProgramNo = n;
    const auto report =
        transfer.SendSource(session_.link, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return TransferResult(report, tr("Program %1 sent").arg(n));
  });
}

void FrmEditor::fetchPressed() {
  if (!LineOpen(session_.link)) return;
  if (!maySetAside()) return;  // the fetched program takes the text's place
  const int n = programNo_->value();
  runTransfer(fetch_, [&] {
    programs::ProgramTransfer& transfer = session_.programTransfer;
    transfer.RxProgramNo = n;
    std::string source;
    const auto report = transfer.ReceiveSource(session_.link, source);
    if (report.transferred != 1) return TransferResult(report, {});
    setText(DecodeSource(QByteArray::fromStdString(source)), QString());
    // Only in the editor so far: closing asks whether to save it, under the name the save dialog offers.
    untitledName_ = QString::fromStdString(language::ProgramFileName(n));
    editor_->document()->setModified(true);
    updateTitle();
    return tr("Program %1 fetched").arg(n);
  });
}

void FrmEditor::closeEvent(QCloseEvent* event) {
  if (PutOffCloseWhileBusy(this, session_, event)) return;
  if (!maySetAside()) {
    event->ignore();
    return;
  }
  // Answered once: the windows that close after this one do not ask again.
  editor_->document()->setModified(false);
  event->accept();
}

void FrmEditor::askBeforeClosing(QWidget* window) {
  if (window == nullptr) return;
  window->installEventFilter(this);
  waiting_.emplace_back(window);
}

bool FrmEditor::eventFilter(QObject* watched, QEvent* event) {
  const bool waits = std::find(waiting_.begin(), waiting_.end(), watched) != waiting_.end();
  if (waits && event->type() == QEvent::Close && isVisible() && !close()) {
    event->ignore();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void AddProgramEditorMenuItem(FrmMain& main, QMenu& menu) {
  QAction* editor = menu.addAction(FrmEditor::tr("Program &Editor…"));
  editor->setObjectName("mnuEditor");
  QObject::connect(editor, &QAction::triggered, &main, [&main] { main.openScreen("mnuEditor"); });
}

FrmEditor* OpenProgramEditor(Session& session, QWidget* owner, const QString& path, int program) {
  for (FrmEditor* open : owner->findChildren<FrmEditor*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (open->isVisible() && open->filePath() == path && !path.isEmpty()) {
      open->setProgramNumber(program);
      open->raise();
      open->activateWindow();
      return open;
    }
  }
  auto* editor = new FrmEditor(session, owner);
  editor->setAttribute(Qt::WA_DeleteOnClose);
  InstallShortcuts(editor);
  editor->askBeforeClosing(owner);
  for (QWidget* w : QApplication::topLevelWidgets()) editor->askBeforeClosing(qobject_cast<FrmMain*>(w));
  if (!path.isEmpty()) editor->openFile(path);
  editor->setProgramNumber(program);
  editor->show();
  return editor;
}

QWidget* MakeFrmEditor(Session& session, FrmMain& main) {
  auto* editor = new FrmEditor(session);
  editor->askBeforeClosing(&main);
  return editor;
}

}  // namespace zova::app
