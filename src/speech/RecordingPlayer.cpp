// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/RecordingPlayer.h"

#include "speech/AudioPlayback.h"

#include <QAudioOutput>
#include <QDir>
#include <QEventLoop>
#include <QMediaPlayer>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>

namespace speech {

RecordingPlayer::RecordingPlayer() = default;

RecordingPlayer::~RecordingPlayer() {
    release();
}

void RecordingPlayer::release() {
    if (player_)
        player_->stop();
    // The player reads the file until it is gone: it goes first.
    player_.reset();
    output_.reset();
    file_.reset();
}

void RecordingPlayer::stop() {
    release();
}

bool RecordingPlayer::play(const QByteArray& bytes, bool wait) {
    checkAudioOutput();
    release();
    if (bytes.isEmpty())
        return false;
    file_ =
        std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("memorant-XXXXXX")));
    if (!file_->open() || file_->write(bytes) != bytes.size() || !file_->flush())
        return false;
    output_ = std::make_unique<QAudioOutput>();
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(output_.get());

    bool failed = false;
    QEventLoop loop;
    QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, &loop, [&] {
        failed = true;
        loop.quit();
    });
    QObject::connect(player_.get(), &QMediaPlayer::mediaStatusChanged, &loop,
                     [&](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::InvalidMedia)
                             failed = true;
                         if (status == QMediaPlayer::EndOfMedia ||
                             status == QMediaPlayer::InvalidMedia)
                             loop.quit();
                     });
    player_->setSource(QUrl::fromLocalFile(file_->fileName()));
    player_->play();
    if (!wait)
        return player_->error() == QMediaPlayer::NoError;
    QTimer::singleShot(kLongestWaitMs, &loop, &QEventLoop::quit);
    if (player_->error() == QMediaPlayer::NoError)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    failed = failed || player_->error() != QMediaPlayer::NoError;
    release();
    return !failed;
}

} // namespace speech
