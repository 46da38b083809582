#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, drawn at run time so no image files need shipping.
QIcon trevikIcon();
QPixmap splashPicture();
