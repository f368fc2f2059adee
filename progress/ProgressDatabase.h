// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <functional>

// The players' record of sessions: one SQLite file, progress.sqlite, shared by every player and
// every copy of the game on the machine (write-ahead log, busy timeout). Opening brings the file
// up to the schema this version writes.
//
// The game never depends on it. When the file cannot be opened or written (a read-only folder,
// a full disk, a damaged or foreign file, a file of a newer version) the record is off for the
// rest of the run: writes do nothing, queries find nothing, and one text says what went wrong
// and where. A damaged or foreign file is never deleted or written over: it is moved aside
// under a dated name and a new file is started.
class ProgressDatabase {
public:
    // progress.sqlite in the user's data folder (the application's AppDataLocation).
    static QString defaultPath();

    // Opens the file, creating it and its folder when they are missing. Never throws.
    explicit ProgressDatabase(const QString& path = defaultPath());
    ~ProgressDatabase();
    ProgressDatabase(const ProgressDatabase&) = delete;
    ProgressDatabase& operator=(const ProgressDatabase&) = delete;

    const QString& path() const { return filePath; }

    // Whether the record can be written and read.
    bool isOpen() const { return open; }

    // What went wrong, in words for the player (empty when nothing did). takeProblem gives it
    // once; the game shows it when no session runs.
    bool hasProblem() const { return !problem.isEmpty(); }
    QString takeProblem();

    // Runs the writes of fn as one transaction. A failing statement throws out of fn; the
    // transaction is then rolled back and the record turned off with a problem. Returns
    // whether it was committed. Does nothing when the record is off.
    bool write(const std::function<void(QSqlDatabase&)>& fn);

    // Runs the reads of fn on the open connection. A failing statement throws out of fn and
    // turns the record off as a failed write does. Returns whether fn ran to its end; does
    // nothing and returns false when the record is off.
    bool read(const std::function<void(const QSqlDatabase&)>& fn);

    // The open connection; invalid when the record is off.
    QSqlDatabase connection() const;

    // Holds every write until it ends, in one transaction: for building large records.
    class Batch {
    public:
        explicit Batch(ProgressDatabase& db);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ProgressDatabase& db;
    };

private:
    enum class Opened { Ready, Foreign, Damaged, Failed };
    void openFile();
    Opened prepareFile(bool mayMoveAside);
    bool openConnection();
    void closeConnection();
    void fail(const QString& text);
    void failWith(const class QSqlError& error);
    bool moveAside(const QString& kind);
    bool runAlone(const char* sql);

    QString filePath;
    QString connectionName;
    QString problem;
    bool open = false;
    bool inBatch = false;
};
