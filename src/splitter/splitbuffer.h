// The file splitter's buffer: one loaded file whose inclusive byte ranges can be saved as new files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class SplitBuffer {
public:
    static constexpr int kCapacity = 2097150;

    // Loads the file; a file that cannot be read or is longer than kCapacity leaves the buffer as it was.
    // Returns the log lines it adds.
    QStringList dateiladen(const QString& fileName);
    // Replaces the file with the piece from start to stop.
    void Dateispeichern(const QString& fileName, int start, int stop) const;

    // Positions count from 1. Only the part of start ... stop that lies inside the loaded file is taken,
    // so no byte outside it is ever written; stop < start gives an empty piece.
    QByteArray piece(int start, int stop) const;

    int size() const { return static_cast<int>(mBytes.size()); }
    const QByteArray& bytes() const { return mBytes; }

private:
    QByteArray mBytes;
};

// The value the length field shows, stop - start + 1, held within the int range of the field.
int SplitLength(int start, int stop);
