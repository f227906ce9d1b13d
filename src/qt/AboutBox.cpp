#include "qt/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <sqlite3.h>

namespace tesmo {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fabout"));
    setWindowTitle(tr("About Tesmo"));

    auto* name = new QLabel(QStringLiteral("<b style='font-size:16pt'>Tesmo</b>"), this);
    auto* version = new QLabel(tr("Version %1").arg(QStringLiteral(TESMO_VERSION)), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* credits = new QLabel(tr("Chart and track control for Qt 6 applications."), this);
    // The credits link to the projects Tesmo is built on.
    auto* link = new QLabel(tr("Built with <a href=\"https://www.qt.io\">Qt %1</a> and "
                               "<a href=\"https://sqlite.org\">SQLite %2</a>.")
                                .arg(QString::fromLatin1(qVersion()), QString::fromLatin1(sqlite3_libversion())),
                            this);
    link->setObjectName(QStringLiteral("lblLink"));
    link->setOpenExternalLinks(true);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    link->setCursor(Qt::PointingHandCursor);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : {static_cast<QWidget*>(name), static_cast<QWidget*>(version), static_cast<QWidget*>(credits),
                       static_cast<QWidget*>(link), static_cast<QWidget*>(buttons)})
        layout->addWidget(w);
}

}  // namespace tesmo
