// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "CardPage.h"

// A key as the X server delivers it: Delete carries the text DEL, Ctrl+V the character 16h.
struct TKeyStroke {
    Qt::Key Code;
    QString Text;
    Qt::KeyboardModifiers Modifiers = Qt::NoModifier;
};
using TKeyStrokes = QList<TKeyStroke>;
Q_DECLARE_METATYPE(TKeyStrokes)

namespace {

TKeyStrokes Typed(const QString& Text)
{
    TKeyStrokes Keys;
    for (QChar Character : Text)
        Keys << TKeyStroke{Qt::Key(Character.toUpper().unicode()), Character};
    return Keys;
}

QList<TTwoJumper*> AddressJumpers(const TMainForm& Form)
{
    return Form.BasePanel->findChildren<TTwoJumper*>(QString(), Qt::FindDirectChildrenOnly);
}

QList<QLabel*> Labels(const TMainForm& Form)
{
    return Form.BasePanel->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
}

TTwoJumper* AddressJumper(const TMainForm& Form, int Bit)
{
    for (TTwoJumper* Jumper : AddressJumpers(Form))
        if (Jumper->Tag() == Bit)
            return Jumper;
    return nullptr;
}

// The base address panel, entered, counting the edit's change events from then on.
struct TBasePage : TCardPage {
    QLineEdit* Edit = Form.BaseEdit;
    int Changes = 0;

    bool Enter(const QString& Text = "300")
    {
        if (!TCardPage::Enter(Form.BasePanel))
            return false;
        Edit->setText(Text);
        QObject::connect(Edit, &QLineEdit::textChanged, [this] { ++Changes; });
        return true;
    }
    // Bits 3 to 9, '1' where the jumper is closed.
    QString Pattern() const { return States(AddressJumpers(Form)); }
};

} // namespace

class TestBaseAddress : public QObject {
    Q_OBJECT

private slots:
    void firstEntryMakesSevenJumpersAndLabels();
    void textsReadAsAddresses_data();
    void textsReadAsAddresses();
    void typing_data();
    void typing();
    void keyFilter_data();
    void keyFilter();
    void jumperClicks_data();
    void jumperClicks();
    void comingBackKeepsEverything();
    void changesBeforeTheEntryTouchNoJumpers();
};

void TestBaseAddress::firstEntryMakesSevenJumpersAndLabels()
{
    TBasePage Page;
    QVERIFY(AddressJumpers(Page.Form).isEmpty());
    QVERIFY(Page.Enter());

    const QList<TTwoJumper*> Jumpers = AddressJumpers(Page.Form);
    const QList<QLabel*> BitLabels = Labels(Page.Form).mid(1);
    QCOMPARE(Jumpers.size(), 7);
    QCOMPARE(BitLabels.size(), 7);
    for (int Bit = 3; Bit <= 9; ++Bit) {
        const TTwoJumper* Jumper = Jumpers[Bit - 3];
        const QLabel* Label = BitLabels[Bit - 3];
        QCOMPARE(Jumper->Tag(), Bit);
        QCOMPARE(Jumper->geometry(), QRect(96, 16 * Bit - 16, 34, 18));
        QCOMPARE(Jumper->Orientation(), TTwoJumper::otDown);
        QCOMPARE(Jumper->Closed(), Bit <= 7);
        QVERIFY(Jumper->isVisible());
        QCOMPARE(Label->text(), QString::number(Bit));
        QCOMPARE(Label->geometry(), QRect(132, 16 * Bit - 16, 65, 17));
        QCOMPARE(Label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(Label->font(), Page.Form.BasePanel->font());
        QVERIFY(Label->isVisible());
    }
    // Neighbours overlap by two rows, where the lower one is drawn.
    QCOMPARE(Page.Form.BasePanel->childAt(110, 48), Jumpers[1]);
    QCOMPARE(Page.Form.BasePanel->childAt(110, 127), Jumpers[5]);
    QCOMPARE(Page.Form.BasePanel->childAt(110, 128), Jumpers[6]);
    QCOMPARE(Page.Form.BaseEdit->text(), QString("300"));
}

// Texts that reach the edit without the key filter, as by pasting, starting at 300. A text
// that is replaced raises a second change; an equal text is never written back.
void TestBaseAddress::textsReadAsAddresses_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Shown");
    QTest::addColumn<QString>("Pattern");
    QTest::addColumn<int>("Changes");
    const QString At300 = "1111100";
    QTest::newRow("masked to 3F8") << "3FF" << "3F8" << "0000000" << 2;
    QTest::newRow("lower case") << "2a8" << "2A8" << "0101010" << 2;
    QTest::newRow("above bit 9") << "400" << "0" << "1111111" << 2;
    QTest::newRow("below bit 3") << "7" << "0" << "1111111" << 2;
    QTest::newRow("leading zeros") << "008" << "8" << "0111111" << 2;
    QTest::newRow("formatted already") << "2A8" << "2A8" << "0101010" << 1;
    QTest::newRow("32 bits") << "FFFFFFFF" << "3F8" << "0000000" << 2;
    QTest::newRow("33 bits") << "100000000" << "100000000" << At300 << 1;
    QTest::newRow("nine digits") << "000000300" << "300" << At300 << 2;
    QTest::newRow("empty") << "" << "" << At300 << 1;
    QTest::newRow("blank") << "2A8 " << "2A8 " << At300 << 1;
    QTest::newRow("sign") << "-8" << "-8" << At300 << 1;
    QTest::newRow("prefix") << "0x2A8" << "0x2A8" << At300 << 1;
    QTest::newRow("other digits") << "\u0663\u0660\u0660" << "\u0663\u0660\u0660" << At300 << 1;
    QTest::newRow("equal text") << "300" << "300" << At300 << 0;
    QTest::newRow("padded to the bound") << QString(1021, u'0') + "2A8" << "2A8" << "0101010" << 2;
    // Cut to its first 1024 characters, all zeros.
    QTest::newRow("beyond the bound") << QString(40000, u'0') + "2A8" << "0" << "1111111" << 2;
}

void TestBaseAddress::textsReadAsAddresses()
{
    QFETCH(QString, Text);
    QFETCH(QString, Shown);
    QFETCH(QString, Pattern);
    QFETCH(int, Changes);
    TBasePage Page;
    QVERIFY(Page.Enter());
    Page.Edit->setText(Text);
    QCOMPARE(Page.Edit->text(), Shown);
    QCOMPARE(Page.Pattern(), Pattern);
    QCOMPARE(Page.Changes, Changes);
}

void TestBaseAddress::typing_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<int>("SelectionStart");
    QTest::addColumn<int>("SelectionLength");
    QTest::addColumn<TKeyStrokes>("Keys");
    QTest::addColumn<QString>("Shown");
    QTest::addColumn<QString>("Pattern");
    QTest::addColumn<int>("Changes");
    const QString At300 = "1111100";
    QTest::newRow("over the selected text") << "300" << 0 << 3 << Typed("2") << "0" << "1111111" << 2;
    QTest::newRow("over the first digit") << "300" << 0 << 1 << Typed("2") << "200" << "1111110" << 1;
    QTest::newRow("c at the end") << "300" << 3 << 0 << Typed("c") << "8" << "0111111" << 2;
    QTest::newRow("f at the front") << "300" << 0 << 0 << Typed("f") << "300" << At300 << 2;
    QTest::newRow("letters, blank, minus") << "300" << 3 << 0 << Typed("gx -G") << "300" << At300 << 0;
    // While the text cannot be read, the typed character shows as the filter passed it.
    QTest::newRow("c while unreadable") << "-" << 1 << 0 << Typed("c") << "-C" << At300 << 1;
    QTest::newRow("g while unreadable") << "-" << 1 << 0 << Typed("g") << "-" << At300 << 0;
    QTest::newRow("Enter") << "300" << 3 << 0 << TKeyStrokes{{Qt::Key_Return, "\r"}} << "300" << At300 << 0;
    QTest::newRow("Escape") << "300" << 0 << 3 << TKeyStrokes{{Qt::Key_Escape, "\x1b"}} << "300" << At300 << 0;
    QTest::newRow("backspace") << "300" << 3 << 0 << TKeyStrokes{{Qt::Key_Backspace, "\b"}} << "30"
                               << "1001111" << 1;
    QTest::newRow("delete") << "300" << 0 << 0 << TKeyStrokes{{Qt::Key_Delete, "\x7f"}} << "0"
                            << "1111111" << 2;
    // Shortcuts reach the edit. Each character is read at once: "1" gives 0, "0F" gives 8.
    QTest::newRow("select all, type") << "300" << 1 << 0
                                      << TKeyStrokes{{Qt::Key_A, "\x01", Qt::ControlModifier}} + Typed("1F8")
                                      << "88" << "0111011" << 5;
    QTest::newRow("paste") << "300" << 0 << 3 << TKeyStrokes{{Qt::Key_V, "\x16", Qt::ControlModifier}}
                           << "2A8" << "0101010" << 2;
}

void TestBaseAddress::typing()
{
    QFETCH(QString, Text);
    QFETCH(int, SelectionStart);
    QFETCH(int, SelectionLength);
    QFETCH(TKeyStrokes, Keys);
    QFETCH(QString, Shown);
    QFETCH(QString, Pattern);
    QFETCH(int, Changes);
    TBasePage Page;
    QVERIFY(Page.Enter(Text));
    QGuiApplication::clipboard()->setText("2a8");
    Page.Edit->setFocus();
    Page.Edit->setCursorPosition(SelectionStart);
    if (SelectionLength)
        Page.Edit->setSelection(SelectionStart, SelectionLength);
    for (const TKeyStroke& Key : Keys)
        QTest::sendKeyEvent(QTest::Click, Page.Edit, Key.Code, Key.Text, Key.Modifiers);
    QCOMPARE(Page.Edit->text(), Shown);
    QCOMPARE(Page.Pattern(), Pattern);
    QCOMPARE(Page.Changes, Changes);
}

void TestBaseAddress::keyFilter_data()
{
    QTest::addColumn<char16_t>("Typed");
    QTest::addColumn<char16_t>("Passed");
    for (char16_t Key : u"0123456789ABCDEF")
        if (Key)
            QTest::addRow("%c passes", char(Key)) << Key << Key;
    QTest::newRow("backspace passes") << u'\b' << u'\b';
    for (char16_t Key : u"abcdef")
        if (Key)
            QTest::addRow("%c becomes upper case", char(Key)) << Key << char16_t(Key - u'a' + u'A');
    const QList<std::pair<const char*, char16_t>> Discarded{
        {"g", u'g'}, {"x", u'x'}, {"G", u'G'}, {"blank", u' '}, {"minus", u'-'}, {"Enter", u'\r'},
        {"Escape", u'\x1b'}, {"Ctrl+V", u'\x16'}, {"Ctrl+C", u'\x03'}, {"tab", u'\t'},
        {"NUL", u'\0'}, {"DEL", u'\x7f'}, {"Arabic-Indic three", u'\u0663'}, {"fullwidth A", u'\uff21'}};
    for (const auto& [Name, Key] : Discarded)
        QTest::addRow("%s discarded", Name) << Key << char16_t(0);
}

void TestBaseAddress::keyFilter()
{
    QFETCH(char16_t, Typed);
    QFETCH(char16_t, Passed);
    TMainForm Form;
    char16_t Key = Typed;
    Form.BaseEditKeyPress(Form.BaseEdit, Key);
    QCOMPARE(int(Key), int(Passed));
}

void TestBaseAddress::jumperClicks_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<int>("Bit");
    QTest::addColumn<QString>("Shown");
    QTest::addColumn<QString>("Pattern");
    QTest::newRow("bit 8 at 300") << "300" << 8 << "200" << "1111110";
    QTest::newRow("bit 5 at 200") << "200" << 5 << "220" << "1101110";
    QTest::newRow("bit 3 at 300") << "300" << 3 << "308" << "0111100";
    QTest::newRow("shorter than three") << "0" << 3 << "8" << "0111111";
    QTest::newRow("all closed") << "8" << 3 << "0" << "1111111";
    QTest::newRow("bit 9 at 3F8") << "3F8" << 9 << "1F8" << "0000001";
}

// The click writes the address of the open jumpers and selects its first three characters.
void TestBaseAddress::jumperClicks()
{
    QFETCH(QString, Text);
    QFETCH(int, Bit);
    QFETCH(QString, Shown);
    QFETCH(QString, Pattern);
    TBasePage Page;
    QVERIFY(Page.Enter(Text));
    Page.Edit->setFocus();
    Page.Edit->setCursorPosition(0);

    QTest::mouseClick(AddressJumper(Page.Form, Bit), Qt::LeftButton);
    QCOMPARE(Page.Edit->text(), Shown);
    QCOMPARE(Page.Pattern(), Pattern);
    QCOMPARE(Page.Edit->selectionStart(), 0);
    QCOMPARE(Page.Edit->selectedText(), Shown.left(3));
}

void TestBaseAddress::comingBackKeepsEverything()
{
    TBasePage Page;
    QVERIFY(Page.Enter());
    Page.Edit->setFocus();
    Page.Edit->setSelection(0, 1);
    QTest::keyClicks(Page.Edit, "1");
    QCOMPARE(Page.Edit->text(), QString("100"));
    for (int Round = 0; Round < 3; ++Round) {
        Page.LeaveAndComeBack(Page.Edit);
        QVERIFY(Page.Edit->hasFocus());
    }
    Page.LeaveAndComeBack(Page.Form.BasePanel);
    QCOMPARE(Page.Edit->text(), QString("100"));
    QCOMPARE(Page.Pattern(), QString("1111101"));
    QCOMPARE(AddressJumpers(Page.Form).size(), 7);
    QCOMPARE(Labels(Page.Form).size(), 8);
}

void TestBaseAddress::changesBeforeTheEntryTouchNoJumpers()
{
    TMainForm Form;
    Form.BaseEdit->setText("2a8");
    QCOMPARE(Form.BaseEdit->text(), QString("2A8"));
    QVERIFY(AddressJumpers(Form).isEmpty());
}

QTEST_MAIN(TestBaseAddress)
#include "tst_baseaddress.moc"
