#include "qt/QtCommonDialogs.h"

#include <QColorDialog>

#include "qt/Colors.h"

namespace tesmo {

std::int32_t QtCommonDialogs::ShowColorDialog(std::int32_t initial, const std::string& title) {
    if (!owner_) return -1;
    ReentryGate::Scope scope(gate_);
    // On the heap: the window that owns the dialog may be deleted while it is open.
    QPointer<QColorDialog> dialog = new QColorDialog(ToQColor(initial), owner_->window());
    dialog->setObjectName(QStringLiteral("colorDialog"));
    dialog->setWindowTitle(title.empty() ? QStringLiteral("Set Color") : QString::fromStdString(title));
    const int result = dialog->exec();
    if (!dialog) return -1;
    const QColor color = dialog->selectedColor();
    delete dialog.data();
    if (result != QDialog::Accepted || !color.isValid()) return -1;
    return FromQColor(color);
}

}  // namespace tesmo
