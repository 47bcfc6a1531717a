// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/resource.h>
#endif

// What a program run by a test gave back; exitCode -1 when it did not end
// normally within two minutes.
struct ProgramRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a program in a folder. A size limit makes every write past that many
// bytes fail (SIGXFSZ ignored, so the write returns an error instead of
// killing the program), as a full disk would.
inline ProgramRun runProgram(const QString& program, const QStringList& arguments,
                             const QString& folder, qint64 sizeLimit = -1)
{
    QProcess process;
    process.setWorkingDirectory(folder);
#if defined(Q_OS_UNIX)
    process.setChildProcessModifier([sizeLimit] {
        if (sizeLimit < 0)
            return;
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(sizeLimit), rlim_t(sizeLimit)};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
#endif
    process.start(program, arguments);
    ProgramRun result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}
