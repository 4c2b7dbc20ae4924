// The parameter screens' file and transfer row.
#include "app/widgets/parameter_file_row.h"

#include <QCoreApplication>
#include <QLabel>

#include "app/operation.h"
#include "app/widgets/window_util.h"
#include "link/line_owner.h"

namespace zova::app {

ParameterFileRow AddParameterFileRow(Session& session, QWidget* window, QBoxLayout* layout, const char* labelName,
                                     const char* fileBoxName, const char* barName) {
  ParameterFileRow row;
  auto* bottom = new QHBoxLayout;
  auto* label = new QLabel(QCoreApplication::translate("zova::app::ParameterFileRow", "File Name"), window);
  label->setObjectName(labelName);
  row.fileName = new QLineEdit(window);
  row.fileName->setObjectName(fileBoxName);
  label->setBuddy(row.fileName);
  ShowPathEnd(row.fileName);
  bottom->addWidget(label);
  bottom->addWidget(row.fileName, 1);
  row.cmdSave[0] = MakeButton(window, ArrayName("cmdSave", 0),
                              QCoreApplication::translate("zova::app::ParameterFileRow", "File Open"));
  row.cmdSave[1] = MakeButton(window, ArrayName("cmdSave", 1),
                              QCoreApplication::translate("zova::app::ParameterFileRow", "File Save"));
  row.cmdRcv = MakeButton(window, "cmdRcv", QCoreApplication::translate("zova::app::ParameterFileRow", "TEV ☞ PC"));
  row.cmdTrans = MakeButton(window, "cmdTrans", QCoreApplication::translate("zova::app::ParameterFileRow", "PC ☞ TEV"));
  for (QPushButton* b : {row.cmdSave[0], row.cmdSave[1], row.cmdRcv, row.cmdTrans}) bottom->addWidget(b);
  layout->addLayout(bottom);
  row.bar = new QProgressBar(window);
  row.bar->setObjectName(barName);
  row.bar->setValue(0);
  row.cancel = MakeCancelButton(session, window, "cmdCancel");
  auto* progress = new QHBoxLayout;
  progress->addWidget(row.bar, 1);
  progress->addWidget(row.cancel);
  layout->addLayout(progress);
  return row;
}

// `what` comes in the chosen language from the screen that names it.
QString ParameterTransferResult(Outcome status, const QString& what, bool fetch) {
  switch (status.code) {
    case Outcome::Ok:
      return (fetch ? QCoreApplication::translate("zova::app::ParameterFileRow", "%1 received")
                    : QCoreApplication::translate("zova::app::ParameterFileRow", "%1 sent"))
          .arg(what);
    case Outcome::BadChecksum:
      return QCoreApplication::translate("zova::app::ParameterFileRow",
                                         "%1 refused for a wrong checksum; the table is as it was")
          .arg(what);
    case Outcome::Cancelled:
      return QCoreApplication::translate("zova::app::ParameterFileRow",
                                         "Cancelled before the exchange began; nothing was exchanged");
    default:
      break;  // the link's error box said why, or nothing happened
  }
  return {};
}

Outcome SendNamedParameters(Session& session, const ParameterSend& names,
                            const std::vector<parameters::BoxRefusal>& refused, bool held,
                            const std::function<Outcome()>& readFirst, const std::function<Outcome()>& send) {
  if (!refused.empty()) {
    std::string text;
    for (const parameters::BoxRefusal& r : refused) text += (text.empty() ? "" : "\n") + r.what + ":" + r.message;
    static_cast<Ui&>(session.ui).messageBox(text);
    return Outcome::Refused;
  }
  if (!held) {
    Operation reading(session, names.readFirstName, names.cancel);
    const Outcome status = HoldLine(session.link, readFirst);
    reading.finish(ParameterTransferResult(status, names.what, true));
    if (!status) return status;
  }
  Operation sending(session, names.sendName, names.cancel);
  const Outcome status = HoldLine(session.link, send);
  sending.finish(ParameterTransferResult(status, names.what, false));
  return status;
}

}  // namespace zova::app
