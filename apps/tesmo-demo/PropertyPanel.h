#pragma once

#include <QMetaProperty>
#include <QWidget>
#include <functional>
#include <vector>

#include "tesmo/TesmoWidget.h"

// Edits the control in view through its Qt properties: an editor for every designable
// property, by its type, made from the widget's meta-object (a new property appears by
// itself), showing the control's values and writing through the property.
class PropertyPanel : public QWidget {
    Q_OBJECT
public:
    PropertyPanel(std::function<tesmo::TesmoWidget&()> target, QWidget* parent = nullptr);

    // Shows the values of the control now in view.
    void refresh();

signals:
    void failed(const QString& message);

private:
    struct Editor {
        QMetaProperty property;
        QWidget* widget;
        std::function<void(const QVariant&)> show;
        QVariant shown;  // the value the editor shows, so that leaving it unchanged writes nothing
    };
    // The editor of one property, or none for a type the panel does not edit.
    void addEditor(const QMetaProperty& property);
    // Writes a value through the property, then shows what the control keeps; a value the
    // editor already showed is not written again.
    void write(const QMetaProperty& property, const QVariant& value);
    // Number boxes take the wheel only once clicked: the wheel scrolls the panel.
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::function<tesmo::TesmoWidget&()> target_;
    std::vector<Editor> editors_;
};
