// The bottom row both parameter screens share: the file name box, "File Open", "File Save",
// "TEV ☞ PC", "PC ☞ TEV", and the transfer progress bar under them.
#pragma once

#include <QBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <array>

namespace zova::app {

struct ParameterFileRow {
  QLineEdit* fileName = nullptr;
  std::array<QPushButton*, 2> cmdSave{};  // 0 "File Open", 1 "File Save"
  QPushButton* cmdRcv = nullptr;
  QPushButton* cmdTrans = nullptr;
  QProgressBar* bar = nullptr;
};

// Adds the row to `layout` with the given object names of the label, the file box and the bar.
ParameterFileRow AddParameterFileRow(QWidget* window, QBoxLayout* layout, const char* labelName,
                                     const char* fileBoxName, const char* barName);

}  // namespace zova::app
