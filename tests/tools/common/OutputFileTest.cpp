// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/common/OutputFile.h"

#include "support/FileBytes.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

using qv::test::readFile;
using qv::tools::OutputFile;
using qv::tools::writeOutputFile;

// /dev/full takes every write into the buffer and fails when it is flushed: a tool that did not
// check the last step said it had written everything.
TEST(OutputFile, AFullDeviceFailsWithTheNameAndTheReason) {
    const QByteArray large(200 * 1024, 'p');
    for (const QByteArray& bytes : {QByteArray("P6\n1 1\n255\n\0\0\0", 14), large}) {
        const qv::Status written = writeOutputFile("/dev/full", bytes);
        ASSERT_FALSE(written) << bytes.size();
        EXPECT_TRUE(written.error().startsWith("cannot write /dev/full: "))
            << written.error().toStdString();
    }
    // Streamed output, as the pose stream writers use it.
    OutputFile stream("/dev/full");
    ASSERT_TRUE(stream.open());
    stream.device().write("{\"format\":1}\n");
    EXPECT_FALSE(stream.commit());
    EXPECT_TRUE(QFile::exists("/dev/full")) << "the device was replaced";
}

TEST(OutputFile, AFileIsReplacedWholeOrLeftAsItWas) {
    qv::test::TemporaryHome home;
    const QString path = home.filePath("poses.jsonl");
    ASSERT_TRUE(writeOutputFile(path, "first\n"));
    EXPECT_EQ(readFile(path), "first\n");

    OutputFile abandoned(path);
    ASSERT_TRUE(abandoned.open());
    abandoned.device().write("half a stre");
    EXPECT_FALSE(abandoned.abandon());
    EXPECT_EQ(readFile(path), "first\n");

    const qv::Status intoFolder = writeOutputFile(home.path(), "x");
    EXPECT_FALSE(intoFolder);
    EXPECT_TRUE(intoFolder.error().contains(home.path())) << intoFolder.error().toStdString();
}
