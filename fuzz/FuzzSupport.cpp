// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzSupport.h"

#include "data/Database.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

namespace fuzz {
namespace {

const QString kConnection = QStringLiteral("fuzz");

QTemporaryDir* folder() {
    static std::unique_ptr<QTemporaryDir> dir;
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                              QStringLiteral("/memorant-fuzz-XXXXXX"));
        if (!dir->isValid())
            std::abort();
    }
    return dir.get();
}

// The readers warn about odd input through Qt; millions of such lines would only slow
// the run. Fatal messages still end it.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        fprintf(stderr, "%s\n", qPrintable(message));
        std::abort();
    }
}

} // namespace

void start() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = nullptr;
    if (app)
        return;
    qInstallMessageHandler(quiet);
    // The readers' own temporary files go into the process's folder too, so that a long run
    // never shows in the shared temporary folder (where tests count what readers left).
    qputenv("TMPDIR", QFile::encodeName(folder()->path()));
    app = new QCoreApplication(argc, argv);
}

QByteArray bytes(const uint8_t* raw, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(raw), static_cast<qsizetype>(size));
}

QString writeFile(const QString& name, const QByteArray& contents) {
    const QString path = folder()->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(contents) != contents.size())
        std::abort();
    return path;
}

QSqlDatabase freshDatabase() {
    // Made from the schema once, then copied per input: making 180 schema objects anew each
    // time would cost more than most readers' work.
    static const QString templatePath = [] {
        // In a folder of its own, which finish() leaves alone.
        QDir(folder()->path()).mkdir(QStringLiteral("template"));
        const QString path = folder()->filePath(QStringLiteral("template/VIze.mdb"));
        QFile::remove(path);
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("template"));
            db.setDatabaseName(path);
            if (!db.open())
                std::abort();
            {
                data::Transaction t(db);
                data::createSchema(db);
                t.commit();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("template"));
        return path;
    }();
    const QString path = folder()->filePath(QStringLiteral("VIze.mdb"));
    if (!QFile::copy(templatePath, path))
        std::abort();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
    db.setDatabaseName(path);
    if (!db.open())
        std::abort();
    data::configureConnection(db);
    // Nothing here needs to survive a power cut.
    data::exec(db, QStringLiteral("PRAGMA synchronous = OFF"));
    return db;
}

void finish() {
    if (QSqlDatabase::contains(kConnection)) {
        QSqlDatabase::database(kConnection, false).close();
        QSqlDatabase::removeDatabase(kConnection);
    }
    QDir dir(folder()->path());
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
}

} // namespace fuzz
