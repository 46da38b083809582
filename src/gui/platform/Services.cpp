#include "platform/Services.h"

SystemServices::SystemServices()
    : services_{clock_, messages_, tray_, trevik::SettingsFile::standard()} {}
