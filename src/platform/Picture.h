// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

#include <functional>

// A picture with its graphic; every change of content is reported to OnChange.
class TPicture {
public:
    // Loads JPEG data; bad data leaves the picture empty.
    void LoadFromJpeg(const QByteArray& Data);
    void Assign(const TPicture& Source);

    const QImage& Graphic() const { return FGraphic; }
    bool HasGraphic() const { return !FGraphic.isNull(); }
    int Width() const { return FGraphic.width(); }
    int Height() const { return FGraphic.height(); }

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value) { FTransparent = Value; }

    std::function<void()> OnChange;

private:
    void Changed();

    QImage FGraphic;
    bool FTransparent = false;
};
