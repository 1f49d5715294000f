#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <memory>

#include "launcher/bar/BarController.h"
#include "launcher/bus/MprisRules.h"

namespace quivlane {

class MprisPlayerAdaptor;
class MprisRootAdaptor;

// The MP3 folder player as an MPRIS 2 media player on the session bus. It keeps no state of
// its own: every read observes the player, and every call becomes one of the player's menu
// commands, handed to the bar as the menu hands them.
class MprisService final : public QObject {
    Q_OBJECT

  public:
    static constexpr const char* kServiceName = "org.mpris.MediaPlayer2.Quivlane";
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";
    // The tray's "Afficher Quivlane" and the farewell of "Quitter Quivlane".
    static constexpr int kShowBarCommand = BarController::kMenuShowBar;
    static constexpr int kQuitBarCommand = BarController::kMenuQuitBar;

    using Observer = std::function<MprisRules::Snapshot()>;
    using CommandPoster = std::function<void(int command)>;
    using Flag = std::function<bool()>;

    MprisService(QDBusConnection connection, Observer observe, CommandPoster post, Flag canRaise);
    ~MprisService() override;
    MprisService(const MprisService&) = delete;
    MprisService& operator=(const MprisService&) = delete;

    // Publishes the player; false without a bus. A second bar takes an instance name.
    bool Register();
    bool Registered() const { return registered_; }
    // Looks at the player again and signals what changed since the last look.
    void Refresh();

    const MprisRules::Properties& Current();
    QVariantMap Metadata();
    bool CanRaise() const { return canRaise_(); }
    void Carry(MprisRules::Call call);
    void Post(int command) { post_(command); }

  private:
    QDBusConnection connection_;
    Observer observe_;
    CommandPoster post_;
    Flag canRaise_;
    QString serviceName_;
    bool registered_ = false;
    MprisRules::Properties current_;
    int trackIndex_ = -1;
    bool looked_ = false;
    // Children of this object, where the bus finds them; gone before it.
    std::unique_ptr<MprisRootAdaptor> root_;
    std::unique_ptr<MprisPlayerAdaptor> player_;
};

class MprisRootAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QStringList SupportedUriSchemes READ supportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ supportedMimeTypes)

  public:
    explicit MprisRootAdaptor(MprisService& service);

    bool canQuit() const { return true; }
    bool canRaise() const { return service_.CanRaise(); }
    bool hasTrackList() const { return false; }
    QString identity() const { return QStringLiteral("Quivlane"); }
    QStringList supportedUriSchemes() const { return {}; }
    QStringList supportedMimeTypes() const { return {}; }

  public Q_SLOTS:
    void Raise();
    void Quit();

  private:
    MprisService& service_;
};

class MprisPlayerAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(double MinimumRate READ rate)
    Q_PROPERTY(double MaximumRate READ rate)
    Q_PROPERTY(bool CanGoNext READ canGoNext)
    Q_PROPERTY(bool CanGoPrevious READ canGoPrevious)
    Q_PROPERTY(bool CanPlay READ canPlay)
    Q_PROPERTY(bool CanPause READ canPause)
    Q_PROPERTY(bool CanSeek READ canSeek)
    Q_PROPERTY(bool CanControl READ canControl)

  public:
    explicit MprisPlayerAdaptor(MprisService& service);

    QString playbackStatus() const;
    double rate() const { return 1.0; }
    QVariantMap metadata() const { return service_.Metadata(); }
    double volume() const { return 1.0; }
    // The engine keeps no playing position to report.
    qlonglong position() const { return 0; }
    bool canGoNext() const { return service_.Current().capabilities.canGoNext; }
    bool canGoPrevious() const { return service_.Current().capabilities.canGoPrevious; }
    bool canPlay() const { return service_.Current().capabilities.canPlay; }
    bool canPause() const { return service_.Current().capabilities.canPause; }
    bool canSeek() const { return false; }
    bool canControl() const { return true; }

  public Q_SLOTS:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    // Without seeking and without addresses to open, these have nothing to do.
    void Seek(qlonglong offset);
    void SetPosition(const QDBusObjectPath& trackId, qlonglong position);
    void OpenUri(const QString& uri);

  Q_SIGNALS:
    void Seeked(qlonglong position);

  private:
    MprisService& service_;
};

}  // namespace quivlane
