#include "qt/QtPicture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "tesmo/Error.h"

namespace tesmo {
namespace {

constexpr int kInvalidPicture = 481;

[[noreturn]] void Refuse(const QString& reason) {
    throw Error(kInvalidPicture, reason.toStdString());
}

// Qt decodes a cut-off BMP, JPEG or GIF into a picture whose missing part is blank, without
// an error: those files are told by their own ends.
bool CutOff(const QByteArray& data, const QByteArray& format) {
    if (format == "bmp") {
        // The header gives the file's size (0 in some files, which then tell nothing).
        if (data.size() < 6) return true;
        const auto byte = [&](int i) { return static_cast<quint32>(static_cast<uchar>(data[i])); };
        const quint32 size = byte(2) | byte(3) << 8 | byte(4) << 16 | byte(5) << 24;
        return static_cast<quint64>(data.size()) < size;
    }
    // The end-of-image marker, and the trailer of a GIF, near the end of the file.
    if (format == "jpeg") return !data.right(1024).contains("\xFF\xD9");
    if (format == "gif") return !data.right(16).contains(';');
    return false;
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
