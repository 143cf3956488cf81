// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsui/CameraChoiceList.h"

#include "core/settings/SettingsStore.h"
#include "core/storage/MemoryKeyValueStore.h"
#include "support/FakeCamera.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using qv::CameraChoiceList;

namespace {

const qv::CameraDevice desk{"usb-desk", "Desk Camera", false};
const qv::CameraDevice lid{"platform-lid", "Integrated Camera", true};

QStringList titles(const CameraChoiceList& list) {
    QStringList titles;
    for (int row = 0; row < list.rowCount(); ++row) {
        titles << list.data(list.index(row), CameraChoiceList::nameRole).toString();
    }
    return titles;
}

class CameraChoiceListTest : public ::testing::Test {
protected:
    qv::MemoryKeyValueStore defaults;
    qv::SettingsStore settings{defaults};
    qv::test::FakeCameraBackend backend;
};

// Cameras come and go while the window is open; the notice may arrive on another thread.
TEST_F(CameraChoiceListTest, FollowsCamerasPluggedInAndOut) {
    settings.setSelectedCameraID(QString("usb-desk"));
    backend.setDevices({lid});
    CameraChoiceList list(settings, &backend);
    QSignalSpy missingChanged(&list, &CameraChoiceList::isSelectedCameraMissingChanged);

    std::thread plugIn([&] { backend.setDevices({lid, desk}); });
    plugIn.join();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return list.rowCount() == 3 && !list.isSelectedCameraMissing(); }));
    EXPECT_EQ(titles(list), QStringList({"Automatic", "Integrated Camera", "Desk Camera"}));
    EXPECT_EQ(list.currentIndex(), 2);
    EXPECT_EQ(missingChanged.count(), 1);

    backend.setDevices({});
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.isSelectedCameraMissing(); }));
    EXPECT_EQ(titles(list), QStringList({"Automatic", "Not connected"}));
}

TEST_F(CameraChoiceListTest, ANoticeAfterTheListIsGoneIsIgnored) {
    backend.setDevices({lid});
    { CameraChoiceList list(settings, &backend); }
    backend.setDevices({lid, desk});
    QCoreApplication::processEvents(); // a notice reaching the destroyed list would crash
}

} // namespace
