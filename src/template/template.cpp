// SPDX-License-Identifier: MIT
#include "template.h"

#include <QFile>
#include <QKeyEvent>

#include <functional>
#include <initializer_list>
#include <optional>

#include "Application.h"
#include "AsciiChars.h"
#include "Guard.h"

namespace {

// The card decodes address bits 3 to 9.
constexpr int FirstAddressBit = 3;
constexpr int LastAddressBit = 9;
constexpr quint32 AddressMask = 0x3F8;
// The card page gives the edit no length limit. An address has three digits; this bound
// leaves room for any padding a person would type or paste, while a pasted megabyte can
// neither fill the edit's undo history nor stall its layout.
constexpr int MaxBaseTextLength = 1024;

// A form description gives font sizes in points; these labels were laid out in pixels.
void SetPixelHeight(std::initializer_list<QLabel*> Labels, int Pixels)
{
    for (QLabel* Label : Labels) {
        QFont Font = Label->font();
        Font.setPixelSize(Pixels);
        Label->setFont(Font);
    }
}

// One or more hexadecimal digits in 32 bits: reading stops with a failure when the value so
// far could not take a further digit.
std::optional<quint32> ReadHex(const QString& Text)
{
    if (Text.isEmpty())
        return std::nullopt;
    quint32 Value = 0;
    for (QChar Character : Text) {
        const int Digit = HexDigitValue(Character);
        if (Digit < 0 || Value > 0x0FFFFFFF)
            return std::nullopt;
        Value = Value << 4 | quint32(Digit);
    }
    return Value;
}

QString HexText(quint32 Value) { return QString::number(Value, 16).toUpper(); }

// A key that types text and is no shortcut. Ctrl+V and its kin, Tab and Delete are edit
// commands in this toolkit, not characters, and reach the edit unfiltered.
bool TypesCharacters(const QKeyEvent& Key)
{
    const Qt::KeyboardModifiers Commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !Key.text().isEmpty() && !(Key.modifiers() & Commands) && Key.key() != Qt::Key_Tab
           && Key.key() != Qt::Key_Backtab && Key.key() != Qt::Key_Delete;
}

int TagOf(const QObject* Sender) { return Sender ? Sender->property("Tag").toInt() : -1; }

} // namespace

TMainForm::TMainForm(QWidget* Parent) : QMainWindow(Parent)
{
    setupUi(this);
    // A form description's stored position is not applied by uic, only its size.
    move(390, 173);

    // The description was laid out in pixels at 96 dpi; its font is given in pixels too.
    setFont(TApplication::FormFont());
    SetPixelHeight({Label13, Label6, Label9, Label8, Label7}, 16);
    QPalette ClientPalette = ClientArea->palette();
    ClientPalette.setColor(QPalette::Window, Qt::white);
    ClientArea->setPalette(ClientPalette);

    QFile Photograph(QStringLiteral(":/board.jpg"));
    if (Photograph.open(QIODevice::ReadOnly))
        BoardImage1->Picture()->LoadFromJpeg(Photograph.readAll());

    // References between components, resolved once every circle carries its title, so
    // that the second upgrade circle may share the panel of the first.
    BaseHighlight->SetRadioPanel(BasePanel);
    IRQHighlight->SetRadioPanel(IRQPanel);
    FilterHighlight->SetRadioPanel(FilterPanel);
    UpgradeHighlight0->SetRadioPanel(UpgradePanel);
    UpgradeHighlight1->SetRadioPanel(UpgradePanel);
    BoardImage1->SetFirst(BaseHighlight);
    BoardImage1->SetMenu(MainMenu1);

    FilterPanel->OnEnter = std::bind_front(&TMainForm::FilterPanelEnter, this);
    BasePanel->OnEnter = std::bind_front(&TMainForm::BasePanelEnter, this);
    IRQPanel->OnEnter = std::bind_front(&TMainForm::IRQPanelEnter, this);
    for (TTwoJumper* Jumper : IRQJumpersByName())
        Jumper->OnClick = std::bind_front(&TMainForm::IRQJumperClick, this);
    for (TTwoJumper* Jumper : FilterJumpersByName())
        Jumper->OnClick = std::bind_front(&TMainForm::TwoJumperClick, this);
    // A box reports every change of its state, by the user or from code.
    for (QCheckBox* Box : FilterChecksByName())
        connect(Box, &QCheckBox::toggled, this, GuardedSlot([this, Box] { FilterCheckClick(Box); }));

    BaseEdit->setMaxLength(MaxBaseTextLength);
    BaseEdit->installEventFilter(this);
    connect(BaseEdit, &QLineEdit::textChanged, this, GuardedSlot([this] { BaseEditChange(BaseEdit); }));

    // The list reports the user's choices and typing, never a selection made from code.
    // Its selection follows the typed text exactly, so no inline completion may put an
    // item's text into the field without selecting the item.
    IRQBox->setCompleter(nullptr);
    connect(IRQBox, &QComboBox::activated, this, GuardedSlot([this] { IRQBoxChange(IRQBox); }));
    connect(IRQBox->lineEdit(), &QLineEdit::textEdited, this, GuardedSlot([this](const QString& Text) {
        SelectIRQItemByText(Text);
        IRQBoxChange(IRQBox);
    }));

    SetSup = new TSetupSupporter(this);
    SetSup->setObjectName(QStringLiteral("SetSup"));
    SetSup->SetCompanyName(QStringLiteral("Vellor"));
    SetSup->SetCardNameA(QStringLiteral("KX-2400"));
    SetSup->SetCardNameB(QStringLiteral("KX-2450"));
    SetSup->SetCallHow(QStringLiteral("between 9 am and 4 pm local time at 1-555-0100"));
    SetSup->SetChannels(0);
    SetSup->SetChangeButtons(true);

    connect(Exit2, &QAction::triggered, this, GuardedSlot([this] { Exit2Click(Exit2); }));
    connect(Howtousethisprogram1, &QAction::triggered, this,
            GuardedSlot([this] { Howtousethisprogram1Click(Howtousethisprogram1); }));
    connect(TechnicalSupport1, &QAction::triggered, this,
            GuardedSlot([this] { TechnicalSupport1Click(TechnicalSupport1); }));

    FormCreate(this);
}

void TMainForm::FormCreate(QObject*)
{
    // A supporter deleted before the first idle moment leaves nothing to do.
    if (TApplication* Application = TApplication::Instance())
        Application->OnIdle = [Supporter = SetSup](QObject* Sender, bool& Done) {
            if (Supporter)
                Supporter->ApplicationIdle(Sender, Done);
        };
}

void TMainForm::Exit2Click(QObject*)
{
    close();
}

void TMainForm::Howtousethisprogram1Click(QObject*)
{
    if (THelpForm* Help = SetSup ? SetSup->HelpForm() : nullptr)
        Help->show();
}

void TMainForm::TechnicalSupport1Click(QObject*)
{
    if (TTechForm* Tech = SetSup ? SetSup->TechForm() : nullptr)
        Tech->show();
}

// Each typed character goes through BaseEditKeyPress, which passes, replaces or discards it.
bool TMainForm::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched != BaseEdit || Event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(Watched, Event);
    // A key whose handler failed types nothing.
    bool Filtered = true;
    Guarded([&] { Filtered = FilterBaseEditKey(*static_cast<QKeyEvent*>(Event)); });
    return Filtered;
}

// True when the key is handled here and must not reach the edit.
bool TMainForm::FilterBaseEditKey(const QKeyEvent& Key)
{
    if (!TypesCharacters(Key))
        return false;
    QString Typed;
    for (QChar Character : Key.text()) {
        char16_t Code = Character.unicode();
        BaseEditKeyPress(BaseEdit, Code);
        if (Code)
            Typed += QChar(Code);
    }
    if (Typed == Key.text())
        return false;
    if (!Typed.isEmpty())
        BaseEdit->insert(Typed);
    return true;
}

void TMainForm::BasePanelEnter(QObject*)
{
    if (!AddressJumpers.isEmpty())
        return;
    // Address 300: a closed jumper makes its bit 0. Each jumper overlaps the one above it
    // by two pixels and is drawn over it.
    for (int Bit = FirstAddressBit; Bit <= LastAddressBit; ++Bit) {
        const int Top = 16 * Bit - 16;
        TTwoJumper* Jumper = new TTwoJumper(BasePanel);
        Jumper->SetOrientation(TTwoJumper::otDown);
        Jumper->SetTag(Bit);
        Jumper->move(96, Top);
        Jumper->SetClosed(Bit <= 7);
        Jumper->OnClick = std::bind_front(&TMainForm::AddressJumperClick, this);
        Jumper->show();
        AddressJumpers << Jumper;

        QLabel* Label = new QLabel(QString::number(Bit), BasePanel);
        Label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Label->setGeometry(132, Top, 65, 17);
        Label->show();
        AddressLabels << Label;
    }
}

void TMainForm::BaseEditKeyPress(QObject*, char16_t& Key)
{
    if (Key >= u'a' && Key <= u'f')
        Key = Key - u'a' + u'A';
    else if (Key != u'\b' && HexDigitValue(QChar(Key)) < 0)
        Key = 0;
}

// Unreadable text is left as it stands, and the jumpers keep the last accepted address.
void TMainForm::BaseEditChange(QObject*)
{
    const std::optional<quint32> Value = ReadHex(BaseEdit->text());
    if (!Value)
        return;
    const quint32 Address = *Value & AddressMask;
    SetBaseText(HexText(Address));
    for (qsizetype Index = 0; Index < AddressJumpers.size(); ++Index)
        AddressJumpers[Index]->SetClosed(!(Address & 1u << (Index + FirstAddressBit)));
}

// The address of the open jumpers.
void TMainForm::AddressJumperClick(QObject*)
{
    quint32 Address = 0;
    for (const TTwoJumper* Jumper : AddressJumpers)
        if (!Jumper->Closed())
            Address += 1u << Jumper->Tag();
    SetBaseText(HexText(Address));
    BaseEdit->setSelection(0, qMin(3, int(BaseEdit->text().size())));
}

// An equal text is never written back, which ends the change handler's recursion after
// one level.
void TMainForm::SetBaseText(const QString& Text)
{
    if (BaseEdit->text() != Text)
        BaseEdit->setText(Text);
}

void TMainForm::IRQPanelEnter(QObject*)
{
    if (!IRQJumpers.isEmpty())
        return;
    IRQJumpers = IRQJumpersByName();
    for (qsizetype Index = 0; Index < IRQJumpers.size(); ++Index)
        IRQJumpers[Index]->SetTag(int(Index) + 1);
    IRQBox->setCurrentIndex(0);
}

// The jumper whose Tag is the item's index closes; "None" and no selection open them all.
void TMainForm::IRQBoxChange(QObject*)
{
    const int Item = IRQBox->currentIndex();
    for (TTwoJumper* Jumper : IRQJumpers)
        Jumper->SetClosed(Jumper->Tag() == Item);
}

void TMainForm::IRQJumperClick(QObject* Sender)
{
    const TTwoJumper* Jumper = qobject_cast<TTwoJumper*>(Sender);
    if (!Jumper || IRQJumpers.isEmpty())
        return;
    IRQBox->setCurrentIndex(Jumper->Closed() ? Jumper->Tag() : 0);
    IRQBoxChange(IRQBox);
}

// While the user types, an item stays selected only while the field holds exactly its
// text; otherwise the list has no selection, and the field keeps what was typed.
void TMainForm::SelectIRQItemByText(const QString& Text)
{
    const int Item = IRQBox->findText(Text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (Item == IRQBox->currentIndex())
        return;
    QLineEdit* Field = IRQBox->lineEdit();
    const int Cursor = Field->cursorPosition();
    IRQBox->setCurrentIndex(Item);
    if (Field->text() != Text) {
        Field->setText(Text);
        Field->setCursorPosition(Cursor);
    }
}

void TMainForm::FilterPanelEnter(QObject*)
{
    FilterJumpers = FilterJumpersByName();
    FilterChecks = FilterChecksByName();
    for (qsizetype Index = 0; Index < FilterJumpers.size(); ++Index) {
        FilterJumpers[Index]->SetTag(int(Index));
        FilterChecks[Index]->setProperty("Tag", int(Index));
    }
}

void TMainForm::FilterCheckClick(QObject* Sender)
{
    const int Bit = TagOf(Sender);
    if (Bit < 0 || Bit >= FilterJumpers.size())
        return;
    FilterJumpers[Bit]->SetClosed(FilterChecks[Bit]->isChecked());
}

// The box raises its click when its state changes; that nested run finds the jumper in
// agreement already.
void TMainForm::TwoJumperClick(QObject* Sender)
{
    const int Bit = TagOf(Sender);
    if (Bit < 0 || Bit >= FilterChecks.size())
        return;
    FilterChecks[Bit]->setChecked(FilterJumpers[Bit]->Closed());
}

QList<TTwoJumper*> TMainForm::IRQJumpersByName() const
{
    return {IRQ0, IRQ1, IRQ2, IRQ3, IRQ4, IRQ5, IRQ6, IRQ7, IRQ8, IRQ9, IRQ10};
}

QList<TTwoJumper*> TMainForm::FilterJumpersByName() const
{
    return {FJ0, FJ1, FJ2,  FJ3,  FJ4,  FJ5,  FJ6,  FJ7,
            FJ8, FJ9, FJ10, FJ11, FJ12, FJ13, FJ14, FJ15};
}

QList<QCheckBox*> TMainForm::FilterChecksByName() const
{
    return {FilterCheck0,  FilterCheck1,  FilterCheck2,  FilterCheck3,
            FilterCheck4,  FilterCheck5,  FilterCheck6,  FilterCheck7,
            FilterCheck8,  FilterCheck9,  FilterCheck10, FilterCheck11,
            FilterCheck12, FilterCheck13, FilterCheck14, FilterCheck15};
}
