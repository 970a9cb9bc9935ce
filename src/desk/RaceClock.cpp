// The race clock on the start-and-finish panel: the time of day, the time since the start and how the
// fleet stands. A display timer repaints it every second; it only reads the race.
#include "frmMain.h"

#include "RaceTime.h"

void frmMain::showRaceClock() {
    const bool underWay = GemensamStart > 0 && race_.filesOpen();
    for (controls::Label* l : {lblKlocka, lblSedanStart, lblIMal})
        l->setVisible(underWay);
    if (!underWay) return;
    const double now = timing::timeStamp(platform_.clock.now());
    lblKlocka->setCaption(timing::clockText(now));
    const double start = shownStart();
    lblSedanStart->setCaption(start > 0 ? QStringLiteral("Sedan start ") + timing::TidSkillnad(now, start)
                                        : QStringLiteral("Ej startad"));
    const race::Race::Counts c = race_.counts();
    QString counts = QStringLiteral("I mål %1 · ute %2").arg(c.finished).arg(c.out);
    if (c.coded > 0) counts += QStringLiteral(" · kod %1").arg(c.coded);
    lblIMal->setCaption(counts);
}
