// The simulated controller's memory file.
#include "sim/state_file.h"

#include <charconv>
#include <sstream>

#include "base/atomic_file.h"
#include "base/translation.h"

namespace zova::sim {

namespace {

constexpr std::string_view kHeader = "ZOVASIM STATE 1";
// Every program full and every row set: well below this.
constexpr std::size_t kStateMaxBytes = 16 << 20;

std::string Hex(const std::vector<std::uint8_t>& bytes, std::size_t count) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  if (count == 0) return "-";
  std::string out;
  for (std::size_t i = 0; i < count; ++i) {
    out += kDigits[bytes[i] >> 4];
    out += kDigits[bytes[i] & 0x0F];
  }
  return out;
}

bool FromHex(std::string_view text, std::vector<std::uint8_t>& out) {
  out.clear();
  if (text == "-") return true;
  if (text.size() % 2 != 0) return false;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    unsigned value = 0;
    auto [end, ec] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
    if (ec != std::errc() || end != text.data() + i + 2) return false;
    out.push_back(static_cast<std::uint8_t>(value));
  }
  return true;
}

template <typename Values>
void PutValues(std::ostringstream& out, const Values& values) {
  for (std::int32_t v : values) out << ' ' << v;
  out << '\n';
}

template <typename Values>
bool ReadValues(std::istringstream& in, Values& values) {
  for (std::int32_t& v : values) {
    if (!(in >> v)) return false;
  }
  return true;
}

void PutRows(std::ostringstream& out, const char* name, const std::vector<StoredPosition>& rows) {
  for (std::size_t n = 0; n < rows.size(); ++n) {
    if (rows[n] == StoredPosition{}) continue;
    out << name << ' ' << n;
    PutValues(out, rows[n]);
  }
}

}  // namespace

std::string StateText(const Controller& c) {
  std::ostringstream out;
  out << kHeader << "\naxes " << c.machine.axes << "\nsystem";
  PutValues(out, c.machine.parameters.system);
  for (std::size_t a = 0; a < c.machine.parameters.axis.size(); ++a) {
    out << "axis " << a + 1;
    PutValues(out, c.machine.parameters.axis[a]);
  }
  PutRows(out, "loc", c.positions.locations);
  PutRows(out, "sft", c.positions.shifts);
  for (std::size_t n = 0; n < c.programs.programs.size(); ++n) {
    const StoredProgram& p = c.programs.programs[n];
    if (p.block.empty()) continue;
    // Comment blocks are mostly empty rows: only the part up to the last byte that is not 0 is kept.
    std::size_t used = p.comments.size();
    while (used > 0 && p.comments[used - 1] == 0) --used;
    out << "program " << n << ' ' << Hex(p.block, p.block.size()) << ' ' << Hex(p.comments, used) << '\n';
  }
  return out.str();
}

bool LoadStateText(std::string_view text, Controller& c, std::string& error) {
  std::istringstream in{std::string(text)};
  std::string line;
  if (!std::getline(in, line) || line != kHeader) {
    error = Tr("not a simulator state file (no \"{1}\" line)", {kHeader});
    return false;
  }
  int axes = c.machine.axes;
  ParameterStore parameters;
  PositionStore positions;
  ProgramMemory programs;
  for (int number = 2; std::getline(in, line); ++number) {
    std::istringstream fields(line);
    std::string key;
    if (!(fields >> key)) continue;
    std::size_t index = 0;
    bool ok = true;
    if (key == "axes") {
      ok = static_cast<bool>(fields >> axes) && axes >= 1 && axes <= kMaxAxes;
    } else if (key == "system") {
      ok = ReadValues(fields, parameters.system);
    } else if (key == "axis") {
      ok = (fields >> index) && index >= 1 && index <= parameters.axis.size() &&
           ReadValues(fields, parameters.axis[index - 1]);
    } else if (key == "loc" || key == "sft") {
      auto& rows = key == "loc" ? positions.locations : positions.shifts;
      ok = (fields >> index) && index < rows.size() && ReadValues(fields, rows[index]);
    } else if (key == "program") {
      std::string block;
      std::string comments;
      ok = (fields >> index >> block >> comments) && index < programs.programs.size();
      StoredProgram& p = programs.programs[ok ? index : 0];
      ok = ok && FromHex(block, p.block) && FromHex(comments, p.comments) && p.block.size() == kProgramBlockBytes &&
           p.comments.size() <= kCommentBlockBytes;
      p.comments.resize(kCommentBlockBytes, 0);
    } else {
      ok = false;
    }
    std::string rest;
    if (!ok || (fields >> rest)) {
      error = Tr("line {1} is not understood: {2}", {std::to_string(number), line.substr(0, 60)});
      return false;
    }
  }
  c.machine.axes = axes;
  c.machine.parameters = parameters;
  c.positions = std::move(positions);
  c.programs = std::move(programs);
  return true;
}

StateKeeper::StateKeeper(Controller& controller, std::string path, Duration interval)
    : controller_(controller), path_(std::move(path)), interval_(interval) {}

StateKeeper::~StateKeeper() {
  controller_.memoryChanged = nullptr;
  std::string ignored;
  (void)flush(ignored);
}

bool StateKeeper::start(std::string& error) {
  std::string text;
  if (ReadWholeFile(path_, kStateMaxBytes, text, error)) {
    if (!LoadStateText(text, controller_, error)) {
      error = path_ + ": " + error;
      return false;
    }
  } else if (!SaveFileAtomically(path_, StateText(controller_), error)) {
    error = path_ + ": " + error;
    return false;
  }
  lastSave_ = controller_.now();
  controller_.memoryChanged = [this] {
    dirty_ = true;
    std::string ignored;  // a save that fails now is tried again, and reported, at the next tick
    (void)tick(ignored);
  };
  return true;
}

bool StateKeeper::tick(std::string& error) {
  if (!dirty_ || controller_.now() - lastSave_ < interval_) return true;
  return flush(error);
}

bool StateKeeper::flush(std::string& error) {
  if (!dirty_) return true;
  if (!SaveFileAtomically(path_, StateText(controller_), error)) {
    error = path_ + ": " + error;
    return false;
  }
  dirty_ = false;
  lastSave_ = controller_.now();
  ++saves_;
  return true;
}

}  // namespace zova::sim
