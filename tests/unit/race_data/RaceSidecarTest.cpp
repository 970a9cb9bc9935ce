// NAME.json beside the race: codes written whole and read back; a missing file is normal and silent; a
// damaged one gives what it can and says what it could not.
#include "RaceSidecar.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace race_data;

TEST(RaceSidecar, CodesComeBackAsWrittenAndAMissingFileIsNoProblem) {
    QTemporaryDir dir;
    const QString dat = dir.filePath(QStringLiteral("Höst.dat"));
    const SidecarRead missing = readSidecar(dat);
    EXPECT_TRUE(missing.sidecar.codes.empty());
    EXPECT_TRUE(missing.problem.isEmpty());

    ResultText result;
    result.club = QStringLiteral("Segelsällskapet Vågen");
    result.heading = QStringLiteral("Höstrundan \"Ö\"");
    result.final = true;
    result.total = true;
    result.corrections[12][6] = {QStringLiteral("4"), QStringLiteral("3")};
    result.corrections[0][0] = {QStringLiteral("Tävling"), QString()};
    StartGroups groups{{"SRS A", "Flerskrov"}, {{3, "Flerskrov"}, {7, "SRS A"}}};
    writeSidecar(dat,
                 {{{3, QStringLiteral("DNF")}, {12, QStringLiteral("DSQ")}}, {12, 3, 7}, result, groups});
    EXPECT_EQ(sidecarFileName(dat), dir.filePath(QStringLiteral("Höst.json")));
    const SidecarRead read = readSidecar(dat);
    EXPECT_EQ(read.sidecar.codes, (std::map<int, QString>{{3, "DNF"}, {12, "DSQ"}}));
    EXPECT_EQ(read.sidecar.queue, (std::vector<int>{12, 3, 7}));
    EXPECT_EQ(read.sidecar.result, result);
    EXPECT_EQ(read.sidecar.groups, groups);
    EXPECT_TRUE(read.problem.isEmpty());
}

TEST(RaceSidecar, ADamagedFileGivesWhatItCanAndSaysWhatItCouldNot) {
    QTemporaryDir dir;
    const QString dat = dir.filePath(QStringLiteral("Höst.dat"));
    const std::pair<QByteArray, std::map<int, QString>> cases[] = {
        {"{\"format\":1,\"codes\":{\"2\":\"RET\",\"x\":\"DNF\"}}", {{2, "RET"}}},
        {"{\"format\":1,\"codes\":{\"2\":\"RET\"", {}},
        {"\x00\xff", {}},
    };
    for (const auto& [bytes, codes] : cases) {
        writeBytes(dir.filePath(QStringLiteral("Höst.json")), bytes);
        const SidecarRead read = readSidecar(dat);
        EXPECT_EQ(read.sidecar.codes, codes) << bytes.toStdString();
        EXPECT_FALSE(read.problem.isEmpty()) << bytes.toStdString();
    }
}
