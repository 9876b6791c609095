// SPDX-License-Identifier: MIT
// The installed-cards listing on a system without the driver library.
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "LLLVLRWDM.h"
#include "TSetupSupporter.h"
#include "TestMainForm.h"

class TestSetupSupporterNoDriver : public QObject {
    Q_OBJECT

private slots:
    void listsNoCardWithoutAsking();
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

QTEST_MAIN(TestSetupSupporterNoDriver)
#include "tst_setupsupporter_nodriver.moc"
