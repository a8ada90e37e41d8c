// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decks/Package.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

struct zip;

namespace decks {

// The pictures and sounds a deck package holds, by the names its notes use. The package's
// `media` map tells which zip member holds which name: a JSON object {"0": "cat.jpg", ...}
// in older packages; in a current trainer's, zstd-compressed protobuf (a MediaEntries message,
// each entry's member named by its index unless it names a legacy one), each member
// zstd-compressed too.
class PackageMedia {
  public:
    // Throws DeckError with the reason alone when the map cannot be read.
    PackageMedia(const QString& path, const PackageLimits& limits);
    ~PackageMedia();
    PackageMedia(const PackageMedia&) = delete;
    PackageMedia& operator=(const PackageMedia&) = delete;

    // The file's bytes, at most `most` and one byte besides (so that one over the limits is
    // told as such without unpacking it all); nothing when the package lacks it.
    std::optional<QByteArray> read(const QString& name, qint64 most);
    qsizetype size() const { return members_.size(); }

  private:
    struct Closer {
        void operator()(zip* z) const;
    };
    std::unique_ptr<zip, Closer> archive_;
    const PackageLimits& limits_;
    QHash<QString, QString> members_; // name a note uses -> zip member
    bool zstd_ = false;
};

// Gives the card the first picture and the first sound the note names, counting in `content`
// what is left out and why (a file the package lacks is missing).
void takeNoteMedia(PackageMedia& media, DeckContent& content, DeckCard& card,
                   const QStringList& pictures, const QStringList& sounds);

// A `media` map as its two forms write it: name a note uses -> zip member. Throws DeckError
// with the reason alone when it is neither.
QHash<QString, QString> jsonMediaMap(const QByteArray& json);
QHash<QString, QString> protobufMediaMap(const QByteArray& message);

} // namespace decks
