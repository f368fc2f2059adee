// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's name typed into the real name dialog, through to the section of the settings
// file that the main window loads and saves.

#include "Entering.h"
#include "TrackBar.h"
#include "WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) &&
           file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class PlayerEntryTest : public QObject, WindowFixture {
    Q_OBJECT
    QString path;
    MessageLog boxes;

    // Types the name into the dialog as a player would, replacing the offered one, and presses
    // Enter; the main window then loads that player's settings.
    void enterName(TMainForm& form, const QString& name) {
        TOKBottomDlg dialog;
        dialog.setMainForm(&form);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(dialog.Edit->hasFocus());
        QCOMPARE(dialog.Edit->selectedText(), QString("Easy"));
        QTest::keyClicks(dialog.Edit, name);
        QTest::keyClick(dialog.Edit, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }

private slots:
    void initTestCase() {
        QVERIFY(setUpWindows());
        path = ProfileFile::defaultPath();
    }
    void init() {
        QFile::remove(path);
        boxes.shown.clear();
    }
    void cleanup() { QFile::remove(path); }

    // The name keeps its blanks; the file names the section as Windows writes and finds it:
    // without the blanks around the name.
    void nameAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("time");          // "Time" as loaded
        QTest::addColumn<QByteArray>("header"); // the player's header after the Save
        QTest::newRow("blanks typed")
            << "  Bob  " << QByteArray("[Bob]\nTime=700\n") << 700 << QByteArray("[Bob]\n");
        QTest::newRow("blanks in the file")
            << "Bob" << QByteArray("[  Bob  ]\nTime=700\n") << 700 << QByteArray("[  Bob  ]\n");
        QTest::newRow("new player with blanks")
            << " Bob " << QByteArray() << 1500 << QByteArray("[Bob]\n");
        QTest::newRow("inner blanks count")
            << "Bo b" << QByteArray("[Bob]\nTime=700\n") << 1500 << QByteArray("[Bo b]\n");
    }
    void nameAsTyped() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, before);
        QFETCH(int, time);
        QFETCH(QByteArray, header);
        if (!before.isEmpty())
            QVERIFY(writeFile(path, before));
        const auto form = makeForm();
        enterName(*form, typed);
        QCOMPARE(PlayerName, typed);
        QCOMPARE(form->TimeTrackBar->Position(), time);

        form->TimeTrackBar->setPosition(900);
        form->SaveButton->click();
        QVERIFY2(boxes.shown.isEmpty(), qPrintable(boxes.texts().join('\n')));
        const QByteArray after = readFile(path);
        QVERIFY2(after.contains(header), after.constData());
        QCOMPARE(ProfileFile(path).readInteger(typed, "Time", 0), 900);
        QCOMPARE(after.count('['), before.count('[') + (time == 1500 ? 1 : 0));
    }

    // Whatever the file's bytes, the player's own section loads and a Save keeps the rest.
    void anyFileLoadsAndSaves_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("time");
        QTest::addColumn<QByteArray>("kept"); // bytes that stay as they were, first or last
        QByteArray noise(64 * 1024, '\0');
        QRandomGenerator random(20260412);
        for (char& c : noise)
            c = char(random.bounded(256));
        QTest::newRow("random bytes") << noise << 1500 << noise;
        const QByteArray other = "[Other]\r\n" + noise.left(256);
        QTest::newRow("section then random bytes")
            << "[Ada]\r\nTime=900\r\n" + other << 900 << other;
    }
    void anyFileLoadsAndSaves() {
        QFETCH(QByteArray, before);
        QFETCH(int, time);
        QFETCH(QByteArray, kept);
        QVERIFY(writeFile(path, before));
        const auto form = makeForm();
        enterName(*form, "Ada");
        QCOMPARE(form->TimeTrackBar->Position(), time);
        form->TimeTrackBar->setPosition(1234);
        form->SaveButton->click();
        QVERIFY2(boxes.shown.isEmpty(), qPrintable(boxes.texts().join('\n')));
        const QByteArray after = readFile(path);
        QVERIFY(after.size() > before.size());
        QVERIFY(after.startsWith(kept) || after.endsWith(kept));
        const auto again = makeForm();
        enterName(*again, "ada");
        QCOMPARE(again->TimeTrackBar->Position(), 1234);
    }
};

QTEST_MAIN(PlayerEntryTest)
#include "test_playerentry.moc"
