#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QtGlobal>
#include <QtTest>

#include "WTestSuite.h"

// Qt reads the screens' scale once, when the application starts: a test that needs a screen of
// 1.5 device pixels per pixel runs one of its own functions again in a process started with
// QT_SCALE_FACTOR set. The function asks InScaledRun() which side it is on: the parent starts
// the child and passes or fails with it; the child does the work.
namespace WexalTest {

inline bool InScaledRun()
{
    return qEnvironmentVariableIsSet("WEXAL_TEST_SCALED_RUN");
}

// For a data-driven test that does its work at a scale: in the parent, runs the current
// function and row again in a child process with every screen scaled by scale, sets failure
// (empty when the child passed, else what it printed) and returns true; in the child, returns
// false and the test goes on.
inline bool RanScaled(const QString& scale, QString* failure)
{
    if (InScaledRun())
        return false;
    const QString function = QString::fromLatin1(QTest::currentTestFunction()) + QLatin1Char(':') +
                             QString::fromLatin1(QTest::currentDataTag());
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    env.insert(QStringLiteral("WEXAL_TEST_SCALED_RUN"), scale);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {CurrentSuite(), function});
    if (!child.waitForFinished(240 * 1000)) {
        child.kill();
        child.waitForFinished();
        *failure = QStringLiteral("%1 at scale %2 did not finish").arg(function, scale);
    } else if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        *failure = QStringLiteral("%1 at scale %2 failed:\n%3")
                       .arg(function, scale, QString::fromLocal8Bit(child.readAll()));
    } else {
        failure->clear();
    }
    return true;
}

} // namespace WexalTest
