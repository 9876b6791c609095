// SPDX-License-Identifier: MIT
// The base address edit of the real main window, offscreen, driven as a person would:
// typing, pasting, selecting and clicking the drawn jumpers. Each input is a list of
// steps; after every step the edit and the jumpers must agree whenever the edit holds a
// readable address.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "Application.h"
#include "TTwoJumper.h"
#include "template.h"

namespace {

TMainForm* Form = nullptr;
QList<TTwoJumper*> Jumpers; // by address bit, from bit 3

// One to eight ASCII hexadecimal digits, which the program always reads; longer texts are
// left out here.
std::optional<quint32> Address(const QString& Text)
{
    if (Text.isEmpty() || Text.size() > 8)
        return std::nullopt;
    quint32 Value = 0;
    for (const QChar Character : Text) {
        const char16_t Code = Character.unicode();
        const int Digit = Code >= u'0' && Code <= u'9' ? Code - u'0'
            : Code >= u'A' && Code <= u'F'            ? Code - u'A' + 10
            : Code >= u'a' && Code <= u'f'            ? Code - u'a' + 10
                                                      : -1;
        if (Digit < 0)
            return std::nullopt;
        Value = Value << 4 | quint32(Digit);
    }
    return Value;
}

void Check()
{
    const QString Text = Form->BaseEdit->text();
    if (Text.size() > 1024)
        __builtin_trap();
    const std::optional<quint32> Value = Address(Text);
    if (!Value)
        return; // unreadable text stands, and the jumpers keep the last address
    // A readable text has been replaced by its masked address, which the jumpers show.
    if (*Value & ~0x3F8u || Text != QString::number(*Value, 16).toUpper())
        __builtin_trap();
    for (qsizetype Bit = 0; Bit < Jumpers.size(); ++Bit)
        if (Jumpers[Bit]->Closed() == bool(*Value & 1u << (Bit + 3)))
            __builtin_trap();
}

// One step: an operation byte and, for some, the bytes that follow it.
size_t Step(const uint8_t* Data, size_t Size)
{
    QLineEdit* Edit = Form->BaseEdit;
    const uint8_t Operation = Data[0] % 8;
    const uint8_t Argument = Size > 1 ? Data[1] : 0;
    switch (Operation) {
    case 0: // a typed character, from the keys a keyboard has
        QTest::keyClick(Edit, char(Argument % 95 + 32));
        return 2;
    case 1: // edit keys
        QTest::keyClick(Edit, std::array{Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,
                                         Qt::Key_End, Qt::Key_Left, Qt::Key_Right}[Argument % 6]);
        return 2;
    case 2: { // paste the next bytes, up to their length byte, as UTF-8
        const size_t Length = std::min<size_t>(Argument, Size > 2 ? Size - 2 : 0);
        QApplication::clipboard()->setText(
            QString::fromUtf8(reinterpret_cast<const char*>(Data + 2), qsizetype(Length)));
        QTest::keyClick(Edit, Qt::Key_V, Qt::ControlModifier);
        return 2 + Length;
    }
    case 3: // paste a long run of one character
        QApplication::clipboard()->setText(QString(4096 + Argument * 16, QChar(Argument)));
        QTest::keyClick(Edit, Qt::Key_V, Qt::ControlModifier);
        return 2;
    case 4: // click a drawn jumper
        QTest::mouseClick(Jumpers[Argument % Jumpers.size()], Qt::LeftButton);
        return 2;
    case 5: // select some of the text
        Edit->setSelection(Argument % 8, Argument / 8 % 8);
        return 2;
    case 6: // undo and redo
        QTest::keyClick(Edit, Qt::Key_Z, Argument % 2 ? Qt::ControlModifier | Qt::ShiftModifier
                                                      : Qt::ControlModifier);
        return 2;
    default: // select all
        Edit->selectAll();
        return 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new TApplication(*Argc, *Argv);
    Form = new TMainForm;
    Form->show();
    // The edit and the jumpers as the user meets them: in the pinned popup of the circle.
    Form->BaseHighlight->MenuEntryClick(nullptr);
    QCoreApplication::processEvents();
    for (TTwoJumper* Jumper : Form->BasePanel->findChildren<TTwoJumper*>())
        Jumpers << Jumper;
    std::sort(Jumpers.begin(), Jumpers.end(),
              [](const TTwoJumper* A, const TTwoJumper* B) { return A->Tag() < B->Tag(); });
    if (Jumpers.size() != 7)
        __builtin_trap();
    Form->BaseEdit->setFocus();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    Form->BaseEdit->setText(QStringLiteral("300"));
    Check();
    while (Size > 0) {
        const size_t Used = std::min(Step(Data, Size), Size);
        Data += Used;
        Size -= Used;
        QCoreApplication::processEvents();
        Check();
    }
    return 0;
}
