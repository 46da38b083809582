#pragma once

#include <QObject>
#include <QString>

#include <memory>

// Plays one sound file. The callers' order is: setFileName, open, (notifyAtEnd), play.
// play() returns at once; a playback that asked for it ends with exactly one notified().
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void setFileName(const QString& path) = 0;
    virtual void open() = 0;
    // The next end of playback raises notified() once.
    virtual void notifyAtEnd() = 0;
    virtual void play() = 0;
    virtual void close() = 0;

signals:
    void notified();
};

// Makes the players of the alarm, the countdown timer and the options dialog.
class SoundPlayers {
public:
    virtual ~SoundPlayers() = default;
    virtual std::unique_ptr<SoundPlayer> create() = 0;
};

class QtSoundPlayers final : public SoundPlayers {
public:
    std::unique_ptr<SoundPlayer> create() override;
};
