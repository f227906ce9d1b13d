#include "TesmoDesignerPlugin.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QtDesigner/QDesignerFormWindowInterface>

#include "tesmo/TesmoWidget.h"

QString TesmoDesignerPlugin::name() const {
    return QStringLiteral("tesmo::TesmoWidget");
}

QString TesmoDesignerPlugin::group() const {
    return QStringLiteral("Tesmo");
}

QString TesmoDesignerPlugin::toolTip() const {
    return QStringLiteral("Chart and track control");
}

QString TesmoDesignerPlugin::whatsThis() const {
    return QStringLiteral("A Cartesian chart with an animated polyline, or named tracks played back over a picture.");
}

QString TesmoDesignerPlugin::includeFile() const {
    return QStringLiteral("tesmo/TesmoWidget.h");
}

QIcon TesmoDesignerPlugin::icon() const {
    // A small chart: axes and a zigzag.
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(3, 2, 3, 19);
    p.drawLine(3, 19, 20, 19);
    p.setPen(QPen(QColor(16, 80, 176), 2));
    const QPoint zigzag[] = {{4, 15}, {8, 8}, {12, 13}, {16, 5}, {20, 9}};
    p.drawPolyline(zigzag, 5);
    return QIcon(pixmap);
}

void TesmoDesignerPlugin::initialize(QDesignerFormEditorInterface*) {
    initialized_ = true;
}

QWidget* TesmoDesignerPlugin::createWidget(QWidget* parent) {
    // A control on a form being edited in Designer is being designed; a form loaded by an
    // application in the same process (even one that initialised the plugin) runs.
    const bool designed = initialized_ && (!parent || QDesignerFormWindowInterface::findFormWindow(parent));
    if (designed) return new tesmo::TesmoWidget(tesmo::TesmoWidget::Start::DesignTime, parent);
    return new tesmo::TesmoWidget(parent);
}

QString TesmoDesignerPlugin::domXml() const {
    return QStringLiteral(
        "<ui language=\"c++\">\n"
        " <widget class=\"tesmo::TesmoWidget\" name=\"tesmoWidget\">\n"
        "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>320</width><height>240</height></rect></property>\n"
        " </widget>\n"
        "</ui>\n");
}
