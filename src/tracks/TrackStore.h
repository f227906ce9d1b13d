#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tesmo {

struct ControlState;
struct Ports;
class Menus;
class Connection;

// The track database: where it is, its connection, and every statement the control sends.
class TrackStore {
public:
    TrackStore(ControlState& state, const Ports& ports, Menus& menus) : s_(state), ports_(ports), menus_(menus) {}

    // (Re)opens Tesmo.mdb in AppFolder. A failure sets DbFailed and shows the engine's text.
    // While a new track is open its connection is kept, with the track's transaction.
    void OpenDatabase();
    // Opens again, without a word, a store that failed on another program's lock: called
    // when the user next asks for a track, so that the lock gone, the tracks come back.
    void RetryFailed();

    // Closes and releases the connection, when there is one.
    void CloseDatabase();

    // Doubles every apostrophe, so that a name can stand between apostrophes in a statement.
    static std::string EscapeQuotes(const std::string& text);
    // A name escaped and between apostrophes, as statements take it.
    static std::string Quoted(const std::string& name);
    // The shortest decimal text of a single-precision position, with "." as the decimal point.
    static std::string CoordinateText(float value);
    // The statement that stores one point of a track.
    static std::string InsertStatement(std::int32_t ordinal, const std::string& name, std::int16_t branch, float x,
                                       float y);

    // The query of the stored track names, in order, leaving out `except`; `indexed` when
    // the table has its index.
    static std::string NamesStatement(const std::optional<std::string>& except, bool indexed);

    // The number of stored tracks. Throws on failure.
    std::int32_t CountTracks();
    // The stored track names in order, leaving out the track being created. Throws.
    std::vector<std::string> ListTracks();
    // The number of branches of a track (1 when it has none); 0 on failure.
    std::int16_t CountBranches(const std::string& name);
    // Loads branch n of a track into PointsX / PointsY; false with ControlError on failure.
    bool LoadBranch(const std::string& name, std::int16_t n);
    // The points of a track over all its branches; 0 on failure.
    std::size_t CountPoints(const std::string& name);

    // A row of a branch: its ordinal and coordinates.
    struct Row {
        std::int32_t ordinal;
        float x, y;
    };
    // The rows of one branch in ordinal order. Throws.
    std::vector<Row> BranchRows(const std::string& name, std::int16_t branch);
    // Deletes one row of a branch. Throws.
    void DeleteRow(const std::string& name, std::int16_t branch, std::int32_t ordinal);

    struct NextBranch {
        std::int16_t branch = 1;
        std::int32_t lastOrdinal = 0;
    };
    // The branch a new stretch of a track gets, and the ordinal its points continue from.
    NextBranch FindNextBranch(const std::string& name);
    void InsertPoint(std::int32_t ordinal, const std::string& name, std::int16_t branch, float x, float y);
    // Deletes every row of TrackName in a transaction of its own; false with ControlError.
    bool DeleteTrack();

    // The transaction that holds a track being created. Throw, also without a connection.
    // Inside a transaction: other clients writing the same track name wait for its end.
    void LockTrack(const std::string& name);
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    // Whether that transaction is still open on the engine's side.
    bool InTransaction() const;

private:
    Connection& connection();
    // (Re)opens the store: the engine's text of a failure, else nothing.
    std::string Open();

    ControlState& s_;
    const Ports& ports_;
    Menus& menus_;
    bool locked_ = false;   // the last opening failed on a lock another program held
    bool indexed_ = false;  // the table has its index
};

}  // namespace tesmo
