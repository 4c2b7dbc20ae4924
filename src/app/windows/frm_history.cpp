// The backup history window.
#include "app/windows/frm_history.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QAbstractItemView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QTimeZone>
#include <QVBoxLayout>
#include <map>

#include "app/qt/file_dialog.h"
#include "app/qt/stored_settings.h"
#include "app/widgets/window_util.h"
#include "app/windows/frm_backup.h"
#include "app/windows/frm_main.h"
#include "history/scratch.h"

namespace zova::app {

namespace {

// A fleet stamp (UTC) as the operator's clock reads it.
QString LocalTime(const std::string& stamp) {
  QDateTime at = QDateTime::fromString(Qs(stamp), "yyyy-MM-dd'T'HHmmss'Z'");
  at.setTimeZone(QTimeZone::utc());
  return at.toLocalTime().toString("yyyy-MM-dd HH:mm:ss");
}

QTableWidget* MakeTable(QWidget* parent, const char* name, const QString& accessible, const QStringList& headers) {
  auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
  table->setObjectName(name);
  table->setAccessibleName(accessible);
  table->setHorizontalHeaderLabels(headers);
  table->horizontalHeader()->setStretchLastSection(true);
  table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  return table;
}

// Asks for a history repository or a fleet folder, starting at the last one chosen, and keeps the choice.
std::optional<QString> AskPlace(QWidget* parent) {
  const std::optional<QString> place = FileDialog()(
      parent, {FrmHistory::tr("History repository or fleet folder"), {}, ReadLastHistory(), FileDialogForm::Folder});
  if (place) WriteLastHistory(*place);
  return place;
}

}  // namespace

struct FrmHistory::Read {
  int generation = 0;
  std::string place;
  std::string name;
  bool names = false;  // the controllers were read first
  std::vector<std::string> controllers;
  Outcome result;
  std::vector<history::Change> changes;
  std::vector<std::string> stamps;
};

FrmHistory::FrmHistory(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
  setObjectName("frmHistory");
  setWindowTitle(tr("Backup History"));
  auto* layout = new QVBoxLayout(this);
  auto* chosen = new QGridLayout;
  auto* lblPlace = new QLabel(tr("&History:"), this);
  txtPlace_ = new QLineEdit(this);
  txtPlace_->setObjectName("txtPlace");
  txtPlace_->setReadOnly(true);
  lblPlace->setBuddy(txtPlace_);
  auto* cmdBrowse = MakeButton(this, "cmdBrowse", tr("&Browse…"));
  auto* lblController = new QLabel(tr("C&ontroller:"), this);
  cboController_ = new QComboBox(this);
  cboController_->setObjectName("cboController");
  lblController->setBuddy(cboController_);
  cboController_->view()->setAccessibleName(tr("Controllers"));  // its list, read apart from the box
  chosen->addWidget(lblPlace, 0, 0);
  chosen->addWidget(txtPlace_, 0, 1);
  chosen->addWidget(cmdBrowse, 0, 2);
  chosen->addWidget(lblController, 1, 0);
  chosen->addWidget(cboController_, 1, 1);
  chosen->setColumnStretch(1, 1);
  layout->addLayout(chosen);
  prgRead_ = new QProgressBar(this);
  prgRead_->setObjectName("prgRead");
  prgRead_->setRange(0, 0);  // a read says nothing of how far it is: busy while it lasts
  prgRead_->hide();
  layout->addWidget(prgRead_);
  lblReason_ = new QLabel(this);
  lblReason_->setObjectName("lblReason");
  lblReason_->setWordWrap(true);
  lblReason_->setStyleSheet("color: #b00000");
  lblReason_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lblReason_->hide();
  layout->addWidget(lblReason_);
  auto* split = new QSplitter(this);
  grdDates_ = MakeTable(split, "grdDates", tr("Dates"), {tr("Date"), tr("Changes")});
  // Two dates, chosen with Ctrl or Shift, are what Compare compares.
  grdDates_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  grdChanges_ = MakeTable(split, "grdChanges", tr("Changes of the date"), {tr("Item"), tr("Old"), tr("New")});
  split->addWidget(grdDates_);
  split->addWidget(grdChanges_);
  split->setStretchFactor(1, 2);
  layout->addWidget(split, 1);
  auto* buttons = new QHBoxLayout;
  cmdCompare_ = MakeButton(this, "cmdCompare", tr("&Compare"));
  cmdCompare_->setEnabled(false);
  cmdCompare_->setToolTip(tr("Select two dates to compare their backups"));
  auto* cmdClose = MakeButton(this, "cmdClose", tr("Close"));
  buttons->addWidget(cmdCompare_);
  buttons->addStretch();
  buttons->addWidget(cmdClose);
  layout->addLayout(buttons);
  connect(cmdBrowse, &QPushButton::clicked, this, &FrmHistory::choosePlace);
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
  connect(cmdCompare_, &QPushButton::clicked, this, &FrmHistory::compare);
  connect(cboController_, &QComboBox::activated, this, [this] { start(cboController_->currentText()); });
  connect(grdDates_, &QTableWidget::currentCellChanged, this, &FrmHistory::showChanges);
  connect(grdDates_, &QTableWidget::itemSelectionChanged, this,
          [this] { cmdCompare_->setEnabled(grdDates_->selectionModel()->selectedRows().size() == 2); });
  resize(760, 480);
  CentreOnScreen(this);
}

FrmHistory::~FrmHistory() {
  // A read holds nothing of the window, but its thread must end before the program does.
  for (const QPointer<QThread>& reader : readers_) {
    if (reader) reader->wait();
  }
}

void FrmHistory::open(const QString& place) {
  place_ = place;
  txtPlace_->setText(place);
  txtPlace_->setToolTip(place);
  cboController_->clear();
  start({});
}

void FrmHistory::choosePlace() {
  if (const std::optional<QString> place = AskPlace(this)) open(*place);
}

void FrmHistory::start(const QString& name) {
  auto read = std::make_shared<Read>();
  read->generation = ++generation_;
  read->place = place_.toStdString();
  read->name = name.toStdString();
  read->names = name.isEmpty();
  changes_.clear();
  grdDates_->setRowCount(0);
  grdChanges_->setRowCount(0);
  lblReason_->hide();
  prgRead_->show();
  QThread* thread = QThread::create([read] {
    if (read->names) {
      read->result = history::ReadNames(read->place, read->controllers);
      if (!read->result) return;
      read->name = read->controllers.front();
    }
    read->result = history::ReadChanges(read->place, read->name, {}, read->changes, &read->stamps);
  });
  std::erase_if(readers_, [](const QPointer<QThread>& reader) { return reader.isNull(); });
  readers_.emplace_back(thread);
  reading_ = true;
  connect(thread, &QThread::finished, thread, &QObject::deleteLater);
  connect(thread, &QThread::finished, this, [this, read] {
    if (read->generation != generation_) return;
    reading_ = false;
    showRead(*read);
  });
  thread->start();
}

void FrmHistory::showRead(const Read& read) {
  prgRead_->hide();
  if (read.names) {
    for (const std::string& name : read.controllers) cboController_->addItem(Qs(name));
    cboController_->setCurrentText(Qs(read.name));
  }
  if (!read.result) {
    showReason(Qs(read.result.detail));
  } else {
    changes_ = read.changes;
    std::map<std::string, int> counts;
    for (const history::Change& c : changes_) ++counts[c.stamp];
    grdDates_->setRowCount(static_cast<int>(read.stamps.size()));
    for (int row = 0; row < grdDates_->rowCount(); ++row) {
      const std::string& stamp = read.stamps[static_cast<std::size_t>(row)];
      auto* date = new QTableWidgetItem(LocalTime(stamp));
      date->setData(Qt::UserRole, Qs(stamp));
      date->setToolTip(Qs(stamp));
      grdDates_->setItem(row, 0, date);
      // The first backup has nothing before it to differ from.
      grdDates_->setItem(row, 1, new QTableWidgetItem(row == 0 ? tr("first backup") : QString::number(counts[stamp])));
    }
    // The newest is what the operator looks for first.
    grdDates_->setCurrentCell(grdDates_->rowCount() - 1, 0);
    grdDates_->scrollToBottom();
  }
  emit readDone();
}

void FrmHistory::showChanges() {
  grdChanges_->setRowCount(0);
  const QTableWidgetItem* date = grdDates_->item(grdDates_->currentRow(), 0);
  if (date == nullptr) return;
  const std::string stamp = date->data(Qt::UserRole).toString().toStdString();
  for (const history::Change& c : changes_) {
    if (c.stamp != stamp) continue;
    const int row = grdChanges_->rowCount();
    grdChanges_->insertRow(row);
    const backup::Difference& d = c.difference;
    grdChanges_->setItem(row, 0, new QTableWidgetItem(Qs(d.item)));
    grdChanges_->setItem(row, 1, new QTableWidgetItem(Qs(d.controller)));
    grdChanges_->setItem(row, 2, new QTableWidgetItem(Qs(d.backup)));
  }
}

void FrmHistory::compare() {
  const QModelIndexList rows = grdDates_->selectionModel()->selectedRows();
  if (rows.size() != 2) return;
  const int first = std::min(rows[0].row(), rows[1].row());
  const int second = std::max(rows[0].row(), rows[1].row());
  const std::string name = cboController_->currentText().toStdString();
  if (!scratch_) scratch_ = std::make_unique<history::Scratch>();
  if (!scratch_->made) {
    showReason(Qs(scratch_->path));
    return;
  }
  QString folders[2];
  QString dates[2];
  for (int i = 0; i < 2; ++i) {
    const QTableWidgetItem* date = grdDates_->item(i == 0 ? first : second, 0);
    const std::string dir = scratch_->path + "/" + std::to_string(written_++);
    std::string folder;
    const Outcome found = history::BackupFolder(place_.toStdString(), name,
                                                date->data(Qt::UserRole).toString().toStdString(), dir, folder);
    if (!found) {
      showReason(Qs(found.detail));
      return;
    }
    folders[i] = Qs(folder);
    dates[i] = date->text();
  }
  // Its own window, which goes with this one: a repository's backups are written out for as long as it lasts.
  auto* window = new FrmBackup(session_, WholeControllerAction::CompareBackups, folders[0], folders[1], this);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setCaption(tr("%1, %2: %3 and %4").arg(place_, Qs(name), dates[0], dates[1]),
                     QFileInfo(QDir::cleanPath(place_)).absolutePath());
  window->show();
  window->run();
}

void FrmHistory::showReason(const QString& reason) {
  lblReason_->setText(reason);
  lblReason_->show();
}

void AddBackupHistoryMenuItem(FrmMain& main, QMenu& menu) {
  QAction* item = menu.addAction(FrmHistory::tr("Backup &History…"));
  item->setObjectName("mnuHistory");
  QObject::connect(item, &QAction::triggered, &main, [&main] { main.openScreen("mnuHistory"); });
}

QWidget* MakeFrmHistory(Session& session, FrmMain& main) {
  const std::optional<QString> place = AskPlace(&main);
  if (!place) return nullptr;
  auto* window = new FrmHistory(session);
  window->open(*place);
  return window;
}

}  // namespace zova::app
