// SPDX-License-Identifier: MIT
#include "RtfReader.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "AsciiChars.h"

namespace {

enum class TDestination { Text, FontTable, ColorTable, Skipped };

struct TCharState {
    int Font = -1; // the document's default font
    int HalfPoints = 24;
    bool Bold = false;
    int Color = -1; // the view's own text colour

    bool operator==(const TCharState&) const = default;
};

struct TGroupState {
    TCharState Char;
    TDestination Destination = TDestination::Text;
};

// Sizes beyond what any writer produces would only make the layout crawl.
constexpr int MaxHalfPoints = 3276;

struct TSymbolWord {
    const char16_t* Word;
    char16_t Char;
};

constexpr TSymbolWord SymbolWords[] = {
    {u"line", u'\u2028'},   {u"tab", u'\t'},         {u"emdash", u'\u2014'},
    {u"endash", u'\u2013'}, {u"bullet", u'\u2022'},  {u"lquote", u'\u2018'},
    {u"rquote", u'\u2019'}, {u"ldblquote", u'\u201C'}, {u"rdblquote", u'\u201D'},
};

// Destinations whose content is never part of the visible text.
constexpr const char16_t* IgnoredDestinations[] = {u"stylesheet", u"info", u"pict"};

// Bytes 0x80 to 0x9F of code page 1252; the other bytes equal Latin-1.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QChar Cp1252ToUnicode(int Byte)
{
    return Byte >= 0x80 && Byte < 0xA0 ? QChar(Cp1252High[Byte - 0x80]) : QChar(Byte);
}

class TRtfReader {
public:
    TRtfReader(QStringView Rtf, QTextDocument* Document) : FRtf(Rtf), FCursor(Document) {}

    void Read();

private:
    QChar Peek(qsizetype Ahead = 0) const;
    TGroupState& Group() { return FGroups.back(); }

    void OpenGroup();
    void CloseGroup();
    void ReadControl();
    void ReadControlWord();
    std::optional<int> ReadParameter();
    void ReadHexByte();

    void ApplyWord(QStringView Word, std::optional<int> Parameter);
    void ApplyFontTableWord(QStringView Word, std::optional<int> Parameter);
    void ApplyColorTableWord(QStringView Word, std::optional<int> Parameter);
    void ApplyTextWord(QStringView Word, std::optional<int> Parameter);

    void AddChar(QChar C);
    void AddFontNameChar(QChar C);
    void AddColorTableChar(QChar C);
    void AddText(QChar C);
    void BreakParagraph();
    void Flush();
    QTextCharFormat Format(const TCharState& Char) const;

    QStringView FRtf;
    qsizetype FPos = 0;
    QTextCursor FCursor;
    std::vector<TGroupState> FGroups{TGroupState()};

    int FDefaultFont = 0;
    QHash<int, QString> FFonts;
    int FFontNumber = 0;
    QString FFontName;

    QList<QColor> FColors;
    int FRed = 0;
    int FGreen = 0;
    int FBlue = 0;
    bool FColorGiven = false;

    QString FPending;
    TCharState FPendingChar;
};

void TRtfReader::Read()
{
    FCursor.beginEditBlock();
    while (FPos < FRtf.size()) {
        const QChar C = FRtf[FPos++];
        switch (C.unicode()) {
        case u'{':
            OpenGroup();
            break;
        case u'}':
            CloseGroup();
            break;
        case u'\\':
            ReadControl();
            break;
        case u'\r':
        case u'\n':
            break; // line breaks of the source carry no meaning
        default:
            AddChar(C);
        }
    }
    Flush();
    FCursor.endEditBlock();
}

QChar TRtfReader::Peek(qsizetype Ahead) const
{
    return FPos + Ahead < FRtf.size() ? FRtf[FPos + Ahead] : QChar();
}

void TRtfReader::OpenGroup()
{
    FGroups.push_back(Group());
}

void TRtfReader::CloseGroup()
{
    // A surplus closing brace has no group to end.
    if (FGroups.size() > 1)
        FGroups.pop_back();
}

void TRtfReader::ReadControl()
{
    const QChar C = Peek();
    if (IsAsciiLetter(C)) {
        ReadControlWord();
        return;
    }
    if (C.isNull())
        return;
    ++FPos;
    switch (C.unicode()) {
    case u'\\':
    case u'{':
    case u'}':
        AddChar(C);
        break;
    case u'\'':
        ReadHexByte();
        break;
    case u'*':
        // Nothing this reader knows is marked as optional, so the whole group goes.
        Group().Destination = TDestination::Skipped;
        break;
    case u'~':
        AddChar(QChar::Nbsp);
        break;
    case u'_':
        AddChar(QChar(0x2011));
        break;
    case u'\r':
    case u'\n':
        BreakParagraph();
        break;
    default:
        break; // optional hyphens and the other symbols draw nothing
    }
}

void TRtfReader::ReadControlWord()
{
    const qsizetype Start = FPos;
    while (IsAsciiLetter(Peek()))
        ++FPos;
    const QStringView Word = FRtf.sliced(Start, FPos - Start);
    const std::optional<int> Parameter = ReadParameter();
    if (Peek() == u' ')
        ++FPos;
    ApplyWord(Word, Parameter);
}

std::optional<int> TRtfReader::ReadParameter()
{
    const bool Negative = Peek() == u'-' && IsAsciiDigit(Peek(1));
    if (Negative)
        ++FPos;
    if (!IsAsciiDigit(Peek()))
        return std::nullopt;
    constexpr qint64 Largest = std::numeric_limits<int>::max();
    qint64 Value = 0;
    while (IsAsciiDigit(Peek())) {
        Value = std::min(Value * 10 + (FRtf[FPos].unicode() - u'0'), Largest);
        ++FPos;
    }
    return int(Negative ? -Value : Value);
}

void TRtfReader::ReadHexByte()
{
    int Byte = 0;
    int Digits = 0;
    while (Digits < 2 && HexDigitValue(Peek()) >= 0) {
        Byte = Byte * 16 + HexDigitValue(Peek());
        ++FPos;
        ++Digits;
    }
    if (Digits == 2)
        AddChar(Cp1252ToUnicode(Byte));
}

void TRtfReader::ApplyWord(QStringView Word, std::optional<int> Parameter)
{
    TGroupState& Current = Group();
    if (Current.Destination == TDestination::Skipped)
        return;
    if (Word == u"fonttbl")
        Current.Destination = TDestination::FontTable;
    else if (Word == u"colortbl")
        Current.Destination = TDestination::ColorTable;
    else if (std::ranges::any_of(IgnoredDestinations, [&](QStringView Name) { return Word == Name; }))
        Current.Destination = TDestination::Skipped;
    else if (Current.Destination == TDestination::FontTable)
        ApplyFontTableWord(Word, Parameter);
    else if (Current.Destination == TDestination::ColorTable)
        ApplyColorTableWord(Word, Parameter);
    else
        ApplyTextWord(Word, Parameter);
}

void TRtfReader::ApplyFontTableWord(QStringView Word, std::optional<int> Parameter)
{
    if (Word == u"f") {
        FFontNumber = Parameter.value_or(0);
        FFontName.clear();
    }
}

void TRtfReader::ApplyColorTableWord(QStringView Word, std::optional<int> Parameter)
{
    const int Component = std::clamp(Parameter.value_or(0), 0, 255);
    if (Word == u"red")
        FRed = Component;
    else if (Word == u"green")
        FGreen = Component;
    else if (Word == u"blue")
        FBlue = Component;
    else
        return;
    FColorGiven = true;
}

void TRtfReader::ApplyTextWord(QStringView Word, std::optional<int> Parameter)
{
    TCharState& Char = Group().Char;
    const auto Symbol = std::ranges::find_if(SymbolWords, [&](const TSymbolWord& Entry) {
        return Word == QStringView(Entry.Word);
    });
    if (Symbol != std::end(SymbolWords)) {
        AddChar(QChar(Symbol->Char));
    } else if (Word == u"par") {
        BreakParagraph();
    } else if (Word == u"b") {
        Char.Bold = Parameter.value_or(1) != 0;
    } else if (Word == u"f") {
        Char.Font = Parameter.value_or(0);
    } else if (Word == u"fs") {
        const int HalfPoints = Parameter.value_or(24);
        if (HalfPoints > 0 && HalfPoints <= MaxHalfPoints)
            Char.HalfPoints = HalfPoints;
    } else if (Word == u"cf") {
        Char.Color = Parameter.value_or(0);
    } else if (Word == u"plain") {
        Char = TCharState();
    } else if (Word == u"deff") {
        FDefaultFont = Parameter.value_or(0);
    }
    // Every other word (\rtf1, \ansi, \pard, \viewkind ...) changes nothing this view shows.
}

void TRtfReader::AddChar(QChar C)
{
    switch (Group().Destination) {
    case TDestination::Text:
        AddText(C);
        break;
    case TDestination::FontTable:
        AddFontNameChar(C);
        break;
    case TDestination::ColorTable:
        AddColorTableChar(C);
        break;
    case TDestination::Skipped:
        break;
    }
}

void TRtfReader::AddFontNameChar(QChar C)
{
    if (C != u';') {
        FFontName += C;
        return;
    }
    const QString Name = FFontName.trimmed();
    if (!Name.isEmpty())
        FFonts.insert(FFontNumber, Name);
    FFontName.clear();
}

void TRtfReader::AddColorTableChar(QChar C)
{
    if (C != u';')
        return;
    // An entry without components stands for the view's own text colour.
    FColors.append(FColorGiven ? QColor(FRed, FGreen, FBlue) : QColor());
    FRed = FGreen = FBlue = 0;
    FColorGiven = false;
}

void TRtfReader::AddText(QChar C)
{
    const TCharState& Char = Group().Char;
    if (!FPending.isEmpty() && FPendingChar != Char)
        Flush();
    if (FPending.isEmpty())
        FPendingChar = Char;
    FPending += C;
}

void TRtfReader::BreakParagraph()
{
    if (Group().Destination != TDestination::Text)
        return;
    Flush();
    // The block's own format sets the height of an empty paragraph.
    FCursor.insertBlock(QTextBlockFormat(), Format(Group().Char));
}

void TRtfReader::Flush()
{
    if (FPending.isEmpty())
        return;
    FCursor.insertText(FPending, Format(FPendingChar));
    FPending.clear();
}

QTextCharFormat TRtfReader::Format(const TCharState& Char) const
{
    QTextCharFormat Result;
    const QString Family = FFonts.value(Char.Font >= 0 ? Char.Font : FDefaultFont);
    if (!Family.isEmpty())
        Result.setFontFamilies({Family});
    Result.setFontPointSize(Char.HalfPoints / 2.0);
    Result.setFontWeight(Char.Bold ? QFont::Bold : QFont::Normal);
    const QColor Color = FColors.value(Char.Color);
    if (Color.isValid())
        Result.setForeground(Color);
    return Result;
}

} // namespace

void ReadRtf(const QString& Rtf, QTextDocument* Document)
{
    if (!Document)
        return;
    Document->clear();
    TRtfReader(Rtf, Document).Read();
}
