// zovactl record and alarms: the signal recorder for unattended captures, and the alarm log.
#include <cerrno>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <utility>

#include "base/atomic_file.h"
#include "base/text_lines.h"
#include "base/translation.h"
#include "cli/alarm_logging.h"
#include "cli/commands.h"
#include "link/link.h"
#include "recorder/recorder.h"
#include "recorder/recording_file.h"
#include "zova/version.h"
#ifdef ZOVA_ALARM_LOG
#include "alarms/alarm_log.h"
#endif

namespace zova::cli {

namespace {

using recorder::Micros;

constexpr const char* kRecordUsage =
    "record [--signals LIST] [--interval MS] [--for DURATION] [--trigger T] [--pre S] [--post S] --out FILE";
constexpr auto kNoteEvery = std::chrono::seconds(10);

struct RecordRequest {
  recorder::SignalSet set;
  recorder::RecorderSettings settings;
  std::optional<Micros> duration;
  std::string out;
  recorder::FileForm form = recorder::FileForm::Csv;
};

// "30s", "10m", "8h".
bool ParseDuration(const std::string& text, Micros& out) {
  int n = 0;
  if (text.size() < 2 || !ParseInt(text.substr(0, text.size() - 1), n) || n < 1) return false;
  const char unit = text.back();
  if (unit != 's' && unit != 'm' && unit != 'h') return false;
  out = std::chrono::seconds(n) * (unit == 's' ? 1 : unit == 'm' ? 60 : 3600);
  return true;
}

// Seconds with up to three decimals, 0 to an hour.
bool ParseSeconds(const std::string& text, Micros& out) {
  long long ms = 0;
  if (!ReadFixedDecimal(text, 3, 0, 3'600'000, ms)) return false;
  out = std::chrono::milliseconds(ms);
  return true;
}

int ReadRecordRequest(Context& ctx, const Args& args, RecordRequest& r) {
  std::optional<std::string> signals, interval, duration, trigger, pre, post, out;
  Args words;
  if (!ReadArgs(args,
                {{"--signals", &signals},
                 {"--interval", &interval},
                 {"--for", &duration},
                 {"--trigger", &trigger},
                 {"--pre", &pre},
                 {"--post", &post},
                 {"--out", &out}},
                words) ||
      !words.empty() || !out) {
    ctx.ui->messageBox(Tr("usage: zovactl {1}", {kRecordUsage}));
    return kExitUsage;
  }
  r.out = *out;
  std::string error;
  int ms = 0;
  Micros span{};
  if (!recorder::FormOfName(r.out, r.form)) return ctx.refuse(Tr("{1}: the name must end in .csv or .vcd", {r.out}));
  const bool axesNamed = !signals || signals->empty() || signals->find("sensors") != std::string::npos ||
                         signals->find("positions") != std::string::npos;
  if (axesNamed && !ctx.requireAxes()) return kExitUsage;
  if (!recorder::ParseSignalList(signals.value_or(""), ctx.options.axes == 0 ? 1 : ctx.options.axes, r.set, error)) {
    return ctx.refuse(error);
  }
  if (interval && (!ParseInt(*interval, ms) || ms < 10 || ms > 3'600'000)) {
    return ctx.refuse(Tr("{1}: expected milliseconds from 10 to 3600000", {"--interval"}));
  }
  if (interval) r.settings.interval = std::chrono::milliseconds(ms);
  if (duration && !ParseDuration(*duration, span))
    return ctx.refuse(Tr("{1}: expected a time such as 30s, 10m or 8h", {"--for"}));
  if (duration) r.duration = span;
  for (auto [name, text, field] :
       {std::tuple("--pre", &pre, &r.settings.pre), std::tuple("--post", &post, &r.settings.post)}) {
    if (*text && !ParseSeconds(**text, *field)) return ctx.refuse(Tr("{1}: expected seconds from 0 to 3600", {name}));
  }
  if (trigger) {
    recorder::Trigger t;
    if (!recorder::ParseTrigger(*trigger, r.set, t, error)) return ctx.refuse(error);
    r.settings.trigger = t;
    r.settings.keep = r.settings.pre + r.settings.post + std::chrono::seconds(1);
  } else {
    r.settings.keep = std::chrono::seconds(1);  // the samples go to the file as they come
  }
  return kExitOk;
}

int CheckRecord(Context& ctx, const Args& args) {
  RecordRequest r;
  return ReadRecordRequest(ctx, args, r);
}

// Every new error the recording reads goes to the alarm log, with the file it went into.
class AlarmKeeper {
 public:
  AlarmKeeper(Context& ctx, std::string recording) : ctx_(ctx), recording_(std::move(recording)) {}
  void see(const recorder::Sample& s) {
    const bool fresh = s.errorCode != 0 && (s.errorCode != lastCode_ || s.errorValue != lastValue_);
    lastCode_ = s.errorCode;
    lastValue_ = s.errorValue;
    if (fresh) LogAlarm(ctx_, s.errorCode, s.errorValue, recording_);
  }

 private:
  Context& ctx_;
  std::string recording_;
  int lastCode_ = 0;
  int lastValue_ = 0;
};

// A streamed recording grows beside its name (".NAME.zova-partial") and takes the name only once complete.
class PartialFile {
 public:
  explicit PartialFile(const std::string& target)
      : target_(target),
        partial_((target_.parent_path() / ("." + target_.filename().string() + ".zova-partial")).string()),
        file_(OpenForWriting(partial_)),
        error_(file_ == nullptr ? std::strerror(errno) : "") {}
  ~PartialFile() {
    if (file_ != nullptr) std::fclose(file_);
  }
  PartialFile(const PartialFile&) = delete;
  PartialFile& operator=(const PartialFile&) = delete;
  [[nodiscard]] const std::string& error() const { return error_; }
  [[nodiscard]] const std::string& path() const { return partial_; }
  void write(const std::string& text) {
    if (error_.empty() && std::fputs(text.c_str(), file_) < 0) error_ = std::strerror(errno);
  }
  // Closes the file and gives it the target's name; false with error() set, and no partial file left.
  bool finish() {
    if (std::fclose(std::exchange(file_, nullptr)) != 0 && error_.empty()) error_ = std::strerror(errno);
    std::error_code ec;
    if (error_.empty()) std::filesystem::rename(partial_, target_, ec);
    if (ec) error_ = ec.message();
    if (!error_.empty()) std::filesystem::remove(partial_, ec);
    return error_.empty();
  }

 private:
  std::filesystem::path target_;
  std::string partial_;
  std::FILE* file_;
  std::string error_;
};

// Takes samples until the time is up, the operator stops, the link fails or the trigger's window is complete;
// each new ring entry goes to `onEntry`. Returns the link's failure, if any.
Outcome RecordUntilDone(Context& ctx, const RecordRequest& r, recorder::Recorder& rec, AlarmKeeper& alarms,
                        const std::function<void(const recorder::Sample&)>& onEntry,
                        std::optional<recorder::Capture>& capture) {
  Clock& clock = ctx.link->clock();
  const TimePoint began = clock.now();
  TimePoint lastNote = began;
  std::size_t handed = 0;
  for (;;) {
    const Micros now = std::chrono::duration_cast<Micros>(clock.now() - began);
    if (ctx.ui->cancelRequested() || (r.duration && now >= *r.duration)) return {};
    if (const Outcome o = rec.turn(now); !o && o != Outcome::Busy) return o;
    const recorder::SampleRing& ring = rec.ring();
    for (; handed < rec.kept(); ++handed) onEntry(ring[ring.size() - (rec.kept() - handed)]);
    if (const recorder::Sample* last = rec.last()) alarms.see(*last);
    if (std::vector<recorder::Capture> done = rec.takeCaptures(); !done.empty()) {
      capture = done.front();
      return {};
    }
    if (clock.now() - lastNote >= kNoteEvery) {
      lastNote = clock.now();
      ctx.ui->note(Tr("recorded {1} samples in {2} s",
                      {std::to_string(rec.samplesTaken()),
                       std::to_string(std::chrono::duration_cast<std::chrono::seconds>(now).count())}));
    }
    const Micros wait = rec.nextDue() - now;
    if (wait > Micros::zero()) clock.sleepFor(std::min<Duration>(wait, milliseconds(100)));
  }
}

// The trigger's window, or at a stop before any trigger the last --pre seconds, saved whole.
bool SaveCapture(Context& ctx, const RecordRequest& r, recorder::Recorder& rec, recorder::Utc start,
                 std::optional<recorder::Capture> capture) {
  if (!capture) capture = rec.finish();
  const recorder::SampleRing& ring = rec.ring();
  const Micros end = ring.size() > 0 ? ring[ring.size() - 1].at : Micros{};
  if (!capture) capture = recorder::Capture{.at = end, .from = end - r.settings.pre, .to = end, .cause = "stop"};
  const std::string text =
      recorder::RecordingText(recorder::CaptureRecording(ring, r.set, start, *capture), r.form, VersionNumber());
  std::string error;
  if (SaveFileAtomically(r.out, text, error)) return true;
  ctx.ui->messageBox(FormatFileFault(r.out, error));
  return false;
}

int RunRecord(Context& ctx, const Args& args) {
  RecordRequest r;
  if (const int refused = ReadRecordRequest(ctx, args, r); refused != kExitOk) return refused;
  const recorder::Utc start = std::chrono::time_point_cast<Micros>(std::chrono::system_clock::now());
  recorder::Recorder rec(*ctx.link, r.set, r.settings);
  recorder::RecordingWriter writer(r.form, r.set, start, VersionNumber());
  std::optional<PartialFile> stream;
  if (!r.settings.trigger) {
    stream.emplace(r.out);
    if (!stream->error().empty()) {
      ctx.ui->messageBox(FormatFileFault(stream->path(), stream->error()));
      return kExitFile;
    }
    stream->write(writer.header());
  }
  AlarmKeeper alarms(ctx, r.settings.trigger ? r.out : "");
  std::optional<recorder::Capture> capture;
  const Outcome failed = RecordUntilDone(
      ctx, r, rec, alarms,
      [&](const recorder::Sample& s) {
        if (stream) stream->write(writer.sample(s));
      },
      capture);
  if (stream && !stream->finish()) {
    ctx.ui->messageBox(FormatFileFault(r.out, stream->error()));
    return kExitFile;
  }
  if (!stream && !SaveCapture(ctx, r, rec, start, capture)) return kExitFile;
  ctx.ui->note(Tr("{1}: {2} samples", {r.out, std::to_string(rec.samplesTaken())}));
  if (!failed) return kExitLink;
  return ctx.ui->cancelRequested() ? kExitInterrupted : kExitOk;
}

int RunAlarms(Context& ctx, const Args& args) {
  std::optional<std::string> since;
  Args words;
  Args rest;
  bool csv = false;
  for (const std::string& a : args) {
    if (a == "--csv") {
      csv = true;
    } else {
      rest.push_back(a);
    }
  }
  if (!ReadArgs(rest, {{"--since", &since}}, words) || !words.empty()) {
    ctx.ui->messageBox(Tr("usage: zovactl {1}", {"alarms [--since DATE] [--csv]"}));
    return kExitUsage;
  }
  recorder::Utc ignored;
  if (since && !(since->size() == 10 && recorder::ParseUtc(*since + "T00:00:00.000Z", ignored)) &&
      !recorder::ParseUtc(*since, ignored)) {
    return ctx.refuse(
        Tr("{1}: expected a date such as 2026-12-07 or a time such as 2026-12-07T22:30:01.123Z", {*since}));
  }
#ifdef ZOVA_ALARM_LOG
  std::unique_ptr<alarms::AlarmLog> log;
  std::vector<alarms::Alarm> list;
  const std::string path = alarms::DefaultAlarmLogPath();
  Outcome o = std::filesystem::exists(path) ? alarms::AlarmLog::Open(path, log) : Outcome{};
  if (o && log) o = log->list(since.value_or(""), list);
  if (!o) {
    ctx.ui->messageBox(FormatFileFault(path, o.detail));
    return kExitFile;
  }
  std::string text = csv ? alarms::AlarmsCsv(list) : "";
  for (const alarms::Alarm& a : csv ? std::vector<alarms::Alarm>{} : list) {
    text += a.utc + "\t" + std::to_string(a.code) + "\t" + std::to_string(a.value) + "\t" + a.text + "\t" + a.port +
            "\t" + a.recording + "\n";
  }
  std::fputs(text.c_str(), ctx.out);
  return kExitOk;
#else
  (void)csv;
  ctx.ui->messageBox(Tr("this build has no alarm log"));
  return kExitFile;
#endif
}

const Command kCommands[] = {
    Command{.name = "record",
            .synopsis = kRecordUsage,
            .help = TrMark("sample the chosen signals while the link is idle into FILE (.csv or .vcd); LIST of in, "
                           "out, in0-15, out10, sensors, positions, error (default all, which needs --axes); "
                           "--interval from 10 ms (default as fast as the line allows); --for such as 30s, 10m, 8h "
                           "(default until stopped); with --trigger error, in3:rise, out12:fall or axis1:above:12.5 "
                           "only --pre seconds before and --post seconds after the first trigger are written "
                           "(defaults 60 and 10); Ctrl-C ends it with a complete file (exit 130), a failed link with "
                           "the samples so far (exit 1)"),
            .run = RunRecord,
            .check = CheckRecord,
            .needsPort = true},
    Command{.name = "alarms",
            .synopsis = "alarms [--since DATE] [--csv]",
            .help = TrMark("print the alarm log, newest first: time, code, value, text, port and recording, "
                           "separated by tabs, or as CSV"),
            .run = RunAlarms},
};

}  // namespace

std::span<const Command> RecordCommands() { return kCommands; }

}  // namespace zova::cli
