// The selection window: axis count and PLC family, chosen at every start.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <array>

namespace zova::app {

class FrmSplash : public QDialog {
  Q_OBJECT
 public:
  explicit FrmSplash(QWidget* parent = nullptr);

  [[nodiscard]] int axes() const { return axes_; }
  [[nodiscard]] int machineType() const { return machineType_; }
  // "Ver " + major + "." + minor and revision written next to each other: 1.0 rev 3 -> "Ver 1.03".
  static QString versionText(int major, int minor, int revision);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void selTevClicked(int index);
  void selPlcClicked(int index);

  std::array<QPushButton*, 7> cmdSelTev_{};
  std::array<QPushButton*, 3> cmdSelTevPlc_{};
  QLabel* notice_ = nullptr;
  int axes_ = 0;
  int machineType_ = 0;
};

// Colours of the selection buttons.
inline constexpr QRgb kSelectedColour = qRgb(255, 255, 128);
inline constexpr QRgb kPlcUnselectedColour = qRgb(255, 128, 0);

void SetButtonColour(QWidget* button, const QColor& colour);

}  // namespace zova::app
