// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressDatabase.h"

#include "ProgressSchema.h"
#include "ProgressSql.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <atomic>

namespace {

constexpr int BusyTimeoutMs = 5000;

bool isDamage(const QSqlError& error) {
    const int code = sqliteCode(error);
    return code == SqliteCode::Corrupt || code == SqliteCode::NotADatabase;
}

// Why a statement failed, in the player's words.
QString reasonOf(const QSqlError& error) {
    switch (sqliteCode(error)) {
    case SqliteCode::Full:
        return ProgressText::tr("the disk is full");
    case SqliteCode::Perm:
    case SqliteCode::ReadOnly:
    case SqliteCode::CantOpen:
        return ProgressText::tr("the file or its folder cannot be written");
    case SqliteCode::Busy:
    case SqliteCode::Locked:
        return ProgressText::tr("another program keeps the file locked");
    case SqliteCode::Corrupt:
    case SqliteCode::NotADatabase:
        return ProgressText::tr("the file is damaged");
    default:
        return error.text();
    }
}

QString uniqueConnectionName() {
    static std::atomic<int> count{0};
    return QStringLiteral("terrava-progress-%1").arg(++count);
}

// Where a file is moved aside: its name with the kind and the local time to the minute, and a
// number when that name is taken.
QString asideName(const QString& path, const QString& kind) {
    const QString stem = path + QLatin1Char('.') + kind + QLatin1Char('-') +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm"));
    QString name = stem;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo::exists(name + QLatin1String("-wal")); ++n)
        name = stem + QLatin1Char('-') + QString::number(n);
    return name;
}

} // namespace

QString ProgressDatabase::defaultPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("progress.sqlite"));
}

ProgressDatabase::ProgressDatabase(const QString& path)
    : filePath(QFileInfo(path).absoluteFilePath()) {
    openFile();
}

ProgressDatabase::~ProgressDatabase() {
    closeConnection();
}

QString ProgressDatabase::takeProblem() {
    QString text;
    text.swap(problem);
    return text;
}

void ProgressDatabase::openFile() {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        fail(ProgressText::tr("The record of sessions cannot be kept: the SQLite "
                              "driver of Qt SQL is not installed. The game goes on "
                              "without recording."));
        return;
    }
    const QString folder = QFileInfo(filePath).absolutePath();
    if (!QDir().mkpath(folder)) {
        fail(ProgressText::tr("The record of sessions cannot be kept: the folder %1 "
                              "cannot be made. The game goes on without recording.")
                 .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    // At most once a damaged or foreign file is moved aside and a new one begun.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const Opened opened = prepareFile(attempt == 0);
        if (opened == Opened::Ready) {
            open = true;
            return;
        }
        if (opened == Opened::Failed) {
            closeConnection();
            return;
        }
        if (!moveAside(opened == Opened::Foreign ? QStringLiteral("foreign")
                                                 : QStringLiteral("damaged")))
            return;
    }
}

ProgressDatabase::Opened ProgressDatabase::prepareFile(bool mayMoveAside) {
    if (!openConnection())
        return Opened::Failed;
    const QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    try {
        // Looked at before anything is written: a foreign or newer file stays as it is.
        const ProgressSchema::State state = ProgressSchema::read(db);
        if (state.kind == ProgressSchema::State::Foreign) {
            if (mayMoveAside)
                return Opened::Foreign;
            // Another program put its file in the place of the one just moved aside.
            fail(ProgressText::tr("The file %1 is not a record of sessions of Terrava. It is left "
                                  "as it is, and the game goes on without recording.")
                     .arg(QDir::toNativeSeparators(filePath)));
            return Opened::Failed;
        }
        if (state.version > ProgressSchema::latestVersion()) {
            fail(ProgressText::tr(
                     "The record of sessions %1 was written by a newer version of Terrava. "
                     "It is left as it is, and the game goes on without recording.")
                     .arg(QDir::toNativeSeparators(filePath)));
            return Opened::Failed;
        }
        if (sqlValue(db, "PRAGMA quick_check(1)").toString() != QLatin1String("ok"))
            throw SqlFailure{
                QSqlError({}, {}, QSqlError::StatementError, QString::number(SqliteCode::Corrupt))};
        if (sqlValue(db, "PRAGMA journal_mode = WAL").toString() != QLatin1String("wal"))
            throw SqlFailure{QSqlError({}, {}, QSqlError::StatementError,
                                       QString::number(SqliteCode::ReadOnly))};
        sqlRun(db, "PRAGMA synchronous = NORMAL");
        sqlRun(db, "PRAGMA foreign_keys = ON");
        // Another copy of the game may be making the same new file: the write lock comes
        // first, then the version is read again.
        sqlRun(db, "BEGIN IMMEDIATE");
        ProgressSchema::migrate(db);
        sqlRun(db, "COMMIT");
        return Opened::Ready;
    } catch (const SqlFailure& failure) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        if (isDamage(failure.error) && mayMoveAside)
            return Opened::Damaged;
        failWith(failure.error);
        return Opened::Failed;
    }
}

bool ProgressDatabase::openConnection() {
    connectionName = uniqueConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(filePath);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (db.open())
        return true;
    failWith(db.lastError());
    return false;
}

void ProgressDatabase::closeConnection() {
    if (connectionName.isEmpty())
        return;
    QSqlDatabase::database(connectionName, false).close();
    QSqlDatabase::removeDatabase(connectionName);
    connectionName.clear();
}

bool ProgressDatabase::moveAside(const QString& kind) {
    closeConnection();
    const QString aside = asideName(filePath, kind);
    QFile file(filePath);
    if (!file.rename(aside)) {
        fail(ProgressText::tr("The record of sessions %1 cannot be read, and it "
                              "cannot be moved aside: %2. The game goes on without "
                              "recording.")
                 .arg(QDir::toNativeSeparators(filePath), file.errorString()));
        return false;
    }
    // The write-ahead log and its index go with their file.
    for (const char* companion : {"-wal", "-shm"})
        QFile::rename(filePath + QLatin1String(companion), aside + QLatin1String(companion));
    const QString text =
        kind == QLatin1String("foreign")
            ? ProgressText::tr("The file %1 is not a record of sessions of Terrava. "
                               "It has been moved aside as %2, and a new record has "
                               "been started.")
            : ProgressText::tr("The record of sessions %1 was damaged. It has been "
                               "moved aside as %2, and a new record has been "
                               "started.");
    problem = text.arg(QDir::toNativeSeparators(filePath), QDir::toNativeSeparators(aside));
    return true;
}

void ProgressDatabase::fail(const QString& text) {
    open = false;
    problem = problem.isEmpty() ? text : problem + QLatin1Char('\n') + text;
}

void ProgressDatabase::failWith(const QSqlError& error) {
    const QString where = QDir::toNativeSeparators(filePath);
    if (open)
        fail(ProgressText::tr("The record of sessions %1 cannot be written: %2. The "
                              "game goes on without recording.")
                 .arg(where, reasonOf(error)));
    else
        fail(ProgressText::tr("The record of sessions %1 cannot be opened: %2. The "
                              "game goes on without recording.")
                 .arg(where, reasonOf(error)));
}

bool ProgressDatabase::read(const std::function<void(const QSqlDatabase&)>& fn) {
    if (!open)
        return false;
    try {
        fn(QSqlDatabase::database(connectionName, false));
        return true;
    } catch (const SqlFailure& failure) {
        failWith(failure.error);
        return false;
    }
}

QSqlDatabase ProgressDatabase::connection() const {
    return open ? QSqlDatabase::database(connectionName, false) : QSqlDatabase();
}

bool ProgressDatabase::write(const std::function<void(QSqlDatabase&)>& fn) {
    if (!open)
        return false;
    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    try {
        if (inBatch) {
            fn(db);
            return true;
        }
        sqlRun(db, "BEGIN IMMEDIATE");
        fn(db);
        sqlRun(db, "COMMIT");
        return true;
    } catch (const SqlFailure& failure) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        failWith(failure.error);
        return false;
    }
}

bool ProgressDatabase::runAlone(const char* sql) {
    if (!open)
        return false;
    try {
        sqlRun(QSqlDatabase::database(connectionName, false), QString::fromLatin1(sql));
        return true;
    } catch (const SqlFailure& failure) {
        failWith(failure.error);
        return false;
    }
}

ProgressDatabase::Batch::Batch(ProgressDatabase& database) : db(database) {
    db.inBatch = db.runAlone("BEGIN IMMEDIATE");
}

ProgressDatabase::Batch::~Batch() {
    if (db.inBatch) {
        db.inBatch = false;
        db.runAlone("COMMIT");
    }
}
