// SPDX-License-Identifier: MIT
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "Screen.h"
#include "TBoardHighlight.h"
#include "TBoardImage.h"
#include "TPopupForm.h"
#include "TRadioPanel.h"
#include "TestPage.h"

class TestPopupForm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void panelPopupRows();
    void narrowPanelIsWidenedToMinimum();
    void popupWithoutPanelBelowBoard();
    void placedAtPanelsDesignedPlace();
    void movedOntoScreen_data();
    void movedOntoScreen();
    void reopeningKeepsSizeAndPlace();
    void panelEnteredOnceWhenBuilt();

private:
    TTestPage* Page = nullptr;
};

void TestPopupForm::init()
{
    Page = new TTestPage;
    Page->show();
    QVERIFY(QTest::qWaitForWindowExposed(Page));
}

void TestPopupForm::cleanup()
{
    delete Page;
}

void TestPopupForm::panelPopupRows()
{
    Page->Alpha->MouseEnter(false);
    TPopupForm* Popup = Page->Alpha->Popup();
    QVERIFY(Popup);
    QCOMPARE(Popup->size(), QSize(203, 262));
    QCOMPARE(Popup->windowTitle(), QStringLiteral("Alpha"));
    QCOMPARE(Popup->Tag(), int(TBoardHighlight::htSettings));
    QVERIFY(Popup->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(Page->AlphaPanel->parentWidget(), Popup);
    QCOMPARE(Page->AlphaPanel->geometry(), QRect(0, 0, 203, 153));
    QVERIFY(Page->AlphaPanel->isVisible());
    QVERIFY(Page->AlphaPanel->InPopup());
    QCOMPARE(Popup->StatusMemo->geometry(), QRect(6, 154, 191, 58));
    QCOMPARE(Popup->PreviousButton->geometry(), QRect(6, 218, 58, 25));
    QCOMPARE(Popup->NextButton->geometry(), QRect(72, 218, 58, 25));
    QCOMPARE(Popup->DoneButton->geometry(), QRect(139, 218, 58, 25));
    QCOMPARE(Popup->PopupStatus->geometry(), QRect(0, 243, 203, 19));
    QCOMPARE(Popup->StatusMemo->toPlainText(), QStringLiteral("First line.\nSecond line."));
    QVERIFY(Popup->StatusMemo->isReadOnly());
    QCOMPARE(Popup->minimumSize(), Popup->size());
}

void TestPopupForm::narrowPanelIsWidenedToMinimum()
{
    Page->Beta->MouseEnter(false);
    TPopupForm* Popup = Page->Beta->Popup();
    QCOMPARE(Popup->OuterRect().width(), 194);
    QCOMPARE(Popup->height(), 73 + 58 + 51);
    QCOMPARE(Page->BetaPanel->width(), 169);
    // The buttons and the memo spread over the wider client area.
    QCOMPARE(Popup->DoneButton->x(), Popup->width() - 64);
    QCOMPARE(Popup->StatusMemo->width(), Popup->width() - 12);
}

void TestPopupForm::popupWithoutPanelBelowBoard()
{
    Page->Info->MouseEnter(false);
    TPopupForm* Popup = Page->Info->Popup();
    QCOMPARE(Popup->OuterRect().size(), QSize(194, 141));
    QCOMPARE(Popup->StatusMemo->toPlainText(), QString());
    const TBoardImage* Board = Page->Board;
    QCOMPARE(Popup->OuterRect().topLeft(), QPoint(Board->x(), qMin(Board->y() + Board->height() + 38,
                                                                     TScreen::Height() - 141)));
    QTRY_COMPARE(QApplication::focusWidget(), Popup->DoneButton);
}

void TestPopupForm::placedAtPanelsDesignedPlace()
{
    // The board image has moved from its designed place (222, 42) to the centre.
    QTRY_COMPARE(Page->Board->x(), (Page->frameGeometry().width() - 600) / 2);
    Page->Alpha->MouseEnter(false);
    const QPoint Moved = Page->Board->pos() - QPoint(222, 42);
    QCOMPARE(Page->Alpha->Popup()->OuterRect().topLeft(), QPoint(702, 24) + Moved);
}

void TestPopupForm::movedOntoScreen_data()
{
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<QString>("edge");
    QTest::newRow("right") << QPoint(100000, 24) << "right";
    QTest::newRow("left") << QPoint(-100000, 24) << "left";
    QTest::newRow("bottom") << QPoint(100, 100000) << "bottom";
    QTest::newRow("top") << QPoint(100, -100000) << "top";
}

void TestPopupForm::movedOntoScreen()
{
    QFETCH(QPoint, stored);
    QFETCH(QString, edge);
    Page->AlphaPanel->move(stored);
    Page->Alpha->MouseEnter(false);
    const QRect Outer = Page->Alpha->Popup()->OuterRect();
    if (edge == QLatin1String("right"))
        QCOMPARE(Outer.right() + 1, TScreen::Width());
    else if (edge == QLatin1String("left"))
        QCOMPARE(Outer.left(), 0);
    else if (edge == QLatin1String("bottom"))
        QCOMPARE(Outer.bottom() + 1, TScreen::Height());
    else
        QCOMPARE(Outer.top(), 0);
}

void TestPopupForm::reopeningKeepsSizeAndPlace()
{
    Page->Alpha->MouseEnter(false);
    TPopupForm* Popup = Page->Alpha->Popup();
    Popup->setGeometry(QRect(QPoint(50, 60), QSize(260, 300)));
    Popup->close();
    QVERIFY(!Page->Alpha->Open());
    Page->Alpha->MouseEnter(false);
    QCOMPARE(Page->Alpha->Popup(), Popup);
    QVERIFY(Popup->isVisible());
    QCOMPARE(Popup->geometry(), QRect(QPoint(50, 60), QSize(260, 300)));
    // The anchored memo grew with the window.
    QCOMPARE(Popup->StatusMemo->width(), 260 - 12);
}

void TestPopupForm::panelEnteredOnceWhenBuilt()
{
    int Entries = 0;
    Page->AlphaPanel->OnEnter = [&](QObject*) { ++Entries; };
    Page->Alpha->MouseEnter(false);
    QTRY_COMPARE(Entries, 1);
    Page->Alpha->Popup()->close();
    Page->Alpha->MouseEnter(false);
    QTest::qWait(50);
    QCOMPARE(Entries, 1);
}

QTEST_MAIN(TestPopupForm)
#include "tst_popupform.moc"
