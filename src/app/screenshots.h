// Saves a picture of every window, for the README and for checking the look under Xvfb.
#pragma once

#include <QString>

namespace zova::app {

// Returns the process exit status.
int SaveScreenshots(const QString& folder);

}  // namespace zova::app
