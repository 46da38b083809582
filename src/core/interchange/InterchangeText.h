#pragma once

// The encoders and decoders on plain data, for whatever carries vCard or iCalendar text (a
// file, the clipboard's text/vcard and text/calendar).
#include "interchange/ICalendar.h"
#include "interchange/VCard.h"
