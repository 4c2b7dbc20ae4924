// Runs the window tests inside one QApplication on the offscreen platform, with a settings store of
// their own so the machine's stored serial settings cannot change what the windows do, and a data folder of
// their own so the alarms and recordings they make never reach the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  QTemporaryDir store;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
  qputenv("XDG_DATA_HOME", (store.path() + "/data").toUtf8());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
