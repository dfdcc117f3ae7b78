// The words of an emulator command: a chosen program written so that it stays one word, and the
// file name put in place of "%f".
#pragma once

#include <QString>

// The program's path as the first word of a command: as it is when it holds no blank of any kind
// and no double quote, else in double quotes with each double quote of it written as three.
// QProcess::splitCommand turns it back into exactly the path.
QString QuotedProgram(const QString& path);

// The word with the file name in place of every "%f"; a "'%f'" gives the file name too, without the
// single quotes. The file name is put in as it is, even when it holds "%f" itself.
QString WithFileName(const QString& word, const QString& fileName);
