// The control's stored settings as Qt properties of the widget, under their key names.
#include <QFont>
#include <QImage>
#include <QVariant>
#include <algorithm>

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
void TesmoWidget::putAutoRedraw(bool value) { Apply([&] { Control().setAutoRedraw(value); }); }

double TesmoWidget::getBaseStep() const { return Control().BaseStep(); }
void TesmoWidget::putBaseStep(double value) {
    Apply([&] { Control().setBaseStep(static_cast<float>(value)); });
}

bool TesmoWidget::getClipControls() const { return Control().ClipControls(); }
void TesmoWidget::putClipControls(bool value) {
    Apply([&] { Control().setClipControls(value); });
}

bool TesmoWidget::getFlagExit() const { return Control().FlagExit(); }
void TesmoWidget::putFlagExit(bool value) { Apply([&] { Control().setFlagExit(value); }); }

QString TesmoWidget::getControlError() const { return QString::fromStdString(Control().ControlError()); }

double TesmoWidget::getDelay() const { return Control().Delay(); }
void TesmoWidget::putDelay(double value) { Apply([&] { Control().setDelay(static_cast<float>(value)); }); }

int TesmoWidget::getBorderStyle() const { return static_cast<int>(Control().BorderStyle()); }
void TesmoWidget::putBorderStyle(int value) {
    Apply([&] { Control().setBorderStyle(static_cast<enBorderStyle>(value)); });
}

QImage TesmoWidget::getPicture() const {
    const QImage* image = QtPicture::ImageOf(Control().Picture());
    return image ? *image : QImage();
}
void TesmoWidget::putPicture(const QImage& value) {
    Apply([&] { Control().setPicture(PictureOfImage(value)); });
}

bool TesmoWidget::getAutoSize() const { return Control().AutoSize(); }
void TesmoWidget::putAutoSize(bool value) { Apply([&] { Control().setAutoSize(value); }); }

int TesmoWidget::getDrawWidth() const { return Control().DrawWidth(); }
void TesmoWidget::putDrawWidth(int value) {
    Apply([&] { Control().setDrawWidth(static_cast<std::int16_t>(std::clamp(value, -32768, 32767))); });
}

int TesmoWidget::getWidth() const { return Control().Width(); }
void TesmoWidget::putWidth(int value) { Apply([&] { Control().setWidth(value); }); }

int TesmoWidget::getHeight() const { return Control().Height(); }
void TesmoWidget::putHeight(int value) { Apply([&] { Control().setHeight(value); }); }

bool TesmoWidget::getEnabled() const { return Control().Enabled(); }
void TesmoWidget::putEnabled(bool value) { Apply([&] { Control().setEnabled(value); }); }

double TesmoWidget::getCurrentX() const { return Control().CurrentX(); }
void TesmoWidget::putCurrentX(double value) {
    Apply([&] { Control().setCurrentX(static_cast<float>(value)); });
}

double TesmoWidget::getCurrentY() const { return Control().CurrentY(); }
void TesmoWidget::putCurrentY(double value) {
    Apply([&] { Control().setCurrentY(static_cast<float>(value)); });
}

QFont TesmoWidget::getFont() const { return ToQFont(Control().Font()); }
void TesmoWidget::putFont(const QFont& value) { Apply([&] { Control().setFont(FromQFont(value)); }); }

QString TesmoWidget::getTitle() const { return QString::fromStdString(Control().Title()); }
void TesmoWidget::putTitle(const QString& value) { Apply([&] { Control().setTitle(value.toStdString()); }); }

bool TesmoWidget::getEnableMenu() const { return Control().EnableMenu(); }
void TesmoWidget::putEnableMenu(bool value) { Apply([&] { Control().setEnableMenu(value); }); }

bool TesmoWidget::getViewPoints() const { return Control().ViewPoints(); }
void TesmoWidget::putViewPoints(bool value) { Apply([&] { Control().setViewPoints(value); }); }

bool TesmoWidget::getViewGrid() const { return Control().ViewGrid(); }
void TesmoWidget::putViewGrid(bool value) { Apply([&] { Control().setViewGrid(value); }); }

double TesmoWidget::getLeftScale() const { return Control().LeftScale(); }
void TesmoWidget::putLeftScale(double value) {
    Apply([&] { Control().setLeftScale(static_cast<float>(value)); });
}

double TesmoWidget::getTopScale() const { return Control().TopScale(); }
void TesmoWidget::putTopScale(double value) {
    Apply([&] { Control().setTopScale(static_cast<float>(value)); });
}

double TesmoWidget::getRightScale() const { return Control().RightScale(); }
void TesmoWidget::putRightScale(double value) {
    Apply([&] { Control().setRightScale(static_cast<float>(value)); });
}

double TesmoWidget::getBottomScale() const { return Control().BottomScale(); }
void TesmoWidget::putBottomScale(double value) {
    Apply([&] { Control().setBottomScale(static_cast<float>(value)); });
}

bool TesmoWidget::getXAsDate() const { return Control().XAsDate(); }
void TesmoWidget::putXAsDate(bool value) { Apply([&] { Control().setXAsDate(value); }); }

bool TesmoWidget::getYAsDate() const { return Control().YAsDate(); }
void TesmoWidget::putYAsDate(bool value) { Apply([&] { Control().setYAsDate(value); }); }

double TesmoWidget::getMinX() const { return Control().MinX().toDouble(); }
void TesmoWidget::putMinX(double value) { Apply([&] { Control().setMinX(Variant(value)); }); }

double TesmoWidget::getMaxX() const { return Control().MaxX().toDouble(); }
void TesmoWidget::putMaxX(double value) { Apply([&] { Control().setMaxX(Variant(value)); }); }

double TesmoWidget::getMinY() const { return Control().MinY().toDouble(); }
void TesmoWidget::putMinY(double value) { Apply([&] { Control().setMinY(Variant(value)); }); }

double TesmoWidget::getMaxY() const { return Control().MaxY().toDouble(); }
void TesmoWidget::putMaxY(double value) { Apply([&] { Control().setMaxY(Variant(value)); }); }

int TesmoWidget::getUnitX() const { return Control().UnitX(); }
void TesmoWidget::putUnitX(int value) { Apply([&] { Control().setUnitX(value); }); }

int TesmoWidget::getUnitY() const { return Control().UnitY(); }
void TesmoWidget::putUnitY(int value) { Apply([&] { Control().setUnitY(value); }); }

int TesmoWidget::getMapStyle() const { return static_cast<int>(Control().MapStyle()); }
void TesmoWidget::putMapStyle(int value) {
    Apply([&] { Control().setMapStyle(static_cast<enMapStyle>(value)); });
}

int TesmoWidget::getBackColor() const { return Control().BackColor(); }
void TesmoWidget::putBackColor(int value) { Apply([&] { Control().setBackColor(value); }); }

int TesmoWidget::getForeColor() const { return Control().ForeColor(); }
void TesmoWidget::putForeColor(int value) { Apply([&] { Control().setForeColor(value); }); }

int TesmoWidget::getGridColor() const { return Control().GridColor(); }
void TesmoWidget::putGridColor(int value) { Apply([&] { Control().setGridColor(value); }); }

int TesmoWidget::getTitleColor() const { return Control().TitleColor(); }
void TesmoWidget::putTitleColor(int value) { Apply([&] { Control().setTitleColor(value); }); }

int TesmoWidget::getTextColor() const { return Control().TextColor(); }
void TesmoWidget::putTextColor(int value) { Apply([&] { Control().setTextColor(value); }); }

int TesmoWidget::getTrackColor() const { return Control().TrackColor(); }
void TesmoWidget::putTrackColor(int value) { Apply([&] { Control().setTrackColor(value); }); }

QVariant TesmoWidget::getMouseValueX() const { return ToQVariant(Control().MouseValueX()); }

QVariant TesmoWidget::getMouseValueY() const { return ToQVariant(Control().MouseValueY()); }

bool TesmoWidget::getMouseScan() const { return Control().MouseScan(); }
void TesmoWidget::putMouseScan(bool value) { Apply([&] { Control().setMouseScan(value); }); }

}  // namespace tesmo
