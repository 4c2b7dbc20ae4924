// The location and shift windows: a receive frame and a transmit frame around one position table.
// The two windows differ only in names, captions, buttons and a few rules, gathered in PositionScreenTraits.
// Its texts for people are marked for the "zova::app::PositionScreen" context and looked up where shown.
#pragma once

#include <QCloseEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "app/widgets/dialog_control.h"
#include "app/session.h"
#include "positions/table_transfer.h"

namespace zova::app {

enum class PositionAction {
  Receive,
  BlockReceive,
  AllReceive,
  ReceiveFileOpen,
  FileSave,
  Trans,
  BlockTrans,
  AllTrans,
  TransFileOpen,
};

struct PositionButton {
  const char* caption;
  PositionAction action;
};

struct PositionFrameTraits {
  const char* frame;
  const char* caption;
  const char* numbers;  // start and end number boxes
  std::array<const char*, 2> numberLabels;
  const char* values;  // the six axis value boxes
  const char* file;    // file name box
  const char* buttons;
  const char* bar;                         // the progress bar of this side's transfers
  std::vector<PositionButton> buttonList;  // in index order
};

using positions::PositionData;
using positions::PositionTable;
using positions::TransferOutcome;

struct PositionScreenTraits {
  const char* objectName;
  const char* caption;
  const char* tableName;  // "LOC": names the operation in the status bar
  const char* rowWord;    // "location", "locations": the status bar's results
  const char* rowsWord;
  PositionTable PositionData::*table;
  QString Session::*receiveFile;
  QString Session::*transFile;
  PositionFrameTraits receiveFrame;
  PositionFrameTraits transFrame;
  std::array<const char*, 6> valueLabels;
  const char* dialog;
  const char* dialogFile;  // the file the dialog offers beside all files
  const char* receiveDialogTitle;
  const char* transDialogTitle;  // empty: the dialog keeps its last title
  // Number boxes: a number 0..numberLimit is accepted. Locations show the row of box 0 in the value
  // boxes; shifts refuse numbers outside the limit with a message instead.
  int numberLimit;
  bool showRowOnNumber;
  const char* outsideLimitMessage;  // nullptr: numbers outside the limit pass silently
  // Locations only: opening shows the single-transfer rows, loading a file shows row 0.
  bool showPointRows;
};

class PositionScreen : public QWidget {
  Q_OBJECT
 public:
  PositionScreen(Session& session, const PositionScreenTraits& traits);

  // A button of either frame: the port check, then the action with every action button disabled.
  void press(PositionAction action, bool transmit);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Frame {
    std::array<QLineEdit*, 2> numbers{};
    std::array<QLineEdit*, 6> values{};
    QLineEdit* file = nullptr;
    std::vector<QPushButton*> buttons;
    QProgressBar* bar = nullptr;
    QPushButton* cancel = nullptr;
  };

  QWidget* buildFrame(const PositionFrameTraits& t, Frame& frame, bool editableValues);
  void run(PositionAction action, bool transmit);
  // A transfer with the controller, as an Operation the frame's Cancel can end.
  void transfer(PositionAction action, bool transmit);
  [[nodiscard]] QString resultText(PositionAction action, bool transmit, const TransferOutcome& outcome,
                                   int planned) const;
  void openReceiveFile();
  void saveFile();
  void openTransFile();
  void numberChanged(Frame& frame, int index);
  void valueChanged(int axis);
  void showRow(Frame& frame, int row);
  [[nodiscard]] PositionTable& table() const { return session_.positions.*traits_.table; }

  Session& session_;
  const PositionScreenTraits& traits_;
  Frame receive_;
  Frame trans_;
  DialogControl* dialog_ = nullptr;
  std::vector<QPushButton*> actionButtons_;
};

}  // namespace zova::app
