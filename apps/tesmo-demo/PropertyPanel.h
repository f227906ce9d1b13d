#pragma once

#include <QWidget>
#include <functional>

#include "tesmo/TesmoWidget.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

// Edits the appearance of the control in view: title, colours, border, size, line width,
// picture.
class PropertyPanel : public QWidget {
    Q_OBJECT
public:
    PropertyPanel(std::function<tesmo::TesmoWidget&()> target, QWidget* parent = nullptr);

    // Shows the values of the control now in view.
    void refresh();

signals:
    void failed(const QString& message);

private:
    // Runs a change on the control; an error it raises is reported, not thrown.
    template <typename Change>
    void apply(Change&& change);
    QWidget* colorButton(const QString& caption, std::int32_t (tesmo::ucTesmo::*get)() const,
                         void (tesmo::ucTesmo::*set)(std::int32_t));

    std::function<tesmo::TesmoWidget&()> target_;
    QLineEdit* title_ = nullptr;
    QComboBox* border_ = nullptr;
    QSpinBox* drawWidth_ = nullptr;
    QSpinBox* width_ = nullptr;
    QSpinBox* height_ = nullptr;
    QCheckBox* autoSize_ = nullptr;
};
