// SPDX-License-Identifier: MIT
// Runs where no driver library can be found.
#include "EntryVariables.h"

#include <QTest>

using namespace LLLVLRWDM;

namespace {
int32_t EarlierCount()
{
    return 7;
}
void EarlierEntry() {}
} // namespace

class TestDriverMissing : public QObject {
    Q_OBJECT

private slots:
    void bindsNothing();
    void keepsEarlierValues();
};

void TestDriverMissing::bindsNothing()
{
    LoadDriver();
    LoadDriver();
    QCOMPARE(BoundEntryNames(), QStringList());
    QVERIFY(!DriverReady);
}

void TestDriverMissing::keepsEarlierValues()
{
    GetNumCards = EarlierCount;
    WDGStop = EarlierEntry;
    LoadDriver();
    QVERIFY(GetNumCards == EarlierCount);
    QVERIFY(WDGStop == EarlierEntry);
    QCOMPARE(BoundEntryNames(), QStringList({"GetNumCards", "WDGStop"}));
    QVERIFY(!DriverReady);
    GetNumCards = nullptr;
    WDGStop = nullptr;
}

QTEST_GUILESS_MAIN(TestDriverMissing)
#include "tst_driver_missing.moc"
