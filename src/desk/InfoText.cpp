#include "InfoText.h"

#include "ResultExport.h"

#include <QStringList>

QString deskInfoText() {
    static const QStringList lines = {
        QStringLiteral("Brisrundan – tävlingsdesken vid mållinjen"),
        QString(),
        QStringLiteral("Desken skalas efter skärmens bredd. Kommandona till vänster nås också med Alt + den "
                       "understrukna bokstaven."),
        QString(),
        QStringLiteral(
            "Tävlingsfilerna (NAMN.dat, NAMN.cmt, NAMN.json och journalen NAMN.log) och "
            "inställningarna Vindo.ini ligger i mappen Brisrundan bland dina dokument; där ligger "
            "också övningstävlingen Exempel.dat (skrivskyddad). Vill du öva: öppna Exempel.dat och "
            "spara den med Spara Som under ett nytt namn – desken fortsätter då i kopian."),
        QString(),
        QStringLiteral("Viktigt: ha alltid en medhjälpare vid mållinjen som identifierar båtarna, tar "
                       "manuella tider och ropar ut när de passerar. Datorn ersätter inte ögonen."),
        QString(),
        QStringLiteral("[ Startpanel ]"),
        QStringLiteral("Tryck \"Gemensam Start Nu\" vid startskottet. Finns redan en start frågar desken "
                       "först; när någon båt gått i mål kan starten bara rättas i textrutan (<Enter>), och "
                       "de färdiga båtarnas tider räknas då om. Klockan visar tid på dagen, tid sedan start "
                       "och hur många som är i mål och ute."),
        QString(),
        QStringLiteral("[ Startgrupper ]"),
        QStringLiteral(
            "Startar flottan i grupper (\"SRS A\", \"Flerskrov\"), ge varje båt sin grupp i rutan "
            "Startgrupp på deltagarpanelen (skriv ett nytt namn för en ny grupp) eller i importfilens "
            "femte kolumn. Startpanelen listar då grupperna: välj en grupp och tryck \"Gemensam Start "
            "Nu\" vid dess skott, eller rätta dess start i textrutan (en återkallelse). Utan vald grupp "
            "startar alla grupper som inte har startat. Varje båt räknas från sin grupps start och "
            "varje grupp får egna placeringar och poäng."),
        QString(),
        QStringLiteral("[ Segelnr + Enter = Målgång ]"),
        QStringLiteral("Under tävlingen står markören i rutan Segelnr. Skriv båtens segelnummer och tryck "
                       "<Enter> när den går över mållinjen. \"4410 12:04:10\" ger eller rättar en tid, "
                       "\"4410 DNF\" ger en kod (DNC, DNS, OCS, DNF, RET, DSQ, NSC, UFD, BFD, DNE) och "
                       "\"4410 -\" tar tillbaka en målgång eller kod. Ctrl+Z tar tillbaka den senaste "
                       "registreringen."),
        QString(),
        QStringLiteral("[ Båtar på väg mot mål / Målgång För ]"),
        QStringLiteral("Dubbelklicka på en båt som närmar sig så ställs den i kö under Målgång För; klicka "
                       "på den i kön när den går i mål. Ett skott hörs, båten får \"¤\" och försvinner ur "
                       "listan över båtar på väg. En tid kan också skrivas i rutan Målgång Kl."),
        QString(),
        QStringLiteral("ResultatLista visar alla båtar: i mål efter korrigerad tid med poäng (lika tid delar "
                       "placering), sedan båtar med kod och sist de som är kvar ute. Rader kan rättas för "
                       "hand (rättade rutor är gula och sparas med tävlingen), klubbens namn och en rubrik "
                       "skrivas in (<Enter> sparar), och listan märkas Slutlig; till dess står det "
                       "Preliminära resultat på utskrift och export."),
        QString(),
        QStringLiteral("Exportera sparar ResultatListan som den visas: ") + results::exportFormatsText() +
            QStringLiteral(
                ". Filtypen du väljer bestämmer formatet. Importera läser en deltagarlista (.csv "
                "eller .txt) med Namn, SegelId, BTyp och SRS och lägger till båtarna när du svarat "
                "OK."),
        QString(),
        QStringLiteral(
            "Publicera visar resultatlistan på klubbens eget nätverk, utan internet: adressen och en "
            "QR-kod står under kommandona, och sidan i seglarnas mobiler följer med inom ett par "
            "sekunder efter varje målgång. Klicka igen för att sluta. Porten (förval 8080) och om "
            "alla nätverk eller ett ska användas står i Vindo.ini som Port och Lyssna."),
        QString(),
        QStringLiteral("Varje ändring av tävlingen (målgångar, koder, StartTid, båtar som läggs till, ändras "
                       "eller tas bort, rättelser i ResultatListan) skrivs i journalen NAMN.log bredvid "
                       "tävlingsfilen, till hjälp för juryn."),
        QString(),
        QStringLiteral("Du kommer ur denna info med <Esc> eller att trycka Hjälp igen."),
    };
    return lines.join(QStringLiteral("\r\n"));
}
