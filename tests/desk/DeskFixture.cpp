#include "DeskFixture.h"

#include "RaceFiles.h"
#include "Settings.h"

using namespace Qt::StringLiterals;

void DeskTest::writeSettings(const QString& last, const QString& flags) {
    race_data::SparaInstallningar(race_data::settingsPath(dir.path()), last, flags.split(QLatin1Char('*')));
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
    ::writeRace(path(u"Höst.dat"_s),
                {{u"Cecilia"_s, u"S3"_s, 1.0f, july5(13, 0, 0)},
                 {u"Anna"_s, u"S1"_s, 1.0f, july5(14, 0, 0)},
                 {u"Bertil"_s, u"S2"_s, 1.0f, july5(13, 0, 0)},
                 {u"David"_s, u"S4"_s}},
                july5(10, 0, 0));
}

frmMain& DeskTest::startedRace(const std::vector<Boat>& boats) {
    clock(2003, 7, 5, 10, 0, 0);
    frmMain& d = openRace(u"Höst.dat"_s, boats);
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

std::vector<QJsonObject> DeskTest::events(const QString& kind) const {
    std::vector<QJsonObject> found;
    for (const QJsonObject& e : log.events)
        if (e.value(u"event"_s).toString() == kind) found.push_back(e);
    return found;
}

QStringList DeskTest::messageTexts() const {
    QStringList texts;
    for (const QJsonObject& e : events(u"msgbox"_s))
        texts << e.value(u"text"_s).toString();
    return texts;
}

QStringList DeskTest::entries(const controls::ListBox* list) {
    QStringList texts;
    for (int i = 0; i < list->ListCount(); ++i)
        texts << list->List(i);
    return texts;
}
