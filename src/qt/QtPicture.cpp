#include "qt/QtPicture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "qt/ImageEnds.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

constexpr int kInvalidPicture = 481;

[[noreturn]] void Refuse(const QString& reason) {
    throw Error(kInvalidPicture, reason.toStdString());
}

}  // namespace

Picture PictureOfImage(const QImage& image) {
    if (image.isNull()) return {};
    QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    // A picture is its pixels, one to a layout pixel, whatever screen an image came from.
    pixels.setDevicePixelRatio(1);
    return Picture(std::make_shared<QtPicture>(std::move(pixels)));
}

Picture LoadPictureFile(const QString& path) {
    QImageReader header(path);
    // Refused before decoding: a huge picture would take the memory and the time of minutes.
    const QSize size = header.size();
    const qint64 limitBytes = static_cast<qint64>(QImageReader::allocationLimit()) * 1024 * 1024;
    if (limitBytes > 0 && size.isValid() && static_cast<qint64>(size.width()) * size.height() * 4 > limitBytes)
        Refuse(QStringLiteral("the picture is too large (%1 x %2 pixels)").arg(size.width()).arg(size.height()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) Refuse(file.errorString());
    QByteArray data = file.readAll();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (CutOff(data, reader.format())) Refuse(QStringLiteral("the file is cut off"));
    const QImage image = reader.read();
    if (image.isNull()) Refuse(reader.errorString());
    return PictureOfImage(image);
}

}  // namespace tesmo
