// SPDX-License-Identifier: MIT
// Runs against a driver library that exports every entry point.
#include "EntryVariables.h"

#include <QLibrary>
#include <QTest>

using namespace LLLVLRWDM;

class TestDriverComplete : public QObject {
    Q_OBJECT

private slots:
    void bindsEveryEntry();
    void eachVariableHoldsItsNamesake();
    void secondCallDoesNothing();
};

void TestDriverComplete::bindsEveryEntry()
{
    LoadDriver();
    QVERIFY(DriverReady);
    QCOMPARE(AllEntryNames().size(), 33);
    QCOMPARE(BoundEntryNames(), AllEntryNames());
}

void TestDriverComplete::eachVariableHoldsItsNamesake()
{
    using TLastCalled = const char* (*)();
    const auto LastCalled = reinterpret_cast<TLastCalled>(QLibrary("VLRWDM").resolve("StandInLastCalled"));
    QVERIFY(LastCalled);

    QCOMPARE(GetNumCards(), 2);
    QCOMPARE(LastCalled(), "GetNumCards");
    for (const TEntryVariable& Entry : EntryVariables()) {
        if (qstrcmp(Entry.Name, "GetNumCards") == 0)
            continue; // called above with its own signature
        Entry.Address();
        QCOMPARE(LastCalled(), Entry.Name);
    }
}

void TestDriverComplete::secondCallDoesNothing()
{
    WDGStop = nullptr;
    LoadDriver();
    QVERIFY(!WDGStop);
    QVERIFY(DriverReady);
}

QTEST_GUILESS_MAIN(TestDriverComplete)
#include "tst_driver_complete.moc"
