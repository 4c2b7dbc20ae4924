// Controller errors into the alarm log.
#include "cli/alarm_logging.h"

#include "base/translation.h"
#include "console/error_text.h"
#ifdef ZOVA_ALARM_LOG
#include "alarms/alarm_log.h"
#endif

namespace zova::cli {

void LogAlarm(Context& ctx, int code, int value, const std::string& recording) {
#ifdef ZOVA_ALARM_LOG
  static bool warned = false;
  const Outcome o = alarms::LogControllerError(
      alarms::DefaultAlarmLogPath(), {"", code, value, console::ErrorText(code, value), ctx.options.port, recording});
  if (!o && !warned) ctx.ui->note(Tr("the alarm log could not be written: {1}", {o.detail}));
  warned = warned || !o;
#else
  (void)ctx, (void)code, (void)value, (void)recording;
#endif
}

}  // namespace zova::cli
