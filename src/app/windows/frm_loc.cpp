// The location window "LOCATION".
#include "app/windows/frm_loc.h"

#include "app/windows/screens.h"

namespace zova::app {

const PositionScreenTraits& LocScreenTraits() {
  using A = PositionAction;
  static const PositionScreenTraits traits{
      .objectName = "frmLoc",
      .caption = QT_TRANSLATE_NOOP("zova::app::PositionScreen", "LOCATION"),
      .tableName = "LOC",
      .rowWord = QT_TRANSLATE_NOOP("zova::app::PositionScreen", "location"),
      .rowsWord = QT_TRANSLATE_NOOP("zova::app::PositionScreen", "locations"),
      .table = &PositionData::LocTable,
      .receiveFile = &Session::locReceiveFile,
      .transFile = &Session::locTransFile,
      .receiveFrame = {.frame = "Frame1",
                       .caption = QT_TRANSLATE_NOOP("zova::app::PositionScreen", "LOC Receive (TEV ▶ PC)"),
                       .numbers = "txtLocReceive",
                       .numberLabels = {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "Start LOC #"),
                                        QT_TRANSLATE_NOOP("zova::app::PositionScreen", "End LOC #")},
                       .values = "txtRcvLocVal",
                       .file = "txtLocReceiveFile",
                       .buttons = "cmdLocReceive",
                       .bar = "ProgressBarLocReceive",
                       .buttonList = {{QT_TRANSLATE_NOOP("zova::app::PositionScreen", "Receive"), A::Receive},
                                      {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "Block Receive"),
                                       A::BlockReceive},
                                      {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "ALL Receive"), A::AllReceive},
                                      {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "File Open"), A::ReceiveFileOpen},
                                      {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "File Save"), A::FileSave}}},
      .transFrame = {.frame = "fraLoc",
                     .caption = QT_TRANSLATE_NOOP("zova::app::PositionScreen", "LOC Trans (PC ▶ TEV)"),
                     .numbers = "txtLocTrans",
                     .numberLabels = {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "Start LOC #"),
                                      QT_TRANSLATE_NOOP("zova::app::PositionScreen", "End LOC #")},
                     .values = "txtTransLocVal",
                     .file = "txtLocTransFile",
                     .buttons = "cmdLocTrans",
                     .bar = "ProgressBarLocTrans",
                     .buttonList = {{QT_TRANSLATE_NOOP("zova::app::PositionScreen", "Trans"), A::Trans},
                                    {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "Block Trans"), A::BlockTrans},
                                    {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "ALL Trans"), A::AllTrans},
                                    {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "File Open"), A::TransFileOpen}}},
      .valueLabels = {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "LOC 1AX"),
                      QT_TRANSLATE_NOOP("zova::app::PositionScreen", "LOC 2AX"),
                      QT_TRANSLATE_NOOP("zova::app::PositionScreen", "LOC 3AX"),
                      QT_TRANSLATE_NOOP("zova::app::PositionScreen", "LOC 4AX"),
                      QT_TRANSLATE_NOOP("zova::app::PositionScreen", "LOC 5AX"),
                      QT_TRANSLATE_NOOP("zova::app::PositionScreen", "LOC 6AX")},
      .dialog = "cmdDlgLoc",
      .dialogFile = "ZOVALOC.dat",
      .receiveDialogTitle = QT_TRANSLATE_NOOP("zova::app::PositionScreen", "LOC FILE SAVE"),
      .transDialogTitle = QT_TRANSLATE_NOOP("zova::app::PositionScreen", "LOC FILE OPEN"),
      .numberLimit = 999,
      .showRowOnNumber = true,
      .outsideLimitMessage = nullptr,
      .showPointRows = true,
  };
  return traits;
}

QWidget* MakeFrmLoc(Session& session, FrmMain&) { return new PositionScreen(session, LocScreenTraits()); }

}  // namespace zova::app
