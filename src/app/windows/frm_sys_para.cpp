// The system parameter screen "System Parameter": the working copy SysPara box by box, its file and
// its transfers with the controller.
#include "app/windows/parameter_screen.h"
#include "app/widgets/window_util.h"
#include "app/windows/screens.h"
#include "parameters/axis_count.h"
#include "parameters/sys_para_editor.h"
#include "parameters/sys_para_file.h"
#include "parameters/sys_para_transfer.h"

namespace zova::app {

namespace {

std::string_view EntryLabel(int index) {
  for (const parameters::SysParaEntry& e : parameters::SysParaEntries()) {
    if (e.index == index) return e.label;
  }
  return {};
}

std::optional<QString> EditBox(Session& s, int box, const QString& text, bool typed) {
  const QString shown = Qs(parameters::EditSysBox(box, text.toStdString(), s.sysPara, s.ui.diagnostics()));
  // The operator's own AXES is the axis count; a text the screen writes is taken when the table is shown.
  if (box == 0 && typed && !text.isEmpty()) s.axes = s.sysPara[parameters::sys::kAxes];
  return shown;
}

// The defaults are only shown: the AXES they carry must not become the axis count of the machine on the line.
void SetDefaults(Session& s) {
  s.sysPara.SetDefaults();
  if (parameters::AxisCountInRange(s.axes)) s.sysPara[parameters::sys::kAxes] = s.axes;
}

Outcome Fetch(Session& s) {
  const Outcome status = parameters::FetchSysPara(s.link, s.sysPara);
  if (status == Outcome::Ok) s.sysParaHeldOn = s.connection.openings();
  return status;
}

Outcome Send(Session& s, const ParameterSend& names) {
  const int connection = s.connection.openings();
  return SendNamedParameters(
      s, names, parameters::SysParaRefusals(s.sysPara), s.sysParaHeldOn == connection,
      [&] {
        const Outcome status = parameters::TakeUnnamedSysPara(s.link, s.sysPara);
        if (status == Outcome::Ok) s.sysParaHeldOn = connection;
        return status;
      },
      [&] { return parameters::SendSysPara(s.link, s.sysPara); });
}

const ParameterScreenTraits& SysParaScreenTraits() {
  static const ParameterScreenTraits traits{
      .objectName = "frmNsyspara",
      .caption = QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "System Parameter"),
      .dialogTitle = QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "System Para File Open"),
      .dialogFile = "ZOVASYS.dat",
      .fileRowNames = {"sysLabel", "txtSysFileName", "ProgressSysBar"},
      .progressJobs = {Job::SysPara, Job::SysParaReadFirst},
      .rememberedFile = &Session::sysParaFile,
      .receiveName = QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "System Parameter TEV ☞ PC"),
      .readFirstName =
          QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "System Parameter: reading the controller's block first"),
      .sendName = QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "System Parameter PC ☞ TEV"),
      .what = QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "System parameters"),
      .axisPanels = false,
      .columns = {{nullptr, 0}},
      .boxName = "txtSys",
      .boxFrame = nullptr,
      .lockButtons = true,
      .nameChangeReads = false,
      .choiceGroups = parameters::SysChoiceGroups,
      .entryLabel = EntryLabel,
      .boxCount = parameters::kSysBoxCount,
      .boxLabel = [](int box) { return parameters::SysBoxes()[static_cast<std::size_t>(box)].label; },
      .stored = [](Session& s, int entry) -> std::int32_t& { return s.sysPara[entry]; },
      .boxText = [](const Session& s, int box) { return parameters::SysBoxText(box, s.sysPara); },
      .editBox = EditBox,
      .setDefaults = SetDefaults,
      .beforeShow = [](Session& s) { parameters::TakeAxisCount(s.sysPara[parameters::sys::kAxes], s.axes, s.ui); },
      .readFile = [](Session& s, const std::string& path,
                     std::string* why) { return parameters::ReadSysParaFile(path, s.sysPara, why); },
      .writeFile = [](Session& s,
                      const std::string& path) { return parameters::WriteSysParaFile(path, s.sysPara, s.ui); },
      .fetch = Fetch,
      .send = Send,
  };
  return traits;
}

}  // namespace

QWidget* MakeFrmNsyspara(Session& session, FrmMain&) { return new ParameterScreen(session, SysParaScreenTraits()); }

}  // namespace zova::app
