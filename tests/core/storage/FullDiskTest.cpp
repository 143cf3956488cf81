// SPDX-License-Identifier: GPL-3.0-or-later
// Saves on a real, nearly full filesystem: a tmpfs of a few pages, mounted in a mount
// namespace of this test's own so nothing outside sees it.
#include "core/stats/StatsCoding.h"
#include "core/stats/StatsStore.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "core/storage/SaveProblems.h"
#include "core/time/VirtualTimeSource.h"
#include "support/FileBytes.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace qv {
namespace {

using test::readFile;

constexpr qint64 pageBytes = 4096;

void writeProcFile(const char* path, const QByteArray& text) {
    QFile file(QString::fromLatin1(path));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text);
    }
}

// As root a mount namespace is ours to make; otherwise a user namespace, in which we are root,
// comes with it (as "unshare -rm" does).
bool enterOwnMountNamespace() {
    if (::unshare(CLONE_NEWNS) == 0) {
        return true;
    }
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray gid = QByteArray::number(::getgid());
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
        return false;
    }
    writeProcFile("/proc/self/setgroups", "deny");
    writeProcFile("/proc/self/uid_map", "0 " + uid + " 1");
    writeProcFile("/proc/self/gid_map", "0 " + gid + " 1");
    return true;
}

// A filesystem of sizeBytes at path for as long as this lives.
class SmallDisk {
public:
    SmallDisk(const QString& path, qint64 sizeBytes)
        : path_(QFile::encodeName(path)) {
        QDir().mkpath(path);
        // Private propagation first, or the mount would show up in the host's namespace too.
        if (!enterOwnMountNamespace() ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(sizeBytes);
        mounted_ = ::mount("tmpfs", path_.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount2(path_.constData(), MNT_DETACH);
        }
    }
    bool isMounted() const { return mounted_; }

private:
    QByteArray path_;
    bool mounted_ = false;
};

// Takes free space until exactly leftBytes are free (in whole pages).
void fillUpTo(const QString& filler, qint64 leftBytes) {
    QFile file(filler);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray page(pageBytes, 'x');
    while (file.write(page) == page.size()) {
    }
    file.close();
    ASSERT_TRUE(file.resize(std::max<qint64>(0, file.size() - leftBytes)));
}

class FullDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!disk.isMounted()) {
            GTEST_SKIP() << "no mount namespace here (needs root or user namespaces)";
        }
    }
    std::unique_ptr<StatsStore> stats() {
        return std::make_unique<StatsStore>(
            memory, [] { return Calendar(QTimeZone::utc(), QLocale::c()); }, time, statsPath,
            &problems);
    }
    // About 12 KB of history: 120 days with something on each.
    void writeHistory() {
        DayTable days;
        const QDate first(2025, 11, 1);
        for (int i = 0; i < 120; ++i) {
            days.insert(first.addDays(i).toString(Qt::ISODate), DayStat{12, 3, 2, 1, 1, 1});
        }
        ASSERT_TRUE(test::writeFile(statsPath, encodeDays(days)));
    }

    test::TemporaryHome home;
    QString mountPoint = home.filePath("disk");
    SmallDisk disk{mountPoint, 8 * pageBytes};
    QString statsPath = mountPoint + QStringLiteral("/stats.json");
    QString filler = mountPoint + QStringLiteral("/filler");
    MemoryKeyValueStore memory;
    VirtualTimeSource time;
    SaveProblems problems;
};

TEST_F(FullDiskTest, AFullDiskNeverCostsAByteOfHistory) {
    writeHistory();
    const qint64 historyBytes = QFileInfo(statsPath).size();
    ASSERT_GT(historyBytes, 2 * pageBytes);
    time.setWallClock(QDateTime(QDate(2026, 3, 7), QTime(9, 0), Qt::UTC));
    auto store = stats();
    QSignalSpy told(&problems, &SaveProblems::problemFound);

    // Less room than a new copy needs (a write stops part way), then none at all.
    for (const qint64 left : {2 * pageBytes, qint64(0)}) {
        QFile::remove(filler);
        fillUpTo(filler, left);
        for (int record = 0; record < 3; ++record) {
            const QByteArray before = readFile(statsPath);
            store->recordVerifiedBreak(ExerciseKind::squat, 10);
            EXPECT_EQ(readFile(statsPath), before) << "the file changed on a full disk";
            const auto decoded = decodeEachDay(readFile(statsPath));
            ASSERT_TRUE(decoded && decoded->droppedDays == 0) << "the file no longer parses";
        }
    }
    EXPECT_EQ(told.count(), 1);
    EXPECT_TRUE(problems.notice().contains(QStringLiteral("No space left on device")))
        << problems.notice().toStdString();
    EXPECT_EQ(QDir(mountPoint).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "a failed save left a temporary file behind";

    QFile::remove(filler);
    store->recordVerifiedBreak(ExerciseKind::squat, 10);
    EXPECT_FALSE(problems.hasProblems());
    const DayTable saved = decodeDays(readFile(statsPath)).value_or(DayTable());
    EXPECT_EQ(saved.size(), 121);
    EXPECT_EQ(saved.value("2026-03-07").verifiedBreaks, 7) << "every break recorded while full";
}

} // namespace
} // namespace qv
