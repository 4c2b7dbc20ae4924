// The axis parameter screen "Axis Parameter": one axis of AxPara at a time, its file and its
// transfers with the controller.
#include <tuple>

#include "app/windows/parameter_screen.h"
#include "app/windows/screens.h"
#include "parameters/ax_para_editor.h"
#include "parameters/ax_para_file.h"
#include "parameters/ax_para_transfer.h"

namespace zova::app {

namespace {

std::string_view EntryLabel(int entry) {
  for (const parameters::AxParaEntry& e : parameters::AxParaEntries()) {
    if (e.entry == entry) return e.label;
  }
  return {};
}

Outcome Fetch(Session& s) {
  const Outcome status = parameters::FetchAxPara(s.link, s.axPara, s.axes);
  if (status == Outcome::Ok) std::tie(s.axParaHeldOn, s.axParaHeldAxes) = std::pair(s.connection.openings(), s.axes);
  return status;
}

Outcome Send(Session& s, const ParameterSend& names) {
  const int connection = s.connection.openings();
  const int axes = s.axes;
  return SendNamedParameters(
      s, names, parameters::AxParaRefusals(s.axPara, axes), s.axParaHeldOn == connection && s.axParaHeldAxes >= axes,
      [&] {
        const Outcome status = parameters::TakeUnnamedAxPara(s.link, s.axPara, axes);
        if (status == Outcome::Ok) std::tie(s.axParaHeldOn, s.axParaHeldAxes) = std::pair(connection, axes);
        return status;
      },
      [&] { return parameters::SendAxPara(s.link, s.axPara, axes); });
}

const ParameterScreenTraits& AxParaScreenTraits() {
  static const ParameterScreenTraits traits{
      .objectName = "frmNaxpara",
      .caption = QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "Axis Parameter"),
      .dialogTitle = QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "Axis Para File Open"),
      .dialogFile = "DIRIDOZO.dat",
      .fileRowNames = {"Label1", "txtAxisParaFileName", "AxProgressBar"},
      .progressJobs = {Job::AxPara, Job::AxParaReadFirst},
      .rememberedFile = &Session::axParaFile,
      .receiveName = QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "Axis Parameter TEV ☞ PC"),
      .readFirstName =
          QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "Axis Parameter: reading the controller's block first"),
      .sendName = QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "Axis Parameter PC ☞ TEV"),
      .what = QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "Axis parameters"),
      .axisPanels = true,
      // The first eleven groups are drive settings, the last six signal levels.
      .columns = {{QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "Ax Parameter"), 11},
                  {QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "Limit Parameter"), 0}},
      .boxName = "txtSw",
      .boxFrame = QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "Software Parameter"),
      .lockButtons = false,
      .nameChangeReads = true,
      .choiceGroups = parameters::AxChoiceGroups,
      .entryLabel = EntryLabel,
      .boxCount = parameters::kAxBoxCount,
      .boxLabel = [](int box) { return parameters::AxBoxes()[static_cast<std::size_t>(box)].label; },
      .stored = [](Session& s, int entry) -> std::int32_t& {
        return s.axPara[s.currentAxis][static_cast<std::size_t>(entry)];
      },
      .boxText = [](const Session& s, int box) { return parameters::AxBoxText(box, s.axPara, s.currentAxis); },
      // A refused number is reported and not stored; the box keeps the text as typed.
      .editBox = [](Session& s, int box, const QString& text, bool) -> std::optional<QString> {
        (void)parameters::CheckAxBox(box, text.toStdString(), s.axPara, s.currentAxis, s.ui.diagnostics());
        return std::nullopt;
      },
      .setDefaults = [](Session& s) { s.axPara.SetDefaults(); },
      .beforeShow = nullptr,
      .readFile = [](Session& s, const std::string& path,
                     std::string* why) { return parameters::ReadAxParaFile(path, s.axPara, why); },
      .writeFile = [](Session& s,
                      const std::string& path) { return parameters::WriteAxParaFile(path, s.axPara, s.ui); },
      .fetch = Fetch,
      .send = Send,
  };
  return traits;
}

}  // namespace

QWidget* MakeFrmNaxpara(Session& session, FrmMain&) { return new ParameterScreen(session, AxParaScreenTraits()); }

}  // namespace zova::app
