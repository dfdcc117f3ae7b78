// The tool's folder: where the shipped files are read and where the program writes its own files.
#pragma once

#include "common/programdatafolder.h"

#include <QString>

// In a build folder the programs, the shipped files and what the program writes beside them share one
// folder. An installed program reads its shipped files from PREFIX/share/tavrel, which belongs to the
// package manager; the user's own copies and every file the program would write there live in the
// user's data folder instead.
class ToolFolder {
public:
    // One folder for everything, as in a build folder (or a test's scratch folder).
    ToolFolder(const QString& folder); // NOLINT: a plain folder is the common case
    ToolFolder(const QString& shippedFolder, const QString& userFolder);

    // The layout of a program in programFolder: the shipped files beside it (a build folder), else in
    // ../share/tavrel with userFolder for the user's files; when neither holds them, the program's
    // own folder, so that the missing start-up file is reported there. The user's folder is the
    // program's data folder (common/programdatafolder.h) unless a test gives another.
    static ToolFolder ForProgram(const QString& programFolder, const QString& userFolder = ProgramDataFolder());

    // Where the shipped start-up file, game and disk are.
    const QString& shipped() const { return mShipped; }
    // Where the user's own copies are and the program's files go.
    const QString& user() const { return mUser; }
    // True for an installed program, whose shipped files are never written.
    bool separate() const { return mUser != mShipped; }

    // Names a file in a folder (AtrPathIn, XexPathIn).
    using PathIn = QString (*)(const QString& folder);
    // The file: the user's own copy where there is one, else the shipped file.
    QString find(PathIn pathIn) const;
    // The user's folder, created when missing (FileCreateError naming fileName when that fails).
    QString writableFolder(const QString& fileName) const;

private:
    QString mShipped;
    QString mUser;
};
