// Value boxes with change checks.
#include "app/widgets/checked_boxes.h"

namespace zova::app {

void CheckedBoxes::add(QLineEdit* box) {
  const int index = size();
  boxes_.push_back(box);
  QObject::connect(box, &QLineEdit::textChanged, box, [this, index] {
    if (!writing_) changed(index);
  });
}

void CheckedBoxes::write(int index, const QString& text) {
  QLineEdit* b = box(index);
  if (b->text() == text) return;
  b->setText(text);  // textChanged runs the check
}

void CheckedBoxes::changed(int index) {
  QLineEdit* b = box(index);
  std::optional<QString> shown = check_(index, b->text());
  if (!shown || *shown == b->text()) return;
  writing_ = true;
  b->setText(*shown);
  writing_ = false;
}

}  // namespace zova::app
