#pragma once
// A race desk offscreen on the scripted platform, over real files in a temporary folder.
#include "DeltagarPost.h"
#include "RaceFiles.h"
#include "RaceSidecar.h"
#include "ScriptedPlatform.h"
#include "Settings.h"
#include "frmMain.h"

#include <QTemporaryDir>
#include <memory>

class BenchDesk {
public:
    BenchDesk() : scripted_(log_, dir_.path()) {}

    // Boats 1..2*ties in pairs with the same finish and rating, so each pair ties on its corrected
    // second; the last `codes` boats get a DNF in NAME.json.
    void tieAndCode(int n, int ties, int codes) {
        race_data::RaceFiles files;
        files.open(path(QStringLiteral("Stor.dat")));
        for (int i = 0; i < 2 * ties; i += 2) {
            const DeltagarPost first = files.readRecord(i + 1);
            DeltagarPost second = files.readRecord(i + 2);
            second.LysTal = first.LysTal;
            second.MalTid = first.MalTid;
            second.SeglTid = first.SeglTid;
            second.KorrigeradTid = first.KorrigeradTid;
            files.writeRecord(i + 2, second);
        }
        files.close();
        race_data::RaceSidecar sidecar;
        for (int r = n - codes + 1; r <= n; ++r)
            sidecar.codes[r] = QStringLiteral("DNF");
        race_data::writeSidecar(path(QStringLiteral("Stor.dat")), sidecar);
    }

    // Boat record r in start group "Grupp (r - 1) % groups", every group started with the race, codes
    // kept; one group is the race without named groups.
    void inGroups(int n, int groups) {
        if (groups < 2) return;
        race_data::RaceSidecar sidecar = race_data::readSidecar(path(QStringLiteral("Stor.dat"))).sidecar;
        for (int g = 0; g < groups; ++g)
            sidecar.groups.order.push_back(QStringLiteral("Grupp %1").arg(g));
        for (int r = 1; r <= n; ++r)
            sidecar.groups.groupOf[r] = sidecar.groups.order[std::size_t((r - 1) % groups)];
        race_data::writeSidecar(path(QStringLiteral("Stor.dat")), sidecar);
    }

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString folder() const { return dir_.path(); }

    // A race of n boats started at 10:00; the first `finished` of them have a finish and a flag.
    void writeRace(int n, int finished) {
        const double start = 37807.0 + 10.0 / 24;
        race_data::RaceFiles files;
        files.open(path(QStringLiteral("Stor.dat")));
        QStringList flags;
        for (int i = 0; i < n; ++i) {
            DeltagarPost post;
            post.Namn = QStringLiteral("Båt %1").arg(i, 4, 10, QLatin1Char('0'));
            post.SegelId = QStringLiteral("SWE %1").arg(i);
            post.BTyp = QStringLiteral("Folkbåt");
            post.LysTal = 0.8f + static_cast<float>(i % 60) / 100.0f;
            post.StartTid = start;
            if (i < finished) {
                post.MalTid = start + (3.0 + i / 1000.0) / 24;
                post.SeglTid = post.MalTid - start;
                post.KorrigeradTid = post.SeglTid * post.LysTal;
            }
            files.writeRecord(i + 1, post);
            flags << (i < finished ? QStringLiteral("x") : QString());
        }
        files.close();
        // The names sort in record order, so flag i belongs to record i + 1.
        race_data::SparaInstallningar(race_data::settingsPath(dir_.path()), path(QStringLiteral("Stor.dat")),
                                      flags);
    }

    frmMain& load() {
        platform::Platform pf = scripted_.platform();
        desk_ = std::make_unique<frmMain>(pf);
        desk_->Form_Load();
        desk_->show();
        desk_->Form_Activate();
        log_.events.clear();
        return *desk_;
    }

    platform::ScriptedPlatform& scripted() { return scripted_; }
    void clearLog() { log_.events.clear(); }

private:
    QTemporaryDir dir_;
    platform::MemoryEventLog log_;
    platform::ScriptedPlatform scripted_;
    std::unique_ptr<frmMain> desk_;
};
