// NAME.json beside the race: codes written whole and read back; a missing file is normal and silent; a
// damaged one gives what it can and says what it could not.
#include "RaceSidecar.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace race_data;

TEST(RaceSidecar, WhatIsWrittenComesBackAndAMissingFileIsNoProblem) {
    QTemporaryDir dir;
    const QString dat = dir.filePath("Höst.dat");
    const SidecarRead missing = readSidecar(dat);
    EXPECT_TRUE(missing.sidecar.codes.empty());
    EXPECT_TRUE(missing.problem.isEmpty());

    RaceSidecar sidecar{{{3, "DNF"}, {12, "DSQ"}},
                        {12, 3, 7},
                        {},
                        {{"SRS A", "Flerskrov"}, {{3, "Flerskrov"}, {7, "SRS A"}}}};
    sidecar.result.club = "Segelsällskapet Vågen";
    sidecar.result.heading = "Höstrundan \"Ö\"";
    sidecar.result.final = sidecar.result.total = true;
    sidecar.result.corrections[12][6] = {"4", "3"};
    sidecar.result.corrections[0][0] = {"Tävling", ""};
    writeSidecar(dat, sidecar);
    EXPECT_EQ(sidecarFileName(dat), dir.filePath("Höst.json"));
    const SidecarRead read = readSidecar(dat);
    EXPECT_EQ(read.sidecar.codes, sidecar.codes);
    EXPECT_EQ(read.sidecar.queue, sidecar.queue);
    EXPECT_EQ(read.sidecar.result, sidecar.result);
    EXPECT_EQ(read.sidecar.groups, sidecar.groups);
    EXPECT_TRUE(read.problem.isEmpty());
}

TEST(RaceSidecar, ADamagedFileGivesWhatItCanAndSaysWhatItCouldNot) {
    QTemporaryDir dir;
    const std::pair<QByteArray, std::map<int, QString>> cases[] = {
        {"{\"format\":1,\"codes\":{\"2\":\"RET\",\"x\":\"DNF\"}}", {{2, "RET"}}},
        {"{\"format\":1,\"codes\":{\"2\":\"RET\"", {}},
        {"\x00\xff", {}},
    };
    for (const auto& [bytes, codes] : cases) {
        writeBytes(dir.filePath("Höst.json"), bytes);
        const SidecarRead read = readSidecar(dir.filePath("Höst.dat"));
        EXPECT_EQ(read.sidecar.codes, codes) << bytes.toStdString();
        EXPECT_FALSE(read.problem.isEmpty()) << bytes.toStdString();
    }
}
