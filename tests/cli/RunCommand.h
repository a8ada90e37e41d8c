// SPDX-License-Identifier: GPL-3.0-or-later
// The real program run to its end for one command, without a display.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace testing {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

inline Run memorant(const QStringList& args, int timeoutMs = 30000) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY")); // commands need none
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(MEMORANT_BINARY), args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace testing
