#include "launcher/bus/MprisService.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDBusMessage>
#include <QUrl>

namespace quivlane {

namespace {

const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QVariant CapabilityValue(const MprisRules::Properties& properties, const std::string& name) {
    const MprisRules::Capabilities& can = properties.capabilities;
    if (name == "CanGoNext") {
        return can.canGoNext;
    }
    if (name == "CanGoPrevious") {
        return can.canGoPrevious;
    }
    if (name == "CanPlay") {
        return can.canPlay;
    }
    return can.canPause;
}

QVariantMap MetadataOf(const MprisRules::Track& track) {
    QVariantMap map;
    map.insert(QStringLiteral("mpris:trackid"),
               QVariant::fromValue(QDBusObjectPath(Text(track.trackId))));
    if (track.path.empty()) {
        return map;
    }
    map.insert(QStringLiteral("xesam:url"),
               QUrl::fromLocalFile(Text(track.path)).toString(QUrl::FullyEncoded));
    map.insert(QStringLiteral("xesam:title"), Text(track.title));
    if (!track.artists.empty()) {
        QStringList artists;
        for (const std::string& artist : track.artists) {
            artists.append(Text(artist));
        }
        map.insert(QStringLiteral("xesam:artist"), artists);
    }
    if (!track.album.empty()) {
        map.insert(QStringLiteral("xesam:album"), Text(track.album));
    }
    if (track.lengthUs > 0) {
        map.insert(QStringLiteral("mpris:length"), static_cast<qlonglong>(track.lengthUs));
    }
    return map;
}

}  // namespace

MprisService::MprisService(QDBusConnection connection, Observer observe, CommandPoster post,
                           Flag canRaise)
    : connection_(std::move(connection)),
      observe_(std::move(observe)),
      post_(std::move(post)),
      canRaise_(std::move(canRaise)) {
    root_ = std::make_unique<MprisRootAdaptor>(*this);
    player_ = std::make_unique<MprisPlayerAdaptor>(*this);
}

MprisService::~MprisService() {
    if (registered_) {
        connection_.unregisterService(serviceName_);
        connection_.unregisterObject(QString::fromLatin1(kObjectPath));
    }
}

bool MprisService::Register() {
    if (registered_ || !connection_.isConnected()) {
        return registered_;
    }
    Refresh();
    const QString path = QString::fromLatin1(kObjectPath);
    if (!connection_.registerObject(path, this, QDBusConnection::ExportAdaptors)) {
        return false;
    }
    serviceName_ = QString::fromLatin1(kServiceName);
    if (!connection_.registerService(serviceName_)) {
        serviceName_ += QStringLiteral(".instance") + QString::number(getpid());
        if (!connection_.registerService(serviceName_)) {
            connection_.unregisterObject(path);
            return false;
        }
    }
    registered_ = true;
    return true;
}

void MprisService::Refresh() {
    const MprisRules::Snapshot snapshot = observe_();
    MprisRules::Properties next;
    next.status = MprisRules::StatusOf(snapshot);
    next.capabilities = MprisRules::CapabilitiesOf(snapshot);
    // The tags are read once per file, not at every look.
    if (looked_ && snapshot.currentIndex == trackIndex_ &&
        snapshot.currentPath == current_.track.path) {
        next.track = current_.track;
    } else {
        next.track = MprisRules::TrackOf(snapshot);
        trackIndex_ = snapshot.currentIndex;
    }
    const std::vector<std::string> changed = MprisRules::Changed(current_, next);
    const bool first = !looked_;
    current_ = std::move(next);
    looked_ = true;
    if (first || changed.empty() || !registered_) {
        return;
    }
    QVariantMap values;
    for (const std::string& name : changed) {
        if (name == "PlaybackStatus") {
            values.insert(Text(name), QString::fromLatin1(MprisRules::StatusName(current_.status)));
        } else if (name == "Metadata") {
            values.insert(Text(name), MetadataOf(current_.track));
        } else {
            values.insert(Text(name), CapabilityValue(current_, name));
        }
    }
    QDBusMessage signal = QDBusMessage::createSignal(
        QString::fromLatin1(kObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << values << QStringList();
    connection_.send(signal);
}

const MprisRules::Properties& MprisService::Current() {
    Refresh();
    return current_;
}

QVariantMap MprisService::Metadata() {
    return MetadataOf(Current().track);
}

void MprisService::Carry(MprisRules::Call call) {
    const int command = MprisRules::CommandFor(call, observe_());
    if (command != 0) {
        post_(command);
    }
}

MprisRootAdaptor::MprisRootAdaptor(MprisService& service)
    : QDBusAbstractAdaptor(&service), service_(service) {}

void MprisRootAdaptor::Raise() {
    service_.Post(MprisService::kShowBarCommand);
}

void MprisRootAdaptor::Quit() {
    service_.Post(MprisService::kQuitBarCommand);
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService& service)
    : QDBusAbstractAdaptor(&service), service_(service) {}

QString MprisPlayerAdaptor::playbackStatus() const {
    return QString::fromLatin1(MprisRules::StatusName(service_.Current().status));
}

void MprisPlayerAdaptor::Next() {
    service_.Carry(MprisRules::Call::Next);
}

void MprisPlayerAdaptor::Previous() {
    service_.Carry(MprisRules::Call::Previous);
}

void MprisPlayerAdaptor::Pause() {
    service_.Carry(MprisRules::Call::Pause);
}

void MprisPlayerAdaptor::PlayPause() {
    service_.Carry(MprisRules::Call::PlayPause);
}

void MprisPlayerAdaptor::Stop() {
    service_.Carry(MprisRules::Call::Stop);
}

void MprisPlayerAdaptor::Play() {
    service_.Carry(MprisRules::Call::Play);
}

void MprisPlayerAdaptor::Seek(qlonglong /*offset*/) {}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& /*trackId*/, qlonglong /*position*/) {}

void MprisPlayerAdaptor::OpenUri(const QString& /*uri*/) {}

}  // namespace quivlane
