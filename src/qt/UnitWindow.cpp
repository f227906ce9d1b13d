#include "qt/UnitWindow.h"

#include <QApplication>
#include <QSignalBlocker>
#include <algorithm>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "qt/Colors.h"

namespace tesmo {
namespace {

constexpr int kSpinRange = 32000;

// Positions in the model count UTF-8 bytes, in the line edit UTF-16 units.
int ToBytes(const QString& text, int position) {
    return static_cast<int>(text.left(position).toUtf8().size());
}

int ToChars(const std::string& text, int bytes) {
    return static_cast<int>(QString::fromUtf8(text.data(), std::min<int>(bytes, static_cast<int>(text.size()))).size());
}

const char* const kFieldNames[] = {"txtMinX", "txtMaxX", "txtUnitX", "txtMinY", "txtMaxY", "txtUnitY"};
const char* const kSpinnerNames[] = {"vsMinX", "vsMaxX", "vsUnitX", "vsMinY", "vsMaxY", "vsUnitY"};
const char* const kFieldLabels[][2] = {{"Label2", "Min. X"}, {"Label1", "Max. X"}, {"Label3", "Unit X"},
                                        {"Label5", "Min. Y"}, {"Label6", "Max. Y"}, {"Label4", "Unit Y"}};
const char* const kSwatchNames[] = {"lblGrid", "lblBack", "lblChart"};

}  // namespace

UnitFieldEdit::UnitFieldEdit(UnitWindow& window, UnitField field) : QLineEdit(&window), window_(window), field_(field) {
    connect(this, &QLineEdit::textEdited, this, [this] {
        window_.takeIn(field_);
        window_.dialog().TextChanged(field_);
        window_.showState();
    });
}

void UnitFieldEdit::keyPressEvent(QKeyEvent* event) {
    frmUnit& d = window_.dialog();
    if (event->key() == Qt::Key_Escape || !d.TargetControl) {
        event->ignore();  // Escape presses Cancel
        return;
    }
    window_.takeIn(field_);
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        if (d.KeyDown(field_, event->key() == Qt::Key_Left ? FieldEditor::Arrow::Left : FieldEditor::Arrow::Right)) {
            window_.showState();
            return;
        }
    } else if (!event->text().isEmpty() && event->key() != Qt::Key_Delete &&
               !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        // A typed character goes by the field's rules; no other key but those they allow passes.
        if (d.KeyPress(field_, event->text().toUcs4().front()) == FieldEditor::Typed::Refused) QApplication::beep();
        window_.showState();
        return;
    }
    QLineEdit::keyPressEvent(event);
    window_.takeIn(field_);
    d.TextChanged(field_);
    window_.showState();
}

void UnitFieldEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!window_.dialog().TargetControl) return;
    window_.takeIn(field_);
    window_.dialog().FocusIn(field_);
    window_.showState();
}

void UnitFieldEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!window_.dialog().TargetControl) return;
    window_.takeIn(field_);
    window_.dialog().FocusOut(field_);
    window_.showState();
}

void UnitFieldEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (!window_.dialog().TargetControl) return;
    window_.takeIn(field_);
    window_.dialog().MouseUp(field_);
    window_.showState();
}

UnitWindow::UnitWindow(frmUnit& dialog, const Clock& clock, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      clock_(clock),
      prompts_(this, gate_),
      common_(this, gate_),
      chkDateX_(new QCheckBox(tr("calc value as date"), this)),
      chkDateY_(new QCheckBox(tr("calc value as date"), this)),
      chkGrid_(new QCheckBox(tr("View grid"), this)),
      btnOK_(new QPushButton(tr("OK"), this)),
      btnDraw_(new QPushButton(tr("Draw"), this)),
      btnCancel_(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("frmUnit"));
    chkDateX_->setObjectName(QStringLiteral("chkDateX"));
    chkDateY_->setObjectName(QStringLiteral("chkDateY"));
    chkGrid_->setObjectName(QStringLiteral("chkGrid"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnDraw_->setObjectName(QStringLiteral("btnDraw"));
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    // No default button: Enter in a field does not press OK.
    for (QPushButton* b : {btnOK_, btnDraw_, btnCancel_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto* columns = new QHBoxLayout;
    for (int axis = 0; axis < 2; ++axis) {
        auto* column = new QVBoxLayout;
        for (int row = 0; row < 3; ++row) {
            const int i = axis * 3 + row;
            const auto field = static_cast<UnitField>(i);
            auto* frame = new QGroupBox(this);
            frame->setObjectName(QStringLiteral("Frame%1").arg(i + 1));
            auto* label = new QLabel(tr(kFieldLabels[i][1]), frame);
            label->setObjectName(QString::fromLatin1(kFieldLabels[i][0]));
            fields_[static_cast<std::size_t>(i)] = new UnitFieldEdit(*this, field);
            fields_[static_cast<std::size_t>(i)]->setObjectName(QString::fromLatin1(kFieldNames[i]));
            auto* spinner = new QScrollBar(Qt::Vertical, this);
            spinner->setObjectName(QString::fromLatin1(kSpinnerNames[i]));
            spinner->setRange(-kSpinRange, kSpinRange);
            spinner->setValue(0);
            spinner->setFocusPolicy(Qt::TabFocus);  // a click steps the field without leaving it
            spinner->setFixedHeight(fields_[static_cast<std::size_t>(i)]->sizeHint().height());
            spinners_[static_cast<std::size_t>(i)] = spinner;
            connect(spinner, &QScrollBar::valueChanged, this, [this, field, spinner](int v) { spin(field, spinner, v); });
            auto* box = new QGridLayout(frame);
            box->addWidget(label, 0, 0, 1, 2);
            box->addWidget(fields_[static_cast<std::size_t>(i)], 1, 0);
            box->addWidget(spinner, 1, 1);
            if (row == 1) box->addWidget(axis == 0 ? chkDateX_ : chkDateY_, 2, 0, 1, 2);
            column->addWidget(frame);
        }
        columns->addLayout(column);
    }

    auto* colors = new QGroupBox(this);
    colors->setObjectName(QStringLiteral("Frame7"));
    auto* colorRow = new QHBoxLayout(colors);
    colorRow->addWidget(chkGrid_);
    for (int i = 0; i < 3; ++i) {
        auto* swatch = new QLabel(colors);
        swatch->setObjectName(QString::fromLatin1(kSwatchNames[i]));
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setAutoFillBackground(true);
        swatch->setMinimumWidth(48);
        swatch->setMouseTracking(true);
        swatch->installEventFilter(this);
        swatches_[static_cast<std::size_t>(i)] = swatch;
        colorRow->addWidget(swatch);
    }
    swatches_[1]->setText(tr("back"));
    swatches_[2]->setText(tr("chart"));
    auto* strip = new QHBoxLayout;
    strip->addWidget(colors);
    strip->addStretch();
    strip->addWidget(btnOK_);
    strip->addWidget(btnDraw_);
    strip->addWidget(btnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(strip);

    QWidget* order[] = {fields_[0], spinners_[0], fields_[1], spinners_[1], chkDateX_, fields_[2], spinners_[2],
                        fields_[3], spinners_[3], fields_[4], spinners_[4], chkDateY_, fields_[5], spinners_[5],
                        chkGrid_, btnOK_, btnDraw_, btnCancel_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    connect(chkDateX_, &QCheckBox::clicked, this, [this](bool on) {
        dialog_.AxisClick(true, on, isVisible(), clock_);
        showState();
    });
    connect(chkDateY_, &QCheckBox::clicked, this, [this](bool on) {
        dialog_.AxisClick(false, on, isVisible(), clock_);
        showState();
    });
    connect(chkGrid_, &QCheckBox::clicked, this, [this](bool on) {
        dialog_.GridClick(on);
        showState();
    });
    // The scale drawn by OK or Draw lets events through: the window may be closed meanwhile.
    connect(btnOK_, &QPushButton::clicked, this, [this] {
        ReentryGate::Scope scope(gate_);
        dialog_.OK(prompts_);
        showState();
    });
    connect(btnDraw_, &QPushButton::clicked, this, [this] {
        ReentryGate::Scope scope(gate_);
        dialog_.Draw(prompts_);
        showState();
    });
    connect(btnCancel_, &QPushButton::clicked, this, [this] {
        dialog_.CancelButton();
        showState();
    });
    dialog_.onShow = [this] { showState(); };
    showState();
}

UnitWindow::~UnitWindow() {
    letGo();
}

bool UnitWindow::letGo() {
    if (closing_) return false;
    closing_ = true;
    dialog_.onShow = nullptr;
    return true;
}

void UnitWindow::takeIn(UnitField field) {
    const UnitFieldEdit* edit = fields_[static_cast<std::size_t>(field)];
    FieldEditor& model = dialog_.field(field);
    const QString text = edit->text();
    model.text = text.toStdString();
    if (edit->hasSelectedText()) {
        model.start = ToBytes(text, edit->selectionStart());
        model.length = ToBytes(text, edit->selectionEnd()) - model.start;
    } else {
        model.start = ToBytes(text, edit->cursorPosition());
        model.length = 0;
    }
}

void UnitWindow::showState() {
    if (showingState_) return;
    showingState_ = true;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        UnitFieldEdit* edit = fields_[i];
        const FieldEditor& model = dialog_.fields[i];
        const QSignalBlocker quiet(edit);
        edit->setMaxLength(model.maxLength > 0 ? model.maxLength : 32767);
        const QString text = QString::fromStdString(model.text);
        if (edit->text() != text) edit->setText(text);
        const int start = ToChars(model.text, model.start);
        if (model.length > 0)
            edit->setSelection(start, ToChars(model.text, model.start + model.length) - start);
        else
            edit->setCursorPosition(start);
    }
    for (auto [box, checked] : {std::pair{chkDateX_, dialog_.DateX}, std::pair{chkDateY_, dialog_.DateY},
                                std::pair{chkGrid_, dialog_.Grid}}) {
        const QSignalBlocker quiet(box);
        box->setChecked(checked);
    }
    swatches_[0]->setText(QString::fromStdString(dialog_.GridCaption()));
    for (std::size_t i = 0; i < swatches_.size(); ++i) {
        QPalette palette = swatches_[i]->palette();
        palette.setColor(QPalette::Window, ShownColor(dialog_.swatches[i]));
        palette.setColor(QPalette::WindowText, frmUnit::IsDarkColor(dialog_.swatches[i]) ? Qt::white : Qt::black);
        swatches_[i]->setPalette(palette);
    }
    btnDraw_->setEnabled(dialog_.DrawEnabled);
    btnCancel_->setText(QString::fromStdString(dialog_.CancelCaption));
    setWindowTitle(QString::fromStdString(dialog_.Caption));
    if (const auto focus = std::exchange(dialog_.focusRequest, std::nullopt))
        fields_[static_cast<std::size_t>(*focus)]->setFocus();
    showingState_ = false;
    closeIfAsked();
}

void UnitWindow::spin(UnitField field, QScrollBar* bar, int value) {
    if (value == 0 || !dialog_.TargetControl) return;
    takeIn(field);
    // The upper arrow lowers a scroll bar's value; here it counts up.
    dialog_.Spin(field, value < 0 ? 1 : -1);
    {
        const QSignalBlocker quiet(bar);
        bar->setValue(0);
    }
    showState();
}

void UnitWindow::swatchClicked(Swatch swatch) {
    if (!dialog_.TargetControl) return;
    ReentryGate::Scope scope(gate_);
    dialog_.SwatchClick(swatch, common_);
    showState();
}

bool UnitWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto at = std::find(swatches_.begin(), swatches_.end(), watched);
    if (at == swatches_.end()) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        // The swatch under the pointer is a link: a hand and an underline; the underline
        // stays until the pointer is over another swatch.
        for (QLabel* swatch : swatches_) {
            QFont font = swatch->font();
            font.setUnderline(swatch == *at);
            swatch->setFont(font);
            swatch->setCursor(swatch == *at ? Qt::PointingHandCursor : Qt::ArrowCursor);
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        // A click: the left button, released over the swatch.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && (*at)->rect().contains(mouse->position().toPoint()))
            swatchClicked(static_cast<Swatch>(at - swatches_.begin()));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void UnitWindow::closeIfAsked() {
    if (dialog_.closeRequested && letGo()) done(QDialog::Accepted);
}

void UnitWindow::deleteWhenIdle() {
    if (!gate_.busy()) {
        deleteLater();
        return;
    }
    gate_.setOnIdle([this] { deleteLater(); });
}

void UnitWindow::closeFromCode() {
    closeOwnDialogs();
    if (letGo() && dialog_.Showing) dialog_.Unload(false);
    done(QDialog::Accepted);
}

void UnitWindow::reject() {
    closeOwnDialogs();
    // Escape presses Cancel.
    if (letGo() && dialog_.Showing) dialog_.CancelButton();
    QDialog::reject();
}

void UnitWindow::closeOwnDialogs() {
    // A colour being chosen is given up with the window.
    for (QDialog* open : findChildren<QDialog*>()) open->reject();
}

void UnitWindow::closeEvent(QCloseEvent* event) {
    // The window's close box leaves as Cancel does.
    if (letGo() && dialog_.Showing) dialog_.Unload(true);
    QDialog::closeEvent(event);
}

}  // namespace tesmo
