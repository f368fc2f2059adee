// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileFile.h"

#include "ProfileValues.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

std::function<void(const QString&)>& beforeReplaceHook() {
    static std::function<void(const QString&)> hook;
    return hook;
}

// The file itself, when the path is a symbolic link: the link is kept and its target replaced.
QString targetOf(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

bool syncToDisk(int fd) {
#ifdef Q_OS_WIN
    return _commit(fd) == 0;
#else
    return ::fsync(fd) == 0;
#endif
}

// Makes the rename itself durable; failing here loses nothing already written.
void syncFolder(const QString& folder) {
#ifndef Q_OS_WIN
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

ProfileWriteError::ProfileWriteError(const QString& path, const QString& reason)
    : TerravaError(QCoreApplication::translate("ProfileFile", "Unable to write to %1: %2")
                       .arg(QDir::toNativeSeparators(path), reason)),
      why(reason) {}

ProfileSnapshot::ProfileSnapshot(State state, ProfileText text, QString problem)
    : fileState(state), contents(std::move(text)), why(std::move(problem)) {}

std::optional<QString> ProfileSnapshot::value(const QString& section, const QString& key) const {
    return contents.value(section, key);
}

QString ProfileSnapshot::readString(const QString& section, const QString& key,
                                    const QString& defaultValue) const {
    return value(section, key).value_or(defaultValue);
}

std::int32_t ProfileSnapshot::readInteger(const QString& section, const QString& key,
                                          std::int32_t defaultValue) const {
    const std::optional<QString> text = value(section, key);
    return text ? profileIntegerOf(*text, defaultValue) : defaultValue;
}

bool ProfileSnapshot::readFlag(const QString& section, const QString& key,
                               bool defaultValue) const {
    const std::optional<QString> text = value(section, key);
    return text ? profileFlagOf(*text, defaultValue) : defaultValue;
}

ProfileFile::ProfileFile(const QString& path) : filePath(QFileInfo(path).absoluteFilePath()) {}

QString ProfileFile::defaultPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(QStringLiteral("terrava.ini"));
}

ProfileSnapshot ProfileFile::load() const {
    using State = ProfileSnapshot::State;
    const auto unreadable = [](const QString& problem) {
        return ProfileSnapshot(State::Unreadable, ProfileText(), problem);
    };
    const QFileInfo info(filePath);
    if (!info.exists())
        return ProfileSnapshot(State::Missing, ProfileText());
    if (info.isDir())
        return unreadable(QCoreApplication::translate("ProfileFile", "it is a folder"));
    if (!info.isFile())
        return unreadable(
            QCoreApplication::translate("ProfileFile", "it is not a file but a device or pipe"));
    if (info.size() > MaxFileSize)
        return unreadable(QCoreApplication::translate("ProfileFile", "it is larger than %1 bytes")
                              .arg(MaxFileSize));

    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(QCoreApplication::translate("ProfileFile", "it cannot be opened (%1)")
                              .arg(file.errorString()));
    // Read one byte more than allowed, in case the file grew since its size was taken.
    QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return unreadable(QCoreApplication::translate("ProfileFile", "it cannot be read (%1)")
                              .arg(file.errorString()));
    if (bytes.size() > MaxFileSize)
        return unreadable(QCoreApplication::translate("ProfileFile", "it is larger than %1 bytes")
                              .arg(MaxFileSize));
    return ProfileSnapshot(State::Read, ProfileText(std::move(bytes)));
}

QString ProfileFile::readString(const QString& section, const QString& key,
                                const QString& defaultValue) const {
    return load().readString(section, key, defaultValue);
}

std::int32_t ProfileFile::readInteger(const QString& section, const QString& key,
                                      std::int32_t defaultValue) const {
    return load().readInteger(section, key, defaultValue);
}

bool ProfileFile::readFlag(const QString& section, const QString& key, bool defaultValue) const {
    return load().readFlag(section, key, defaultValue);
}

void ProfileFile::writeString(const QString& section, const QString& key, const QString& value) {
    write(section, {ProfileEntry{key, value}});
}

void ProfileFile::setBeforeReplaceHook(std::function<void(const QString&)> hook) {
    beforeReplaceHook() = std::move(hook);
}

void ProfileFile::write(const QString& section, const QList<ProfileEntry>& entries) {
    checkStorable(section, entries);
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath()))
        refuse(QCoreApplication::translate("ProfileFile", "its folder cannot be made"));
    QLockFile lock(filePath + QStringLiteral(".lock"));
    takeLock(lock);
    const ProfileSnapshot current = load();
    if (current.state() == ProfileSnapshot::State::Unreadable)
        refuse(current.problem());
    replaceWith(current.text().withEntries(section, entries));
}

void ProfileFile::checkStorable(const QString& section, const QList<ProfileEntry>& entries) const {
    const auto cannotStore = [this](const QString& problem) {
        return TerravaError(
            QCoreApplication::translate("ProfileFile", "Cannot store this setting in %1: %2")
                .arg(QDir::toNativeSeparators(filePath), problem));
    };
    // Checked apart from the entries: a write of no entries still adds the section's header.
    if (const QString problem = ProfileText::problemWithSection(section); !problem.isEmpty())
        throw cannotStore(problem);
    for (const ProfileEntry& entry : entries) {
        if (const QString problem = ProfileText::problemWithEntry(section, entry);
            !problem.isEmpty())
            throw cannotStore(problem);
    }
}

void ProfileFile::refuse(const QString& reason) const {
    throw ProfileWriteError(filePath, reason);
}

// Every copy of the program locks the same name; a lock left by a crashed copy is stale and
// taken over.
void ProfileFile::takeLock(QLockFile& lock) const {
    const QDeadlineTimer deadline(LockTimeoutMs);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError)
            refuse(QCoreApplication::translate("ProfileFile", "its lock file cannot be made"));
        if (deadline.hasExpired())
            refuse(QCoreApplication::translate("ProfileFile",
                                               "another copy of the program kept it locked"));
        QThread::msleep(2);
    }
}

// Writes the bytes to a new file beside the file, makes them durable, and renames the new
// file over the old one: a reader sees the old file or the new one, never a part.
void ProfileFile::replaceWith(const QByteArray& bytes) const {
    const QString target = targetOf(filePath);
    const QFileInfo targetInfo(target);
    const QString targetFolder = targetInfo.absolutePath();
    // Renaming would replace even a read-only file; one made read-only stays as it is.
    if (targetInfo.exists() && !targetInfo.isWritable())
        refuse(QCoreApplication::translate("ProfileFile", "it is read-only"));

    // Under the lock no other write is under way, so new files left beside the target are
    // what a crashed write left behind.
    const QString newFilePattern = targetInfo.fileName() + QStringLiteral(".*.new");
    for (const QString& orphan : QDir(targetFolder).entryList({newFilePattern}, QDir::Files))
        QFile::remove(QDir(targetFolder).filePath(orphan));

    QTemporaryFile newFile(
        QDir(targetFolder).filePath(targetInfo.fileName() + QStringLiteral(".XXXXXX.new")));
    if (!newFile.open())
        refuse(
            QCoreApplication::translate("ProfileFile", "a new file cannot be made beside it (%1)")
                .arg(newFile.errorString()));
    if (newFile.write(bytes) != bytes.size() || !newFile.flush() || !syncToDisk(newFile.handle()))
        refuse(QCoreApplication::translate("ProfileFile", "the new file cannot be written (%1)")
                   .arg(newFile.errorString()));
    newFile.setPermissions(targetInfo.exists() ? targetInfo.permissions()
                                               : QFile::ReadOwner | QFile::WriteOwner |
                                                     QFile::ReadGroup | QFile::ReadOther);
    newFile.close();

    if (beforeReplaceHook())
        beforeReplaceHook()(newFile.fileName());

    std::error_code error;
    std::filesystem::rename(fsPath(newFile.fileName()), fsPath(target), error);
    if (error)
        refuse(QCoreApplication::translate("ProfileFile", "the new file cannot replace it (%1)")
                   .arg(QString::fromStdString(error.message())));
    newFile.setAutoRemove(false);
    syncFolder(targetFolder);
}
