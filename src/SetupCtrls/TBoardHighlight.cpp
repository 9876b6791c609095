// SPDX-License-Identifier: MIT
#include "TBoardHighlight.h"

#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <cmath>

#include "AsciiChars.h"
#include "ExactClass.h"
#include "Guard.h"
#include "HighlightMenu.h"
#include "Property.h"
#include "Rounding.h"
#include "Screen.h"
#include "TBoardImage.h"
#include "TPopupForm.h"
#include "TRadioPanel.h"

namespace {

bool IsIdentifierChar(QChar Char)
{
    return IsAsciiLetter(Char) || Char == QLatin1Char('_') || IsAsciiDigit(Char);
}

// The circle whose menu entry this is, watched, as circles may be deleted at run time.
constexpr char EntryCircle[] = "EntryCircle";
using TCircleRef = QPointer<QObject>;

} // namespace

TBoardHighlight::TBoardHighlight(QWidget* Parent) : QWidget(Parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(65, 65);
    SetHighlightType(htSettings);
}

TPopupForm* TBoardHighlight::Popup() const
{
    return FPopup;
}

void TBoardHighlight::SetHighlightType(THighlightType Value)
{
    if (!ChangeProperty(FHighlightType, Value))
        return;
    switch (Value) {
    case htOptions:
        FRingColor = clBlue;
        FIdleStrength = 0.25f;
        FLitStrength = 0.5f;
        FActiveStrength = 1.0f;
        break;
    case htSettings:
        FRingColor = clYellow;
        FIdleStrength = 0.5f;
        FLitStrength = 0.75f;
        FActiveStrength = 1.0f;
        break;
    case htCalibration:
        FRingColor = clRed;
        FIdleStrength = 0.5f;
        FLitStrength = 0.75f;
        FActiveStrength = 1.0f;
        break;
    }
    update();
}

void TBoardHighlight::SetTitle(const QString& Value)
{
    if (!ChangeProperty(FTitle, Value))
        return;
    FPopupCaption = QString(Value).remove(QLatin1Char('&'));
    FNameStem = MakeIdentifier(Value);
}

void TBoardHighlight::SetRadioPanel(TRadioPanel* Value)
{
    if (Value == FRadioPanel)
        return;
    if (Value && parentWidget()) {
        for (const QObject* Sibling : parentWidget()->children()) {
            const auto* Other = ExactCast<TBoardHighlight>(Sibling);
            if (!Other || Other == this || Other->FRadioPanel != Value)
                continue;
            if (Other->FTitle != FTitle || Other->FHighlightType != FHighlightType)
                return;
        }
    }
    FRadioPanel = Value;
}

void TBoardHighlight::DrawRing(QImage& Image, TColor Color, float Strength, bool Emphasised)
{
    const int Width = Image.width(), Height = Image.height();
    // A circle one pixel across has no inside to blend.
    if (Width < 2 || Height < 2)
        return;
    const float ColorBytes[3] = {float((Color >> 16) & 0xFF), float((Color >> 8) & 0xFF),
                                 float(Color & 0xFF)}; // blue, green, red
    const float ScaleX = 2.0f / float(Width - 1);
    const float ScaleY = 2.0f / float(Height - 1);
    for (int Y = 0; Y < Height; ++Y) {
        auto* Row = reinterpret_cast<QRgb*>(Image.scanLine(Y));
        const float V = float(Y) * ScaleY - 1.0f;
        for (int X = 0; X < Width; ++X) {
            const float U = float(X) * ScaleX - 1.0f;
            const float D = U * U + V * V;
            if (D >= 1.0f)
                continue;
            QRgb Pixel = Row[X];
            float K = 0.16f;
            if (D >= 0.5929f) {
                const float R = std::sqrt(D);
                K = 1.0f - 8.0f * std::fabs(R - 0.875f);
                if (Emphasised) {
                    K *= 2.0f;
                    if (K > 1.0f) {
                        Pixel = qRgb(255, 255, 255);
                        K = 2.0f - K;
                    }
                }
            }
            K *= Strength;
            const float M = 1.0f - K;
            const float PixelBytes[3] = {float(qBlue(Pixel)), float(qGreen(Pixel)),
                                         float(qRed(Pixel))};
            int Blended[3];
            for (int Byte = 0; Byte < 3; ++Byte)
                Blended[Byte] = int(RoundHalfEven(PixelBytes[Byte] * M + ColorBytes[Byte] * K));
            Row[X] = qRgb(Blended[2], Blended[1], Blended[0]);
        }
    }
}

QString TBoardHighlight::MakeIdentifier(const QString& Text)
{
    const auto IsIdentifier = [](const QString& Candidate) {
        if (Candidate.isEmpty()
            || !(IsAsciiLetter(Candidate[0]) || Candidate[0] == QLatin1Char('_')))
            return false;
        return std::all_of(Candidate.begin(), Candidate.end(), IsIdentifierChar);
    };
    if (Text.isEmpty() || IsIdentifier(Text))
        return Text;
    QString Result = Text;
    while (!Result.isEmpty() && !IsAsciiLetter(Result[0]) && Result[0] != QLatin1Char('_'))
        Result.remove(0, 1);
    for (qsizetype Index = Result.size() - 1; Index >= 1; --Index)
        if (!IsIdentifierChar(Result[Index]))
            Result.remove(Index, 1);
    return Result;
}

bool TBoardHighlight::OnBoardImage() const
{
    return ExactCast<TBoardImage>(parentWidget()) != nullptr;
}

QList<TBoardHighlight*> TBoardHighlight::LinkedCircles() const
{
    QList<TBoardHighlight*> Linked;
    if (!OnBoardImage())
        return Linked;
    for (QObject* Sibling : parentWidget()->children()) {
        auto* Other = ExactCast<TBoardHighlight>(Sibling);
        if (Other && Other->FTitle == FTitle
            && Other->FHighlightType == FHighlightType)
            Linked.append(Other);
    }
    return Linked;
}

QImage TBoardHighlight::Background() const
{
    if (const auto* Board = qobject_cast<const TBoardImage*>(parentWidget()))
        return Board->RenderRegion(geometry());
    QImage Plain(size(), QImage::Format_RGB32);
    Plain.fill(parentWidget() ? parentWidget()->palette().color(parentWidget()->backgroundRole())
                              : palette().color(backgroundRole()));
    return Plain;
}

void TBoardHighlight::PrepareImages()
{
    const QImage Under = Background();
    FIdleImage = Under;
    DrawRing(FIdleImage, FRingColor, FIdleStrength, false);
    FActiveImage = Under;
    DrawRing(FActiveImage, FRingColor, FActiveStrength, true);
    FLitImage = Under;
    DrawRing(FLitImage, FRingColor, FLitStrength, false);
}

void TBoardHighlight::paintEvent(QPaintEvent*)
{
    Guarded([this] {
        if (!FPrepared) {
            PrepareImages();
            if (OnBoardImage()) {
                FBoardMenu = static_cast<TBoardImage*>(parentWidget())->Menu();
                BuildMenuEntry();
            } else {
                FBoardMenu = nullptr;
            }
            FPrepared = true;
        }
        const QImage& Look = FOpen && FPopupActive ? FActiveImage
            : FOpen || FPopupActive               ? FLitImage
                                                  : FIdleImage;
        QPainter(this).drawImage(0, 0, Look);
    });
}

void TBoardHighlight::enterEvent(QEnterEvent*)
{
    Guarded([this] { MouseEnter(false); });
}

void TBoardHighlight::leaveEvent(QEvent*)
{
    Guarded([this] { MouseLeave(false); });
}

void TBoardHighlight::mousePressEvent(QMouseEvent* Event)
{
    FPressed = Event->button() == Qt::LeftButton;
}

void TBoardHighlight::mouseReleaseEvent(QMouseEvent* Event)
{
    const bool WasPressed = FPressed;
    FPressed = false;
    if (WasPressed && Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint()))
        Guarded([this] { Click(); });
}

void TBoardHighlight::MouseEnter(bool Relayed)
{
    if (FOpen)
        return;
    FOpen = true;
    update();
    if (FCreatePopup)
        OpenPopup();
    if (Relayed)
        return;
    for (TBoardHighlight* Linked : LinkedCircles())
        Linked->MouseEnter(true);
}

void TBoardHighlight::MouseLeave(bool Relayed)
{
    if (!FOpen)
        return;
    if (FPopup && !FPinned) {
        if (FPopup->OuterRect().contains(QCursor::pos())) {
            FPopup->CloseOnLeave = true;
            PinPopup();
        } else {
            FPopup->close();
        }
    }
    if (Relayed)
        return;
    for (TBoardHighlight* Linked : LinkedCircles())
        Linked->MouseLeave(true);
}

void TBoardHighlight::Click()
{
    if (OnClick)
        OnClick(this);
    PinPopup();
}

void TBoardHighlight::PinPopup()
{
    if (FPopup) {
        FPinned = true;
        CheckMenuEntry(true);
    }
    if (!OnBoardImage())
        return;
    for (TBoardHighlight* Linked : LinkedCircles()) {
        if (!Linked->FPopup)
            continue;
        Linked->FPinned = true;
        Linked->CheckMenuEntry(true);
        // Activation gives the focus back to the control of the popup that had it last.
        Linked->FPopup->raise();
        Linked->FPopup->activateWindow();
    }
}

void TBoardHighlight::SetActiveLook(bool Active, bool Relay)
{
    FPopupActive = Active;
    raise();
    update();
    if (!Relay)
        return;
    // Collected first: raising a circle reorders its parent's children.
    for (TBoardHighlight* Linked : LinkedCircles())
        if (Linked != this)
            Linked->SetActiveLook(Active, false);
}

void TBoardHighlight::ClearOpen()
{
    FOpen = false;
    update();
}

void TBoardHighlight::OpenPopup()
{
    if (FPopup) {
        if (FPopup->isHidden())
            FPinned = false;
        FPopup->show();
        FPopup->raise();
        return;
    }
    // A linked circle that owns the shared popup opens it; so does any form like it.
    for (const QWidget* Form : TScreen::Forms())
        if (Form->windowTitle() == FPopupCaption && Form->property("Tag").toInt() == int(FHighlightType))
            return;
    BuildPopup();
}

void TBoardHighlight::BuildPopup()
{
    FPopup = new TPopupForm(this);
    FPinned = false;

    const int MemoHeight = FRadioPanel ? FRadioPanel->MemoHeight() : 58;
    QPoint StoredPosition(0, 0);
    if (FRadioPanel) {
        StoredPosition = FRadioPanel->pos();
        HandOverPanel(MemoHeight);
    }
    // With a panel the client area follows the panel, otherwise the outer size is fixed;
    // either way the outer size is at least 194 x 122 and the user may not shrink it.
    const QSize Client = FPopup->size();
    const auto SizeByRules = [this, Client] {
        const QSize Outer = FRadioPanel ? Client + FPopup->FrameExtra() : QSize(194, 141);
        FPopup->setMinimumSize(0, 0);
        FPopup->SetOuterSize(Outer.expandedTo(QSize(194, 122)));
        FPopup->setMinimumSize(FPopup->size());
    };
    SizeByRules();

    FPopup->setWindowTitle(FPopupCaption);
    FPopup->SetTag(int(FHighlightType));
    PlacePopup(StoredPosition);
    FPopup->BuildControls(MemoHeight, FRadioPanel ? FRadioPanel->Lines() : QStringList());
    FPopup->MoveOntoScreen();
    FPopup->show();
    FPopup->ApplyFrameRule([this, SizeByRules] {
        SizeByRules();
        FPopup->MoveOntoScreen();
    });
    FPopup->raise();
    FPopup->activateWindow();
    if (FRadioPanel)
        FRadioPanel->setFocus(Qt::OtherFocusReason);
    else
        FPopup->DoneButton->setFocus(Qt::OtherFocusReason);
}

void TBoardHighlight::HandOverPanel(int MemoHeight)
{
    FPopup->OnActivate = FRadioPanel->OnActivate;
    FPopup->OnDeactivate = FRadioPanel->OnDeactivate;
    FRadioPanel->move(0, 0);
    FPopup->resize(FRadioPanel->width(), FRadioPanel->height() + MemoHeight + 51);
    FRadioPanel->setParent(FPopup);
    FRadioPanel->show();
    SetAnchors(FRadioPanel, FRadioPanel->FinalAnchors());
    FRadioPanel->SetInPopup();
}

void TBoardHighlight::PlacePopup(QPoint StoredPosition)
{
    // The panel's designed place on the main window, moved as far as the picture has moved.
    const QWidget* Parent = parentWidget();
    if (const auto* Board = ExactCast<TBoardImage>(Parent); FRadioPanel && Board) {
        FPopup->move(Board->x() - (Board->DesignLeft() - StoredPosition.x()),
                     Board->y() - (Board->DesignTop() - StoredPosition.y()));
    } else if (FRadioPanel) {
        FPopup->move(Parent ? Parent->pos() : QPoint());
    } else if (Parent) {
        FPopup->move(Parent->x(), Parent->y() + Parent->height() + 38);
    }
}

void TBoardHighlight::PopupClose(QObject*)
{
    CheckMenuEntry(false);
    if (FPopup)
        FPopup->CloseOnLeave = false;
    ClearOpen();
    for (TBoardHighlight* Linked : LinkedCircles())
        Linked->ClearOpen();
}

void TBoardHighlight::BuildMenuEntry()
{
    const QString Caption = HighlightMenu::GroupCaption(FHighlightType);
    if (!FBoardMenu || Caption.isEmpty())
        return;
    QMenu* Group = HighlightMenu::FindGroup(FBoardMenu, Caption);
    if (!Group)
        Group = HighlightMenu::AddGroup(FBoardMenu, FHighlightType);
    else if (HighlightMenu::FindEntry(Group, FTitle))
        return; // made by a circle of the same title and type
    if (FTitle.isEmpty())
        return;
    QObject* Owner = FBoardMenu->window();
    auto* Entry = new QAction(FTitle, Owner);
    Entry->setObjectName(HighlightMenu::FreeName(Owner, FNameStem));
    Entry->setCheckable(true);
    Entry->setProperty(EntryCircle, QVariant::fromValue(TCircleRef(this)));
    connect(Entry, &QAction::triggered, this, GuardedSlot([this, Entry](bool Checked) {
        // The entry shows the pinned state; choosing it must not toggle that by itself.
        Entry->setChecked(!Checked);
        MenuEntryClick(Entry);
    }));
    Group->addAction(Entry);
}

QAction* TBoardHighlight::MenuEntry(QMenu** Group) const
{
    return FBoardMenu ? HighlightMenu::FindEntry(FBoardMenu, FHighlightType, FTitle, Group) : nullptr;
}

void TBoardHighlight::CheckMenuEntry(bool Checked)
{
    if (QAction* Entry = MenuEntry())
        Entry->setChecked(Checked);
}

void TBoardHighlight::MenuEntryClick(QObject* Sender)
{
    const QAction* Item = ExactCast<QAction>(Sender);
    if (Item && Item->isChecked()) {
        if (FPopup) {
            FPopup->close();
        } else {
            for (TBoardHighlight* Linked : LinkedCircles())
                if (Linked->FPopup)
                    Linked->MenuEntryClick(Sender);
        }
        return;
    }
    MouseEnter(false);
    PinPopup();
    MouseLeave(false);
}

void TBoardHighlight::Navigate(int Step)
{
    QMenu* Group = nullptr;
    QAction* Entry = MenuEntry(&Group);
    if (!Entry)
        return;
    const QList<QAction*> Entries = Group->actions();
    const qsizetype Count = Entries.size();
    const qsizetype Target = (Entries.indexOf(Entry) + Step + Count) % Count;
    if (FPopup)
        FPopup->close();
    const TCircleRef Circle = Entries[Target]->property(EntryCircle).value<TCircleRef>();
    if (auto* Next = qobject_cast<TBoardHighlight*>(Circle.data()))
        Next->MenuEntryClick(this);
}

void TBoardHighlight::PreviousClick(QObject*)
{
    Navigate(-1);
}

void TBoardHighlight::NextClick(QObject*)
{
    Navigate(1);
}

void TBoardHighlight::DoneClick(QObject*)
{
    if (FPopup)
        FPopup->close();
}
