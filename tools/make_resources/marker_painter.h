// The last-move marker: 40 x 40 with premultiplied alpha, a half-transparent
// green disc of 16 pixels diameter in the centre.
#pragma once

#include <QImage>

// Format_ARGB32_Premultiplied.
QImage paintMarker();
