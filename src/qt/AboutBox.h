#pragma once

#include <QDialog>

namespace tesmo {

// The About box: name, version, credits and the project's address.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent);
};

}  // namespace tesmo
