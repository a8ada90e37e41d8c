// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Run.h"

#include "Version.h"
#include "app/BackupNotice.h"
#include "app/CommandLine.h"
#include "app/DamagedStart.h"
#include "app/DesktopIdentity.h"
#include "app/ProgramFiles.h"
#include "app/QuitOnSignal.h"
#include "app/ReadyProbe.h"
#include "cli/Commands.h"
#include "data/Database.h"
#include "data/DatabaseLock.h"
#include "data/Sql.h"
#include "data/WalCheckpoints.h"
#include "decks/Package.h"
#include "i18n/Language.h"
#include "present/MessageBoxDialogs.h"
#include "speech/SystemSpeech.h"
#include "window/Form1.h"
#include "window/SyncMenu.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace app {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Start)
};

// The texts in the language asked for on the command line, else in the one the learner
// chose; needs the application object.
void loadLanguage(const CommandLine& cl) {
    static_cast<void>(
        i18n::useLanguage(cl.language.isEmpty() ? i18n::chosenLanguage() : cl.language));
}

// On a platform without a screen nobody could close a box, so standard error must do.
bool boxesShown() {
    const QString platform = QGuiApplication::platformName();
    return platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal");
}

void tellUser(present::Dialogs& dialogs, const QString& text) {
    QTextStream(stderr) << "memorant: " << text << Qt::endl;
    if (boxesShown())
        dialogs.warning(text, QStringLiteral("Memorant"));
}

} // namespace

int run(int argc, char** argv) {
    // Read before any application object exists: a command runs without a display, so it
    // must get a QCoreApplication, never a QApplication.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine cl = parseCommandLine(arguments);
    if (!cl.error.isEmpty()) {
        // Read again once the language is loaded, so the message is in it too.
        QCoreApplication application(argc, argv);
        loadLanguage(cl);
        cl = parseCommandLine(arguments);
        QTextStream(stderr) << "memorant: " << cl.error << "\n\n" << cli::usageText();
        return 2;
    }
    if (cl.showHelp) {
        QCoreApplication application(argc, argv); // the help names the program's folders
        QCoreApplication::setApplicationName(QStringLiteral("Memorant"));
        loadLanguage(cl);
        QTextStream(stdout) << cli::usageText() << filesText();
        return 0;
    }
    if (cl.showVersion) {
        QTextStream(stdout) << "Memorant " MEMORANT_VERSION "\n";
        return 0;
    }
    if (cl.userData) {
        QCoreApplication::setApplicationName(QStringLiteral("Memorant")); // names the folder
        QString error;
        cl.databasePath = userDatabasePath(&error);
        if (cl.databasePath.isEmpty()) {
            QTextStream(stderr) << "memorant: " << error << Qt::endl;
            return 1;
        }
    }
    if (!cl.command.isEmpty()) {
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Memorant"));
        loadLanguage(cl);
        const int code =
            cli::runCommand(*cli::findCommand(cl.command), {cl.databasePath, cl.commandArgs});
        data::closeAllConnections();
        return code;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Memorant"));
    QApplication::setApplicationVersion(QStringLiteral(MEMORANT_VERSION));
    loadLanguage(cl);
    applyDesktopIdentity();
    present::MessageBoxDialogs dialogs;
    // What a package import that was killed left in the temporary folder.
    decks::removeUnpackLeftovers();

    // Taken before the file is opened or made, and held until the program ends: a second
    // window on the same file would overwrite this one's scores.
    data::DatabaseLock lock(cl.databasePath);
    if (const QString refused = lock.acquire(); !refused.isEmpty()) {
        tellUser(dialogs, refused);
        return 1;
    }
    // A missing file with copies beside it is never silently replaced by a new sample.
    if (const QString stop =
            offerCopiesOfMissing(cl.databasePath, boxesShown() ? &dialogs : nullptr);
        !stop.isEmpty()) {
        tellUser(dialogs, stop);
        return 1;
    }
    data::OpenOutcome opened = data::openDatabase(cl.databasePath);
    if (!opened.ok && opened.damaged)
        opened = offerRestoreOfDamaged(cl.databasePath, opened, boxesShown() ? &dialogs : nullptr);
    if (opened.ok) // a file just made has no lock of its own yet
        opened.message = lock.holdFile();
    if (!opened.ok || !opened.message.isEmpty()) {
        tellUser(dialogs, opened.message);
        data::closeAllConnections();
        return 1;
    }

    data::walCheckpoints::start(cl.databasePath);
    // The full check and the backup read the whole file: they start once the window is drawn,
    // so that the learner does not wait for the window meanwhile.
    std::unique_ptr<BackupNotice> backup;
    int code = 0;
    {
        speech::SystemSpeech speech;
        window::Form1 window(data::mainConnection(), dialogs, speech);
        dialogs.setParent(&window);
        // Before the first write: a signal that arrives while the window loads closes it in
        // order once the loop runs, instead of killing it with the load flag written.
        closeWindowOnSignals(&window);
        try {
            window.Form_Load();
        } catch (const data::DbError& e) {
            dialogs.setParent(nullptr);
            tellUser(dialogs, Text::tr("Memorant cannot start: %1").arg(e.message()));
            data::closeAllConnections();
            return 1;
        }
        afterFirstPaint(
            &window,
            [&] {
                backup = std::make_unique<BackupNotice>(cl.databasePath,
                                                        boxesShown() ? &dialogs : nullptr);
            },
            1000);
        // The first sync waits for the window too, and never makes it wait.
        afterFirstPaint(
            &window, [&window] { window.syncMenu().start(); }, 1000);
        watchReadiness(window);
        window.show();
        code = QApplication::exec();
        window.close(); // runs the shut-down if the loop ended some other way
    }
    data::closeAllConnections();
    return code;
}

} // namespace app
