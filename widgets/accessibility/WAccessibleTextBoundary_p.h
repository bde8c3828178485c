#pragma once

#include <QAccessible>
#include <QString>

// The characters, words, sentences and lines of a text as a screen reader asks for them
// (textAtOffset, textBeforeOffset, textAfterOffset). Qt's own answers loop for ever at the end of
// a text; these answer every boundary type at every offset in time bounded by the text's length.
// An offset outside the text counts as its nearest end. Where there is nothing to give, the
// answer is empty and both offsets are -1.
namespace WAccessibleTextBoundary {

QString At(const QString& text, int offset, QAccessible::TextBoundaryType type, int* startOffset,
           int* endOffset);
QString Before(const QString& text, int offset, QAccessible::TextBoundaryType type,
               int* startOffset, int* endOffset);
QString After(const QString& text, int offset, QAccessible::TextBoundaryType type, int* startOffset,
              int* endOffset);

} // namespace WAccessibleTextBoundary
