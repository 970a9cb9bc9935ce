// The race's journal for the jury: a line for every finish registration and every start change,
// written after the registration itself is on the disk.
#include "frmMain.h"

#include "DeskText.h"
#include "ErrorStyles.h"
#include "FinishJournal.h"
#include "RaceTime.h"

void frmMain::journalFinish(race_data::JournalEvent event, int record, double oldTime, double newTime) {
    skipOnError([&] {
        const DeltagarPost& post = race_.record(record);
        race_data::appendJournal(DataFil,
                                 {timing::timeStamp(platform_.clock.now()), event, record,
                                  trimBlanks(post.Namn), trimBlanks(post.SegelId), oldTime, newTime});
    });
}

void frmMain::journalStart(double oldStart) {
    skipOnError([&] {
        race_data::appendJournal(DataFil, {timing::timeStamp(platform_.clock.now()),
                                           race_data::JournalEvent::Start,
                                           0,
                                           {},
                                           {},
                                           oldStart,
                                           GemensamStart});
    });
}
