// The selection window.
#include "app/windows/frm_splash.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "zova/version.h"
#include "app/widgets/window_util.h"

namespace zova::app {

void SetButtonColour(QWidget* button, const QColor& colour) {
  button->setStyleSheet(QString("background-color: %1;").arg(colour.name()));
}

QString FrmSplash::versionText(int major, int minor, int revision) {
  return tr("Ver %1.%2%3").arg(major).arg(minor).arg(revision);
}

FrmSplash::FrmSplash(QWidget* parent) : QDialog(parent) {
  setObjectName("frmSplash");
  setWindowTitle(tr("Zova"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(tr("Multi Axis Controller"), this);
  title->setObjectName("Label1");
  QFont big = title->font();
  big.setPointSize(big.pointSize() + 8);
  big.setBold(true);
  title->setFont(big);
  title->setAlignment(Qt::AlignCenter);
  layout->addWidget(title);

  auto* picture = new QLabel(this);
  picture->setObjectName("imgSplash");
  picture->setPixmap(DrawControllerPicture(QSize(360, 90)));
  picture->setAlignment(Qt::AlignCenter);
  layout->addWidget(picture);

  auto* grid = new QGridLayout;
  const QString axisCaptions[] = {tr("2 Axes Controller"),
                                  tr("3 Axes Controller"),
                                  tr("4 Axes Controller"),
                                  tr("5 Axes Controller"),
                                  tr("6 Axes Controller"),
                                  tr("OK"),
                                  tr("Cancel")};
  for (int i = 0; i < 7; ++i) {
    auto* b = new QPushButton(axisCaptions[i], this);
    b->setObjectName(QString("cmdSelTev_%1").arg(i));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, i] { selTevClicked(i); });
    cmdSelTev_[i] = b;
    if (i < 5) {
      grid->addWidget(b, i, 0);
      SetButtonColour(b, palette().color(QPalette::ToolTipBase));
    }
  }
  const QString plcCaptions[] = {tr("MITSUBISHI_PLC"), tr("Pellar PLC"), tr("OMRON PLC")};
  for (int i = 0; i < 3; ++i) {
    auto* b = new QPushButton(plcCaptions[i], this);
    b->setObjectName(QString("cmdSelTevPlc_%1").arg(i));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, i] { selPlcClicked(i); });
    cmdSelTevPlc_[i] = b;
    grid->addWidget(b, i, 1);
    SetButtonColour(b, i == 0 ? QColor(kSelectedColour) : QColor(kPlcUnselectedColour));
  }
  grid->addWidget(cmdSelTev_[5], 4, 1);
  grid->addWidget(cmdSelTev_[6], 5, 1);
  layout->addLayout(grid);

  notice_ = new QLabel(tr("제어기의 축 수와 PLC 종류를 고른 뒤 OK를 누르십시오."), this);
  notice_->setObjectName("lblNotice");
  layout->addWidget(notice_);
  auto* version = new QLabel(versionText(kVersionMajor, kVersionMinor, kVersionRevision), this);
  version->setObjectName("lblVersion");
  version->setAlignment(Qt::AlignRight);
  layout->addWidget(version);
  adjustSize();
  CentreOnScreen(this);
}

void FrmSplash::selTevClicked(int index) {
  for (int i = 0; i < 5; ++i) SetButtonColour(cmdSelTev_[i], palette().color(QPalette::ToolTipBase));
  if (index == 5) {
    if (axes_ != 0) accept();  // OK before an axis is chosen does nothing
    return;
  }
  if (index == 6) {
    reject();
    return;
  }
  axes_ = index + 2;
  SetButtonColour(cmdSelTev_[index], QColor(kSelectedColour));
}

void FrmSplash::selPlcClicked(int index) {
  SetButtonColour(cmdSelTevPlc_[machineType_], QColor(kPlcUnselectedColour));
  machineType_ = index;
  SetButtonColour(cmdSelTevPlc_[index], QColor(kSelectedColour));
}

void FrmSplash::keyPressEvent(QKeyEvent* event) {
  event->accept();
  // Return confirms the choice as OK does; without an axis count the window says what is missing and stays.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (axes_ != 0) {
      accept();
      return;
    }
    notice_->setText(tr("Choose the controller's axis count first (2 to 6 axes), then OK."));
    notice_->setStyleSheet("color: #b00000");
    return;
  }
  // Any other key ends the program from here, as the controller's operators are used to.
  reject();
}

}  // namespace zova::app
