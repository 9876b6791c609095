// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QTextDocument;

// Replaces the content of Document with the rich text Rtf: groups, the font and colour
// tables, bold, font size, colour, paragraph and line breaks, and the escapes. Anything
// else is skipped; malformed text yields whatever could be read, never a failure.
void ReadRtf(const QString& Rtf, QTextDocument* Document);
