// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

#include "TTwoJumper.h"

// A widget as it draws itself, 32 bits a pixel.
inline QImage Picture(QWidget* Widget)
{
    return Widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The states of jumpers as a string, '1' for closed.
inline QString States(const QList<TTwoJumper*>& Jumpers)
{
    QString Result;
    for (const TTwoJumper* Jumper : Jumpers)
        Result += Jumper->Closed() ? u'1' : u'0';
    return Result;
}
