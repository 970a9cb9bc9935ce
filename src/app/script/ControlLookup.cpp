#include "ControlLookup.h"

#include "DeskSession.h"
#include "ScriptError.h"
#include "frmMain.h"
#include "frmResultat.h"

#include <QStringList>

namespace script {
namespace {

const QString MainName = QStringLiteral("frmMain");
const QString ResultName = QStringLiteral("frmResultat");

// The result window's controls by design, reachable by name while it is not loaded.
bool isResultDesignName(const QString& name) {
    static const QStringList names = [] {
        QStringList n{QStringLiteral("lblKlubbNamn"), QStringLiteral("txtRubrik"), QStringLiteral("lvw")};
        for (std::size_t i = 0; i < results::ColumnCount; ++i)
            n << QStringLiteral("lvwEdit(%1)").arg(i);
        return n;
    }();
    return names.contains(name);
}

} // namespace

Target findTarget(DeskSession& session, const QString& name) {
    frmMain& desk = session.loadedDesk();
    frmResultat* resultat = session.loadedResultat();
    if (name == MainName) return {name, &desk, nullptr};
    if (name == ResultName) return {name, resultat, nullptr};
    if (QWidget* c = desk.control(name)) return {name, &desk, c};
    if (resultat) {
        if (QWidget* c = resultat->control(name)) return {name, resultat, c};
    } else if (isResultDesignName(name)) {
        return {name, nullptr, nullptr};
    }
    throw ScriptError(QStringLiteral("unknown NAME %1").arg(name));
}

Target findControl(DeskSession& session, const QString& name) {
    if (name == MainName || name == ResultName) throw ScriptError(QStringLiteral("%1 is a window").arg(name));
    return findTarget(session, name);
}

} // namespace script
