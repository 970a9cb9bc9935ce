#include "RaceFiles.h"

#include <gtest/gtest.h>

// The search finds the dot before an extension of four letters, not one before five.
TEST(RacePaths, CommentFileNameSearchesForTheDotNearTheEnd) {
    const std::pair<QString, QString> cases[] = {{"/Tävlingar.2004/Höst.dat", "/Tävlingar.2004/Höst.cmt"},
                                                 {"/home/a.b/Vår 2004.dat", "/home/a.b/Vår 2004.cmt"},
                                                 {"/r/v.2004.dat", "/r/v.2004.cmt"},
                                                 {"/r/Höst.da", "/r/Höst.cmt"},
                                                 {"/r/Höst.lopp", "/r/Höst.cmt"},
                                                 {"/r/Höst.lopp1", "/r/Höst.lopp1.cmt"},
                                                 {"/r/a.b/Höst", "/r/a.b/Höst.cmt"},
                                                 {"a.b", "a.cmt"},
                                                 {"", ".cmt"}};
    for (const auto& [dat, cmt] : cases)
        EXPECT_EQ(race_data::commentFileName(dat), cmt) << dat.toStdString();
}

TEST(RacePaths, RaceNameIsTheLastPartWithoutItsExtension) {
    EXPECT_EQ(race_data::raceName("/Tävlingar.2004/Höst.dat"), "Höst");
    EXPECT_EQ(race_data::raceName("Vår 2004.dat"), "Vår 2004");
    EXPECT_EQ(race_data::raceName("/r/.da"), "");
#ifdef Q_OS_WIN
    EXPECT_EQ(race_data::raceName("C:\\Tävlingar.2004\\Höst.dat"), "Höst");
#else
    EXPECT_EQ(race_data::raceName("/r/C:\\Höst.dat"), "C:\\Höst");
#endif
}
