#include "platform/Services.h"

SystemServices::SystemServices()
    : services_{clock_, messages_, tray_, shell_, locale_, trevik::SettingsFile::standard()} {}
