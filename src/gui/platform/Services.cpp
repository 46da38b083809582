#include "platform/Services.h"

SystemServices::SystemServices()
    : services_{clock_, messages_, tray_,   shell_,
                files_, sounds_,   locale_, trevik::SettingsFile::standard()} {}
