#include "qt/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace tesmo {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fabout"));
    setWindowTitle(tr("About Tesmo"));

    auto* name = new QLabel(QStringLiteral("<b style='font-size:16pt'>Tesmo</b>"), this);
    auto* version = new QLabel(tr("Version %1").arg(QStringLiteral(TESMO_VERSION)), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* credits = new QLabel(tr("Chart and track control for Qt 6 applications.\n"
                                  "Built with Qt %1 and SQLite.")
                                   .arg(QString::fromLatin1(qVersion())),
                               this);
    auto* link = new QLabel(QStringLiteral("<a href=\"https://github.com/tesmo/tesmo\">github.com/tesmo/tesmo</a>"), this);
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
