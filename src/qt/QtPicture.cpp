#include "qt/QtPicture.h"

#include <QImageReader>

#include "tesmo/Error.h"

namespace tesmo {
namespace {

constexpr int kInvalidPicture = 481;

}  // namespace

Picture PictureOfImage(const QImage& image) {
    if (image.isNull()) return {};
    return Picture(std::make_shared<QtPicture>(image.convertToFormat(QImage::Format_RGB32)));
}

Picture LoadPictureFile(const QString& path) {
    QImageReader reader(path);
    // Refused before decoding: a huge picture would take the memory and the time of minutes.
    const QSize size = reader.size();
    const qint64 limitBytes = static_cast<qint64>(QImageReader::allocationLimit()) * 1024 * 1024;
    if (size.isValid() && static_cast<qint64>(size.width()) * size.height() * 4 > limitBytes)
        throw Error(kInvalidPicture, QStringLiteral("the picture is too large (%1 x %2 pixels)")
                                         .arg(size.width())
                                         .arg(size.height())
                                         .toStdString());
    const QImage image = reader.read();
    if (image.isNull()) throw Error(kInvalidPicture, reader.errorString().toStdString());
    return PictureOfImage(image);
}

}  // namespace tesmo
