#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tesmo {

class frmList;

// frmList on screen: the list lstTratto and the button btnOK; the rules live in frmList.
class TrackListWindow : public QDialog {
    Q_OBJECT
public:
    TrackListWindow(frmList& list, QWidget* parent);
    // Closes the window as the program does (the last choice is kept).
    void closeFromCode();

protected:
    void closeEvent(QCloseEvent* event) override;

public slots:
    void reject() override;

private:
    void confirm();

    frmList& list_;
    QListWidget* lstTratto_;
    QPushButton* btnOK_;
    bool closingFromCode_ = false;
};

}  // namespace tesmo
