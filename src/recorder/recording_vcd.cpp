// Recordings as IEEE 1364 value change dumps.
#include <algorithm>
#include <bitset>
#include <charconv>
#include <climits>
#include <map>

#include "base/translation.h"
#include "recorder/recording_file.h"
#include "recorder/value_reading.h"

namespace zova::recorder {

namespace {

constexpr std::string_view kSampling = "sampling";

// Identifiers of printable characters, '!' first, as short as the count allows.
std::string Identifier(std::size_t n) {
  std::string id;
  do {
    id += static_cast<char>('!' + n % 94);
    n /= 94;
  } while (n > 0);
  return id;
}

std::string VcdValue(const Sample& s, Signal signal, const std::string& id) {
  if (IsBit(signal)) return ValueText(s, signal) + id;
  if (IsPosition(signal)) return "r" + ValueText(s, signal) + " " + id;
  const auto word = static_cast<std::uint32_t>(std::stoll(ValueText(s, signal)));
  std::string bits = std::bitset<32>(word).to_string();
  bits.erase(0, std::min(bits.find('1'), bits.size() - 1));
  return "b" + bits + " " + id;
}

}  // namespace

std::string VcdName(Signal s) {
  std::string name = SignalName(s);
  std::replace(name.begin(), name.end(), ' ', '_');
  return name;
}

RecordingWriter::RecordingWriter(FileForm form, SignalSet set, Utc start, std::string_view version)
    : form_(form), set_(std::move(set)), start_(start), version_(version), last_(set_.list.size()) {}

std::string RecordingWriter::header() const {
  if (form_ == FileForm::Csv) {
    std::string text = "time";
    for (Signal s : set_.list) text += "," + SignalName(s);
    return text + "\r\n";
  }
  std::string text = "$date\n  " + UtcText(start_) + "\n$end\n$version\n  zova " + version_ +
                     "\n$end\n$timescale 1 us $end\n$scope module zova $end\n";
  text += "$var wire 1 " + Identifier(0) + " " + std::string(kSampling) + " $end\n";
  for (std::size_t i = 0; i < set_.list.size(); ++i) {
    const Signal s = set_.list[i];
    const char* type = IsBit(s) ? "wire 1" : IsPosition(s) ? "real 64" : "wire 32";
    text += "$var " + std::string(type) + " " + Identifier(i + 1) + " " + VcdName(s) + " $end\n";
  }
  return text + "$upscope $end\n$enddefinitions $end\n";
}

std::string RecordingWriter::sample(const Sample& s) {
  if (form_ == FileForm::Csv) {
    // One buffer for the whole row: at full rate this runs for every sample taken.
    std::string row = UtcText(start_ + s.at);
    row.reserve(row.size() + 12 * set_.list.size() + 2);
    if (s.gap) {
      row.append(set_.list.size(), ',');
    } else {
      for (Signal signal : set_.list) {
        row += ',';
        AppendValueText(row, s, signal);
      }
    }
    row += "\r\n";
    return row;
  }
  std::string text = "#" + std::to_string(s.at.count()) + "\n";
  if (sampling_ != (s.gap ? 0 : 1)) text += (s.gap ? "0" : "1") + Identifier(0) + "\n";
  sampling_ = s.gap ? 0 : 1;
  if (s.gap) return text;
  for (std::size_t i = 0; i < set_.list.size(); ++i) {
    std::string change = VcdValue(s, set_.list[i], Identifier(i + 1));
    if (change != last_[i]) text += change + "\n";
    last_[i] = std::move(change);
  }
  return text;
}

std::string RecordingText(const Recording& r, FileForm form, std::string_view version) {
  RecordingWriter writer(form, r.set, r.start, version);
  std::string text = writer.header();
  for (const Sample& s : r.samples) text += writer.sample(s);
  return text;
}

namespace {

struct Word {
  std::string_view text;
  int line;
};

bool SignalByVcdName(std::string_view name, Signal& out) { return SignalByName(name, out, VcdName); }

std::vector<Word> Words(const std::vector<TextLine>& lines) {
  std::vector<Word> words;
  for (const TextLine& line : lines) {
    for (std::string_view w : SplitWords(line.text)) words.push_back({w, line.number});
  }
  return words;
}

}  // namespace

namespace {

// Reads a VCD of this program's form word by word: the header, then the value changes.
class VcdReader {
 public:
  explicit VcdReader(const std::vector<TextLine>& lines) : words_(Words(lines)) {}

  TextFault read(Recording& out) {
    TextFault fault = header();
    for (++i_; !fault.failed() && i_ < words_.size(); ++i_) fault = change();
    if (fault.failed()) return fault;
    flush();
    out = std::move(r_);
    return {};
  }

 private:
  // The words after i_ up to the next $end, which i_ is left on.
  std::vector<std::string_view> section() {
    std::vector<std::string_view> body;
    for (++i_; i_ < words_.size() && words_[i_].text != "$end"; ++i_) body.push_back(words_[i_].text);
    return body;
  }

  // $date, $timescale and $var matter; $version, $comment, $scope and $upscope are passed over.
  TextFault header() {
    bool dated = false;
    for (; i_ < words_.size() && words_[i_].text != "$enddefinitions"; ++i_) {
      const Word w = words_[i_];
      const std::vector<std::string_view> body = section();
      if (i_ >= words_.size()) return {w.line, Tr("{1} has no $end", {std::string(w.text)})};
      if (w.text == "$date") {
        dated = body.size() == 1 && ParseUtc(body[0], r_.start);
        if (!dated) return {w.line, Tr("$date is not a UTC time such as 2026-12-07T22:30:01.123Z")};
      } else if (w.text == "$timescale") {
        if (body != std::vector<std::string_view>{"1", "us"} && body != std::vector<std::string_view>{"1us"}) {
          return {w.line, Tr("the time scale is not 1 us")};
        }
      } else if (w.text == "$var") {
        if (TextFault fault = variable(body); fault.failed()) return {w.line, fault.message};
      } else if (w.text != "$version" && w.text != "$comment" && w.text != "$scope" && w.text != "$upscope") {
        return {w.line, Tr("{1}: not a section of this program's files", {std::string(w.text)})};
      }
    }
    if (i_ >= words_.size()) return {0, Tr("the file has no $enddefinitions")};
    const int line = words_[i_].line;
    if (!dated || samplingId_.empty()) return {line, Tr("the header has no $date or no sampling wire")};
    TextFault fault = SignalsNamed(names_, 1, SignalByVcdName, r_.set);
    if (fault.failed()) return {line, fault.message};
    section();  // $enddefinitions $end
    return {};
  }

  // "$var TYPE SIZE ID NAME": the sampling wire or one of this program's signals in its own type.
  TextFault variable(const std::vector<std::string_view>& body) {
    if (body.size() != 4) return {0, Tr("$var needs a type, a size, an identifier and a name")};
    Signal s{};
    const bool sampling = body[3] == kSampling && body[0] == "wire" && body[1] == "1";
    if (!sampling && !SignalByVcdName(body[3], s)) {
      return {0, Tr("{1}: not a signal of this program", {std::string(body[3])})};
    }
    const char* type = IsPosition(s) ? "real" : "wire";
    const char* size = IsBit(s) ? "1" : IsPosition(s) ? "64" : "32";
    if (!sampling && (body[0] != type || body[1] != size)) {
      return {0, Tr("{1} is not a {2} of {3} bits", {std::string(body[3]), type, size})};
    }
    if (byId_.count(body[2]) != 0 || body[2] == samplingId_) {
      return {0, Tr("{1} is named twice", {std::string(body[2])})};
    }
    if (sampling) {
      samplingId_ = body[2];
    } else {
      byId_[std::string(body[2])] = s;
      names_.push_back(body[3]);
    }
    return {};
  }

  // A time ("#N") or one value change ("0!", "b101 #", "r1.50 $").
  TextFault change() {
    const Word w = words_[i_];
    const std::string_view t = w.text;
    if (t == "$dumpvars" || t == "$end") return {};
    if (t.starts_with('#')) return time(w);
    if (!open_) return {w.line, Tr("a value before the first time")};
    const bool vector = t[0] == 'b' || t[0] == 'r';
    if (vector && ++i_ >= words_.size()) return {w.line, Tr("{1} names no signal", {std::string(t)})};
    const std::string_view value = vector ? t.substr(1) : t.substr(0, 1);
    const std::string_view id = vector ? words_[i_].text : t.substr(1);
    if (id == samplingId_) {
      if (value != "0" && value != "1") return {w.line, Tr("sampling is not 0 or 1")};
      current_.gap = value == "0";
      return {};
    }
    const auto found = byId_.find(id);
    if (found == byId_.end()) return {w.line, Tr("{1}: no signal has this identifier", {std::string(id)})};
    const Signal s = found->second;
    long long raw = 0;
    bool ok = false;
    if (IsPosition(s)) {
      ok = t[0] == 'r' && ReadFixedDecimal(value, 2, INT32_MIN, INT32_MAX, raw);
    } else if (IsBit(s)) {
      ok = !vector && (value == "0" || value == "1");
      raw = value == "1";
    } else if (t[0] == 'b' && !value.empty() && value.size() <= 32 &&
               value.find_first_not_of("01") == std::string_view::npos) {
      ok = true;
      for (char c : value) raw = raw * 2 + (c - '0');
      if (s.group == Group::Error) raw = static_cast<std::int32_t>(static_cast<std::uint32_t>(raw));
    }
    if (!ok) return {w.line, Tr("{1}: {2} is not a value of this signal", {SignalName(s), std::string(t)})};
    Store(current_, s, raw);
    return {};
  }

  TextFault time(const Word& w) {
    long long at = 0;
    const std::string_view t = w.text;
    const auto [end, ec] = std::from_chars(t.data() + 1, t.data() + t.size(), at);
    if (ec != std::errc() || end != t.data() + t.size() || at < 0)
      return {w.line, Tr("{1}: not a time", {std::string(t)})};
    if (open_ && Micros(at) < current_.at) return {w.line, Tr("the time goes back")};
    flush();
    current_.at = Micros(at);
    open_ = true;
    return {};
  }

  // Stores the sample of the last time; a gap keeps no values: the ones before it hold on after it.
  void flush() {
    if (open_) r_.samples.push_back(current_.gap ? Sample{.at = current_.at, .gap = true} : current_);
    open_ = false;
  }

  std::vector<Word> words_;
  std::size_t i_ = 0;
  Recording r_;
  std::map<std::string, Signal, std::less<>> byId_;
  std::string samplingId_;
  std::vector<std::string_view> names_{""};
  Sample current_;
  bool open_ = false;  // a time was given and its sample is not stored yet
};

}  // namespace

TextFault ReadVcd(const std::vector<TextLine>& lines, Recording& out) { return VcdReader(lines).read(out); }

}  // namespace zova::recorder
