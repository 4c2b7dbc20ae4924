// Transfers combined with files.
#include "positions/table_jobs.h"

#include "positions/table_file.h"
#include "positions/table_transfer.h"

namespace zova::positions {

JobResult ReceiveRowsToFile(PositionTable& table, Link& link, int axes, int mode, int start, int end, int& rxPointNo,
                            const std::string* file, int* storedRows) {
  const TransferOutcome outcome = ReceiveTableRows(table, link, axes, mode, start, end, rxPointNo);
  if (storedRows != nullptr) *storedRows = outcome.stored;
  if (outcome.refused) return JobResult::Refused;
  if (!outcome.completed) return JobResult::LinkFailed;
  if (file != nullptr && !SaveTableFile(table, link.ui(), *file)) return JobResult::FileFailed;
  return outcome.rejected > 0 ? JobResult::RowsRejected : JobResult::Ok;
}

JobResult SendRowsFromFile(PositionTable& table, Link& link, int axes, int mode, int start, int end, int txPointNo,
                           const std::string& file) {
  if (!LoadTableFile(table, link.ui(), file)) return JobResult::FileFailed;
  const TransferOutcome outcome = SendTableRows(table, link, axes, mode, start, end, txPointNo);
  link.ui().setProgressValue(table.layout().sendBar, 0, 0);
  if (outcome.refused) return JobResult::Refused;
  return outcome.completed ? JobResult::Ok : JobResult::LinkFailed;
}

}  // namespace zova::positions
