// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThreadPool>

namespace window {

// Cards' pictures decoded off the window's thread, kept for the last few cards and the next
// few, so that putting a question never waits for a decoder.
class PictureCache : public QObject {
    Q_OBJECT
  public:
    explicit PictureCache(int kept = 12, QObject* parent = nullptr);
    ~PictureCache() override; // waits for a decoding still running

    enum class State { Absent, Decoding, Ready, CannotBeShown };
    State state(const QString& hash, QSize box) const;
    // Null unless Ready.
    QImage image(const QString& hash, QSize box) const;
    // Starts decoding unless it is kept or under way; `ready` follows.
    void request(const QString& hash, QSize box, const QByteArray& bytes);
    // Waits for every decoding under way (tests and benchmarks).
    void waitForDecoding();

  signals:
    void ready(const QString& hash, QSize box);

  private:
    static QString keyOf(const QString& hash, QSize box);
    void keep(const QString& key, const QImage& image);

    int kept_;
    QThreadPool pool_;
    QHash<QString, QImage> images_; // a null image: it cannot be shown
    QStringList order_;             // oldest first
    QSet<QString> decoding_;
};

} // namespace window
