// The desk's four lists as views of the race: participants and approaching boats in alphabetical
// order, the finish queue in queuing order, the hidden ranking; every entry carries its record number.
#include "frmMain.h"

#include "DeskText.h"
#include "ErrorStyles.h"
#include "Settings.h"

std::vector<int> frmMain::listOrder() const {
    std::vector<int> records;
    records.reserve(std::size_t(lstDeltagare->ListCount()));
    for (int p = 0; p < lstDeltagare->ListCount(); ++p)
        records.push_back(lstDeltagare->ItemData(p));
    return records;
}

int frmMain::listPosition(int record) const {
    for (int p = 0; p < lstDeltagare->ListCount(); ++p)
        if (lstDeltagare->ItemData(p) == record) return p;
    return -1;
}

// Shows the participant: selecting its entry runs the list's click handler, which fills the panel.
void frmMain::selectParticipantRecord(int record) {
    skipOnError([this, record] { lstDeltagare->setListIndex(listPosition(record)); });
}

// The flag list of the settings file follows the participant list's order. It grows only to hold a
// mark past its end (a list cut short); items past the last participant are spare and kept empty.
// Returns whether any item changed.
bool frmMain::syncFlags() {
    const QStringList before = BatarIMal;
    const QStringList marks = race_.marksByPosition(listOrder());
    for (qsizetype p = 0; p < marks.size(); ++p) {
        if (p >= BatarIMal.size() && marks[p].isEmpty()) continue;
        while (BatarIMal.size() <= p)
            BatarIMal.append(QString());
        BatarIMal[p] = marks[p];
    }
    for (qsizetype p = marks.size(); p < BatarIMal.size(); ++p)
        BatarIMal[p].clear();
    return BatarIMal != before;
}

// When boats move in the list, their flags move too, and the settings file must say so at once: a
// restart would otherwise give a finish to the boat that took another's place.
void frmMain::saveMovedFlags() {
    if (syncFlags()) saveSettings();
}

// "Båtar på väg mot mål" holds the boats still out, in participant list order: a finished boat leaves
// it, a boat whose finish is taken back returns.
void frmMain::fillApproachList() {
    std::vector<std::pair<QString, std::int32_t>> entries;
    entries.reserve(std::size_t(lstDeltagare->ListCount()));
    for (int i = 0; i < lstDeltagare->ListCount(); ++i)
        if (!race_.finished(lstDeltagare->ItemData(i)))
            entries.emplace_back(lstDeltagare->List(i), lstDeltagare->ItemData(i));
    lstPG->FillInOrder(entries);
}

int frmMain::approachPosition(int record) const {
    for (int p = 0; p < lstPG->ListCount(); ++p)
        if (lstPG->ItemData(p) == record) return p;
    return -1;
}

// The boat's approach entry follows its finish: gone once it finished, back at its sorted place when not.
void frmMain::showApproach(int record) {
    const int at = approachPosition(record);
    if (at >= 0) lstPG->RemoveItem(at);
    if (!(GemensamStart > 0) || race_.finished(record) || race_.entry(record).isEmpty()) return;
    const int placed = lstPG->AddItem(race_.entry(record));
    lstPG->setItemData(placed, record);
}

void frmMain::showQueueAndRanking() {
    std::vector<std::pair<QString, std::int32_t>> queue;
    for (std::size_t i = 0; i < race_.queue().size(); ++i)
        queue.emplace_back(race_.queueText(int(i)), race_.queue()[i].record);
    lstMg->FillInOrder(queue);
    showRanking();
}

// The hidden ranking list anew; the queue's texts do not change when times do.
void frmMain::showRanking() {
    std::vector<std::pair<QString, std::int32_t>> ranking;
    for (const race::Ranking::Entry& e : race_.ranking())
        ranking.emplace_back(e.key, e.record);
    lstSortMG->FillInOrder(ranking);
}

// A saved participant's entry goes to its sorted place under its new text; the approach list and the
// finish queue follow it, so every entry keeps naming and pointing at its own boat. replacing is the
// entry's position before the save, -1 for a new participant. Returns the entry's position.
int frmMain::showSavedEntry(int record, const QString& entry, int replacing) {
    if (replacing >= 0 && lstDeltagare->List(replacing) == entry) return replacing;
    race_.setEntry(record, entry);
    if (replacing >= 0) lstDeltagare->RemoveItem(replacing);
    const int placed = lstDeltagare->AddItem(entry);
    lstDeltagare->setItemData(placed, record);
    showApproach(record); // a boat added or renamed during the race approaches too
    const int queued = race_.queueIndexOf(record);
    if (queued >= 0 && queued < lstMg->ListCount()) lstMg->setList(queued, race_.queueText(queued));
    return placed;
}

// A removed participant leaves every list; the marks of the others stay with their boats.
void frmMain::showDeletedEntry(int record, int position, int queueIndex) {
    lstDeltagare->RemoveItem(position);
    if (const int approaching = approachPosition(record); approaching >= 0) lstPG->RemoveItem(approaching);
    if (queueIndex >= 0 && queueIndex < lstMg->ListCount()) lstMg->RemoveItem(queueIndex);
    for (int i = 0; i < lstSortMG->ListCount(); ++i)
        if (lstSortMG->ItemData(i) == record) {
            lstSortMG->RemoveItem(i);
            break;
        }
    saveMovedFlags();
}
