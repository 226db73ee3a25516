// Icons loaded from the program's resources, as Qt shows them.
#pragma once

#include <QIcon>
#include <QImage>

#include "platform/Icon.h"

// The size of a full icon, as the system tells it (SM_CXICON) and an icon static shows it.
inline constexpr int kIconSize = 32;

// One image of an icon with its mask applied as transparency.
QImage IconImageToQImage(const IconImage& image);

// Every image of the icon, so that Qt picks the size it needs; null for no icon.
QIcon IconToQIcon(HICON icon);
