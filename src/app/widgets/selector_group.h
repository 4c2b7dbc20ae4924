// A row of choice buttons, each with a small indicator box beside it; the stored choice's
// indicator is yellow, the others take the window background. Shared by both parameter screens.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>
#include <functional>
#include <vector>

#include "parameters/choice_group.h"

namespace zova::app {

// Yellow (FFFFh as the colour value) marks the stored choice.
inline const QColor kIndicatorOn{255, 255, 0};

// A read-only indicator box named `name`.
QLineEdit* MakeIndicator(QWidget* parent, const QString& name);
// Paints the indicator yellow or in the window background colour.
void SetIndicator(QLineEdit* indicator, bool on);
[[nodiscard]] bool IsIndicatorOn(const QLineEdit* indicator);

class SelectorGroup : public QGroupBox {
 public:
  // Buttons `group.buttons_i` with indicators `group.indicators_i`, in a frame captioned `caption`.
  SelectorGroup(const parameters::ChoiceGroup& group, const QString& caption, QWidget* parent);

  // Every indicator back to the window background.
  void clearIndicators();
  // Exactly the indicator of the stored value highlighted; none when no button has that value, so a
  // stale highlight can never survive a change made while the screen was busy.
  void showValue(std::int32_t value);

  const parameters::ChoiceGroup& group() const { return group_; }
  QPushButton* button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
  QLineEdit* indicator(int index) const { return indicators_[static_cast<std::size_t>(index)]; }

  // Called with the button index on a click.
  std::function<void(int)> onClick;

 private:
  const parameters::ChoiceGroup& group_;
  std::vector<QPushButton*> buttons_;
  std::vector<QLineEdit*> indicators_;
};

}  // namespace zova::app
