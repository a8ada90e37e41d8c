// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/SyncFolder.h"

#include "sync/ChangeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <fcntl.h>
#include <unistd.h>

namespace syncing {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Sync)
};
} // namespace

QString syncRoot(const QString& chosenFolder) {
    return QDir(chosenFolder).filePath(QStringLiteral("memorant-sync"));
}

bool isTransientName(const QString& fileName) {
    return fileName.startsWith(QLatin1Char('.')) || fileName.startsWith(QLatin1Char('~')) ||
           fileName.endsWith(QStringLiteral(".tmp")) ||
           fileName.endsWith(QStringLiteral(".part")) ||
           fileName.contains(QStringLiteral(".sync-conflict-"));
}

QString changeFileName(qint64 seq) {
    return QStringLiteral("%1.chg").arg(seq, 10, 10, QLatin1Char('0'));
}

std::optional<qint64> seqOfChangeFile(const QString& fileName) {
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{10,18})\\.chg$"));
    const QRegularExpressionMatch m = pattern.match(fileName);
    if (!m.hasMatch())
        return std::nullopt;
    const qint64 seq = m.captured(1).toLongLong();
    return seq > 0 ? std::optional<qint64>(seq) : std::nullopt;
}

QMap<qint64, QString> changeFiles(const QString& folder) {
    QMap<qint64, QString> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        if (isTransientName(name))
            continue;
        if (const std::optional<qint64> seq = seqOfChangeFile(name))
            files.insert(*seq, name);
    }
    return files;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

namespace {

bool flushing = true;

bool syncPath(const QString& path, bool directory) {
    if (!flushing)
        return true;
    const int fd =
        ::open(QFile::encodeName(path).constData(), directory ? O_RDONLY | O_DIRECTORY : O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

void setFlushForTesting(bool flush) {
    flushing = flush;
}

QString writeWhole(const QString& folder, const QString& name, const QByteArray& bytes) {
    if (!QDir().mkpath(folder))
        return Text::tr("the folder \"%1\" cannot be made").arg(folder);
    const QString target = QDir(folder).filePath(name);
    const QString temporary =
        QDir(folder).filePath(QLatin1Char('.') + name + QStringLiteral(".tmp"));
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Text::tr("\"%1\" cannot be written (%2)").arg(temporary, file.errorString());
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    QString failure;
    if (!written || !syncPath(temporary, false))
        failure = Text::tr("\"%1\" could not be written whole (is the disk full?)").arg(temporary);
    else if (QFile::exists(target) && !QFile::remove(target))
        failure = Text::tr("\"%1\" cannot be replaced").arg(target);
    else if (!QFile::rename(temporary, target))
        failure = Text::tr("\"%1\" cannot be put in place").arg(target);
    if (!failure.isEmpty()) {
        QFile::remove(temporary);
        return failure;
    }
    syncPath(folder, true);
    return {};
}

QByteArray encodeState(const ReplicaState& state) {
    QByteArray out = QByteArrayLiteral("memorant-sync-state 1\n");
    out += "replica " + state.replica.toLatin1() + '\n';
    out += "name " + escapeField(state.name) + '\n';
    out += "schema " + QByteArray::number(state.schema) + '\n';
    out += "changed " + state.changedAt.toLatin1() + '\n';
    for (auto it = state.read.begin(); it != state.read.end(); ++it)
        out += "read " + it.key().toLatin1() + ' ' + QByteArray::number(it.value()) + '\n';
    return out;
}

std::optional<ReplicaState> decodeState(const QByteArray& bytes) {
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines[0] != "memorant-sync-state 1")
        return std::nullopt;
    ReplicaState state;
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype space = line.indexOf(' ');
        const QByteArray key = line.left(space);
        const QByteArray value = space < 0 ? QByteArray() : line.mid(space + 1);
        bool ok = true;
        if (key == "replica")
            state.replica = QString::fromLatin1(value);
        else if (key == "name")
            state.name = unescapeField(value, &ok);
        else if (key == "schema")
            state.schema = value.toInt();
        else if (key == "changed")
            state.changedAt = QString::fromLatin1(value);
        else if (key == "read") {
            const QList<QByteArray> words = value.split(' ');
            if (words.size() == 2)
                state.read.insert(QString::fromLatin1(words[0]), words[1].toLongLong());
        }
        if (!ok)
            return std::nullopt;
    }
    if (state.replica.isEmpty())
        return std::nullopt;
    return state;
}

} // namespace syncing
