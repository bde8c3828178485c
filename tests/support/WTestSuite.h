#pragma once

// Test files of one area share one program: WEXAL_TEST_MAIN(Class) takes the place of
// QTEST_MAIN and enters the class under its file's name, which ctest passes to run it alone.

#include <QObject>
#include <QString>
#include <QtTest>

namespace WexalTest {

using SuiteFactory = QObject* (*)();
int RegisterSuite(const char* file, SuiteFactory make);
// The file name of the class that is running, for a test that starts its program again.
QString CurrentSuite();

} // namespace WexalTest

#define WEXAL_TEST_MAIN(Class)                                                                     \
    static const int wexalSuite##Class =                                                           \
        WexalTest::RegisterSuite(__FILE__, []() -> QObject* { return new Class; });
