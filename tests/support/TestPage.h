// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QMainWindow>

class QMenuBar;
class TBoardHighlight;
class TBoardImage;
class TRadioPanel;

// A small card page for tests: a board image with circles of every kind (plain, linked,
// of other types, without a panel) under a File and Help menu.
class TTestPage : public QMainWindow {
public:
    explicit TTestPage(bool WithMenu = true);

    // The board picture: smooth and without repeats, so that any part of it is found again.
    static QImage Picture();

    QWidget* Client = nullptr;
    QMenuBar* Menu = nullptr;
    TBoardImage* Board = nullptr;
    TRadioPanel* AlphaPanel = nullptr;  // 203 x 153
    TRadioPanel* BetaPanel = nullptr;   // 169 x 73
    TRadioPanel* LinkedPanel = nullptr; // shared by Linked0 and Linked1
    TBoardHighlight* Alpha = nullptr;   // settings
    TBoardHighlight* Beta = nullptr;    // settings
    TBoardHighlight* Linked0 = nullptr; // settings, linked with Linked1
    TBoardHighlight* Linked1 = nullptr;
    TBoardHighlight* Info = nullptr;     // options, no panel
    TBoardHighlight* AlphaOption = nullptr; // options, same title as Alpha
    TBoardHighlight* Calib = nullptr;    // calibration, the only one of its type
    TBoardHighlight* Untitled = nullptr; // options, empty title

private:
    TRadioPanel* MakePanel(const QString& Name, QRect Bounds, const QStringList& Lines);
    TBoardHighlight* MakeCircle(const QString& Name, QRect Bounds, const QString& Title, int Type,
                                TRadioPanel* Panel);
};
