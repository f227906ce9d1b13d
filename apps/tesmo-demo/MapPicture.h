#pragma once

#include <QImage>

// The demo's background: a small drawn map of a coast, a river, hills and three towns.
QImage DrawMapPicture();
