#pragma once

#include <QString>

class QWidget;

namespace tesmo {

// Writes what `widget` shows to `path`: PNG, JPEG or BMP by the file's suffix, or a PDF
// page the size of the widget. The file records `dpi` (0: the screen's) and, as a raster
// image, has the widget's size at that resolution (scaled from the screen's pixels; a PDF
// holds the screen's pixels). False, and nothing left at `path`, when the file cannot be
// written.
bool ExportImage(QWidget& widget, const QString& path, int dpi);

}  // namespace tesmo
