// Qt message boxes and progress bars.
#include "app/qt/qt_ui.h"

#include <QApplication>
#include <QMessageBox>

namespace zova::app {

namespace {
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

MessageResult QtUi::messageBox(std::string_view text, std::string_view title, MessageButtons buttons,
                               MessageIcon icon) {
  if (onMessage) onMessage(text);
  if (interceptor) return interceptor(text, icon);
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(qs(title.empty() ? kAppTitle : title));
  box.setText(qs(text));
  box.setIcon(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
  box.setStandardButtons(buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
  return box.exec() == QMessageBox::Cancel ? MessageResult::Cancel : MessageResult::Ok;
}

QProgressBar* QtUi::find(Job job, int index) {
  auto it = bars_.find({job, index});
  return it == bars_.end() ? nullptr : it->second.data();
}

void QtUi::showProgressMaximum(Job job, int index, int maximum) {
  if (QProgressBar* b = find(job, index)) b->setMaximum(maximum);
}

void QtUi::showProgressValue(Job job, int index, int value) {
  if (QProgressBar* b = find(job, index)) b->setValue(value);
}

void QtUi::yield() { QCoreApplication::processEvents(); }

}  // namespace zova::app
