// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QTest>

#include "CardPage.h"

namespace {

// The filter panel with its boxes and jumpers in name order.
struct TFilterPage : TCardPage {
    QList<QCheckBox*> Boxes;
    QList<TTwoJumper*> Jumpers;

    TFilterPage()
    {
        for (int Bit = 0; Bit < 16; ++Bit) {
            Boxes << Form.FilterPanel->findChild<QCheckBox*>(QString("FilterCheck%1").arg(Bit));
            Jumpers << Form.FilterPanel->findChild<TTwoJumper*>(QString("FJ%1").arg(Bit));
        }
    }

    bool Enter() { return TCardPage::Enter(Form.FilterPanel); }

    // Input bits 0 to 15, '1' where the box is checked.
    QString Checked() const
    {
        QString Result;
        for (const QCheckBox* Box : Boxes)
            Result += Box->isChecked() ? u'1' : u'0';
        return Result;
    }
};

QString Only(int Bit)
{
    QString Result(16, u'0');
    Result[Bit] = u'1';
    return Result;
}

} // namespace

class TestInputFilters : public QObject {
    Q_OBJECT

private slots:
    void handlersBeforeTheEntryTouchNothing();
    void boxAndJumperAgree_data();
    void boxAndJumperAgree();
    void comingBackKeepsEverything();
};

// The stored Tag of FilterCheck8 is 0, the same as FilterCheck0's.
void TestInputFilters::handlersBeforeTheEntryTouchNothing()
{
    TFilterPage Page;
    QCOMPARE(Page.Boxes[8]->property("Tag").toInt(), 0);
    Page.Boxes[8]->setChecked(true);
    Page.Jumpers[3]->SetClosed(true);
    Page.Form.TwoJumperClick(Page.Jumpers[3]);
    QCOMPARE(States(Page.Jumpers), Only(3));
    QCOMPARE(Page.Checked(), Only(8));
}

void TestInputFilters::boxAndJumperAgree_data()
{
    QTest::addColumn<int>("Bit");
    for (int Bit = 0; Bit < 16; ++Bit)
        QTest::addRow("Filter %d", Bit) << Bit;
}

// Box i and jumper i stand for input bit i once the panel has been entered, whatever Tags
// the description stored; the other fifteen pairs stay as they are.
void TestInputFilters::boxAndJumperAgree()
{
    QFETCH(int, Bit);
    TFilterPage Page;
    QVERIFY(Page.Enter());
    QCheckBox* Box = Page.Boxes[Bit];
    TTwoJumper* Jumper = Page.Jumpers[Bit];
    QCOMPARE(Box->property("Tag").toInt(), Bit);
    QCOMPARE(Jumper->Tag(), Bit);
    const QString None(16, u'0');

    Box->setFocus();
    QTest::keyClick(Box, Qt::Key_Space);
    QCOMPARE(States(Page.Jumpers), Only(Bit));
    QTest::mouseClick(Box, Qt::LeftButton);
    QCOMPARE(States(Page.Jumpers), None);

    QTest::mouseClick(Jumper, Qt::LeftButton);
    QCOMPARE(Page.Checked(), Only(Bit));
    QCOMPARE(States(Page.Jumpers), Only(Bit));
    QTest::mouseClick(Jumper, Qt::LeftButton);
    QCOMPARE(Page.Checked(), None);
    QCOMPARE(States(Page.Jumpers), None);
}

void TestInputFilters::comingBackKeepsEverything()
{
    TFilterPage Page;
    QVERIFY(Page.Enter());
    QTest::mouseClick(Page.Boxes[8], Qt::LeftButton);
    QTest::mouseClick(Page.Jumpers[15], Qt::LeftButton);
    QTest::mouseClick(Page.Jumpers[0], Qt::LeftButton);
    const QString Set = "1000000010000001";
    QCOMPARE(Page.Checked(), Set);

    // Every entry numbers the pairs again.
    Page.Jumpers[9]->SetTag(0);
    Page.Boxes[9]->setProperty("Tag", 1);
    Page.LeaveAndComeBack(Page.Boxes[4]);
    Page.LeaveAndComeBack(Page.Form.FilterPanel);
    QCOMPARE(Page.Checked(), Set);
    QCOMPARE(States(Page.Jumpers), Set);
    QCOMPARE(Page.Jumpers[9]->Tag(), 9);
    QCOMPARE(Page.Boxes[9]->property("Tag").toInt(), 9);
    QTest::mouseClick(Page.Jumpers[9], Qt::LeftButton);
    QCOMPARE(Page.Checked(), "1000000011000001");
}

QTEST_MAIN(TestInputFilters)
#include "tst_inputfilters.moc"
