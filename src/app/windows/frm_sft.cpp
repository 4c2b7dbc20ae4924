// The shift window "SHIFT LOCATION". It has no block buttons.
#include "app/windows/frm_sft.h"

#include "app/windows/screens.h"

namespace zova::app {

const PositionScreenTraits& SftScreenTraits() {
  using A = PositionAction;
  static const PositionScreenTraits traits{
      .objectName = "frmSft",
      .caption = "SHIFT LOCATION",
      .tableName = "SFT",
      .rowWord = "shift",
      .rowsWord = "shifts",
      .table = &PositionData::SftTable,
      .send = &PositionData::SendShifts,
      .receive = &PositionData::ReceiveShifts,
      .save = &PositionData::SaveShiftFile,
      .load = &PositionData::LoadShiftFile,
      .receiveFile = &Session::sftReceiveFile,
      .transFile = &Session::sftTransFile,
      .receiveFrame = {.frame = "fraSftReceive",
                       .caption = "SFT LOC Receive (TEV ▶ PC)",
                       .numbers = "txtSftLocReceive",
                       .numberLabels = {"Start Sft LOC #", "End Sft LOC #"},
                       .values = "txtRcvSftLocVal",
                       .file = "txtSftLocReceiveFile",
                       .buttons = "cmdSftLocReceive",
                       .buttonList = {{"Receive", A::Receive},
                                      {"ALL Receive", A::AllReceive},
                                      {"File Open", A::ReceiveFileOpen},
                                      {"File Save", A::FileSave}}},
      .transFrame = {.frame = "fraSftTrans",
                     .caption = "SFT LOC Trans (PC ▶ TEV)",
                     .numbers = "txtSftLocTrans",
                     .numberLabels = {"Start Sft LOC #", "End Sft LOC #"},
                     .values = "txtTransSftLocVal",
                     .file = "txtSftLocTransFile",
                     .buttons = "cmdSftLocTrans",
                     .buttonList = {{"Trans", A::Trans}, {"ALL Trans", A::AllTrans}, {"File Open", A::TransFileOpen}}},
      .valueLabels = {"SFT 1AX", "2AX", "3AX", "4AX", "5AX", "6AX"},
      .dialog = "cmdDlgSftLoc",
      .dialogFilter = "ZOVASFT.dat|ZOVASFT.dat|모든파일(*.*)|*.*",
      .receiveDialogTitle = "SFT LOC FILE OPEN",
      .transDialogTitle = "",
      .numberLimit = 99,
      .showRowOnNumber = false,
      .outsideLimitMessage = " 0 ~ 99 까지 입력하십시요.",
      .showPointRows = false,
  };
  return traits;
}

QWidget* MakeFrmSft(Session& session, FrmMain&) { return new PositionScreen(session, SftScreenTraits()); }

}  // namespace zova::app
