// SPDX-License-Identifier: MIT
// The installed-cards listing on a system without the driver library, and with a card
// count put in the library's place.
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include <limits>

#include "LLLVLRWDM.h"
#include "TSetupSupporter.h"
#include "TestMainForm.h"

class TestSetupSupporterNoDriver : public QObject {
    Q_OBJECT

private slots:
    void listsNoCardWithoutAsking();
    void listingIsBounded_data();
    void listingIsBounded();
};

void TestSetupSupporterNoDriver::listsNoCardWithoutAsking()
{
    TTestMainForm Main;
    TSetupSupporter Supporter(&Main);
    Supporter.SetCardNameA(QStringLiteral("KX-2400"));
    int Asked = 0;
    Supporter.OnGetCardString = [&](QObject*, qint32) {
        ++Asked;
        return QStringLiteral("card");
    };
    Supporter.CreateWindows();
    QVERIFY(!LLLVLRWDM::GetNumCards);
    QCOMPARE(Asked, 0);
    QCOMPARE(Supporter.PCIForm()->PCIMemo->toPlainText(), QStringLiteral("No Card Found"));
    QVERIFY(Supporter.PCIForm()->isVisible());
    QCOMPARE(Supporter.HeaderLabel()->text(), QStringLiteral("No KX-2400 Series Card Found"));
}

namespace {

int32_t ReportedCount = 0;
int32_t ReportCount()
{
    return ReportedCount;
}

} // namespace

// A faulty driver's count and texts: the listing asks for at most 64 cards and keeps at most
// 4096 characters of each text.
void TestSetupSupporterNoDriver::listingIsBounded_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("textLength");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("kept");
    QTest::newRow("negative count") << -5 << 10 << 0 << 0;
    QTest::newRow("largest count") << std::numeric_limits<int32_t>::max() << 1 << 64 << 64;
    QTest::newRow("64 cards") << 64 << 1 << 64 << 64;
    QTest::newRow("long text") << 1 << 16 * 1024 * 1024 << 1 << 4096;
    QTest::newRow("text at the bound") << 2 << 4096 << 2 << 2 * 4096;
    QTest::newRow("empty texts") << 3 << 0 << 3 << 0;
}

void TestSetupSupporterNoDriver::listingIsBounded()
{
    QFETCH(int, count);
    QFETCH(int, textLength);
    QFETCH(int, asked);
    QFETCH(int, kept);
    ReportedCount = count;
    LLLVLRWDM::GetNumCards = ReportCount;
    TTestMainForm Main;
    TSetupSupporter Supporter(&Main);
    int Asked = 0;
    // Lines of ten characters, so that the cut falls inside a line.
    const QString Text = QStringLiteral("0123456789\n").repeated(textLength / 11 + 1).left(textLength);
    Supporter.OnGetCardString = [&](QObject*, qint32) {
        ++Asked;
        return Text;
    };
    Supporter.CreateWindows();
    LLLVLRWDM::GetNumCards = nullptr;
    QCOMPARE(Asked, asked);
    const QString Shown = Supporter.PCIForm()->PCIMemo->toPlainText();
    if (kept == 0) {
        QCOMPARE(Shown, QStringLiteral("No Card Found"));
        return;
    }
    // Every kept line break shows as one.
    QCOMPARE(Shown.size(), kept + (asked - 1));
    QVERIFY(Shown.startsWith(Text.left(qMin(kept, 40))));
}

QTEST_MAIN(TestSetupSupporterNoDriver)
#include "tst_setupsupporter_nodriver.moc"
