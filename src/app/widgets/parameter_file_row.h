// The bottom row both parameter screens share: the file name box, "File Open", "File Save",
// "TEV ☞ PC", "PC ☞ TEV", and the transfer progress bar under them with its Cancel.
#pragma once

#include <QBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QString>
#include <array>

#include "app/session.h"
#include "parameters/transfer_status.h"

namespace zova::app {

struct ParameterFileRow {
  QLineEdit* fileName = nullptr;
  std::array<QPushButton*, 2> cmdSave{};  // 0 "File Open", 1 "File Save"
  QPushButton* cmdRcv = nullptr;
  QPushButton* cmdTrans = nullptr;
  QProgressBar* bar = nullptr;
  QPushButton* cancel = nullptr;
};

// Adds the row to `layout` with the given object names of the label, the file box and the bar.
ParameterFileRow AddParameterFileRow(Session& session, QWidget* window, QBoxLayout* layout, const char* labelName,
                                     const char* fileBoxName, const char* barName);

// What the status bar says after a transfer of `what` ("System parameters"); empty when a message box
// has said why it failed.
QString ParameterTransferResult(TransferStatus status, const QString& what, bool fetch);

}  // namespace zova::app
