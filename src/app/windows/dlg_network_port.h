// "Network Port…": the address of a serial device server, in either of its two forms.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace zova::app {

class DlgNetworkPort final : public QDialog {
  Q_OBJECT

 public:
  // `address`: the one shown first (the network port last opened, or empty).
  DlgNetworkPort(const QString& address, QWidget* parent);
  [[nodiscard]] QString address() const;

 private:
  void accept() override;

  QLineEdit* txtAddress_;
  QLabel* lblFault_;
};

}  // namespace zova::app
