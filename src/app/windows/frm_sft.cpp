// The shift window "SHIFT LOCATION". It has no block buttons.
#include "app/windows/frm_sft.h"

#include "app/windows/screens.h"

namespace zova::app {

const PositionScreenTraits& SftScreenTraits() {
  using A = PositionAction;
  static const PositionScreenTraits traits{
      .objectName = "frmSft",
      .caption = QT_TRANSLATE_NOOP("zova::app::PositionScreen", "SHIFT LOCATION"),
      .tableName = "SFT",
      .rowWord = QT_TRANSLATE_NOOP("zova::app::PositionScreen", "shift"),
      .rowsWord = QT_TRANSLATE_NOOP("zova::app::PositionScreen", "shifts"),
      .table = &PositionData::SftTable,
      .receiveFile = &Session::sftReceiveFile,
      .transFile = &Session::sftTransFile,
      .receiveFrame = {.frame = "fraSftReceive",
                       .caption = QT_TRANSLATE_NOOP("zova::app::PositionScreen", "SFT LOC Receive (TEV ▶ PC)"),
                       .numbers = "txtSftLocReceive",
                       .numberLabels = {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "Start Sft LOC #"),
                                        QT_TRANSLATE_NOOP("zova::app::PositionScreen", "End Sft LOC #")},
                       .values = "txtRcvSftLocVal",
                       .file = "txtSftLocReceiveFile",
                       .buttons = "cmdSftLocReceive",
                       .bar = "ProgressBarSftLocReceive",
                       .buttonList = {{QT_TRANSLATE_NOOP("zova::app::PositionScreen", "Receive"), A::Receive},
                                      {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "ALL Receive"), A::AllReceive},
                                      {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "File Open"), A::ReceiveFileOpen},
                                      {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "File Save"), A::FileSave}}},
      .transFrame = {.frame = "fraSftTrans",
                     .caption = QT_TRANSLATE_NOOP("zova::app::PositionScreen", "SFT LOC Trans (PC ▶ TEV)"),
                     .numbers = "txtSftLocTrans",
                     .numberLabels = {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "Start Sft LOC #"),
                                      QT_TRANSLATE_NOOP("zova::app::PositionScreen", "End Sft LOC #")},
                     .values = "txtTransSftLocVal",
                     .file = "txtSftLocTransFile",
                     .buttons = "cmdSftLocTrans",
                     .bar = "ProgressBarSftLocTrans",
                     .buttonList = {{QT_TRANSLATE_NOOP("zova::app::PositionScreen", "Trans"), A::Trans},
                                    {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "ALL Trans"), A::AllTrans},
                                    {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "File Open"), A::TransFileOpen}}},
      .valueLabels = {QT_TRANSLATE_NOOP("zova::app::PositionScreen", "SFT 1AX"),
                      QT_TRANSLATE_NOOP("zova::app::PositionScreen", "2AX"),
                      QT_TRANSLATE_NOOP("zova::app::PositionScreen", "3AX"),
                      QT_TRANSLATE_NOOP("zova::app::PositionScreen", "4AX"),
                      QT_TRANSLATE_NOOP("zova::app::PositionScreen", "5AX"),
                      QT_TRANSLATE_NOOP("zova::app::PositionScreen", "6AX")},
      .dialog = "cmdDlgSftLoc",
      .dialogFile = "ZOVASFT.dat",
      .receiveDialogTitle = QT_TRANSLATE_NOOP("zova::app::PositionScreen", "SFT LOC FILE OPEN"),
      .transDialogTitle = "",
      .numberLimit = 99,
      .showRowOnNumber = false,
      .outsideLimitMessage = QT_TRANSLATE_NOOP("zova::app::PositionScreen", " 0 ~ 99 까지 입력하십시요."),
      .showPointRows = false,
  };
  return traits;
}

QWidget* MakeFrmSft(Session& session, FrmMain&) { return new PositionScreen(session, SftScreenTraits()); }

}  // namespace zova::app
