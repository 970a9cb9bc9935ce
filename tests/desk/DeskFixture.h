#pragma once
// The desk built offscreen on the scripted platform, in a fresh application folder per test.
#include "ScriptedPlatform.h"
#include "frmMain.h"
#include "race_data/TestFiles.h"

#include <QTemporaryDir>
#include <memory>

class DeskTest : public ::testing::Test {
protected:
    DeskTest() : scripted(log, dir.path()) {}

    QString path(const QString& name) const { return dir.filePath(name); }
    void writeSettings(const QString& last, const QString& flags);
    DeltagarPost record(const QString& race, int n) const;
    int recordCount(const QString& race) const;

    // Höst.dat: Cecilia (record 1) and Bertil (3) tie at 3:00:00, Anna (2) sailed 4:00:00, David (4) sails.
    void writeFinishedRace();
    // Höst.dat started at 10:00:00 on 5 July 2003, the start panel on show.
    frmMain& startedRace(const std::vector<Boat>& boats = {{QStringLiteral("Alfa"), QStringLiteral("S1")},
                                                           {QStringLiteral("Beta"), QStringLiteral("S2")},
                                                           {QStringLiteral("Cesar"), QStringLiteral("S3")}});
    static void queue(frmMain& d, int position);

    frmMain& load();
    // Writes the race and settings naming it as the last race, with these flags, and (re)starts the program.
    frmMain& openRace(const QString& name, const std::vector<Boat>& boats, double start = 0.0,
                      const QString& flags = QString()) {
        ::writeRace(path(name), boats, start);
        writeSettings(path(name), flags);
        return restart();
    }
    // Ends the program from outside (no handler runs) and starts it again.
    frmMain& restart() {
        desk.reset();
        return load();
    }

    std::vector<QJsonObject> events(const QString& kind) const;
    QStringList messageTexts() const;
    static QStringList entries(const controls::ListBox* list);
    void clock(int year, int month, int day, int hour, int minute, int second) {
        scripted.clock.set(QDateTime(QDate(year, month, day), QTime(hour, minute, second)));
    }

    QTemporaryDir dir;
    platform::MemoryEventLog log;
    platform::ScriptedPlatform scripted;
    std::unique_ptr<frmMain> desk;
};
