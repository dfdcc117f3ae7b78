// The one family of errors that ends a user action and reaches the standard error box.
#pragma once

#include <QString>
#include <stdexcept>

// Base of every error the program reports to the user; message() is the text shown.
class TavrelError : public std::runtime_error {
public:
    explicit TavrelError(const QString& message);
    const QString& message() const { return mMessage; }

private:
    QString mMessage;
};

// A text that should have been an integer.
class ConversionError : public TavrelError {
public:
    explicit ConversionError(const QString& text);
    // The same error with the reason the text came out so (a line of a damaged file that was cut).
    ConversionError(const ConversionError& error, const QString& cause);
};

// A file that is not a valid file of its kind: the message names the file and the line (from 1).
class FileContentError : public TavrelError {
public:
    FileContentError(const QString& fileName, qsizetype line, const QString& reason);
};

// A file that could not be opened for reading.
class FileOpenError : public TavrelError {
public:
    FileOpenError(const QString& fileName, const QString& reason);
};

// A file that could not be created or written.
class FileCreateError : public TavrelError {
public:
    FileCreateError(const QString& fileName, const QString& reason);
    // The error with a text of its own, for a save that failed for another cause than the file itself
    // (the copy of its old bytes could not be made).
    static FileCreateError WithText(const QString& text);

private:
    struct Text {};
    FileCreateError(Text, const QString& text);
};

// Reading a file failed half way.
class StreamReadError : public TavrelError {
public:
    StreamReadError();
};

// The operating system's reason for a failed file operation (an errno value), in German whatever the
// desktop's language.
QString SystemErrorText(int error);

// What the user is told when an allocation fails.
QString OutOfMemoryMessage();
