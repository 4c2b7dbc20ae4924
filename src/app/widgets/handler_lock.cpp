// Keeping windows and the program alive under a running exchange.
#include "app/widgets/handler_lock.h"

#include <QTimer>

namespace zova::app {

namespace {
// The link cannot say when it is free again; a pending close looks this often.
constexpr int kCloseRetryMs = 50;
constexpr const char* kCloseRetryName = "closeWhenIdle";
}  // namespace

HandlerLock::HandlerLock(Session& session, const std::vector<QPushButton*>& buttons) : session_(session) {
  ++session_.runningHandlers;
  for (QPushButton* b : buttons) {
    held_.emplace_back(b, b->isEnabled());
    b->setEnabled(false);
  }
}

HandlerLock::~HandlerLock() {
  for (auto& [button, wasEnabled] : held_) {
    if (button) button->setEnabled(wasEnabled);
  }
  --session_.runningHandlers;
}

bool PutOffCloseWhileBusy(QWidget* window, Session& session, QCloseEvent* event) {
  if (!session.busy()) return false;
  event->ignore();
  // A close that waits half a minute for a comment block must not wait without a word.
  RequestStop(session);
  // One timer per window however often the close is asked.
  auto* retry = window->findChild<QTimer*>(kCloseRetryName, Qt::FindDirectChildrenOnly);
  if (retry == nullptr) {
    retry = new QTimer(window);
    retry->setObjectName(kCloseRetryName);
    retry->setSingleShot(true);
    retry->setInterval(kCloseRetryMs);
    QObject::connect(retry, &QTimer::timeout, window, &QWidget::close);
  }
  retry->start();
  return true;
}

}  // namespace zova::app
