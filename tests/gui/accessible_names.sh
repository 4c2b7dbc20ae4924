#!/bin/sh
# Runs the window tests' AccessibleNames case (test_gui, argument 1) with the reader script (argument 2)
# under an X server and a D-Bus session of their own, with Qt's accessibility on. Exit 77 (skipped) where
# a tool is missing or the case skipped.
skip() {
  echo "accessible names: skipped: $1 (scripts/install-deps installs it)"
  exit 77
}
for tool in xvfb-run dbus-run-session; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
python=""
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then
    python=$candidate
    break
  fi
done
[ -n "$python" ] || skip "python3-pyatspi is not installed"
out=$(mktemp)
xvfb-run -a -s "-screen 0 1600x1200x24" dbus-run-session -- \
  env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb ZOVA_ATSPI_PYTHON="$python" ZOVA_ATSPI_READER="$2" \
  "$1" --gtest_filter=AccessibleNames.EveryFocusableControlHasAName >"$out" 2>&1
cat "$out"
status=1
grep -q "^\[  PASSED  \] 1 test" "$out" && status=0
grep -q "^\[  SKIPPED \] 1 test" "$out" && status=77
rm -f "$out"
exit $status
