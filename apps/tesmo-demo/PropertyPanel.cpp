#include "PropertyPanel.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFontDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <limits>

#include "tesmo/Error.h"

namespace {

// The unit a number property is given in, as the control's documentation states it.
QString UnitOf(const QString& name) {
    if (name == QLatin1String("Delay")) return QStringLiteral(" ms");
    if (name == QLatin1String("DrawWidth")) return QStringLiteral(" px");
    for (const char* twips : {"BaseStep", "Width", "Height", "LeftScale", "TopScale", "RightScale", "BottomScale"})
        if (name == QLatin1String(twips)) return QStringLiteral(" twips");
    return {};
}

QIcon Swatch(const QColor& color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return QIcon(pixmap);
}

}  // namespace

PropertyPanel::PropertyPanel(std::function<tesmo::TesmoWidget&()> target, QWidget* parent)
    : QWidget(parent), target_(std::move(target)) {
    auto* form = new QFormLayout(this);
    const QMetaObject& meta = tesmo::TesmoWidget::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        if (property.isDesignable() && property.isWritable()) addEditor(property);
    }
    for (const Editor& e : editors_) {
        e.widget->setObjectName(QString::fromLatin1(e.property.name()));
        form->addRow(QString::fromLatin1(e.property.name()), e.widget);
    }

    auto* picture = new QPushButton(tr("Load picture..."), this);
    connect(picture, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Background picture"), QString(),
                                                          tr("Images (*.png *.jpg *.bmp *.gif)"));
        if (path.isEmpty()) return;
        try {
            target_().control().setPicture(tesmo::TesmoWidget::loadPicture(path));
        } catch (const tesmo::Error& e) {
            emit failed(QString::fromStdString(e.description()));
        }
    });
    form->addRow(tr("Picture"), picture);
    auto* about = new QPushButton(tr("About..."), this);
    connect(about, &QPushButton::clicked, this, [this] { target_().control().About(); });
    form->addRow(QString(), about);
    refresh();
}

void PropertyPanel::addEditor(const QMetaProperty& property) {
    const QString name = QString::fromLatin1(property.name());
    const auto keep = [this, &property](QWidget* widget, std::function<void(const QVariant&)> show) {
        editors_.push_back({property, widget, std::move(show), QVariant()});
    };
    if (property.isEnumType()) {
        auto* box = new QComboBox(this);
        box->setFocusPolicy(Qt::StrongFocus);
        box->installEventFilter(this);
        const QMetaEnum choices = property.enumerator();
        for (int k = 0; k < choices.keyCount(); ++k) box->addItem(QString::fromLatin1(choices.key(k)), choices.value(k));
        connect(box, &QComboBox::activated, this, [this, property, box] { write(property, box->currentData()); });
        keep(box, [box](const QVariant& v) { box->setCurrentIndex(box->findData(v.toInt())); });
        return;
    }
    switch (property.typeId()) {
        case QMetaType::Bool: {
            auto* box = new QCheckBox(this);
            connect(box, &QCheckBox::toggled, this, [this, property](bool on) { write(property, on); });
            keep(box, [box](const QVariant& v) { box->setChecked(v.toBool()); });
            return;
        }
        case QMetaType::Int: {
            auto* box = new QSpinBox(this);
            box->setFocusPolicy(Qt::StrongFocus);
            box->installEventFilter(this);
            box->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
            box->setSuffix(UnitOf(name));
            connect(box, &QSpinBox::editingFinished, this, [this, property, box] { write(property, box->value()); });
            keep(box, [box](const QVariant& v) { box->setValue(v.toInt()); });
            return;
        }
        case QMetaType::Double: {
            auto* box = new QDoubleSpinBox(this);
            box->setFocusPolicy(Qt::StrongFocus);
            box->installEventFilter(this);
            box->setRange(-1e12, 1e12);
            box->setDecimals(2);
            box->setSuffix(UnitOf(name));
            connect(box, &QDoubleSpinBox::editingFinished, this, [this, property, box] { write(property, box->value()); });
            keep(box, [box](const QVariant& v) { box->setValue(v.toDouble()); });
            return;
        }
        case QMetaType::QString: {
            auto* edit = new QLineEdit(this);
            connect(edit, &QLineEdit::editingFinished, this, [this, property, edit] { write(property, edit->text()); });
            keep(edit, [edit](const QVariant& v) { edit->setText(v.toString()); });
            return;
        }
        case QMetaType::QColor: {
            auto* button = new QPushButton(this);
            connect(button, &QPushButton::clicked, this, [this, property, name] {
                const QColor chosen = QColorDialog::getColor(property.read(&target_()).value<QColor>(), this, name);
                if (chosen.isValid()) write(property, chosen);
            });
            keep(button, [button](const QVariant& v) {
                                    const QColor color = v.value<QColor>();
                                    button->setIcon(Swatch(color));
                                    button->setText(color.name());
                                });
            return;
        }
        case QMetaType::QFont: {
            auto* button = new QPushButton(this);
            connect(button, &QPushButton::clicked, this, [this, property] {
                bool ok = false;
                const QFont chosen = QFontDialog::getFont(&ok, property.read(&target_()).value<QFont>(), this);
                if (ok) write(property, chosen);
            });
            keep(button, [button](const QVariant& v) {
                                    const QFont font = v.value<QFont>();
                                    button->setText(QStringLiteral("%1, %2").arg(font.family()).arg(font.pointSizeF()));
                                });
            return;
        }
        default: return;
    }
}

void PropertyPanel::write(const QMetaProperty& property, const QVariant& value) {
    for (const Editor& e : editors_)
        if (e.property.propertyIndex() == property.propertyIndex() && e.shown == value) return;
    property.write(&target_(), value);
    // A value the control refuses leaves the setting as it was: the editor shows that.
    refresh();
}

void PropertyPanel::refresh() {
    tesmo::TesmoWidget& control = target_();
    for (Editor& e : editors_) {
        const QSignalBlocker quiet(e.widget);
        e.shown = e.property.read(&control);
        e.show(e.shown);
    }
}

bool PropertyPanel::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::Wheel || !box || box->hasFocus()) return false;
    // To what holds the panel (a scroll area's viewport), which scrolls.
    if (QWidget* holder = parentWidget()) QCoreApplication::sendEvent(holder, event);
    return true;
}
