// SPDX-License-Identifier: MIT
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "CardPage.h"

namespace {

// The IRQ panel, entered; the jumpers in name order.
struct TIRQPage : TCardPage {
    QComboBox* Box = Form.IRQBox;
    const QList<TTwoJumper*> Jumpers{Form.IRQ0, Form.IRQ1, Form.IRQ2, Form.IRQ3, Form.IRQ4, Form.IRQ5,
                                     Form.IRQ6, Form.IRQ7, Form.IRQ8, Form.IRQ9, Form.IRQ10};

    bool Enter() { return TCardPage::Enter(Form.IRQPanel); }

    // The names of the closed jumpers.
    QString Closed() const
    {
        QStringList Names;
        for (const TTwoJumper* Jumper : Jumpers)
            if (Jumper->Closed())
                Names << Jumper->objectName();
        return Names.join(' ');
    }

    // At most one jumper is closed: the one whose Tag is the item's index.
    bool Agrees() const
    {
        for (const TTwoJumper* Jumper : Jumpers)
            if (Jumper->Closed() != (Jumper->Tag() == Box->currentIndex()))
                return false;
        return true;
    }

    // Moves the selection with the arrow keys, as the user would, one item at a time.
    void Choose(int Item)
    {
        Box->setFocus();
        while (Box->currentIndex() != Item) {
            const int Before = Box->currentIndex();
            QTest::keyClick(Box, Before < Item ? Qt::Key_Down : Qt::Key_Up);
            QVERIFY(Box->currentIndex() != Before);
            QVERIFY(Agrees());
        }
    }

    void Click(TTwoJumper* Jumper) { QTest::mouseClick(Jumper, Qt::LeftButton); }

    // The caption of the label at the height of Jumper.
    QString LabelBeside(const TTwoJumper* Jumper) const
    {
        for (const QLabel* Label : Form.IRQPanel->findChildren<QLabel*>())
            if (Label->y() >= Jumper->y() && Label->y() < Jumper->y() + Jumper->height())
                return Label->text();
        return {};
    }
};

} // namespace

class TestIRQLevel : public QObject {
    Q_OBJECT

private slots:
    void handlersBeforeTheEntryTouchNothing();
    void entrySelectsNoneAndNumbersTheJumpers();
    void itemsAndJumpersBothWays_data();
    void itemsAndJumpersBothWays();
    void walkingTheListKeepsOneJumperClosed();
    void clickingAnotherJumperMovesTheSelection();
    void pickingFromTheOpenList();
    void typingIntoTheField_data();
    void typingIntoTheField();
    void comingBackKeepsTheChoice();
};

void TestIRQLevel::handlersBeforeTheEntryTouchNothing()
{
    TIRQPage Page;
    QCOMPARE(Page.Box->currentIndex(), -1);
    QCOMPARE(Page.Box->currentText(), QString());
    Page.Box->setCurrentIndex(3);
    Page.Form.IRQBoxChange(Page.Box);
    Page.Form.IRQ4->SetClosed(true);
    Page.Form.IRQJumperClick(Page.Form.IRQ4);
    QCOMPARE(Page.Closed(), QString("IRQ4"));
    QCOMPARE(Page.Box->currentIndex(), 3);
}

void TestIRQLevel::entrySelectsNoneAndNumbersTheJumpers()
{
    TIRQPage Page;
    QVERIFY(Page.Enter());
    QCOMPARE(Page.Box->currentIndex(), 0);
    QCOMPARE(Page.Box->currentText(), QString("None"));
    QCOMPARE(Page.Closed(), QString());
    for (int Index = 0; Index < Page.Jumpers.size(); ++Index)
        QCOMPARE(Page.Jumpers[Index]->Tag(), Index + 1);
}

// The jumpers count positions from the top; the labels beside them name the IRQ lines.
void TestIRQLevel::itemsAndJumpersBothWays_data()
{
    QTest::addColumn<int>("Item");
    QTest::addColumn<QString>("Jumper");
    QTest::addColumn<QString>("Label");
    const QList<std::tuple<const char*, const char*, const char*>> Rows{
        {"IRQ3", "IRQ0", "3"},   {"IRQ4", "IRQ1", "4"},   {"IRQ5", "IRQ2", "5"},
        {"IRQ6", "IRQ3", "6"},   {"IRQ7", "IRQ4", "7"},   {"IRQ9", "IRQ5", "9"},
        {"IRQ10", "IRQ6", "10"}, {"IRQ11", "IRQ7", "11"}, {"IRQ12", "IRQ8", "12"},
        {"IRQ14", "IRQ9", "14"}, {"IRQ15", "IRQ10", "15"}};
    for (int Row = 0; Row < Rows.size(); ++Row) {
        const auto& [Item, Jumper, Label] = Rows[Row];
        QTest::newRow(Item) << Row + 1 << Jumper << Label;
    }
}

void TestIRQLevel::itemsAndJumpersBothWays()
{
    QFETCH(int, Item);
    QFETCH(QString, Jumper);
    QFETCH(QString, Label);
    TIRQPage Page;
    QVERIFY(Page.Enter());
    TTwoJumper* Closing = Page.Form.IRQPanel->findChild<TTwoJumper*>(Jumper);
    QVERIFY(Closing);

    Page.Choose(Item);
    QCOMPARE(Page.Closed(), Jumper);
    QCOMPARE(Page.LabelBeside(Closing), Label);
    QCOMPARE(Page.Box->currentText(), "IRQ" + Label);

    Page.Click(Closing);
    QCOMPARE(Page.Box->currentIndex(), 0);
    QCOMPARE(Page.Closed(), QString());
    Page.Click(Closing);
    QCOMPARE(Page.Box->currentIndex(), Item);
    QCOMPARE(Page.Closed(), Jumper);

    Page.Choose(0);
    QCOMPARE(Page.Closed(), QString());
}

void TestIRQLevel::walkingTheListKeepsOneJumperClosed()
{
    TIRQPage Page;
    QVERIFY(Page.Enter());
    Page.Choose(11);
    QCOMPARE(Page.Closed(), QString("IRQ10"));
    Page.Choose(0);
    QCOMPARE(Page.Closed(), QString());
}

void TestIRQLevel::clickingAnotherJumperMovesTheSelection()
{
    TIRQPage Page;
    QVERIFY(Page.Enter());
    Page.Choose(5);
    QCOMPARE(Page.Closed(), QString("IRQ4"));
    Page.Click(Page.Form.IRQ0);
    QCOMPARE(Page.Box->currentText(), QString("IRQ3"));
    QCOMPARE(Page.Closed(), QString("IRQ0"));
    Page.Click(Page.Form.IRQ9);
    QCOMPARE(Page.Box->currentText(), QString("IRQ14"));
    QCOMPARE(Page.Closed(), QString("IRQ9"));
    QVERIFY(Page.Agrees());
}

void TestIRQLevel::pickingFromTheOpenList()
{
    TIRQPage Page;
    QVERIFY(Page.Enter());
    Page.Box->showPopup();
    QAbstractItemView* List = Page.Box->view();
    QVERIFY(QTest::qWaitForWindowExposed(List->window()));
    // The list ignores a release that comes as quickly as the press that opened it.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QRect Item = List->visualRect(List->model()->index(6, 0));
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, Item.center());
    QCOMPARE(Page.Box->currentText(), QString("IRQ9"));
    QCOMPARE(Page.Closed(), QString("IRQ5"));
}

void TestIRQLevel::typingIntoTheField_data()
{
    QTest::addColumn<int>("Item");
    QTest::addColumn<int>("Cursor");
    QTest::addColumn<QString>("Typed");
    QTest::addColumn<QString>("Shown");
    QTest::addColumn<int>("Selected");
    QTest::addColumn<QString>("Closed");
    QTest::newRow("no item matches") << 3 << 4 << "x" << "IRQ5x" << -1 << "";
    QTest::newRow("back to the item") << 3 << 4 << "x\b" << "IRQ5" << 3 << "IRQ2";
    QTest::newRow("in the middle") << 3 << 3 << "x" << "IRQx5" << -1 << "";
    QTest::newRow("another item") << 3 << 3 << "1" << "IRQ15" << 11 << "IRQ10";
    QTest::newRow("only a beginning") << 3 << 4 << "\b1" << "IRQ1" << -1 << "";
    QTest::newRow("case differs") << 3 << 4 << "\b\b\b\birq5" << "irq5" << -1 << "";
    QTest::newRow("emptied") << 3 << 4 << "\b\b\b\b" << "" << -1 << "";
    QTest::newRow("None typed") << 3 << 4 << "\b\b\b\bNone" << "None" << 0 << "";
}

// An item is selected only while the field holds exactly its text; the field keeps what
// was typed and where the cursor stands.
void TestIRQLevel::typingIntoTheField()
{
    QFETCH(int, Item);
    QFETCH(int, Cursor);
    QFETCH(QString, Typed);
    QFETCH(QString, Shown);
    QFETCH(int, Selected);
    QFETCH(QString, Closed);
    TIRQPage Page;
    QVERIFY(Page.Enter());
    Page.Choose(Item);
    QLineEdit* Field = Page.Box->lineEdit();
    Field->setCursorPosition(Cursor);
    int Expected = Cursor;
    for (QChar Character : Typed) {
        if (Character == '\b') {
            QTest::keyClick(Field, Qt::Key_Backspace);
            --Expected;
        } else {
            QTest::keyClicks(Field, Character);
            ++Expected;
        }
        QVERIFY(Page.Agrees());
        QCOMPARE(Field->cursorPosition(), Expected);
    }
    QCOMPARE(Field->text(), Shown);
    QCOMPARE(Page.Box->currentIndex(), Selected);
    QCOMPARE(Page.Closed(), Closed);
}

void TestIRQLevel::comingBackKeepsTheChoice()
{
    TIRQPage Page;
    QVERIFY(Page.Enter());
    Page.Choose(7);
    for (int Round = 0; Round < 2; ++Round)
        Page.LeaveAndComeBack(Page.Box);
    Page.LeaveAndComeBack(Page.Form.IRQPanel);
    QCOMPARE(Page.Box->currentText(), QString("IRQ10"));
    QCOMPARE(Page.Closed(), QString("IRQ6"));
}

QTEST_MAIN(TestIRQLevel)
#include "tst_irqlevel.moc"
