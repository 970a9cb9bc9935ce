// "Publicera": the result list on the club's own network, for the sailors' phones. The server runs on
// a thread of its own and answers from a snapshot made once per change, never from the race itself.
#include "frmMain.h"

#include "LiveServer.h"
#include "PublishAddress.h"
#include "QrImage.h"
#include "RaceResultList.h"
#include "Settings.h"

namespace {
const QString PublishTitle = QStringLiteral("Publicera");

QString publishingMessage(const QString& headline, const QString& reason) {
    return headline + QStringLiteral("\r\n\r\n") + reason +
           QStringLiteral("\r\n\r\nTävlingen fortsätter som vanligt.");
}
} // namespace

void frmMain::lblPublicera_Click() {
    if (isPublishing()) {
        stopPublishing();
        return;
    }
    const QString settings = race_data::settingsPath(appPath());
    const auto setting = [&settings](const char* key) {
        return race_data::readProfileString(settings, QStringLiteral("Brisrundan"), QString::fromLatin1(key),
                                            QString());
    };
    QString reason;
    const std::optional<publish::ListenOn> on = publish::listenOn(setting("Port"), setting("Lyssna"), reason);
    if (on) {
        server_ = std::make_unique<publish::LiveServer>();
        reason = server_->start(on->address, on->port);
    }
    if (!reason.isEmpty()) {
        server_.reset();
        msg(publishingMessage(QStringLiteral("Resultaten kan inte publiceras."), reason),
            platform::Buttons::OK, platform::Icon::Exclamation, PublishTitle);
        return;
    }
    connect(server_.get(), &publish::LiveServer::stopped, this, &frmMain::publishingStopped);
    publishResults();
    const QString url = publish::pageUrl(on->address, server_->port());
    lblPublicera->setCaption(QStringLiteral("Sluta pu&blicera"));
    lblAdress->setCaption(url);
    lblAdress->setVisible(true);
    imgKolumn->setImage(publish::qrImage(url));
    platform_.publishing.published(url);
}

void frmMain::stopPublishing() {
    if (!isPublishing()) return;
    server_.reset();
    lblPublicera->setCaption(QStringLiteral("Pu&blicera"));
    lblAdress->setVisible(false);
    imgKolumn->setImage(QImage(QStringLiteral(":/pictures/Logo.png")));
    platform_.publishing.unpublished();
}

void frmMain::publishingStopped(const QString& reason) {
    stopPublishing();
    if (showFinishLineBanner(QStringLiteral("Resultaten publiceras inte längre. ") + reason)) return;
    msg(publishingMessage(QStringLiteral("Resultaten publiceras inte längre."), reason),
        platform::Buttons::OK, platform::Icon::Exclamation, PublishTitle);
}

void frmMain::publishResults() {
    if (!isPublishing()) return;
    results::ResultExport list = results::raceResultExport(
        race_, TavlingsNamn, timing::timeStamp(platform_.clock.now()), defaultClub());
    server_->setSnapshot(publish::makeSnapshot(list, ++publishedVersion_));
}
