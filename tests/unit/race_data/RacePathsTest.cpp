#include "RaceFiles.h"

#include <gtest/gtest.h>

TEST(RacePaths, CommentFileNameSearchesForTheDotNearTheEnd) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("/Tävlingar.2004/Höst.dat"), QStringLiteral("/Tävlingar.2004/Höst.cmt")},
        {QStringLiteral("/home/a.b/Vår 2004.dat"), QStringLiteral("/home/a.b/Vår 2004.cmt")},
        {QStringLiteral("/r/v.2004.dat"), QStringLiteral("/r/v.2004.cmt")},
        {QStringLiteral("/r/Höst.da"), QStringLiteral("/r/Höst.cmt")},
        // The search finds the dot before an extension of four letters, not one before five.
        {QStringLiteral("/r/Höst.lopp"), QStringLiteral("/r/Höst.cmt")},
        {QStringLiteral("/r/Höst.lopp1"), QStringLiteral("/r/Höst.lopp1.cmt")},
        {QStringLiteral("/r/a.b/Höst"), QStringLiteral("/r/a.b/Höst.cmt")},
        {QStringLiteral("a.b"), QStringLiteral("a.cmt")},
        {QString(), QStringLiteral(".cmt")},
    };
    for (const auto& [dat, cmt] : cases)
        EXPECT_EQ(race_data::commentFileName(dat), cmt) << dat.toStdString();
}

TEST(RacePaths, RaceNameIsTheLastPartWithoutItsExtension) {
    EXPECT_EQ(race_data::raceName(QStringLiteral("/Tävlingar.2004/Höst.dat")), QStringLiteral("Höst"));
    EXPECT_EQ(race_data::raceName(QStringLiteral("Vår 2004.dat")), QStringLiteral("Vår 2004"));
    EXPECT_EQ(race_data::raceName(QStringLiteral("/r/.da")), QString());
#ifdef Q_OS_WIN
    EXPECT_EQ(race_data::raceName(QStringLiteral("C:\\Tävlingar.2004\\Höst.dat")), QStringLiteral("Höst"));
#else
    EXPECT_EQ(race_data::raceName(QStringLiteral("/r/C:\\Höst.dat")), QStringLiteral("C:\\Höst"));
#endif
}
