// The location window "LOCATION".
#include "app/windows/frm_loc.h"

#include "app/windows/screens.h"

namespace zova::app {

const PositionScreenTraits& LocScreenTraits() {
  using A = PositionAction;
  static const PositionScreenTraits traits{
      .objectName = "frmLoc",
      .caption = "LOCATION",
      .tableName = "LOC",
      .rowWord = "location",
      .rowsWord = "locations",
      .table = &PositionData::LocTable,
      .send = &PositionData::SendLocations,
      .receive = &PositionData::ReceiveLocations,
      .save = &PositionData::SaveLocationFile,
      .load = &PositionData::LoadLocationFile,
      .receiveFile = &Session::locReceiveFile,
      .transFile = &Session::locTransFile,
      .receiveFrame = {.frame = "Frame1",
                       .caption = "LOC Receive (TEV ▶ PC)",
                       .numbers = "txtLocReceive",
                       .numberLabels = {"Start LOC #", "End LOC #"},
                       .values = "txtRcvLocVal",
                       .file = "txtLocReceiveFile",
                       .buttons = "cmdLocReceive",
                       .buttonList = {{"Receive", A::Receive},
                                      {"Block Receive", A::BlockReceive},
                                      {"ALL Receive", A::AllReceive},
                                      {"File Open", A::ReceiveFileOpen},
                                      {"File Save", A::FileSave}}},
      .transFrame = {.frame = "fraLoc",
                     .caption = "LOC Trans (PC ▶ TEV)",
                     .numbers = "txtLocTrans",
                     .numberLabels = {"Start LOC #", "End LOC #"},
                     .values = "txtTransLocVal",
                     .file = "txtLocTransFile",
                     .buttons = "cmdLocTrans",
                     .buttonList = {{"Trans", A::Trans},
                                    {"Block Trans", A::BlockTrans},
                                    {"ALL Trans", A::AllTrans},
                                    {"File Open", A::TransFileOpen}}},
      .valueLabels = {"LOC 1AX", "LOC 2AX", "LOC 3AX", "LOC 4AX", "LOC 5AX", "LOC 6AX"},
      .dialog = "cmdDlgLoc",
      .dialogFilter = "ZOVALOC.dat|ZOVALOC.dat|모든파일(*.*)|*.*",
      .receiveDialogTitle = "LOC FILE SAVE",
      .transDialogTitle = "LOC FILE OPEN",
      .numberLimit = 999,
      .showRowOnNumber = true,
      .outsideLimitMessage = nullptr,
      .showPointRows = true,
  };
  return traits;
}

QWidget* MakeFrmLoc(Session& session, FrmMain&) { return new PositionScreen(session, LocScreenTraits()); }

}  // namespace zova::app
