// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <memory>

class QAudioOutput;
class QMediaPlayer;
class QTemporaryFile;

namespace speech {

// Plays a card's recording (WAV, MP3, Ogg Vorbis, Opus, as the installed Qt Multimedia backend
// can) from its bytes, on the default audio output. One at a time: a new one stops the last.
class RecordingPlayer {
  public:
    RecordingPlayer();
    ~RecordingPlayer();
    RecordingPlayer(const RecordingPlayer&) = delete;
    RecordingPlayer& operator=(const RecordingPlayer&) = delete;

    // With `wait`, returns when it has played (the window painting, taking no input meanwhile),
    // or after kLongestWaitMs, when it is stopped: a long recording must not hold the question.
    // False when the bytes cannot be played; throws SpeechUnavailable without an output device.
    bool play(const QByteArray& bytes, bool wait);
    void stop();

    static constexpr int kLongestWaitMs = 15000;

  private:
    void release();

    std::unique_ptr<QMediaPlayer> player_;
    std::unique_ptr<QAudioOutput> output_;
    // Played from a file of its own: not every backend plays from memory.
    std::unique_ptr<QTemporaryFile> file_;
};

} // namespace speech
