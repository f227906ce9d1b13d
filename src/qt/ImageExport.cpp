#include "qt/ImageExport.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QSaveFile>
#include <QWidget>
#include <cmath>

namespace tesmo {
namespace {

// Beyond this many pixels a side an export is refused rather than allocated.
constexpr int kMaxPixels = 16384;

QByteArray RasterFormat(const QString& suffix) {
    if (suffix == QLatin1String("png")) return "PNG";
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return "JPEG";
    if (suffix == QLatin1String("bmp")) return "BMP";
    return {};
}

bool WritePdf(QSaveFile& file, const QPixmap& shot, QSizeF inches, qreal dpi) {
    QPdfWriter pdf(&file);
    pdf.setCreator(QStringLiteral("Tesmo"));
    pdf.setResolution(static_cast<int>(std::lround(dpi)));
    pdf.setPageMargins(QMarginsF());
    pdf.setPageSize(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    painter.drawPixmap(QRectF(0, 0, pdf.width(), pdf.height()), shot, QRectF(shot.rect()));
    return painter.end();
}

bool WriteRaster(QSaveFile& file, const QByteArray& format, const QPixmap& shot, QSize target, qreal dpi) {
    QImage image = shot.toImage();
    if (image.size() != target) image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(1);
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QImageWriter writer(&file, format);
    return writer.write(image);
}

}  // namespace

bool ExportImage(QWidget& widget, const QString& path, int dpi) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QByteArray format = RasterFormat(suffix);
    const bool pdf = suffix == QLatin1String("pdf");
    if (dpi < 0 || (format.isEmpty() && !pdf) || widget.width() <= 0 || widget.height() <= 0) return false;

    const qreal screenDpi = widget.logicalDpiX();
    // The screen's resolution counts its device pixels, so that nothing is lost at a ratio of 2.
    const qreal fileDpi = dpi > 0 ? dpi : screenDpi * widget.devicePixelRatioF();
    const QSizeF inches = QSizeF(widget.size()) / screenDpi;
    const QSize target = (inches * fileDpi).toSize();
    if (!pdf && (target.isEmpty() || target.width() > kMaxPixels || target.height() > kMaxPixels)) return false;

    // What the control shows now, also in the middle of an animation.
    const QPixmap shot = widget.grab();
    if (shot.isNull()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!(pdf ? WritePdf(file, shot, inches, fileDpi) : WriteRaster(file, format, shot, target, fileDpi))) return false;
    return file.commit();
}

}  // namespace tesmo
