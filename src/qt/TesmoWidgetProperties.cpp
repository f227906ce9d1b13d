// The control's stored settings as Qt properties of the widget, under their key names.
#include <QFont>
#include <QImage>
#include <QVariant>
#include <algorithm>

#include "qt/Colors.h"
#include "qt/ControlHost.h"
#include "qt/QtFont.h"
#include "qt/QtPicture.h"
#include "tesmo/Error.h"
#include "tesmo/TesmoWidget.h"

namespace tesmo {
namespace {

// A value the control refuses leaves the setting as it was: a property write has nobody
// to take an error.
template <typename Set>
void Apply(Set&& set) {
    try {
        set();
    } catch (const Error&) {
    }
}

// A colour that is no colour (QColor()) is refused as the control refuses a bad value.
template <typename Set>
void ApplyColor(const QColor& value, Set&& set) {
    if (value.isValid()) Apply([&] { set(FromQColor(value)); });
}

// A bound as the property reads it: a day number on a date axis, which stays one.
Variant Bound(double value, bool asDate) {
    return asDate ? Variant::fromDate(value) : Variant(value);
}

QVariant ToQVariant(const Variant& value) {
    switch (value.type()) {
        case VarType::Empty: return {};
        case VarType::Boolean: return value.number() != 0;
        case VarType::Integer:
        case VarType::Long: return static_cast<int>(value.number());
        case VarType::String: return QString::fromStdString(value.text());
        default: return value.number();
    }
}

}  // namespace

ucTesmo& TesmoWidget::Control() const {
    return host_->control();
}

bool TesmoWidget::getAutoRedraw() const { return Control().AutoRedraw(); }
void TesmoWidget::setAutoRedraw(bool value) { Apply([&] { Control().setAutoRedraw(value); }); }

double TesmoWidget::getBaseStep() const { return Control().BaseStep(); }
void TesmoWidget::setBaseStep(double value) {
    Apply([&] { Control().setBaseStep(static_cast<float>(value)); });
}

bool TesmoWidget::getClipControls() const { return Control().ClipControls(); }
void TesmoWidget::setClipControls(bool value) {
    Apply([&] { Control().setClipControls(value); });
}

bool TesmoWidget::getFlagExit() const { return Control().FlagExit(); }
void TesmoWidget::setFlagExit(bool value) { Apply([&] { Control().setFlagExit(value); }); }

QString TesmoWidget::getControlError() const { return QString::fromStdString(Control().ControlError()); }

double TesmoWidget::getDelay() const { return Control().Delay(); }
void TesmoWidget::setDelay(double value) { Apply([&] { Control().setDelay(static_cast<float>(value)); }); }

TesmoWidget::BorderStyles TesmoWidget::getBorderStyle() const {
    return static_cast<BorderStyles>(Control().BorderStyle());
}
void TesmoWidget::setBorderStyle(BorderStyles value) {
    Apply([&] { Control().setBorderStyle(static_cast<enBorderStyle>(value)); });
}

QImage TesmoWidget::getPicture() const {
    const QImage* image = QtPicture::ImageOf(Control().Picture());
    return image ? *image : QImage();
}
void TesmoWidget::setPicture(const QImage& value) {
    Apply([&] { Control().setPicture(PictureOfImage(value)); });
}

bool TesmoWidget::getAutoSize() const { return Control().AutoSize(); }
void TesmoWidget::setAutoSize(bool value) { Apply([&] { Control().setAutoSize(value); }); }

int TesmoWidget::getDrawWidth() const { return Control().DrawWidth(); }
void TesmoWidget::setDrawWidth(int value) {
    Apply([&] { Control().setDrawWidth(static_cast<std::int16_t>(std::clamp(value, -32768, 32767))); });
}

int TesmoWidget::getWidth() const { return Control().Width(); }
void TesmoWidget::setWidth(int value) { Apply([&] { Control().setWidth(value); }); }

int TesmoWidget::getHeight() const { return Control().Height(); }
void TesmoWidget::setHeight(int value) { Apply([&] { Control().setHeight(value); }); }

bool TesmoWidget::getEnabled() const { return Control().Enabled(); }
void TesmoWidget::putEnabled(bool value) { Apply([&] { Control().setEnabled(value); }); }

double TesmoWidget::getCurrentX() const { return Control().CurrentX(); }
void TesmoWidget::setCurrentX(double value) {
    Apply([&] { Control().setCurrentX(static_cast<float>(value)); });
}

double TesmoWidget::getCurrentY() const { return Control().CurrentY(); }
void TesmoWidget::setCurrentY(double value) {
    Apply([&] { Control().setCurrentY(static_cast<float>(value)); });
}

QFont TesmoWidget::getFont() const { return ToQFont(Control().Font()); }
void TesmoWidget::setFont(const QFont& value) {
    Apply([&] { Control().setFont(FromQFont(value)); });
    QWidget::setFont(value);
}

QString TesmoWidget::getTitle() const { return QString::fromStdString(Control().Title()); }
void TesmoWidget::setTitle(const QString& value) { Apply([&] { Control().setTitle(value.toStdString()); }); }

bool TesmoWidget::getEnableMenu() const { return Control().EnableMenu(); }
void TesmoWidget::setEnableMenu(bool value) { Apply([&] { Control().setEnableMenu(value); }); }

bool TesmoWidget::getViewPoints() const { return Control().ViewPoints(); }
void TesmoWidget::setViewPoints(bool value) { Apply([&] { Control().setViewPoints(value); }); }

bool TesmoWidget::getViewGrid() const { return Control().ViewGrid(); }
void TesmoWidget::setViewGrid(bool value) { Apply([&] { Control().setViewGrid(value); }); }

double TesmoWidget::getLeftScale() const { return Control().LeftScale(); }
void TesmoWidget::setLeftScale(double value) {
    Apply([&] { Control().setLeftScale(static_cast<float>(value)); });
}

double TesmoWidget::getTopScale() const { return Control().TopScale(); }
void TesmoWidget::setTopScale(double value) {
    Apply([&] { Control().setTopScale(static_cast<float>(value)); });
}

double TesmoWidget::getRightScale() const { return Control().RightScale(); }
void TesmoWidget::setRightScale(double value) {
    Apply([&] { Control().setRightScale(static_cast<float>(value)); });
}

double TesmoWidget::getBottomScale() const { return Control().BottomScale(); }
void TesmoWidget::setBottomScale(double value) {
    Apply([&] { Control().setBottomScale(static_cast<float>(value)); });
}

bool TesmoWidget::getXAsDate() const { return Control().XAsDate(); }
void TesmoWidget::setXAsDate(bool value) { Apply([&] { Control().setXAsDate(value); }); }

bool TesmoWidget::getYAsDate() const { return Control().YAsDate(); }
void TesmoWidget::setYAsDate(bool value) { Apply([&] { Control().setYAsDate(value); }); }

double TesmoWidget::getMinX() const { return Control().MinX().toDouble(); }
void TesmoWidget::setMinX(double value) { Apply([&] { Control().setMinX(Bound(value, Control().XAsDate())); }); }

double TesmoWidget::getMaxX() const { return Control().MaxX().toDouble(); }
void TesmoWidget::setMaxX(double value) { Apply([&] { Control().setMaxX(Bound(value, Control().XAsDate())); }); }

double TesmoWidget::getMinY() const { return Control().MinY().toDouble(); }
void TesmoWidget::setMinY(double value) { Apply([&] { Control().setMinY(Bound(value, Control().YAsDate())); }); }

double TesmoWidget::getMaxY() const { return Control().MaxY().toDouble(); }
void TesmoWidget::setMaxY(double value) { Apply([&] { Control().setMaxY(Bound(value, Control().YAsDate())); }); }

int TesmoWidget::getUnitX() const { return Control().UnitX(); }
void TesmoWidget::setUnitX(int value) { Apply([&] { Control().setUnitX(value); }); }

int TesmoWidget::getUnitY() const { return Control().UnitY(); }
void TesmoWidget::setUnitY(int value) { Apply([&] { Control().setUnitY(value); }); }

TesmoWidget::MapStyles TesmoWidget::getMapStyle() const { return static_cast<MapStyles>(Control().MapStyle()); }
void TesmoWidget::setMapStyle(MapStyles value) {
    Apply([&] { Control().setMapStyle(static_cast<enMapStyle>(value)); });
}

QColor TesmoWidget::getBackColor() const { return ShownColor(Control().BackColor()); }
void TesmoWidget::setBackColor(const QColor& value) { ApplyColor(value, [&](std::int32_t c) { Control().setBackColor(c); }); }

QColor TesmoWidget::getForeColor() const { return ShownColor(Control().ForeColor()); }
void TesmoWidget::setForeColor(const QColor& value) { ApplyColor(value, [&](std::int32_t c) { Control().setForeColor(c); }); }

QColor TesmoWidget::getGridColor() const { return ShownColor(Control().GridColor()); }
void TesmoWidget::setGridColor(const QColor& value) { ApplyColor(value, [&](std::int32_t c) { Control().setGridColor(c); }); }

QColor TesmoWidget::getTitleColor() const { return ShownColor(Control().TitleColor()); }
void TesmoWidget::setTitleColor(const QColor& value) { ApplyColor(value, [&](std::int32_t c) { Control().setTitleColor(c); }); }

QColor TesmoWidget::getTextColor() const { return ShownColor(Control().TextColor()); }
void TesmoWidget::setTextColor(const QColor& value) { ApplyColor(value, [&](std::int32_t c) { Control().setTextColor(c); }); }

QColor TesmoWidget::getTrackColor() const { return ShownColor(Control().TrackColor()); }
void TesmoWidget::setTrackColor(const QColor& value) { ApplyColor(value, [&](std::int32_t c) { Control().setTrackColor(c); }); }

QVariant TesmoWidget::getMouseValueX() const { return ToQVariant(Control().MouseValueX()); }

QVariant TesmoWidget::getMouseValueY() const { return ToQVariant(Control().MouseValueY()); }

bool TesmoWidget::getMouseScan() const { return Control().MouseScan(); }
void TesmoWidget::setMouseScan(bool value) { Apply([&] { Control().setMouseScan(value); }); }

}  // namespace tesmo
