#pragma once
// The desk built offscreen on the scripted platform, in a fresh application folder per test.
#include "DeltagarPost.h"
#include "ScriptedPlatform.h"
#include "frmMain.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// 2003-07-05 (a Saturday) at the given time of day, as a day count.
inline double july5(int h, int m, int s) {
    return 37807.0 + (h * 3600 + m * 60 + s) / 86400.0;
}

struct Boat {
    QString namn;
    QString segelId;
    float lysTal = 1.0f;
    double malTid = 0.0;
    double korrTid = 0.0;
    int borttagen = 0;
};

class DeskTest : public ::testing::Test {
protected:
    DeskTest();
    ~DeskTest() override;

    QString path(const QString& name) const;
    // Writes a race file of the given boats in record order, every record carrying the start.
    void writeRace(const QString& name, const std::vector<Boat>& boats, double start = 0.0);
    void writeSettings(const QString& last, const QString& flags);
    void copyExample();
    DeltagarPost record(const QString& race, int n) const;
    int recordCount(const QString& race) const;

    // Starts the program: load, show, first activation.
    frmMain& load();
    // Ends it from outside (no handler runs) and starts it again.
    frmMain& restart();

    std::vector<QJsonObject> events(const QString& kind) const;
    QStringList messageTexts() const;
    QStringList entries(const controls::ListBox* list) const;
    void clock(int year, int month, int day, int hour, int minute, int second);

    QTemporaryDir dir;
    platform::MemoryEventLog log;
    platform::ScriptedPlatform scripted;
    std::unique_ptr<frmMain> desk;
};
