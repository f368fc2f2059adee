// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Error.h"
#include "ProfileText.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QLockFile;

// A Save the settings file refused: the message is "Unable to write to ", the file's full
// path, ": " and the reason, which says what stood in the way.
class ProfileWriteError : public TerravaError {
public:
    ProfileWriteError(const QString& path, const QString& reason);
    const QString& reason() const { return why; }

private:
    QString why;
};

// What one read of the settings file found. A file that is missing reads as empty; one that
// cannot be read (a folder in its place, no permission, too large) reads as empty too, and
// problem() says why. Whatever bytes a file holds, it can be read.
class ProfileSnapshot {
public:
    enum class State { Missing, Read, Unreadable };

    ProfileSnapshot(State state, ProfileText text, QString problem = {});

    State state() const { return fileState; }
    const QString& problem() const { return why; }
    const ProfileText& text() const { return contents; }

    std::optional<QString> value(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    std::int32_t readInteger(const QString& section, const QString& key,
                             std::int32_t defaultValue) const;
    bool readFlag(const QString& section, const QString& key, bool defaultValue) const;

private:
    State fileState;
    ProfileText contents;
    QString why;
};

// The settings file: it holds only the path, and opening it does not touch the file. Every
// read looks at the file afresh; every write is one transaction: under a lock file, the file is
// read, the new values applied, and the result written beside it, flushed to disk and renamed
// over it. A second copy of the program waits for the lock, so neither loses the other's
// section, and a failure or a crash at any point leaves the old file whole.
class ProfileFile {
public:
    // Files larger than this are taken for something else and not read.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
    // How long a Save waits for another copy of the program to finish its own.
    static constexpr int LockTimeoutMs = 10000;

    explicit ProfileFile(const QString& path);

    // "terrava.ini" in the user's configuration folder.
    static QString defaultPath();

    const QString& path() const { return filePath; }

    ProfileSnapshot load() const;

    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    std::int32_t readInteger(const QString& section, const QString& key,
                             std::int32_t defaultValue) const;
    bool readFlag(const QString& section, const QString& key, bool defaultValue) const;

    // Writes all entries into the section in one transaction, making the folder when it is
    // missing; every other byte of the file stays as it was. Raises ProfileWriteError when the
    // file cannot be replaced or the old one cannot be read (it is not destroyed), and
    // TerravaError for an entry that could not be read back as written; in both cases the file
    // is as it was.
    void write(const QString& section, const QList<ProfileEntry>& entries);
    void writeString(const QString& section, const QString& key, const QString& value);

    // Called during every write once the new file is complete and flushed but before it
    // replaces the old one, with the new file's path; lets tests fail or kill a write at its
    // most fragile moment. An empty function removes the hook.
    static void setBeforeReplaceHook(std::function<void(const QString& newFilePath)> hook);

private:
    void checkStorable(const QString& section, const QList<ProfileEntry>& entries) const;
    [[noreturn]] void refuse(const QString& reason) const; // raises ProfileWriteError
    void takeLock(QLockFile& lock) const;
    void replaceWith(const QByteArray& bytes) const;

    QString filePath;
};
