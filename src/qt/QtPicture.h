#pragma once

#include <QImage>
#include <QString>

#include "tesmo/Picture.h"

namespace tesmo {

// A picture decoded by Qt.
class QtPicture : public Picture::Data {
public:
    explicit QtPicture(QImage image) : image_(std::move(image)) {}
    int widthPixels() const override { return image_.width(); }
    int heightPixels() const override { return image_.height(); }
    const QImage& image() const { return image_; }

    static const QImage* ImageOf(const Picture& picture) {
        const auto* data = dynamic_cast<const QtPicture*>(picture.data());
        return data ? &data->image() : nullptr;
    }

private:
    QImage image_;
};

// The picture in a file; throws tesmo::Error 481 with the reason when Qt cannot decode it or
// it is too large to hold.
Picture LoadPictureFile(const QString& path);
// The picture of an image ("" for a null image).
Picture PictureOfImage(const QImage& image);

}  // namespace tesmo
