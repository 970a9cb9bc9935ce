// Start groups on the desk: the group chooser of the participant panel, the list of groups and their
// starts on the start panel, and starting or correcting one group. A race of one group shows none of
// the list and starts as one fleet.
#include "frmMain.h"

#include "ControlProps.h"
#include "DeskText.h"
#include "ErrorStyles.h"
#include "RaceTime.h"
#include "ResultList.h"

namespace {
const QString TimeFormat = QStringLiteral("yyyy-mm-dd    hh:mm:ss");
}

// The groups as the list shows them, each with its start; the officer's selection is kept.
void frmMain::showStarters() {
    const QString selected = selectedGroup().value_or(QString());
    const bool keep = selectedGroup().has_value();
    const bool several = race_.filesOpen() && race_.severalGroups();
    const bool wasSeveral = controls::ownVisible(lstStarter);
    lstStarter->setVisible(several);
    if (several)
        StartMsg->setVisible(false);
    else if (wasSeveral && GemensamStart > 0)
        showStartTime(); // one fleet again: its start and the message are back
    cboStart->setEntries([this] {
        QStringList named;
        for (const QString& g : race_.groups())
            if (!g.isEmpty()) named << g;
        return named;
    }());
    starterGroups_ = several ? race_.groups() : std::vector<QString>{};
    std::vector<std::pair<QString, std::int32_t>> entries;
    for (std::size_t i = 0; i < starterGroups_.size(); ++i) {
        const double start = race_.groupStart(starterGroups_[i]);
        entries.emplace_back(results::groupTitle(starterGroups_[i]) + QLatin1Char(' ') +
                                 (start > 0 ? timing::clockText(start) : QStringLiteral("ej startad")),
                             std::int32_t(i));
    }
    // After most commands nothing here has changed: the list is left as it is.
    const bool same = int(entries.size()) == lstStarter->ListCount() &&
                      std::all_of(entries.begin(), entries.end(),
                                  [this](const auto& e) { return lstStarter->List(e.second) == e.first; });
    if (same) return;
    lstStarter->FillInOrder(entries);
    const auto at = std::find(starterGroups_.begin(), starterGroups_.end(), selected);
    if (keep && at != starterGroups_.end()) {
        const QSignalBlocker quiet(lstStarter);
        lstStarter->setCurrentRow(int(at - starterGroups_.begin()));
    }
}

std::optional<QString> frmMain::selectedGroup() const {
    const int i = lstStarter->ListIndex();
    if (!controls::ownVisible(lstStarter) || i < 0 || std::size_t(i) >= starterGroups_.size())
        return std::nullopt;
    return starterGroups_[std::size_t(i)];
}

// The start the desk shows and counts from: the selected group's, else the race's first gun.
double frmMain::shownStart() const {
    const std::optional<QString> group = selectedGroup();
    return group ? race_.groupStart(*group) : GemensamStart;
}

void frmMain::lstStarter_Click() {
    const double start = shownStart();
    txtStartTid->setText(start > 0 ? timing::formatDate(start, TimeFormat) : QString());
    showRaceClock();
    focusFinishLine();
}

bool frmMain::startButtonUsable() const {
    if (!race_.severalGroups()) return !race_.anyFinished();
    const std::vector<QString>& groups = race_.groups();
    return std::any_of(groups.begin(), groups.end(),
                       [this](const QString& g) { return !race_.anyFinishedIn(g); });
}

// "Gemensam Start Nu" in a race of several groups: the selected group starts (again, after a question),
// or with none selected every group that has not started.
void frmMain::startGroupsNow(double now) {
    const std::optional<QString> group = selectedGroup();
    if (!group) {
        bool any = false;
        for (const QString& g : race_.groups())
            if (!(race_.groupStart(g) > 0)) any = SparaGruppStart(g, now) || any;
        if (!any)
            msg(QStringLiteral(
                    "Alla startgrupper har startat.\r\nVälj en grupp i listan för att ändra dess start."),
                platform::Buttons::OK, platform::Icon::Information);
        return;
    }
    if (race_.anyFinishedIn(*group)) { // its start is corrected in the box now
        platform_.dialogs.beep();
        return;
    }
    const double was = race_.groupStart(*group);
    if (was > 0 && ask(QStringLiteral("Starten för %1 gick kl %2. Ny start nu, kl %3? Gruppens båtar får den "
                                      "nya starttiden.")
                           .arg(results::groupTitle(*group), timing::clockText(was), timing::clockText(now)),
                       QStringLiteral("StartTid"), platform::Buttons::YesNo, platform::Icon::Exclamation,
                       platform::Answer::No) != platform::Answer::Yes) {
        focusFinishLine();
        return;
    }
    SparaGruppStart(*group, now);
}

// A start typed for the selected group: a start already given is replaced only after a question, and
// with finished boats in the group the officer confirms the recount.
void frmMain::typedGroupStart(double typed) {
    const std::optional<QString> group = selectedGroup();
    if (!group) {
        platform_.dialogs.beep();
        return;
    }
    const bool started = race_.groupStart(*group) > 0;
    if (started && !race_.anyFinishedIn(*group) &&
        ask(QStringLiteral("Vill du ha ny StartTid för %1 ?").arg(results::groupTitle(*group)),
            QStringLiteral("StartTid"), platform::Buttons::YesNo, platform::Icon::Exclamation,
            platform::Answer::No) != platform::Answer::Yes) {
        lstStarter_Click();
        return;
    }
    if (race_.anyFinishedIn(*group) &&
        ask(QStringLiteral("Nu måste du tänka till\r\ndet finns båtar i %1 som gått i mål\r\n"
                           "deras seglade och korrigerade tider räknas om !")
                .arg(results::groupTitle(*group)),
            QString(), platform::Buttons::OKCancel, platform::Icon::Exclamation,
            platform::Answer::Cancel) == platform::Answer::Cancel) {
        lstStarter_Click();
        return;
    }
    SparaGruppStart(*group, typed);
}

bool frmMain::SparaGruppStart(const QString& group, double start) {
    const bool raceStarted = GemensamStart > 0;
    const race::StartChange change = race_.setGroupStart(group, start);
    if (!showStartChange(change)) return false;
    if (!raceStarted) BatarIMalText = QString(std::max(AntalDeltagare - 1, 0), QLatin1Char('*'));
    showStarters();
    lstStarter_Click();
    return true;
}

// The participant panel's group chooser: picking a group edits the boat on show; Enter saves it.
void frmMain::cboStart_Click() {
    if (!controls::ownVisible(OkButton) && lstDeltagare->ListIndex() >= 0) EditButton_Click();
}

int frmMain::cboStart_KeyPress(int keyAscii) {
    if (keyAscii != 13) return keyAscii;
    if (controls::ownVisible(OkButton)) OkButton_Click();
    return 0;
}

// After a boat is saved: it joins the group in the chooser. A finished boat cannot join a group that
// has not started, since it would have no start to be timed from.
void frmMain::saveBoatGroup(int record) {
    const QString group = cboStart->Text().trimmed();
    if (record < 1 || group == race_.groupOf(record)) return;
    if (!race_.canMoveTo(record, group)) {
        msg(QStringLiteral("%1 har gått i mål och kan inte flyttas till %2, som inte har startat.")
                .arg(trimBlanks(race_.record(record).Namn), results::groupTitle(group)),
            platform::Buttons::OK, platform::Icon::Exclamation);
        cboStart->setText(race_.groupOf(record));
        return;
    }
    if (const std::optional<RuntimeError> failed = race_.setGroup(record, group))
        showWriteFailure(*failed, QStringLiteral("Startgruppen är inte sparad."));
    showStarters();
}

// A boat of a group that has not started cannot finish: it has no start to be timed from.
bool frmMain::refusedBeforeItsStart(int record) {
    if (race_.startOf(record) > 0) return false;
    msg(QStringLiteral("%1 startar i %2, som inte har startat.")
            .arg(trimBlanks(race_.record(record).Namn), results::groupTitle(race_.groupOf(record))),
        platform::Buttons::OK, platform::Icon::Exclamation);
    focusFinishLine();
    return true;
}
