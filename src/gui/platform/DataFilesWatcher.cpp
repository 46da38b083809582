#include "platform/DataFilesWatcher.h"

#include "storage/AddrSet.h"
#include "storage/CalSet.h"
#include "storage/TypeSet.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {

constexpr int kSettleMs = 150;

const char* const kAddressFiles[] = {trevik::AddrSet::kFileName};
const char* const kCalendarFiles[] = {trevik::CalSet::kFileName, trevik::TypeSet::kFileName};

std::int64_t nanoseconds(const timespec& time) {
    return std::int64_t(time.tv_sec) * 1000000000 + time.tv_nsec;
}

} // namespace

DataFilesWatcher::DataFilesWatcher(QObject* parent) : QObject(parent) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &DataFilesWatcher::check);
    const auto changed = [this] { settle_.start(); };
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, changed);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, changed);
}

QString DataFilesWatcher::pathOf(const char* name) const {
    return directory_ + QLatin1Char('/') + QLatin1String(name);
}

void DataFilesWatcher::watch(const QString& directory) {
    if (!watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.directories());
    }
    directory_ = QDir(directory).absolutePath();
    watcher_.addPath(directory_);
    rearm();
}

// A watch follows the file it was set on; after a rename-over that is the old file, so the
// watches are set again on whatever the names now hold.
void DataFilesWatcher::rearm() {
    if (!watcher_.files().isEmpty()) {
        watcher_.removePaths(watcher_.files());
    }
    QStringList present;
    const auto addPresent = [&](const auto& names) {
        for (const char* name : names) {
            const QString path = pathOf(name);
            if (QFile::exists(path)) {
                present << path;
            }
        }
    };
    addPresent(kAddressFiles);
    addPresent(kCalendarFiles);
    if (!present.isEmpty()) {
        watcher_.addPaths(present);
    }
}

DataFilesWatcher::SideState DataFilesWatcher::stateOf(Side side) const {
    SideState state{};
    if (directory_.isEmpty()) {
        return state;
    }
    const auto fill = [&](const auto& names) {
        std::size_t i = 0;
        for (const char* name : names) {
            const QByteArray path = QFile::encodeName(pathOf(name));
            struct stat info {};
            if (::stat(path.constData(), &info) == 0) {
                state[i] = {true,
                            std::uint64_t(info.st_dev),
                            std::uint64_t(info.st_ino),
                            std::int64_t(info.st_size),
                            nanoseconds(info.st_mtim),
                            nanoseconds(info.st_ctim)};
            }
            ++i;
        }
    };
    if (side == Side::Addresses) {
        fill(kAddressFiles);
    } else {
        fill(kCalendarFiles);
    }
    return state;
}

void DataFilesWatcher::markShown(Side side, const SideState& state) {
    (side == Side::Addresses ? shownAddresses_ : shownCalendar_) = state;
}

void DataFilesWatcher::check() {
    rearm();
    if (stateOf(Side::Addresses) != shownAddresses_) {
        emit addressesChanged();
    }
    if (stateOf(Side::Calendar) != shownCalendar_) {
        emit calendarChanged();
    }
}
