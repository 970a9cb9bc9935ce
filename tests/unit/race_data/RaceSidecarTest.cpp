// NAME.json beside the race; that a missing one is silent, every new race in the desk's tests shows.
#include "RaceSidecar.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace race_data;

TEST(RaceSidecar, WhatIsWrittenComesBack) {
    QTemporaryDir dir;
    const QString dat = dir.filePath("Höst.dat");
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
    const SidecarRead read = readSidecar(dat);
    EXPECT_EQ(std::tuple(read.sidecar.codes, read.sidecar.queue, read.sidecar.result, read.sidecar.groups),
              std::tuple(sidecar.codes, sidecar.queue, sidecar.result, sidecar.groups));
    EXPECT_TRUE(read.problem.isEmpty());
}

TEST(RaceSidecar, ADamagedFileGivesWhatItCanAndSaysWhatItCouldNot) {
    QTemporaryDir dir;
    const std::pair<QByteArray, std::map<int, QString>> cases[] = {
        {"{\"format\":1,\"codes\":{\"2\":\"RET\",\"x\":\"DNF\"}}", {{2, "RET"}}},
        {"{\"format\":1,\"codes\":{\"2\":\"RET\"", {}},
    };
    for (const auto& [bytes, codes] : cases) {
        writeBytes(dir.filePath("Höst.json"), bytes);
        const SidecarRead read = readSidecar(dir.filePath("Höst.dat"));
        EXPECT_EQ(read.sidecar.codes, codes) << bytes.toStdString();
        EXPECT_FALSE(read.problem.isEmpty()) << bytes.toStdString();
    }
}
