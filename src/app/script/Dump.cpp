#include "Dump.h"

#include "ControlDump.h"
#include "DeskSession.h"
#include "Form.h"
#include "frmMain.h"
#include "frmResultat.h"

#include <QJsonArray>

namespace script {
namespace {

QJsonValue stateOf(const frmMain* desk) {
    if (!desk) return QJsonValue::Null;
    QJsonArray flags;
    for (const QString& f : desk->BatarIMal)
        flags.append(f);
    return QJsonObject{
        {QStringLiteral("DataFil"), desk->DataFil},
        {QStringLiteral("KommentarFil"), desk->KommentarFil},
        {QStringLiteral("SparaSomFil"), desk->SparaSomFil},
        {QStringLiteral("TavlingsNamn"), desk->TavlingsNamn},
        {QStringLiteral("AntalDeltagare"), desk->AntalDeltagare},
        {QStringLiteral("GemensamStart"), desk->GemensamStart},
        {QStringLiteral("AktMalTid"), desk->AktMalTid},
        {QStringLiteral("AktSeglTid"), desk->AktSeglTid},
        {QStringLiteral("AktKorrTid"), desk->AktKorrTid},
        {QStringLiteral("BatarIMalText"), desk->BatarIMalText},
        {QStringLiteral("BatarIMal"), flags},
        {QStringLiteral("EditLage"), desk->EditLage},
        {QStringLiteral("Aktiverad"), desk->Aktiverad},
    };
}

// The focused control's NAME, null when no control of a loaded window holds the focus.
QJsonValue focusOf(const frmMain* loadedDesk, const frmResultat* loadedResultat) {
    const QWidget* c = controls::Form::focusedControl();
    if (!c) return QJsonValue::Null;
    const QWidget* w = c->window();
    if ((loadedDesk && w == loadedDesk) || (loadedResultat && w == loadedResultat)) return c->objectName();
    return QJsonValue::Null;
}

QJsonObject windowOf(const controls::Form* form) {
    if (!form) return QJsonObject{{QStringLiteral("loaded"), false}};
    QJsonObject controlsByName;
    for (int i = 0; i < form->controlCount(); ++i)
        controlsByName.insert(form->controlName(i), controlDump(form->controlAt(i)));
    QJsonObject window = geometryOf(form);
    window.insert(QStringLiteral("loaded"), true);
    window.insert(QStringLiteral("visible"), !form->isHidden());
    window.insert(QStringLiteral("caption"), form->windowTitle());
    window.insert(QStringLiteral("controls"), controlsByName);
    return window;
}

} // namespace

QJsonObject dumpEvent(const DeskSession& session) {
    const frmMain* desk = session.desk();
    const frmMain* loadedDesk = desk && desk->isLoaded() ? desk : nullptr;
    const frmResultat* resultat = session.loadedResultat();
    return QJsonObject{
        {QStringLiteral("event"), QStringLiteral("dump")},
        {QStringLiteral("state"), stateOf(desk)},
        {QStringLiteral("focus"), focusOf(loadedDesk, resultat)},
        {QStringLiteral("frmMain"), windowOf(loadedDesk)},
        {QStringLiteral("frmResultat"), windowOf(resultat)},
    };
}

} // namespace script
