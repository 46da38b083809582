#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <cstdint>

// Tells the window when another program (trevik-cli, another window) changed the data
// files. It watches the directory, because a safe save renames a new file over the old one,
// and the files themselves, because an append changes a file in place. Each side remembers
// the state of its files when the window last read them, so the window's own writes, which it
// shows at once, cause no second refill.
class DataFilesWatcher final : public QObject {
    Q_OBJECT
public:
    enum class Side { Addresses, Calendar };

    // What identifies one state of a file: a rename-over gives a new inode, a write a new
    // size or modification time.
    struct FileState {
        bool exists = false;
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = 0;
        std::int64_t modifiedNs = 0;
        std::int64_t changedNs = 0;
        friend bool operator==(const FileState&, const FileState&) = default;
    };
    // The address file alone, or the calendar and entry type files.
    using SideState = std::array<FileState, 2>;

    explicit DataFilesWatcher(QObject* parent = nullptr);

    // Starts watching the data files in `directory`.
    void watch(const QString& directory);
    // The state of a side's files now; taken just before the window reads them.
    SideState stateOf(Side side) const;
    // The window shows a side as its files were in `state`.
    void markShown(Side side, const SideState& state);

signals:
    void addressesChanged();
    void calendarChanged();

private:
    QString pathOf(const char* name) const;
    void rearm();
    void check();

    QFileSystemWatcher watcher_;
    // Writes come in bursts (a rewrite, a rename, the lock); the check waits for quiet.
    QTimer settle_;
    QString directory_;
    SideState shownAddresses_{};
    SideState shownCalendar_{};
};
