#include "platform/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QTimer>
#include <QUrl>

#include <algorithm>

QtSoundPlayer::QtSoundPlayer(QObject* parent) : SoundPlayer(parent), watchdog_(new QTimer(this)) {
    watchdog_->setSingleShot(true);
    connect(watchdog_, &QTimer::timeout, this, &QtSoundPlayer::finish);
}

QtSoundPlayer::~QtSoundPlayer() {
    close();
}

void QtSoundPlayer::setFileName(const QString& path) {
    path_ = path;
}

void QtSoundPlayer::open() {
    close();
    if (QMediaDevices::audioOutputs().isEmpty()) {
        return; // nothing to play on: play() ends at once
    }
    player_ = new QMediaPlayer(this);
    output_ = new QAudioOutput(this);
    player_->setAudioOutput(output_);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia) {
                    finish();
                }
            });
    connect(player_, &QMediaPlayer::errorOccurred, this, [this] { finish(); });
    connect(player_, &QMediaPlayer::durationChanged, this, [this](qint64 duration) {
        if (playing_ && duration > 0) {
            watchdog_->start(int(std::min<qint64>(duration, 600000)) + 3000);
        }
    });
    player_->setSource(QUrl::fromLocalFile(path_));
}

void QtSoundPlayer::notifyAtEnd() {
    notifyPending_ = true;
}

void QtSoundPlayer::play() {
    playing_ = true;
    if (player_ == nullptr || player_->error() != QMediaPlayer::NoError) {
        // The notice comes from the event loop, as a real end of playback would.
        QTimer::singleShot(0, this, &QtSoundPlayer::finish);
        return;
    }
    player_->setPosition(0);
    player_->play();
    if (player_->duration() > 0) {
        watchdog_->start(int(std::min<qint64>(player_->duration(), 600000)) + 3000);
    }
}

void QtSoundPlayer::finish() {
    if (!playing_) {
        return;
    }
    playing_ = false;
    watchdog_->stop();
    if (notifyPending_) {
        notifyPending_ = false;
        emit notified();
    }
}

void QtSoundPlayer::close() {
    if (player_ != nullptr) {
        player_->disconnect(this);
        player_->stop();
        player_->deleteLater();
        player_ = nullptr;
    }
    if (output_ != nullptr) {
        output_->deleteLater();
        output_ = nullptr;
    }
    playing_ = false;
    watchdog_->stop();
}

std::unique_ptr<SoundPlayer> QtSoundPlayers::create() {
    return std::make_unique<QtSoundPlayer>();
}
