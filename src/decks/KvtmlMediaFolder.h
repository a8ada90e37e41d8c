// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QString>

namespace decks {

// The folder an exported KVTML file's pictures and sounds go to: "<file>.media" beside it.
QString mediaFolderOf(const QString& kvtmlPath);

// Whether a stored name may be a file's name as it is in any file system a learner uses: no
// folder, no mark that could be read as an address, no leading dot, not too long.
bool safeMediaFileName(const QString& name);

// Writes media to the folder as cards name them, each once, and gives the reference the
// KVTML file holds (relative to its folder). A file keeps its stored name when that is safe
// and no other content took it, else "<hash>.<ext>". Throws DeckError when a file cannot be
// written.
class MediaFolderWriter {
  public:
    MediaFolderWriter(const QSqlDatabase& db, const QString& kvtmlPath);
    // The reference for the media of that hash; empty when the database holds none.
    QString write(const QString& hash);
    int written() const { return int(byHash_.size()); }

  private:
    QSqlDatabase db_;
    QString folder_;
    QString prefix_;                 // the folder as the KVTML file refers to it
    QHash<QString, QString> byHash_; // hash -> reference
    QSet<QString> taken_;            // names in use, lower-case: some file systems ignore case
};

} // namespace decks
