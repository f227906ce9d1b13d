#pragma once

#include <memory>

namespace tesmo {

// A background picture: an image decoded by the platform, or the empty picture.
// Copies share the same image.
class Picture {
public:
    // The platform's decoded image.
    class Data {
    public:
        virtual ~Data() = default;
        virtual int widthPixels() const = 0;
        virtual int heightPixels() const = 0;
    };

    Picture() = default;
    explicit Picture(std::shared_ptr<const Data> data) : data_(std::move(data)) {}

    bool isEmpty() const { return data_ == nullptr; }
    const Data* data() const { return data_.get(); }
    int widthPixels() const { return data_ ? data_->widthPixels() : 0; }
    int heightPixels() const { return data_ ? data_->heightPixels() : 0; }

    friend bool operator==(const Picture& a, const Picture& b) { return a.data_ == b.data_; }

private:
    std::shared_ptr<const Data> data_;
};

}  // namespace tesmo
