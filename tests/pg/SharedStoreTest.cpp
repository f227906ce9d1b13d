// Several controls on one server: one user's open track keeps no one from listing and
// playing, two users of one track name get a branch each, and a server that goes away
// during a playback ends it with the control's failure path instead of holding it up.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <future>
#include <thread>

#include "control/Commands.h"
#include "fakes/Fakes.h"
#include "pg/ServerStore.h"
#include "tracks/TrackStore.h"

namespace tesmo::test {
namespace {

// A control of its own on a server store, as one user's.
struct User : Rig {
    explicit User(const std::string& store) {
        database = StoreEngine(store);
        start();
    }
    void arm(const std::string& name) {
        prompts.answers = {msgbox::Yes};
        prompts.inputs = {name};
        commands.Run(Command::PointDraw);
    }
    // Clicks a point; the message shown for it ("" for none) and how long it took.
    std::pair<std::string, double> click(float x, float y) {
        const auto shown = prompts.calls.size();
        const auto start = std::chrono::steady_clock::now();
        container().MouseUp(1, 0, x, y);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        return {prompts.calls.size() > shown ? prompts.calls.back().text : "", ms};
    }
    std::string commit() {
        commands.Run(Command::Commit);
        return prompts.calls.back().text;
    }
    Commands commands{control};
};

std::string Rows(const std::string& store, const std::string& name) {
    auto rows = StoreEngine::Open(store)->OpenRecordSet(
        "SELECT ramo, ordinale FROM TESMO WHERE tratto = '" + name + "' ORDER BY ordinale");
    std::string text;
    for (; !rows->AtEnd(); rows->MoveNext())
        text += rows->Field("ramo").toString() + ":" + rows->Field("ordinale").toString() + " ";
    return text;
}

TEST(SharedStore, OneNameTakesTurnsAndOtherUsersGoOn) {
    if (ClusterFolder().empty()) GTEST_SKIP() << "no test cluster (TESMO_PG_DIR)";
    ServerStore server;
    User a(server.connection()), b(server.connection()), c(server.connection());
    a.arm("Same");
    EXPECT_EQ(a.click(10, 10).first, "");
    EXPECT_EQ(a.click(20, 20).first, "");

    // The second user of the name waits a bounded time for the first, and is told.
    b.arm("Same");
    const auto [message, ms] = b.click(30, 30);
    EXPECT_NE(message.find("lock timeout"), std::string::npos) << message;
    EXPECT_GE(ms, 200);
    EXPECT_LT(ms, 5000);

    // Another name is recorded meanwhile, and what is committed plays.
    c.arm("Other");
    EXPECT_EQ(c.click(40, 40).first, "");
    EXPECT_NE(c.commit().find("(of the  1\u00B0 Branch)"), std::string::npos);
    EXPECT_TRUE(c.control.DrawTrack("Other"));
    EXPECT_FALSE(c.control.DrawTrack("Same")) << "not committed yet";

    EXPECT_NE(a.commit().find("(of the  1\u00B0 Branch)"), std::string::npos);
    EXPECT_EQ(b.click(50, 50).first, "");
    EXPECT_EQ(b.click(60, 60).first, "");
    EXPECT_NE(b.commit().find("(of the  2\u00B0 Branch)"), std::string::npos);
    EXPECT_EQ(Rows(server.connection(), "Same"), "1:1 1:2 2:3 2:4 ");

    // A user whose first point waits for the name while the other commits sees that branch
    // once the wait is over.
    User d(server.connection());
    d.arm("Race");
    std::promise<void> holding;
    std::thread other([&] {
        const auto c = StoreEngine::Open(server.connection());
        c->BeginTrans();
        c->LockTrack("Race");
        c->Execute(TrackStore::InsertStatement(1, "Race", 1, 5, 5));
        holding.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        c->CommitTrans();
    });
    holding.get_future().wait();
    EXPECT_EQ(d.click(70, 70).first, "");
    other.join();
    EXPECT_NE(d.commit().find("(of the  2\u00B0 Branch)"), std::string::npos);
    EXPECT_EQ(Rows(server.connection(), "Race"), "1:1 2:2 ");
}

TEST(SharedStore, AServerStoppedDuringAPlayback) {
    if (ClusterFolder().empty()) GTEST_SKIP() << "no test cluster (TESMO_PG_DIR)";
    // A cluster of its own, as the shared one serves the other tests; made inside the
    // shared one's folder, so that the run's cleanup stops it too if this test cannot.
    const std::string folder = ClusterFolder() + "/stop-" + std::to_string(getpid());
    const std::string cluster = std::string(TESMO_PG_CLUSTER) + " ";
    ASSERT_EQ(std::system((cluster + "start " + folder).c_str()), 0);
    struct Stop {
        std::string command;
        ~Stop() { std::system(command.c_str()); }
    } stop{cluster + "stop " + folder};
    ServerStore server(folder);
    const std::string store = server.connection();
    auto c = StoreEngine::Open(store);
    for (int branch = 1; branch <= 3; ++branch)
        for (int i = 0; i < 5; ++i)
            c->Execute(TrackStore::InsertStatement(branch * 10 + i, "Far", static_cast<std::int16_t>(branch),
                                                   100.0f * i, 100.0f * branch));
    User user(store);
    user.arm("Open");
    EXPECT_EQ(user.click(10, 10).first, "");
    user.control.setDelay(5);
    bool stopped = false;
    user.ui.onYield = [&] {
        if (stopped || std::count(user.events.raised.begin(), user.events.raised.end(), "FinishDrawing") == 0) return;
        stopped = true;
        EXPECT_EQ(std::system((cluster + "stop " + folder).c_str()), 0);
    };
    user.control.DrawTrack("Far");
    EXPECT_TRUE(stopped);
    // A branch loaded before the stop is drawn; the next one cannot be loaded.
    EXPECT_LT(std::count(user.events.raised.begin(), user.events.raised.end(), "FinishDrawing"), 3);
    EXPECT_FALSE(user.control.ControlError().empty());
    // The open track's next point and its commit say the points are lost.
    user.ui.onYield = nullptr;
    EXPECT_FALSE(user.click(20, 20).first.empty());
    EXPECT_NE(user.commit().find("has not been stored"), std::string::npos) << user.prompts.calls.back().text;
}

}  // namespace
}  // namespace tesmo::test
