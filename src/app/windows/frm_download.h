// The firmware download window.
#pragma once

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "app/session.h"
#include "firmware/flash_download.h"

namespace zova::app {

class FrmDownload : public QWidget, public firmware::DownloadDisplay {
  Q_OBJECT
 public:
  explicit FrmDownload(Session& session, QWidget* parent = nullptr);

  void setLabel(firmware::DownloadLabel label, const std::string& text) override;
  void setDownEnabled(bool enabled) override;
  void setStoppable(bool stoppable) override;
  bool confirmErase(const std::string& summary) override;

  // cmdFile and cmdDown.
  void fileClicked();
  void downClicked();

  firmware::FirmwareDownload& download() { return *download_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Session& session_;
  std::unique_ptr<firmware::FirmwareDownload> download_;
  QString lastName_;
  QPushButton* cmdFile_ = nullptr;
  QPushButton* cmdDown_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QProgressBar* prgBarWri_ = nullptr;
  QLabel* labelbyte_ = nullptr;
  QLabel* labelAddresses_ = nullptr;
  QLabel* labelFilename_ = nullptr;
  QLabel* labelState_ = nullptr;
  QLabel* label2_ = nullptr;
};

}  // namespace zova::app
