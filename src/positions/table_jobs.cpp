// Transfers combined with files.
#include "positions/table_jobs.h"

#include <algorithm>
#include <filesystem>

#include "base/translation.h"
#include "positions/table_file.h"
#include "positions/table_transfer.h"

namespace zova::positions {

namespace {

bool Exists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

// Rows beyond the file (location 2500) have no line in it: sending them would send zeros.
bool RowsInFile(const TableLayout& layout, Ui& ui, Scope scope, int start, int end, int txPointNo) {
  int last = -1;
  if (scope == Scope::Single) last = txPointNo;
  if (scope == Scope::Block) last = std::max(start, end);
  if (last < layout.fileRows) return true;
  ui.messageBox(Tr("{1}: a file holds rows 0 to {2} only, so it has no values for this row",
                   {std::string(layout.prefix) + std::to_string(last), std::to_string(layout.fileRows - 1)}));
  return false;
}

}  // namespace

Outcome ReceiveRowsToFile(PositionTable& table, Link& link, int axes, Scope scope, int start, int end, int& rxPointNo,
                          const std::string* file, TransferOutcome* counts) {
  // The file keeps every row this transfer does not fetch: read it first, before anything is sent.
  if (file != nullptr && Exists(*file) && !LoadTableFile(table, link.ui(), *file)) return {Outcome::FileFailed, *file};
  const TransferOutcome outcome = ReceiveTableRows(table, link, axes, scope, start, end, rxPointNo);
  if (counts != nullptr) *counts = outcome;
  if (!outcome.result) return outcome.result;
  if (file != nullptr && !SaveTableFile(table, link.ui(), *file)) return {Outcome::FileFailed, *file};
  if (outcome.rejected > 0) return {Outcome::BadChecksum, std::to_string(outcome.rejected) + " rows"};
  return {};
}

Outcome SendRowsFromFile(PositionTable& table, Link& link, int axes, Scope scope, int start, int end, int txPointNo,
                         const std::string& file) {
  if (!RowsInFile(table.layout(), link.ui(), scope, start, end, txPointNo)) return Outcome::Refused;
  if (!LoadTableFile(table, link.ui(), file)) return {Outcome::FileFailed, file};
  const TransferOutcome outcome = SendTableRows(table, link, axes, scope, start, end, txPointNo);
  link.ui().setProgressValue(table.layout().sendJob, 0, 0);
  return outcome.result;
}

}  // namespace zova::positions
