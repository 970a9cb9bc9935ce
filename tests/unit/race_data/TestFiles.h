#pragma once
// A race file of given boats, the folder of one race, and the bytes on disk (FileBytes.h).
#include "../FileBytes.h"
#include "RaceFiles.h"
#include "RuntimeError.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

inline void makeReadOnly(const QString& path) {
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

inline std::optional<RuntimeError> failureOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const RuntimeError& e) {
        return e;
    }
    return std::nullopt;
}

// 2003-07-05 (a Saturday) at the given time of day, as a day count.
inline double july5(int h, int m, int s) {
    return 37807.0 + (h * 3600 + m * 60 + s) / 86400.0;
}

inline DeltagarPost recordNamed(const QString& namn, double startTid = 0, int borttagen = 0) {
    DeltagarPost p;
    p.Namn = namn;
    p.StartTid = startTid;
    p.Borttagen = borttagen;
    return p;
}

// A boat of a test race; without a corrected time of its own a finished boat has its sailed time.
struct Boat {
    QString namn;
    QString segelId;
    float lysTal = 1.0f;
    double malTid = 0.0;
    double korrTid = 0.0;
    int borttagen = 0;
    QString comment = {};
};

// Records 1, 2, ..., each carrying the start, each comment appended before its record.
inline void writeRace(const QString& dat, const std::vector<Boat>& boats, double start = 0.0) {
    race_data::RaceFiles files;
    files.open(dat);
    int n = 0;
    for (const Boat& b : boats) {
        DeltagarPost post = recordNamed(b.namn, start, b.borttagen);
        post.SegelId = b.segelId;
        post.LysTal = b.lysTal;
        post.MalTid = b.malTid;
        post.SeglTid = b.malTid > 0 ? b.malTid - start : 0.0;
        post.KorrigeradTid = b.korrTid != 0.0 ? b.korrTid : post.SeglTid;
        if (!b.comment.isEmpty()) {
            post.KommentarLen = std::int32_t(b.comment.size());
            post.KommentarPos = files.appendComment(b.comment);
        }
        files.writeRecord(++n, post);
    }
}

class RaceFolderTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString dat = dir.filePath(QStringLiteral("Höst 2004.dat"));
    QString cmt = dir.filePath(QStringLiteral("Höst 2004.cmt"));
    race_data::RaceFiles files;
};
