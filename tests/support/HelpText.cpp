// SPDX-License-Identifier: MIT
#include "HelpText.h"

namespace HelpText {

QString Heading(const QString& MakerAndCard)
{
    return QString(R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;}})"
                   R"({\colortbl\red64\green64\blue64;\red255\green255\blue64;\red64\green64\blue255;\red255\green64\blue64;})"
                   R"(\viewkind4\uc1\pard\f0\fs32\cf0)")
        + CrLf + R"({\b )" + MakerAndCard + R"( Settings Program}\par\par\fs24)" + CrLf;
}

QString Body()
{
    return QString(R"(This program will help you configure the option jumpers and settings associated with this product. )"
                   R"(You should have the product in-hand when first using this program.\par\par)")
        + CrLf + R"({\cf1\fs24\b Yellow circles} provide information on configuring jumpers and switches.\par\par)" + CrLf
        + R"({\cf2\fs24\b Blue circles} are informational only. They provide information on standard and )"
          R"(optional features of the product family.\par\par)" + CrLf
        + R"({\cf3\fs24\b Red circles} handle calibration and types of configuration that require actually )"
          R"(controlling the hardware device. Run this settings program again once the card is installed. )"
          R"(Repeat the {\cf1 setup circles} (using the same settings) to configure this program, then perform )"
          R"(the {\cf3 calibration circles}.\par\par)" + CrLf
        + R"(Mouse over the highlight circles to see configuration or information popups for {\cf1 setup}, )"
          R"({\cf2 features}, and {\cf3 calibration}. Click a highlight circle to make its popup remain on-screen. )"
          R"(You can have all or as many of these popups onscreen at the same time as you desire.\par\par)" + CrLf;
}

QString MultiPortNote()
{
    return QString(R"({\fs32\b Note:} Make sure to set the jumpers for each option group \emdash  the configuration )"
                   R"(options for each port are handled identically; this program only shows the setup once, but you )"
                   R"(need to perform this setup for each group of options on your device.\par\par)")
        + CrLf;
}

QString ListingNote(const QString& Card)
{
    return QString(R"(To see a list of %1 cards installed, click "Display %1 Cards Installed" )"
                   R"(under the File menu.\par\par)")
               .arg(Card)
        + CrLf;
}

QString CardPageDocument()
{
    return Heading(QStringLiteral("Vellor KX-2400 Series")) + Body() + QStringLiteral("}");
}

} // namespace HelpText
