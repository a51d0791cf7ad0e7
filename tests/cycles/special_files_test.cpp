#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sys/stat.h>

#include "cycles/cutting_table.h"

using namespace quillmar;

// A fifo named as the cutting-condition or material file would block the program for
// ever; a device would never end. Neither is read, and the table stays as it was.
TEST(CuttingTableFile, OnlyARegularFileIsRead) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("S45C.CSV"));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    CuttingConditionTable table;
    table.setCell(1, 1, QStringLiteral("kept"));
    for (const QString& path : {fifo, QStringLiteral("/dev/zero")}) {
        EXPECT_FALSE(LoadCuttingTable(path, table)) << path.toStdString();
        EXPECT_EQ(table.cell(1, 1), QStringLiteral("kept"));
    }
}
