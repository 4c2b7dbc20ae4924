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

// A header row ("time" and each signal's name), then one row per sample: its UTC time and each value; a gap
// is a row with its time alone.
std::string CsvText(const Recording& r);
// Bits as wires, sensor words and the error report as 32-bit vectors, positions as reals, and a wire
// "sampling" that is 0 while the recording has a gap. Times in microseconds from the $date.
std::string VcdText(const Recording& r, std::string_view version);

// Either form, told apart by its first character ('$' for VCD); a refusal names its line.
TextFault ReadRecordingText(std::string_view text, Recording& out);

// The name a VCD gives a signal: its file name with each blank an underscore ("in00_E-STOP").
std::string VcdName(Signal s);

}  // namespace zova::recorder
