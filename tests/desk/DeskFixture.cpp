#include "DeskFixture.h"

#include "RaceFiles.h"
#include "Settings.h"

#include <QFile>

DeskTest::DeskTest() : scripted(log, dir.path()) {}
DeskTest::~DeskTest() = default;

QString DeskTest::path(const QString& name) const {
    return dir.filePath(name);
}

void DeskTest::writeRace(const QString& name, const std::vector<Boat>& boats, double start) {
    ::writeRace(path(name), boats, start);
}

void DeskTest::writeSettings(const QString& last, const QString& flags) {
    race_data::SparaInstallningar(race_data::settingsPath(dir.path()), last, flags.split(QLatin1Char('*')));
}

void DeskTest::copyExample() {
    for (const char* name : {"Exempel.dat", "Exempel.cmt"}) {
        const QString to = path(QString::fromLatin1(name));
        QFile::copy(QStringLiteral(BRISRUNDAN_ASSETS "/") + QString::fromLatin1(name), to);
        QFile::setPermissions(to, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
}

DeltagarPost DeskTest::record(const QString& race, int n) const {
    race_data::RaceFiles files;
    files.openForReading(path(race));
    return files.readRecord(n);
}

int DeskTest::recordCount(const QString& race) const {
    race_data::RaceFiles files;
    files.openForReading(path(race));
    return files.recordCount();
}

void DeskTest::writeFinishedRace() {
    writeRace(QStringLiteral("Höst.dat"),
              {{QStringLiteral("Cecilia"), QStringLiteral("S3"), 1.0f, july5(13, 0, 0)},
               {QStringLiteral("Anna"), QStringLiteral("S1"), 1.0f, july5(14, 0, 0)},
               {QStringLiteral("Bertil"), QStringLiteral("S2"), 1.0f, july5(13, 0, 0)},
               {QStringLiteral("David"), QStringLiteral("S4")}},
              july5(10, 0, 0));
}

frmMain& DeskTest::startedRace() {
    return startedRace({{QStringLiteral("Alfa"), QStringLiteral("S1")},
                        {QStringLiteral("Beta"), QStringLiteral("S2")},
                        {QStringLiteral("Cesar"), QStringLiteral("S3")}});
}

frmMain& DeskTest::startedRace(const std::vector<Boat>& boats) {
    writeRace(QStringLiteral("Höst.dat"), boats);
    writeSettings(path(QStringLiteral("Höst.dat")), QStringLiteral("NC"));
    clock(2003, 7, 5, 10, 0, 0);
    frmMain& d = load();
    d.StartButton_Click();
    d.lblPanSM_Click();
    return d;
}

void DeskTest::queue(frmMain& d, int position) {
    d.lstPG->setListIndex(position);
    d.lstPG_DblClick();
}

frmMain& DeskTest::load() {
    platform::Platform platform = scripted.platform();
    desk = std::make_unique<frmMain>(platform);
    desk->Form_Load();
    desk->show();
    desk->Form_Activate();
    return *desk;
}

frmMain& DeskTest::restart() {
    desk.reset();
    return load();
}

std::vector<QJsonObject> DeskTest::events(const QString& kind) const {
    std::vector<QJsonObject> found;
    for (const QJsonObject& e : log.events)
        if (e.value(QStringLiteral("event")).toString() == kind) found.push_back(e);
    return found;
}

QStringList DeskTest::messageTexts() const {
    QStringList texts;
    for (const QJsonObject& e : events(QStringLiteral("msgbox")))
        texts << e.value(QStringLiteral("text")).toString();
    return texts;
}

QStringList DeskTest::entries(const controls::ListBox* list) const {
    QStringList texts;
    for (int i = 0; i < list->ListCount(); ++i)
        texts << list->List(i);
    return texts;
}

void DeskTest::clock(int year, int month, int day, int hour, int minute, int second) {
    scripted.clock.set(QDateTime(QDate(year, month, day), QTime(hour, minute, second)));
}
