// The signal tree.
#include "app/widgets/signal_chooser.h"

#include <algorithm>

#include "app/widgets/window_util.h"

namespace zova::app {

namespace {

using recorder::Group;
using recorder::Signal;

constexpr int kSignalRole = Qt::UserRole;

// The tree's five groups: the command and actual positions are one.
int TreeGroup(Group g) {
  switch (g) {
    case Group::Inputs:
      return 0;
    case Group::Outputs:
      return 1;
    case Group::Sensors:
      return 2;
    case Group::CommandPositions:
    case Group::ActualPositions:
      return 3;
    case Group::Error:
      return 4;
  }
  return 4;
}

int Code(Signal s) { return static_cast<int>(s.group) * 100 + s.index; }
Signal FromCode(int code) { return {static_cast<Group>(code / 100), code % 100}; }

}  // namespace

SignalChooser::SignalChooser(QWidget* parent) : QTreeWidget(parent) {
  setObjectName("treeSignals");
  setAccessibleName(tr("Signals to record"));
  setHeaderHidden(true);
  setUniformRowHeights(true);
}

void SignalChooser::setAxes(int axes) {
  axes = std::clamp(axes, 1, recorder::kMaxAxes);
  if (axes == axes_) return;
  const recorder::SignalSet before = chosen();
  axes_ = axes;
  clear();
  const QString names[] = {tr("Inputs"), tr("Outputs"), tr("Sensors"), tr("Positions"), tr("Error report")};
  QTreeWidgetItem* groups[5];
  for (int g = 0; g < 5; ++g) {
    groups[g] = new QTreeWidgetItem(this, {names[g]});
    groups[g]->setFlags(groups[g]->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    groups[g]->setCheckState(0, Qt::Unchecked);
  }
  for (const Signal s : recorder::AllSignals(axes).list) {
    auto* item = new QTreeWidgetItem(groups[TreeGroup(s.group)], {Qs(recorder::SignalName(s))});
    item->setData(0, kSignalRole, Code(s));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Unchecked);
  }
  choose(before);
}

recorder::SignalSet SignalChooser::chosen() const {
  // The tree lists the signals in the order a set keeps them.
  recorder::SignalSet set{.axes = std::max(axes_, 1), .list = {}};
  for (int g = 0; g < topLevelItemCount(); ++g) {
    const QTreeWidgetItem* group = topLevelItem(g);
    for (int i = 0; i < group->childCount(); ++i) {
      const QTreeWidgetItem* item = group->child(i);
      if (item->checkState(0) == Qt::Checked) set.list.push_back(FromCode(item->data(0, kSignalRole).toInt()));
    }
  }
  return set;
}

void SignalChooser::choose(const recorder::SignalSet& set) {
  for (int g = 0; g < topLevelItemCount(); ++g) {
    QTreeWidgetItem* group = topLevelItem(g);
    for (int i = 0; i < group->childCount(); ++i) {
      QTreeWidgetItem* item = group->child(i);
      const Signal s = FromCode(item->data(0, kSignalRole).toInt());
      const bool on = std::find(set.list.begin(), set.list.end(), s) != set.list.end();
      item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    }
  }
}

}  // namespace zova::app
