// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storage/MemoryKeyValueStore.h"
#include "core/storage/SettingsFileStore.h"
#include "support/TestSupport.h"

#include <QTimeZone>
#include <gtest/gtest.h>
#include <memory>

using qv::KeyValueStore;

namespace {

// Every behaviour must hold for both stores.
class KeyValueStoreContract : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (QString(GetParam()) == "memory") {
            store_ = std::make_unique<qv::MemoryKeyValueStore>();
        } else {
            store_ = std::make_unique<qv::SettingsFileStore>(home_.filePath("test.conf"));
        }
    }

    // What a new process reads: the file store afresh from its file.
    KeyValueStore& reread() {
        if (QString(GetParam()) == "file") {
            store_ = std::make_unique<qv::SettingsFileStore>(home_.filePath("test.conf"));
        }
        return *store_;
    }

    qv::test::TemporaryHome home_;
    std::unique_ptr<KeyValueStore> store_;
};

} // namespace

TEST_P(KeyValueStoreContract, TypedValuesRoundTripExactly) {
    const QDateTime date = QDateTime::fromMSecsSinceEpoch(1'767'225'600'123, Qt::UTC);
    store_->setInteger("a.integer", -9'000'000'000LL);
    store_->setBoolean("a.boolean", true);
    store_->setText("a.text", "comma, \"quote\", a/b\\c and ünïcode");
    store_->setDate("a.date", date.toTimeZone(QTimeZone("Europe/Berlin")));
    store_->setData("a.data", QByteArray("\0\1\2", 3));
    store_->setText("a/slash", "kept flat");
    const KeyValueStore& store = reread();
    EXPECT_EQ(store.integer("a.integer"), -9'000'000'000LL);
    EXPECT_EQ(store.boolean("a.boolean"), true);
    EXPECT_EQ(store.text("a.text"), "comma, \"quote\", a/b\\c and ünïcode");
    EXPECT_EQ(store.date("a.date"), date);
    EXPECT_EQ(store.data("a.data"), QByteArray("\0\1\2", 3));
    EXPECT_EQ(store.text("a/slash"), "kept flat");
}

TEST_P(KeyValueStoreContract, WrongTypesReadAsAbsentOrTheDefault) {
    store_->registerDefaults({{"w.int", 7}});
    store_->setText("w.int", "seven");
    store_->setText("w.date", "2026-12-06 10:30"); // a date as loose text is no date
    store_->setText("w.bool", "yes please");
    store_->setData("w.data", "bytes");
    store_->setInteger("w.number", 3);
    EXPECT_EQ(store_->integer("w.int"), 7);
    EXPECT_FALSE(store_->date("w.date"));
    EXPECT_FALSE(store_->boolean("w.bool"));
    EXPECT_FALSE(store_->text("w.data"));
    EXPECT_FALSE(store_->integer("w.data"));
    EXPECT_FALSE(store_->data("w.number"));
    EXPECT_FALSE(store_->date("w.number"));
}

INSTANTIATE_TEST_SUITE_P(Stores, KeyValueStoreContract, ::testing::Values("memory", "file"));
