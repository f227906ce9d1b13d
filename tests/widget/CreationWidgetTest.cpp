// Pointer input and track creation offscreen: QTest clicks and drags on the surface, the
// questions answered as a user would, the rows read back from the database file.
#include <QCloseEvent>
#include <QSignalSpy>
#include <algorithm>
#include <array>

#include "widget/Harness.h"

namespace tesmo {
namespace {

// A window that may refuse to close, as a host asking "Quit?" does.
class HostWindow : public QWidget {
public:
    bool refuse = false;

protected:
    void closeEvent(QCloseEvent* event) override { event->setAccepted(!refuse); }
};

// A window holding a control whose database is an empty file of its own. The control is made
// in a panel that is put in the window afterwards, as hosts often build their windows.
struct Window {
    Window() {
        auto* panel = new QWidget;
        control = new TesmoWidget(panel);
        control->resize(400, 300);
        panel->setParent(&window);
        window.resize(420, 320);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    // Arms creation by points for a name and places five points: three clicks and a double
    // click, which also looks for a track to play (saying what it showed).
    void fivePoints(const QString& name, const QString& shown) {
        {
            Answers answers({"Yes", name});
            control->systemCommand(1108);
        }
        for (int i = 1; i <= 3; ++i) QTest::mouseClick(control->surface(), Qt::LeftButton, {}, QPoint(20 * i, 40));
        Answers answers({"OK"});
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, control->surface()->mapTo(&window, QPoint(80, 40)));
        EXPECT_EQ(answers.texts, QStringList{shown});
    }
    HostFolder folder{HostFolder::Empty};
    HostWindow window;
    TesmoWidget* control = nullptr;
};

TEST(CreationWidget, FiveClickedPointsKeptOnCommitAndDroppedOnDecline) {
    Window w;
    w.fivePoints("Kept", "No Track available.");  // the track being made is left out
    {
        Answers stored({"OK"});
        w.control->systemCommand(1109);
    }
    EXPECT_EQ(w.folder.rows("Kept"), 5);

    w.fivePoints("Declined", "Choose the Track");
    {
        // Asked only once the host lets the window go: a refused close leaves the track open.
        w.window.refuse = true;
        QStringList asked;
        OnShown<QMessageBox> no([&](QMessageBox* box) {
            asked << box->text();
            box->button(QMessageBox::No)->click();
        });
        EXPECT_FALSE(w.window.close());
        EXPECT_EQ(asked, QStringList());
        w.window.refuse = false;
    }
    {
        Answers answers({"No"});
        EXPECT_TRUE(w.window.close());
        EXPECT_EQ(answers.texts.value(0), "A new Track is still open and not saved.\n\nDo you want to save it before to exit ?");
    }
    EXPECT_EQ(w.folder.rows("Declined"), 0);
    EXPECT_EQ(w.folder.rows("Kept"), 5);
}

// Taking points back and discarding the new track, by key and by call; what is committed
// afterwards, read back through a second connection.
TEST(CreationWidget, UndoAndDiscardWhileCreating) {
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers m = {}) {
        return [k, m](Window& w) { QTest::keyClick(w.control->surface(), k, m); };
    };
    const struct {
        const char* name;
        bool byStep;
        int points;  // clicked by points; by step, the moves of one drag (and its release)
        std::function<void(Window&)> act;
        std::deque<QString> answers;
        int committed;  // -1: nothing armed to commit any more
        QString asked;
    } cases[] = {
        {"Backspace by points", false, 3, key(Qt::Key_Backspace), {}, 2, ""},
        {"Ctrl+Z by step", true, 3, key(Qt::Key_Z, Qt::ControlModifier), {}, 3, ""},
        {"every point taken back: still armed", false, 1,
         [](Window& w) {
             EXPECT_TRUE(w.control->undoLastPoint());
             EXPECT_TRUE(w.control->undoLastPoint());
             QTest::mouseClick(w.control->surface(), Qt::LeftButton, {}, QPoint(70, 70));
         },
         {}, 1, ""},
        {"Esc, Yes", false, 2, key(Qt::Key_Escape), {"Yes"}, -1, "Discard the new Track  ''Walk''  and its 2 points ?"},
        {"Esc, No", true, 2, key(Qt::Key_Escape), {"No"}, 3, "Discard the new Track  ''Walk''  and its 3 points ?"},
        {"discardNewTrack()", false, 2, [](Window& w) { EXPECT_TRUE(w.control->discardNewTrack()); }, {}, -1, ""},
    };
    for (const auto& c : cases) {
        Window w;
        QSignalSpy tracks(w.control, &TesmoWidget::tracksChanged);
        {
            Answers arm({"Yes", "Walk"});
            w.control->systemCommand(c.byStep ? 1107 : 1108);
        }
        EXPECT_TRUE(w.control->creatingTrack());
        QWidget* surface = w.control->surface();
        const QImage blank = surface->grab().toImage();
        if (c.byStep) {
            QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(10, 10));
            for (int i = 1; i <= c.points; ++i) {
                const QPointF at(10 + 20 * i, 10 + 15 * i);
                QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
                QApplication::sendEvent(surface, &move);
            }
            QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(10 + 20 * c.points, 10 + 15 * c.points));
        } else {
            for (int i = 1; i <= c.points; ++i) QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(20 * i, 40));
        }
        {
            Answers answers(c.answers);
            c.act(w);
            EXPECT_EQ(answers.texts.value(0), c.asked) << c.name;
        }
        EXPECT_EQ(surface->grab().toImage() == blank, c.committed == -1)
            << c.name << ": a discarded track leaves the map";
        OnShown<QMessageBox> stored([](QMessageBox* box) { box->accept(); });
        w.control->systemCommand(1109);
        EXPECT_EQ(w.folder.rows("Walk"), std::max(c.committed, 0)) << c.name;
        EXPECT_EQ(tracks.count(), c.committed > 0 ? 1 : 0) << c.name;
        EXPECT_FALSE(w.control->creatingTrack()) << c.name;
        EXPECT_EQ(w.control->trackNames(), c.committed > 0 ? QStringList{"Walk"} : QStringList()) << c.name;
    }
}

TEST(CreationWidget, TheEventsCarryTheButtonsAndKeys) {
    Window w;
    std::vector<std::array<float, 4>> downs, ups;
    QObject::connect(w.control, &TesmoWidget::MouseDown,
                     [&](short& b, short& s, float& x, float& y) { downs.push_back({float(b), float(s), x, y}); });
    QObject::connect(w.control, &TesmoWidget::MouseUp,
                     [&](short& b, short& s, float& x, float& y) { ups.push_back({float(b), float(s), x, y}); });
    QWidget* surface = w.control->surface();
    QTest::mouseClick(surface, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier, QPoint(10, 20));
    QTest::mouseClick(surface, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
    QTest::mouseClick(surface, Qt::MiddleButton, {}, QPoint(10, 20));
    QTest::mouseClick(w.control, Qt::LeftButton, {}, QPoint(0, 10));  // on the margin: a release only
    const std::vector<std::array<float, 4>> expected = {{1, 6, 150, 300}, {2, 1, 150, 300}, {4, 0, 150, 300}};
    EXPECT_EQ(downs, expected);
    EXPECT_EQ(ups.size(), 4u);
    EXPECT_EQ(std::vector(ups.begin(), ups.begin() + 3), expected);
    EXPECT_EQ(ups[3], (std::array<float, 4>{1, 0, 0, 150}));
}

}  // namespace
}  // namespace tesmo
