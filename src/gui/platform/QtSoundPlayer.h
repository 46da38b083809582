#pragma once

#include "platform/SoundPlayer.h"

#include <QMediaPlayer>

class QAudioOutput;
class QTimer;

// A SoundPlayer on Qt Multimedia. Without an audio device, or when the file cannot be played,
// a playback ends at once; its notice still comes, and only once.
class QtSoundPlayer final : public SoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    void setFileName(const QString& path) override;
    void open() override;
    void notifyAtEnd() override;
    void play() override;
    void close() override;

private:
    void finish();

    QString path_;
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
    // Ends a playback whose end the backend never reports, a little after its length.
    QTimer* watchdog_ = nullptr;
    bool notifyPending_ = false;
    bool playing_ = false;
};
