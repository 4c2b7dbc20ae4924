// Recordings as files: CSV for spreadsheets and scripts, VCD (IEEE 1364 value change dump) for GTKWave and
// sigrok PulseView. Both read back into the same recording, to the millisecond (CSV) or microsecond (VCD).
#pragma once

#include <string>
#include <string_view>

#include "base/text_lines.h"
#include "recorder/recording.h"

namespace zova::recorder {

enum class FileForm { Csv, Vcd };

// By the name's ending, ".csv" or ".vcd" in any case; false for another.
bool FormOfName(std::string_view path, FileForm& out);

// Writes a recording piece by piece, so that a long one goes to its file as it is taken.
// CSV: a header row ("time" and each signal's name), then one row per sample: its UTC time and each value;
// a gap is a row with its time alone. VCD: bits as wires, sensor words and the error report as 32-bit
// vectors, positions as reals, and a wire "sampling" that is 0 while the recording has a gap; times in
// microseconds from the $date.
class RecordingWriter {
 public:
  RecordingWriter(FileForm form, SignalSet set, Utc start, std::string_view version);
  [[nodiscard]] std::string header() const;
  // The text of the next sample (for VCD, only what changed since the one before).
  std::string sample(const Sample& s);

 private:
  FileForm form_;
  SignalSet set_;
  Utc start_;
  std::string version_;
  std::vector<std::string> last_;  // VCD: each signal's last value change
  int sampling_ = -1;              // VCD: the sampling wire's last value; -1 before the first sample
};

// The whole recording in one form.
std::string RecordingText(const Recording& r, FileForm form, std::string_view version = {});
inline std::string CsvText(const Recording& r) { return RecordingText(r, FileForm::Csv); }
inline std::string VcdText(const Recording& r, std::string_view version) {
  return RecordingText(r, FileForm::Vcd, version);
}

// Either form, told apart by its first character ('$' for VCD); a refusal names its line.
TextFault ReadRecordingText(std::string_view text, Recording& out);

// The name a VCD gives a signal: its file name with each blank an underscore ("in00_E-STOP").
std::string VcdName(Signal s);

}  // namespace zova::recorder
