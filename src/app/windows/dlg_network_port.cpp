// The network port dialog.
#include "app/windows/dlg_network_port.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "net/network_address.h"

namespace zova::app {

DlgNetworkPort::DlgNetworkPort(const QString& address, QWidget* parent) : QDialog(parent) {
  setObjectName("dlgNetworkPort");
  setWindowTitle(tr("Network Port"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("A controller wired to a serial device server:"), this));
  // The forms in one column and what they mean in the next: spaces line up nothing in a proportional font.
  auto* forms = new QGridLayout;
  forms->setContentsMargins(12, 0, 0, 0);
  const std::pair<const char*, QString> rows[] = {
      {"tcp://HOST:PORT",
       tr("the bytes as they are (the server's \"TCP server\" or raw mode; its serial line is set on the server)")},
      {"rfc2217://HOST:PORT", tr("Telnet with COM Port Control: the line settings are sent to the server")}};
  int row = 0;
  for (const auto& [form, meaning] : rows) {
    auto* meaningLabel = new QLabel(meaning, this);
    meaningLabel->setWordWrap(true);
    forms->addWidget(new QLabel(QString::fromLatin1(form), this), row, 0, Qt::AlignTop);
    forms->addWidget(meaningLabel, row++, 1);
  }
  forms->setColumnStretch(1, 1);
  layout->addLayout(forms);
  auto* notes = new QLabel(tr("HOST is a name, an IPv4 address or an IPv6 address in brackets, as [fd00::5].\n"
                              "Neither form is encrypted: use them on a closed network or through an SSH tunnel."),
                           this);
  notes->setObjectName("lblNetworkForms");
  layout->addWidget(notes);
  auto* addressLabel = new QLabel(tr("&Address:"), this);
  layout->addWidget(addressLabel);
  txtAddress_ = new QLineEdit(address, this);
  txtAddress_->setObjectName("txtAddress");
  txtAddress_->setPlaceholderText("rfc2217://server:4001");
  addressLabel->setBuddy(txtAddress_);
  layout->addWidget(txtAddress_);
  lblFault_ = new QLabel(this);
  lblFault_->setObjectName("lblAddressFault");
  lblFault_->setStyleSheet("color: #b00000");
  layout->addWidget(lblFault_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOk");
  buttons->button(QDialogButtonBox::Ok)->setText(tr("&Open"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdCancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &DlgNetworkPort::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

QString DlgNetworkPort::address() const { return txtAddress_->text().trimmed(); }

// A malformed address keeps the dialog open with the reason, so nothing tries to open it.
void DlgNetworkPort::accept() {
  net::NetworkAddress parsed;
  std::string error;
  const std::string text = address().toStdString();
  if (!net::IsNetworkPortName(text) || !net::ParseNetworkAddress(text, parsed, error)) {
    lblFault_->setText(
        error.empty()
            ? tr("%1: write %2").arg(QString::fromStdString(text), QString::fromStdString(Tr(net::kNetworkPortForms)))
            : QString::fromStdString(error));
    return;
  }
  QDialog::accept();
}

}  // namespace zova::app
