// Window services.
#include "app/widgets/window_util.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace zova::app {

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

void FitWidthTo(QLineEdit* box, const QString& widest) {
  // The frame and the text margins on both sides, as QLineEdit's own size hint counts them.
  constexpr int kMargins = 14;
  box->setFixedWidth(box->fontMetrics().horizontalAdvance(widest) + kMargins);
}

void ShowPathEnd(QLineEdit* box) {
  box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(48, 'x')));
  // A name the program writes leaves the cursor at its end, so the file's own name is what shows.
  QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString& text) { box->setToolTip(text); });
}

void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
}

void KeepAbove(QWidget* window, QWidget* owner) {
  // The desktop keeps a dialog above the window it belongs to; a plain window it stacks on its own. The
  // screens keep their minimise and maximise buttons.
  window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  window->winId();  // the native windows, so that the one can belong to the other before it is shown
  owner->winId();
  window->windowHandle()->setTransientParent(owner->windowHandle());
}

void PlaceBeside(QWidget* window, const QWidget* anchor) {
  if (anchor == nullptr || !anchor->isVisible()) {
    CentreOnScreen(window);
    return;
  }
  const QRect area = anchor->screen()->availableGeometry();
  const QRect at = anchor->frameGeometry();
  const QSize size = window->frameGeometry().size();
  // Right of the anchor where it fits, else over its right part: never far from where the operator looks.
  const int x = std::clamp(at.right() + 1, area.left(), std::max(area.left(), area.right() + 1 - size.width()));
  const int y = std::clamp(at.top(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
  window->move(x, y);
}

QPixmap DrawLinkPicture(bool on) {
  QPixmap pixmap(48, 24);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor colour = on ? QColor(0, 170, 0) : QColor(150, 150, 150);
  p.setPen(QPen(colour, 3));
  p.drawLine(2, 12, 16, 12);
  p.drawLine(32, 12, 46, 12);
  p.setBrush(colour);
  p.drawRect(14, 6, 8, 12);
  if (on) {
    p.drawRect(22, 6, 10, 12);
  } else {
    p.drawRect(28, 6, 8, 12);
  }
  return pixmap;
}

QPixmap DrawControllerPicture(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 60, 110), 2));
  p.setBrush(QColor(210, 220, 240));
  const int w = size.width();
  const int h = size.height();
  p.drawRoundedRect(QRect(w / 8, h / 6, w * 3 / 4, h * 2 / 3), 8, 8);
  p.setBrush(QColor(0, 170, 0));
  for (int i = 0; i < 6; ++i) p.drawEllipse(QPoint(w / 8 + 30 + i * 28, h / 2), 6, 6);
  p.setBrush(QColor(40, 60, 110));
  p.drawRect(w * 5 / 8, h / 3, w / 6, h / 3);
  return pixmap;
}

}  // namespace zova::app
