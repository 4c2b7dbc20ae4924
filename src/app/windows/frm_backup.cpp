// The backup, restore and compare windows.
#include "app/windows/frm_backup.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/qt/file_dialog.h"
#include "zova/version.h"
#include "app/widgets/handler_lock.h"
#include "app/widgets/window_util.h"
#include "app/windows/frm_main.h"
#include "backup/progress.h"
#include "base/atomic_file.h"
#include "base/text_lines.h"
#include "link/line_owner.h"
#include "link/line_settings.h"

namespace zova::app {

namespace {

struct ActionText {
  const char* name;    // window and menu item names
  const char* title;   // window title
  const char* folder;  // folder dialog title
  const char* menu;    // menu item caption
  Job job;             // the operation whose progress the window's bar shows
};

ActionText TextOf(WholeControllerAction action) {
  switch (action) {
    case WholeControllerAction::Backup:
      return {"Backup", QT_TRANSLATE_NOOP("zova::app::FrmBackup", "Backup"),
              QT_TRANSLATE_NOOP("zova::app::FrmBackup", "Backup folder"),
              QT_TRANSLATE_NOOP("zova::app::FrmBackup", "&Backup…"), Job::Backup};
    case WholeControllerAction::Restore:
      return {"Restore", QT_TRANSLATE_NOOP("zova::app::FrmBackup", "Restore"),
              QT_TRANSLATE_NOOP("zova::app::FrmBackup", "Restore folder"),
              QT_TRANSLATE_NOOP("zova::app::FrmBackup", "&Restore…"), Job::Restore};
    case WholeControllerAction::Compare:
      break;
    case WholeControllerAction::CompareBackups:
      return {"CompareBackups", QT_TRANSLATE_NOOP("zova::app::FrmBackup", "Compare Backups"),
              QT_TRANSLATE_NOOP("zova::app::FrmBackup", "Old backup folder"),
              QT_TRANSLATE_NOOP("zova::app::FrmBackup", "Compare Back&ups…"), Job::Compare};
  }
  return {"Compare", QT_TRANSLATE_NOOP("zova::app::FrmBackup", "Compare"),
          QT_TRANSLATE_NOOP("zova::app::FrmBackup", "Compare folder"),
          QT_TRANSLATE_NOOP("zova::app::FrmBackup", "&Compare…"), Job::Compare};
}

bool Between(WholeControllerAction action) { return action == WholeControllerAction::CompareBackups; }

QWidget* MakeWindow(Session& session, FrmMain& main, WholeControllerAction action) {
  const ActionText text = TextOf(action);
  // A backup makes its folder; restore and compare read one that exists.
  const FileDialogForm form =
      action == WholeControllerAction::Backup ? FileDialogForm::NewFolder : FileDialogForm::Folder;
  FileDialogRequest request{FrmBackup::tr(text.folder), {}, {}, form};
  const std::optional<QString> folder = FileDialog()(&main, request);
  if (!folder) return nullptr;
  if (Between(action)) {
    // Two backups on the disk: no controller is needed.
    request.title = FrmBackup::tr("New backup folder");
    request.selected = *folder;
    const std::optional<QString> newer = FileDialog()(&main, request);
    if (!newer) return nullptr;
    auto* window = new FrmBackup(session, action, *folder, *newer);
    QTimer::singleShot(0, window, &FrmBackup::run);
    return window;
  }
  if (!LineOpen(session.link)) return nullptr;
  auto* window = new FrmBackup(session, action, *folder);
  QTimer::singleShot(0, window, &FrmBackup::run);
  return window;
}

}  // namespace

FrmBackup::FrmBackup(Session& session, WholeControllerAction action, QString folder, QString newFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      action_(action),
      folder_(std::move(folder)),
      newFolder_(std::move(newFolder)),
      saveFolder_(folder_) {
  const ActionText text = TextOf(action);
  setObjectName(QString("frm%1").arg(text.name));
  setWindowTitle(tr(text.title));
  auto* layout = new QVBoxLayout(this);
  lblFolder_ = new QLabel(Between(action) ? folder_ + "\n" + newFolder_ : folder_, this);
  lblFolder_->setObjectName("lblFolder");
  layout->addWidget(lblFolder_);
  prgWhole_ = new QProgressBar(this);
  prgWhole_->setObjectName("prgWhole");
  prgWhole_->setMaximum(backup::OverallProgress::kMaximum);
  prgWhole_->setValue(0);
  prgWhole_->setVisible(!Between(action));
  layout->addWidget(prgWhole_);
  txtSummary_ = new QPlainTextEdit(this);
  txtSummary_->setObjectName("txtSummary");
  txtSummary_->setAccessibleName(tr("Log"));
  txtSummary_->setReadOnly(true);
  txtSummary_->setMaximumBlockCount(100);
  txtSummary_->setMaximumHeight(fontMetrics().lineSpacing() * 8);
  layout->addWidget(txtSummary_);
  grdDifferences_ = new QTableWidget(0, 3, this);
  grdDifferences_->setObjectName("grdDifferences");
  grdDifferences_->setAccessibleName(tr("Differences"));
  grdDifferences_->setHorizontalHeaderLabels(Between(action) ? QStringList{tr("Item"), tr("Old"), tr("New")}
                                                             : QStringList{tr("Item"), tr("Controller"), tr("Backup")});
  grdDifferences_->horizontalHeader()->setStretchLastSection(true);
  // An item such as "program 01 line 0 …" reads whole; the values share what is left.
  grdDifferences_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  grdDifferences_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdDifferences_->setVisible(action != WholeControllerAction::Backup);
  layout->addWidget(grdDifferences_);
  auto* buttons = new QHBoxLayout;
  cmdSave_ = MakeButton(this, "cmdSaveDifferences", tr("Save…"));
  cmdSave_->setEnabled(false);
  cmdSave_->setVisible(action != WholeControllerAction::Backup);
  cmdCancel_ = MakeCancelButton(session_, this, "cmdCancel");
  buttons->addWidget(cmdSave_);
  buttons->addStretch();
  buttons->addWidget(cmdCancel_);
  layout->addLayout(buttons);
  session_.ui.showProgressOn(text.job, 0, prgWhole_);
  connect(cmdSave_, &QPushButton::clicked, this, &FrmBackup::saveDifferences);
  resize(560, action == WholeControllerAction::Backup ? 220 : 420);
  CentreOnScreen(this);
}

void FrmBackup::setCaption(const QString& caption, const QString& saveFolder) {
  lblFolder_->setText(caption);
  saveFolder_ = saveFolder;
}

backup::Setup FrmBackup::setup() const {
  return {session_.axes, session_.machineType, session_.port.name(), FormatLineSettings(session_.lineSettings),
          VersionNumber()};
}

bool FrmBackup::confirmRestore(const backup::RestorePlan& plan) {
  static constexpr struct {
    backup::Part part;
    const char* what;
  } kWhat[] = {{backup::Part::Sys, QT_TR_NOOP("system parameters")},
               {backup::Part::Axis, QT_TR_NOOP("axis parameters")},
               {backup::Part::Loc, QT_TR_NOOP("locations 0 to 2499")},
               {backup::Part::Sft, QT_TR_NOOP("shifts 0 to 999")},
               {backup::Part::Programs, QT_TR_NOOP("programs 0 to 31")}};
  QStringList overwritten;
  for (const auto& w : kWhat) {
    if (plan.parts.has(w.part)) overwritten << tr(w.what);
  }
  const QString last = overwritten.takeLast();
  const QString what = overwritten.isEmpty() ? last : tr("%1 and %2").arg(overwritten.join(", "), last);
  QString text = tr("This overwrites the controller's %1 with the backup in %2.").arg(what, folder_);
  if (const std::string change = backup::AxesChangeLine(plan); !change.empty()) text += "\n" + Qs(change);
  return session_.ui.messageBox(text.toStdString(), tr("Restore").toStdString(), MessageButtons::OkCancel,
                                MessageIcon::Exclamation) == MessageResult::Ok;
}

void FrmBackup::run() {
  if (Between(action_)) {
    // Nothing goes over the line: the table and the summary come at once.
    report_ = backup::DiffBackups(session_.ui, folder_.toStdString(), newFolder_.toStdString());
    showReport();
    return;
  }
  HandlerLock running(session_, {});
  // A poll exchange the menu interrupted ends first.
  session_.waitForIdleLine();
  const std::string folder = folder_.toStdString();
  // Said where the operator looks, also when closing the window asked for the stop.
  const QMetaObject::Connection stopShown = connect(&session_.activity, &Activity::stopRequested, this, [this] {
    txtSummary_->appendPlainText(StoppingText());  // the status bar's words, so the two places say the same
  });
  // A message box says why the operation failed; the log keeps its words once the box is closed.
  const QMetaObject::Connection messagesKept =
      connect(&session_.activity, &Activity::resultSet, this,
              [this](const QString& text) { txtSummary_->appendPlainText(text); });
  {
    Operation operation(session_, windowTitle(), {cmdCancel_});
    // One operation holds the line from the first part to the last.
    report_.result = HoldLine(session_.link, [&] {
      switch (action_) {
        case WholeControllerAction::Backup:
          report_ = backup::Backup(session_.link, setup(), backup::Parts::All(), folder);
          break;
        case WholeControllerAction::Restore:
          report_ = backup::Restore(session_.link, setup(), nullptr, folder,
                                    [this](const backup::RestorePlan& plan) { return confirmRestore(plan); });
          break;
        case WholeControllerAction::Compare:
        case WholeControllerAction::CompareBackups:  // run() took it before the line was held
          report_ = backup::Compare(session_.link, setup(), nullptr, folder);
          break;
      }
      return report_.result;
    });
    if (report_.summary.empty() && report_.result == Outcome::Cancelled) {
      report_.summary.push_back(tr("stopped at the operator's request").toStdString());
    }
    disconnect(messagesKept);
    // The last line is the outcome; without one, the message box of the failure is the result.
    operation.finish(report_.summary.empty() ? QString()
                                             : windowTitle() + ": " + SentenceCase(Qs(report_.summary.back())));
  }
  disconnect(stopShown);
  showReport();
}

void FrmBackup::showReport() {
  for (const std::string& line : report_.summary) txtSummary_->appendPlainText(Qs(line));
  grdDifferences_->setRowCount(static_cast<int>(report_.differences.size()));
  for (int row = 0; row < grdDifferences_->rowCount(); ++row) {
    const backup::Difference& d = report_.differences[static_cast<std::size_t>(row)];
    grdDifferences_->setItem(row, 0, new QTableWidgetItem(Qs(d.item)));
    grdDifferences_->setItem(row, 1, new QTableWidgetItem(Qs(d.controller)));
    grdDifferences_->setItem(row, 2, new QTableWidgetItem(Qs(d.backup)));
  }
  cmdSave_->setEnabled(!report_.differences.empty());
  // The same button, and Esc, now close the window.
  cmdCancel_->setText(tr("Close"));
  cmdCancel_->setShortcut(Qt::Key_Escape);
  cmdCancel_->setEnabled(true);
  disconnect(cmdCancel_, &QPushButton::clicked, nullptr, nullptr);
  connect(cmdCancel_, &QPushButton::clicked, this, &QWidget::close);
}

void FrmBackup::saveDifferences() {
  FileDialogRequest request{tr("Save differences"), tr("Text") + " (*.txt);;*.* (*)", saveFolder_ + "/differences.txt",
                            FileDialogForm::Save, true};
  const std::optional<QString> chosen = FileDialog()(this, request);
  if (!chosen) return;
  std::string text;
  for (const backup::Difference& d : report_.differences) {
    text += (Between(action_) ? backup::DifferenceLine(d, "old", "new") : backup::DifferenceLine(d)) + "\r\n";
  }
  std::string error;
  Ui& ui = session_.ui;
  if (!SaveFileAtomically(chosen->toStdString(), text, error))
    ui.messageBox(FormatFileFault(chosen->toStdString(), error));
}

void FrmBackup::closeEvent(QCloseEvent* event) {
  // Closing mid-way is a Cancel: the operation ends at its next safe point, then the window goes.
  if (PutOffCloseWhileBusy(this, session_, event)) return;
  event->accept();
}

void AddWholeControllerMenu(FrmMain& main, QMenu& menu) {
  for (auto action : {WholeControllerAction::Backup, WholeControllerAction::Restore, WholeControllerAction::Compare,
                      WholeControllerAction::CompareBackups}) {
    const QString name = QString("mnu%1").arg(TextOf(action).name);
    auto* item = menu.addAction(FrmBackup::tr(TextOf(action).menu));
    item->setObjectName(name);
    QObject::connect(item, &QAction::triggered, &main, [&main, name] { main.openScreen(name); });
  }
}

QWidget* MakeFrmBackup(Session& session, FrmMain& main) {
  return MakeWindow(session, main, WholeControllerAction::Backup);
}
QWidget* MakeFrmRestore(Session& session, FrmMain& main) {
  return MakeWindow(session, main, WholeControllerAction::Restore);
}
QWidget* MakeFrmCompare(Session& session, FrmMain& main) {
  return MakeWindow(session, main, WholeControllerAction::Compare);
}

QWidget* MakeFrmCompareBackups(Session& session, FrmMain& main) {
  return MakeWindow(session, main, WholeControllerAction::CompareBackups);
}

}  // namespace zova::app
