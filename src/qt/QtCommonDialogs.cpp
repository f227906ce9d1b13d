#include "qt/QtCommonDialogs.h"

#include <QColorDialog>
#include <QFileDialog>

#include "qt/Colors.h"
#include "qt/QtPicture.h"

namespace tesmo {

std::int32_t QtCommonDialogs::ShowColorDialog(std::int32_t initial, const std::string& title) {
    if (!owner_) return -1;
    ReentryGate::Scope scope(gate_);
    // On the heap: the window that owns the dialog may be deleted while it is open.
    QPointer<QColorDialog> dialog = new QColorDialog(ToQColor(initial), owner_->window());
    dialog->setObjectName(QStringLiteral("colorDialog"));
    dialog->setWindowTitle(QString::fromStdString(title));
    const int result = dialog->exec();
    if (!dialog) return -1;
    const QColor color = dialog->selectedColor();
    delete dialog.data();
    if (result != QDialog::Accepted || !color.isValid()) return -1;
    return FromQColor(color);
}

std::vector<std::string> QtCommonDialogs::ShowOpenFileDialog(OpenFileDialogSetup& setup) {
    if (!owner_) return {};
    ReentryGate::Scope scope(gate_);
    QPointer<QFileDialog> dialog = new QFileDialog(owner_->window(), QString::fromStdString(setup.title));
    dialog->setObjectName(QStringLiteral("openFileDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(setup.several ? QFileDialog::ExistingFiles
                                      : setup.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QStringList filters;
    for (const auto& [description, patterns] : setup.filters) {
        const QString text = QString::fromStdString(description);
        const QString pattern = QString::fromStdString(patterns).replace(';', ' ');
        // Qt reads the patterns from the parentheses; a description that shows them is kept as it is.
        filters << (text.contains('(' + pattern + ')') ? text : text + " (" + pattern + ")");
    }
    dialog->setNameFilters(filters);
    if (setup.filterIndex >= 1 && setup.filterIndex <= filters.size())
        dialog->selectNameFilter(filters[setup.filterIndex - 1]);
    if (!setup.initialDirectory.empty()) dialog->setDirectory(QString::fromStdString(setup.initialDirectory));
    if (!setup.defaultExtension.empty()) dialog->setDefaultSuffix(QString::fromStdString(setup.defaultExtension));
    const QString name = QString::fromStdString(setup.fileName);
    if (!name.isEmpty() && !name.contains('*') && !name.contains('?')) dialog->selectFile(name);
    const int result = dialog->exec();
    if (!dialog) return {};
    std::vector<std::string> chosen;
    if (result == QDialog::Accepted)
        for (const QString& file : dialog->selectedFiles()) chosen.push_back(file.toStdString());
    setup.filterIndex = static_cast<int>(filters.indexOf(dialog->selectedNameFilter())) + 1;
    delete dialog.data();
    return chosen;
}

Picture QtCommonDialogs::LoadPicture(const std::string& path) {
    return LoadPictureFile(QString::fromStdString(path));
}

}  // namespace tesmo
