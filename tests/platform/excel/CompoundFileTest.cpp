#include "platform/excel/CompoundFile.h"

#include "helpers/IndependentReaders.h"
#include "helpers/TestFolder.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// Sizes on both sides of the mini stream's limit, one not a whole number of sectors, and
// one past the 109 FAT sectors the header lists, so that the DIFAT is needed.
TEST(CompoundFile, AnotherReaderFindsTheStreamWhole) {
    TestFolder folder;
    for (const qsizetype size : {qsizetype{100}, qsizetype{4095}, qsizetype{4096}, qsizetype{4097},
                                 qsizetype{109 * 128 * 512 + 1}}) {
        QByteArray stream(size, '\0');
        QRandomGenerator generator(static_cast<quint32>(size));
        for (char& byte : stream) {
            byte = static_cast<char>(generator.bounded(256));
        }
        const excel::CompoundFileParts parts =
            excel::CompoundFileAround(QStringLiteral("Workbook"), stream.size());
        const QString file = folder.File(QStringLiteral("%1.cfb").arg(size));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(parts.head + stream + parts.tail);
        out.close();
        EXPECT_EQ(out.size() % 512, 0);
        const auto [streamSize, sha1] = independent::Stream(file, QStringLiteral("Workbook"));
        EXPECT_EQ(streamSize, size);
        EXPECT_EQ(sha1, QCryptographicHash::hash(stream, QCryptographicHash::Sha1).toHex());
    }
}

} // namespace
