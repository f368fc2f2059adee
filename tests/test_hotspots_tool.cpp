// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
};

Run runTool(const QStringList& args, const QString& program = TERRAVA_HOTSPOTS_TOOL) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class HotspotsToolTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void maskPrintsHalfOpenRunsPerRow() {
        Run r = runTool({"mask", "x.bmp/e=-3;0,0;6,5;"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QString("0: 1-4\n1: 0-5\n2: 0-5\n3: 1-4\n"));
        // A ring made by even-odd: two runs on the middle rows.
        r = runTool({"mask", "x.bmp/ring=10;0,0;6,0;6,6;0,6;0,0;2,2;2,4;4,4;4,2;2,2;"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QString("0: 0-6\n1: 0-6\n2: 0-2 4-6\n3: 0-2 4-6\n4: 0-6\n5: 0-6\n"));
        // No region and an empty one print nothing.
        QCOMPARE(runTool({"mask", "x.bmp/n=-4;0,0;6,5;"}).out, QString());
        QCOMPARE(runTool({"mask", "x.bmp/n=-1;0,0;0,5;"}).out, QString());
        QCOMPARE(runTool({"mask", "x.bmp/n=-1;0,0;q,5;"}).exitCode, 2);
    }

    void checkReportsEveryFaultWithItsLine() {
        const QString good = dir.filePath("good.txt");
        writeFile(good, "a.bmp/A=-1;0,0;5,5;\r\na.bmp/B=-3;0,0;5,5;\r\n");
        QCOMPARE(runTool({"check", good}).exitCode, 0);

        const QString bad = dir.filePath("bad.txt");
        writeFile(bad, "a.bmp/B=-1;0,0;5,5;\n"
                       "a.bmp/A=-1;0,0;5,5;\n"
                       "a.bmp/C=-1;0,x;5,5;\n"
                       "a.bmp/C=-1;0,x;5,5;\n"
                       "a.bmp/D=-9;0,0;5,5;\n"
                       "a.bmp/E\n");
        const Run r = runTool({"check", bad});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.contains(bad + ":2: out of order"));
        QVERIFY(r.out.contains(bad + ":3: 'x' is not a valid integer value"));
        QVERIFY(r.out.contains(bad + ":4: duplicate"));
        QVERIFY(r.out.contains(bad + ":5: shape number 9 gives no region"));
        QVERIFY(r.out.contains(bad + ":6: The hotspot definition 'a.bmp/E' has no \"=\""));
        QVERIFY(!r.out.contains(bad + ":1:"));
    }

    void hitNamesTheHotspotAtAPicturePoint() {
        const QString file = dir.filePath("towns.txt");
        writeFile(file, "Etruria.bmp/Roma=-3;409,423;450,463;\n"
                        "Padania.bmp/Milano=-3;328,297;370,332;\n");
        Run r = runTool({"hit", file, "Padania.bmp", "348", "314"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QString("Milano\n"));
        QCOMPARE(runTool({"hit", file, "Padania.bmp", "430", "440"}).exitCode, 1);
        QCOMPARE(runTool({"hit", file, "/any/folder/Etruria.bmp", "430", "440"}).out,
                 QString("Roma\n"));
    }

    // The tool and the viewer read definitions as the game does: any line end.
    void toolAndViewerReadEveryLineEnd() {
        const QString viewer = QFileInfo(TERRAVA_HOTSPOTS_TOOL).dir().filePath("terrava-viewer");
        QImage picture(40, 40, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QVERIFY(picture.save(dir.filePath("a.bmp"), "BMP"));
        for (const char* end : {"\n", "\r\n", "\r"}) {
            const QString file = dir.filePath("ends.txt");
            writeFile(file,
                      QByteArray("a.bmp/A=-1;0,0;5,5;") + end + "a.bmp/B=-3;10,10;20,20;" + end);
            QCOMPARE(runTool({"check", file}).exitCode, 0);
            QCOMPARE(runTool({"hit", file, "a.bmp", "15", "15"}).out, QString("B\n"));
            const Run listed = runTool({"--list", dir.filePath("a.bmp"), file}, viewer);
            QCOMPARE(listed.exitCode, 0);
            QCOMPARE(listed.out, QString("A\nB\n"));
        }
    }

    void overlayDrawsOutlines() {
        QImage picture(100, 60, QImage::Format_RGB32);
        picture.fill(Qt::white);
        const QString path = dir.filePath("Padania.bmp");
        QVERIFY(picture.save(path, "BMP"));
        const QString file = dir.filePath("defs.txt");
        writeFile(file, "Padania.bmp/Box=-1;10,10;20,20;\n");
        const QString out = dir.filePath("out.png");
        QCOMPARE(runTool({"overlay", path, file, out}).exitCode, 0);
        const QImage drawn(out);
        QCOMPARE(drawn.size(), picture.size());
        QCOMPARE(drawn.pixel(10, 15), qRgb(255, 0, 255));
        QCOMPARE(drawn.pixel(15, 15), qRgb(255, 255, 255));
    }
};

QTEST_GUILESS_MAIN(HotspotsToolTest)
#include "test_hotspots_tool.moc"
