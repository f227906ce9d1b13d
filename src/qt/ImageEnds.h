#pragma once

#include <QByteArray>

namespace tesmo {

// Qt decodes a cut-off BMP, JPEG or GIF into a picture whose missing part is blank, without
// an error: whether such a file is whole is told by walking its structure. Bytes after the
// end (a camera's trailer, padding) do not make a file cut off.
bool CutOff(const QByteArray& data, const QByteArray& format);

}  // namespace tesmo
