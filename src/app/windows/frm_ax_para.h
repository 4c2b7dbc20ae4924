// The axis parameter screen "Axis Parameter": one axis of AxPara at a time, its file and its
// transfers with the controller.
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

class FrmAxPara : public QWidget {
  Q_OBJECT
 public:
  explicit FrmAxPara(Session& session);

  // The current axis's stored choices un-highlighted; runs before those choices change.
  void initAxButton();
  // The current axis shown: its stored choices highlighted, its 19 box texts written (each a change).
  void updateAxButton();

  // SSPanelAxSel_i: only a configured axis can be chosen.
  void axisClicked(int panel);
  // cmdSave_0 "File Open", cmdSave_1 "File Save", cmdRcv, cmdTrans.
  void fileOpen();
  void fileSave();
  void receive();
  void transmit();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void choiceClicked(SelectorGroup* group, int index);
  void fileNameChanged();
  void readFile();

  Session& session_;
  std::vector<SelectorGroup*> groups_;
  CheckedBoxes boxes_;
  std::array<QLineEdit*, kMaxAxes> txtAxSel_{};
  ParameterFileRow file_;
};

}  // namespace zova::app
