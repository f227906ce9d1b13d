#include "qt/TrackListWindow.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "tracks/frmList.h"

namespace tesmo {

TrackListWindow::TrackListWindow(frmList& list, QWidget* parent)
    : QDialog(parent), list_(list), lstTratto_(new QListWidget(this)), btnOK_(new QPushButton(tr("OK"), this)) {
    setObjectName(QStringLiteral("frmList"));
    setWindowTitle(QString::fromStdString(list.Caption()));
    lstTratto_->setObjectName(QStringLiteral("lstTratto"));
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    for (const std::string& name : list.Entries()) lstTratto_->addItem(QString::fromStdString(name));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstTratto_);
    layout->addWidget(btnOK_, 0, Qt::AlignRight);
    resize(320, 360);

    connect(btnOK_, &QPushButton::clicked, this, &TrackListWindow::confirm);
    connect(lstTratto_, &QListWidget::itemDoubleClicked, this, &TrackListWindow::confirm);
}

void TrackListWindow::confirm() {
    const int row = lstTratto_->currentRow();
    const bool selected = row >= 0 && lstTratto_->currentItem() && lstTratto_->currentItem()->isSelected();
    if (list_.OK(selected ? std::optional<std::size_t>(static_cast<std::size_t>(row)) : std::nullopt)) {
        closeFromCode();
    } else {
        lstTratto_->setFocus();
    }
}

void TrackListWindow::closeFromCode() {
    closingFromCode_ = true;
    done(QDialog::Accepted);
}

void TrackListWindow::reject() {
    if (!closingFromCode_) list_.ClosedByUser();
    QDialog::reject();
}

void TrackListWindow::closeEvent(QCloseEvent* event) {
    if (!closingFromCode_) list_.ClosedByUser();
    QDialog::closeEvent(event);
}

}  // namespace tesmo
