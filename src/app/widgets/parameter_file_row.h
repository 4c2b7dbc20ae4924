// The bottom row both parameter screens share: the file name box, "File Open", "File Save",
// "TEV ☞ PC", "PC ☞ TEV", and the transfer progress bar under them with its Cancel.
#pragma once

#include <QBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "parameters/sys_para_editor.h"

#include "app/session.h"
#include "base/outcome.h"

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
QString ParameterTransferResult(Outcome status, const QString& what, bool fetch);

// The frame of a screen's "PC ☞ TEV": what the screen holds that the controller cannot hold or no control offers
// is listed in one message and nothing is sent; unless `held` says that the entries no screen names came from
// this connection, `readFirst` takes them from the controller first (an operation of its own, named so);
// then `send` runs. Returns the send's status, or the first one that stopped it.
struct ParameterSend {
  QString readFirstName;  // the status bar's name of the read
  QString sendName;
  QString what;  // "System parameters"
  std::vector<QPushButton*> cancel;
};
Outcome SendNamedParameters(Session& session, const ParameterSend& names,
                            const std::vector<parameters::BoxRefusal>& refused, bool held,
                            const std::function<Outcome()>& readFirst, const std::function<Outcome()>& send);

}  // namespace zova::app
