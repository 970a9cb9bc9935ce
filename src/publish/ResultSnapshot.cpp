#include "ResultSnapshot.h"

#include "ResultColumns.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace publish {

namespace {

// Polls results.json once a second and, when the version has moved on, puts the new page's body in place
// of the old one: the reader's scroll position stays, and without script the page is still the list.
const char* const UpdateScript = R"(<script>
(function () {
  var shown = %1;
  function check() {
    fetch('results.json', {cache: 'no-store'}).then(function (r) { return r.json(); }).then(function (d) {
      if (d.version === shown) return;
      return fetch('./', {cache: 'no-store'}).then(function (r) { return r.text(); }).then(function (t) {
        var next = new DOMParser().parseFromString(t, 'text/html');
        document.body.innerHTML = next.body.innerHTML;
        shown = d.version;
      });
    }).catch(function () {});
  }
  setInterval(check, 1000);
})();
</script>
)";

QByteArray jsonOf(const results::ResultExport& list, quint64 version) {
    const QStringList header = results::exportHeader();
    QJsonArray rows;
    for (std::size_t r = results::FirstBoatRow; r < list.rows.size(); ++r) {
        if (results::isSectionHeading(list, r)) continue;
        const QStringList cells = results::exportCells(list.rows[r]);
        QJsonObject row;
        for (qsizetype c = 0; c < header.size() && c < cells.size(); ++c)
            row.insert(header[c], cells[c]);
        // "Start" is the start time's column already.
        if (const results::RowSection* section = results::sectionOf(list, r))
            row.insert(QStringLiteral("Startgrupp"), section->name);
        rows.append(row);
    }
    const QJsonObject root{
        {QStringLiteral("version"), qint64(version)}, {QStringLiteral("uppdaterad"), updatedLine(list)},
        {QStringLiteral("rubrik"), list.heading},     {QStringLiteral("klubb"), list.clubName},
        {QStringLiteral("slutlig"), list.final},      {QStringLiteral("rader"), rows}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QByteArray pageOf(const results::ResultExport& list, quint64 version) {
    QByteArray page = results::exportBytes(results::ExportFormat::Html, list);
    const QByteArray stamp =
        QStringLiteral("<p class=\"uppdaterad\">%1</p>\n").arg(updatedLine(list)).toUtf8();
    const QByteArray script = QString::fromLatin1(UpdateScript).arg(version).toUtf8();
    const qsizetype end = page.lastIndexOf("</body>");
    if (end < 0) return page + stamp + script;
    return page.left(end) + stamp + script + page.mid(end);
}

} // namespace

QString updatedLine(const results::ResultExport& list) {
    return QStringLiteral("Uppdaterad kl ") + timing::clockText(list.written);
}

std::shared_ptr<const ResultSnapshot> makeSnapshot(const results::ResultExport& list, quint64 version) {
    auto snapshot = std::make_shared<ResultSnapshot>();
    snapshot->version = version;
    snapshot->page = pageOf(list, version);
    snapshot->json = jsonOf(list, version);
    snapshot->csv = results::exportBytes(results::ExportFormat::Csv, list);
    return snapshot;
}

} // namespace publish
