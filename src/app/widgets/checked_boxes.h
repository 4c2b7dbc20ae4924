// Value boxes whose every change, typed or written by code, runs a check. A check may answer with a
// text the box must show instead; that write is not taken as a new change (the check already ran
// its own chain), and writing the text a box already holds is no change at all.
#pragma once

#include <QLineEdit>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace zova::app {

class CheckedBoxes {
 public:
  // Runs the check of box `index` on `text`; returns the text the box must show when it differs.
  using Check = std::function<std::optional<QString>(int index, const QString& text)>;

  explicit CheckedBoxes(Check check) : check_(std::move(check)) {}

  // Adds the next box of the array; its index is the number of boxes added before it.
  void add(QLineEdit* box);
  // A write by the program: runs the check when the text differs from what the box holds.
  void write(int index, const QString& text);

  [[nodiscard]] QLineEdit* box(int index) const { return boxes_[static_cast<std::size_t>(index)]; }
  [[nodiscard]] int size() const { return static_cast<int>(boxes_.size()); }

 private:
  void changed(int index);
  std::vector<QLineEdit*> boxes_;
  Check check_;
  bool writing_ = false;  // set while a check's answer is put into a box
};

}  // namespace zova::app
