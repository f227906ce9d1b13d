// Picture files as a user may pick them, decoded through the control's loading path under
// each file suffix, and put on a control that takes the picture's size.
#include <QFile>
#include <QImageReader>
#include <cstdlib>

#include "FuzzTarget.h"
#include "qt/QtPicture.h"
#include "targets/TempFolder.h"
#include "tesmo/Error.h"
#include "tesmo/TesmoWidget.h"

TESMO_FUZZ_TARGET(Picture) {
    using namespace tesmo;
    fuzz::NeedApplication();
    fuzz::Bytes in(data, size);
    static const char* suffixes[] = {".bmp", ".jpg", ".gif", ".png", ".wmf", ".ico", ".ppm", ".xbm", ""};
    const QString path =
        QString::fromStdString((fuzz::TempFolder() / "picture").string()) + suffixes[in.Pick(std::size(suffixes))];
    fuzz::WriteFile(path.toStdString(), in.Rest());
    static TesmoWidget* control = [] {
        // Pictures of up to about a megapixel (4 MB of pixels) are decoded; a larger one,
        // refused from its header or while decoding, would only take the time of filling
        // its memory on every input.
        QImageReader::setAllocationLimit(4);
        auto* w = new TesmoWidget(TesmoWidget::Start::DesignTime, nullptr);
        w->control().setAutoSize(true);
        return w;
    }();
    try {
        control->control().setPicture(LoadPictureFile(path));
    } catch (const Error& e) {
        if (e.number() != 481 || e.description().empty()) std::abort();
    }
    QFile::remove(path);
    return 0;
}
