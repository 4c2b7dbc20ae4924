// UTC times.
#include "base/utc_time.h"

#include <algorithm>
#include <cstdio>

namespace zova {

namespace {
bool Digits(std::string_view text, std::size_t at, std::size_t count, int& out) {
  if (at + count > text.size()) return false;
  out = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    out = out * 10 + (text[i] - '0');
  }
  return true;
}
}  // namespace

std::string UtcText(Utc t) {
  const auto day = std::chrono::floor<std::chrono::days>(t);
  const std::chrono::year_month_day ymd(day);
  const auto ms = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(t - day).count());
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%03dZ", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()), ms / 3600000, ms / 60000 % 60,
                ms / 1000 % 60, ms % 1000);
  return text;
}

bool ParseUtc(std::string_view text, Utc& out) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
  if (text.ends_with("+00:00"))
    text.remove_suffix(6);
  else if (text.ends_with('Z'))
    text.remove_suffix(1);
  else
    return false;
  if (text.size() != 23 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':' ||
      text[19] != '.' || !Digits(text, 0, 4, y) || !Digits(text, 5, 2, mo) || !Digits(text, 8, 2, d) ||
      !Digits(text, 11, 2, h) || !Digits(text, 14, 2, mi) || !Digits(text, 17, 2, s) || !Digits(text, 20, 3, ms) ||
      h > 23 || mi > 59 || s > 59) {
    return false;
  }
  const std::chrono::year_month_day ymd{std::chrono::year(y), std::chrono::month(static_cast<unsigned>(mo)),
                                        std::chrono::day(static_cast<unsigned>(d))};
  if (!ymd.ok()) return false;
  out = std::chrono::sys_days(ymd) + std::chrono::hours(h) + std::chrono::minutes(mi) + std::chrono::seconds(s) +
        std::chrono::milliseconds(ms);
  return true;
}

std::string UtcStamp(std::chrono::system_clock::time_point t) {
  std::string text = UtcText(std::chrono::floor<std::chrono::seconds>(t));  // 2026-12-07T22:30:01.000Z
  text.erase(std::remove(text.begin(), text.end(), ':'), text.end());
  return text.erase(text.size() - 5, 4);  // the milliseconds
}

}  // namespace zova
