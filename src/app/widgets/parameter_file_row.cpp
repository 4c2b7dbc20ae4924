// The parameter screens' file and transfer row.
#include "app/widgets/parameter_file_row.h"

#include <QLabel>

#include "app/widgets/window_util.h"

namespace zova::app {

ParameterFileRow AddParameterFileRow(QWidget* window, QBoxLayout* layout, const char* labelName,
                                     const char* fileBoxName, const char* barName) {
  ParameterFileRow row;
  auto* bottom = new QHBoxLayout;
  auto* label = new QLabel("File Name", window);
  label->setObjectName(labelName);
  row.fileName = new QLineEdit(window);
  row.fileName->setObjectName(fileBoxName);
  bottom->addWidget(label);
  bottom->addWidget(row.fileName, 1);
  row.cmdSave[0] = MakeButton(window, ArrayName("cmdSave", 0), "File Open");
  row.cmdSave[1] = MakeButton(window, ArrayName("cmdSave", 1), "File Save");
  row.cmdRcv = MakeButton(window, "cmdRcv", "TEV ☞ PC");
  row.cmdTrans = MakeButton(window, "cmdTrans", "PC ☞ TEV");
  for (QPushButton* b : {row.cmdSave[0], row.cmdSave[1], row.cmdRcv, row.cmdTrans}) bottom->addWidget(b);
  layout->addLayout(bottom);
  row.bar = new QProgressBar(window);
  row.bar->setObjectName(barName);
  row.bar->setValue(0);
  layout->addWidget(row.bar);
  return row;
}

}  // namespace zova::app
