// SPDX-License-Identifier: MIT
#include "Picture.h"

#include "JpegImage.h"

void TPicture::LoadFromJpeg(const QByteArray& Data)
{
    FGraphic = DecodeJpeg(Data);
    Changed();
}

void TPicture::Assign(const TPicture& Source)
{
    FGraphic = Source.FGraphic;
    FTransparent = Source.FTransparent;
    Changed();
}

void TPicture::Changed()
{
    if (OnChange)
        OnChange();
}
