// The program window "FILE Trans / Receive": robot programs between source files and the controller.
#pragma once

#include <QCloseEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <vector>

#include "app/widgets/dialog_control.h"
#include "app/session.h"

namespace zova::app {

class FrmFile : public QWidget {
  Q_OBJECT
 public:
  explicit FrmFile(Session& session);

  void receivePressed(int index);  // cmdFileReceive: 0 single, 1 all
  void transPressed(int index);    // cmdFileTrans: 0 single, 1 all
  void receiveOpenPressed();       // cmdFileReceiveOpen
  void transOpenPressed();         // cmdFileTransOpen

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Frame {
    std::array<QLineEdit*, 2> boxes{};  // "PC File Name", "TEV File #"
    std::array<QPushButton*, 2> buttons{};
    QPushButton* open = nullptr;
    QPushButton* cancel = nullptr;
  };
  QWidget* buildFrame(bool receive, Frame& frame);
  void boxChanged(Frame& frame, int index, int& programNo);
  bool portAndFileReady(const Frame& frame, std::string_view noFileMessage);

  Session& session_;
  Frame receive_;
  Frame trans_;
  DialogControl* dialog_ = nullptr;
  std::vector<QPushButton*> actionButtons_;
};

}  // namespace zova::app
