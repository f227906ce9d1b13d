#include "qt/SurfaceWidget.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

#include "qt/PointerCodes.h"
#include "qt/QtSurface.h"

namespace tesmo {
namespace {

// The key code the control understands: letters as capitals, digits, and the usual control
// keys by their character codes.
std::int16_t KeyCode(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
        case Qt::Key_Escape: return 27;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab: return 9;
        case Qt::Key_Delete: return 46;
        default: return key >= 0x20 && key <= 0x7E ? static_cast<std::int16_t>(key) : 0;
    }
}

}  // namespace

SurfaceWidget::SurfaceWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pic_main"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    if (!surface_) return;
    // A window moved to a screen of another pixel ratio: the image follows.
    surface_->setDevicePixelRatio(devicePixelRatioF());
    QPainter p(this);
    const int b = surface_->borderPixels();
    const QImage& image = surface_->image();
    const qreal ratio = image.devicePixelRatio();
    if (QRect(QPoint(b, b), image.deviceIndependentSize().toSize()) != rect().adjusted(b, b, -b, -b))
        p.fillRect(event->rect(), palette().window());
    const QRectF source = QRectF(event->rect().translated(-b, -b));
    p.drawImage(QRectF(event->rect()), image,
                QRectF(source.topLeft() * ratio, source.size() * ratio));
    if (b > 0) {
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
    // A press that starts no double click ends one whose second release never came here
    // (a box a host opened on the press took it).
    doubleClicked_ = false;
    pressed_ = true;
    const QPointer<SurfaceWidget> alive(this);
    pointer(Pointer::Down, ButtonCode(event->button()), *event);
    // A box the host opened on the press took its release.
    if (alive && !(QGuiApplication::mouseButtons() & event->button())) pressed_ = false;
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
    pointer(Pointer::Move, ButtonCode(event->buttons()), *event);
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
    pressed_ = false;
    const QPointer<SurfaceWidget> alive(this);
    pointer(Pointer::Up, ButtonCode(event->button()), *event);
    // The double click acts once its second click is complete: what it opens (the track list,
    // a message) would otherwise swallow that click's release.
    if (alive && doubleClicked_ && event->button() == Qt::LeftButton) {
        doubleClicked_ = false;
        if (onDoubleClick) onDoubleClick();
    }
}

void SurfaceWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPointer<SurfaceWidget> alive(this);
    // The second click of a double click is a press of its own too.
    if (!pressed_) mousePressEvent(event);
    if (alive && event->button() == Qt::LeftButton) doubleClicked_ = true;
}

void SurfaceWidget::pointer(Pointer kind, std::int16_t button, const QMouseEvent& event) {
    const int b = surface_ ? surface_->borderPixels() : 0;
    if (onPointer) onPointer(kind, button, ShiftCode(event.modifiers()), event.position().toPoint() - QPoint(b, b));
}

void SurfaceWidget::keyPressEvent(QKeyEvent* event) {
    // Backspace and the platform's Undo take back the last point of a new track.
    const bool undo = event->matches(QKeySequence::Undo) ||
                      (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier);
    if (undo && onUndo && onUndo()) {
        event->accept();
        return;
    }
    const std::int16_t code = KeyCode(*event);
    std::int16_t key = code;
    if (key != 0 && onKeyDown) onKeyDown(key);
    if (code != 0 && key == 0)  // the control swallowed it
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace tesmo
