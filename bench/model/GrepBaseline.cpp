// SPDX-License-Identifier: GPL-2.0-or-later
#include "GrepBaseline.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <benchmark/benchmark.h>

void RegisterGrepCount(const std::string& name, const QString& path, const QByteArray& text,
                       double& fastest, const QByteArray& expectedCount)
{
    benchmark::RegisterBenchmark(
        name.c_str(),
        [path, text, &fastest, expectedCount](benchmark::State& state) {
            QProcess grep;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
            grep.setProcessEnvironment(environment);
            QElapsedTimer clock;
            for (auto _ : state) {
                clock.start();
                grep.start(QStringLiteral("grep"),
                           {"-c", "-i", "-F", QString::fromLatin1(text), path});
                grep.waitForFinished(-1);
                const double seconds = clock.nsecsElapsed() / 1e9;
                state.SetIterationTime(seconds);
                fastest = std::min(fastest, seconds);
                const QByteArray count = grep.readAllStandardOutput().trimmed();
                if (grep.exitStatus() != QProcess::NormalExit ||
                    (!expectedCount.isEmpty() && count != expectedCount))
                    state.SkipWithError("grep did not run or counted other lines");
            }
        })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}
