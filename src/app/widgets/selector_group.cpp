// Selector groups of the parameter screens.
#include "app/widgets/selector_group.h"

#include <QApplication>
#include <QHBoxLayout>

#include "app/widgets/window_util.h"

namespace zova::app {

QLineEdit* MakeIndicator(QWidget* parent, const QString& name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  box->setFixedWidth(14);
  SetIndicator(box, false);
  return box;
}

void SetIndicator(QLineEdit* indicator, bool on) {
  QPalette p = indicator->palette();
  p.setColor(QPalette::Base, on ? kIndicatorOn : QApplication::palette().color(QPalette::Window));
  indicator->setPalette(p);
}

bool IsIndicatorOn(const QLineEdit* indicator) { return indicator->palette().color(QPalette::Base) == kIndicatorOn; }

SelectorGroup::SelectorGroup(const parameters::ChoiceGroup& group, const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), group_(group) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(2);
  const QString buttonArray = Qs(group.buttons);
  const QString indicatorArray = Qs(group.indicators);
  for (int i = 0; i < group.count; ++i) {
    auto* b = new QPushButton(Qs(group.captions[static_cast<std::size_t>(i)]), this);
    b->setObjectName(ArrayName(buttonArray.toUtf8().constData(), i));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, i] {
      if (onClick) onClick(i);
    });
    QLineEdit* indicator = MakeIndicator(this, ArrayName(indicatorArray.toUtf8().constData(), i));
    row->addWidget(b);
    row->addWidget(indicator);
    buttons_.push_back(b);
    indicators_.push_back(indicator);
  }
}

void SelectorGroup::clearIndicators() {
  for (QLineEdit* indicator : indicators_) SetIndicator(indicator, false);
}

void SelectorGroup::showValue(std::int32_t value) {
  const std::optional<int> lit = parameters::HighlightedButton(group_, value);
  for (int i = 0; i < group_.count; ++i) SetIndicator(indicators_[static_cast<std::size_t>(i)], lit == i);
}

}  // namespace zova::app
