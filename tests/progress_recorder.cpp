// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Records sessions into a record of sessions, as a second copy of the game would, or stops in
// the middle of one to be killed.
//
//   progress_recorder FILE PLAYER COUNT    COUNT sessions of five towns, each found after one
//                                          wrong click
//   progress_recorder FILE PLAYER kill K   one session that finds K of its five towns, then
//                                          prints "ready" and waits to be killed
// The record's problem, if any, goes to the standard error, and the exit code is then 1.

#include "SessionRecorder.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: progress_recorder FILE PLAYER COUNT|kill K\n");
        return 2;
    }
    const bool kill = args[3] == QLatin1String("kill");
    const int count = kill ? 1 : args[3].toInt();
    const int foundBeforeKill = kill ? args.value(4).toInt() : 5;

    ProgressDatabase db(args[1]);
    SessionRecorder recorder(db, args[2]);
    const QStringList towns = {"Roma", "Milano", "Napoli", "Torino", "Bari"};
    for (int session = 0; session < count; ++session) {
        recorder.sessionStarted({}, towns);
        for (int town = 0; town < foundBeforeKill; ++town) {
            recorder.townAsked(town);
            recorder.wrongClick({WrongClick::Kind::Town, "Pisa", "Etruria.bmp", {10, town}});
            recorder.townFound(town);
        }
    }
    if (kill) {
        std::printf("ready\n");
        std::fflush(stdout);
        for (;;)
            pause();
    }
    const QString problem = db.takeProblem();
    if (problem.isEmpty())
        return 0;
    std::fprintf(stderr, "%s\n", qPrintable(problem));
    return 1;
}
