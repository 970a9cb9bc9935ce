#include "InfoText.h"

#include <QStringList>

QString deskInfoText() {
    static const QStringList lines = {
        QStringLiteral("Ref. till Exempel.dat"),
        QString(),
        QStringLiteral("Programmet fungerar bäst med skärmupplösningen 800 * 600. Det går att köra med "
                       "1024 * 768 men inte högre."),
        QString(),
        QStringLiteral("I programmets mapp måste dessa filer ligga: Exempel.dat och Exempel.cmt (båda "
                       "skrivskyddade) samt \"Vindo.ini\", som programmet skriver själv."),
        QString(),
        QStringLiteral("Vill du öva: öppna Exempel.dat och spara den under ett annat namn med Spara Som. "
                       "Öppna sedan den nya filen och provkör den som ett test."),
        QString(),
        QStringLiteral("Viktigt: ha alltid en medhjälpare vid mållinjen som identifierar båtarna, tar "
                       "manuella tider och ropar ut när de passerar. Datorn ersätter inte ögonen."),
        QString(),
        QStringLiteral("[ StartPanel :]"),
        QStringLiteral("Tryck \"Gemensam Start Nu\" vid startskottet. Alla deltagare får då starttiden och "
                       "flyttas till listan Båtar på väg mot mål. Starttiden kan rättas i textrutan; tryck "
                       "<Enter> när du är klar."),
        QString(),
        QStringLiteral("[ Båtar på väg mot mål : ]"),
        QStringLiteral("Dubbelklicka på en båt när du känner igen den på väg in mot mål. Den ställs då i kö "
                       "under Målgång För."),
        QString(),
        QStringLiteral("[ Målgång För : ]   Scenario"),
        QStringLiteral("Klicka på båten i det ögonblick den går över mållinjen. Ett skott hörs, tiden "
                       "registreras och båten får symbolen \"¤\" före sitt namn. Seglad tid och korrigerad "
                       "tid visas direkt. Klickar du en gång till på en båt som redan gått i mål får du "
                       "frågan om en ny tid ska registreras. En tid kan också skrivas in i rutan "
                       "Målgång Kl."),
        QString(),
        QStringLiteral(
            "I rutan Segelnr kan du också skriva en kod efter numret, t.ex. \"4410 DNF\" (DNC, DNS, OCS, "
            "DNF, RET, DSQ, NSC, UFD, BFD, DNE), och ta tillbaka en målgång eller kod med \"4410 -\". "
            "Ctrl+Z tar tillbaka den senaste registreringen."),
        QString(),
        QStringLiteral("Alla textrutor bekräftas med <Enter>."),
        QString(),
        QStringLiteral("Tar du bort deltagare som redan gått i mål ska du öppna tävlingen igen med Öppna "
                       "Startlista, så att listorna stämmer."),
        QString(),
        QStringLiteral("ResultatLista visar resultatet i ordning efter korrigerad tid. Rader kan rättas "
                       "för hand och en rubrik skrivas in innan du väljer Skriv Ut."),
        QString(),
        QStringLiteral("Exportera sparar ResultatListan som den visas: webbsida (.html), kalkylblad (.csv) "
                       "eller PDF. Importera läser en deltagarlista (.csv eller .txt) med Namn, SegelId, "
                       "BTyp och SRS och lägger till båtarna när du svarat OK."),
        QString(),
        QStringLiteral("Varje ändring av tävlingen (målgångar, StartTid, båtar som läggs till, ändras eller "
                       "tas bort, rättelser i ResultatListan) skrivs i tävlingens logg (.log) bredvid "
                       "tävlingsfilen, till hjälp för juryn."),
        QString(),
        QStringLiteral("Du kommer ur denna info med  <Esc> eller att trycka Hjälp igen."),
    };
    return lines.join(QStringLiteral("\r\n"));
}
