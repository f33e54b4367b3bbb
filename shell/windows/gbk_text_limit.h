// Text limits of the edit boxes count GBK bytes, as the texts are stored
// in GBK: a Chinese character takes two of them, a Latin letter one.
#pragma once

#include <QString>

// Bytes the text takes in GBK (a character GBK lacks counts as one).
int gbkLength(const QString& text);

// What an edit keeps when the user turns `before` into `after` and it holds
// at most `limit` bytes: the inserted characters are cut from their end
// until the text fits. A change that does not lengthen the text is kept, so
// an over-long text put in by the program can still be shortened. *cursor
// receives the caret position after the kept change.
QString limitGbkEdit(const QString& before, const QString& after, int limit, int* cursor);
