// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryQuizControls.h"
#include "QuizRandom.h"
#include "QuizState.h"
#include "UQuesiti.h"

#include <QDateTime>
#include <QSet>
#include <QTest>
#include <ctime>
#include <memory>

namespace {

// The generator's formula, written out here on its own to check the program's one.
std::uint32_t nextSeed(std::uint32_t seed) {
    return std::uint32_t(std::uint64_t(seed) * 134775813u + 1u);
}

int referenceDraw(std::uint32_t& seed, int range) {
    seed = nextSeed(seed);
    return int((std::uint64_t(range) * seed) >> 32);
}

// How many draws lead from one seed to another (-1 beyond the limit).
int drawsBetween(std::uint32_t from, std::uint32_t to, int limit = 1'000'000) {
    for (int n = 0; n <= limit; ++n, from = nextSeed(from)) {
        if (from == to)
            return n;
    }
    return -1;
}

QStringList townNames(int count) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("Town %1").arg(i);
    return names;
}

// A radio group whose click event records the index selected at each click, as the main
// window's click handler reads it.
struct RecordingGroup {
    MemoryQuestionList group;
    QList<int> clicks;
    RecordingGroup() {
        group.onClick = [this] { clicks << group.itemIndex(); };
    }
};

// A session on exactly the given towns, all of them drawn, whatever their order.
std::unique_ptr<TSession> sessionOfAll(RecordingGroup& radio, const QStringList& towns) {
    const MemoryTownList list(towns);
    QuestionCount = int(towns.size());
    auto session = std::make_unique<TSession>(radio.group, list);
    radio.clicks.clear();
    return session;
}

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QuestionCount = 5;
        ProgramRandom.Randomize(12345);
    }

    void generatorFollowsItsFormula() {
        // 12345 * 134775813 + 1 = 1663807411486 = 387 * 2^32 + 1655067934, and
        // 100 * 1655067934 = 165506793400 = 38.53... * 2^32.
        TRandom random;
        random.Randomize(12345);
        QCOMPARE(random.Random(100), 38);
        QCOMPARE(random.RandSeed, 1655067934u);
        // 1655067934 * 134775813 + 1 = 1242767767 modulo 2^32; 1000 * that = 289.35... * 2^32.
        QCOMPARE(random.Random(1000), 289);
        QCOMPARE(random.RandSeed, 1242767767u);
        // A range of 0 gives 0 and still moves the seed on: 342459380 next.
        QCOMPARE(random.Random(0), 0);
        QCOMPARE(random.RandSeed, 342459380u);

        // The seed wraps modulo 2^32: (2^32 - 1) * 134775813 + 1 = 2^32 - 134775812.
        random.Randomize(0xFFFFFFFFu);
        random.Random(1);
        QCOMPARE(random.RandSeed, 4160191484u);
        // From 0 the seed becomes 1, and 10 * 1 has nothing in its upper half.
        random.Randomize(0);
        QCOMPARE(random.Random(10), 0);
        QCOMPARE(random.RandSeed, 1u);
        // The largest range keeps to [0, range).
        random.Randomize(0xFFFFFFF0u);
        for (int i = 0; i < 1000; ++i) {
            const std::int32_t k = random.Random(0x7FFFFFFF);
            QVERIFY(k >= 0 && k < 0x7FFFFFFF);
        }
    }

    void seedIsMillisecondsSinceMidnight() {
        QCOMPARE(SeedFromTime(0, 0, 0, 0), 0u);
        QCOMPARE(SeedFromTime(1, 2, 3, 4), 3723004u);
        QCOMPARE(SeedFromTime(23, 59, 59, 999), 86399999u);
    }

    void clockSeedIsTheUtcTimeOfDay() {
        // On a machine 5:45 east of Greenwich, local time would be off by hours.
        qputenv("TZ", "TRV-05:45");
        tzset();
        auto utcNow = [] { return QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay(); };
        const int before = utcNow();
        const std::uint32_t seed = SeedFromClock();
        const int after = utcNow();
        if (after < before)
            QSKIP("midnight passed meanwhile");
        QVERIFY2(
            std::uint32_t(before) <= seed && seed <= std::uint32_t(after),
            qPrintable(QString("%1 is not within %2 ... %3").arg(seed).arg(before).arg(after)));
    }

    void creationDrawsDistinctTownsInDrawOrderAndAsksTheFirst() {
        const QStringList towns = townNames(10);
        const MemoryTownList list(towns);
        RecordingGroup radio;
        QStringList asked;
        radio.group.onClick = [&] {
            radio.clicks << radio.group.itemIndex();
            asked << radio.group.itemText(radio.group.itemIndex());
        };

        const TSession session(radio.group, list);

        // The same draws made by hand: a town already held is drawn again.
        std::uint32_t seed = 12345;
        QStringList expected;
        while (expected.size() < 5) {
            const QString town = towns[referenceDraw(seed, 10)];
            if (!expected.contains(town))
                expected << town;
        }
        QCOMPARE(radio.group.texts(), expected);
        QCOMPARE(ProgramRandom.RandSeed, seed);
        QCOMPARE(session.Total(), 5);
        QCOMPARE(session.Remaining(), std::int16_t(5));
        QCOMPARE(&session.QuestionList(), &radio.group);
        // Item 0 selected, and its click raised exactly once.
        QCOMPARE(radio.group.itemIndex(), 0);
        QCOMPARE(radio.clicks, QList<int>{0});
        QCOMPARE(asked, QStringList{expected[0]});
        for (int i = 0; i < 5; ++i)
            QVERIFY(radio.group.itemEnabled(i));
    }

    void drawAvoidsDislikedTownsAndGivesUpAfterTenTriesPerQuestion() {
        MemoryTownList list(townNames(8));
        RecordingGroup radio;
        QuestionCount = 3;

        // Every town disliked: each draw makes 10 * 3 + 1 tries and keeps the last one.
        list.selectAll();
        const std::uint32_t before = ProgramRandom.RandSeed;
        TSession session(radio.group, list);
        const int creationDraws = drawsBetween(before, ProgramRandom.RandSeed);
        QVERIFY(creationDraws >= 3 * 31);
        QCOMPARE(creationDraws % 31, 0);
        QCOMPARE(radio.group.count(), 3);
        const QStringList drawn = radio.group.texts();
        QCOMPARE(QSet<QString>(drawn.begin(), drawn.end()).size(), 3);

        std::uint32_t seed = ProgramRandom.RandSeed;
        int last = -1;
        for (int i = 0; i < 31; ++i)
            last = referenceDraw(seed, 8);
        QCOMPARE(session.RandomTown(list), QStringLiteral("Town %1").arg(last));
        QCOMPARE(ProgramRandom.RandSeed, seed);

        // One town liked: the draw stops at the first try that hits it.
        seed = ProgramRandom.RandSeed;
        const int liked = referenceDraw(seed, 8);
        list.setSelected(liked, false);
        const std::uint32_t start = ProgramRandom.RandSeed;
        QCOMPARE(session.RandomTown(list), QStringLiteral("Town %1").arg(liked));
        QCOMPARE(drawsBetween(start, ProgramRandom.RandSeed), 1);

        // The bound follows QuestionCount: with 1 question a draw gives up after 11 tries.
        QuestionCount = 1;
        list.selectAll();
        const std::uint32_t again = ProgramRandom.RandSeed;
        session.RandomTown(list);
        QCOMPARE(drawsBetween(again, ProgramRandom.RandSeed), 11);
    }

    void townsEqualWithoutCaseAreOneTown() {
        // The list offers two towns only; "FORLÌ" is "Forlì" again.
        const MemoryTownList list({QStringLiteral("Forlì"), QStringLiteral("Roma"),
                                   QStringLiteral("FORLÌ"), QStringLiteral("roma")});
        for (std::uint32_t seed : {1u, 2u, 3u, 777u}) {
            ProgramRandom.Randomize(seed);
            MemoryQuestionList group;
            QuestionCount = 2;
            const TSession session(group, list);
            QCOMPARE(group.count(), 2);
            QVERIFY(QString::compare(group.itemText(0), group.itemText(1), Qt::CaseInsensitive) !=
                    0);
        }
    }

    void shorterSessionWhenTheListRunsOut() {
        // 3 distinct towns for 5 questions, all disliked so that every draw gives up.
        MemoryTownList list({QStringLiteral("Asti"), QStringLiteral("Bra"), QStringLiteral("ASTI"),
                             QStringLiteral("Cuneo")});
        list.selectAll();
        RecordingGroup radio;
        TSession session(radio.group, list);
        QCOMPARE(radio.group.count(), 3);
        QCOMPARE(session.Total(), 3);
        QCOMPARE(session.Remaining(), std::int16_t(3));
        QCOMPARE(radio.clicks, QList<int>{0});

        // Played to the end, every town is asked once and no index beyond the items is
        // ever selected.
        QStringList asked{radio.group.itemText(0)};
        for (;;) {
            session.MarkFound();
            const QString next = session.NextTown();
            if (next.isEmpty())
                break;
            asked << next;
            QVERIFY(asked.size() <= 3);
        }
        QCOMPARE(asked, radio.group.texts());
        QCOMPARE(session.Remaining(), std::int16_t(0));
        for (int i = 0; i < 3; ++i)
            QVERIFY(!radio.group.itemEnabled(i));
        for (int index : std::as_const(radio.clicks))
            QVERIFY(index >= 0 && index < 3);
    }

    void emptyTownListCannotBeDrawnFrom() {
        const MemoryTownList list;
        RecordingGroup radio;
        try {
            TSession session(radio.group, list);
            QFAIL("a session was drawn from no towns");
        } catch (const TerravaError& error) {
            QCOMPARE(error.message(), QStringLiteral("List index out of bounds (0)"));
        }
        QCOMPARE(radio.group.count(), 0);
        QVERIFY(radio.clicks.isEmpty());
    }

    void singleQuestion() {
        const MemoryTownList list(townNames(4));
        RecordingGroup radio;
        QuestionCount = 1;
        TSession session(radio.group, list);
        QCOMPARE(radio.group.count(), 1);
        session.MarkFound();
        QCOMPARE(session.Remaining(), std::int16_t(0));
        QVERIFY(!radio.group.itemEnabled(0));
        QCOMPARE(session.NextTown(), QString());
        // The selection stays on the found town; nothing more is clicked.
        QCOMPARE(radio.group.itemIndex(), 0);
        QCOMPARE(radio.clicks, QList<int>{0});
    }

    void nextTownPassesFoundTownsAndClicksEach() {
        RecordingGroup radio;
        auto session = sessionOfAll(radio, {"A", "B", "C"});
        MemoryQuestionList& group = radio.group;

        // Item 0 found; the player then chooses item 2 and finds it.
        session->MarkFound();
        group.setItemIndex(2);
        session->MarkFound();
        QCOMPARE(session->Remaining(), std::int16_t(1));
        QVERIFY(!group.itemEnabled(2));

        // Wrapping around, item 0 (found) is passed over and item 1 asked.
        QCOMPARE(session->NextTown(), group.itemText(1));
        QCOMPARE(group.itemIndex(), 1);
        QCOMPARE(radio.clicks, (QList<int>{2, 0, 1}));
    }

    void selectNextOpenComesBackToTheOnlyOpenTown() {
        RecordingGroup radio;
        auto session = sessionOfAll(radio, {"A", "B", "C"});
        radio.group.setItemEnabled(0, false);
        radio.group.setItemEnabled(2, false);
        radio.group.setItemIndex(1);
        radio.clicks.clear();

        session->SelectNextOpen();
        QCOMPARE(radio.group.itemIndex(), 1);
        QCOMPARE(radio.clicks, (QList<int>{2, 0, 1}));
    }

    void selectNextOpenWithNothingOpenStopsAfterTheStart() {
        RecordingGroup radio;
        auto session = sessionOfAll(radio, {"A", "B", "C"});
        for (int i = 0; i < 3; ++i)
            radio.group.setItemEnabled(i, false);
        radio.group.setItemIndex(1);
        radio.clicks.clear();

        // Count + 1 moves, ending on the item after the start.
        session->SelectNextOpen();
        QCOMPARE(radio.group.itemIndex(), 2);
        QCOMPARE(radio.clicks, (QList<int>{2, 0, 1, 2}));
    }

    void markFoundWithNothingSelectedFailsAndCountsNothing() {
        // As after a Start whose new draw failed: the old session's towns are gone.
        RecordingGroup radio;
        auto session = sessionOfAll(radio, {"A", "B"});
        radio.group.clear();
        try {
            session->MarkFound();
            QFAIL("marked a town that is not there");
        } catch (const TerravaError& error) {
            QCOMPARE(error.message(), QStringLiteral("List index out of bounds (-1)"));
        }
        QCOMPARE(session->Remaining(), std::int16_t(2));
    }
};

QTEST_GUILESS_MAIN(SessionTest)
#include "test_session.moc"
