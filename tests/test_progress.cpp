// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Csv.h"
#include "Geography.h"
#include "HistoryExport.h"
#include "PlayerProgress.h"
#include "PracticeDraw.h"
#include "ProgressSql.h"
#include "SessionRecorder.h"
#include "SessionReview.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>
#include <csignal>
#include <unistd.h>

namespace {

const QStringList Towns = {"Roma", "Milano", "Napoli"};

// A clock moved by hand; sessions start at 2026-12-09 04:12 UTC.
struct HandClock {
    qint64 ms = 0;
    SessionRecorder::Clock clock() {
        return {[] { return QDateTime(QDate(2026, 12, 9), QTime(4, 12), Qt::UTC); },
                [this] { return ms; }};
    }
};

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

bool run(const QString& program, const QStringList& args) {
    return QProcess::execute(program, args) == 0;
}

// One line per town: what the review shows of it.
QStringList described(const SessionReview& review) {
    QStringList lines;
    for (const ReviewedTown& t : review.towns) {
        QString line =
            QStringLiteral("%1 #%2 asked %3 %4 %5ms").arg(t.town).arg(t.position).arg(t.askedOrder);
        line = line.arg(t.found ? (t.foundInTime ? "found" : "found late") : "open").arg(t.foundMs);
        for (const ReviewedClick& c : t.wrongClicks)
            line += QStringLiteral(" [%1 %2 %3 %4,%5 @%6]")
                        .arg(c.click.kind == WrongClick::Kind::Region ? "region" : "town",
                             c.click.clicked, c.click.picture)
                        .arg(c.click.point.x())
                        .arg(c.click.point.y())
                        .arg(c.atMs);
        lines << line;
    }
    return lines;
}

// The towns of a session of Roma at position 1, played to one outcome.
void playRoma(SessionRecorder& r, HandClock& clock, const QString& outcome) {
    r.sessionStarted({}, {"Milano", "Roma"});
    if (outcome == "none")
        return;
    clock.ms += 1000;
    r.townAsked(1);
    if (outcome == "wrong")
        r.wrongClick({WrongClick::Kind::Town, "Pisa", "Etruria.bmp", {1, 2}});
    if (outcome == "late" || outcome == "timeout")
        r.timeUp();
    if (outcome != "open" && outcome != "timeout")
        r.townFound(1);
}

TownKnowledge known(const QString& town, int box, int missed, int since) {
    TownKnowledge k;
    k.town = town;
    k.box = box;
    k.missed = missed;
    k.sessionsSinceAsked = since;
    return k;
}

} // namespace

class TestProgress : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sessionRecordedEventByEventAndReviewed();
    void killedGameKeepsFinishedTowns();
    void twoGamesRecordAtOnce();
    void unusableFileIsMovedAsideOrLeftAlone_data();
    void unusableFileIsMovedAsideOrLeftAlone();
    void readOnlyFolderGoesOnWithoutRecord_data();
    void readOnlyFolderGoesOnWithoutRecord();
    void fullDiskKeepsWhatWasRecorded();
    void leitnerBoxOfTown_data();
    void leitnerBoxOfTown();
    void progressAndTeachersTable();
    void failedReadTurnsRecordOff();
    void practiceDraw_data();
    void practiceDraw();
    void practiceDrawFromRecordFavoursMissedTowns();
    void historyExportedAsCsv();
    void distancesOfWrongClicks();

private:
    // A small tmpfs on folder, for the test's life; false when the test is not root.
    bool mountTmpfs(const QString& folder, const QString& size);

    std::unique_ptr<QTemporaryDir> dir;
    QString path;
    QStringList mounted;
};

void TestProgress::init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    path = dir->filePath("progress.sqlite");
}

void TestProgress::cleanup() {
    for (const QString& folder : std::as_const(mounted))
        run("umount", {folder});
    mounted.clear();
}

bool TestProgress::mountTmpfs(const QString& folder, const QString& size) {
    if (geteuid() != 0)
        return false;
    QDir().mkpath(folder);
    if (!run("mount", {"-t", "tmpfs", "-o", "size=" + size, "tmpfs", folder}))
        return false;
    mounted << folder;
    return true;
}

void TestProgress::sessionRecordedEventByEventAndReviewed() {
    ProgressDatabase db(path);
    HandClock clock;
    qint64 first = 0;
    {
        SessionRecorder r(db, "Easy", clock.clock());
        const SessionSettings settings{1000, 3, 4, true, false, {"Bari", "Pisa"}};
        r.sessionStarted(settings, Towns);
        first = r.lastSessionId();
        clock.ms = 2000;
        r.wrongClick({WrongClick::Kind::Region, "Sicilia", "Italia.bmp", {300, 500}});
        clock.ms = 5000;
        r.townFound(0);
        clock.ms = 6000;
        r.townAsked(0); // found: passed over, as the session's next-town step does
        r.townAsked(1);
        clock.ms = 7000;
        r.townAsked(2); // the player chooses another town, then comes back
        clock.ms = 9000;
        r.townAsked(1);
        clock.ms = 9500;
        r.wrongClick({WrongClick::Kind::Town, "Torino", "Padania.bmp", {120, 80}});
        clock.ms = 10000;
        r.timeUp();
        clock.ms = 12000;
        r.townFound(1);
        clock.ms = 13000;
        r.sessionStarted({}, Towns); // ends the first with "new start"
        QVERIFY(r.lastSessionId() > first);
    } // the window closes during the second

    const std::optional<SessionReview> review = sessionReview(db, first);
    QVERIFY(review);
    QCOMPARE(described(*review),
             QStringList({"Roma #0 asked 1 found 5000ms [region Sicilia Italia.bmp 300,500 @2000]",
                          "Milano #1 asked 2 found late 4000ms "
                          "[town Torino Padania.bmp 120,80 @9500]",
                          "Napoli #2 asked 3 open -1ms"}));
    QCOMPARE(review->player, "Easy");
    QCOMPARE(review->startedAt, QDateTime(QDate(2026, 12, 9), QTime(4, 12), Qt::UTC));
    QCOMPARE(review->settings.intervalMs, 1000);
    QCOMPARE(review->settings.bonus, 4);
    QCOMPARE(review->settings.sound, true);
    QCOMPARE(review->settings.disliked, QStringList({"Bari", "Pisa"}));
    QCOMPARE(review->timeUpMs, 10000);
    QCOMPARE(review->end, SessionEnd::NewStart);
    QCOMPARE(review->endedMs, 13000);

    const std::optional<SessionReview> second = sessionReview(db, first + 1);
    QVERIFY(second);
    QCOMPARE(described(*second),
             QStringList({"Roma #0 asked 1 open -1ms", "Milano #1 asked 0 open -1ms",
                          "Napoli #2 asked 0 open -1ms"}));
    QCOMPARE(second->end, SessionEnd::WindowClosed);
    QCOMPARE(second->timeUpMs, std::nullopt);
    QVERIFY(!db.hasProblem());
}

void TestProgress::killedGameKeepsFinishedTowns() {
    QProcess game;
    game.start(TERRAVA_PROGRESS_RECORDER, {path, "Kim", "kill", "2"});
    QVERIFY(game.waitForReadyRead(30000));
    QCOMPARE(game.readAllStandardOutput(), QByteArray("ready\n"));
    ::kill(pid_t(game.processId()), SIGKILL);
    QVERIFY(game.waitForFinished(30000));
    QCOMPARE(game.exitStatus(), QProcess::CrashExit);

    ProgressDatabase db(path);
    const QList<SessionSummary> sessions = playerSessions(db, "Kim");
    QCOMPARE(sessions.size(), 1);
    const std::optional<SessionReview> review = sessionReview(db, sessions[0].id);
    QVERIFY(review);
    QCOMPARE(review->end, std::nullopt);
    QCOMPARE(review->towns.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(review->towns[i].found, i < 2);
        QCOMPARE(review->towns[i].wrongClicks.size(), i < 2 ? 1 : 0);
    }
    SessionRecorder next(db, "Kim");
    next.sessionStarted({}, Towns);
    QCOMPARE(playerSessions(db, "Kim").size(), 2);
    QVERIFY(!db.hasProblem());
}

void TestProgress::twoGamesRecordAtOnce() {
    QProcess ann;
    QProcess bob;
    ann.start(TERRAVA_PROGRESS_RECORDER, {path, "Ann", "40"});
    bob.start(TERRAVA_PROGRESS_RECORDER, {path, "Bob", "40"});
    QVERIFY(ann.waitForFinished(60000));
    QVERIFY(bob.waitForFinished(60000));
    QCOMPARE(ann.readAllStandardError() + bob.readAllStandardError(), QByteArray());
    QCOMPARE(ann.exitCode() + bob.exitCode(), 0);
    ProgressDatabase db(path);
    for (const char* player : {"Ann", "Bob"}) {
        const QList<SessionSummary> sessions = playerSessions(db, player);
        QCOMPARE(sessions.size(), 40);
        for (const SessionSummary& s : sessions)
            QCOMPARE(s.found + s.wrongClicks, 10);
    }
}

void TestProgress::unusableFileIsMovedAsideOrLeftAlone_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("aside"); // the dated name's kind; empty: left where it is
    QTest::newRow("damaged") << "damaged"
                             << "The record of sessions %1 was damaged. It has been "
                                "moved aside as %2, and a new record has been started."
                             << "damaged";
    QTest::newRow("foreign") << "foreign"
                             << "The file %1 is not a record of sessions of Terrava. It "
                                "has been moved aside as %2, and a new record has been "
                                "started."
                             << "foreign";
    QTest::newRow("newer") << "newer"
                           << "The record of sessions %1 was written by a newer version "
                              "of Terrava. It is left as it is, and the game goes on "
                              "without recording."
                           << "";
}

void TestProgress::unusableFileIsMovedAsideOrLeftAlone() {
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QFETCH(QString, aside);
    if (kind == "damaged") {
        writeBytes(path, QByteArray("not a record of sessions\n").repeated(300));
    } else {
        ProgressDatabase made(path);
        made.write([&](QSqlDatabase& c) {
            if (kind == "foreign")
                sqlRun(c, "DROP TABLE schema_migrations");
            else
                sqlRun(c, "INSERT INTO schema_migrations VALUES (99, 'later')");
        });
    }
    const QByteArray before = readBytes(path);

    ProgressDatabase db(path);
    SessionRecorder r(db, "Easy");
    r.sessionStarted({}, Towns);
    r.townFound(0);
    const QStringList moved = QDir(dir->path()).entryList({"progress.sqlite." + aside + "-*"});
    const QString problem = db.takeProblem();
    QCOMPARE(db.takeProblem(), QString()); // once
    if (aside.isEmpty()) {
        QCOMPARE(problem, message.arg(path));
        QVERIFY(!db.isOpen());
        QCOMPARE(playerSessions(db, "Easy").size(), 0);
        QCOMPARE(readBytes(path), before);
    } else {
        QCOMPARE(moved.size(), 1);
        QVERIFY(QRegularExpression("^progress\\.sqlite\\.\\w+-\\d{8}-\\d{4}$")
                    .match(moved[0])
                    .hasMatch());
        QCOMPARE(problem, message.arg(path, dir->filePath(moved[0])));
        QCOMPARE(readBytes(dir->filePath(moved[0])), before);
        QCOMPARE(playerSessions(db, "Easy").size(), 1); // a new record, recording
    }
}

void TestProgress::readOnlyFolderGoesOnWithoutRecord_data() {
    QTest::addColumn<bool>("withRecord");
    QTest::newRow("no record yet") << false;
    QTest::newRow("a record") << true;
}

void TestProgress::readOnlyFolderGoesOnWithoutRecord() {
    QFETCH(bool, withRecord);
    // Permissions do not stop root: root's folder is a tmpfs mounted again read-only.
    const QString folder = dir->filePath("data");
    const bool root = mountTmpfs(folder, "1m");
    QVERIFY(root || QDir().mkpath(folder));
    path = folder + "/progress.sqlite";
    if (withRecord) {
        ProgressDatabase made(path);
        SessionRecorder(made, "Easy").sessionStarted({}, Towns);
    }
    const QByteArray before = readBytes(path);
    if (root)
        QVERIFY(run("mount", {"-o", "remount,ro", folder}));
    else
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

    {
        ProgressDatabase db(path);
        SessionRecorder r(db, "Easy");
        r.sessionStarted({}, Towns);
        r.wrongClick({WrongClick::Kind::Town, "Pisa", "Etruria.bmp", {1, 1}});
        r.townFound(0);
        QVERIFY(!db.isOpen());
        QCOMPARE(db.takeProblem(), "The record of sessions " + path +
                                       " cannot be opened: the file or its folder cannot be "
                                       "written. The game goes on without recording.");
        QCOMPARE(db.takeProblem(), QString());
        QCOMPARE(playerSessions(db, "Easy").size(), 0);
    }
    if (!root)
        QVERIFY(
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(readBytes(path), before);
    QCOMPARE(QDir(folder).entryList(QDir::Files),
             withRecord ? QStringList{"progress.sqlite"} : QStringList());
}

void TestProgress::fullDiskKeepsWhatWasRecorded() {
    const QString folder = dir->filePath("small");
    if (!mountTmpfs(folder, "4m"))
        QSKIP("a small tmpfs needs root");
    path = folder + "/progress.sqlite";
    int complete = 0;
    {
        ProgressDatabase db(path);
        SessionRecorder r(db, "Easy");
        for (int i = 0; i < 20000 && db.isOpen(); ++i) {
            r.sessionStarted({}, Towns);
            for (int town = 0; town < 3; ++town) {
                r.townAsked(town);
                r.wrongClick({WrongClick::Kind::Town, QString(1000, 'x'), "Etruria.bmp", {i, i}});
                r.townFound(town);
            }
            complete += db.isOpen() ? 1 : 0;
        }
        QVERIFY(!db.isOpen());
        QCOMPARE(db.takeProblem(), "The record of sessions " + path +
                                       " cannot be written: the disk is full. The game goes on "
                                       "without recording.");
        r.sessionStarted({}, Towns); // nothing more is tried, nothing more is said
        r.townFound(0);
        QCOMPARE(db.takeProblem(), QString());
    }
    // Read where there is room: every session recorded before the disk was full is there.
    const QString copy = dir->filePath("copy.sqlite");
    for (const char* suffix : {"", "-wal"})
        if (QFile::exists(path + suffix))
            QVERIFY(QFile::copy(path + suffix, copy + suffix));
    ProgressDatabase db(copy);
    const QList<SessionSummary> sessions = playerSessions(db, "Easy");
    QVERIFY(complete > 10);
    QVERIFY(sessions.size() >= complete);
    for (int i = 0; i < complete; ++i)
        QCOMPARE(sessions[i].found, 3);
}

void TestProgress::leitnerBoxOfTown_data() {
    QTest::addColumn<QString>("answers"); // Roma's, session by session
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("missed");
    QTest::newRow("never asked") << "none" << 0 << 0 << 0;
    QTest::newRow("found once") << "clean" << 2 << 1 << 0;
    QTest::newRow("found twice") << "clean clean" << 3 << 2 << 0;
    QTest::newRow("box 5 at most") << "clean clean clean clean clean" << 5 << 5 << 0;
    QTest::newRow("a wrong click") << "clean clean wrong" << 1 << 3 << 1;
    QTest::newRow("found after a miss") << "wrong clean" << 2 << 2 << 1;
    QTest::newRow("found after time up") << "late" << 1 << 1 << 1;
    QTest::newRow("open at time up") << "timeout" << 1 << 1 << 1;
    QTest::newRow("left open in time") << "open" << 0 << 1 << 0;
}

void TestProgress::leitnerBoxOfTown() {
    QFETCH(QString, answers);
    QFETCH(int, box);
    QFETCH(int, asked);
    QFETCH(int, missed);
    ProgressDatabase db(path);
    HandClock clock;
    {
        SessionRecorder r(db, "Easy", clock.clock());
        for (const QString& outcome : answers.split(' '))
            playRoma(r, clock, outcome);
        playRoma(r, clock, "none"); // a session that does not ask Roma
    }
    const QList<TownKnowledge> towns = townKnowledge(db, "easy", {"Roma", "Pisa"});
    QCOMPARE(towns.size(), 2);
    QCOMPARE(towns[0].box, box);
    QCOMPARE(towns[0].asked, asked);
    QCOMPARE(towns[0].missed, missed);
    QCOMPARE(towns[0].sessionsSinceAsked, asked ? 1 : -1);
    QCOMPARE(towns[1].level(), Knowledge::NotAsked);
}

void TestProgress::progressAndTeachersTable() {
    ProgressDatabase db(path);
    HandClock clock;
    {
        // " Ann " and "ann" are one player, as in the settings file.
        SessionRecorder ann(db, " Ann ", clock.clock());
        SessionRecorder ann2(db, "ann", clock.clock());
        for (int i = 0; i < 12; ++i) {
            SessionRecorder& r = i % 2 ? ann2 : ann;
            r.sessionStarted({}, {"Roma", "Milano"});
            if (i < 7)
                r.wrongClick({WrongClick::Kind::Town, "Pisa", "Etruria.bmp", {1, 1}});
            clock.ms += 30000;
            r.townFound(0);
            r.townAsked(1);
            clock.ms += 30000;
            r.townFound(1);
        }
        SessionRecorder(db, "Bob").sessionStarted({}, {"Roma"});
    }
    const QList<SessionSummary> sessions = playerSessions(db, "ANN");
    QCOMPARE(sessions.size(), 12);
    QCOMPARE(sessions[0].townsPerMinute(), 2.0);
    QCOMPARE(sessions[0].wrongClicksPerTown(), 0.5);
    QCOMPARE(sessions[11].wrongClicksPerTown(), 0.0);
    QCOMPARE(sessions[11].end, SessionEnd::AllFound);

    const QList<TownKnowledge> missed = mostMissed(db, "ann", 10);
    QCOMPARE(missed.size(), 1);
    QCOMPARE(missed[0].town, "Roma");
    QCOMPARE(missed[0].missed, 7);

    const QList<PlayerOverview> table = teacherTable(db);
    QCOMPARE(table.size(), 2);
    QCOMPARE(table[0].player, " Ann ");
    QCOMPARE(table[0].sessions, 12);
    QCOMPARE(table[0].townsLearnt, 2);
    QCOMPARE(table[0].recentShare, 1.0);
    QCOMPARE(table[0].earlierShare, 0.5); // sessions 3 to 7: Roma missed, Milano found
    QCOMPARE(table[0].trend(), 0.5);
    QCOMPARE(table[1].player, "Bob");
    QCOMPARE(table[1].townsLearnt, 0);
    QCOMPARE(table[1].recentShare, 0.0);
    QCOMPARE(table[1].trend(), std::nullopt);
}

void TestProgress::failedReadTurnsRecordOff() {
    ProgressDatabase db(path);
    SessionRecorder(db, "Ann").sessionStarted({}, {"Roma"});
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(path);
        QVERIFY(other.open());
        sqlRun(other, "DROP TABLE session_towns");
    }
    QSqlDatabase::removeDatabase("other");
    QVERIFY(playerSessions(db, "Ann").isEmpty());
    QVERIFY(!db.isOpen());
    QVERIFY(db.hasProblem());
}

void TestProgress::practiceDraw_data() {
    QTest::addColumn<QList<TownKnowledge>>("towns");
    QTest::addColumn<std::vector<bool>>("disliked");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("drawn"); // in any order
    const QList<TownKnowledge> record = {
        known("Learnt", 3, 0, 1), // box 3: due in every fourth session; this is the second
        known("Once", 1, 1, 0),   known("New", 0, 0, -1), known("Often", 1, 4, 3),
        known("Review", 2, 0, 1), // box 2: due in every other session; this is it
        known("Best", 5, 0, 0),
    };
    QTest::newRow("missed, then new, then due") << record << std::vector<bool>(6, false) << 4
                                                << QStringList{"Often", "Once", "New", "Review"};
    QTest::newRow("disliked left out") << record << std::vector<bool>{0, 0, 1, 1, 0, 0} << 3
                                       << QStringList{"Once", "Review", "Learnt"};
    QTest::newRow("disliked fill up the count") << record << std::vector<bool>{1, 1, 1, 1, 1, 0}
                                                << 3 << QStringList{"Best", "Often", "Once"};
    QTest::newRow("fewer towns than the count")
        << record.mid(0, 2) << std::vector<bool>() << 5 << QStringList{"Learnt", "Once"};
}

void TestProgress::practiceDraw() {
    QFETCH(QList<TownKnowledge>, towns);
    QFETCH(std::vector<bool>, disliked);
    QFETCH(int, count);
    QFETCH(QStringList, drawn);
    const QStringList session = practiceTowns(towns, disliked, count, 7);
    QCOMPARE(session, practiceTowns(towns, disliked, count, 7)); // the seed decides
    QStringList sorted = session;
    sorted.sort();
    drawn.sort();
    QCOMPARE(sorted, drawn);
}

void TestProgress::practiceDrawFromRecordFavoursMissedTowns() {
    QStringList list;
    for (int i = 0; i < 40; ++i)
        list << QStringLiteral("Town %1").arg(i);
    ProgressDatabase db(path);
    {
        SessionRecorder r(db, "Easy");
        // Every town asked once, the last five in the last session; of those, Town 36 and
        // Town 38 missed.
        for (int s = 0; s < 8; ++s) {
            r.sessionStarted({}, list.mid(s * 5, 5));
            for (int t = 0; t < 5; ++t) {
                r.townAsked(t);
                if (s * 5 + t == 36 || s * 5 + t == 38)
                    r.wrongClick({WrongClick::Kind::Town, "Pisa", "Etruria.bmp", {1, 1}});
                r.townFound(t);
            }
        }
    }
    std::vector<bool> disliked(40, false);
    disliked[38] = true;
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        const QStringList session = practiceTowns(db, "Easy", list, disliked, 5, seed);
        QCOMPARE(session.size(), 5);
        QVERIFY(session.contains("Town 36"));
        QVERIFY(!session.contains("Town 38"));
    }
}

void TestProgress::historyExportedAsCsv() {
    ProgressDatabase db(path);
    HandClock clock;
    {
        SessionRecorder r(db, "O'Neill, \"Jo\"", clock.clock());
        r.sessionStarted({1500, 2, 2, false, true, {}}, {"Roma", "Milano"});
        r.wrongClick({WrongClick::Kind::Region, "Etruria", "Italia.bmp", {1, 1}});
        r.wrongClick({WrongClick::Kind::Town, "Pisa", "Etruria.bmp", {1, 1}});
        clock.ms = 4000;
        r.townFound(0);
        SessionRecorder(db, "Bob", clock.clock()).sessionStarted({}, {"Bari"});
    }
    const QByteArray header = "\xEF\xBB\xBFplayer,session started (UTC),time step (ms),"
                              "questions,bonus / penalty,sound,practice,time up after (ms),"
                              "end,town drawn,town,asked as,found,found in time,"
                              "time to find (ms),wrong clicks,clicked instead\r\n";
    const QByteArray jo = "\"O'Neill, \"\"Jo\"\"\",2026-12-09T04:12:00.000Z,1500,2,2,no,yes,,"
                          "window closed,";
    QCOMPARE(historyCsv(db, " o'neill, \"JO\""),
             header + jo + "1,Roma,1,yes,yes,4000,2,Etruria (region); Pisa (town)\r\n" + jo +
                 "2,Milano,,no,,,0,\r\n");
    QCOMPARE(historyCsv(db, std::nullopt).count("\r\n"), 4);

    const QString file = dir->filePath("history.csv");
    QCOMPARE(exportHistory(db, "Bob", file), QString());
    QCOMPARE(parseCsv(readBytes(file), nullptr).size(), 2);
    const QString nowhere = dir->filePath("missing/history.csv");
    QVERIFY(exportHistory(db, "Bob", nowhere).startsWith("Unable to write to " + nowhere + ": "));
}

void TestProgress::distancesOfWrongClicks() {
    QString error;
    const Geography geo =
        Geography::load(":/content/towns.csv", ":/content/projections.csv", &error);
    QCOMPARE(error, QString());
    QCOMPARE(geo.properName("l aquila"), "L'Aquila");
    const auto km = geo.wrongClickKm({WrongClick::Kind::Town, "Milano", "Padania.bmp", {}}, "Roma");
    QVERIFY(km && qAbs(*km - 477.0) < 3.0);
    // A region click counts from the point clicked on the picture: here, Milano on the nation.
    const QPointF milano = geo.toPicture("Italia.bmp", *geo.town("Milano")).value();
    const auto fromPoint = geo.wrongClickKm(
        {WrongClick::Kind::Region, "Padania", "Italia.bmp", milano.toPoint()}, "Roma");
    QVERIFY(fromPoint && qAbs(*fromPoint - *km) < 5.0);
    QCOMPARE(geo.wrongClickKm({WrongClick::Kind::Town, "Atlantis", "Padania.bmp", {}}, "Roma"),
             std::nullopt);

    const QByteArray header = "picture,width,height,sx,sy,lon0,lat0\n";
    const QByteArray towns = "name,pictures,lon,lat,population,geonames_id,geonames_name\n"
                             "Roma,Etruria.bmp,12.5,41.9,1,1,Roma\n";
    Geography::fromCsv(towns + "Pisa,Etruria.bmp,east,43.7,1,1,Pisa\n", header, &error);
    QCOMPARE(error, "towns.csv, line 3: column 3 is not a number");
    Geography::fromCsv(towns, header + "\"Italia.bmp,1\n", &error);
    QCOMPARE(error, "projections.csv, line 2: a quoted field is not closed");
}

QTEST_GUILESS_MAIN(TestProgress)
#include "test_progress.moc"
