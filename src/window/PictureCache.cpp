// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/PictureCache.h"

#include "present/PictureDecode.h"

namespace window {

PictureCache::PictureCache(int kept, QObject* parent) : QObject(parent), kept_(kept) {
    // One decoder below the window's priority: on a machine of two cores the window keeps one.
    pool_.setMaxThreadCount(1);
    pool_.setThreadPriority(QThread::LowPriority);
}

PictureCache::~PictureCache() {
    pool_.clear();
    pool_.waitForDone();
}

QString PictureCache::keyOf(const QString& hash, QSize box) {
    return QStringLiteral("%1 %2x%3").arg(hash).arg(box.width()).arg(box.height());
}

PictureCache::State PictureCache::state(const QString& hash, QSize box) const {
    const QString key = keyOf(hash, box);
    if (decoding_.contains(key))
        return State::Decoding;
    const auto found = images_.constFind(key);
    if (found == images_.constEnd())
        return State::Absent;
    return found->isNull() ? State::CannotBeShown : State::Ready;
}

QImage PictureCache::image(const QString& hash, QSize box) const {
    return images_.value(keyOf(hash, box));
}

void PictureCache::request(const QString& hash, QSize box, const QByteArray& bytes) {
    const QString key = keyOf(hash, box);
    if (decoding_.contains(key) || images_.contains(key))
        return;
    decoding_.insert(key);
    pool_.start([this, key, hash, box, bytes] {
        const QImage image = present::decodePicture(bytes, box);
        // Delivered on the window's thread; the pool is emptied before this object goes.
        QMetaObject::invokeMethod(
            this,
            [this, key, hash, box, image] {
                decoding_.remove(key);
                keep(key, image);
                emit ready(hash, box);
            },
            Qt::QueuedConnection);
    });
}

void PictureCache::keep(const QString& key, const QImage& image) {
    images_.insert(key, image);
    order_.removeAll(key);
    order_.append(key);
    while (order_.size() > kept_)
        images_.remove(order_.takeFirst());
}

void PictureCache::waitForDecoding() {
    pool_.waitForDone();
}

} // namespace window
