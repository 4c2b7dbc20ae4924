// The system and axis parameter screens: selector groups and value boxes over one parameter table, its
// file and its transfers with the controller. The two screens differ only in names, captions, layout
// and the table they show, gathered in ParameterScreenTraits.
// Its texts for people are marked for the "zova::app::ParameterScreen" context and looked up where shown.
#pragma once

#include <QCloseEvent>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/session.h"
#include "app/widgets/checked_boxes.h"
#include "app/widgets/parameter_file_row.h"
#include "app/widgets/selector_group.h"
#include "parameters/parameter_text.h"

namespace zova::app {

// Selector groups stacked in a column, in a frame when `frame` names one.
struct ChoiceColumn {
  const char* frame;  // nullptr: no frame
  int groups;         // 0: all the groups left
};

struct ParameterScreenTraits {
  const char* objectName;
  const char* caption;
  const char* dialogTitle;
  const char* dialogFile;                   // the file the dialog offers beside all files
  std::array<const char*, 3> fileRowNames;  // the "File Name" label, the file box, the progress bar
  std::array<Job, 2> progressJobs;          // the transfer and its read-first, both on the screen's bar
  QString Session::*rememberedFile;
  // The status bar's names of the operations and of what they move.
  const char* receiveName;
  const char* readFirstName;
  const char* sendName;
  const char* what;

  bool axisPanels;  // the row choosing the axis shown, above the rest
  std::vector<ChoiceColumn> columns;
  const char* boxName;   // the value boxes' array
  const char* boxFrame;  // nullptr: each box in a frame captioned with its label, four to a row
  // The axis screen's transfers leave its buttons enabled: a second click finds the line busy.
  bool lockButtons;
  // Every change of the file name box reads the file, also the remembered name written on opening.
  bool nameChangeReads;

  // The table behind the screen, as the session holds it.
  std::span<const parameters::ChoiceGroup> (*choiceGroups)();
  std::string_view (*entryLabel)(int entry);
  int boxCount;
  std::string_view (*boxLabel)(int box);
  std::int32_t& (*stored)(Session& session, int entry);  // of the current axis on the axis screen
  std::string (*boxText)(const Session& session, int box);
  // The check of a box's text; `typed` is false while the screen writes the boxes. Answers the text
  // the box must show instead, if any.
  std::optional<QString> (*editBox)(Session& session, int box, const QString& text, bool typed);
  void (*setDefaults)(Session& session);
  void (*beforeShow)(Session& session);  // nullptr: nothing
  Outcome (*readFile)(Session& session, const std::string& path, std::string* why);
  bool (*writeFile)(Session& session, const std::string& path);
  Outcome (*fetch)(Session& session);
  Outcome (*send)(Session& session, const ParameterSend& names);
};

class ParameterScreen : public QWidget {
  Q_OBJECT
 public:
  ParameterScreen(Session& session, const ParameterScreenTraits& traits);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void addAxisPanels(QBoxLayout* layout);
  void addChoices(QBoxLayout* body);
  void addBoxes(QBoxLayout* body);
  // Every indicator back to the window background; runs before the stored choices change.
  void clearChoices();
  // The stored choices highlighted, the box texts written (each a change).
  void showTable();
  void axisClicked(int panel);  // only a configured axis can be chosen
  void choiceClicked(SelectorGroup* group, int index);
  void fileNameChanged();
  void fileOpen();
  void fileSave();
  // What every exchange begins with: nothing while another runs, the buttons held as the screen keeps them.
  void exchange(const std::function<void()>& body);
  void receive();
  void transmit();
  void message(const std::string& text) { static_cast<Ui&>(session_.ui).messageBox(text); }

  Session& session_;
  const ParameterScreenTraits& traits_;
  bool showing_ = false;  // showTable writes the boxes: their checks are not the operator's edits
  std::vector<SelectorGroup*> groups_;
  CheckedBoxes boxes_;
  std::array<QLineEdit*, parameters::kMaxAxes> txtAxSel_{};
  ParameterFileRow file_;
};

}  // namespace zova::app
