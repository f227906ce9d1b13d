#pragma once

#include <QDialog>
#include <QLineEdit>
#include <array>
#include <memory>

#include "qt/QtCommonDialogs.h"
#include "qt/QtPrompts.h"
#include "qt/ReentryGate.h"
#include "settings/frmUnit.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tesmo {

class Clock;
class UnitWindow;

// A field of the settings dialog: keys, focus and mouse go to the field's editing model.
class UnitFieldEdit : public QLineEdit {
    Q_OBJECT
public:
    UnitFieldEdit(UnitWindow& window, UnitField field);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    UnitWindow& window_;
    UnitField field_;
};

// frmUnit on screen: the six fields with their spinners, the date and grid check boxes,
// the three colour swatches and the buttons. The rules live in frmUnit; this window copies
// the state in and out around every action.
class UnitWindow : public QDialog {
    Q_OBJECT
public:
    UnitWindow(frmUnit& dialog, const Clock& clock, QWidget* parent);
    ~UnitWindow() override;

    // Closes the window as the program does (not the user's Cancel).
    void closeFromCode();
    // Deletes the window from the event loop once none of its handlers is running: a
    // handler that yields (a preview being drawn, a colour dialog) may see it closed.
    void deleteWhenIdle();

    // Copies a field's text and selection into its model, and every control out of the
    // state (after the state changed), then gives a field the focus when asked.
    void takeIn(UnitField field);
    void showState();
    frmUnit& dialog() { return dialog_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    void reject() override;

private:
    void spin(UnitField field, QScrollBar* bar, int value);
    void swatchClicked(Swatch swatch);
    void closeIfAsked();
    // The window stops acting for the dialog; false when it already had.
    bool letGo();
    // Rejects the dialogs the window opened (a colour dialog), which go with it.
    void closeOwnDialogs();

    frmUnit& dialog_;
    const Clock& clock_;
    ReentryGate gate_;
    QtPrompts prompts_;
    QtCommonDialogs common_;
    std::array<UnitFieldEdit*, 6> fields_{};
    std::array<QScrollBar*, 6> spinners_{};
    QCheckBox* chkDateX_;
    QCheckBox* chkDateY_;
    QCheckBox* chkGrid_;
    std::array<QLabel*, 3> swatches_{};
    QPushButton* btnOK_;
    QPushButton* btnDraw_;
    QPushButton* btnCancel_;
    bool closing_ = false;
    bool showingState_ = false;
};

}  // namespace tesmo
