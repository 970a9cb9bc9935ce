// "ResultatLista" and "Skriv Ut".
#include "frmMain.h"

#include "ControlProps.h"
#include "ErrorStyles.h"
#include "PrintResultWindow.h"
#include "RaceResultList.h"
#include "frmResultat.h"

void frmMain::lblfrmRes_Click() {
    frmResultat& r = resultat();
    for (controls::TextBox* box : r.lvwEdit)
        box->setText(QString());
    panDeltagare->setVisible(false);
    panAdmin->setVisible(false);
    txtInfo->setVisible(false);
    r.show();
    r.raise();
    r.setPicture(Image3->image());
    if (GemensamStart > 0) {
        const results::ResultatLista list =
            results::raceResultList(race_, lblDatum[0]->caption(), controls::tag(r.lvw), TavlingsNamn);
        r.lvw->setUpdatesEnabled(false);
        r.lvw->ClearRows();
        for (const results::ResultatRad& row : list.rows) {
            const int n = r.lvw->AddRow(row[0]);
            for (int c = 1; c < int(results::ColumnCount); ++c)
                r.lvw->setCell(n, c, row[c]);
        }
        r.lvw->setUpdatesEnabled(true);
        r.setWindowTitle(list.caption);
    }
    skipOnError([this] { lstDeltagare->setListIndex(0); });
}

void frmMain::lblPanPrint_Click() {
    frmResultat& r = resultat();
    if (!controls::ownVisible(&r)) {
        msg(QStringLiteral("Du måste välja ResultatLista först"));
        return;
    }
    r.show();
    r.raise();
    const platform::Answer go =
        ask(QStringLiteral("ResultatLista enligt denna ordning\r\nkommer att skrivas ut"),
            QStringLiteral("Skriv Ut"), platform::Buttons::OKCancel, platform::Icon::Information,
            platform::Answer::OK);
    if (go == platform::Answer::Cancel) return;
    const bool printed = trapErrors([this, &r] {
        std::unique_ptr<platform::PrintJob> job = platform_.printer.openJob();
        results::printResultWindow(*job, r);
    });
    if (!printed) msg(QStringLiteral("Fel i Printer.Printer rutin"));
}
