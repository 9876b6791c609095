// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The help window's document, written out piece by piece as the tests expect it.
namespace HelpText {

inline const QString CrLf = QStringLiteral("\r\n");

// The document's start, up to the heading: maker, card name and " Series" where it applies.
QString Heading(const QString& MakerAndCard);
// The pieces every card page's document holds after the heading.
QString Body();
// The note that card pages with several ports add.
QString MultiPortNote();
// The sentence that leads to the installed-cards listing, for Card.
QString ListingNote(const QString& Card);
// The whole document of the program's own card page.
QString CardPageDocument();

} // namespace HelpText
