// Files a person edited: every file kind the program writes and reads back (LOC, SFT, system and axis
// parameters) is generated with varied values, then edited once. Each edit a person might make by mistake
// is refused at its line and changes nothing; what an editor does on its own, and a number given with fewer
// decimals than written, is read as the file written.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "base/text_lines.h"
#include "parameters/ax_para_file.h"
#include "parameters/parameters_fixture.h"
#include "parameters/sys_para_file.h"
#include "positions/crlf_lines.h"
#include "positions/table_file.h"
#include "positions/wire_value.h"
#include "support/cli_rig.h"

namespace zova {
namespace {

using positions::PositionTable;
using Lines = std::vector<std::string>;

// Varied values: LOC and SFT across what the controller holds, parameters across 32 bits; extremes first.
void Fill(PositionTable& t, std::mt19937& rng) {
  std::uniform_int_distribution<std::int32_t> any(positions::kLowestPositionValue, positions::kHighestPositionValue);
  for (int r = 1; r < t.layout().fileRows; ++r) {
    for (std::int32_t& v : t[r]) v = any(rng);
  }
  t[0] = {positions::kLowestPositionValue, positions::kHighestPositionValue, -1, 1, -100, 0};
}
void Fill(parameters::SysPara& t, std::mt19937& rng) {
  for (std::int32_t& v : t.values) v = static_cast<std::int32_t>(rng());
  t[0] = INT32_MIN;
}
void Fill(parameters::AxPara& t, std::mt19937& rng) {
  for (auto& axis : t.values) {
    for (std::int32_t& v : axis) v = static_cast<std::int32_t>(rng());
  }
  t[0][30] = INT32_MIN;
}

struct FileKind {
  const char* name;
  std::size_t firstValue;                           // words before the values of a line
  std::function<std::string(std::mt19937&)> write;  // a file as the program writes it
  // Reads `text` into a fresh table and gives back what the writer makes of that table afterwards.
  std::function<TextFault(std::string_view text, std::string& after)> read;
};

template <class Table>
FileKind Kind(const char* name, std::size_t firstValue, const Table& fresh, std::string (*write)(const Table&),
              TextFault (*read)(std::string_view, Table&)) {
  return {name, firstValue,
          [=](std::mt19937& rng) {
            Table t = fresh;
            Fill(t, rng);
            return write(t);
          },
          [=](std::string_view text, std::string& after) {
            Table t = fresh;
            const TextFault fault = read(text, t);
            after = write(t);
            return fault;
          }};
}

std::vector<FileKind> Kinds() {
  return {
      Kind("LOC", 2, PositionTable(positions::kLocationLayout), positions::FormatTableFile, positions::ReadTableText),
      Kind("SFT", 2, PositionTable(positions::kShiftLayout), positions::FormatTableFile, positions::ReadTableText),
      Kind("system parameters", 1, test::Defaults<parameters::SysPara>(), parameters::SysParaFileText,
           parameters::ParseSysParaText),
      Kind("axis parameters", 2, test::Defaults<parameters::AxPara>(), parameters::AxParaFileText,
           parameters::ParseAxParaText)};
}

std::string Join(const Lines& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

// Replaces word `index` of `line` by what `edit` makes of it, and gives that back.
std::string EditWord(std::string& line, std::size_t index, const std::function<std::string(const std::string&)>& edit) {
  const std::string_view word = SplitWords(line)[index];
  const std::string edited = edit(std::string(word));
  line.replace(static_cast<std::size_t>(word.data() - line.data()), word.size(), edited);
  return edited;
}

// Edits of one value: what the word as written becomes (LOC and SFT values have a ".", parameters none).
const std::pair<const char*, std::string (*)(const std::string&)> kValueEdits[] = {
    {"a comma",
     [](const std::string& w) {
       const std::size_t point = w.find('.');
       return point == w.npos ? w + ",5" : w.substr(0, point) + "," + w.substr(point + 1);
     }},
    {"a decimal more", [](const std::string& w) { return w + (w.find('.') == w.npos ? ".5" : "5"); }},
    {"a letter", [](const std::string& w) { return w.substr(0, w.size() - 1) + "O"; }},
    {"an exponent", [](const std::string& w) { return w + "e1"; }},
    {"a plus", [](const std::string& w) { return "+" + w; }},
    {"beyond the range",
     [](const std::string& w) { return std::string(w.find('.') == w.npos ? "2147483648" : "167772.16"); }},
    {"a leading zero", [](const std::string& w) { return w.starts_with('-') ? "-0" + w.substr(1) : "0" + w; }},
    {"no digit after the point", [](const std::string& w) { return w.substr(0, w.find('.')) + "."; }},
    {"no digit before the point", [](const std::string& w) { return "." + w.substr(w.find('.') + 1); }},
    {"minus zero", [](const std::string&) { return std::string("-0"); }},
};

TEST(EditedFiles, EveryMistakeIsRefusedAtItsLineAndChangesNothing) {
  std::mt19937 rng(2026);
  for (const FileKind& kind : Kinds()) {
    const Lines lines = test::CrLfLines(kind.write(rng));
    std::string untouched;  // the fresh table, as a refused read must leave it
    ASSERT_TRUE(kind.read("", untouched).failed()) << kind.name;
    const int last = static_cast<int>(lines.size()) - 1;
    const std::size_t values = SplitWords(lines[0]).size() - kind.firstValue;
    std::uniform_int_distribution<int> anyLine(1, last - 1);
    std::uniform_int_distribution<std::size_t> anyValue(0, values - 1);
    for (const int k : {0, anyLine(rng), last}) {
      const auto at = static_cast<std::size_t>(k);
      // The edited text, the line (from 1) it must be refused at, and what the message names there.
      struct Case {
        std::string name, text;
        int line;
        std::string names;
      };
      std::vector<Case> cases;
      for (const auto& [name, edit] : kValueEdits) {
        Lines edited = lines;
        const std::size_t value = anyValue(rng);
        const std::string bad = EditWord(edited[at], kind.firstValue + value, edit);
        const std::string axis = values == 1 ? "" : std::to_string(value + 1) + "축: ";
        cases.push_back({name, Join(edited), k + 1, axis + bad + ":"});
      }
      const auto other = k == last ? at - 1 : at + 1;
      Lines swapped = lines, dropped = lines, doubled = lines;
      const std::string nameHere(SplitWords(lines[at])[0]), nameThere(SplitWords(lines[other])[0]);
      EditWord(swapped[at], 0, [&](const std::string&) { return nameThere; });
      EditWord(swapped[other], 0, [&](const std::string&) { return nameHere; });
      dropped.erase(dropped.begin() + k);
      doubled.insert(doubled.begin() + k, lines[at]);
      // Each message names the line that belongs at the refused line (the last one, past the end).
      auto nameOf = [&](std::size_t i) { return std::string(SplitWords(lines[std::min(i, lines.size() - 1)])[0]); };
      const std::size_t first = std::min(at, other);
      cases.push_back({"swapped row names", Join(swapped), static_cast<int>(first) + 1, nameOf(first)});
      cases.push_back({"a dropped line", Join(dropped), k + 1, nameOf(at)});
      cases.push_back({"a doubled line", Join(doubled), k + 2, nameOf(at + 1)});
      for (const Case& c : cases) {
        SCOPED_TRACE(std::string(kind.name) + ", line " + std::to_string(k + 1) + ": " + c.name);
        std::string after;
        const TextFault fault = kind.read(c.text, after);
        EXPECT_EQ(fault.line, c.line) << fault.message;
        EXPECT_NE(fault.message.find(c.names), std::string::npos) << fault.message;
        EXPECT_EQ(after, untouched);
      }
    }
  }
}

// Numbers with fewer decimals than written, and what editors and old tools add, read as the file written.
TEST(EditedFiles, HarmlessEditsReadAsWritten) {
  std::mt19937 rng(7);
  for (const FileKind& kind : Kinds()) {
    const std::string written = kind.write(rng);
    std::string spread;  // every blank a run of blanks and tabs, and more at both ends of each line
    for (const std::string& line : test::CrLfLines(written)) {
      spread += "\t ";
      for (char c : line) spread += c == ' ' ? (rng() % 2 ? " \t" : "   ") : std::string(1, c);
      spread += " \t\r\n";
    }
    std::string lf = written;
    for (std::size_t at; (at = lf.find("\r\n")) != lf.npos;) lf.erase(at, 1);
    // "1.50" as "1.5", "0.00" as "0", "-12.30" as "-12.3"
    const std::string shortened = std::regex_replace(written, std::regex(R"(\.00(?=[ \r])|(\.[0-9])0(?=[ \r]))"), "$1");
    for (const std::string& text : {spread, lf, "\xEF\xBB\xBF" + written, written.substr(0, written.size() - 2),
                                    written + "\r\n \t\r\n", written + "\x1A", shortened}) {
      std::string after;
      EXPECT_FALSE(kind.read(text, after).failed()) << kind.name << ": " << text.substr(0, 60);
      EXPECT_EQ(after, written) << kind.name;
    }
  }
}

// On the command line a refused file exits 3 with "FILE:LINE: what is wrong", and nothing is sent.
struct EditedFileCommands : test::CliRig {
  EditedFileCommands() : CliRig(3) { ctx.options.axes = 3; }
};

TEST_F(EditedFileCommands, RefusedFilesExit3AndSendNothing) {
  PositionTable loc(positions::kLocationLayout), sft(positions::kShiftLayout);
  loc[6][1] = 250;
  sft[4][2] = 100;
  auto edit = [](std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
  };
  const std::string locText = positions::FormatTableFile(loc);
  const std::string axText = parameters::AxParaFileText(test::Defaults<parameters::AxPara>());
  const struct {
    int (*run)(cli::Context&, const cli::Args&);
    cli::Args args;
    std::string text;
    std::string message;  // after "FILE:"
  } cases[] = {
      {cli::RunLoc, {"send", "all", "--file"}, edit(locText, "2.50", "2,50"), "7: 2축: 2,50: 쉼표가 있습니다"},
      {cli::RunSft,
       {"send", "all", "--file"},
       edit(positions::FormatTableFile(sft), "1.00", "200000.00"),
       "5: 3축: 200000.00: -167772.16 ~ 167772.15 범위를 벗어났습니다"},
      {cli::RunSysPara,
       {"send", "--file"},
       edit(parameters::SysParaFileText(test::Defaults<parameters::SysPara>()), " 1 ", "+1 "),
       "2: +1: 숫자 형식이 아닙니다 (12, -5처럼 쓰십시오)"},
      {cli::RunAxPara,
       {"send", "--file"},
       edit(axText, test::CrLfLines(axText)[1] + "\r\n", ""),
       "2: \"LOOP------ = \" 뒤에 정수 여섯 개가 있어야 합니다"},
  };
  for (const auto& c : cases) {
    const std::string file = path("edited.dat");
    write(file, c.text);
    cli::Args args = c.args;
    args.push_back(file);
    clear();
    EXPECT_EQ(c.run(ctx, args), cli::kExitFile) << c.message;
    EXPECT_EQ(sim.ui.texts(), std::vector<std::string>{file + ":" + c.message});
    EXPECT_EQ(sim.wire.text(), "") << c.message;
  }
}

}  // namespace
}  // namespace zova
