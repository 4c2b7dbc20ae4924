// Controller errors into the alarm log.
#include "app/desktop_alarms.h"

#include "app/session.h"
#include "app/widgets/window_util.h"
#include "base/translation.h"
#include "console/error_text.h"
#ifdef ZOVA_ALARM_LOG
#include "alarms/alarm_log.h"
#endif

namespace zova::app {

void LogDesktopAlarm(Session& session, int code, int value, const std::string& recording) {
#ifdef ZOVA_ALARM_LOG
  const Outcome o =
      alarms::LogControllerError(alarms::DefaultAlarmLogPath(),
                                 {"", code, value, console::ErrorText(code, value), session.port.name(), recording});
  if (!o) session.activity.setResult(Qs(Tr("the alarm log could not be written: {1}", {o.detail})));
#else
  (void)session, (void)code, (void)value, (void)recording;
#endif
}

}  // namespace zova::app
