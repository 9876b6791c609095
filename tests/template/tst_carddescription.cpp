// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

#include "CardPage.h"
#include "TBoardHighlight.h"
#include "TBoardImage.h"
#include "TPopupForm.h"

using TValues = QVariantMap;

namespace {

QStringList ChildNames(const QWidget* Parent)
{
    QStringList Names;
    for (const QWidget* Child : Parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        Names << Child->objectName();
    return Names;
}

QStringList Numbered(const QString& Stem, const QList<int>& Numbers)
{
    QStringList Names;
    for (int Number : Numbers)
        Names << Stem + QString::number(Number);
    return Names;
}

QVariant Alignment(Qt::Alignment Value) { return QVariant::fromValue(Value); }

} // namespace

class TestCardDescription : public QObject {
    Q_OBJECT

private slots:
    void components_data();
    void components();
    void creationOrder();
    void irqItems();
    void fonts();
    void panelsStayHiddenOnTheShownWindow();
    void referencesResolved();
    void filterBoxesTabInTheirStoredOrder();
    void popupsEnterTheirPanels();
};

void TestCardDescription::components_data()
{
    QTest::addColumn<QString>("Class");
    QTest::addColumn<QString>("Parent");
    QTest::addColumn<QRect>("Geometry");
    QTest::addColumn<TValues>("Values");
    auto Row = [](const char* Name, const char* Class, const char* Parent, QRect Geometry,
                  TValues Values = {}) {
        QTest::newRow(Name) << Class << Parent << Geometry << Values;
    };

    Row("BoardImage1", "TBoardImage", "ClientArea", {222, 42, 600, 639},
        {{"AutoSize", false}, {"Stretch", true}});
    Row("BaseHighlight", "TBoardHighlight", "BoardImage1", {176, 57, 47, 149}, {{"Title", "&Base Address"}});
    Row("IRQHighlight", "TBoardHighlight", "BoardImage1", {85, 60, 42, 188}, {{"Title", "&IRQ Level"}});
    Row("FilterHighlight", "TBoardHighlight", "BoardImage1", {244, 316, 280, 40},
        {{"Title", "Manual &Filter Selection"}});
    for (const char* Name : {"UpgradeHighlight0", "UpgradeHighlight1"})
        Row(Name, "TBoardHighlight", "BoardImage1",
            Name[16] == '0' ? QRect(136, 202, 48, 19) : QRect(127, 127, 48, 19),
            {{"Title", "&Upgrade Connector"}});

    const QVariant NoBevel = QVariant::fromValue(TRadioPanel::bvNone);
    Row("FilterPanel", "TRadioPanel", "ClientArea", {416, 510, 521, 155},
        {{"BevelOuter", NoBevel},
         {"Lines", QStringList{"Jumpers are used to select input filtering on a channel-by-channel "
                               "basis.  When jumper IN0 is installed, additional filtering is "
                               "introduced for input bit 0, IN2 for bit 1, etc",
                               "",
                               "Filters must be selected for AC inputs. They are also valuable with "
                               "slow DC inputs in a noisy environment."}}});
    Row("BasePanel", "TRadioPanel", "ClientArea", {702, 24, 203, 153},
        {{"BevelOuter", NoBevel},
         {"Lines", QStringList{"Enter the base address(in hex, from 100 to 3F8) on the left, then set "
                               "the card's address jumpers to match the ones on the right."}}});
    Row("IRQPanel", "TRadioPanel", "ClientArea", {26, 299, 215, 209},
        {{"BevelOuter", NoBevel},
         {"Lines", QStringList{"Set these jumpers to specify what IRQ the card generates interrupts on, "
                               "An interrupt is asserted by the card when an isolated input changes "
                               "state if enabled in software.  If set to \"None\", no interrupts will "
                               "be generated."}}});
    Row("UpgradePanel", "TRadioPanel", "ClientArea", {24, 72, 169, 73},
        {{"BevelOuter", NoBevel},
         {"Lines", QStringList{"These pins are reserved for factory upgrades.",
                               "Connecting anything to them could destroy the boards."}}});

    Row("Label10", "QLabel", "BasePanel", {88, 0, 49, 17},
        {{"text", "ADDR"}, {"alignment", Alignment(Qt::AlignHCenter | Qt::AlignBottom)}});
    // Stored without a length limit; the program sets a bound far beyond any address.
    Row("BaseEdit", "QLineEdit", "BasePanel", {24, 60, 41, 21},
        {{"text", "300"}, {"maxLength", 1024}});

    // IRQ jumpers by position from the top, each with the label beside it.
    const QList<std::tuple<int, const char*, int, const char*>> IRQRows{
        {6, "Label36", 10, "3"},    {24, "Label35", 26, "4"},   {42, "Label34", 44, "5"},
        {60, "Label33", 62, "6"},   {78, "Label32", 80, "7"},   {96, "Label37", 98, "9"},
        {114, "Label5", 116, "10"}, {132, "Label4", 134, "11"}, {150, "Label3", 153, "12"},
        {168, "Label2", 171, "14"}, {186, "Label1", 188, "15"}};
    for (int Position = 0; Position < IRQRows.size(); ++Position) {
        const auto& [JumperTop, Label, LabelTop, Caption] = IRQRows[Position];
        const QByteArray Jumper = "IRQ" + QByteArray::number(Position);
        Row(Jumper, "TTwoJumper", "IRQPanel", {24, JumperTop, 34, 18},
            {{"Orientation", QVariant::fromValue(TTwoJumper::otUp)}, {"Closed", false}});
        Row(Label, "QLabel", "IRQPanel", {60, LabelTop, 25, 13},
            {{"text", Caption}, {"alignment", Alignment(Qt::AlignLeft | Qt::AlignTop)}});
    }
    Row("IRQBox", "QComboBox", "IRQPanel", {96, 53, 105, 21},
        {{"editable", true}, {"currentIndex", -1}, {"currentText", ""}});

    const QList<int> FilterLefts{480, 462, 444, 426, 408, 390, 372, 354,
                                 298, 280, 262, 244, 226, 208, 190, 172};
    const QList<int> CheckWidths{73, 57, 57, 57, 57, 73, 73, 73, 73, 57, 57, 57, 57, 73, 73, 73};
    for (int Bit = 0; Bit < 16; ++Bit) {
        Row(QByteArray("FJ" + QByteArray::number(Bit)), "TTwoJumper", "FilterPanel",
            {FilterLefts[Bit], 56, 18, 34},
            {{"Orientation", QVariant::fromValue(TTwoJumper::otLeft)}, {"Closed", false}});
        Row(QByteArray("FilterCheck" + QByteArray::number(Bit)), "QCheckBox", "FilterPanel",
            {Bit < 8 ? 16 : 80, 16 + 16 * (Bit % 8), CheckWidths[Bit], 17},
            {{"text", QString("Filter %1").arg(Bit)}, {"Tag", Bit % 8}, {"checked", false}});
    }
    const TValues FilterLabel{{"alignment", Alignment(Qt::AlignHCenter | Qt::AlignTop)}, {"wordWrap", true}};
    for (const auto& [Name, Left, Width, Caption] :
         QList<std::tuple<const char*, int, int, const char*>>{
             {"Label13", 340, 14, "F 7"}, {"Label6", 500, 14, "F 0"},
             {"Label9", 152, 18, "F 15"}, {"Label8", 316, 14, "F 8"}}) {
        TValues Values = FilterLabel;
        Values["text"] = Caption;
        Row(Name, "QLabel", "FilterPanel", {Left, 52, Width, 38}, Values);
    }

    Row("Label7", "QLabel", "UpgradePanel", {56, 24, 72, 20},
        {{"text", "Warning!"}, {"alignment", Alignment(Qt::AlignLeft | Qt::AlignTop)}});
}

void TestCardDescription::components()
{
    QFETCH(QString, Class);
    QFETCH(QString, Parent);
    QFETCH(QRect, Geometry);
    QFETCH(TValues, Values);
    TMainForm Form;
    const QWidget* Component = Form.findChild<QWidget*>(QTest::currentDataTag());
    QVERIFY(Component);
    QCOMPARE(Component->metaObject()->className(), Class);
    QCOMPARE(Component->parentWidget()->objectName(), Parent);
    QCOMPARE(Component->geometry(), Geometry);
    for (auto Value = Values.cbegin(); Value != Values.cend(); ++Value) {
        const QVariant Actual = Component->property(Value.key().toLatin1());
        QString Shown;
        QDebug(&Shown) << Value.key() << "is" << Actual;
        QVERIFY2(Actual == Value.value(), qPrintable(Shown));
    }
}

void TestCardDescription::creationOrder()
{
    TMainForm Form;
    QCOMPARE(ChildNames(Form.ClientArea),
             (QStringList{"BoardImage1", "FilterPanel", "BasePanel", "IRQPanel", "UpgradePanel"}));
    QCOMPARE(ChildNames(Form.BoardImage1),
             (QStringList{"BaseHighlight", "IRQHighlight", "FilterHighlight", "UpgradeHighlight0",
                          "UpgradeHighlight1"}));
    QCOMPARE(ChildNames(Form.BasePanel), (QStringList{"Label10", "BaseEdit"}));
    const QStringList IRQContents = Numbered("Label", {32, 33, 34, 35, 36, 37, 1, 2, 3, 4, 5})
                                    + Numbered("IRQ", {0, 1, 2, 5, 4, 3, 10, 9, 8, 7, 6})
                                    + QStringList{"IRQBox"};
    QCOMPARE(ChildNames(Form.IRQPanel), IRQContents);
    const QStringList FilterContents =
        QStringList{"Label13"} + Numbered("FJ", {7, 0, 1, 2, 3, 4, 5, 6}) + QStringList{"Label6"}
        + Numbered("FJ", {8, 15, 14, 13, 12, 11, 10, 9}) + QStringList{"Label9", "Label8"}
        + Numbered("FilterCheck", {0, 1, 3, 2, 4, 5, 7, 6, 8, 9, 11, 10, 12, 13, 15, 14});
    QCOMPARE(ChildNames(Form.FilterPanel), FilterContents);
    QCOMPARE(ChildNames(Form.UpgradePanel), QStringList{"Label7"});
}

void TestCardDescription::irqItems()
{
    TMainForm Form;
    QStringList Items;
    for (int Index = 0; Index < Form.IRQBox->count(); ++Index)
        Items << Form.IRQBox->itemText(Index);
    QCOMPARE(Items, (QStringList{"None", "IRQ3", "IRQ4", "IRQ5", "IRQ6", "IRQ7", "IRQ9", "IRQ10",
                                 "IRQ11", "IRQ12", "IRQ14", "IRQ15"}));
    QCOMPARE(Form.IRQBox->lineEdit()->text(), QString());
}

// Sizes in pixels whatever the screen's dots per inch; the filter labels wrap to two lines.
void TestCardDescription::fonts()
{
    TMainForm Form;
    QCOMPARE(Form.font().family(), QString("MS Sans Serif"));
    QCOMPARE(Form.font().pixelSize(), 11);
    QCOMPARE(Form.Label36->font(), Form.font());
    QCOMPARE(Form.FilterCheck3->font(), Form.font());

    for (QLabel* Label : {Form.Label13, Form.Label6, Form.Label9, Form.Label8}) {
        QCOMPARE(Label->font().family(), QString("Arial"));
        QCOMPARE(Label->font().pixelSize(), 16);
        QVERIFY(Label->font().bold());
        QCOMPARE(Label->palette().color(QPalette::WindowText), Form.palette().color(QPalette::WindowText));
        const int Line = QFontMetrics(Label->font()).lineSpacing();
        QCOMPARE(Label->heightForWidth(Label->width()) / Line, 2);
    }

    QCOMPARE(Form.Label7->font().family(), QString("MS Sans Serif"));
    QCOMPARE(Form.Label7->font().pixelSize(), 16);
    QVERIFY(Form.Label7->font().bold());
    QCOMPARE(Form.Label7->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(Form.Label7->palette().color(QPalette::Inactive, QPalette::WindowText), QColor(Qt::red));
}

void TestCardDescription::panelsStayHiddenOnTheShownWindow()
{
    TMainForm Form;
    Form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form));
    for (const TRadioPanel* Panel : {Form.FilterPanel, Form.BasePanel, Form.IRQPanel, Form.UpgradePanel})
        QVERIFY(!Panel->isVisible());
    QVERIFY(Form.BoardImage1->isVisible());
}

void TestCardDescription::referencesResolved()
{
    TMainForm Form;
    QCOMPARE(Form.BaseHighlight->RadioPanel(), Form.BasePanel);
    QCOMPARE(Form.IRQHighlight->RadioPanel(), Form.IRQPanel);
    QCOMPARE(Form.FilterHighlight->RadioPanel(), Form.FilterPanel);
    QCOMPARE(Form.UpgradeHighlight0->RadioPanel(), Form.UpgradePanel);
    QCOMPARE(Form.UpgradeHighlight1->RadioPanel(), Form.UpgradePanel);
    QCOMPARE(Form.BoardImage1->First(), Form.BaseHighlight);
    QCOMPARE(Form.BoardImage1->Menu(), Form.MainMenu1);
    QCOMPARE(Form.menuBar(), Form.MainMenu1);
    QCOMPARE(Form.BoardImage1->Picture()->Width(), 600);
    QCOMPARE(Form.BoardImage1->Picture()->Height(), 639);

    QStringList Menu;
    for (const QAction* Item : Form.MainMenu1->actions()) {
        Menu << Item->menu()->objectName() + ' ' + Item->text();
        for (const QAction* Entry : Item->menu()->actions())
            Menu << Entry->objectName() + ' ' + Entry->text();
    }
    QCOMPARE(Menu, (QStringList{"File1 &File", "Exit2 &Exit", "Help1 &Help",
                                "Howtousethisprogram1 H&ow to use this program",
                                "TechnicalSupport1 &Technical Support"}));
}

// The second column has two pairs crossed; the Tab key follows the stored order, also in
// the window that takes the panel over.
void TestCardDescription::filterBoxesTabInTheirStoredOrder()
{
    TCardPage Page;
    QVERIFY(Page.Enter(Page.Form.FilterPanel));
    const QStringList Expected = Numbered("FilterCheck", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 10, 12, 13, 15, 14});
    Page.Form.FilterCheck0->setFocus();
    QStringList Visited{QApplication::focusWidget()->objectName()};
    for (int Step = 1; Step < Expected.size(); ++Step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(Visited, Expected);
}

// Each circle's popup takes its panel over and focuses it, which runs the panel's entry.
void TestCardDescription::popupsEnterTheirPanels()
{
    TMainForm Form;
    Form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form));

    Form.BaseHighlight->MouseEnter(false);
    QVERIFY(Form.BaseHighlight->Popup());
    QCOMPARE(Form.BasePanel->window(), Form.BaseHighlight->Popup());
    QTRY_COMPARE(Form.BasePanel->findChildren<TTwoJumper*>().size(), 7);

    Form.IRQHighlight->MouseEnter(false);
    QTRY_COMPARE(Form.IRQBox->currentText(), QString("None"));
    QCOMPARE(Form.IRQ10->Tag(), 11);

    Form.FilterHighlight->MouseEnter(false);
    QTRY_COMPARE(Form.FilterCheck8->property("Tag").toInt(), 8);
    QTest::mouseClick(Form.FilterCheck8, Qt::LeftButton);
    QVERIFY(Form.FJ8->Closed());
    QVERIFY(!Form.FJ0->Closed());
}

QTEST_MAIN(TestCardDescription)
#include "tst_carddescription.moc"
