// The system parameter screen "System Parameter": the working copy SysPara box by box, its file and
// its transfers with the controller.
#pragma once

#include <QCloseEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <vector>

#include "app/widgets/checked_boxes.h"
#include "app/widgets/selector_group.h"
#include "app/widgets/parameter_file_row.h"
#include "app/session.h"

namespace zova::app {

class FrmSysPara : public QWidget {
  Q_OBJECT
 public:
  explicit FrmSysPara(Session& session);

  // Every indicator of the nine selector groups back to the window background.
  void initSysButton();
  // Shows SysPara: the axis count from AXES, the stored choices, the 32 box texts (each a change).
  void updateSysButton();

  // cmdSave_0 "File Open", cmdSave_1 "File Save", cmdRcv, cmdTrans.
  void fileOpen();
  void fileSave();
  void receive();
  void transmit();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void choiceClicked(SelectorGroup* group, int index);
  // The file and transfer buttons, disabled while an exchange runs.
  [[nodiscard]] std::vector<QPushButton*> fileButtons() const;

  Session& session_;
  bool showing_ = false;  // updateSysButton writes the boxes: their checks are not the operator's edits
  std::vector<SelectorGroup*> groups_;
  CheckedBoxes boxes_;
  ParameterFileRow file_;
};

}  // namespace zova::app
