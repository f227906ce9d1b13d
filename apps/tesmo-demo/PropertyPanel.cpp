#include "PropertyPanel.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "tesmo/Error.h"

using tesmo::ucTesmo;

namespace {

QColor ToColor(std::int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

std::int32_t FromColor(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

}  // namespace

template <typename Change>
void PropertyPanel::apply(Change&& change) {
    try {
        change(target_().control());
    } catch (const tesmo::Error& e) {
        emit failed(QStringLiteral("Error %1: %2").arg(e.number()).arg(QString::fromStdString(e.description())));
    }
}

QWidget* PropertyPanel::colorButton(const QString& caption, std::int32_t (ucTesmo::*get)() const,
                                    void (ucTesmo::*set)(std::int32_t)) {
    auto* button = new QPushButton(caption, this);
    connect(button, &QPushButton::clicked, this, [this, caption, get, set] {
        const QColor chosen = QColorDialog::getColor(ToColor((target_().control().*get)()), this, caption);
        if (chosen.isValid()) apply([&](ucTesmo& c) { (c.*set)(FromColor(chosen)); });
    });
    return button;
}

PropertyPanel::PropertyPanel(std::function<tesmo::TesmoWidget&()> target, QWidget* parent)
    : QWidget(parent), target_(std::move(target)) {
    auto* form = new QFormLayout(this);

    title_ = new QLineEdit(this);
    title_->setPlaceholderText(tr("printed at the top left"));
    connect(title_, &QLineEdit::returnPressed, this,
            [this] { apply([&](ucTesmo& c) { c.setTitle(title_->text().toStdString()); }); });
    form->addRow(tr("Title"), title_);

    form->addRow(tr("Colours"), colorButton(tr("Background"), &ucTesmo::BackColor, &ucTesmo::setBackColor));
    form->addRow(QString(), colorButton(tr("Foreground"), &ucTesmo::ForeColor, &ucTesmo::setForeColor));
    form->addRow(QString(), colorButton(tr("Title colour"), &ucTesmo::TitleColor, &ucTesmo::setTitleColor));
    form->addRow(QString(), colorButton(tr("Track colour"), &ucTesmo::TrackColor, &ucTesmo::setTrackColor));

    auto* border = border_ = new QComboBox(this);
    border->addItems({tr("None"), tr("Fixed Single")});
    connect(border, &QComboBox::currentIndexChanged, this, [this](int index) {
        apply([&](ucTesmo& c) { c.setBorderStyle(static_cast<tesmo::enBorderStyle>(index)); });
    });
    form->addRow(tr("BorderStyle"), border);

    auto* drawWidth = drawWidth_ = new QSpinBox(this);
    drawWidth->setRange(0, 50);
    connect(drawWidth, &QSpinBox::valueChanged, this,
            [this](int w) { apply([&](ucTesmo& c) { c.setDrawWidth(static_cast<std::int16_t>(w)); }); });
    form->addRow(tr("DrawWidth"), drawWidth);

    auto* width = width_ = new QSpinBox(this);
    auto* height = height_ = new QSpinBox(this);
    for (QSpinBox* box : {width, height}) {
        box->setRange(0, 40000);
        box->setSingleStep(300);
        box->setSuffix(tr(" twips"));
    }
    connect(width, &QSpinBox::editingFinished, this, [this, width] { apply([&](ucTesmo& c) { c.setWidth(width->value()); }); });
    connect(height, &QSpinBox::editingFinished, this,
            [this, height] { apply([&](ucTesmo& c) { c.setHeight(height->value()); }); });
    form->addRow(tr("Width"), width);
    form->addRow(tr("Height"), height);

    auto* autoSize = autoSize_ = new QCheckBox(tr("fit the control to its picture"), this);
    connect(autoSize, &QCheckBox::toggled, this, [this](bool on) { apply([&](ucTesmo& c) { c.setAutoSize(on); }); });
    form->addRow(tr("AutoSize"), autoSize);

    auto* picture = new QPushButton(tr("Load picture..."), this);
    connect(picture, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Background picture"), QString(),
                                                          tr("Images (*.png *.jpg *.bmp *.gif)"));
        if (path.isEmpty()) return;
        apply([&](ucTesmo& c) { c.setPicture(tesmo::TesmoWidget::loadPicture(path)); });
    });
    form->addRow(tr("Picture"), picture);

    auto* about = new QPushButton(tr("About..."), this);
    connect(about, &QPushButton::clicked, this, [this] { target_().control().About(); });
    form->addRow(QString(), about);
    refresh();
}

void PropertyPanel::refresh() {
    ucTesmo& c = target_().control();
    const QSignalBlocker blockers[] = {QSignalBlocker(title_), QSignalBlocker(border_), QSignalBlocker(drawWidth_),
                                       QSignalBlocker(width_), QSignalBlocker(height_), QSignalBlocker(autoSize_)};
    title_->setText(QString::fromStdString(c.Title()));
    border_->setCurrentIndex(static_cast<int>(c.BorderStyle()));
    drawWidth_->setValue(c.DrawWidth());
    width_->setValue(c.Width());
    height_->setValue(c.Height());
    autoSize_->setChecked(c.AutoSize());
}
