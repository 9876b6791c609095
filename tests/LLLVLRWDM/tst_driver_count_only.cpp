// SPDX-License-Identifier: MIT
// Runs against a driver library that exports only the card count.
#include "EntryVariables.h"

#include <QTest>

using namespace LLLVLRWDM;

class TestDriverCountOnly : public QObject {
    Q_OBJECT

private slots:
    void bindsOnlyTheCount();
    void laterCallResolvesAgain();
};

void TestDriverCountOnly::bindsOnlyTheCount()
{
    LoadDriver();
    QCOMPARE(BoundEntryNames(), QStringList{"GetNumCards"});
    QCOMPARE(GetNumCards(), 3);
    QVERIFY(!DriverReady);
}

void TestDriverCountOnly::laterCallResolvesAgain()
{
    GetNumCards = nullptr;
    LoadDriver();
    QVERIFY(GetNumCards);
    QCOMPARE(GetNumCards(), 3);
    QVERIFY(!DriverReady);
}

QTEST_GUILESS_MAIN(TestDriverCountOnly)
#include "tst_driver_count_only.moc"
