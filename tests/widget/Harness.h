#pragma once

// What the widget tests share: pictures read back, errors, folders for the widgets' track
// database, dialogs answered as they come (Answers.h, which other programs use too), and a
// chart on screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "sqlite/SqliteConnection.h"
#include "tesmo/Error.h"
#include "tesmo/TesmoWidget.h"
#include "tracks/TrackStore.h"
#include "widget/Answers.h"

namespace tesmo {

inline QImage Shot(TesmoWidget& w) {
    QApplication::processEvents();
    return w.surface()->grab().toImage();
}

// A colour of the control (red in the low byte).
inline QColor Rgb(std::int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// The pixels of `area` that pass `test`.
inline int Count(const QImage& image, const QRect& area, const std::function<bool(const QColor&)>& test) {
    const QRect r = area.intersected(image.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += test(image.pixelColor(x, y));
    return n;
}

inline int CountColor(const QImage& image, const QRect& area, const QColor& color) {
    return Count(image, area, [&](const QColor& p) { return p == color; });
}

inline int CountColor(const QImage& image, const QColor& color) {
    return CountColor(image, image.rect(), color);
}

// Pixels close to a colour: JPEG and PDF rendering are not exact.
inline int CountNear(const QImage& image, const QRect& area, const QColor& color) {
    return Count(image, area, [&](const QColor& p) {
        return std::abs(p.red() - color.red()) + std::abs(p.green() - color.green()) +
                   std::abs(p.blue() - color.blue()) < 90;
    });
}

// Text is antialiased: its dark pixels.
inline int CountDark(const QImage& image, const QRect& area, int below = 128) {
    return Count(image, area, [&](const QColor& p) { return qGray(p.rgb()) < below; });
}

// The number of the Error that `call` throws; 0 when it throws none.
template <typename F>
int ErrorOf(F&& call) {
    try {
        call();
    } catch (const Error& e) {
        return e.number();
    }
    return 0;
}

// The folder the widgets made while it lives look in for their track database: one with two
// tracks (Coast, of three branches, and Inland), an empty one, or none at all.
class HostFolder {
public:
    enum Database { Tracks, Empty, None };
    explicit HostFolder(Database database = Tracks) {
        if (database != None) CreateTrackDatabase(path());
        if (database == Tracks) {
            SqliteConnection c;
            c.Open(ConnectionStringFor(path()));
            for (const char* row : {"1,'Coast',1,300,300", "2,'Coast',1,6000,300", "3,'Coast',2,6000,300",
                                    "4,'Coast',2,6000,4000", "5,'Coast',3,300,4000", "6,'Coast',3,6000,4000",
                                    "1,'Inland',1,1000,1000", "2,'Inland',1,2000,2000"})
                c.Execute(std::string("INSERT INTO TESMO VALUES (") + row + ")");
        }
        TesmoWidget::setDefaultAppFolder(folder_.path());
    }
    ~HostFolder() { TesmoWidget::setDefaultAppFolder(previous_); }

    std::string path() const { return folder_.filePath(QStringLiteral("Tesmo.mdb")).toStdString(); }
    // The rows of a track, read through a connection of the test's own.
    int rows(const std::string& track) const {
        SqliteConnection c;
        c.Open(ConnectionStringFor(path()));
        return c.OpenRecordSet("SELECT * FROM TESMO WHERE tratto=" + TrackStore::Quoted(track))->RecordCount();
    }

private:
    QString previous_ = TesmoWidget::defaultAppFolder();
    QTemporaryDir folder_;
};

// Runs `action` once on the next pop-up menu or modal dialog of class W on screen, while
// this object lives. It polls, so that it does not matter which event loop shows it.
template <typename W>
class OnShown {
public:
    explicit OnShown(std::function<void(W*)> action) {
        QObject::connect(&poll_, &QTimer::timeout, [this, action] {
            QWidget* top = QApplication::activePopupWidget();
            auto* shown = qobject_cast<W*>(top ? top : QApplication::activeModalWidget());
            if (!shown || !shown->isVisible()) return;
            poll_.stop();
            action(shown);
        });
        poll_.start(5);
    }

private:
    QTimer poll_;
};

// Does `press` and accepts the message box it brings; what the box said.
inline QString Answer(const std::function<void()>& press) {
    QString text;
    OnShown<QMessageBox> answer([&](QMessageBox* box) {
        text = box->text();
        box->accept();
    });
    press();
    return text;
}

// The message boxes on screen, modal or not.
inline QList<QMessageBox*> MessagesShown() {
    QList<QMessageBox*> shown;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) shown << box;
    return shown;
}

// A chart on screen, drawn in black on white until told otherwise.
struct ShownChart {
    explicit ShownChart(QSize size = {320, 240}) {
        w.resize(size);
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        c.setMapStyle(enMapStyle::ScaleSystem);
        c.setBackColor(0xFFFFFF);
        c.setForeColor(0);
    }
    // Eleven points going up and down between 20 and 80.
    void zigzag() {
        for (int x = 0; x <= 100; x += 10) c.Point_Add(x, x % 20 == 0 ? 20 : 80);
    }
    TesmoWidget w;
    ucTesmo& c = w.control();
};

}  // namespace tesmo
