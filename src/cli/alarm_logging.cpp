// Controller errors into the alarm log.
#include "cli/alarm_logging.h"

#include <chrono>

#include "base/translation.h"
#include "console/error_text.h"
#include "recorder/recording.h"
#ifdef ZOVA_ALARM_LOG
#include "alarms/alarm_log.h"
#endif

namespace zova::cli {

void LogAlarm(Context& ctx, int code, int value, const std::string& recording) {
#ifdef ZOVA_ALARM_LOG
  static bool warned = false;
  const std::string port = ctx.options.port;
  std::unique_ptr<alarms::AlarmLog> log;
  std::optional<alarms::Alarm> newest;
  Outcome o = alarms::AlarmLog::Open(alarms::DefaultAlarmLogPath(), log);
  if (o) o = log->newest(port, newest);
  if (o && newest && newest->code == code && newest->value == value) return;
  const auto now = std::chrono::time_point_cast<recorder::Micros>(std::chrono::system_clock::now());
  if (o) o = log->add({recorder::UtcText(now), code, value, console::ErrorText(code, value), port, recording});
  if (!o && !warned) ctx.ui->note(Tr("the alarm log could not be written: {1}", {o.detail}));
  warned = warned || !o;
#else
  (void)ctx, (void)code, (void)value, (void)recording;
#endif
}

}  // namespace zova::cli
