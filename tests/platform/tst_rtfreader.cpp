// SPDX-License-Identifier: MIT
#include "RtfReader.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <optional>

#include "HelpText.h"

using namespace Qt::StringLiterals;

namespace {

QStringList Blocks(const QTextDocument& Document)
{
    QStringList Result;
    for (QTextBlock Block = Document.begin(); Block.isValid(); Block = Block.next())
        Result << Block.text();
    return Result;
}

QString Text(const QString& Rtf)
{
    QTextDocument Document;
    ReadRtf(Rtf, &Document);
    return Blocks(Document).join(u'\n');
}

// The format of the fragment that is exactly Text, else of the first that holds all of it,
// so the text is formatted uniformly.
std::optional<QTextCharFormat> FormatOf(const QTextDocument& Document, const QString& Text)
{
    std::optional<QTextCharFormat> Holder;
    for (QTextBlock Block = Document.begin(); Block.isValid(); Block = Block.next()) {
        for (auto Fragment = Block.begin(); !Fragment.atEnd(); ++Fragment) {
            const QString FragmentText = Fragment.fragment().text();
            if (FragmentText == Text)
                return Fragment.fragment().charFormat();
            if (!Holder && FragmentText.contains(Text))
                Holder = Fragment.fragment().charFormat();
        }
    }
    return Holder;
}

QColor ForegroundOf(const QTextCharFormat& Format)
{
    return Format.hasProperty(QTextFormat::ForegroundBrush) ? Format.foreground().color() : QColor();
}

QString FamilyOf(const QTextCharFormat& Format)
{
    return Format.fontFamilies().toStringList().value(0);
}

void AddFormatColumns()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("family");
}

void CompareFormat(const QTextDocument& Document)
{
    QFETCH(QString, text);
    QFETCH(bool, bold);
    QFETCH(qreal, points);
    QFETCH(QColor, color);
    QFETCH(QString, family);

    const std::optional<QTextCharFormat> Format = FormatOf(Document, text);
    QVERIFY2(Format, qPrintable("no fragment holds \"" + text + "\""));
    QCOMPARE(Format->fontWeight() == QFont::Bold, bold);
    QCOMPARE(Format->fontPointSize(), points);
    QCOMPARE(ForegroundOf(*Format), color);
    QCOMPARE(FamilyOf(*Format), family);
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

private slots:
    void helpDocumentParagraphs();
    void helpDocumentFormats_data();
    void helpDocumentFormats();
    void text_data();
    void text();
    void formats_data();
    void formats();
    void malformed_data();
    void malformed();
    void replacesContent();
};

void TestRtfReader::helpDocumentParagraphs()
{
    QTextDocument Document;
    ReadRtf(HelpText::CardPageDocument(), &Document);
    const QStringList Expected = {
        "Vellor KX-2400 Series Settings Program",
        "",
        "This program will help you configure the option jumpers and settings associated with this product. "
        "You should have the product in-hand when first using this program.",
        "",
        "Yellow circles provide information on configuring jumpers and switches.",
        "",
        "Blue circles are informational only. They provide information on standard and optional features "
        "of the product family.",
        "",
        "Red circles handle calibration and types of configuration that require actually controlling the "
        "hardware device. Run this settings program again once the card is installed. Repeat the setup "
        "circles (using the same settings) to configure this program, then perform the calibration circles.",
        "",
        "Mouse over the highlight circles to see configuration or information popups for setup, features, "
        "and calibration. Click a highlight circle to make its popup remain on-screen. You can have all or "
        "as many of these popups onscreen at the same time as you desire.",
        "",
        "",
    };
    QCOMPARE(Blocks(Document), Expected);
}

void TestRtfReader::helpDocumentFormats_data()
{
    AddFormatColumns();
    const QColor Grey(64, 64, 64);
    const QColor Yellow(255, 255, 64);
    const QColor Blue(64, 64, 255);
    const QColor Red(255, 64, 64);
    const qreal Body = 12;
    QTest::newRow("heading") << "Vellor KX-2400 Series Settings Program" << true << qreal(16) << Grey << "Verdana";
    QTest::newRow("body") << "This program will help you" << false << Body << Grey << "Verdana";
    QTest::newRow("yellow") << "Yellow circles" << true << Body << Yellow << "Verdana";
    QTest::newRow("after a group") << " provide information on configuring" << false << Body << Grey << "Verdana";
    QTest::newRow("blue") << "Blue circles" << true << Body << Blue << "Verdana";
    QTest::newRow("red") << "Red circles" << true << Body << Red << "Verdana";
    QTest::newRow("setup circles") << "setup circles" << false << Body << Yellow << "Verdana";
    QTest::newRow("calibration circles") << "calibration circles" << false << Body << Red << "Verdana";
    QTest::newRow("features") << "features" << false << Body << Blue << "Verdana";
    QTest::newRow("last sentence") << "You can have all or as many" << false << Body << Grey << "Verdana";
}

void TestRtfReader::helpDocumentFormats()
{
    QTextDocument Document;
    ReadRtf(HelpText::CardPageDocument(), &Document);
    CompareFormat(Document);
}

void TestRtfReader::text_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("expected");
    QTest::newRow("escapes") << R"(a\\b\{c\})" << R"(a\b{c})";
    QTest::newRow("code page 1252 bytes") << R"(\'e9\'80\'93x\'94\'E9)" << u"é€“x”é"_s;
    QTest::newRow("delimiting space consumed") << R"(\b bold)" << "bold";
    QTest::newRow("only one space consumed") << R"(\b  two)" << " two";
    QTest::newRow("parameter ends the word") << R"(\fs24x)" << "x";
    QTest::newRow("raw line breaks ignored") << "a\r\nb\nc\rd" << "abcd";
    QTest::newRow("paragraph") << R"(a\par b\par\par c)" << "a\nb\n\nc";
    QTest::newRow("backslash before a line break") << "a\\\r\nb" << "a\nb";
    QTest::newRow("line break") << R"(a\line b)" << u"a\u2028b"_s;
    QTest::newRow("em dash") << R"(group \emdash  the)" << u"group \u2014 the"_s;
    QTest::newRow("symbol words") << R"(\tab\endash\bullet\lquote\rquote\ldblquote\rdblquote)"
                                  << u"\t\u2013\u2022\u2018\u2019\u201C\u201D"_s;
    QTest::newRow("control symbols") << R"(a\~b\-c\_d\|e)" << u"a\u00A0bc\u2011de"_s;
    QTest::newRow("unknown words") << R"(\foo12 a\bar-3 b\baz c)" << "abc";
    QTest::newRow("unknown destination") << R"({\*\generator Writer 1.0;}a)" << "a";
    QTest::newRow("inside an unknown destination") << R"({\*\x {\b in}\par{\fonttbl{\f0 X;}}}a)" << "a";
    QTest::newRow("ignored destinations") << R"({\info{\title T}}{\stylesheet{\s0 Normal;}}{\pict 0102}a)" << "a";
    QTest::newRow("tables") << R"({\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}a)" << "a";
    QTest::newRow("header words") << R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033\viewkind4\uc1\pard x})" << "x";
    QTest::newRow("text beyond ASCII") << u"{\\rtf1 ä€}"_s << u"ä€"_s;
}

void TestRtfReader::text()
{
    QFETCH(QString, rtf);
    QFETCH(QString, expected);
    QCOMPARE(Text(rtf), expected);
}

void TestRtfReader::formats_data()
{
    QTest::addColumn<QString>("rtf");
    AddFormatColumns();
    const QColor None;
    const qreal Normal = 12;
    QTest::newRow("bold group") << R"({\b a}b)" << "a" << true << Normal << None << "";
    QTest::newRow("group end restores") << R"({\b\fs40 a}b)" << "b" << false << Normal << None << "";
    QTest::newRow("b0") << R"(\b a\b0 b)" << "b" << false << Normal << None << "";
    QTest::newRow("half points") << R"(\fs33 a)" << "a" << false << qreal(16.5) << None << "";
    QTest::newRow("fs0 ignored") << R"(\fs30\fs0 a)" << "a" << false << qreal(15) << None << "";
    QTest::newRow("huge fs ignored") << R"(\fs99999999999999999999 a)" << "a" << false << Normal << None << "";
    QTest::newRow("colour") << R"({\colortbl\red1\green2\blue3;\red4\green5\blue6;}\cf1 a)"
                            << "a" << false << Normal << QColor(4, 5, 6) << "";
    QTest::newRow("first colour without empty entry") << R"({\colortbl\red1\green2\blue3;}\cf0 a)"
                                                      << "a" << false << Normal << QColor(1, 2, 3) << "";
    QTest::newRow("empty entry is the default") << R"({\colortbl;\red4\green5\blue6;}\cf0 a)"
                                                << "a" << false << Normal << None << "";
    QTest::newRow("colour beyond the table") << R"({\colortbl\red1\green2\blue3;}\cf7 a)"
                                             << "a" << false << Normal << None << "";
    QTest::newRow("huge colour") << R"({\colortbl\red1\green2\blue3;}\cf99999999999 a)"
                                 << "a" << false << Normal << None << "";
    QTest::newRow("components clamped") << R"({\colortbl\red300\green-5\blue7;}\cf0 a)"
                                        << "a" << false << Normal << QColor(255, 0, 7) << "";
    QTest::newRow("font") << R"({\fonttbl{\f0 Arial;}{\f1 Verdana;}}\f1 a)"
                          << "a" << false << Normal << None << "Verdana";
    QTest::newRow("default font") << R"({\rtf1\deff1{\fonttbl{\f0 Arial;}{\f1 Verdana;}} a})"
                                  << "a" << false << Normal << None << "Verdana";
    QTest::newRow("font table without groups") << R"({\fonttbl\f0\froman Times;\f1\fswiss Arial;}\f1 a)"
                                               << "a" << false << Normal << None << "Arial";
    QTest::newRow("unknown font") << R"({\fonttbl{\f0 Arial;}}\f5 a)" << "a" << false << Normal << None << "";
    QTest::newRow("plain") << R"({\fonttbl{\f0 Arial;}{\f1 Verdana;}}{\colortbl\red1\green2\blue3;})"
                              R"(\f1\b\fs40\cf0 a\plain b)"
                           << "b" << false << Normal << None << "Arial";
}

void TestRtfReader::formats()
{
    QFETCH(QString, rtf);
    QTextDocument Document;
    ReadRtf(rtf, &Document);
    CompareFormat(Document);
}

void TestRtfReader::malformed_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("surplus closing braces") << "}}a}b" << "ab";
    QTest::newRow("unclosed groups") << R"({{{\b a)" << "a";
    QTest::newRow("unclosed unknown destination") << R"(a{\*\x b)" << "a";
    QTest::newRow("backslash at the end") << "a\\" << "a";
    QTest::newRow("truncated hex byte") << R"(a\'4)" << "a";
    QTest::newRow("hex byte without digits") << R"(\'zz)" << "zz";
    QTest::newRow("truncated word") << R"(a\pa)" << "a";
    QTest::newRow("huge negative parameter") << R"(\par-99999999999999999999x)" << "\nx";
    QTest::newRow("minus without digits") << R"(\b-x)" << "-x";
    QTest::newRow("long word") << "\\" + QString(100000, u'a') + " b" << "b";
    QTest::newRow("deep nesting") << QString(100000, u'{') + "a" + QString(100000, u'}') << "a";
}

void TestRtfReader::malformed()
{
    QFETCH(QString, rtf);
    QFETCH(QString, expected);
    QCOMPARE(Text(rtf), expected);
}

void TestRtfReader::replacesContent()
{
    QTextDocument Document;
    Document.setPlainText("old\nlines");
    ReadRtf(R"({\rtf1 new})", &Document);
    QCOMPARE(Blocks(Document), QStringList{"new"});
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
