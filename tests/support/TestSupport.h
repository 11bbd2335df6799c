// Helpers shared by the test binaries.
#pragma once

#include <QString>

namespace TestSupport {
// The settings folder of this test run (a fresh temporary folder).
QString ConfigHome();
// Full path of Solitaire.ini in that folder.
QString SettingsFile();
// Removes every file from the settings folder.
void ClearSettings();
} // namespace TestSupport
